// What the view announces to a screen reader as the clock runs and words end, heard in process on
// the view's accessible object (the out-of-process walk of the tree is tests/a11y).
#include <string>
#include <vector>

#include <gtk/gtk.h>

#include "view/command_ids.h"
#include "store/settings_store.h"
#include "test_view_fixture.h"
#include "view/game_view.h"

namespace {

class AnnounceTest : public CGameWindowTest {
protected:
    // Asking for the accessible object is what builds the tree, as a screen reader's first look.
    void Listen()
    {
        AtkObject* pView = gtk_widget_get_accessible(static_cast<GtkWidget*>(m_pView->GetHandle()));
        ASSERT_NE(pView, nullptr);
        ASSERT_STREQ(atk_object_get_name(pView), "Veltrane Quillorn game");
        g_signal_connect(pView, "announcement", G_CALLBACK(+[](AtkObject*, const gchar* psz, gpointer p) {
                             static_cast<std::vector<std::string>*>(p)->push_back(psz);
                         }),
                         &m_astrHeard);
    }
    std::vector<std::string> m_astrHeard;
};

TEST_F(AnnounceTest, CountdownSpeaksAtTheAlertSecondsAndTheTimeOutNamesTheWord)
{
    OpenAndStartWord();
    Listen();
    Type("plant\r");
    ASSERT_EQ(m_astrHeard, std::vector<std::string>{"1. PLANT, match 3, bingo 0"});
    ASSERT_EQ(m_pView->TimeLeft(), 240);
    m_astrHeard.clear();

    Tick(239);
    EXPECT_EQ(m_astrHeard, (std::vector<std::string>{"3 minutes left", "2 minutes left", "1 minute left", "30 seconds left"}));
    m_astrHeard.clear();
    Tick(1);
    EXPECT_EQ(m_astrHeard, std::vector<std::string>{"Time is up"});
    m_astrHeard.clear();

    uitest::CModalScript script;
    script.ThenMessageBox();
    Tick(1);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(m_astrHeard, std::vector<std::string>{"Time is up. The magic word was APPLE."});
}

TEST_F(AnnounceTest, GivingUpNamesTheWordAndAPlainClockSaysNothing)
{
    // Without Time Trial the clock counts up silently.
    CSettingsStore(*m_pProfile).WriteTimeTrial(false);
    OpenAndStartWord();
    Listen();
    Type("plant\r");
    m_astrHeard.clear();
    Tick(120);
    EXPECT_TRUE(m_astrHeard.empty()) << m_astrHeard.front();

    uitest::CModalScript script;
    script.ThenMessageBox();
    Command(ID_GAME_GIVEUP);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(m_astrHeard, std::vector<std::string>{"Given up. The magic word was APPLE."});
}

}  // namespace
