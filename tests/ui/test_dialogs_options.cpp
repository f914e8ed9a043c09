// Options dialog: the settings in and out, the set list, the colour swatch and the picker.
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/odcombo.h>
#include <wx/radiobut.h>
#include <wx/uiaction.h>

#include "dialogs/color_dlg.h"
#include "dialogs/dialog_look.h"
#include "dialogs/options_dlg.h"
#include "game/word_set.h"
#include "ui_test_support.h"

using namespace uitest;

namespace {

struct CSetFolder {
    CSetFolder(std::initializer_list<const char*> apszFiles)
    {
        for (const char* pszFile : apszFiles)
            folder.Write(pszFile, "<BEGINNER>\nHORSE\n");
    }
    CTempFolder folder;
};

wxItemContainer* SetList(wxDialog& d)
{
    return dynamic_cast<wxItemContainer*>(d.FindWindow(IDC_GAME_SET));
}
bool Checked(wxDialog& d, int nId)
{
    if (auto* pCheck = dynamic_cast<wxCheckBox*>(d.FindWindow(nId)))
        return pCheck->GetValue();
    return dynamic_cast<wxRadioButton*>(d.FindWindow(nId))->GetValue();
}

}  // namespace

TEST(OptionsDialog, OpensWithTheGivenSettingsAndTheSetsInDirectoryOrder)
{
    CSetFolder sets{"Animals.set", "Birds.set", "word.list.set"};
    const std::vector<std::wstring> astrListed = ListSetNames(sets.folder.Path());
    ASSERT_EQ(astrListed.size(), 3u);
    struct {
        int nSkill;
        bool bTimeTrial, bSound, bHardMode, bWordCheck;
        std::wstring strSet;
        std::wstring strSelected;
    } const aCases[] = {
        {2, true, false, true, false, L"animals", L"Animals"},  // case is ignored
        {0, false, true, false, true, L"BIRDS", L"Birds"},
        {1, true, true, true, true, L"Gone", astrListed[0]},    // a vanished set selects the first entry
        {1, false, false, false, false, L"", astrListed[0]},
    };
    for (const auto& c : aCases) {
        COptionsDlg dlg(nullptr, sets.folder.Path());
        dlg.m_values.nSkill = c.nSkill;
        dlg.m_values.bTimeTrial = c.bTimeTrial;
        dlg.m_values.bSound = c.bSound;
        dlg.m_values.strSet = c.strSet;
        dlg.m_values.bHardMode = c.bHardMode;
        dlg.m_values.bWordCheck = c.bWordCheck;
        EXPECT_EQ(WhileOpen(dlg, [&](wxDialog& d) {
            std::vector<std::wstring> astrShown;
            for (unsigned i = 0; i < SetList(d)->GetCount(); ++i)
                astrShown.push_back(SetList(d)->GetString(i).ToStdWstring());
            EXPECT_EQ(astrShown, astrListed) << "unsorted, as the directory gave them";
            EXPECT_EQ(SetList(d)->GetStringSelection().ToStdWstring(), c.strSelected) << c.strSet;
            EXPECT_EQ(Checked(d, IDC_TIME_TRIAL), c.bTimeTrial);
            EXPECT_EQ(Checked(d, IDC_SOUND), c.bSound);
            EXPECT_EQ(Checked(d, IDC_HARD_MODE), c.bHardMode);
            EXPECT_EQ(Checked(d, IDC_WORD_CHECK), c.bWordCheck);
            const int anRadios[] = {IDC_SKILL_BEGINNER, IDC_SKILL_INTERMEDIATE, IDC_SKILL_ADVANCED};
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(Checked(d, anRadios[i]), i == c.nSkill) << "radio " << i;
            ClickButton(d, wxID_OK);
        }), ResultOK);
        EXPECT_EQ(dlg.m_values.strSet, c.strSelected) << "OK returns the listed spelling";
        EXPECT_EQ(dlg.m_values.nSkill, c.nSkill);
        EXPECT_EQ(dlg.m_values.bTimeTrial, c.bTimeTrial);
        EXPECT_EQ(dlg.m_values.bSound, c.bSound);
        EXPECT_EQ(dlg.m_values.bHardMode, c.bHardMode);
        EXPECT_EQ(dlg.m_values.bWordCheck, c.bWordCheck);
    }
    EXPECT_NE(std::find(astrListed.begin(), astrListed.end(), L"word.list"), astrListed.end())
        << "a set keeps the dots of its file name up to \".set\"";
}

