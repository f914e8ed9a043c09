// Word sets: "*.set" files beside the program, with <BEGINNER>, <INTERMEDIATE> and <ADVANCED>
// sections of 5-, 6- and 7-letter words.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct CWordLists {
    std::vector<std::wstring> m_wordsBeginner;      // 5 letters
    std::vector<std::wstring> m_wordsIntermediate;  // 6 letters
    std::vector<std::wstring> m_wordsAdvanced;      // 7 letters

    // The list of a skill; an empty list for a skill outside 0 to 2.
    const std::vector<std::wstring>& ForSkill(int nSkill) const;
    void Clear();
};

// A non-empty line that is neither a section marker nor a word kept, and why.
struct CIgnoredLine {
    std::size_t nLine = 0;      // 1-based
    std::wstring strReason;     // e.g. "before any section marker", "wrong length for <BEGINNER>: 6"
};
using IgnoredLineSink = std::function<void(const CIgnoredLine&)>;

// Builds the lists from a set's bytes fed in chunks of any size. A CR or an LF ends a line (a CR
// LF pair ends one line); a last line without a line end still counts. Memory stays bounded by
// the words kept, whatever the file holds.
class CWordSetParser {
public:
    explicit CWordSetParser(CWordLists& lists, IgnoredLineSink onIgnored = {});
    void Feed(std::string_view bytes);
    void Finish();

    // Only counts the words each list would get: a first pass that lets a reader reserve the
    // lists exactly, since growing them by doubling would hold old and new copies at once.
    void SetCountOnly(bool bCountOnly) { m_bCountOnly = bCountOnly; }
    std::size_t m_anCounts[3] = {0, 0, 0};

private:
    void AppendRun(const char* p, const char* pEnd);
    void EndLine();
    void AddWord(std::wstring strWord);

    CWordLists& m_lists;
    IgnoredLineSink m_onIgnored;
    std::string m_line;             // bytes of the current line, up to a cap
    std::size_t m_nLineBytes = 0;   // bytes of the current line, cap or not
    std::size_t m_nContentBytes = 0;  // of those, up to the last one that is not white space
    std::size_t m_nLine = 1;
    int m_nSection = -1;            // -1 before the first marker
    bool m_bAfterCR = false;
    bool m_bCountOnly = false;
};

// Reads the file into lists (emptied first). False when it cannot be opened.
bool ReadWordSetFile(const std::filesystem::path& file, CWordLists& lists, IgnoredLineSink onIgnored = {});

// The set name of a file name: the name without its final ".set" (any case): my.words.set -> my.words.
std::wstring SetNameFromFileName(const std::filesystem::path& fileName);
// The set's file in dir: dir/<name>.set, else the file whose set name matches in another case
// (the set search takes the ending in any case); empty for a name that cannot be a file name.
std::filesystem::path SetFilePath(const std::filesystem::path& dir, const std::wstring& strSet);
// The names of the sets in dir, in the order the directory yields them.
std::vector<std::wstring> ListSetNames(const std::filesystem::path& dir);
