// The colour picker: ten swatches, three sliders and a preview of the colour they make.
#pragma once

#include "dialogs/game_dialog.h"
#include "game/types.h"

class wxSlider;

// A swatch as its button draws it: a grey 3-D frame one layout pixel wide at the dialog's scale,
// then the colour inset by 1 pixel when pressed, 3 otherwise.
void DrawSwatch(wxDC& dc, COLORREF clr, const wxRect& rcItem, bool bPressed);

constexpr int IDC_SLIDER_RED = 3018;
constexpr int IDC_SLIDER_GREEN = 3020;
constexpr int IDC_SLIDER_BLUE = 3022;
constexpr int IDC_CUSTOM_COLOR = 2016;
constexpr int IDC_SWATCH_FIRST = 2006;
constexpr int IDC_SWATCH_LAST = 2015;

class CColorDlg : public CGameDialog {
public:
    explicit CColorDlg(wxWindow* pParent = nullptr);

    wxSlider* m_sliderRed = nullptr;
    wxSlider* m_sliderGreen = nullptr;
    wxSlider* m_sliderBlue = nullptr;
    int m_nRed = 0;
    int m_nGreen = 0;
    int m_nBlue = 0;

    void PaintContent(wxDC& dc, int nClientWidth) override;

protected:
    void CreateControls() override;
    void InitialiseDialog() override;
    wxWindow* FirstFocus() override;  // the Red slider
    void OnFirstIdle(wxIdleEvent& event);
    void NameControlsForReaders();

private:
    void OnSlider(wxCommandEvent& event);
    void OnSwatch(wxCommandEvent& event);
    // Paints the preview at once, so that it moves with the thumbs rather than a frame behind.
    void RefreshPreview();
    void CentreLabelsOnTracks();
    // The painted preview of the colour, in client pixels.
    wxRect PreviewRect(int nClientWidth) const;
};
