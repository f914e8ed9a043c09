// Every dialog on screen: nothing overlaps, nothing is cut off, everything lies inside the client
// area, the dialogs have the handheld's width, and a screenshot of each is kept.
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combo.h>
#include <wx/dc.h>
#include <wx/dcmemory.h>
#include <wx/display.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "dialogs/about_dlg.h"
#include "dialogs/best_scores_dlg.h"
#include "dialogs/color_dlg.h"
#include "dialogs/dialog_look.h"
#include "ui/dialog_units.h"
#include "dialogs/painted_dialogs.h"
#include "dialogs/options_dlg.h"
#include "dialogs/player_name_dlg.h"
#include "dialogs/statistics_dlg.h"
#include "game/zoom_steps.h"
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
        // A button's label, in a longer language too, stands whole inside the button.
        if (auto* pButton = dynamic_cast<wxButton*>(pChild); pButton && ButtonLabelWidth(*pButton) > rc.width)
            astrProblems.push_back(Describe(pChild) + " is cut off: needs " + std::to_string(ButtonLabelWidth(*pButton)) +
                                   " wide, has " + std::to_string(rc.width));
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

// Each dialog with inputs that stretch it: long names, many sets, two-digit levels.
class CAllDialogs {
public:
    CAllDialogs() : m_registry(m_folder.Path() / "registry.db"), m_profile(m_registry)
    {
        m_folder.Write("Animals.set", "<BEGINNER>\nHORSE\n");
        m_folder.Write("Birds.set", "<BEGINNER>\nROBIN\n");
        CRecordStore records(m_profile);
        records.Write(SkillBeginner, false, L"Ann", 12);
        records.Write(SkillBeginner, true, L"Bartholomew Fitzgerald-Montgomery the Third", 1234);
        records.Write(SkillAdvanced, true, std::wstring(10000, L'W'), 99999);
    }

    std::vector<CLayoutCase> Cases()
    {
        return {
            {"new_game", [] { CNewGameDlg d; d.m_nWordLength = 6; return d.DoModal(); }, "Quillorn", {IDC_GO}},
            {"level", [] { CLevelDlg d; d.m_nFinishedLevel = 10; d.m_nNextLevel = 11; return d.DoModal(); }, "Level",
             {IDC_LEVEL_YES, IDC_LEVEL_NO}},
            {"player_name", [] {
                 CPlayerNameDlg d;
                 d.m_strName = L"Ann";
                 d.m_strMessage = L"You are the best player in this level who took minimum tries.";
                 return d.DoModal();
             }, "Player Name", {IDC_PLAYER_NAME, wxID_OK}},
            {"best_scores", [this] { CBestScoresDlg d(nullptr, m_profile); return d.DoModal(); }, "Top Players",
             {wxID_OK, IDC_BEST_RESET}},
            {"color", [] { CColorDlg d; d.m_nRed = 210; d.m_nGreen = 255; d.m_nBlue = 166; return d.DoModal(); },
             "Color", {3018, 3020, 3022, 2006, 2007, 2009, 2010, 2011, 2012, 2008, 2013, 2014, 2015, wxID_OK}},
            {"options", [this] {
                 COptionsDlg d(nullptr, m_folder.Path());
                 d.m_values.nSkill = 1;
                 d.m_values.bTimeTrial = true;
                 d.m_values.strSet = L"birds";
                 d.m_values.bSound = false;
                 return d.DoModal();
             }, "Options",
             {IDC_SKILL_BEGINNER, IDC_TIME_TRIAL, IDC_SOUND, IDC_BACKGROUND_COLOR, IDC_HARD_MODE, IDC_WORD_CHECK, IDC_GAME_SET,
              wxID_OK, wxID_CANCEL}},
            {"about", [] { CAboutDlg d; return d.DoModal(); }, "About Veltrane Quillorn", {wxID_OK}},
        };
    }

private:
    CTempFolder m_folder;
    CRegistry m_registry;
    CAppProfile m_profile;
};

// Statistics, over an empty game log in folder, checked while it is open.
void OnStatistics(const CTempFolder& folder, const std::function<void(wxDialog&)>& check)
{
    CStatisticsDlg dlg(folder.Path() / "log.db");
    WhileOpen(dlg, check);
}

