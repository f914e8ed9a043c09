// The colour picker, and its swatches: each a push button that takes the focus, clicks with the
// mouse or the space bar, and looks pressed from a press until it is next drawn for another reason.
#include "dialogs/color_dlg.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include <wx/bitmap.h>
#include <wx/translation.h>
#include <wx/button.h>
#include <wx/dc.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "ui/atk_objects.h"
#include "dialogs/dialog_look.h"

void DrawSwatch(wxDC& dc, COLORREF clr, const wxRect& rcItem, bool bPressed)
{
    // Edges as rectangles one layout pixel wide at the dialog's scale: whole pixels, light top
    // and left, dark bottom and right.
    const double dScale = DialogScale();
    const int nLine = ScaledLineWidth(dScale);
    const int x = rcItem.x, y = rcItem.y, cx = rcItem.width, cy = rcItem.height;
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(wxColour(0xC0, 0xC0, 0xC0)));
    dc.DrawRectangle(x, y, cx - nLine, nLine);
    dc.DrawRectangle(x, y, nLine, cy - nLine);
    dc.SetBrush(wxBrush(wxColour(0x80, 0x80, 0x80)));
    dc.DrawRectangle(x, y + cy - nLine, cx, nLine);
    dc.DrawRectangle(x + cx - nLine, y, nLine, cy);
    wxRect rcFill = rcItem;
    rcFill.Deflate(ScaledPixels(bPressed ? 1 : 3, dScale));
    dc.SetBrush(wxBrush(WxColour(clr)));
    dc.DrawRectangle(rcFill);
}

namespace {

// A swatch: its id, where it stands (template units), the colour it draws and picks, and the
// name a screen reader says for it (untranslated).
struct CSwatchDef {
    int nId;
    int x;
    int y;
    COLORREF clr;
    const char* pszName;
};

// Preview bar: 50 pixels in from each side, rows 100 to 129.
constexpr int kPreviewInset = 50;
constexpr int kPreviewTop = 100;
constexpr int kPreviewBottom = 130;

const CSwatchDef kSwatches[10] = {
    {2006, 10, 28, 0x0000FF, wxTRANSLATE("Red")},    {2007, 35, 28, 0x00FF00, wxTRANSLATE("Green")},
    {2009, 60, 28, 0xFF0000, wxTRANSLATE("Blue")},   {2010, 85, 28, 0x408080, wxTRANSLATE("Olive")},
    {2011, 110, 28, 0xFF00FF, wxTRANSLATE("Magenta")}, {2012, 10, 43, 0xFFFFFF, wxTRANSLATE("White")},
    {2008, 35, 43, 0x000000, wxTRANSLATE("Black")},  {2013, 60, 43, 0x400080, wxTRANSLATE("Maroon")},
    {2014, 85, 43, 0x00FFFF, wxTRANSLATE("Yellow")}, {2015, 110, 43, 0xFFFF00, wxTRANSLATE("Cyan")},
};

// A colour's slider and its label: ids, name, and where each stands (template units).
struct CSliderDef {
    int nId;
    int nLabelId;
    const char* pszName;
    int nLabelY;
    int y;
    int cy;
    wxSlider* CColorDlg::*pSlider;
};
constexpr CSliderDef kSliders[] = {
    {IDC_SLIDER_RED, 3019, wxTRANSLATE("Red"), 93, 90, 20, &CColorDlg::m_sliderRed},
    {IDC_SLIDER_GREEN, 3021, wxTRANSLATE("Green"), 112, 110, 20, &CColorDlg::m_sliderGreen},  // 21 would run into blue's
    {IDC_SLIDER_BLUE, 3023, wxTRANSLATE("Blue"), 132, 130, 17, &CColorDlg::m_sliderBlue},
};

// Where the middle of a text's ink lies below the top of its line, in the font it is drawn in.
// Measured, because the capitals sit wherever the face puts them within the line.
double InkMiddle(const wxFont& font, const wxString& str)
{
    wxMemoryDC dc;
    dc.SetFont(font);
    const wxSize size = dc.GetTextExtent(str);
    wxBitmap bmp(std::max(size.x, 1), std::max(size.y, 1), 24);
    dc.SelectObject(bmp);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetTextForeground(*wxBLACK);
    dc.DrawText(str, 0, 0);
    dc.SelectObject(wxNullBitmap);
    const wxImage image = bmp.ConvertToImage();
    int nTop = -1;
    int nBottom = -1;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            if (image.GetRed(x, y) < 128) {
                nTop = nTop < 0 ? y : nTop;
                nBottom = y;
                break;
            }
    return nTop < 0 ? size.y / 2.0 : (nTop + nBottom + 1) / 2.0;
}

class CSwatchButton : public wxWindow {
public:
    CSwatchButton(wxWindow* pParent, int nId, const wxRect& rc, COLORREF clr)
        : wxWindow(pParent, nId, rc.GetPosition(), rc.GetSize(), wxBORDER_NONE | wxWANTS_CHARS), m_clr(clr)
    {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(this);
            dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
            dc.Clear();
            DrawSwatch(dc, m_clr, wxRect(GetClientSize()), m_bPressedLook);
            m_bPressedLook = false;
        });
        Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent&) {
            SetFocus();
            m_bPressed = true;
            if (!HasCapture())
                CaptureMouse();
            RepaintPressed(true);
        });
        Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
            if (HasCapture())
                ReleaseMouse();
            if (!m_bPressed)
                return;
            m_bPressed = false;
            RepaintPressed(true);
            if (wxRect(GetClientSize()).Contains(event.GetPosition()))
                Click();
        });
        Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { m_bPressed = false; });
        Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) { event.Skip(); RepaintPressed(false); });
        Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) { event.Skip(); RepaintPressed(false); });
        Bind(wxEVT_CHAR, [this](wxKeyEvent& event) {
            if (event.GetKeyCode() == WXK_SPACE)
                Click();
            else
                event.Skip();
        });
        // Tab and the arrows move between controls as they do for any button.
        Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) {
            if (event.GetKeyCode() == WXK_TAB)
                Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward);
            else
                event.Skip();
        });
    }

    bool AcceptsFocus() const override { return true; }

