// Painted text helpers.
#include "dialogs/painted_text.h"

#include <wx/dc.h>
#include <wx/tokenzr.h>

#include "dialogs/dialog_look.h"

const wxFont& DialogPaintFont()
{
    // Made once per zoom: the zoom changes seldom and the dialogs paint often.
    static wxFont s_font;
    static int s_nZoom = 0;
    if (!s_font.IsOk() || s_nZoom != DialogZoom()) {
        CreatePointSizeFont(s_font, "Tahoma", 9, false, false, false, false);
        s_nZoom = DialogZoom();
    }
    return s_font;
}

namespace {

bool g_bRecord = false;

void Record(const wxString& str, const wxRect& rcText, const wxRect& rcLimit)
{
    if (g_bRecord)
        PaintedTexts().push_back({str, rcText, rcLimit});
}

}  // namespace

void RecordPaintedTexts(bool bRecord)
{
    g_bRecord = bRecord;
    PaintedTexts().clear();
}

std::vector<CDrawnText>& PaintedTexts()
{
    static std::vector<CDrawnText> s_aTexts;
    return s_aTexts;
}

void DrawTextInRect(wxDC& dc, const wxString& str, const wxRect& rc, int nAlign)
{
    wxDCClipper clip(dc, rc);
    dc.DrawLabel(str, rc, nAlign);
    if (g_bRecord) {
        const wxSize size = dc.GetTextExtent(str);
        int x = rc.x, y = rc.y;
        if (nAlign & wxALIGN_RIGHT)
            x = rc.GetRight() + 1 - size.x;
        else if (nAlign & wxALIGN_CENTRE_HORIZONTAL)
            x = rc.x + (rc.width - size.x) / 2;
        if (nAlign & wxALIGN_BOTTOM)
            y = rc.GetBottom() + 1 - size.y;
        else if (nAlign & wxALIGN_CENTRE_VERTICAL)
            y = rc.y + (rc.height - size.y) / 2;
        Record(str, wxRect(wxPoint(x, y), size), rc);
    }
}

std::vector<wxString> WrapWords(wxDC& dc, const wxString& str, int nWidth)
{
    std::vector<wxString> astrLines;
    wxString strLine;
    wxStringTokenizer words(str, " ", wxTOKEN_STRTOK);
    while (words.HasMoreTokens()) {
        const wxString strWord = words.GetNextToken();
        const wxString strTry = strLine.empty() ? strWord : strLine + " " + strWord;
        if (!strLine.empty() && dc.GetTextExtent(strTry).x > nWidth) {
            astrLines.push_back(strLine);
            strLine = strWord;
        } else {
            strLine = strTry;
        }
    }
    if (!strLine.empty())
        astrLines.push_back(strLine);
    return astrLines;
}

void DrawWrappedCentred(wxDC& dc, const wxString& str, const wxRect& rc)
{
    wxDCClipper clip(dc, rc);
    const int nLineHeight = dc.GetCharHeight();
    int y = rc.GetTop();
    for (const wxString& strLine : WrapWords(dc, str, rc.GetWidth())) {
        const int nWidth = dc.GetTextExtent(strLine).x;
        dc.DrawText(strLine, rc.GetLeft() + (rc.GetWidth() - nWidth) / 2, y);
        Record(strLine, wxRect(rc.GetLeft() + (rc.GetWidth() - nWidth) / 2, y, nWidth, nLineHeight), rc);
        y += nLineHeight;
    }
}
