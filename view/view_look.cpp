// Font sizing by measured cell height, and the smoothing of shapes and text.
#include "view/view_look.h"

#include <algorithm>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/settings.h>

#include <cairo.h>
#include <gdk/gdk.h>

#include "game/readable_colour.h"
#include "ui/display_zoom.h"
#include "ui/fonts.h"

namespace {

// One small surface to measure on, made once: every font size tried costs a font load, so the
// search below tries as few as it can.
wxMemoryDC& MeasuringDC()
{
    static wxBitmap s_bmp(4, 4);
    static wxMemoryDC s_dc(s_bmp);
    return s_dc;
}

int CellHeightOf(const wxFont& font)
{
    wxMemoryDC& dc = MeasuringDC();
    dc.SetFont(font);
    return dc.GetCharHeight();
}

bool SamplesFit(const wxFont& font, const std::vector<std::pair<wxString, int>>& aSamples)
{
    wxMemoryDC& dc = MeasuringDC();
    dc.SetFont(font);
    for (const auto& [strText, nWidth] : aSamples) {
        if (dc.GetTextExtent(strText).x > nWidth)
            return false;
    }
    return true;
}

// Font sizes are tried in whole points of an unscaled screen, each given as the fractional size
// that draws the same pixels on this one. Under the desktop's text scaling wx would turn a pixel
// size into whole points at the scaled resolution: coarse steps, and the face that fits a cell
// would draw larger capitals than the unscaled desktop does for the same cell (cut at a letter
// key's edges at 125 %). From a close start the largest size that fits is a step or two away.
template <class Fits>
wxFont LargestFittingInUnscaledPoints(wxFont font, int nStartPoints, int nMaxPoints, const Fits& fits)
{
    const double dToHere = 1.0 / DesktopTextScale();
    const auto setPoints = [&](int nPoints) { font.SetFractionalPointSize(nPoints * dToHere); };
    int nPoints = std::clamp(nStartPoints, 1, nMaxPoints);
    setPoints(nPoints);
    while (nPoints > 1 && !fits(font))
        setPoints(--nPoints);
    while (nPoints < nMaxPoints) {
        setPoints(nPoints + 1);
        if (!fits(font)) {
            setPoints(nPoints);
            break;
        }
        ++nPoints;
    }
    return font;
}

}  // namespace

wxFont FontForCellHeight(const wxString& strFace, int nCellHeight, wxFontWeight weight)
{
    // Sized on the regular face, as one character height serves all its weights. The cell grows
    // about in proportion to the size: one measurement gives the start.
    const int nGuess = std::max(nCellHeight * 5 / 8, 1);
    wxFont font = FontInFace(strFace, wxFontInfo(nGuess).Family(wxFONTFAMILY_SWISS));
    const int nStart = nGuess * nCellHeight / std::max(CellHeightOf(font), 1);
    font = LargestFittingInUnscaledPoints(font, nStart, 2 * nCellHeight,
                                          [&](const wxFont& f) { return CellHeightOf(f) <= nCellHeight; });
    font.SetWeight(weight);
    return font;
}

wxFont DefaultFontForLine(int nLineHeight, const std::vector<std::pair<wxString, int>>& aSamples,
                          const wxFont& fontStart)
{
    wxFont font = fontStart;
    // One measurement at the desktop's size gives the scale that makes everything fit; text
    // grows about in proportion to the size, and the loop below settles any rounding.
    wxMemoryDC& dc = MeasuringDC();
    dc.SetFont(font);
    double dScale = static_cast<double>(nLineHeight) / std::max(dc.GetCharHeight(), 1);
    for (const auto& [strText, nWidth] : aSamples)
        dScale = std::min(dScale, static_cast<double>(nWidth) / std::max(dc.GetTextExtent(strText).x, 1));
    if (dScale >= 1.0)
        return font;
    // Never above the desktop's own size, which did not fit.
    const double dDesktopPoints = font.GetFractionalPointSize() * DesktopTextScale();
    return LargestFittingInUnscaledPoints(font, static_cast<int>(dDesktopPoints * dScale),
                                          std::max(static_cast<int>(dDesktopPoints), 1), [&](const wxFont& f) {
                                              return CellHeightOf(f) <= nLineHeight && SamplesFit(f, aSamples);
                                          });
}

double CapitalsMiddle(const wxFont& font)
{
    wxMemoryDC dc;
    dc.SetFont(font);
    const wxSize size = dc.GetTextExtent("H");
    wxBitmap bmp(std::max(size.x, 1), std::max(size.y, 1), 24);
    dc.SelectObject(bmp);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetTextForeground(*wxBLACK);
    dc.DrawText("H", 0, 0);
    dc.SelectObject(wxNullBitmap);
    const wxImage image = bmp.ConvertToImage();
    int nTop = -1;
    int nBottom = -1;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (image.GetRed(x, y) < 128) {
                nTop = nTop < 0 ? y : nTop;
                nBottom = y;
                break;
            }
        }
    }
    if (nTop < 0 || size.y <= 0)
        return 0.5;
    return (nTop + nBottom + 1) / 2.0 / size.y;
}

void UseCrispShapes(wxDC& dc)
{
    if (wxGraphicsContext* pGc = dc.GetGraphicsContext())
        pGc->SetAntialiasMode(wxANTIALIAS_NONE);
}

void UseSmoothText(wxDC& dc)
{
    wxGraphicsContext* pGc = dc.GetGraphicsContext();
    if (pGc == nullptr)
        return;
    pGc->SetAntialiasMode(wxANTIALIAS_DEFAULT);
    // The desktop's way of smoothing text, spelt out: left to each surface, the window and a
    // picture in memory would each fall back on defaults of their own, and the same picture would
    // differ by surface. Without a desktop's word: greyscale, hinted in full, so strokes stand on
    // whole pixels and keep their colour.
    auto* pCairo = static_cast<cairo_t*>(pGc->GetNativeContext());
    if (pCairo == nullptr)
        return;
    cairo_font_options_t* pOptions = cairo_font_options_create();
    const cairo_font_options_t* pDesktop = gdk_screen_get_font_options(gdk_screen_get_default());
    if (pDesktop != nullptr && cairo_font_options_get_antialias(pDesktop) != CAIRO_ANTIALIAS_DEFAULT) {
        cairo_font_options_merge(pOptions, pDesktop);
    } else {
        cairo_font_options_set_antialias(pOptions, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(pOptions, CAIRO_HINT_STYLE_FULL);
        cairo_font_options_set_hint_metrics(pOptions, CAIRO_HINT_METRICS_ON);
    }
    cairo_set_font_options(pCairo, pOptions);
    cairo_font_options_destroy(pOptions);
}

wxColour TextColourOn(COLORREF clrText, COLORREF clrGround)
{
    return WxColour(ReadableOn(clrText, clrGround));
}
