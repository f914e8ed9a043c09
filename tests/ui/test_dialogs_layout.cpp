// Every dialog on screen: nothing overlaps, nothing is cut off, everything lies inside the client
// area, the dialogs have the handheld's width, and a screenshot of each is kept.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/frame.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "dialogs/about_dlg.h"
#include "dialogs/best_scores_dlg.h"
#include "dialogs/color_dlg.h"
#include "dialogs/dialog_units.h"
#include "dialogs/level_dlg.h"
#include "dialogs/new_game_dlg.h"
#include "dialogs/options_dlg.h"
#include "dialogs/player_name_dlg.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "store/record_store.h"
#include "ui_test_support.h"

using namespace uitest;

namespace {

struct CLayoutProblem {
    std::string strWhat;
};

std::string Describe(wxWindow* pWindow)
{
    return std::to_string(pWindow->GetId()) + " \"" + pWindow->GetLabel().utf8_string() + "\"";
}

// Group boxes frame other controls on purpose; everything else must stand alone.
std::vector<std::string> FindLayoutProblems(wxDialog& dlg)
{
    std::vector<std::string> astrProblems;
    const wxRect rcClient(dlg.GetClientSize());
    std::vector<wxWindow*> apControls;
    for (wxWindow* pChild : dlg.GetChildren())
        if (pChild->IsShown())
            apControls.push_back(pChild);
    for (wxWindow* pChild : apControls) {
        const wxRect rc = pChild->GetRect();
        if (!rcClient.Contains(rc))
            astrProblems.push_back(Describe(pChild) + " leaves the client area");
        // A text that is neither ellipsised nor wrapped must fit its control.
        if (auto* pText = dynamic_cast<wxStaticText*>(pChild); pText && !pText->HasFlag(wxST_ELLIPSIZE_END) &&
                                                               !pText->GetLabelText().Contains("\n")) {
            const wxSize sizeBest = pText->GetBestSize();
            if (sizeBest.x > rc.width || sizeBest.y > rc.height + 1)
                astrProblems.push_back(Describe(pChild) + " is cut off: needs " + std::to_string(sizeBest.x) + "x" +
                                       std::to_string(sizeBest.y) + ", has " + std::to_string(rc.width) + "x" +
                                       std::to_string(rc.height));
        }
        if (dynamic_cast<wxCheckBox*>(pChild) || dynamic_cast<wxRadioButton*>(pChild)) {
            if (pChild->GetBestSize().x > rc.width)
                astrProblems.push_back(Describe(pChild) + " is cut off");
        }
    }
    for (std::size_t i = 0; i < apControls.size(); ++i) {
        for (std::size_t j = i + 1; j < apControls.size(); ++j) {
            wxWindow* pA = apControls[i];
            wxWindow* pB = apControls[j];
            const bool bBoxA = dynamic_cast<wxStaticBox*>(pA) != nullptr;
            const bool bBoxB = dynamic_cast<wxStaticBox*>(pB) != nullptr;
            if (bBoxA || bBoxB) {
                // A control is either inside the box's frame or clear of it.
                const wxRect rcBox = bBoxA ? pA->GetRect() : pB->GetRect();
                const wxRect rcOther = bBoxA ? pB->GetRect() : pA->GetRect();
                if (rcBox.Intersects(rcOther) && !rcBox.Contains(rcOther))
                    astrProblems.push_back(Describe(pA) + " and " + Describe(pB) + " cross");
                continue;
            }
            if (pA->GetRect().Intersects(pB->GetRect()))
                astrProblems.push_back(Describe(pA) + " overlaps " + Describe(pB));
        }
    }
    return astrProblems;
}

struct CLayoutCase {
    const char* pszName;
    std::function<int()> run;
    const char* pszCaption;
    std::vector<int> anTabOrder;    // the controls Tab visits, in order
};

// Focusable controls in the order Tab visits them. Of a radio group only the checked button
// takes the focus, so a group counts once, by its first button.
std::vector<int> TabOrder(wxDialog& dlg)
{
    std::vector<int> anOrder;
    bool bInRadioGroup = false;
    for (wxWindow* pChild : dlg.GetChildren()) {
        if (!pChild->IsShown() || !pChild->AcceptsFocusFromKeyboard())
            continue;
        if (auto* pRadio = dynamic_cast<wxRadioButton*>(pChild)) {
            if (bInRadioGroup && !pRadio->HasFlag(wxRB_GROUP))
                continue;
            bInRadioGroup = true;
        } else {
            bInRadioGroup = false;
        }
        anOrder.push_back(pChild->GetId());
    }
    return anOrder;
}

}  // namespace

