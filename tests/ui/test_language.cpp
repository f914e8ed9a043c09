// The game in the player's language. ctest runs these under de_DE.UTF-8 and fr_FR.UTF-8; under any
// other locale there is nothing to compare with and they are skipped (the English texts are what
// every other test checks).
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include <gtk/gtk.h>
#include <wx/menu.h>
#include <wx/stockitem.h>
#include <wx/toolbar.h>
#include <wx/translation.h>
#include <wx/utils.h>

#include "app/command_table.h"
#include "app/main_frame.h"
#include "dialogs/painted_dialogs.h"
#include "game/game_core.h"
#include "game/spoken_text.h"
#include "game/stats_report.h"
#include "test_view_fixture.h"
#include "view/command_ids.h"
#include "view/game_view.h"

namespace {

struct CLanguage {
    const char* pszPrefix;                // of the messages locale
    std::vector<const char*> aszMenus;    // the menu bar
    const char* pszStockCancel;           // wx's own catalog (its mnemonic aside)
    const char* pszGtkCopy;               // GTK's own catalog: its text fields' context menu
    const char* pszRules;                 // a text of the core, through its own lookup
    const char* pszBeginner;
};

const CLanguage kLanguages[] = {
    {"de", {"&Spiel", "&Ansicht", "&Extras"}, "Abbrechen", "_Kopieren",
     "Zu jedem Versuch erfährst du, wie viele Buchstaben im Wort vorkommen (Treffer) und wie viele an der "
     "richtigen Stelle stehen (Bingo).",
     "Anfänger"},
    {"fr", {"&Jeu", "&Affichage", "&Outils"}, "Annuler", "_Copier",
     "Pour chaque essai, vous saurez combien de lettres sont justes et combien sont à la bonne place (Bingo).",
     "Débutant"},
};

const CLanguage* PlayersLanguage()
{
    const char* pszMessages = std::setlocale(LC_MESSAGES, nullptr);
    const std::string strMessages = pszMessages != nullptr ? pszMessages : "";
    for (const CLanguage& language : kLanguages)
        if (strMessages.starts_with(language.pszPrefix))
            return &language;
    return nullptr;
}

wxString Utf8(const char* psz) { return wxString::FromUTF8(psz); }

class LanguageTest : public CGameWindowTest {};

}  // namespace

// Words in the player's language, numbers as C writes them: both languages write 2,5, and files
// and --json must not.
TEST_F(LanguageTest, TextsAreInThePlayersLanguageAndNumbersInTheCLocale)
{
    const CLanguage* pLanguage = PlayersLanguage();
    if (pLanguage == nullptr)
        GTEST_SKIP() << "not a German or French locale: " << std::setlocale(LC_MESSAGES, nullptr);
    char sz[16];
    std::snprintf(sz, sizeof sz, "%.1f", 2.5);
    EXPECT_STREQ(sz, "2.5");
    EXPECT_STREQ(std::localeconv()->decimal_point, ".");

    OpenAndStartWord();
    wxMenuBar* pBar = m_pFrame->GetMenuBar();
    ASSERT_NE(pBar, nullptr);
    ASSERT_EQ(pBar->GetMenuCount(), pLanguage->aszMenus.size());
    for (std::size_t m = 0; m < pLanguage->aszMenus.size(); ++m)
        EXPECT_EQ(pBar->GetMenuLabel(m), Utf8(pLanguage->aszMenus[m]));
    // The tool bar's tips, as the player hovers them.
    wxToolBar* pTools = m_pFrame->GetToolBar();
    ASSERT_NE(pTools, nullptr);
    const std::pair<int, const char*> aTools[] = {
        {ID_GAME_NEW, "New"}, {ID_TOOLS_OPTIONS, "Options"}, {ID_TOOLS_HELP, "Help"}, {ID_GAME_GIVEUP, "Give Up"}};
    for (const auto& [nCommand, szEnglish] : aTools) {
        const wxToolBarToolBase* pTool = pTools->FindById(WxIdFromCommand(nCommand));
        ASSERT_NE(pTool, nullptr) << szEnglish;
        EXPECT_EQ(pTool->GetShortHelp(), wxGetTranslation(szEnglish));
    }
    // Some words are the same in French ("Options"); "New" is in neither language.
    EXPECT_NE(pTools->FindById(WxIdFromCommand(ID_GAME_NEW))->GetShortHelp(), "New");

    // wx's stock buttons and GTK's own menus come from their own catalogs, in the same language.
    EXPECT_EQ(wxStripMenuCodes(wxGetStockLabel(wxID_CANCEL)), Utf8(pLanguage->pszStockCancel));
    EXPECT_EQ(Utf8(g_dgettext("gtk30", "_Copy")), Utf8(pLanguage->pszGtkCopy));

    // Below the toolkit the core reads the same catalogs through its own lookup.
    EXPECT_EQ(Tr(kNewGameRules), wxString::FromUTF8(pLanguage->pszRules).ToStdWstring());
    EXPECT_EQ(Tr(SkillName(0)), wxString::FromUTF8(pLanguage->pszBeginner).ToStdWstring());
    EXPECT_EQ(wxGetTranslation(SkillName(0)), Utf8(pLanguage->pszBeginner));
}

