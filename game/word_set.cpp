#include "game/word_set.h"

#include <algorithm>
#include <array>

#include "platform/files.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "store/settings_store.h"

namespace {

// No marker or word needs more bytes than this (a 7-letter word of 4-byte characters is 28): a
// longer line is reported by its length and never decoded.
constexpr std::size_t kLongestLine = 64;

// One character's bytes, as DecodeBytes reads them: a lone byte is its Latin-1 self.
bool IsBlank(std::string_view c)
{
    if (c.size() == 1)
        return IsSetBlank(static_cast<unsigned char>(c[0]));
    const std::wstring ch = DecodeBytes(c);
    return ch.size() == 1 && IsSetBlank(ch[0]);
}

bool IsHighByte(char c)
{
    return (static_cast<unsigned char>(c) & 0x80) != 0;
}

// The line without the blanks around it. Beyond ASCII it is walked character by character: the
// byte A0 ends a no-break space on its own but not a letter such as C3 A0. Most lines are ASCII
// and skip that walk, a fifth of loading a large set.
std::string_view TrimBlanks(std::string_view line)
{
    while (!line.empty() && !IsHighByte(line.front()) && IsBlank(line.substr(0, 1)))
        line.remove_prefix(1);
    while (!line.empty() && !IsHighByte(line.back()) && IsBlank(line.substr(line.size() - 1)))
        line.remove_suffix(1);
    if (line.empty() || (!IsHighByte(line.front()) && !IsHighByte(line.back())))
        return line;
    std::size_t nFirst = line.size();
    std::size_t nEnd = 0;
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t n = DecodeStepLength(line.substr(i));
        if (!IsBlank(line.substr(i, n))) {
            nFirst = std::min(nFirst, i);
            nEnd = i + n;
        }
        i += n;
    }
    return nFirst < nEnd ? line.substr(nFirst, nEnd - nFirst) : std::string_view();
}

}  // namespace

bool CWordList::push_back(std::wstring_view strWord)
{
    if (m_nWordLength == 0 || strWord.size() != m_nWordLength)
        return false;
    m_strChars.append(strWord);
    return true;
}

bool IsSetBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\v' || c == L'\f' || c == 0xA0 || c == 0x3000;
}

const CWordList& CWordLists::ForSkill(int nSkill) const
{
    static const CWordList s_none;
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

bool CanBeTyped(std::wstring_view strWord)
{
    // The same test as a typed character meets before it reaches a cell.
    return std::all_of(strWord.begin(), strWord.end(), IsLetter);
}

void ParseWordSet(std::string_view bytes, CWordLists& lists, const IgnoredLineSink& onIgnored,
                  const KeptWordSink& onKept)
{
    // An editor's mark would otherwise be three characters of the first line, and a marker there
    // would be lost.
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    CWordList* const apLists[3] = {&lists.m_wordsBeginner, &lists.m_wordsIntermediate, &lists.m_wordsAdvanced};
    auto ignore = [&](std::size_t nLine, std::wstring strReason) {
        if (onIgnored)
            onIgnored(CIgnoredLine{nLine, std::move(strReason)});
    };
    int nSection = -1;  // before the first marker
    for (std::size_t nLine = 1; !bytes.empty(); ++nLine) {
        const std::size_t nEnd = std::min(bytes.find_first_of("\r\n"), bytes.size());
        const std::string_view content = TrimBlanks(bytes.substr(0, nEnd));
        bytes.remove_prefix(bytes.substr(nEnd).starts_with("\r\n") ? nEnd + 2 : std::min(nEnd + 1, bytes.size()));
        if (content.empty())
            continue;
        if (content.size() > kLongestLine) {
            ignore(nLine, Fill(Tr("line too long: %1 bytes"), {std::to_wstring(content.size())}));
            continue;
        }
        // Decoded and upper-cased over all of Unicode, so a length is counted in characters.
        std::wstring strText = DecodeBytes(content);
        for (wchar_t& c : strText)
            c = ToUpperChar(c);
        const auto marker = std::find(kSectionMarkers.begin(), kSectionMarkers.end(), strText);
        if (marker != kSectionMarkers.end()) {
            nSection = static_cast<int>(marker - kSectionMarkers.begin());
            continue;
        }
        if (nSection < 0) {
            ignore(nLine, Tr("before any section marker"));
            continue;
        }
        CWordList& list = *apLists[nSection];
        if (strText.size() != list.WordLength()) {
            ignore(nLine, Fill(Tr("wrong length for %1: %2"),
                               {kSectionMarkers[static_cast<std::size_t>(nSection)], std::to_wstring(strText.size())}));
            continue;
        }
        list.push_back(strText);
        if (onKept)
            onKept(nLine, strText);
    }
}

bool ReadWordSetFile(const std::filesystem::path& file, CWordLists& lists, const IgnoredLineSink& onIgnored,
                     const KeptWordSink& onKept)
{
    lists.Clear();
    std::string bytes;
    if (!ReadFileBytes(file, bytes))
        return false;
    ParseWordSet(bytes, lists, onIgnored, onKept);
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
    // and a name in another case is the same set, as it is the same progress key. The same name
    // wins over another case.
    std::filesystem::path sameSet = exact;
    for (const std::filesystem::path& name : FindFilesWithSuffix(dir, ".set")) {
        const std::wstring strName = SetNameFromFileName(name);
        if (strName == strSet)
            return dir / name;
        if (sameSet == exact && IsSameSetName(strName, strSet))
            sameSet = dir / name;
    }
    return sameSet;
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

std::filesystem::path DictionaryFile(const std::filesystem::path& programDir)
{
    return programDir / "dictionary" / "Everyday.set";
}

std::unordered_set<std::wstring> ReadDictionary(const std::filesystem::path& file)
{
    std::unordered_set<std::wstring> words;
    CWordLists lists;
    if (ReadWordSetFile(file, lists)) {
        for (int nSkill = 0; nSkill < 3; ++nSkill) {
            for (std::size_t i = 0; i < lists.ForSkill(nSkill).size(); ++i)
                words.emplace(lists.ForSkill(nSkill)[i]);
        }
    }
    return words;
}
