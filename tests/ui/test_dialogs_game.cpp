// New Game and Level dialogs: what the game flow gets back, and what they paint.
#include <gtest/gtest.h>
#include <wx/uiaction.h>

#include "dialogs/dialog_look.h"
#include "dialogs/level_dlg.h"
#include "dialogs/new_game_dlg.h"
#include "ui_test_support.h"

using namespace uitest;

TEST(NewGameDialog, EndsWithTheResultOfHowItWasLeft)
{
    struct {
        const char* pszHow;
        std::function<void(wxDialog&)> leave;
        int nExpected;
    } const aCases[] = {
        {"Go button", [](wxDialog& d) { ClickButton(d, IDC_GO); }, ResultOK},
        {"Enter key", [](wxDialog&) { wxUIActionSimulator().Char(WXK_RETURN); }, ResultOK},
        {"Escape key", [](wxDialog&) { wxUIActionSimulator().Char(WXK_ESCAPE); }, ResultCancel},
        {"window closed", [](wxDialog& d) { d.Close(); }, ResultCancel},
    };
    for (const auto& c : aCases) {
        CModalScript script;
        script.Then(c.leave);
        CNewGameDlg dlg;
        dlg.m_nWordLength = 5;
        EXPECT_EQ(dlg.DoModal(), c.nExpected) << c.pszHow;
        EXPECT_TRUE(script.Done()) << c.pszHow;
    }
}

TEST(NewGameDialog, Screenshot)
{
    CModalScript script;
    script.Then([](wxDialog& d) {
        SaveShot(CaptureClient(d), "new_game");
        ClickButton(d, IDC_GO);
    });
    CNewGameDlg dlg;
    dlg.m_nWordLength = 7;
    EXPECT_EQ(dlg.DoModal(), ResultOK);
}

TEST(LevelDialog, Screenshot)
{
    CModalScript script;
    script.Then([](wxDialog& d) {
        SaveShot(CaptureClient(d), "level");
        ClickButton(d, IDC_LEVEL_NO);
    });
    CLevelDlg dlg;
    dlg.m_nFinishedLevel = 10;
    dlg.m_nNextLevel = 11;
    EXPECT_EQ(dlg.DoModal(), ResultNo);
}
