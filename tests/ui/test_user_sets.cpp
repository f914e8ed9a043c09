// The player's own sets in the game window: listed by Options after the program's, and played.
#include <filesystem>
#include <fstream>

#include <wx/ctrlsub.h>

#include "dialogs/options_dlg.h"
#include "test_view_fixture.h"
#include "view/command_ids.h"
#include "view/game_view.h"

namespace {

class UserSetsTest : public CGameWindowTest {};

TEST_F(UserSetsTest, OptionsListsThePlayersSetOnceAndPlaysIt)
{
    std::filesystem::create_directories(m_dirUserSets);
    std::ofstream(m_dirUserSets / "Mine.set", std::ios::binary) << "<BEGINNER>\r\notter\r\n";
    // The program's set of that name wins; the player's copy is not listed a second time.
    std::ofstream(m_dirUserSets / "test.set", std::ios::binary) << "<BEGINNER>\r\nzebra\r\n";
    OpenAndStartWord();
    ASSERT_EQ(m_pView->HistoryView().m_strMagicWord, L"APPLE");

    uitest::CModalScript script;
    std::vector<wxString> astrListed;
    script
        .Then([&](wxDialog& dlg) {
            auto* pList = dynamic_cast<wxItemContainer*>(dlg.FindWindow(IDC_GAME_SET));
            ASSERT_NE(pList, nullptr);
            for (unsigned i = 0; i < pList->GetCount(); ++i)
                astrListed.push_back(pList->GetString(i));
            pList->SetStringSelection("Mine");
            uitest::ClickButton(dlg, wxID_OK);
        })
        .Then(PressGo);
    Command(ID_TOOLS_OPTIONS);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(astrListed, (std::vector<wxString>{"Test", "Mine"}));
    EXPECT_EQ(m_pView->CurrentSet(), L"Mine");
    EXPECT_EQ(m_pView->HistoryView().m_strMagicWord, L"OTTER");
}

}  // namespace
