#include "dialogs/about_dlg.h"

#include <wx/button.h>
#include <wx/translation.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "dialogs/about_emblem.h"
#include "dialogs/dialog_look.h"

CAboutDlg::CAboutDlg(wxWindow* pParent)
    : CGameDialog(pParent, _("About Veltrane Quillorn"), 9, 145, 151)
{
    m_bHeaderRule = false;
}

void CAboutDlg::CreateControls()
{
    struct {
        int nId;
        const char* pszText;
        int x, y, cx, cy;
    } const aLines[] = {
        {IDC_ABOUT_PRODUCT, "Veltrane Quillorn", 0, 7, 145, 11},
        {IDC_ABOUT_PLATFORM, wxTRANSLATE("for Pocket PC"), 22, 21, 101, 15},
        {IDC_ABOUT_VERSION, wxTRANSLATE("Version 1.0"), 33, 39, 81, 9},
        {IDC_ABOUT_NOTICE, "\u00A9 2026 Veltrane Corporation", 6, 53, 133, 9},
        {IDC_ABOUT_WEB, "https://quillorn.veltrane.example", 0, 67, 145, 9},
        {IDC_ABOUT_SUPPORT, "support@veltrane.example", 10, 83, 126, 9},
    };
    for (const auto& line : aLines) {
        const wxRect rc = DialogRect(line.x, line.y, line.cx, line.cy);
        new wxStaticText(this, line.nId, wxGetTranslation(wxString::FromUTF8(line.pszText)), rc.GetPosition(), rc.GetSize(),
                         wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
    }
    // A picture static takes the size of its picture from the template's corner.
    // It grows with the dialog, as everything the dialog paints does.
    const wxRect rcEmblem = DialogRect(60, 126, 18, 16);
    const wxBitmap bmpEmblem = MakeEmblemBitmap(Scale(), GetContentScaleFactor());
    new wxStaticBitmap(this, wxID_ANY, bmpEmblem, rcEmblem.GetPosition(), bmpEmblem.GetLogicalSize());
    AddOkButton(100, 130, 40, 14);
}

void CAboutDlg::InitialiseDialog()
{
    CreatePointSizeFont(m_fontProduct, "Tahoma", 11, true);
    StyleFontAndBlue(FindWindow(IDC_ABOUT_PRODUCT), m_fontProduct);
    StyleFontAndBlue(FindWindow(IDC_ABOUT_PLATFORM), m_fontProduct);
    StyleBlue(FindWindow(IDC_ABOUT_WEB));
    StyleBlue(FindWindow(IDC_ABOUT_SUPPORT));
}

wxWindow* CAboutDlg::FirstFocus()
{
    return FindWindow(wxID_OK);
}