// Runs every dialog once and hands each, while it is up, to check; then cancels it.
void ForEachDialog(const std::function<void(const CLayoutCase&, wxDialog&)>& check)
{
    CAllDialogs dialogs;
    for (const CLayoutCase& c : dialogs.Cases()) {
        CModalScript script;
        script.Then([&](wxDialog& dlg) {
            check(c, dlg);
            dlg.EndModal(wxID_CANCEL);
        });
        EXPECT_EQ(c.run(), ResultCancel) << c.pszName;
        EXPECT_TRUE(script.Done()) << c.pszName;
    }
}

// A drop-down list shows its choice whole at whatever zoom its dialog takes: the toolkit keeps its
// padding when a dialog is laid out below 100 % (a doubled desktop on a small screen), and a box
// squeezed under it cuts the text's lower half away. The text on the screen must be as tall as
// the same text drawn in the control's font.
void ExpectListsShowTheirChoiceWhole(const std::string& strName, wxDialog& dlg)
{
    const auto isInk = [](unsigned rgb) {
        const unsigned r = rgb >> 16, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
        return r * 30 + g * 59 + b * 11 < 120 * 100;
    };
    const wxImage image = CaptureClient(dlg);
    for (wxWindow* pChild : dlg.GetChildren()) {
        wxString strShown;
        if (auto* pChoice = dynamic_cast<wxChoice*>(pChild))
            strShown = pChoice->GetStringSelection();
        else if (auto* pCombo = dynamic_cast<wxComboCtrl*>(pChild))
            strShown = pCombo->GetValue();
        else
            continue;
        if (strShown.empty())
            continue;
        const wxRect rc = pChild->GetRect();
        // Left of the arrow, inside the frame.
        const wxRect rcText(rc.x + 2, rc.y + 1, rc.width * 3 / 5, rc.height - 2);
        const wxRect rcInk = InkBox(image, rcText, +isInk);
        const wxFont font = pChild->GetFont();
        // Drawn at the screen's scale and read back at the window's pixels, as the capture is:
        // under GDK_SCALE=2 the toolkit draws twice the pixels, and halving them leaves an
        // accent above the capitals only a faint pixel that a text drawn at 1x has dark.
        const wxSize sizeDrawn(rc.width * 2, rc.height * 3);
        wxBitmap scaled;
        scaled.CreateWithDIPSize(sizeDrawn, dlg.GetContentScaleFactor(), 24);
        wxMemoryDC dcScaled(scaled);
        dcScaled.SetBackground(*wxWHITE_BRUSH);
        dcScaled.Clear();
        dcScaled.SetFont(font);
        dcScaled.SetTextForeground(*wxBLACK);
        dcScaled.DrawText(strShown, 2, rc.height);
        const wxImage drawn = RenderOffscreen(sizeDrawn, [&](wxDC& dc) {
            dc.Blit(0, 0, sizeDrawn.x, sizeDrawn.y, &dcScaled, 0, 0);
        });

        const wxRect rcWant = InkBox(drawn, wxRect(drawn.GetSize()), +isInk);
        const std::string strWhat = strName + " at " + std::to_string(DialogZoom()) +
                                    " %, list \"" + strShown.utf8_string() + "\"";
        EXPECT_GE(rcInk.height, rcWant.height - 1) << strWhat << ": the text is cut";
        SaveShot(image.GetSubImage(rc), "dropdown-" + strName);
    }
}