TEST(OptionsDialog, OkReturnsWhatWasChangedCancelReturnsCancel)
{
    CSetFolder sets{"Animals.set", "Birds.set"};
    struct {
        const char* pszHow;
        std::function<void(wxDialog&)> finish;
        int nResult;
    } const aCases[] = {
        {"OK button", [](wxDialog& d) { ClickButton(d, wxID_OK); }, ResultOK},
        {"Enter", [](wxDialog&) { wxUIActionSimulator().Char(WXK_RETURN); }, ResultOK},
        {"Cancel button", [](wxDialog& d) { ClickButton(d, wxID_CANCEL); }, ResultCancel},
        {"Escape", [](wxDialog&) { wxUIActionSimulator().Char(WXK_ESCAPE); }, ResultCancel},
    };
    for (const auto& c : aCases) {
        CModalScript script;
        script.Then([&](wxDialog& d) {
            dynamic_cast<wxRadioButton*>(d.FindWindow(IDC_SKILL_ADVANCED))->SetValue(true);
            dynamic_cast<wxCheckBox*>(d.FindWindow(IDC_TIME_TRIAL))->SetValue(false);
            dynamic_cast<wxCheckBox*>(d.FindWindow(IDC_SOUND))->SetValue(true);
            SetList(d)->SetStringSelection("Birds");
            d.FindWindow(IDC_SKILL_ADVANCED)->SetFocus();
            Settle();
            c.finish(d);
        });
        COptionsDlg dlg(nullptr, sets.folder.Path());
        dlg.m_values.nSkill = 0;
        dlg.m_values.bTimeTrial = true;
        dlg.m_values.bSound = false;
        dlg.m_values.strSet = L"Animals";
        dlg.m_values.clrBackground = 0x123456;
        EXPECT_EQ(dlg.DoModal(), c.nResult) << c.pszHow;
        if (c.nResult == ResultOK) {
            EXPECT_EQ(dlg.m_values.nSkill, 2) << c.pszHow;
            EXPECT_FALSE(dlg.m_values.bTimeTrial) << c.pszHow;
            EXPECT_TRUE(dlg.m_values.bSound) << c.pszHow;
            EXPECT_EQ(dlg.m_values.strSet, L"Birds") << c.pszHow;
            EXPECT_EQ(dlg.m_values.clrBackground, 0x123456u) << c.pszHow;
        }
    }
}

TEST(OptionsDialog, HardModeAndWordCheckFollowTheColourButtonAndTakeSpace)
{
    CSetFolder sets{"Animals.set"};
    CModalScript script;
    script.Then([&](wxDialog& d) {
        d.FindWindow(IDC_BACKGROUND_COLOR)->SetFocus();
        Settle();
        wxUIActionSimulator sim;
        for (const int nId : {IDC_HARD_MODE, IDC_WORD_CHECK}) {
            sim.Char(WXK_TAB);
            Settle();
            wxWindow* pFocus = wxWindow::FindFocus();
            ASSERT_NE(pFocus, nullptr);
            EXPECT_EQ(pFocus->GetId(), nId);
            sim.Char(' ');
            Settle();
        }
        EXPECT_TRUE(Checked(d, IDC_HARD_MODE));
        EXPECT_FALSE(Checked(d, IDC_WORD_CHECK));
        sim.Char(WXK_RETURN);
    });
    COptionsDlg dlg(nullptr, sets.folder.Path());
    dlg.m_values.strSet = L"Animals";
    dlg.m_values.bWordCheck = true;
    EXPECT_EQ(dlg.DoModal(), ResultOK);
    EXPECT_TRUE(dlg.m_values.bHardMode);
    EXPECT_FALSE(dlg.m_values.bWordCheck);
}

TEST(OptionsDialog, NoSetsSaysSoAndCancelsWithoutShowingTheDialog)
{
    CSetFolder empty{"readme.txt", "sets.set.bak"};
    CModalScript script;
    script.ThenMessageBox();
    COptionsDlg dlg(nullptr, empty.folder.Path());
    dlg.m_values.strSet = L"Animals";
    EXPECT_EQ(dlg.DoModal(), ResultCancel);
    EXPECT_EQ(script.DialogsSeen(), 1) << "only the message box";
    ASSERT_EQ(script.Messages().size(), 1u);
    EXPECT_EQ(script.Messages()[0], L"Words Sets: Sets not found");
    EXPECT_EQ(dlg.m_values.strSet, L"Animals");
}

