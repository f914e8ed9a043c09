// Help inside the game: F1 and the Help command open the help page in the game's own window at its
// contents, as text a screen reader reads, and the page's links, reached by Tab, move within it.
#include <filesystem>
#include <fstream>
#include <set>

#include <gtk/gtk.h>
#include <wx/hyperlink.h>
#include <wx/textctrl.h>
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
        if (CHelpWindow* pHelp = uitest::FindTopLevel<CHelpWindow>())
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

wxTextCtrl& PageText(CHelpWindow& help)
{
    return uitest::FindDescendant<wxTextCtrl>(help);
}

std::vector<wxHyperlinkCtrl*> PageLinks(CHelpWindow& help)
{
    std::vector<wxHyperlinkCtrl*> apLinks;
    for (wxWindow* pWindow : uitest::Descendants(help))
        if (auto* pLink = dynamic_cast<wxHyperlinkCtrl*>(pWindow); pLink != nullptr && pLink->IsShown())
            apLinks.push_back(pLink);
    return apLinks;
}

// The page as the window reads it from its file.
CHelpPage PageFrom(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return ParseHelpPage(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

// Whether the caret stands where the anchor's part begins: going there again does not move it.
bool AtAnchor(CHelpWindow& help, const std::wstring& strAnchor)
{
    const long nAt = PageText(help).GetInsertionPoint();
    return help.GoTo(strAnchor) && PageText(help).GetInsertionPoint() == nAt;
}

// How far the text view is scrolled down, in pixels.
double ScrolledY(wxTextCtrl& text)
{
    return gtk_adjustment_get_value(gtk_scrollable_get_vadjustment(GTK_SCROLLABLE(text.GetConnectWidget())));
}

// The text from the caret to the end of its line.
wxString LineAtCaret(wxTextCtrl& text)
{
    return text.GetRange(text.GetInsertionPoint(), text.GetLastPosition()).BeforeFirst('\n');
}

// The names of the page's marks on the character at nOffset.
std::string TagsAt(wxTextCtrl& text, std::size_t nOffset)
{
    GtkTextBuffer* pBuffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(text.GetConnectWidget()));
    GtkTextIter iter;
    gtk_text_buffer_get_iter_at_offset(pBuffer, &iter, static_cast<gint>(nOffset));
    std::set<std::string> setNames;
    GSList* pTags = gtk_text_iter_get_tags(&iter);
    for (GSList* p = pTags; p != nullptr; p = p->next) {
        gchar* pszName = nullptr;
        g_object_get(p->data, "name", &pszName, nullptr);
        if (pszName != nullptr && g_str_has_prefix(pszName, "vq-"))
            setNames.insert(pszName);
        g_free(pszName);
    }
    g_slist_free(pTags);
    std::string str;
    for (const std::string& strName : setNames) {
        if (!str.empty())
            str += ' ';
        str += strName;
    }
    return str;
}

void Press(int nKey, int nModifiers = wxMOD_NONE)
{
    wxUIActionSimulator sim;
    sim.KeyDown(nKey, nModifiers);
    sim.KeyUp(nKey, nModifiers);
    uitest::Settle();
}

TEST_F(HelpTest, F1OpensThePageAsTextAtItsContentsAndTheLinksMoveWithinIt)
{
    CopyHelpPage();
    OpenAndStartWord();
    ASSERT_EQ(uitest::FindTopLevel<CHelpWindow>(), nullptr);

    m_pView->SetFocus();
    Press(WXK_F1);
    ASSERT_TRUE(uitest::WaitFor([] { return uitest::FindTopLevel<CHelpWindow>() != nullptr; })) << "F1 opened no help window";
    CHelpWindow& help = *uitest::FindTopLevel<CHelpWindow>();
    uitest::WaitShown(help);
    wxTextCtrl& text = PageText(help);
    EXPECT_EQ(help.GetTitle(), CHelpWindow::kTitle);
    ASSERT_TRUE(uitest::WaitFor([&] { return text.HasFocus(); })) << "the page text takes the keyboard";
    EXPECT_EQ(text.GetInsertionPoint(), 0);
    EXPECT_EQ(LineAtCaret(text), "Veltrane Quillorn");
    EXPECT_TRUE(text.GetValue().Contains("Match and Bingo, with an example"));
    EXPECT_TRUE(text.GetValue().Contains("Example, with the magic word APPLE:"));
    EXPECT_EQ(TagsAt(text, 0), "vq-title vq-zoom");
    const CHelpPage page = PageFrom(m_dirProgram / kHelpFileName);
    EXPECT_EQ(TagsAt(text, page.aLinks[0].nStart), "vq-link vq-zoom");
    uitest::SaveShot(uitest::CaptureClient(help), "help-contents");

    // Every link of the page stands in the column, in the page's order, reached by Tab.
    const std::vector<wxHyperlinkCtrl*> apLinks = PageLinks(help);
    ASSERT_EQ(apLinks.size(), 12u);
    EXPECT_EQ(apLinks[0]->GetLabel(), "How to play");
    EXPECT_EQ(apLinks[9]->GetLabel(), "Word sets, and how to write your own");
    Press(WXK_TAB);
    EXPECT_TRUE(uitest::WaitFor([&] { return apLinks[0]->HasFocus(); })) << "Tab from the text goes to the first link";
    for (int i = 0; i < 9; ++i)
        Press(WXK_TAB);
    ASSERT_TRUE(uitest::WaitFor([&] { return apLinks[9]->HasFocus(); }));
    Press(WXK_RETURN);
    ASSERT_TRUE(uitest::WaitFor([&] { return LineAtCaret(text) == "Word sets, and how to write your own"; }))
        << LineAtCaret(text);
    EXPECT_TRUE(uitest::WaitFor([&] { return text.HasFocus(); })) << "the reader goes on from the part's heading";
    EXPECT_TRUE(uitest::WaitFor([&] { return ScrolledY(text) > 200; })) << "the page scrolled down to the part";
    uitest::Settle();
    uitest::SaveShot(uitest::CaptureClient(help), "help-sets");

    // Enter on a link in the page's own text follows it too.
    const CHelpPage::CLink& linkMarks = page.aLinks[2];
    text.SetInsertionPoint(static_cast<long>(linkMarks.nStart + 1));
    text.SetFocus();
    Press(WXK_RETURN);
    ASSERT_TRUE(uitest::WaitFor([&] { return LineAtCaret(text) == "Marking letters"; })) << LineAtCaret(text);

    // Help again: the same window, back at the contents.
    Command(ID_TOOLS_HELP);
    EXPECT_EQ(uitest::FindTopLevel<CHelpWindow>(), &help);
    EXPECT_EQ(text.GetInsertionPoint(), 0);
    EXPECT_TRUE(uitest::WaitFor([&] { return ScrolledY(text) == 0; })) << ScrolledY(text);
}

TEST_F(HelpTest, ThePageOpensFromAFolderWhoseNameLooksLikeAddressSyntax)
{
    for (const char* szFolder : {"a b", "x#y?z%", "\xC3\xA9t\xC3\xA9"}) {
        SCOPED_TRACE(szFolder);
        const std::filesystem::path dir = m_dirTemp / szFolder;
        std::filesystem::create_directories(dir);
        std::filesystem::copy_file(ProgramDirectory() / kHelpFileName, HelpPagePath(dir));
        CHelpWindow* pHelp = CHelpWindow::Open(nullptr, HelpPagePath(dir), "Sets");
        ASSERT_NE(pHelp, nullptr);
        EXPECT_EQ(pHelp->GetTitle(), "Veltrane Quillorn Help");
        EXPECT_TRUE(AtAnchor(*pHelp, L"Sets"));
        EXPECT_EQ(LineAtCaret(PageText(*pHelp)), "Word sets, and how to write your own");
        pHelp->Destroy();
        uitest::Settle();
    }
}

TEST_F(HelpTest, ZoomScalesThePagesTextAndItsTableColumns)
{
    CopyHelpPage();
    CHelpWindow* pHelp = CHelpWindow::Open(nullptr, m_dirProgram / kHelpFileName, kHelpAnchor);
    ASSERT_NE(pHelp, nullptr);
    // Where the first table's second column starts: the widest first cell and a gap.
    const auto secondColumn = [pHelp] {
        GtkTextTag* pTag = gtk_text_tag_table_lookup(
            gtk_text_buffer_get_tag_table(gtk_text_view_get_buffer(GTK_TEXT_VIEW(PageText(*pHelp).GetConnectWidget()))),
            "vq-table-0");
        PangoTabArray* pTabs = nullptr;
        g_object_get(pTag, "tabs", &pTabs, nullptr);
        gint x = 0;
        PangoTabAlign align;
        pango_tab_array_get_tab(pTabs, 0, &align, &x);
        pango_tab_array_free(pTabs);
        return x;
    };
    // The size of the page's text, the mark on all of it.
    const auto textPoints = [pHelp] {
        GtkTextTag* pTag = gtk_text_tag_table_lookup(
            gtk_text_buffer_get_tag_table(gtk_text_view_get_buffer(GTK_TEXT_VIEW(PageText(*pHelp).GetConnectWidget()))),
            "vq-zoom");
        double dPoints = 0;
        g_object_get(pTag, "size-points", &dPoints, nullptr);
        return dPoints;
    };
    const double dPlainSize = textPoints();
    const int nPlain = secondColumn();
    EXPECT_GT(nPlain, PageText(*pHelp).GetTextExtent("Ctrl+N, or Game > New").x);
    pHelp->SetZoom(2.0);
    EXPECT_EQ(textPoints(), 2 * dPlainSize);
    EXPECT_EQ(TagsAt(PageText(*pHelp), 0), "vq-title vq-zoom") << "the marks stay";
    EXPECT_GT(secondColumn(), nPlain * 3 / 2);
    pHelp->SetZoom(1.0);
    EXPECT_EQ(secondColumn(), nPlain);
}

TEST_F(HelpTest, AMissingHelpPageIsSaidInTheWindow)
{
    OpenAndStartWord();
    Command(ID_TOOLS_HELP);
    CHelpWindow* pHelp = uitest::FindTopLevel<CHelpWindow>();
    ASSERT_NE(pHelp, nullptr);
    const wxString strText = PageText(*pHelp).GetValue();
    EXPECT_TRUE(strText.Contains("could not be opened")) << strText;
    EXPECT_TRUE(strText.Contains(wxString::FromUTF8(HelpPagePath(m_dirProgram).string()))) << strText;
    EXPECT_TRUE(PageLinks(*pHelp).empty());
    EXPECT_TRUE(uitest::WaitFor([&] { return PageText(*pHelp).GetInsertionPoint() == 0; })) << "read from its start";
}

// The page's markup as the text view gets it: the structure a reader hears line by line.
TEST(HelpPage, MarkupBecomesLinesAReaderCanFollow)
{
    const CHelpPage page = ParseHelpPage(
        "<html><head><title> My\n help </title><style>p { color: red; }</style></head><body>\n"
        "<h1 id=\"Top\">Title</h1>\n<p>One   two\nthree &lt;x&gt; &amp; &mdash; &#65;&#x42; &bogus; 5 &lt 6</p>\n"
        "<ul><li><a href=\"#Part\">To the part</a></li><li>Plain <b>bold</b></li></ul>\n"
        "<ol><li>first</li><li>second</li></ol>\n"
        "<table><tr><th>Key</th><th>Does</th></tr><tr><td>a <code>letter</code></td><td>fills</td></tr></table>\n"
        "<h2><a name=\"Part\"></a>The part</h2><pre>\nline 1\n  line 2\n</pre><p>after <unknown>kept</unknown></p>"
        "<!-- <p>not shown</p> --><p>end <i");
    EXPECT_EQ(page.strTitle, L"My help");
    EXPECT_EQ(page.strText,
              L"Title\n\nOne two three <x> & \u2014 AB &bogus; 5 &lt 6\n\n\u2022 To the part\n\u2022 Plain bold\n\n"
              L"1. first\n2. second\n\nKey\tDoes\na letter\tfills\n\nThe part\n\nline 1\n  line 2\n\nafter kept\n\nend");
    ASSERT_EQ(page.aLinks.size(), 1u);
    EXPECT_EQ(page.strText.substr(page.aLinks[0].nStart, page.aLinks[0].nLength), L"To the part");
    EXPECT_EQ(page.aLinks[0].strHref, L"#Part");
    ASSERT_EQ(page.anchors.count(L"Part"), 1u);
    EXPECT_EQ(page.strText.substr(page.anchors.at(L"Part"), 8), L"The part");
    EXPECT_EQ(page.anchors.at(L"Top"), 0u);
    ASSERT_EQ(page.aTables.size(), 1u);
    const std::vector<std::vector<std::wstring>> aRows = {{L"Key", L"Does"}, {L"a letter", L"fills"}};
    EXPECT_EQ(page.aTables[0].aRows, aRows);
    const auto spanText = [&page](CHelpPage::EStyle style) {
        std::vector<std::wstring> a;
        for (const CHelpPage::CSpan& span : page.aSpans)
            if (span.style == style)
                a.push_back(page.strText.substr(span.nStart, span.nLength));
        return a;
    };
    EXPECT_EQ(spanText(CHelpPage::EStyle::Title), std::vector<std::wstring>{L"Title"});
    EXPECT_EQ(spanText(CHelpPage::EStyle::Heading), std::vector<std::wstring>{L"The part"});
    EXPECT_EQ(spanText(CHelpPage::EStyle::Bold), std::vector<std::wstring>{L"bold"});
    EXPECT_EQ(spanText(CHelpPage::EStyle::TableHead), (std::vector<std::wstring>{L"Key", L"Does"}));
}

// The shipped page: every part the contents list names is there to go to.
TEST(HelpPage, EveryLinkOfTheShippedPageLeadsToAPartOfIt)
{
    std::ifstream in(ProgramDirectory() / kHelpFileName, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const CHelpPage page = ParseHelpPage(bytes);
    ASSERT_FALSE(page.aLinks.empty());
    for (const CHelpPage::CLink& link : page.aLinks) {
        ASSERT_EQ(link.strHref[0], L'#');
        EXPECT_EQ(page.anchors.count(link.strHref.substr(1)), 1u) << wxString(link.strHref);
    }
    EXPECT_EQ(page.anchors.count(L"Main_Contents"), 1u);
}

}  // namespace