// The texts the New Game and Level dialogs paint keep apart, as their ink shows: no glyph has ink
// of another of the texts' colours in its box, and the red length stands between its two black
// phrases with no black ink under it.
void ExpectPaintedTextsApart(const std::string& strName, wxDialog& dlg)
{
    const std::vector<bool (*)(unsigned)> apColours = PaintedTextColours(strName);
    if (apColours.empty())
        return;
    auto& game = dynamic_cast<CGameDialog&>(dlg);
    const wxImage img = RenderOffscreen(dlg.GetClientSize(), [&](wxDC& dc) {
        game.PaintContent(dc, dlg.GetClientSize().x);
    });
    std::size_t nGlyphs = 0;
    for (bool (*pColour)(unsigned) : apColours) {
        for (const wxRect& rc : InkClusters(img, pColour)) {
            if (rc.width == img.GetWidth())
                continue;  // the header rule, across the whole dialog
            const std::string strWhat = strName + " at " + std::to_string(DialogZoom()) + " %: the ink at " +
                                        std::to_string(rc.x) + "," + std::to_string(rc.y) + " " +
                                        std::to_string(rc.width) + "x" + std::to_string(rc.height);
            EXPECT_TRUE(rc.x > 0 && rc.GetRight() < img.GetWidth() - 1) << strWhat << " is cut by the dialog's edge";
            for (bool (*pOther)(unsigned) : apColours)
                EXPECT_TRUE(pOther == pColour || InkBox(img, rc, pOther).IsEmpty())
                    << strWhat << " runs into another text";
            ++nGlyphs;
        }
    }
    EXPECT_GE(nGlyphs, 10u) << strName;
    if (strName == "new_game") {
        const wxRect rcBand(0, game.Px(45), img.GetWidth(), game.Px(25));
        const wxRect rcRed = InkBox(img, rcBand, IsRedInk);
        ASSERT_FALSE(rcRed.IsEmpty()) << DialogZoom();
        EXPECT_TRUE(InkBox(img, wxRect(rcRed.x, rcBand.y, rcRed.width, rcBand.height), IsDarkInk).IsEmpty())
            << "black ink under the red digit at " << DialogZoom();
        EXPECT_FALSE(InkBox(img, wxRect(0, rcBand.y, rcRed.x, rcBand.height), IsDarkInk).IsEmpty()) << DialogZoom();
        EXPECT_FALSE(InkBox(img, wxRect(rcRed.GetRight() + 1, rcBand.y, img.GetWidth() - rcRed.GetRight() - 1,
                                        rcBand.height), IsDarkInk).IsEmpty())
            << DialogZoom();
    }
}

// The name a screenshot gets: the dialog, the zoom, and the desktop's scaling when there is any.
std::string ShotName(const char* pszName, int nZoom)
{
    std::string strName = std::string(pszName) + "-" + std::to_string(nZoom);
    for (const char* pszVar : {"GDK_SCALE", "GDK_DPI_SCALE"}) {
        if (const char* pszValue = std::getenv(pszVar))
            strName += std::string("-") + pszVar + "-" + pszValue;
    }
    return strName;
}

}  // namespace

TEST(DialogLayout, EveryDialogFitsWithoutOverlapsAndIsHandheldWide)
{
    // Under the desktop's text scaling every dialog grows by that factor as a whole.
    const double dScale = DesktopTextScale();
    const wxRect rcScreen = wxDisplay(0u).GetClientArea();
    ForEachDialog([&](const CLayoutCase& c, wxDialog& dlg) {
        SaveShot(CaptureClient(dlg), ShotName(c.pszName, 100));
        for (const std::string& strProblem : FindLayoutProblems(dlg))
            ADD_FAILURE() << c.pszName << ": " << strProblem;
        // About 240 pixels in Tahoma; a wider fallback face widens the dialog units with it.
        const int nWidth = dlg.GetClientSize().x;
        // Average widths grow a little less than heights under text scaling.
        EXPECT_GE(nWidth, 200 * dScale) << c.pszName;
        EXPECT_LE(nWidth, (TahomaMetrics() != nullptr ? 260 : 290) * dScale) << c.pszName;
        // Whole, frame included, on a 1024 x 768 screen.
        EXPECT_LE(dlg.GetSize().x, rcScreen.width) << c.pszName;
        EXPECT_LE(dlg.GetSize().y, rcScreen.height) << c.pszName;
        EXPECT_EQ(dlg.GetTitle(), wxGetTranslation(c.pszCaption));
        EXPECT_EQ(TabOrder(dlg), c.anTabOrder) << c.pszName;
    });
}