private:
    void RepaintPressed(bool bPressed)
    {
        m_bPressedLook = bPressed;
        Refresh(false);
    }

    void Click()
    {
        wxCommandEvent click(wxEVT_BUTTON, GetId());
        click.SetEventObject(this);
        ProcessWindowEvent(click);
    }

    COLORREF m_clr;
    bool m_bPressedLook = false;  // for the next paint only
    bool m_bPressed = false;
};

}  // namespace

CColorDlg::CColorDlg(wxWindow* pParent)
    : CGameDialog(pParent, _("Color"), 9, 139, 164)
{
}

void CColorDlg::CreateControls()
{
    auto rect = [this](int x, int y, int cx, int cy) { return DialogRect(x, y, cx, cy); };
    // Static texts and the group box take no focus; creating them first keeps them beneath.
    const wxRect rcGroup = rect(5, 78, 128, 72);
    new wxStaticBox(this, IDC_CUSTOM_COLOR, _("Custom Color"), rcGroup.GetPosition(), rcGroup.GetSize());
    const wxRect rcStandard = rect(5, 15, 55, 8);
    new wxStaticText(this, 2005, _("Standard Colors"), rcStandard.GetPosition(), rcStandard.GetSize(),
                     wxST_NO_AUTORESIZE);
    for (const CSliderDef& slider : kSliders) {
        // 24 units, not 25: the template lets each label run one unit under its slider.
        const wxRect rc = rect(11, slider.nLabelY, 24, 8);
        new wxStaticText(this, slider.nLabelId, wxGetTranslation(slider.pszName), rc.GetPosition(), rc.GetSize(),
                         wxST_NO_AUTORESIZE);
    }

    // Tab order: the sliders, where the dialog opens, then the swatches row by row as they stand
    // above them, then OK.
    for (const CSliderDef& slider : kSliders) {
        const wxRect rc = rect(35, slider.y, 93, slider.cy);
        this->*slider.pSlider = new wxSlider(this, slider.nId, 0, 0, 255, rc.GetPosition(), rc.GetSize(), wxSL_HORIZONTAL);
    }
    for (const CSwatchDef& swatch : kSwatches)
        new CSwatchButton(this, swatch.nId, rect(swatch.x, swatch.y, 15, 10), swatch.clr);
    AddOkButton(105, 1, 30, 11);
    // Not in the template: the label leaves 70 pixels at the right of the header strip free.
    AddHeader(_("Color Dialog"), wxRect(Px(4), Px(5), GetClientSize().x - Px(70) - Px(4), Px(22) - Px(5)));

    Bind(wxEVT_SLIDER, &CColorDlg::OnSlider, this);
    Bind(wxEVT_BUTTON, &CColorDlg::OnSwatch, this, IDC_SWATCH_FIRST, IDC_SWATCH_LAST);
}

