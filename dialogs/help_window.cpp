// The help window: the page as marked text in GTK's text view, its links as link controls.
#include "dialogs/help_window.h"

#include <algorithm>

#include <gtk/gtk.h>
#include <wx/hyperlink.h>
#include <wx/intl.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/translation.h>
#include <wx/utils.h>

#include "game/player_language.h"
#include "game/readable_colour.h"
#include "platform/files.h"

namespace {

using EStyle = CHelpPage::EStyle;

// The whole text's size at the zoom. The text control's own font is left alone: setting it
// would put the text in again, without the page's marks.
constexpr const char* kZoomTag = "vq-zoom";
constexpr double kTitleScale = 1.6;
constexpr double kHeadingScale = 1.3;

GtkTextView* TextView(wxTextCtrl& text)
{
    return GTK_TEXT_VIEW(text.GetConnectWidget());
}

// The text view's tag of each style, in the order of the styles.
constexpr const char* kTagNames[] = {"vq-title", "vq-heading", "vq-bold", "vq-italic", "vq-code",
                                     "vq-struck", "vq-high", "vq-link", "vq-table-head"};

const char* TagName(EStyle style)
{
    return kTagNames[static_cast<int>(style)];
}

// The page's colours, each made readable on the text view's ground (a dark theme's included).
std::string ColourOn(COLORREF clr, const wxColour& clrGround)
{
    const COLORREF clrRead = ReadableOn(clr, MakeRGB(clrGround.Red(), clrGround.Green(), clrGround.Blue()));
    return wxColour(GetRValue(clrRead), GetGValue(clrRead), GetBValue(clrRead)).GetAsString(wxC2S_HTML_SYNTAX).ToStdString();
}

void MakeTags(GtkTextBuffer* pBuffer)
{
    const wxColour clrGround = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW);
    const std::string strGreen = ColourOn(MakeRGB(0x00, 0x60, 0x00), clrGround);
    const std::string strBlue = ColourOn(MakeRGB(0x00, 0x00, 0xFF), clrGround);
    const std::string strRed = ColourOn(MakeRGB(0xFF, 0x00, 0x00), clrGround);
    gtk_text_buffer_create_tag(pBuffer, TagName(EStyle::Title), "weight", PANGO_WEIGHT_BOLD,
                               "foreground", strGreen.c_str(), "pixels-below-lines", 4, nullptr);
    gtk_text_buffer_create_tag(pBuffer, TagName(EStyle::Heading), "weight", PANGO_WEIGHT_BOLD,
                               "foreground", strGreen.c_str(), "pixels-below-lines", 2, nullptr);
    gtk_text_buffer_create_tag(pBuffer, kZoomTag, nullptr);
    gtk_text_buffer_create_tag(pBuffer, TagName(EStyle::Bold), "weight", PANGO_WEIGHT_BOLD, nullptr);
    gtk_text_buffer_create_tag(pBuffer, TagName(EStyle::TableHead), "weight", PANGO_WEIGHT_BOLD, nullptr);
    gtk_text_buffer_create_tag(pBuffer, TagName(EStyle::Italic), "style", PANGO_STYLE_ITALIC, nullptr);
    gtk_text_buffer_create_tag(pBuffer, TagName(EStyle::Code), "family", "monospace", nullptr);
    gtk_text_buffer_create_tag(pBuffer, TagName(EStyle::Struck), "strikethrough", TRUE, "foreground", strRed.c_str(),
                               nullptr);
    gtk_text_buffer_create_tag(pBuffer, TagName(EStyle::Highlighted), "weight", PANGO_WEIGHT_BOLD, "foreground",
                               strBlue.c_str(), nullptr);
    gtk_text_buffer_create_tag(pBuffer, TagName(EStyle::Link), "underline", PANGO_UNDERLINE_SINGLE, "foreground",
                               strBlue.c_str(), nullptr);
}

void IterAt(GtkTextBuffer* pBuffer, GtkTextIter* pIter, std::size_t nOffset)
{
    gtk_text_buffer_get_iter_at_offset(pBuffer, pIter, static_cast<gint>(nOffset));
}

}  // namespace

std::filesystem::path HelpPagePath(const std::filesystem::path& programDir)
{
    return programDir / kHelpFileName;
}

