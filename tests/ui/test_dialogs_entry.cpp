// Player Name dialog: the name in and out, the message, the focus, and names of any kind.
#include <string>

#include <gtest/gtest.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "dialogs/dialog_look.h"
#include "dialogs/player_name_dlg.h"
#include "ui_test_support.h"

using namespace uitest;

namespace {

wxTextCtrl* NameField(wxDialog& d)
{
    return dynamic_cast<wxTextCtrl*>(d.FindWindow(IDC_PLAYER_NAME));
}

}  // namespace

TEST(PlayerNameDialog, OkReturnsTheEditedNameCancelKeepsTheCallersName)
{
    struct {
        const char* pszHow;
        std::wstring strGiven;
        std::function<void(wxDialog&)> act;
        int nResult;
        std::wstring strAfter;
    } const aCases[] = {
        {"typed over the holder's name, Enter", L"Ann",
         [](wxDialog& d) {
             wxUIActionSimulator sim;
             sim.Text("Bob");
             EXPECT_TRUE(WaitFor([&] { return NameField(d)->GetValue() == "Bob"; }))
                 << "the field had the focus and its text selected; it holds " << NameField(d)->GetValue();
             sim.Char(WXK_RETURN);
         },
         ResultOK, L"Bob"},
        {"holder's name accepted with OK", L"Ann", [](wxDialog& d) { ClickButton(d, wxID_OK); }, ResultOK, L"Ann"},
        {"emptied and accepted", L"Ann",
         [](wxDialog& d) {
             NameField(d)->Clear();
             ClickButton(d, wxID_OK);
         },
         ResultOK, L""},
        {"changed then Escape", L"Ann",
         [](wxDialog& d) {
             NameField(d)->ChangeValue("Zed");
             wxUIActionSimulator().Char(WXK_ESCAPE);
         },
         ResultCancel, L"Ann"},
        {"changed then closed", L"", [](wxDialog& d) {
             NameField(d)->ChangeValue("Zed");
             d.Close();
         },
         ResultCancel, L""},
    };
    for (const auto& c : aCases) {
        CModalScript script;
        script.Then(c.act);
        CPlayerNameDlg dlg;
        dlg.m_strName = c.strGiven;
        dlg.m_strMessage = L"You are best player in this level";
        EXPECT_EQ(dlg.DoModal(), c.nResult) << c.pszHow;
        EXPECT_EQ(dlg.m_strName, c.strAfter) << c.pszHow;
        EXPECT_TRUE(script.Done()) << c.pszHow;
    }
}

TEST(PlayerNameDialog, ShowsTheMessageAndFocusesTheNameField)
{
    struct {
        std::wstring strMessage;
        std::wstring strShown;
    } const aCases[] = {
        {L"", L""},
        {L"You are best player in this level", L"You are best player in this level"},
        {L"Fish & Chips", L"Fish & Chips"},  // an ampersand is text, not a mnemonic
        {L"You are the best player in this level who took minimum tries.",
         L"You are the best player in this level who took minimum tries."},  // two lines
    };
    for (const auto& c : aCases) {
        CPlayerNameDlg dlg;
        dlg.m_strName = L"Ann";
        dlg.m_strMessage = c.strMessage;
        WhileOpen(dlg, [&](wxDialog& d) {
            auto* pMessage = dynamic_cast<wxStaticText*>(d.FindWindow(IDC_PLAYER_MESSAGE));
            ASSERT_NE(pMessage, nullptr);
            wxString strShown = pMessage->GetLabelText();
            strShown.Replace("\n", " ");
            EXPECT_EQ(strShown.ToStdWstring(), c.strShown);
            EXPECT_EQ(wxWindow::FindFocus(), NameField(d)) << "typing goes to the name";
            EXPECT_EQ(d.FindWindow(IDC_HEADER_LABEL)->GetForegroundColour(), WxColour(kBlue));
            const wxImage image = CaptureClient(d);
            SaveShot(image, c.strMessage.empty() ? "player_name_empty" : "player_name");
            // The rule runs across whole, and the message's letters keep clear of it.
            const int W = d.GetClientSize().x;
            EXPECT_TRUE(RowIs(image, 23, 0, W, 0x000000));
            const wxRect rcMessage = pMessage->GetRect();
            const unsigned rgbGround = PixelRgb(image, 1, image.GetHeight() - 2);
            EXPECT_EQ(MeasureText(image, wxRect(0, 0, W, 23), 0x000000, rgbGround).nPixels, 0)
                << "nothing black above the rule";
            const CTextInk ink = MeasureText(image, wxRect(0, 24, W, rcMessage.GetBottom() - 23), 0x000000, rgbGround);
            if (!c.strMessage.empty()) {
                EXPECT_GE(ink.rcBox.GetTop(), 25) << "no letter touches the rule";
                EXPECT_LE(ink.rcBox.GetBottom(), rcMessage.GetBottom());
                EXPECT_LT(ink.rcBox.GetBottom(), NameField(d)->GetRect().GetTop() - 14) << "the prompt still fits";
            }
        });
    }
}

TEST(PlayerNameDialog, NamesOfAnyLengthOrScriptComeBackUnchanged)
{
    const std::wstring astrNames[] = {
        std::wstring(10000, L'x'),
        L"\u05D3\u05E0\u05D9\u05D0\u05DC \u05DB\u05D4\u05DF",  // Hebrew, right to left
        L"\u0645\u0631\u064A\u0645 abc 123",                   // Arabic mixed with Latin
        L"Zo\u00EB \U0001F600\U0001F3C6",                       // emoji outside the 16-bit plane
        L"  spaced  ",
    };
    for (const std::wstring& strName : astrNames) {
        CPlayerNameDlg dlg;
        dlg.m_strName = strName;
        EXPECT_EQ(WhileOpen(dlg, [&](wxDialog& d) {
            EXPECT_EQ(NameField(d)->GetValue().ToStdWstring(), strName) << "shown as given";
            ClickButton(d, wxID_OK);
        }), ResultOK);
        EXPECT_EQ(dlg.m_strName, strName) << "length " << strName.size();
    }
}
