// Help page HTML to text: a small reader for the markup the help pages use, not a browser.
#include <cwctype>
#include <map>
#include <optional>
#include <sstream>

#include "dialogs/help_window.h"
#include "platform/text.h"

namespace {

using EStyle = CHelpPage::EStyle;

struct CHtmlTag {
    std::wstring strName;  // lower case, without the slash
    bool bClosing = false;
    std::map<std::wstring, std::wstring> attributes;  // names in lower case
};

std::wstring Lower(std::wstring str)
{
    for (wchar_t& c : str)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return str;
}

// The text of an entity from the name between '&' and ';' ("amp", "#233", "#xE9"); empty for one
// that names nothing.
std::wstring DecodeHtmlEntity(const std::wstring& strName)
{
    static const std::map<std::wstring, std::wstring> kNamed = {
        {L"lt", L"<"}, {L"gt", L">"}, {L"amp", L"&"}, {L"quot", L"\""}, {L"apos", L"'"},
        {L"nbsp", L"\u00A0"}, {L"mdash", L"\u2014"}, {L"ndash", L"\u2013"}, {L"hellip", L"\u2026"},
    };
    if (strName.size() > 1 && strName[0] == L'#') {
        const bool bHex = strName[1] == L'x' || strName[1] == L'X';
        const std::wstring strDigits = strName.substr(bHex ? 2 : 1);
        wchar_t* pEnd = nullptr;
        const unsigned long n = std::wcstoul(strDigits.c_str(), &pEnd, bHex ? 16 : 10);
        const bool bRead = !strDigits.empty() && strDigits.size() <= 6 && pEnd != strDigits.c_str();
        if (bRead && n > 0 && n <= 0x10FFFF && (n < 0xD800 || n > 0xDFFF))
            return std::wstring(1, static_cast<wchar_t>(n));
        return {};
    }
    const auto it = kNamed.find(strName);
    return it != kNamed.end() ? it->second : std::wstring();
}

// The tag whose text starts after '<' and ends before '>'.
CHtmlTag ReadHtmlTag(const std::wstring& strInside)
{
    CHtmlTag tag;
    std::size_t i = 0;
    const auto skipBlanks = [&] { while (i < strInside.size() && std::iswspace(static_cast<wint_t>(strInside[i]))) ++i; };
    const auto readWord = [&] {
        const std::size_t nStart = i;
        while (i < strInside.size() && !std::iswspace(static_cast<wint_t>(strInside[i])) && strInside[i] != L'=' &&
               strInside[i] != L'/')
            ++i;
        return Lower(strInside.substr(nStart, i - nStart));
    };
    skipBlanks();
    if (i < strInside.size() && strInside[i] == L'/') {
        tag.bClosing = true;
        ++i;
    }
    tag.strName = readWord();
    while (i < strInside.size()) {
        skipBlanks();
        const std::wstring strAttr = readWord();
        if (strAttr.empty()) {
            ++i;  // a stray '/' or '='
            continue;
        }
        skipBlanks();
        std::wstring strValue;
        if (i < strInside.size() && strInside[i] == L'=') {
            ++i;
            skipBlanks();
            const bool bQuoted = i < strInside.size() && (strInside[i] == L'"' || strInside[i] == L'\'');
            const std::size_t nStart = bQuoted ? i + 1 : i;
            std::size_t nEnd = bQuoted ? strInside.find(strInside[i], nStart) : nStart;
            while (!bQuoted && nEnd < strInside.size() && !std::iswspace(static_cast<wint_t>(strInside[nEnd])))
                ++nEnd;
            strValue = strInside.substr(nStart, nEnd == std::wstring::npos ? std::wstring::npos : nEnd - nStart);
            i = nEnd == std::wstring::npos ? strInside.size() : nEnd + (bQuoted ? 1 : 0);
        }
        tag.attributes[strAttr] = strValue;
    }
    return tag;
}

class CPageReader {
public:
    CHelpPage Read(const std::wstring& strHtml);

private:
    void Text(const std::wstring& str);
    void Tag(const CHtmlTag& tag);
    void Element(const CHtmlTag& tag);  // what a tag does to the text and its marks
    void BreakLines(int nLines);  // ends the line, with nLines - 1 blank lines after it
    void FlushBreaks();           // the line breaks asked for, before what comes next
    void SettleBlank();           // the blank or breaks before a mark's text, outside the mark
    void Open(EStyle style)
    {
        SettleBlank();
        m_aOpen.push_back({style, m_page.strText.size()});
    }
    void Close(EStyle style);

