#include "dialogs/dialog_look.h"

#include <gtk/gtk.h>

#include <wx/brush.h>
#include <wx/button.h>
#include <wx/dc.h>
#include <wx/pen.h>
#include <wx/settings.h>
#include <wx/tokenzr.h>
#include <wx/window.h>

#include "game/readable_colour.h"

namespace {

constexpr int kTileSize = 50;
constexpr int kTileStep = 20;
constexpr int kTileCornerEllipse = 25;

// What stands behind a dialog's texts: its window's colour, which follows the desktop's theme.
COLORREF DialogGround(const wxWindow& window)
{
    const wxWindow* pTop = wxGetTopLevelParent(const_cast<wxWindow*>(&window));
    const wxColour clr = (pTop != nullptr ? pTop : &window)->GetBackgroundColour();
    return clr.IsOk() ? MakeRGB(clr.Red(), clr.Green(), clr.Blue()) : kWhite;
}

}  // namespace

void DrawHeaderRule(wxDC& dc, int nClientWidth, double dScale)
{
    // A one-row rectangle covers exactly the pixels the line would, without the half-pixel
    // blending an anti-aliased line gets at its ends.
    const wxDCPenChanger pen(dc, *wxTRANSPARENT_PEN);
    const wxDCBrushChanger brush(dc, *wxBLACK_BRUSH);
    dc.DrawRectangle(0, ScaledPixels(kHeaderRuleY, dScale), nClientWidth, ScaledLineWidth(dScale));
}

void DrawTiles(wxDC& dc, int x, int y, double dScale)
{
    const COLORREF aclrTiles[] = {kTileLight, kTileMiddle, kTileDark};
    const wxBrush oldBrush = dc.GetBrush();
    dc.SetPen(*wxWHITE_PEN);
    for (int i = 0; i < 3; ++i) {
        dc.SetBrush(wxBrush(WxColour(aclrTiles[i])));
        // The corner ellipse is 25 across, so its radius is half of that.
        const int nLeft = ScaledPixels(x + i * kTileStep, dScale);
        const int nTop = ScaledPixels(y + i * kTileStep, dScale);
        dc.DrawRoundedRectangle(nLeft, nTop, ScaledPixels(x + i * kTileStep + kTileSize, dScale) - nLeft,
                                ScaledPixels(y + i * kTileStep + kTileSize, dScale) - nTop,
                                kTileCornerEllipse * dScale / 2.0);
    }
    dc.SetBrush(oldBrush);
}

void StyleFontAndBlue(wxWindow* pControl, const wxFont& font)
{
    if (pControl == nullptr)
        return;
    SetControlFont(pControl, font);
    StyleBlue(pControl);
}

wxColour DialogTextColour(const wxWindow& window, COLORREF clr)
{
    const COLORREF clrGround = DialogGround(window);
    if (clr == kBlack && ContrastRatio(kBlack, clrGround) < kReadableContrast) {
        const wxColour clrTheme = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT);
        clr = MakeRGB(clrTheme.Red(), clrTheme.Green(), clrTheme.Blue());
    }
    return WxColour(ReadableOn(clr, clrGround));
}

void KeepLightGround(wxWindow& dialog)
{
    if (ContrastRatio(kBlack, DialogGround(dialog)) < kReadableContrast)
        dialog.SetBackgroundColour(*wxWHITE);
}

void StyleBlue(wxWindow* pControl)
{
    // A push button's face is a shade off the dialog's in some themes; the blue is chosen to read
    // on both.
    if (pControl == nullptr)
        return;
    wxColour clr = DialogTextColour(*pControl, kBlue);
    if (dynamic_cast<wxButton*>(pControl) != nullptr) {
        const wxColour clrFace = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
        if (clrFace.IsOk())
            clr = WxColour(ReadableOn(MakeRGB(clr.Red(), clr.Green(), clr.Blue()),
                                      MakeRGB(clrFace.Red(), clrFace.Green(), clrFace.Blue())));
    }
    pControl->SetForegroundColour(clr);
}

void LayOutPendingNow(wxWindow& window)
{
    wxWindow* pTop = wxGetTopLevelParent(&window);
    auto* pWidget = static_cast<GtkWidget*>(pTop != nullptr ? pTop->GetHandle() : nullptr);
    if (pWidget != nullptr && GTK_IS_CONTAINER(pWidget) && gtk_widget_get_visible(pWidget))
        gtk_container_check_resize(GTK_CONTAINER(pWidget));
}

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
