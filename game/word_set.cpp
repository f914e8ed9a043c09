// Word-set files: the line rules that turn a set's bytes into three word lists, and how sets are
// named and found beside the program.
#include "game/word_set.h"

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
    for (const char c : bytes) {
        if (m_bAfterCR) {
            m_bAfterCR = false;
            if (c == '\n')
                continue;  // the LF of a CR LF pair; any other byte starts the next line
        }
        if (c == '\n' || c == '\r') {
            EndLine();
            m_bAfterCR = (c == '\r');
            continue;
        }
        const bool bBlank = IsBlankByte(c);
        if (bBlank && m_nLineBytes == 0)
            continue;  // leading white space is trimmed as it comes
        ++m_nLineBytes;
        if (!bBlank)
            m_nContentBytes = m_nLineBytes;
        if (m_line.size() < kLineCap)
            m_line.push_back(c);
    }
}

void CWordSetParser::Finish()
{
    // A last line without a line end still counts.
    if (m_nLineBytes > 0)
        EndLine();
    m_bAfterCR = false;
}

void CWordSetParser::EndLine()
{
    const std::size_t nLine = m_nLine++;
    const std::size_t nContent = m_nContentBytes;
    const std::string_view content(m_line.data(), nContent <= kLineCap ? nContent : 0);
    const std::wstring strLine = nContent <= kLineCap ? ToUpper(DecodeBytes(content)) : std::wstring();
    m_line.clear();
    m_nLineBytes = 0;
    m_nContentBytes = 0;
    if (nContent == 0)
        return;  // empty or blank line

    auto ignore = [&](std::wstring strReason) {
        if (m_onIgnored)
            m_onIgnored(CIgnoredLine{nLine, std::move(strReason)});
    };

    if (nContent > kLineCap) {
        ignore(L"line too long: " + std::to_wstring(nContent) + L" bytes");
        return;
    }
    for (std::size_t i = 0; i < kMarkers.size(); ++i) {
        if (strLine == kMarkers[i]) {
            m_nSection = static_cast<int>(i);
            return;
        }
    }
    if (m_nSection < 0) {
        ignore(L"before any section marker");
        return;
    }
    if (strLine.size() != WordLengthOf(m_nSection)) {
        ignore(std::wstring(L"wrong length for ") + kMarkers[static_cast<std::size_t>(m_nSection)] + L": " +
               std::to_wstring(strLine.size()));
        return;
    }
    switch (m_nSection) {
    case 0: m_lists.m_wordsBeginner.push_back(strLine); break;
    case 1: m_lists.m_wordsIntermediate.push_back(strLine); break;
    default: m_lists.m_wordsAdvanced.push_back(strLine); break;
    }
}

bool ReadWordSetFile(const std::filesystem::path& file, CWordLists& lists, IgnoredLineSink onIgnored)
{
    lists.Clear();
    CByteFile in;
    if (!in.Open(file))
        return false;
    CWordSetParser parser(lists, std::move(onIgnored));
    std::array<char, 64 * 1024> buffer{};
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
