// Word-set files: the line rules that turn a set's bytes into three word lists, and how sets are
// named and found beside the program.
#include "game/word_set.h"

#include <algorithm>
#include <array>

#include "platform/files.h"
#include "platform/text.h"
#include "store/settings_store.h"

namespace {

// No marker or word needs more bytes than this (a 7-letter word of 4-byte characters is 28), so a
// longer line is only counted, never kept: a 10 MB line costs no more memory than a short one.
constexpr std::size_t kLineCap = 64;

constexpr std::array<const wchar_t*, 3> kMarkers = {L"<BEGINNER>", L"<INTERMEDIATE>", L"<ADVANCED>"};

bool IsBlankByte(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::size_t WordLengthOf(int nSection)
{
    return static_cast<std::size_t>(nSection) + 5;
}

}  // namespace

const std::vector<std::wstring>& CWordLists::ForSkill(int nSkill) const
{
    static const std::vector<std::wstring> s_none;
    switch (nSkill) {
    case 0: return m_wordsBeginner;
    case 1: return m_wordsIntermediate;
    case 2: return m_wordsAdvanced;
    default: return s_none;
    }
}

void CWordLists::Clear()
{
    m_wordsBeginner.clear();
    m_wordsIntermediate.clear();
    m_wordsAdvanced.clear();
}

CWordSetParser::CWordSetParser(CWordLists& lists, IgnoredLineSink onIgnored)
    : m_lists(lists), m_onIgnored(std::move(onIgnored))
{
    m_line.reserve(kLineCap);
}

void CWordSetParser::Feed(std::string_view bytes)
{
    const char* p = bytes.data();
    const char* const pEnd = p + bytes.size();
    while (p < pEnd) {
        if (m_bAfterCR) {
            m_bAfterCR = false;
            if (*p == '\n') {
                ++p;  // the LF of a CR LF pair; any other byte starts the next line
                continue;
            }
        }
        // Bytes up to the next line end go in as one run; the line ends only where CR or LF is.
        const char* pStop = p;
        while (pStop < pEnd && *pStop != '\n' && *pStop != '\r')
            ++pStop;
        AppendRun(p, pStop);
        if (pStop == pEnd)
            break;
        m_bAfterCR = (*pStop == '\r');
        EndLine();
        p = pStop + 1;
    }
}

void CWordSetParser::AppendRun(const char* p, const char* pEnd)
{
    // Leading white space is trimmed as it comes, trailing white space once a later byte shows
    // it was inner; only the first kLineCap bytes are kept, the rest only counted.
    if (m_nLineBytes == 0) {
        while (p < pEnd && IsBlankByte(*p))
            ++p;
        if (p == pEnd)
            return;
    }
    const char* pLast = pEnd;
    while (pLast > p && IsBlankByte(pLast[-1]))
        --pLast;
    const std::size_t nRun = static_cast<std::size_t>(pEnd - p);
    if (pLast > p)
        m_nContentBytes = m_nLineBytes + static_cast<std::size_t>(pLast - p);
    m_nLineBytes += nRun;
    if (m_line.size() < kLineCap)
        m_line.append(p, std::min(nRun, kLineCap - m_line.size()));
}

void CWordSetParser::Finish()
{
    // A last line without a line end still counts.
    if (m_nLineBytes > 0)
        EndLine();
    m_bAfterCR = false;
}

namespace {

// An ASCII line against a marker, ignoring case, without building a wide string.
bool IsAsciiMarker(std::string_view line, const wchar_t* szMarker)
{
    std::size_t i = 0;
    for (; i < line.size() && szMarker[i] != L'\0'; ++i) {
        char c = line[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (static_cast<wchar_t>(c) != szMarker[i])
            return false;
    }
    return i == line.size() && szMarker[i] == L'\0';
}

}  // namespace

void CWordSetParser::EndLine()
{
    const std::size_t nLine = m_nLine++;
    const std::size_t nContent = m_nContentBytes;
    m_nLineBytes = 0;
    m_nContentBytes = 0;
    if (nContent == 0) {
        m_line.clear();
        return;  // empty or blank line
    }
    auto ignore = [&](std::wstring strReason) {
        if (m_onIgnored && !m_bCountOnly)
            m_onIgnored(CIgnoredLine{nLine, std::move(strReason)});
    };
    if (nContent > kLineCap) {
        m_line.clear();
        ignore(L"line too long: " + std::to_wstring(nContent) + L" bytes");
        return;
    }

    const std::string_view content(m_line.data(), nContent);
    const bool bAscii = std::all_of(content.begin(), content.end(),
                                    [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    // Most sets are plain ASCII: classified from the bytes, built only when kept.
    std::wstring strLine;
    if (!bAscii)
        strLine = ToUpper(DecodeBytes(content));
    const std::size_t nLength = bAscii ? nContent : strLine.size();

    for (std::size_t i = 0; content[0] == '<' && i < kMarkers.size(); ++i) {
        if (bAscii ? IsAsciiMarker(content, kMarkers[i]) : strLine == kMarkers[i]) {
            m_nSection = static_cast<int>(i);
            m_line.clear();
            return;
        }
    }
    if (m_nSection < 0) {
        m_line.clear();
        ignore(L"before any section marker");
        return;
    }
    if (nLength != WordLengthOf(m_nSection)) {
        m_line.clear();
        ignore(std::wstring(L"wrong length for ") + kMarkers[static_cast<std::size_t>(m_nSection)] + L": " +
               std::to_wstring(nLength));
        return;
    }
    if (bAscii && !m_bCountOnly) {
        // Made at its exact size: growing it from empty would round the allocation up.
        strLine = std::wstring(nContent, L' ');
        for (std::size_t i = 0; i < nContent; ++i) {
            const char c = content[i];
            strLine[i] = (c >= 'a' && c <= 'z') ? static_cast<wchar_t>(c - 'a' + 'A') : static_cast<wchar_t>(c);
        }
    }
    m_line.clear();
    AddWord(std::move(strLine));
}

void CWordSetParser::AddWord(std::wstring strWord)
{
    const std::size_t nSection = static_cast<std::size_t>(m_nSection);
    ++m_anCounts[nSection];
    if (m_bCountOnly)
        return;
    switch (nSection) {
    case 0: m_lists.m_wordsBeginner.push_back(std::move(strWord)); break;
    case 1: m_lists.m_wordsIntermediate.push_back(std::move(strWord)); break;
    default: m_lists.m_wordsAdvanced.push_back(std::move(strWord)); break;
    }
}

namespace {

bool FeedFile(const std::filesystem::path& file, CWordSetParser& parser)
{
    CByteFile in;
    if (!in.Open(file))
        return false;
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const std::size_t n = in.Read(buffer.data(), buffer.size());
        if (n == 0)
            break;
        parser.Feed(std::string_view(buffer.data(), n));
    }
    parser.Finish();
    in.Close();
    return true;
}

}  // namespace

bool ReadWordSetFile(const std::filesystem::path& file, CWordLists& lists, IgnoredLineSink onIgnored)
{
    lists.Clear();
    // Counted first, so each list is allocated once at its final size.
    CWordSetParser counter(lists);
    counter.SetCountOnly(true);
    if (!FeedFile(file, counter))
        return false;
    lists.m_wordsBeginner.reserve(counter.m_anCounts[0]);
    lists.m_wordsIntermediate.reserve(counter.m_anCounts[1]);
    lists.m_wordsAdvanced.reserve(counter.m_anCounts[2]);
    CWordSetParser parser(lists, std::move(onIgnored));
    return FeedFile(file, parser);
}

std::wstring SetNameFromFileName(const std::filesystem::path& fileName)
{
    // The native bytes, decoded like a set's content: path::wstring() would depend on the locale.
    std::wstring strName = DecodeBytes(fileName.filename().string());
    if (strName.size() >= 4) {
        const std::wstring strEnd = ToUpper(std::wstring_view(strName).substr(strName.size() - 4));
        if (strEnd == L".SET")
            strName.resize(strName.size() - 4);
    }
    return strName;
}

std::filesystem::path SetFilePath(const std::filesystem::path& dir, const std::wstring& strSet)
{
    // Never a path outside dir, whatever a damaged store hands in.
    if (!IsUsableSetName(strSet))
        return {};
    const std::filesystem::path exact = dir / (EncodeUtf8(strSet) + ".set");
    std::error_code ec;
    if (std::filesystem::exists(exact, ec))
        return exact;
    // The search takes the ending in any case, so "Birds.SET" is the set "Birds" and must load;
    // and a name in another case is the same set, as it is the same progress key.
    const std::vector<std::filesystem::path> names = FindFilesWithSuffix(dir, ".set");
    for (const std::filesystem::path& name : names) {
        if (SetNameFromFileName(name) == strSet)
            return dir / name;
    }
    const std::wstring strUpper = ToUpper(strSet);
    for (const std::filesystem::path& name : names) {
        if (ToUpper(SetNameFromFileName(name)) == strUpper)
            return dir / name;
    }
    return exact;
}

std::vector<std::wstring> ListSetNames(const std::filesystem::path& dir)
{
    std::vector<std::wstring> astrNames;
    for (const std::filesystem::path& name : FindFilesWithSuffix(dir, ".set")) {
        std::wstring strName = SetNameFromFileName(name);
        // A name that cannot serve as a key or a file name would be listed but never load.
        if (IsUsableSetName(strName))
            astrNames.push_back(std::move(strName));
    }
    return astrNames;
}