// The Level dialog asks "Continue to Level: 11 ?" with the mark in red. The English line keeps
// the mark at its fixed place; a translated line is shorter or longer, and its mark follows its
// last word as the language writes it: no gap in German, a narrow no-break one in French, never
// more than a word space and never a space a line could break at.
TEST_F(LanguageTest, TheLevelQuestionCarriesItsMarkAfterItsLastWord)
{
    const auto isRed = [](unsigned rgb) { return (rgb >> 16) > 0xB0 && ((rgb >> 8) & 0xFF) < 0x70 && (rgb & 0xFF) < 0x70; };
    const auto isGreen = [](unsigned rgb) {
        const unsigned r = rgb >> 16, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
        return g > r + 0x40 && g > b + 0x40;
    };
    // The ink between the last green pixel and the first red one.
    const auto gap = [&](const wxImage& image, const wxRect& rcArea) {
        const wxRect rcMark = uitest::InkBox(image, rcArea, +isRed);
        const wxRect rcLine = uitest::InkBox(image, rcArea, +isGreen);
        EXPECT_FALSE(rcMark.IsEmpty() || rcLine.IsEmpty());
        return std::pair(rcMark.GetLeft() - rcLine.GetRight() - 1, rcMark.GetLeft());
    };
    const std::wstring strQuestion = SpokenLevelLines(10, 11)[1];
    EXPECT_EQ(strQuestion.find(L" ?"), std::wstring::npos) << "an ordinary space before the mark can break the line";
    CLevelDlg dlg;
    dlg.m_nFinishedLevel = 10;
    dlg.m_nNextLevel = 11;
    uitest::WhileOpen(dlg, [&](wxDialog& d) {
        auto& level = dynamic_cast<CLevelDlg&>(d);
        const wxImage image = uitest::CaptureClient(d);
        const auto [nGap, nMarkLeft] = gap(image, wxRect(0, level.Px(55), image.GetWidth(), level.Px(30)));
        // The same digit, a word space and the mark, drawn in the dialog's large font.
        const wxImage spaced = uitest::RenderOffscreen(wxSize(level.Px(60), level.Px(30)), [&](wxDC& dc) {
            dc.SetFont(level.m_fontLarge);
            dc.SetTextForeground(wxColour(0, 128, 0));
            dc.DrawText("1 ", 2, 2);
            dc.SetTextForeground(wxColour(255, 0, 0));
            dc.DrawText("?", 2 + dc.GetTextExtent("1 ").x, 2);
        });
        const int nWordSpace = gap(spaced, wxRect(spaced.GetSize())).first;
        if (PlayersLanguage() == nullptr) {
            EXPECT_GE(nMarkLeft, level.Px(225)) << "the English mark has moved";
        } else {
            EXPECT_GE(nGap, 0);
            EXPECT_LE(nGap, nWordSpace) << "more than a word space before the mark";
        }
    });
}
