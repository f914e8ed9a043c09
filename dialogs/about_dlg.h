// The About box: product lines, version, notice, addresses and the emblem.
#pragma once

#include <wx/bitmap.h>

#include "dialogs/game_dialog.h"

constexpr int IDC_ABOUT_PRODUCT = 1056;
constexpr int IDC_ABOUT_PLATFORM = 1057;
constexpr int IDC_ABOUT_VERSION = 1036;
constexpr int IDC_ABOUT_NOTICE = 1037;
constexpr int IDC_ABOUT_WEB = 1038;
constexpr int IDC_ABOUT_SUPPORT = 1039;

// The product emblem, 32 by 32 logical pixels in a handful of colours, drawn rather than loaded:
// at dScale, in the screen's pixels (dContentScale of them per logical pixel).
constexpr int kEmblemSize = 32;
wxBitmap MakeEmblemBitmap(double dScale = 1.0, double dContentScale = 1.0);

class CAboutDlg : public CGameDialog {
public:
    explicit CAboutDlg(wxWindow* pParent = nullptr);

protected:
    void CreateControls() override;
    void InitialiseDialog() override;
    wxWindow* FirstFocus() override;
};