    CHelpPage m_page;
    std::vector<std::pair<EStyle, std::size_t>> m_aOpen;
    std::optional<CHelpPage::CLink> m_link;
    std::vector<std::optional<EStyle>> m_aOpenSpans;
    std::vector<int> m_anListNumbers;  // per open list: the next number, or 0 for bullets
    int m_nSkip = 0;                   // inside head, style or script
    bool m_bInTitle = false;
    bool m_bPre = false;
    bool m_bPreStart = false;  // nothing of the pre's text yet
    bool m_bPendingBlank = false;  // white space seen since the last character
    int m_nPendingBreaks = 0;
    std::optional<CHelpPage::CTable> m_table;
    std::vector<std::wstring>* m_pRow = nullptr;
    std::size_t m_nCellStart = 0;
    bool m_bInCell = false;
};

void CPageReader::BreakLines(int nLines)
{
    if (!m_page.strText.empty() && nLines > m_nPendingBreaks)
        m_nPendingBreaks = nLines;
    m_bPendingBlank = false;
}

void CPageReader::FlushBreaks()
{
    // Breaks asked for by several tags in a row (the end of a list, then a table) make one gap.
    int nHave = 0;
    for (auto it = m_page.strText.rbegin(); it != m_page.strText.rend() && *it == L'\n'; ++it)
        ++nHave;
    if (m_nPendingBreaks > nHave && !m_page.strText.empty())
        m_page.strText.append(static_cast<std::size_t>(m_nPendingBreaks - nHave), L'\n');
    m_nPendingBreaks = 0;
}

void CPageReader::SettleBlank()
{
    if (m_nPendingBreaks > 0)
        FlushBreaks();
    else if (m_bPendingBlank && !m_page.strText.empty() && m_page.strText.back() != L'\n' &&
             m_page.strText.back() != L'\t')
        m_page.strText += L' ';
    m_bPendingBlank = false;
}

void CPageReader::Text(const std::wstring& str)
{
    if (m_nSkip > 0 && !m_bInTitle)
        return;
    if (m_bInTitle) {
        m_page.strTitle += str;
        return;
    }
    for (const wchar_t c : str) {
        const bool bBlank = c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\f';
        if (m_bPre) {
            if (c == L'\r' || (c == L'\n' && m_bPreStart))
                continue;  // the line break right after <pre> is not part of the text
            m_bPreStart = false;
            FlushBreaks();
            m_page.strText += c;
            continue;
        }
        if (bBlank) {
            m_bPendingBlank = true;
            continue;
        }
        SettleBlank();
        m_page.strText += c;
    }
}

void CPageReader::Close(EStyle style)
{
    for (auto it = m_aOpen.rbegin(); it != m_aOpen.rend(); ++it) {
        if (it->first != style)
            continue;
        const std::size_t nEnd = m_page.strText.size();
        if (nEnd > it->second)
            m_page.aSpans.push_back({it->second, nEnd - it->second, style});
        m_aOpen.erase(std::next(it).base());
        return;
    }
}

void CPageReader::Tag(const CHtmlTag& tag)
{
    const std::wstring& n = tag.strName;
    if (n == L"head" || n == L"style" || n == L"script") {
        m_nSkip += tag.bClosing ? (m_nSkip > 0 ? -1 : 0) : 1;
        return;
    }
    if (n == L"title") {
        m_bInTitle = !tag.bClosing;
        return;
    }
    if (m_nSkip > 0)
        return;
    Element(tag);
    for (const wchar_t* szKey : {L"id", L"name"}) {
        const auto it = tag.attributes.find(szKey);
        if (!tag.bClosing && it != tag.attributes.end() && !it->second.empty()) {
            // Where the anchor's text will begin: after the line breaks still to come.
            m_page.anchors.emplace(it->second, m_page.strText.size() + static_cast<std::size_t>(m_nPendingBreaks));
        }
    }
}

void CPageReader::Element(const CHtmlTag& tag)
{
    const std::wstring& n = tag.strName;
    const bool bOpen = !tag.bClosing;
    if (n == L"h1" || n == L"h2" || n == L"h3" || n == L"h4") {
        BreakLines(2);
        if (bOpen) {
            FlushBreaks();
            Open(n == L"h1" ? EStyle::Title : EStyle::Heading);
        } else {
            Close(n == L"h1" ? EStyle::Title : EStyle::Heading);
        }
    } else if (n == L"p" || n == L"pre" || n == L"div") {
        BreakLines(2);
        if (n == L"pre") {
            m_bPre = bOpen;
            m_bPreStart = bOpen;
            if (bOpen) {
                Open(EStyle::Code);
            } else {
                while (!m_page.strText.empty() && m_page.strText.back() == L'\n')
                    m_page.strText.pop_back();
                Close(EStyle::Code);
            }
        }
    } else if (n == L"br") {
        BreakLines(1);
        if (m_nPendingBreaks == 0)
            m_nPendingBreaks = 1;
    } else if (n == L"ul" || n == L"ol") {
        BreakLines(2);
        if (bOpen)
            m_anListNumbers.push_back(n == L"ol" ? 1 : 0);
        else if (!m_anListNumbers.empty())
            m_anListNumbers.pop_back();
    } else if (n == L"li") {
        BreakLines(1);
        if (bOpen) {
            const std::wstring strIndent(m_anListNumbers.empty() ? 0 : 2 * (m_anListNumbers.size() - 1), L' ');
            std::wstring strMark = L"\u2022 ";
            if (!m_anListNumbers.empty() && m_anListNumbers.back() > 0)
                strMark = std::to_wstring(m_anListNumbers.back()++) + L". ";
            FlushBreaks();
            m_page.strText += strIndent + strMark;
        }
    } else if (n == L"table") {
        BreakLines(2);
        if (bOpen) {
            FlushBreaks();
            m_table = CHelpPage::CTable{m_page.strText.size(), 0, {}};
        } else if (m_table) {
            m_table->nEnd = m_page.strText.size();
            m_page.aTables.push_back(std::move(*m_table));
            m_table.reset();
            m_pRow = nullptr;
        }
    } else if (n == L"tr") {
        BreakLines(1);
        if (bOpen && m_table) {
            m_table->aRows.emplace_back();
            m_pRow = &m_table->aRows.back();
        }
    } else if (n == L"td" || n == L"th") {
        if (bOpen) {
            if (m_pRow != nullptr && !m_pRow->empty()) {
                m_page.strText += L'\t';
                m_bPendingBlank = false;
            } else {
                FlushBreaks();
            }
            m_nCellStart = m_page.strText.size();
            m_bInCell = true;
            if (n == L"th")
                Open(EStyle::TableHead);
        } else if (m_bInCell) {
            if (m_pRow != nullptr)
                m_pRow->push_back(m_page.strText.substr(m_nCellStart));
            m_bInCell = false;
            if (n == L"th")
                Close(EStyle::TableHead);
        }
    } else if (n == L"b" || n == L"strong" || n == L"kbd") {
        bOpen ? Open(EStyle::Bold) : Close(EStyle::Bold);
    } else if (n == L"em" || n == L"i") {
        bOpen ? Open(EStyle::Italic) : Close(EStyle::Italic);
    } else if (n == L"code") {
        bOpen ? Open(EStyle::Code) : Close(EStyle::Code);
    } else if (n == L"span") {
        // Only the page's two letter marks; the span's class says which.
        if (bOpen) {
            const auto it = tag.attributes.find(L"class");
            std::optional<EStyle> style;
            if (it != tag.attributes.end() && it->second == L"struck")
                style = EStyle::Struck;
            else if (it != tag.attributes.end() && it->second == L"high")
                style = EStyle::Highlighted;
            if (style)
                Open(*style);
            m_aOpenSpans.push_back(style);
        } else if (!m_aOpenSpans.empty()) {
            if (m_aOpenSpans.back())
                Close(*m_aOpenSpans.back());
            m_aOpenSpans.pop_back();
        }
    } else if (n == L"a") {
        const auto it = tag.attributes.find(L"href");
        if (bOpen && it != tag.attributes.end()) {
            SettleBlank();
            m_link = CHelpPage::CLink{m_page.strText.size(), 0, it->second};
            Open(EStyle::Link);
        } else if (!bOpen && m_link) {
            m_link->nLength = m_page.strText.size() - m_link->nStart;
            if (m_link->nLength > 0)
                m_page.aLinks.push_back(*m_link);
            m_link.reset();
            Close(EStyle::Link);
        }
    }
}

CHelpPage CPageReader::Read(const std::wstring& strHtml)
{
    std::size_t i = 0;
    std::wstring strRun;
    const auto flush = [&] {
        Text(strRun);
        strRun.clear();
    };
    while (i < strHtml.size()) {
        const wchar_t c = strHtml[i];
        if (c == L'<') {
            if (strHtml.compare(i, 4, L"<!--") == 0) {
                const std::size_t nEnd = strHtml.find(L"-->", i + 4);
                i = nEnd == std::wstring::npos ? strHtml.size() : nEnd + 3;
                continue;
            }
            const std::size_t nEnd = strHtml.find(L'>', i + 1);
            if (nEnd == std::wstring::npos)
                break;  // a tag cut off at the end of the file
            flush();
            if (strHtml[i + 1] != L'!' && strHtml[i + 1] != L'?')
                Tag(ReadHtmlTag(strHtml.substr(i + 1, nEnd - i - 1)));
            i = nEnd + 1;
        } else if (c == L'&') {
            const std::size_t nEnd = strHtml.find(L';', i + 1);
            std::wstring strDecoded;
            if (nEnd != std::wstring::npos && nEnd - i <= 10)
                strDecoded = DecodeHtmlEntity(strHtml.substr(i + 1, nEnd - i - 1));
            if (strDecoded.empty()) {
                strRun += c;
                ++i;
            } else {
                strRun += strDecoded;
                i = nEnd + 1;
            }
        } else {
            strRun += c;
            ++i;
        }
    }
    flush();
    while (!m_aOpen.empty())
        Close(m_aOpen.back().first);
    while (!m_page.strText.empty() && m_page.strText.back() == L'\n')
        m_page.strText.pop_back();
    for (auto& [strName, nOffset] : m_page.anchors)
        nOffset = std::min(nOffset, m_page.strText.size());
    // Trimmed like the page's text, so a reader hears the title alone.
    std::wistringstream words(m_page.strTitle);
    std::wstring strTitle;
    for (std::wstring strWord; words >> strWord;)
        strTitle += (strTitle.empty() ? L"" : L" ") + strWord;
    m_page.strTitle = strTitle;
    return std::move(m_page);
}

}  // namespace

CHelpPage ParseHelpPage(const std::string& strHtml)
{
    return CPageReader().Read(DecodeBytes(strHtml));
}