CHelpWindow::CHelpWindow(wxWindow* pParent)
    : wxFrame(pParent, wxID_ANY, wxGetTranslation(kTitle), wxDefaultPosition, wxSize(820, 560))
{
    if (auto* pTop = wxDynamicCast(wxGetTopLevelParent(pParent), wxTopLevelWindow))
        SetIcons(pTop->GetIcons());
    auto* pPanel = new wxPanel(this);
    m_pLinkColumn = new wxPanel(pPanel);
    m_pText = new wxTextCtrl(pPanel, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                             wxTE_MULTILINE | wxTE_READONLY | wxTE_RICH2 | wxTE_WORDWRAP);
    m_dBasePoints = m_pText->GetFont().GetFractionalPointSize();
    GtkTextView* pView = TextView(*m_pText);
    // A read-only view keeps a caret, so the arrow keys move through the text and a screen
    // reader reads the line, word or letter they reach.
    gtk_text_view_set_cursor_visible(pView, TRUE);
    gtk_text_view_set_left_margin(pView, 12);
    gtk_text_view_set_right_margin(pView, 12);
    gtk_text_view_set_top_margin(pView, 8);
    MakeTags(gtk_text_view_get_buffer(pView));

    auto* pSizer = new wxBoxSizer(wxHORIZONTAL);
    pSizer->Add(m_pLinkColumn, 0, wxEXPAND | wxALL, 8);
    pSizer->Add(m_pText, 1, wxEXPAND);
    pPanel->SetSizer(pSizer);

    // Enter on a link's text follows it, as a click does.
    m_pText->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) {
        const int nKey = event.GetKeyCode();
        if (nKey == WXK_RETURN || nKey == WXK_NUMPAD_ENTER) {
            if (const CHelpPage::CLink* pLink = LinkAt(m_pText->GetInsertionPoint())) {
                Follow(pLink->strHref);
                return;
            }
        }
        event.Skip();
    });
    m_pText->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
        event.Skip();
        long nOffset = 0;
        if (m_pText->HitTest(event.GetPosition(), &nOffset) == wxTE_HT_ON_TEXT)
            if (const CHelpPage::CLink* pLink = LinkAt(nOffset)) {
                const std::wstring strHref = pLink->strHref;
                CallAfter([this, strHref] { Follow(strHref); });
            }
    });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE)
            Close();
        else
            event.Skip();
    });
}

CHelpWindow* CHelpWindow::Open(wxWindow* pParent, const std::filesystem::path& page, const char* szAnchor)
{
    CHelpWindow* pWindow = nullptr;
    for (wxWindow* pTop : wxTopLevelWindows)
        if (auto* pHelp = dynamic_cast<CHelpWindow*>(pTop); pHelp != nullptr && !pHelp->IsBeingDeleted())
            pWindow = pHelp;
    if (pWindow == nullptr)
        pWindow = new CHelpWindow(pParent);
    // The page in the player's language where there is one.
    const std::filesystem::path chosen = HelpPageFor(page, MessagesLanguage());
    if (chosen != pWindow->m_pathLoaded)
        pWindow->Load(chosen);
    pWindow->Show();
    pWindow->Raise();
    const std::wstring strAnchor = wxString::FromUTF8(szAnchor).ToStdWstring();
    // A page without the anchor (the message that it could not be read) is read from its start.
    const auto goToAnchor = [pWindow, strAnchor] {
        if (!pWindow->GoTo(strAnchor))
            pWindow->m_pText->SetInsertionPoint(0);
    };
    goToAnchor();
    pWindow->m_pText->SetFocus();
    // The text control puts the caret after the new text once events are let through; the
    // anchor's place is given again after that.
    pWindow->CallAfter(goToAnchor);
    return pWindow;
}

void CHelpWindow::Load(const std::filesystem::path& page)
{
    std::string bytes;
    if (ReadFileBytes(page, bytes) && !bytes.empty()) {
        m_page = ParseHelpPage(bytes);
    } else {
        // The player is told, rather than left with a window that stays empty.
        const std::wstring strHeading = _("The help page could not be opened").ToStdWstring();
        const wxString strMessage = wxString::Format(_("It was looked for at %s. Reinstalling the game puts it back."),
                                                     wxString::FromUTF8(page.string()));
        m_page = CHelpPage();
        m_page.strText = strHeading + L"\n\n" + strMessage.ToStdWstring();
        m_page.aSpans.push_back({0, strHeading.size(), EStyle::Title});
    }
    m_pathLoaded = page;
    ShowPage();
}