wxWindow* CColorDlg::FirstFocus()
{
    return m_sliderRed;
}

void CColorDlg::CentreLabelsOnTracks()
{
    // The template puts each label's top beside its slider's top, but the track runs through the
    // middle of the slider: the label moves down until its letters are centred on the track.
    for (const CSliderDef& slider : kSliders) {
        wxWindow* pLabel = FindWindow(slider.nLabelId);
        if (pLabel == nullptr || this->*slider.pSlider == nullptr)
            continue;
        const wxRect rcSlider = (this->*slider.pSlider)->GetRect();
        const double dTrack = rcSlider.GetTop() + rcSlider.GetHeight() / 2.0;
        const double dMiddle = InkMiddle(pLabel->GetFont(), pLabel->GetLabel());
        wxRect rcLabel = pLabel->GetRect();
        rcLabel.height = std::max(rcLabel.height, pLabel->GetBestSize().y);
        rcLabel.y = static_cast<int>(std::lround(dTrack - dMiddle));
        pLabel->SetSize(rcLabel);
    }
}

void CColorDlg::InitialiseDialog()
{
    CentreLabelsOnTracks();
    StyleBlue(FindWindow(IDC_CUSTOM_COLOR));
    for (wxSlider* pSlider : {m_sliderRed, m_sliderGreen, m_sliderBlue})
        pSlider->SetRange(0, 255);
    m_sliderRed->SetValue(m_nRed);
    m_sliderGreen->SetValue(m_nGreen);
    m_sliderBlue->SetValue(m_nBlue);
    NameControlsForReaders();
}

void CColorDlg::NameControlsForReaders()
{
    // The sliders' labels are separate texts and the swatches show nothing but their colour.
    for (const CSliderDef& slider : kSliders)
        SetAccessibleName(*(this->*slider.pSlider), wxGetTranslation(slider.pszName).ToStdWstring());
    // Each label for its own slider. When the toolkit lays out the tab order (at the idle time
    // after the controls are made) it ties the last text before a control to that control, so
    // "Blue", the last label, spoke for the Red slider and Blue had none: tied afterwards, once.
    Bind(wxEVT_IDLE, &CColorDlg::OnFirstIdle, this);
    for (const CSwatchDef& swatch : kSwatches)
        if (wxWindow* pSwatch = FindWindow(swatch.nId))
            SetAccessibleName(*pSwatch, wxGetTranslation(swatch.pszName).ToStdWstring());
}

void CColorDlg::OnFirstIdle(wxIdleEvent& event)
{
    event.Skip();
    Unbind(wxEVT_IDLE, &CColorDlg::OnFirstIdle, this);
    for (const CSliderDef& slider : kSliders)
        if (wxWindow* pLabel = FindWindow(slider.nLabelId))
            SetLabelFor(*pLabel, *(this->*slider.pSlider));
}

void CColorDlg::PaintContent(wxDC& dc, int nClientWidth)
{
    CGameDialog::PaintContent(dc, nClientWidth);
    const COLORREF clr = MakeRGB(m_nRed, m_nGreen, m_nBlue);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(WxColour(clr)));
    dc.DrawRectangle(PreviewRect(nClientWidth));
}

wxRect CColorDlg::PreviewRect(int nClientWidth) const
{
    return RectLTRB(Px(kPreviewInset), Px(kPreviewTop), nClientWidth - Px(kPreviewInset), Px(kPreviewBottom));
}

void CColorDlg::OnSlider(wxCommandEvent& event)
{
    // Read from the sliders themselves, whatever kind of move it was.
    m_nRed = m_sliderRed->GetValue();
    m_nGreen = m_sliderGreen->GetValue();
    m_nBlue = m_sliderBlue->GetValue();
    RefreshPreview();
    event.Skip();
}

void CColorDlg::OnSwatch(wxCommandEvent& event)
{
    const auto* pSwatch = std::ranges::find(kSwatches, event.GetId(), &CSwatchDef::nId);
    if (pSwatch == std::end(kSwatches))
        return;
    const COLORREF clr = pSwatch->clr;
    m_nRed = GetRValue(clr);
    m_nGreen = GetGValue(clr);
    m_nBlue = GetBValue(clr);
    m_sliderRed->SetValue(m_nRed);
    m_sliderGreen->SetValue(m_nGreen);
    m_sliderBlue->SetValue(m_nBlue);
    LayOutPendingNow(*this);
    RefreshPreview();
}

void CColorDlg::RefreshPreview()
{
    RefreshRect(PreviewRect(GetClientSize().x), false);
    Update();
}
