// The help page read from its HTML file into plain text with marked ranges: what the help window
// shows in a text view, which screen readers read as text, line by line and all at once.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

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
