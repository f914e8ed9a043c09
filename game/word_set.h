// Word sets: "*.set" files beside the program, with <BEGINNER>, <INTERMEDIATE> and <ADVANCED>
// sections of 5-, 6- and 7-letter words.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// The characters of every word one after another in one string. A set of a million words is then
// one allocation instead of a million small strings, which would take three times the memory and
// most of the time of loading such a set.
class CWordList {
public:
    explicit CWordList(std::size_t nWordLength = 0) : m_nWordLength(nWordLength) {}

    std::size_t WordLength() const { return m_nWordLength; }
    std::size_t size() const { return m_nWordLength == 0 ? 0 : m_strChars.size() / m_nWordLength; }
    bool empty() const { return m_strChars.empty(); }
    void clear() { m_strChars.clear(); }
    // A word of another length is refused (false, nothing added): the lists of a set are defined
    // by their word length, and a word that does not fit could never be played.
    bool push_back(std::wstring_view strWord);

    std::wstring_view operator[](std::size_t i) const
    {
        return std::wstring_view(m_strChars).substr(i * m_nWordLength, m_nWordLength);
    }

private:
    std::size_t m_nWordLength = 0;
    std::wstring m_strChars;
};

// The section markers, Beginner to Advanced, each alone on its line (blanks around it aside).
inline constexpr std::array<const wchar_t*, 3> kSectionMarkers = {L"<BEGINNER>", L"<INTERMEDIATE>", L"<ADVANCED>"};
// A blank a set file's lines are trimmed of: space, tab, vertical tab, form feed, U+00A0 and U+3000.
bool IsSetBlank(wchar_t c);

struct CWordLists {
    CWordList m_wordsBeginner{5};
    CWordList m_wordsIntermediate{6};
    CWordList m_wordsAdvanced{7};

    // The list of a skill; an empty list for a skill outside 0 to 2.
    const CWordList& ForSkill(int nSkill) const;
    void Clear();
};

// A non-empty line that is neither a section marker nor a word kept, and why ("before any section
// marker", "wrong length for <BEGINNER>: 6").
struct CIgnoredLine {
    std::size_t nLine = 0;      // 1-based
    std::wstring strReason;
};
using IgnoredLineSink = std::function<void(const CIgnoredLine&)>;
// A word kept, with its 1-based line, as the lists hold it.
using KeptWordSink = std::function<void(std::size_t nLine, std::wstring_view strWord)>;

// Whether the player can type the word: the guess cells take letters only.
bool CanBeTyped(std::wstring_view strWord);

// Adds the words of a set's bytes to lists. A UTF-8 byte-order mark at the start is skipped. A CR,
// an LF or a CR LF pair ends a line; a last line without a line end still counts. Each line is
// trimmed of blanks (IsSetBlank; U+00A0 also as a lone Latin-1 byte).
void ParseWordSet(std::string_view bytes, CWordLists& lists, const IgnoredLineSink& onIgnored = {},
                  const KeptWordSink& onKept = {});

// Reads the file into lists (emptied first). False when it cannot be opened.
bool ReadWordSetFile(const std::filesystem::path& file, CWordLists& lists, const IgnoredLineSink& onIgnored = {},
                     const KeptWordSink& onKept = {});

// The set name of a file name: the name without its final ".set" (any case): my.words.set -> my.words.
std::wstring SetNameFromFileName(const std::filesystem::path& fileName);
// The set's file in dir: dir/<name>.set, else the file whose set name matches in another case
// (the set search takes the ending in any case); empty for a name that cannot be a file name.
std::filesystem::path SetFilePath(const std::filesystem::path& dir, const std::wstring& strSet);
// The names of the sets in dir, in the order the directory yields them.
std::vector<std::wstring> ListSetNames(const std::filesystem::path& dir);

// The word check's dictionary: the file lives in a folder of its own under the program's, so the
// set search, which looks only at the folder's own files, never offers it as a set to play.
std::filesystem::path DictionaryFile(const std::filesystem::path& programDir);
// Every word of a set file, whatever its skill; none when the file cannot be read.
std::unordered_set<std::wstring> ReadDictionary(const std::filesystem::path& file);
