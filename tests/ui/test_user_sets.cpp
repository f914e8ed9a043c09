// The player's own sets in the game window: listed by Options after the program's, and played.
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include <wx/ctrlsub.h>

#include "dialogs/options_dlg.h"
#include "store/settings_store.h"
#include "stored_values.h"
#include "test_view_fixture.h"
#include "view/command_ids.h"
#include "view/game_view.h"

namespace {

class UserSetsTest : public CGameWindowTest {
protected:
    // Opens Options, picks the row shown as strRow, confirms and starts the word; returns every
    // row the set list showed. fnLook sees the dialog with the row picked, before OK.
    std::vector<wxString> PickSetInOptions(const wxString& strRow, std::function<void(wxDialog&)> fnLook = {})
    {
        uitest::CModalScript script;
        std::vector<wxString> astrListed;
        script
            .Then([&](wxDialog& dlg) {
                auto* pList = dynamic_cast<wxItemContainer*>(dlg.FindWindow(IDC_GAME_SET));
                ASSERT_NE(pList, nullptr);
                for (unsigned i = 0; i < pList->GetCount(); ++i)
                    astrListed.push_back(pList->GetString(i));
                pList->SetStringSelection(strRow);
                if (fnLook)
                    fnLook(dlg);
                uitest::ClickButton(dlg, wxID_OK);
            })
            .Then(PressGo);
        Command(ID_TOOLS_OPTIONS);
        EXPECT_TRUE(script.Done());
        return astrListed;
    }
};

TEST_F(UserSetsTest, OptionsListsThePlayersSetOnceAndPlaysIt)
{
    std::filesystem::create_directories(m_dirUserSets);
    std::ofstream(m_dirUserSets / "Mine.set", std::ios::binary) << "<BEGINNER>\r\notter\r\n";
    // The program's set of that name wins; the player's copy is not listed a second time.
    std::ofstream(m_dirUserSets / "test.set", std::ios::binary) << "<BEGINNER>\r\nzebra\r\n";
    OpenAndStartWord();
    ASSERT_EQ(m_pView->HistoryView().m_strMagicWord, L"APPLE");

    const std::vector<wxString> astrListed = PickSetInOptions("Mine");
    EXPECT_EQ(astrListed, (std::vector<wxString>{"Test", "Mine"}));
    EXPECT_EQ(m_pView->CurrentSet(), L"Mine");
    EXPECT_EQ(m_pView->HistoryView().m_strMagicWord, L"OTTER");
}

// A right-to-left override in a file name would show "rtl<U+202E>evil" as "rtllive": the list
// shows the character as an escape, and choosing the row stores and plays the real file.
TEST_F(UserSetsTest, ASetNameWithARightToLeftOverrideIsListedEscapedAndPlayedByItsRealName)
{
    std::filesystem::create_directories(m_dirUserSets);
    const std::wstring strEvil = L"rtl\u202Eevil";
    std::ofstream(m_dirUserSets / "rtl\u202Eevil.set", std::ios::binary) << "<BEGINNER>\r\notter\r\n";
    OpenAndStartWord();

    const std::vector<wxString> astrListed = PickSetInOptions(
        "rtl\\u202eevil", [](wxDialog& dlg) { uitest::SaveShot(uitest::CaptureClient(dlg), "options-rtl-set"); });
    EXPECT_EQ(astrListed, (std::vector<wxString>{"Test", "rtl\\u202eevil"}));
    EXPECT_EQ(m_pView->CurrentSet(), strEvil);
    EXPECT_EQ(StoredString(*m_pProfile, L"CURRENT_SET"), strEvil);
    EXPECT_EQ(m_pView->HistoryView().m_strMagicWord, L"OTTER") << "the real file is opened";
}

}  // namespace
