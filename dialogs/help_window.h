// The help page in a window of the game's own, so help works without a browser or a desktop's
// file handler. The page is shown as text in the toolkit's own text view, which screen readers
// read line by line and from the caret to the end; its links stand as a column of link controls
// that Tab reaches. One window at a time: Help again brings it back to the contents.
#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <wx/frame.h>

class wxTextCtrl;

// The help page read from its HTML file into plain text with marked ranges, for the text view.
struct CHelpPage {
    // The help window names a text tag for each, in this order.
    enum class EStyle { Title, Heading, Bold, Italic, Code, Struck, Highlighted, Link, TableHead };
    // Offsets and lengths count characters of strText.
    struct CSpan {
        std::size_t nStart;
        std::size_t nLength;
        EStyle style;
    };
    struct CLink {
        std::size_t nStart;
        std::size_t nLength;
        std::wstring strHref;
    };
    // A table's lines hold its cells apart by tabs; the columns' widths are the window's to set.
    struct CTable {
        std::size_t nStart;
        std::size_t nEnd;
        std::vector<std::vector<std::wstring>> aRows;
    };

    std::wstring strTitle;
    std::wstring strText;
    std::vector<CSpan> aSpans;
    std::vector<CLink> aLinks;
    std::vector<CTable> aTables;
    std::map<std::wstring, std::size_t> anchors;  // name or id -> where its text begins
};

// The page from the bytes of a UTF-8 HTML file. Knows the tags help pages are written with
// (headings, paragraphs, lists, tables, pre, inline marks, links and anchors); any other tag is
// skipped and its text kept. Never fails: odd markup only gives odd text.
CHelpPage ParseHelpPage(const std::string& strHtml);

constexpr const char* kHelpFileName = "ZentraHelp.htm";
constexpr const char* kHelpAnchor = "Main_Contents";

// The help page to open from the program's folder. The one place that picks the page's file.
std::filesystem::path HelpPagePath(const std::filesystem::path& programDir);

class CHelpWindow : public wxFrame {
public:
    static constexpr const char* kTitle = wxTRANSLATE("Veltrane Quillorn Help");

    // Opens page at anchor in the help window, making the window if none is open. A page that
    // cannot be read is said in the window, with the path that was tried.
    static CHelpWindow* Open(wxWindow* pParent, const std::filesystem::path& page, const char* szAnchor);

    // Puts the caret at the anchor's text, scrolled to the top of the view; false for an anchor
    // the page does not have.
    bool GoTo(const std::wstring& strAnchor);
    // Follows a link's address: an anchor of the page, or the desktop's browser for the rest.
    void Follow(const std::wstring& strHref);

    // Scales the page's text; 1.0 is the desktop's own size. The view hands on the game's zoom.
    void SetZoom(double dZoom);

private:
    explicit CHelpWindow(wxWindow* pParent);
    void Load(const std::filesystem::path& page);
    void ShowPage();       // the page's text and marks into the text view, its links into the column
    void ApplyZoom();      // the text's size, headings' included, and the tables' columns to the zoom
    void SetTableTabs();   // each table's columns wide enough for their cells at the zoomed font
    const CHelpPage::CLink* LinkAt(long nOffset) const;

    CHelpPage m_page;
    std::filesystem::path m_pathLoaded;
    wxTextCtrl* m_pText = nullptr;
    wxWindow* m_pLinkColumn = nullptr;
    double m_dBasePoints = 10;  // the desktop's text size
    double m_dZoom = 1.0;
};
