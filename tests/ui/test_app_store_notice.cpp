// The bar that tells the player, once and without stopping play, that nothing is being saved.
#include <fstream>

#include "app/main_frame.h"
#include "test_view_fixture.h"
#include "view/game_view.h"

namespace {

class StoreNoticeTest : public CGameWindowTest {};

TEST_F(StoreNoticeTest, AStoreThatIsNotADatabaseIsNamedInABarAboveTheGame)
{
    std::ofstream(m_dirTemp / "registry.db") << "somebody's notes\n";
    OpenAndStartWord();
    EXPECT_FALSE(m_pView->IsGameOver()) << "play goes on";

    const wxString strNotice = m_pFrame->StoreNotice();
    // Lines are broken to the window's width; the words and the path are all there.
    auto flat = [](wxString str) {
        str.Replace("\n", "");
        str.Replace(" ", "");
        return str;
    };
    EXPECT_TRUE(flat(strNotice).Contains("notbeingsaved")) << strNotice;
    EXPECT_TRUE(flat(strNotice).Contains("notadatabase")) << strNotice;
    EXPECT_TRUE(flat(strNotice).Contains(flat((m_dirTemp / "registry.db").string()))) << strNotice;

    // The game keeps its full size below the bar.
    uitest::Settle();
    const int nBar = m_pFrame->GetClientSize().y - CVeltraneQuillornView::kClientHeight;
    EXPECT_GT(nBar, 10);
    EXPECT_EQ(m_pView->GetSize(), wxSize(CVeltraneQuillornView::kClientWidth, CVeltraneQuillornView::kClientHeight));
    EXPECT_EQ(m_pView->GetPosition().y, nBar);
    Shot(OnScreen(*m_pFrame), "store-notice");

    // Closed by the player, it stays closed for the session.
    m_pFrame->DismissStoreNotice();
    m_pFrame->CheckStore();
    EXPECT_TRUE(m_pFrame->StoreNotice().empty());
    EXPECT_EQ(m_pFrame->GetClientSize(), wxSize(CVeltraneQuillornView::kClientWidth, CVeltraneQuillornView::kClientHeight));
}

TEST_F(StoreNoticeTest, AHealthyStoreShowsNoBar)
{
    OpenAndStartWord();
    m_pFrame->CheckStore();
    EXPECT_TRUE(m_pFrame->StoreNotice().empty());
    EXPECT_EQ(m_pFrame->GetClientSize(), wxSize(CVeltraneQuillornView::kClientWidth, CVeltraneQuillornView::kClientHeight));
}

}  // namespace