TEST(OptionsDialog, PickedColourShowsInTheSwatchAndSurvivesOnlyOk)
{
    CSetFolder sets{"Animals.set"};
    struct {
        const char* pszHow;
        int nPickerId;            // how the picker is left
        int nOptionsId;           // how Options is left
        int nResult;
        COLORREF clrAfter;
    } const aCases[] = {
        {"picked and accepted", wxID_OK, wxID_OK, ResultOK, 0x408080},
        {"picker cancelled", wxID_CANCEL, wxID_OK, ResultOK, kDefaultBackground},
        {"picked, Options cancelled", wxID_OK, wxID_CANCEL, ResultCancel, 0x408080},
    };
    for (const auto& c : aCases) {
        CModalScript script;
        script.Then([&](wxDialog& d) {
            const wxRect rcButton = d.FindWindow(IDC_BACKGROUND_COLOR)->GetRect();
            const wxRect rcSwatch = d.FindWindow(IDC_COLOR_SWATCH)->GetRect();
            EXPECT_EQ(rcSwatch.GetLeft(), rcButton.GetRight() + 1 + 15) << "15 pixels right of the button";
            EXPECT_EQ(rcSwatch.width, 50);
            EXPECT_EQ(rcSwatch.GetTop(), rcButton.GetTop());
            EXPECT_EQ(rcSwatch.height, rcButton.height);
            const wxPoint ptMiddle = rcSwatch.GetPosition() + rcSwatch.GetSize() / 2;
            EXPECT_EQ(PixelRgb(CaptureClient(d), ptMiddle.x, ptMiddle.y), 0xD2FFA6u) << "the given colour";
            SaveShot(CaptureClient(d), "options");
            ClickButton(d, IDC_BACKGROUND_COLOR);
            const COLORREF clrSwatch = c.nPickerId == wxID_OK ? 0x408080 : kDefaultBackground;
            const unsigned rgbSwatch = (GetRValue(clrSwatch) << 16) | (GetGValue(clrSwatch) << 8) | GetBValue(clrSwatch);
            EXPECT_EQ(PixelRgb(CaptureClient(d), ptMiddle.x, ptMiddle.y), rgbSwatch) << "repainted at once";
            ClickButton(d, c.nOptionsId);
        });
        script.Then([&](wxDialog& picker) {
            auto& color = static_cast<CColorDlg&>(picker);
            EXPECT_EQ(MakeRGB(color.m_nRed, color.m_nGreen, color.m_nBlue), kDefaultBackground) << "handed over";
            ClickButton(picker, 2010);
            // The picker has only OK; closing its window is its cancel.
            if (c.nPickerId == wxID_OK)
                ClickButton(picker, wxID_OK);
            else
                picker.Close();
        });
        COptionsDlg dlg(nullptr, sets.folder.Path());
        dlg.m_values.nSkill = 0;
        dlg.m_values.strSet = L"Animals";
        EXPECT_EQ(dlg.DoModal(), c.nResult) << c.pszHow;
        EXPECT_EQ(dlg.m_values.clrBackground, c.clrAfter) << c.pszHow;
        EXPECT_TRUE(script.Done()) << c.pszHow;
    }
}

TEST(OptionsDialog, HeaderAndChosenLabelsAreBlue)
{
    CSetFolder sets{"Animals.set"};
    COptionsDlg dlg(nullptr, sets.folder.Path());
    WhileOpen(dlg, [](wxDialog& d) {
        const wxColour clrBlue = WxColour(kBlue);
        for (int nId : {IDC_HEADER_LABEL, static_cast<int>(wxID_CANCEL), IDC_GAME_SET_LABEL, IDC_SKILL_GROUP})
            EXPECT_EQ(d.FindWindow(nId)->GetForegroundColour(), clrBlue) << nId;
        for (int nId : {IDC_TIME_TRIAL, IDC_SOUND, IDC_BACKGROUND_COLOR})
            EXPECT_NE(d.FindWindow(nId)->GetForegroundColour(), clrBlue) << nId;
        EXPECT_EQ(d.FindWindow(IDC_HEADER_LABEL)->GetFont().GetNumericWeight(), 600);
        EXPECT_TRUE(RowIs(CaptureClient(d), 23, 0, d.GetClientSize().x, 0x000000)) << "header rule";
    });
}

