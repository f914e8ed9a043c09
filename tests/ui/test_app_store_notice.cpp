// The bar that tells the player, without stopping play, that nothing is being saved.
#include <fstream>
#include <sys/stat.h>

#include <wx/infobar.h>
#include <wx/generic/infobar.h>
#include <wx/stattext.h>

#include "app/command_table.h"
#include "app/main_frame.h"
#include "store/game_log_writer.h"
#include "store/settings_store.h"
#include "test_view_fixture.h"
#include "view/command_ids.h"
#include "view/game_view.h"

namespace {

class StoreNoticeTest : public CGameWindowTest {
protected:
    // The bar's text as the player reads it, with its line breaks and blanks left out; empty
    // while no bar is shown.
    wxString Notice() const
    {
        for (wxWindow* pChild : m_pFrame->GetChildren()) {
            if (!pChild->IsShown() || dynamic_cast<wxInfoBarGeneric*>(pChild) == nullptr)
                continue;
            for (wxWindow* pPart : pChild->GetChildren())
                if (auto* pText = dynamic_cast<wxStaticText*>(pPart)) {
                    wxString str = pText->GetLabelText();
                    str.Replace("\n", "");
                    str.Replace(" ", "");
                    return str;
                }
        }
        return wxString();
    }
    static wxString Flat(const std::filesystem::path& path)
    {
        wxString str(path.string());
        str.Replace(" ", "");
        return str;
    }
};

TEST_F(StoreNoticeTest, AStoreThatIsNotADatabaseIsNamedInABarAboveTheGame)
{
    std::ofstream(m_dirTemp / "registry.db") << "somebody's notes\n";
    OpenAndStartWord();
    EXPECT_FALSE(m_pView->IsGameOver()) << "play goes on";

    // Lines are broken to the window's width; the words and the path are all there.
    const wxString strNotice = Notice();
    EXPECT_TRUE(strNotice.Contains("notbeingsaved")) << strNotice;
    EXPECT_TRUE(strNotice.Contains("notadatabase")) << strNotice;
    EXPECT_TRUE(strNotice.Contains(Flat(m_dirTemp / "registry.db"))) << strNotice;

    // The game keeps its full size below the bar.
    uitest::Settle();
    const int nBar = m_pFrame->GetClientSize().y - board::kHeight;
    EXPECT_GT(nBar, 10);
    EXPECT_EQ(m_pView->GetSize(), wxSize(board::kWidth, board::kHeight));
    EXPECT_EQ(m_pView->GetPosition().y, nBar);
    Shot(OnScreen(*m_pFrame), "store-notice");

    // Closed by the player, it stays closed for the session.
    m_pFrame->DismissStoreNotice();
    m_pFrame->CheckStore();
    EXPECT_TRUE(Notice().empty());
    EXPECT_EQ(m_pFrame->GetClientSize(), wxSize(board::kWidth, board::kHeight));
}

// The bar comes while finished words cannot be logged and goes once they can: the game keeps the
// player's zoom throughout, on screen and in the store.
TEST_F(StoreNoticeTest, TheBarKeepsTheZoomAndGoesWhenTheLogIsKeptAgain)
{
    const std::filesystem::path logFile = m_dirTemp / "games.db";
    ASSERT_EQ(mkfifo(logFile.c_str(), 0600), 0);
    CSettingsStore(*m_pProfile).Write(Option::Zoom, 150);
    m_nOpenZoom = 150;
    OpenAndStartWord();
    ASSERT_EQ(m_pView->Zoom(), 150);
    CGameLogWriter writer(logFile);
    m_pView->SetGameLog(&writer);
    auto giveUp = [&] {
        Type("bread\r");
        GiveUp();
        ASSERT_TRUE(writer.Flush(std::chrono::seconds(10)));
        m_pFrame->CheckStore();
        uitest::Settle();
    };
    const wxSize picture = m_pView->ShownSize(150);

    giveUp();
    const wxString strNotice = Notice();
    EXPECT_TRUE(strNotice.Contains("Finishedwordsarenotbeinglogged:itisnotaregularfile.")) << strNotice;
    EXPECT_TRUE(strNotice.Contains(Flat(logFile))) << strNotice;
    EXPECT_EQ(m_pView->Zoom(), 150);
    EXPECT_EQ(m_pView->GetSize(), picture);
    EXPECT_EQ(uitest::StoredZoom(*m_pProfile), 150);
    Shot(OnScreen(*m_pFrame), "store-notice-log");

    std::filesystem::remove(logFile);
    NewWord();
    giveUp();
    EXPECT_EQ(CGameLog(logFile).OpenForReading(1000), CGameLog::EState::ReadOnly) << "the row is in the log";
    EXPECT_TRUE(Notice().empty()) << "saving works again";
    EXPECT_EQ(m_pView->Zoom(), 150);
    EXPECT_EQ(m_pView->GetSize(), picture);
    EXPECT_EQ(m_pFrame->GetClientSize(), picture);
    EXPECT_EQ(uitest::StoredZoom(*m_pProfile), 150);
    m_pView->SetGameLog(nullptr);
}

TEST_F(StoreNoticeTest, AHealthyStoreShowsNoBar)
{
    OpenAndStartWord();
    m_pFrame->CheckStore();
    EXPECT_TRUE(Notice().empty());
    EXPECT_EQ(m_pFrame->GetClientSize(), wxSize(board::kWidth, board::kHeight));
}

}  // namespace