TEST(DialogLayout, EveryDialogFitsWithoutOverlapsAndIsHandheldWide)
{
    CTempFolder folder;
    folder.Write("Animals.set", "<BEGINNER>\nHORSE\n");
    folder.Write("Birds.set", "<BEGINNER>\nROBIN\n");
    CRegistry registry(folder.Path() / "registry.db");
    CAppProfile profile(registry);
    CRecordStore records(profile);
    records.Write(SkillBeginner, false, L"Ann", 12);
    records.Write(SkillBeginner, true, L"Bartholomew Fitzgerald-Montgomery the Third", 1234);
    records.Write(SkillAdvanced, true, std::wstring(10000, L'W'), 99999);

    const CLayoutCase aCases[] = {
        {"new_game", [] { CNewGameDlg d; d.m_nWordLength = 6; return d.DoModal(); }, "Quillorn", {IDC_GO}},
        {"level", [] { CLevelDlg d; d.m_nFinishedLevel = 10; d.m_nNextLevel = 11; return d.DoModal(); }, "Level",
         {IDC_LEVEL_YES, IDC_LEVEL_NO}},
        {"player_name", [] {
             CPlayerNameDlg d;
             d.m_strName = L"Ann";
             d.m_strMessage = L"You are the best player in this level who took minimum tries.";
             return d.DoModal();
         }, "Player Name", {IDC_PLAYER_NAME, wxID_OK}},
        {"best_scores", [&] { CBestScoresDlg d(nullptr, profile); return d.DoModal(); }, "Top Players",
         {wxID_OK, IDC_BEST_RESET}},
        {"color", [] { CColorDlg d; d.m_nRed = 210; d.m_nGreen = 255; d.m_nBlue = 166; return d.DoModal(); }, "Color",
         {3018, 3020, 3022, 2006, 2007, 2008, 2009, 2010, 2011, 2012, 2013, 2014, 2015, wxID_OK}},
        {"options", [&] {
             COptionsDlg d;
             d.SetSetDirectory(folder.Path());
             d.m_nSkill = 1;
             d.m_bTimeTrial = true;
             d.m_strSet = L"birds";
             d.m_bSound = false;
             return d.DoModal();
         }, "Options",
         {IDC_SKILL_BEGINNER, IDC_GAME_SET, IDC_TIME_TRIAL, IDC_SOUND, wxID_OK, wxID_CANCEL, IDC_BACKGROUND_COLOR}},
        {"about", [] { CAboutDlg d; return d.DoModal(); }, "About Veltrane Quillorn", {wxID_OK}},
    };
    for (const CLayoutCase& c : aCases) {
        CModalScript script;
        script.Then([&c](wxDialog& dlg) {
            SaveShot(CaptureClient(dlg), c.pszName);
            for (const std::string& strProblem : FindLayoutProblems(dlg))
                ADD_FAILURE() << c.pszName << ": " << strProblem;
            // About 240 pixels in Tahoma; a wider fallback face widens the dialog units with it.
            const int nWidth = dlg.GetClientSize().x;
            EXPECT_GE(nWidth, 215) << c.pszName;
            EXPECT_LE(nWidth, TahomaMetrics() != nullptr ? 260 : 290) << c.pszName;
            EXPECT_EQ(dlg.GetTitle(), c.pszCaption);
            EXPECT_EQ(TabOrder(dlg), c.anTabOrder) << c.pszName;
            dlg.EndModal(wxID_CANCEL);
        });
        EXPECT_EQ(c.run(), ResultCancel) << c.pszName;
        EXPECT_TRUE(script.Done()) << c.pszName;
    }
}

TEST(DialogLayout, WithoutAParentTheMainWindowOwnsAndCentresTheDialog)
{
    auto* pFrame = new wxFrame(nullptr, wxID_ANY, "main", wxPoint(300, 120), wxSize(260, 420));
    pFrame->Show();
    wxWindow* pOldTop = wxTheApp->GetTopWindow();
    wxTheApp->SetTopWindow(pFrame);
    WaitShown(*pFrame);
    CModalScript script;
    script.Then([&](wxDialog& d) {
        EXPECT_EQ(d.GetParent(), pFrame);
        const wxPoint ptDialog = d.GetScreenRect().GetPosition() + d.GetScreenRect().GetSize() / 2;
        const wxPoint ptFrame = pFrame->GetScreenRect().GetPosition() + pFrame->GetScreenRect().GetSize() / 2;
        EXPECT_NEAR(ptDialog.x, ptFrame.x, 4);
        EXPECT_NEAR(ptDialog.y, ptFrame.y, 4);
        d.EndModal(wxID_CANCEL);
    });
    {
        // Gone before the frame: a frame destroys the dialogs it owns.
        CLevelDlg dlg;
        dlg.DoModal();
    }
    wxTheApp->SetTopWindow(pOldTop);
    pFrame->Destroy();
    Settle();
}