// The drawn list measures no name: a name wider than the box is cut with an ellipsis, both in the
// closed box and in the open list, and the open list stays as wide as the box.
TEST(OptionsDialog, ANameWiderThanTheBoxEndsInAnEllipsisAndTheListKeepsTheBoxWidth)
{
    const std::string strLong(150, 'W');
    CSetFolder sets{"Animals.set", (strLong + ".set").c_str()};
    // The last columns of a text's ink: three dots on the baseline, or the foot of a W.
    auto endsInDots = [](const wxImage& image, const wxRect& rcArea, unsigned rgbInk, unsigned rgbGround) {
        const CTextInk ink = MeasureText(image, rcArea, rgbInk, rgbGround);
        const wxRect rcTail(ink.rcBox.GetRight() - 3, ink.rcBox.GetTop(), 4, ink.rcBox.GetHeight());
        const CTextInk tail = MeasureText(image, rcTail, rgbInk, rgbGround);
        return ink.nPixels > 0 && tail.nPixels > 0 && tail.rcBox.GetHeight() * 3 <= ink.rcBox.GetHeight();
    };
    COptionsDlg dlg(nullptr, sets.folder.Path());
    dlg.m_values.strSet = wxString(strLong).ToStdWstring();
    WhileOpen(dlg, [&](wxDialog& d) {
        auto* pCombo = dynamic_cast<wxOwnerDrawnComboBox*>(d.FindWindow(IDC_GAME_SET));
        ASSERT_NE(pCombo, nullptr);
        d.FindWindow(IDC_SOUND)->SetFocus();
        Settle();
        const int nLong = pCombo->FindString(wxString(strLong));
        ASSERT_NE(nLong, wxNOT_FOUND);
        EXPECT_EQ(pCombo->GetSelection(), nLong);
        const wxImage box = CaptureClient(*pCombo);
        SaveShot(box, "options-long-name-box");
        const wxRect rcText(0, 0, pCombo->GetClientSize().x - pCombo->GetButtonSize().x, box.GetHeight());
        const CTextInk ink = MeasureText(box, rcText, 0x000000, PixelRgb(box, rcText.GetRight() - 1, 2));
        EXPECT_GT(ink.rcBox.GetWidth(), rcText.GetWidth() / 2) << "the name fills the box";
        EXPECT_TRUE(endsInDots(box, rcText, 0x000000, PixelRgb(box, rcText.GetRight() - 1, 2)))
            << "the box ends the name with an ellipsis";

        pCombo->SetSelection(pCombo->FindString("Animals"));
        pCombo->Popup();
        wxWindow* pList = pCombo->GetPopupControl()->GetControl();
        ASSERT_TRUE(WaitFor([&] { return pCombo->IsPopupShown() && pList->IsShownOnScreen(); }));
        Settle();
        EXPECT_EQ(pCombo->GetPopupWindow()->GetSize().x, pCombo->GetSize().x) << "the open list is as wide as the box";
        const wxImage list = CaptureClient(*pList);
        SaveShot(list, "options-long-name-list");
        const int nRow = pList->GetCharHeight();
        const wxRect rcRow(0, nLong * nRow, list.GetWidth(), nRow);
        EXPECT_TRUE(endsInDots(list, rcRow, 0x000000, 0xFFFFFF)) << "the open list ends the name with an ellipsis";
        pCombo->Dismiss();
    });
}

// Keys in the open set list act on the list: Enter takes the highlighted row, Escape closes the
// list unchanged, and the dialog stays up for both.
TEST(OptionsDialog, EnterAndEscapeInTheOpenListActOnTheListNotOnTheDialog)
{
    CSetFolder sets{"Animals.set", "Birds.set", "Cats.set"};
    COptionsDlg dlg(nullptr, sets.folder.Path());
    dlg.m_values.strSet = L"Animals";
    EXPECT_EQ(WhileOpen(dlg, [&](wxDialog& d) {
        auto* pCombo = dynamic_cast<wxOwnerDrawnComboBox*>(d.FindWindow(IDC_GAME_SET));
        ASSERT_NE(pCombo, nullptr);
        const int nFirst = pCombo->GetSelection();
        ASSERT_GE(nFirst, 0);
        const int nNext = (nFirst + 1) % static_cast<int>(pCombo->GetCount());
        struct {
            int nKey;
            int nSelection;
        } const aCases[] = {{WXK_ESCAPE, nFirst}, {WXK_RETURN, nNext}};
        for (const auto& c : aCases) {
            pCombo->SetFocus();
            pCombo->Popup();
            wxWindow* pList = pCombo->GetPopupControl()->GetControl();
            ASSERT_TRUE(WaitFor([&] { return pCombo->IsPopupShown() && pList->HasFocus(); }));
            wxUIActionSimulator().Char(WXK_DOWN);
            Settle();
            wxUIActionSimulator().Char(c.nKey);
            EXPECT_TRUE(WaitFor([&] { return !pCombo->IsPopupShown(); })) << c.nKey << ": the list closes";
            Settle();
            EXPECT_TRUE(d.IsModal()) << c.nKey << ": the dialog stays";
            EXPECT_EQ(pCombo->GetSelection(), c.nSelection) << c.nKey;
        }
        ClickButton(d, wxID_OK);
    }), ResultOK);
    EXPECT_NE(dlg.m_values.strSet, L"Animals") << "Enter in the list chose another set, and OK took it";
}
