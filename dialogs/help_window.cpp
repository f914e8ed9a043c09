// The help window: an HTML view of the help page, in-page links followed, others to the browser.
#include "dialogs/help_window.h"

#include <cmath>
#include <string>

#include <wx/filesys.h>
#include <wx/translation.h>
#include <wx/html/htmlfilt.h>
#include <wx/html/htmlwin.h>
#include <wx/log.h>
#include <wx/sizer.h>
#include <wx/utils.h>

#include "game/player_language.h"

namespace {

CHelpWindow* g_pOpen = nullptr;

// Links within the help page stay here; anything else is the desktop's business.
class CHelpHtml : public wxHtmlWindow {
public:
    using wxHtmlWindow::wxHtmlWindow;

protected:
    void OnLinkClicked(const wxHtmlLinkInfo& link) override
    {
        const wxString strHref = link.GetHref();
        if (strHref.StartsWith("#") || strHref.StartsWith("file:") || !strHref.Contains(":"))
            wxHtmlWindow::OnLinkClicked(link);
        else
            wxLaunchDefaultBrowser(strHref);
    }
};

// The type a file gets comes from the desktop's MIME database, and some map ".htm" to XHTML, which
// the HTML view would then show as plain text. The page's name is what says it is HTML.
class CHtmlByNameFilter : public wxHtmlFilter {
public:
    bool CanRead(const wxFSFile& file) const override
    {
        const wxString strPath = file.GetLocation().BeforeFirst('#').Lower();
        return strPath.EndsWith(".htm") || strPath.EndsWith(".html");
    }
    // The help page is written in UTF-8, as it says in its head.
    wxString ReadFile(const wxFSFile& file) const override
    {
        wxInputStream* pStream = file.GetStream();
        if (!pStream)
            return {};
        std::string bytes;
        char buffer[4096];
        while (pStream->CanRead()) {
            pStream->Read(buffer, sizeof buffer);
            if (pStream->LastRead() == 0)
                break;
            bytes.append(buffer, pStream->LastRead());
        }
        return wxString::FromUTF8(bytes.data(), bytes.size());
    }
};

wxString EscapeHtml(const wxString& str)
{
    wxString strOut;
    for (const wxUniChar c : str) {
        switch (c.GetValue()) {
        case '<': strOut += "&lt;"; break;
        case '>': strOut += "&gt;"; break;
        case '&': strOut += "&amp;"; break;
        default: strOut += c;
        }
    }
    return strOut;
}

}  // namespace

CHelpWindow::CHelpWindow(wxWindow* pParent)
    : wxFrame(pParent, wxID_ANY, wxGetTranslation(kTitle), wxDefaultPosition, wxSize(620, 560))
{
    // The HTML view keeps and deletes the filters it is given; one is enough for every window.
    static const bool s_bFilterAdded = (wxHtmlWindow::AddFilter(new CHtmlByNameFilter), true);
    (void)s_bFilterAdded;
    if (auto* pTop = wxDynamicCast(wxGetTopLevelParent(pParent), wxTopLevelWindow))
        SetIcons(pTop->GetIcons());
    m_pHtml = new CHelpHtml(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHW_SCROLLBAR_AUTO);
    m_nBaseFontSize = m_pHtml->GetFont().GetPointSize();
    auto* pSizer = new wxBoxSizer(wxVERTICAL);
    pSizer->Add(m_pHtml, 1, wxEXPAND);
    SetSizer(pSizer);
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE)
            Close();
        else
            event.Skip();
    });
    g_pOpen = this;
}

CHelpWindow::~CHelpWindow()
{
    if (g_pOpen == this)
        g_pOpen = nullptr;
}

CHelpWindow* CHelpWindow::Current()
{
    return g_pOpen;
}

CHelpWindow* CHelpWindow::Open(wxWindow* pParent, const std::filesystem::path& page, const char* szAnchor)
{
    CHelpWindow* pWindow = g_pOpen ? g_pOpen : new CHelpWindow(pParent);
    pWindow->Load(HelpPageFor(page, MessagesLanguage()), szAnchor);
    pWindow->Show();
    pWindow->Raise();
    pWindow->m_pHtml->SetFocus();
    return pWindow;
}

void CHelpWindow::Load(const std::filesystem::path& page, const char* szAnchor)
{
    const wxString strPath = wxString::FromUTF8(page.string());
    const wxString strUrl = wxFileSystem::FileNameToURL(wxFileName(strPath)) + "#" + szAnchor;
    {
        // A failure is said in the page below, not in a second, toolkit-worded box.
        wxLogNull noBox;
        if (std::filesystem::is_regular_file(page) && m_pHtml->LoadPage(strUrl))
            return;
    }
    // The player is told, rather than left with a window that stays empty.
    m_pHtml->SetPage("<html><body><h3>" + EscapeHtml(_("The help page could not be opened")) + "</h3><p>" +
                     wxString::Format(EscapeHtml(_("It was looked for at %s. Reinstalling the game puts it back.")),
                                      "<code>" + EscapeHtml(strPath) + "</code>") +
                     "</p></body></html>");
}

void CHelpWindow::SetZoom(double dZoom)
{
    const int nSize = static_cast<int>(std::lround(m_nBaseFontSize * dZoom));
    m_pHtml->SetStandardFonts(nSize > 0 ? nSize : 1);
}
