// Tool pictures drawn with anti-aliased paths on transparent images; the application icon from its SVG.
#include "app/app_icons.h"

#include <cstring>
#include <memory>
#include <vector>

#include <wx/brush.h>
#include <wx/graphics.h>
#include <wx/pen.h>

#include "app_icon_svg.h"  // generated from resources/icons/veltrane-quillorn.svg

namespace {

wxImage TransparentImage(int nSize)
{
    wxImage img(nSize, nSize);
    img.SetAlpha();
    std::memset(img.GetAlpha(), 0, static_cast<std::size_t>(nSize) * static_cast<std::size_t>(nSize));
    return img;
}

// Draws on img through fnDraw; the context writes back into the image when it is destroyed.
template <typename F>
wxImage Draw(int nSize, F fnDraw)
{
    wxImage img = TransparentImage(nSize);
    {
        std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(img));
        if (gc) {
            gc->SetAntialiasMode(wxANTIALIAS_DEFAULT);
            fnDraw(*gc, static_cast<double>(nSize));
        }
    }
    return img;
}

// A question mark in a box of side s at (x, y): a hook, a stem and a dot.
void QuestionMark(wxGraphicsContext& gc, double x, double y, double s, const wxColour& clrFill,
                  const wxColour& clrEdge)
{
    wxGraphicsPath path = gc.CreatePath();
    const double cx = x + s * 0.5;
    const double cy = y + s * 0.32;
    const double r = s * 0.24;
    path.AddArc(cx, cy, r, M_PI * 1.05, M_PI * 2.35, true);
    path.AddLineToPoint(cx, y + s * 0.66);
    gc.SetPen(wxPen(clrEdge, static_cast<int>(s * 0.22 + 0.5)));
    gc.StrokePath(path);
    gc.SetPen(wxPen(clrFill, static_cast<int>(s * 0.13 + 0.5)));
    gc.StrokePath(path);

    const double d = s * 0.2;
    gc.SetPen(wxPen(clrEdge, 1));
    gc.SetBrush(wxBrush(clrFill));
    gc.DrawEllipse(cx - d / 2, y + s * 0.76, d, d);
}

// A tool picture on its 16-pixel grid, at nSize pixels.
template <typename F>
wxImage DrawTool(int nSize, F fnDraw)
{
    return Draw(nSize, [&](wxGraphicsContext& gc, double s) {
        const double dScale = s / kToolImageSize;
        gc.Scale(dScale, dScale);
        fnDraw(gc, static_cast<double>(kToolImageSize));
    });
}

}  // namespace

namespace {

// A tool picture at 1 to 4 times its size, each drawn from its paths the first time the tool bar
// asks for it: a screen needs one of them, and drawing all four held up the first dialog.
class CDrawnToolImages : public wxBitmapBundleImpl {
public:
    explicit CDrawnToolImages(wxImage (*pfnDraw)(int)) : m_pfnDraw(pfnDraw) {}

    wxSize GetDefaultSize() const override { return wxSize(kToolImageSize, kToolImageSize); }
    wxSize GetPreferredBitmapSizeAtScale(double dScale) const override { return DoGetPreferredSize(dScale); }

    wxBitmap GetBitmap(const wxSize& size) override
    {
        for (const wxBitmap& bmp : m_abmpDrawn)
            if (bmp.GetSize() == size)
                return bmp;
        m_abmpDrawn.emplace_back(m_pfnDraw(size.y));
        return m_abmpDrawn.back();
    }

protected:
    double GetNextAvailableScale(size_t& i) const override { return i < kScales ? static_cast<double>(++i) : 0.0; }

private:
    static constexpr size_t kScales = 4;
    wxImage (*m_pfnDraw)(int);
    std::vector<wxBitmap> m_abmpDrawn;
};

}  // namespace

wxBitmapBundle ToolBitmapBundle(wxImage (*pfnDraw)(int))
{
    return wxBitmapBundle::FromImpl(new CDrawnToolImages(pfnDraw));
}

wxImage DrawNewToolImage(int nSize)
{
    return DrawTool(nSize, [](wxGraphicsContext& gc, double) {
        wxGraphicsPath path = gc.CreatePath();
        path.MoveToPoint(3.5, 1.5);
        path.AddLineToPoint(14.5, 8);
        path.AddLineToPoint(3.5, 14.5);
        path.CloseSubpath();
        gc.SetPen(wxPen(wxColour(0, 96, 0), 1));
        gc.SetBrush(wxBrush(wxColour(0, 176, 0)));
        gc.DrawPath(path);
    });
}

wxImage DrawOptionsToolImage(int nSize)
{
    return DrawTool(nSize, [](wxGraphicsContext& gc, double) {
        gc.SetPen(wxPen(wxColour(96, 96, 96), 1));
        gc.SetBrush(*wxWHITE_BRUSH);
        gc.DrawRectangle(1.5, 1.5, 10, 13);
        gc.SetPen(wxPen(wxColour(160, 160, 160), 1));
        for (double y = 4.5; y < 13; y += 2.5)
            gc.StrokeLine(3, y, 10, y);
        // The pen lies across the sheet, tip at the lower left.
        wxGraphicsPath pen = gc.CreatePath();
        pen.MoveToPoint(6, 13);
        pen.AddLineToPoint(7, 10);
        pen.AddLineToPoint(14, 3);
        pen.AddLineToPoint(15.5, 4.5);
        pen.AddLineToPoint(8.5, 11.5);
        pen.CloseSubpath();
        gc.SetPen(wxPen(wxColour(0, 0, 128), 1));
        gc.SetBrush(wxBrush(wxColour(0, 64, 224)));
        gc.DrawPath(pen);
    });
}

wxImage DrawHelpToolImage(int nSize)
{
    return DrawTool(nSize, [](wxGraphicsContext& gc, double s) {
        QuestionMark(gc, 0, 0, s, wxColour(255, 220, 0), wxColour(128, 96, 0));
    });
}

wxImage DrawGiveUpToolImage(int nSize)
{
    return DrawTool(nSize, [](wxGraphicsContext& gc, double) {
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
