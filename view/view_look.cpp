// Font sizing by measured cell height.
#include "view/view_look.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/settings.h>

namespace {

int CellHeightOf(const wxFont& font)
{
    wxBitmap bmp(8, 8);
    wxMemoryDC dc(bmp);
    dc.SetFont(font);
    return dc.GetCharHeight();
}

bool SamplesFit(const wxFont& font, const std::vector<std::pair<wxString, int>>& aSamples)
{
    wxBitmap bmp(8, 8);
    wxMemoryDC dc(bmp);
    dc.SetFont(font);
    for (const auto& [strText, nWidth] : aSamples) {
        if (dc.GetTextExtent(strText).x > nWidth)
            return false;
    }
    return true;
}

// The largest pixel size of base whose cell fits; never below 1.
wxFont ShrinkToFit(wxFont font, int nCellHeight)
{
    for (int nPixels = nCellHeight; nPixels > 1; --nPixels) {
        font.SetPixelSize(wxSize(0, nPixels));
        if (CellHeightOf(font) <= nCellHeight)
            return font;
    }
    font.SetPixelSize(wxSize(0, 1));
    return font;
}

}  // namespace

wxFont FontForCellHeight(const wxString& strFace, int nCellHeight, wxFontWeight weight, bool bStrikeOut)
{
    wxFontInfo info(wxSize(0, nCellHeight));
    info.FaceName(strFace).Family(wxFONTFAMILY_SWISS).Weight(weight).Strikethrough(bStrikeOut);
    return ShrinkToFit(wxFont(info), nCellHeight);
}

wxFont DefaultFontForLine(int nLineHeight, const std::vector<std::pair<wxString, int>>& aSamples)
{
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    if (CellHeightOf(font) <= nLineHeight && SamplesFit(font, aSamples))
        return font;
    font = ShrinkToFit(font, nLineHeight);
    for (int nPixels = font.GetPixelSize().y - 1; nPixels > 6 && !SamplesFit(font, aSamples); --nPixels)
        font.SetPixelSize(wxSize(0, nPixels));
    return font;
}

void UseCrispShapes(wxDC& dc)
{
    if (wxGraphicsContext* pGc = dc.GetGraphicsContext())
        pGc->SetAntialiasMode(wxANTIALIAS_NONE);
}
