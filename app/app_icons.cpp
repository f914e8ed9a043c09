// Tool pictures drawn with anti-aliased paths on transparent images; the application icon from its SVG.
#include "app/app_icons.h"

#include <cstring>
#include <initializer_list>
#include <memory>

#include <wx/brush.h>
#include <wx/graphics.h>
#include <wx/pen.h>

#include "app_icon_svg.h"  // generated from resources/icons/veltrane-quillorn.svg

namespace {

// A tool picture drawn on its 16-pixel grid at nSize pixels, on a transparent image; the context
// writes back into the image when it is destroyed.
template <typename F>
wxImage DrawTool(int nSize, F fnDraw)
{
    wxImage img(nSize, nSize);
    img.SetAlpha();
    std::memset(img.GetAlpha(), 0, static_cast<std::size_t>(nSize) * static_cast<std::size_t>(nSize));
    if (std::unique_ptr<wxGraphicsContext> gc{wxGraphicsContext::Create(img)}) {
        gc->SetAntialiasMode(wxANTIALIAS_DEFAULT);
        const double dScale = static_cast<double>(nSize) / kToolImageSize;
        gc->Scale(dScale, dScale);
        fnDraw(*gc);
    }
    return img;
}

// A closed shape through the points, outlined and filled.
void DrawShape(wxGraphicsContext& gc, std::initializer_list<wxPoint2DDouble> aPoints, const wxColour& clrEdge,
               const wxColour& clrFill)
{
    wxGraphicsPath path = gc.CreatePath();
    path.MoveToPoint(*aPoints.begin());
    for (auto it = aPoints.begin() + 1; it != aPoints.end(); ++it)
        path.AddLineToPoint(*it);
    path.CloseSubpath();
    gc.SetPen(wxPen(clrEdge, 1));
    gc.SetBrush(wxBrush(clrFill));
    gc.DrawPath(path);
}

}  // namespace

wxBitmapBundle ToolBitmapBundle(wxImage (*pfnDraw)(int))
{
    wxVector<wxBitmap> abmp;
    for (int nScale = 1; nScale <= 4; ++nScale)
        abmp.push_back(wxBitmap(pfnDraw(kToolImageSize * nScale)));
    return wxBitmapBundle::FromBitmaps(abmp);
}

wxImage DrawNewToolImage(int nSize)
{
    return DrawTool(nSize, [](wxGraphicsContext& gc) {
        DrawShape(gc, {{3.5, 1.5}, {14.5, 8}, {3.5, 14.5}}, wxColour(0, 96, 0), wxColour(0, 176, 0));
    });
}

wxImage DrawOptionsToolImage(int nSize)
{
    return DrawTool(nSize, [](wxGraphicsContext& gc) {
        gc.SetPen(wxPen(wxColour(96, 96, 96), 1));
        gc.SetBrush(*wxWHITE_BRUSH);
        gc.DrawRectangle(1.5, 1.5, 10, 13);
        gc.SetPen(wxPen(wxColour(160, 160, 160), 1));
        for (double y = 4.5; y < 13; y += 2.5)
            gc.StrokeLine(3, y, 10, y);
        // The pen lies across the sheet, tip at the lower left.
        DrawShape(gc, {{6, 13}, {7, 10}, {14, 3}, {15.5, 4.5}, {8.5, 11.5}}, wxColour(0, 0, 128), wxColour(0, 64, 224));
    });
}

wxImage DrawHelpToolImage(int nSize)
{
    return DrawTool(nSize, [](wxGraphicsContext& gc) {
        // A hook and a stem, yellow inside a brown edge, and a dot.
        const wxColour clrFill(255, 220, 0);
        const wxColour clrEdge(128, 96, 0);
        const double s = kToolImageSize;
        wxGraphicsPath path = gc.CreatePath();
        path.AddArc(s * 0.5, s * 0.32, s * 0.24, M_PI * 1.05, M_PI * 2.35, true);
        path.AddLineToPoint(s * 0.5, s * 0.66);
        gc.SetPen(wxPen(clrEdge, static_cast<int>(s * 0.22 + 0.5)));
        gc.StrokePath(path);
        gc.SetPen(wxPen(clrFill, static_cast<int>(s * 0.13 + 0.5)));
        gc.StrokePath(path);
        const double d = s * 0.2;
        gc.SetPen(wxPen(clrEdge, 1));
        gc.SetBrush(wxBrush(clrFill));
        gc.DrawEllipse(s * 0.5 - d / 2, s * 0.76, d, d);
    });
}

wxImage DrawGiveUpToolImage(int nSize)
{
    return DrawTool(nSize, [](wxGraphicsContext& gc) {
        gc.SetPen(wxPen(wxColour(128, 0, 0), 1));
        gc.SetBrush(wxBrush(wxColour(220, 0, 0)));
        gc.DrawEllipse(0.5, 0.5, 15, 15);
        gc.SetPen(wxPen(*wxWHITE, 2));
        gc.StrokeLine(5, 5, 11, 11);
        gc.StrokeLine(11, 5, 5, 11);
    });
}

wxIconBundle AppIconBundle()
{
    // The icon file the desktop shows, built in: a copied executable still has its icon.
    const wxBitmapBundle svg = wxBitmapBundle::FromSVG(kAppIconSvg, wxSize(256, 256));
    wxIconBundle bundle;
    for (const int nSize : kAppIconSizes) {
        wxIcon icon;
        icon.CopyFromBitmap(svg.GetBitmap(wxSize(nSize, nSize)));
        bundle.AddIcon(icon);
    }
    return bundle;
}
