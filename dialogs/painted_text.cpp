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
        CreatePointSizeFont(s_font, "Tahoma", 9, false);
        s_nZoom = DialogZoom();
    }
    return s_font;
}

void DrawTextInRect(wxDC& dc, const wxString& str, const wxRect& rc, int nAlign)
{
    wxDCClipper clip(dc, rc);
    dc.DrawLabel(str, rc, nAlign);
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
        y += nLineHeight;
    }
}
