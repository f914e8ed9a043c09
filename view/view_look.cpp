// Font sizing by measured cell height.
#include "view/view_look.h"

#include <algorithm>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/settings.h>

#include "dialogs/dialog_look.h"

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

// Under the desktop's text scaling wx turns a pixel size into whole points at the scaled
// resolution: the steps are coarse, and the face that fits a cell draws larger capitals than
// the unscaled desktop does for the same cell (cut at a letter key's edges at 125 %). Sizes are
// tried here in whole points of an unscaled screen instead, each given as the fractional size
// that draws the same pixels on this one, so a cell holds the letters it holds unscaled.
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

bool IsTextScaled()
{
    return DesktopTextScale() != 1.0;
}

// The largest pixel size of font whose cell fits nCellHeight. The cell grows about in proportion
// to the size, so one measurement gives a close guess and a step or two settles it.
wxFont ShrinkToFit(wxFont font, int nCellHeight)
{
    if (IsTextScaled()) {
        return LargestFittingInUnscaledPoints(font, nCellHeight * 72 / 96, 2 * nCellHeight,
                                              [&](const wxFont& f) { return CellHeightOf(f) <= nCellHeight; });
    }
    font.SetPixelSize(wxSize(0, nCellHeight));
    const int nCellAtTarget = CellHeightOf(font);
    int nPixels = nCellAtTarget > 0 ? nCellHeight * nCellHeight / nCellAtTarget : nCellHeight;
    nPixels = std::clamp(nPixels, 1, nCellHeight);
    font.SetPixelSize(wxSize(0, nPixels));
    while (nPixels > 1 && CellHeightOf(font) > nCellHeight)
        font.SetPixelSize(wxSize(0, --nPixels));
    while (nPixels < nCellHeight) {
        font.SetPixelSize(wxSize(0, nPixels + 1));
        if (CellHeightOf(font) > nCellHeight) {
            font.SetPixelSize(wxSize(0, nPixels));
            break;
        }
        ++nPixels;
    }
    return font;
}

}  // namespace

wxFont FontForCellHeight(const wxString& strFace, int nCellHeight, wxFontWeight weight, bool bStrikeOut)
{
    wxFontInfo info(wxSize(0, nCellHeight));
    info.FaceName(strFace).Family(wxFONTFAMILY_SWISS);
    // Sized on the regular face, as one character height serves all its weights.
    wxFont font = ShrinkToFit(wxFont(info), nCellHeight);
    font.SetWeight(weight);
    font.SetStrikethrough(bStrikeOut);
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
    if (IsTextScaled()) {
        // Never above the desktop's own size, which did not fit.
        const double dDesktopPoints = font.GetFractionalPointSize() * DesktopTextScale();
        const int nMax = std::max(static_cast<int>(dDesktopPoints), 1);
        return LargestFittingInUnscaledPoints(font, static_cast<int>(dDesktopPoints * dScale), nMax, [&](const wxFont& f) {
            return CellHeightOf(f) <= nLineHeight && SamplesFit(f, aSamples);
        });
    }
    int nPixels = std::max(static_cast<int>(font.GetPixelSize().y * dScale), 6);
    font.SetPixelSize(wxSize(0, nPixels));
    while (nPixels > 6 && (CellHeightOf(font) > nLineHeight || !SamplesFit(font, aSamples)))
        font.SetPixelSize(wxSize(0, --nPixels));
    return font;
}

void UseCrispShapes(wxDC& dc)
{
    if (wxGraphicsContext* pGc = dc.GetGraphicsContext())
        pGc->SetAntialiasMode(wxANTIALIAS_NONE);
}