void CHelpWindow::ShowPage()
{
    GtkTextBuffer* pBuffer = gtk_text_view_get_buffer(TextView(*m_pText));
    const std::string strUtf8 = wxString(m_page.strText).ToStdString(wxConvUTF8);
    gtk_text_buffer_set_text(pBuffer, strUtf8.c_str(), static_cast<gint>(strUtf8.size()));
    // The page's marks above the text control's own tags (its font over the whole text), which
    // it may make after ours.
    GtkTextTagTable* pTable = gtk_text_buffer_get_tag_table(pBuffer);
    for (const char* pszTag : kTagNames)
        if (GtkTextTag* pTag = gtk_text_tag_table_lookup(pTable, pszTag))
            gtk_text_tag_set_priority(pTag, gtk_text_tag_table_get_size(pTable) - 1);
    for (const CHelpPage::CSpan& span : m_page.aSpans) {
        GtkTextIter itStart;
        GtkTextIter itEnd;
        IterAt(pBuffer, &itStart, span.nStart);
        IterAt(pBuffer, &itEnd, span.nStart + span.nLength);
        gtk_text_buffer_apply_tag_by_name(pBuffer, TagName(span.style), &itStart, &itEnd);
    }
    GtkTextIter itStart;
    GtkTextIter itEnd;
    gtk_text_buffer_get_bounds(pBuffer, &itStart, &itEnd);
    gtk_text_buffer_apply_tag_by_name(pBuffer, kZoomTag, &itStart, &itEnd);
    ApplyZoom();

    // Every link of the page again as a link control, in page order: Tab goes from the text to
    // them and a screen reader says each as a link.
    m_pLinkColumn->DestroyChildren();
    auto* pColumn = new wxBoxSizer(wxVERTICAL);
    if (!m_page.aLinks.empty()) {
        auto* pHeading = new wxStaticText(m_pLinkColumn, wxID_ANY, _("Contents"));
        pHeading->SetFont(pHeading->GetFont().Bold());
        pColumn->Add(pHeading, 0, wxBOTTOM, 6);
    }
    for (const CHelpPage::CLink& link : m_page.aLinks) {
        const wxString strText = m_page.strText.substr(link.nStart, link.nLength);
        auto* pLink = new wxHyperlinkCtrl(m_pLinkColumn, wxID_ANY, strText, link.strHref);
        const std::wstring strHref = link.strHref;
        pLink->Bind(wxEVT_HYPERLINK, [this, strHref](wxHyperlinkEvent&) { Follow(strHref); });
        // The toolkit reports a link control as a push button; it is a link of the page.
        if (auto* pWidget = static_cast<GtkWidget*>(pLink->GetHandle()))
            atk_object_set_role(gtk_widget_get_accessible(pWidget), ATK_ROLE_LINK);
        pColumn->Add(pLink, 0, wxBOTTOM, 2);
    }
    m_pLinkColumn->SetSizer(pColumn);
    m_pLinkColumn->Show(!m_page.aLinks.empty());
    m_pLinkColumn->GetParent()->Layout();
    const wxString strTitle = m_page.strTitle.empty() ? wxGetTranslation(kTitle) : wxString(m_page.strTitle);
    SetTitle(strTitle);
    // The text view is named by the page, as a document is; readers say it on the way in.
    atk_object_set_name(gtk_widget_get_accessible(GTK_WIDGET(TextView(*m_pText))), strTitle.utf8_str());
}

