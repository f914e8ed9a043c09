// Help inside the game: F1 and the Help command open the help page in the game's own window at its
// contents, and the page's links move within it.
#include <filesystem>

#include <wx/html/htmlcell.h>
#include <wx/html/htmlwin.h>
#include <wx/uiaction.h>

#include "app/main_frame.h"
#include "dialogs/help_window.h"
#include "platform/files.h"
#include "test_view_fixture.h"
#include "view/command_ids.h"
#include "view/game_view.h"

namespace {

class HelpTest : public CGameWindowTest {
protected:
    void TearDown() override
    {
        if (CHelpWindow* pHelp = CHelpWindow::Current())
            pHelp->Destroy();
        uitest::Settle();
        CGameWindowTest::TearDown();
    }
    // The page the build puts beside the test program, as an installed game has it.
    void CopyHelpPage()
    {
        std::filesystem::copy_file(ProgramDirectory() / kHelpFileName, m_dirProgram / kHelpFileName);
    }
};

// The first piece of text that links to href, searched depth first.
const wxHtmlCell* FindLink(const wxHtmlCell* pCell, const wxString& strHref)
{
    for (; pCell; pCell = pCell->GetNext()) {
        if (const wxHtmlLinkInfo* pLink = pCell->GetLink(); pLink && pLink->GetHref() == strHref &&
                                                           !pCell->GetFirstChild())
            return pCell;
        if (const wxHtmlCell* pFound = FindLink(pCell->GetFirstChild(), strHref))
            return pFound;
    }
    return nullptr;
}

int ScrolledY(wxHtmlWindow& html)
{
    return html.CalcUnscrolledPosition(wxPoint(0, 0)).y;
}

TEST_F(HelpTest, F1OpensTheHelpPageAtItsContentsAndALinkMovesWithinIt)
{
    CopyHelpPage();
    OpenAndStartWord();
    ASSERT_EQ(CHelpWindow::Current(), nullptr);

    m_pView->SetFocus();
    wxUIActionSimulator sim;
    sim.KeyDown(WXK_F1);
    sim.KeyUp(WXK_F1);
    ASSERT_TRUE(uitest::WaitFor([] { return CHelpWindow::Current() != nullptr; })) << "F1 opened no help window";
    CHelpWindow& help = *CHelpWindow::Current();
    uitest::WaitShown(help);
    wxHtmlWindow& html = *help.Html();
    EXPECT_EQ(help.GetTitle(), CHelpWindow::kTitle);
    EXPECT_EQ(html.GetOpenedPageTitle(), "Veltrane Quillorn Help");
    EXPECT_EQ(html.GetOpenedAnchor(), kHelpAnchor);
    EXPECT_EQ(ScrolledY(html), 0) << "the contents stand at the top of the page";
    EXPECT_TRUE(html.ToText().Contains("Match and Bingo, with an example"));
    uitest::SaveShot(uitest::CaptureClient(help), "help-contents");

    // A click on the contents' link to the word-set part, as the player makes it.
    const wxHtmlCell* pLink = FindLink(html.GetInternalRepresentation(), "#Sets");
    ASSERT_NE(pLink, nullptr);
    const wxPoint ptCell = pLink->GetAbsPos() + wxPoint(2, pLink->GetHeight() / 2);
    sim.MouseMove(html.ClientToScreen(html.CalcScrolledPosition(ptCell)));
    uitest::Settle();
    sim.MouseClick();
    ASSERT_TRUE(uitest::WaitFor([&] { return html.GetOpenedAnchor() == "Sets"; })) << html.GetOpenedAnchor();
    uitest::Settle();
    EXPECT_GT(ScrolledY(html), 200) << "the page scrolled down to the part";
    uitest::SaveShot(uitest::CaptureClient(help), "help-sets");

    // Help again: the same window, back at the contents.
    Command(ID_TOOLS_HELP);
    EXPECT_EQ(CHelpWindow::Current(), &help);
    EXPECT_EQ(html.GetOpenedAnchor(), kHelpAnchor);
    EXPECT_EQ(ScrolledY(html), 0);
}

TEST_F(HelpTest, ThePageOpensFromAFolderWhoseNameLooksLikeAddressSyntax)
{
    for (const char* szFolder : {"a b", "x#y?z%", "\xC3\xA9t\xC3\xA9"}) {
        SCOPED_TRACE(szFolder);
        const std::filesystem::path dir = m_dirTemp / szFolder;
        std::filesystem::create_directories(dir);
        std::filesystem::copy_file(ProgramDirectory() / kHelpFileName, dir / kHelpFileName);
        CHelpWindow* pHelp = CHelpWindow::Open(nullptr, dir / kHelpFileName, "Sets");
        ASSERT_NE(pHelp, nullptr);
        EXPECT_EQ(pHelp->Html()->GetOpenedPageTitle(), "Veltrane Quillorn Help");
        EXPECT_EQ(pHelp->Html()->GetOpenedAnchor(), "Sets");
        pHelp->Destroy();
        uitest::Settle();
    }
}

TEST_F(HelpTest, ZoomScalesThePagesText)
{
    CopyHelpPage();
    CHelpWindow* pHelp = CHelpWindow::Open(nullptr, m_dirProgram / kHelpFileName, kHelpAnchor);
    ASSERT_NE(pHelp, nullptr);
    const auto pageHeight = [pHelp] { return pHelp->Html()->GetInternalRepresentation()->GetHeight(); };
    const int nPlain = pageHeight();
    pHelp->SetZoom(2.0);
    EXPECT_GT(pageHeight(), nPlain * 3 / 2);
    pHelp->SetZoom(1.0);
    EXPECT_EQ(pageHeight(), nPlain);
}

TEST_F(HelpTest, AMissingHelpPageIsSaidInTheWindow)
{
    OpenAndStartWord();
    Command(ID_TOOLS_HELP);
    CHelpWindow* pHelp = CHelpWindow::Current();
    ASSERT_NE(pHelp, nullptr);
    const wxString strText = pHelp->Html()->ToText();
    EXPECT_TRUE(strText.Contains("could not be opened")) << strText;
    EXPECT_TRUE(strText.Contains(wxString::FromUTF8((m_dirProgram / kHelpFileName).string()))) << strText;
}

}  // namespace