// A dialog the screen cannot hold at the game's zoom opens at the largest step that it can, so its
// buttons are never off the screen: every dialog, the Statistics window (the tallest) included,
// at every step up to 400 % on the test's 1024 x 768 screen. Laid out at 200 %, every text stays
// inside its control; up to 200 %, every drop-down list shows its choice whole and the painted
// texts keep apart.
TEST(DialogLayout, AtAnyZoomEveryDialogKeepsItsTextsWholeAndItsButtonsOnTheScreen)
{
    const wxRect rcWork = wxDisplay(0u).GetClientArea();
    CTempFolder folder;
    std::map<std::string, wxSize> sizeAt100;
    for (const int nGameZoom : {100, 200, 400}) {
        SetDialogZoom(nGameZoom);
        const auto check = [&](const std::string& strName, wxDialog& dlg) {
            const std::string strWhat = strName + " at " + std::to_string(nGameZoom) + " %";
            const wxSize size = dlg.GetClientSize();
            if (nGameZoom == 100)
                sizeAt100[strName] = size * 100 / DialogZoom();
            // Laid out whole at its zoom: none above the game's, and the next step up would not
            // have fitted (judged a little generously: edges round).
            const int nZoom = DialogZoom();
            const wxSize size100 = sizeAt100[strName];
            EXPECT_NEAR(size.y, size100.y * nZoom / 100.0, size.y / 50.0 + 2) << strWhat << " is laid out at " << nZoom;
            EXPECT_NEAR(size.x, size100.x * nZoom / 100.0, size.x / 50.0 + 2) << strWhat << " is laid out at " << nZoom;
            EXPECT_LE(nZoom, nGameZoom) << strWhat;
            const int nNext = nZoom < kZoomNormal ? nZoom + 10 : ZoomStepIn(nZoom);
            if (nZoom < nGameZoom) {
                EXPECT_FALSE(CGameDialog::FitsWorkArea(size100 * nNext / 100 + wxSize(2, 2), rcWork))
                    << strWhat << " could have had " << nNext;
            }
            if (nGameZoom >= 200)
                SaveShot(CaptureClient(dlg), ShotName(strName.c_str(), nGameZoom));
            if (nZoom == 200) {
                for (const std::string& strProblem : FindLayoutProblems(dlg))
                    ADD_FAILURE() << strWhat << ": " << strProblem;
            }
            if (nGameZoom <= 200) {
                ExpectListsShowTheirChoiceWhole(strName, dlg);
                ExpectPaintedTextsApart(strName, dlg);
            }
            EXPECT_TRUE(rcWork.Contains(dlg.GetScreenRect())) << strWhat;
            for (wxWindow* pChild : dlg.GetChildren()) {
                if (dynamic_cast<wxButton*>(pChild) != nullptr) {
                    EXPECT_TRUE(rcWork.Contains(pChild->GetScreenRect()))
                        << strWhat << ": \"" << pChild->GetLabel().utf8_string() << "\" is off the screen";
                }
            }
        };
        ForEachDialog([&](const CLayoutCase& c, wxDialog& dlg) { check(c.pszName, dlg); });
        OnStatistics(folder, [&](wxDialog& dlg) { check("statistics", dlg); });
    }
    SetDialogZoom(100);
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

// The header rule runs clear of the Player Name message at every zoom and desktop scaling (ctest
// runs this again under GDK_SCALE and GDK_DPI_SCALE): the rows beside the rule hold no ink, and
// the message's ink starts below it.
TEST(DialogLayout, PlayerNameMessageStandsBelowTheHeaderRule)
{
    for (const int nZoom : {100, 150, 200}) {
        SetDialogZoom(nZoom);
        CPlayerNameDlg dlg;
        dlg.m_strMessage = L"You are best player in this level";
        WhileOpen(dlg, [&](wxDialog& d) {
            auto& game = dynamic_cast<CGameDialog&>(d);
            const wxImage img = CaptureClient(d);
            SaveShot(img, ShotName("player_name_rule", nZoom));
            const std::string strWhat = "at " + std::to_string(nZoom) + " %";
            const int nRule = ScaledPixels(kHeaderRuleY, game.Scale());
            const int nThick = ScaledLineWidth(game.Scale());
            const int nWidth = img.GetWidth();
            ASSERT_FALSE(InkBox(img, wxRect(0, nRule, nWidth, nThick), IsDarkInk).IsEmpty()) << "no rule " << strWhat;
            EXPECT_TRUE(InkBox(img, wxRect(0, nRule - 1, nWidth, 1), IsDarkInk).IsEmpty()) << "ink above the rule " << strWhat;
            EXPECT_TRUE(InkBox(img, wxRect(0, nRule + nThick, nWidth, 1), IsDarkInk).IsEmpty()) << "ink below the rule " << strWhat;
            wxWindow* pMessage = d.FindWindow(IDC_PLAYER_MESSAGE);
            ASSERT_NE(pMessage, nullptr);
            const wxRect rcInk = InkBox(img, pMessage->GetRect(), IsDarkInk);
            ASSERT_FALSE(rcInk.IsEmpty()) << strWhat;
            EXPECT_GT(rcInk.GetTop(), nRule + nThick) << strWhat;
        });
    }
    SetDialogZoom(100);
}