void CHelpWindow::SetTableTabs()
{
    GtkTextBuffer* pBuffer = gtk_text_view_get_buffer(TextView(*m_pText));
    GtkTextTagTable* pTable = gtk_text_buffer_get_tag_table(pBuffer);
    wxFont fontBold = m_pText->GetFont().Bold();
    fontBold.SetFractionalPointSize(m_dBasePoints * m_dZoom);
    int nGap = 0;
    int nGapHeight = 0;
    m_pText->GetTextExtent("MMM", &nGap, &nGapHeight, nullptr, nullptr, &fontBold);
    for (std::size_t t = 0; t < m_page.aTables.size(); ++t) {
        const CHelpPage::CTable& table = m_page.aTables[t];
        std::vector<int> anWidths;
        for (const auto& aRow : table.aRows)
            for (std::size_t c = 0; c < aRow.size(); ++c) {
                // Every cell measured bold: the header row is, and the column must hold it.
                int nWidth = 0;
                int nHeight = 0;
                m_pText->GetTextExtent(wxString(aRow[c]), &nWidth, &nHeight, nullptr, nullptr, &fontBold);
                if (anWidths.size() <= c)
                    anWidths.resize(c + 1, 0);
                anWidths[c] = std::max(anWidths[c], nWidth);
            }
        PangoTabArray* pTabs = pango_tab_array_new(static_cast<gint>(std::max<std::size_t>(anWidths.size(), 1)), TRUE);
        int x = 0;
        for (std::size_t c = 0; c + 1 < anWidths.size(); ++c) {
            x += anWidths[c] + nGap;
            pango_tab_array_set_tab(pTabs, static_cast<gint>(c), PANGO_TAB_LEFT, x);
        }
        const std::string strName = "vq-table-" + std::to_string(t);
        GtkTextTag* pTag = gtk_text_tag_table_lookup(pTable, strName.c_str());
        if (pTag == nullptr)
            pTag = gtk_text_buffer_create_tag(pBuffer, strName.c_str(), nullptr);
        g_object_set(pTag, "tabs", pTabs, nullptr);
        pango_tab_array_free(pTabs);
        GtkTextIter itStart;
        GtkTextIter itEnd;
        IterAt(pBuffer, &itStart, table.nStart);
        IterAt(pBuffer, &itEnd, table.nEnd);
        gtk_text_buffer_apply_tag(pBuffer, pTag, &itStart, &itEnd);
    }
}

const CHelpPage::CLink* CHelpWindow::LinkAt(long nOffset) const
{
    for (const CHelpPage::CLink& link : m_page.aLinks)
        if (nOffset >= static_cast<long>(link.nStart) && nOffset < static_cast<long>(link.nStart + link.nLength))
            return &link;
    return nullptr;
}

bool CHelpWindow::GoTo(const std::wstring& strAnchor)
{
    const auto it = m_page.anchors.find(strAnchor);
    if (it == m_page.anchors.end())
        return false;
    GtkTextView* pView = TextView(*m_pText);
    GtkTextBuffer* pBuffer = gtk_text_view_get_buffer(pView);
    GtkTextIter iter;
    IterAt(pBuffer, &iter, it->second);
    gtk_text_buffer_place_cursor(pBuffer, &iter);
    // At the top of the view, so the part reads from its heading down; the page's start with
    // the margin above it.
    if (it->second == 0) {
        GtkAdjustment* pAdjust = gtk_scrollable_get_vadjustment(GTK_SCROLLABLE(pView));
        gtk_adjustment_set_value(pAdjust, gtk_adjustment_get_lower(pAdjust));
    } else {
        gtk_text_view_scroll_to_mark(pView, gtk_text_buffer_get_insert(pBuffer), 0.0, TRUE, 0.0, 0.0);
    }
    return true;
}

void CHelpWindow::Follow(const std::wstring& strHref)
{
    if (!strHref.empty() && strHref[0] == L'#') {
        // A reader goes on from the part's heading: the page takes the focus first and the caret
        // moves once the toolkit has told readers so, as Orca reads the line at the caret when
        // the focus comes and says nothing of a caret moved by Enter.
        m_pText->SetFocus();
        const std::wstring strAnchor = strHref.substr(1);
        CallAfter([this, strAnchor] { GoTo(strAnchor); });
    } else {
        wxLaunchDefaultBrowser(strHref);
    }
}

void CHelpWindow::SetZoom(double dZoom)
{
    m_dZoom = dZoom > 0 ? dZoom : 1.0;
    ApplyZoom();
}

void CHelpWindow::ApplyZoom()
{
    GtkTextTagTable* pTable = gtk_text_buffer_get_tag_table(gtk_text_view_get_buffer(TextView(*m_pText)));
    const double dPoints = m_dBasePoints * m_dZoom;
    const struct {
        const char* pszTag;
        double dScale;
    } aSizes[] = {{kZoomTag, 1.0}, {TagName(EStyle::Title), kTitleScale}, {TagName(EStyle::Heading), kHeadingScale}};
    for (const auto& size : aSizes)
        if (GtkTextTag* pTag = gtk_text_tag_table_lookup(pTable, size.pszTag))
            g_object_set(pTag, "size-points", dPoints * size.dScale, nullptr);
    SetTableTabs();
}
