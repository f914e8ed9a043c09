// Word sets: "*.set" files beside the program, with <BEGINNER>, <INTERMEDIATE> and <ADVANCED>
// sections of 5-, 6- and 7-letter words.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "game/word_list.h"

struct CWordLists {
    CWordList m_wordsBeginner{5};
    CWordList m_wordsIntermediate{6};
    CWordList m_wordsAdvanced{7};

    // The list of a skill; an empty list for a skill outside 0 to 2.
    const CWordList& ForSkill(int nSkill) const;
    void Clear();
};

// A non-empty line that is neither a section marker nor a word kept, and why.
struct CIgnoredLine {
    std::size_t nLine = 0;      // 1-based
    std::wstring strReason;     // e.g. "before any section marker", "wrong length for <BEGINNER>: 6"
};
using IgnoredLineSink = std::function<void(const CIgnoredLine&)>;
// A word kept, with its 1-based line, as the lists hold it.
using KeptWordSink = std::function<void(std::size_t nLine, std::wstring_view strWord)>;

// Whether the player can type the word: the guess cells take letters only.
bool CanBeTyped(std::wstring_view strWord);

// Builds the lists from a set's bytes fed in chunks of any size. A UTF-8 byte-order mark at the
// start is skipped. A CR or an LF ends a line (a CR LF pair ends one line, also when the chunks
// split it); a last line without a line end still counts. Each line is trimmed of blanks: space,
// tab, vertical tab, form feed, U+00A0 (also as a lone Latin-1 byte) and U+3000. Memory stays
// bounded by the words kept, whatever the file holds.
class CWordSetParser {
public:
    explicit CWordSetParser(CWordLists& lists, IgnoredLineSink onIgnored = {}, KeptWordSink onKept = {});
    void Feed(std::string_view bytes);
    void Finish();

private:
    bool SkipByteOrderMark(std::string_view& bytes);
    void FeedLines(std::string_view bytes);
    // A line's bytes as they come: leading blanks dropped, the content's end kept track of.
    void AppendPartial(const char* p, const char* pEnd);
    const char* AppendChars(const char* p, const char* pEnd, bool bMoreToCome);
    void AppendAscii(const char* p, const char* pEnd);
    void AppendChar(const char* p, std::size_t n, bool bBlank);
    void EndPartialLine();
    [[gnu::noinline, gnu::cold]] void EndWideLine(const char* p, const char* pEnd);
    // A line trimmed of its white space, n bytes; past the cap only n is looked at.
    void EndLine(const char* p, std::size_t n);
    void EndOtherLine(std::size_t nLine, std::string_view content);  // one with bytes above 0x7F
    // Only the checker asks; a load pays nothing for it but one well-predicted test per word.
    [[gnu::noinline, gnu::cold]] void ReportKept(std::size_t nLine, std::wstring_view strWord);
    enum EIgnored { IgnoredTooLong, IgnoredBeforeMarker, IgnoredWrongLength };
    void Ignore(std::size_t nLine, EIgnored kind, std::size_t nValue);

    CWordList* m_apLists[3];
    IgnoredLineSink m_onIgnored;
    KeptWordSink m_onKept;
    bool m_bReportKept;             // out of the way of the word loop, which nearly never reports
    // A line that a chunk ends in the middle of waits here for the next chunk; whole lines are
    // taken straight from the chunk.
    std::string m_line;             // its bytes after the leading white space, up to a cap
    std::size_t m_nLineBytes = 0;   // its bytes after the leading white space, cap or not
    std::size_t m_nContentBytes = 0;  // of those, up to the last one that is not white space
    std::string m_strPending;       // the start of a UTF-8 sequence that a chunk's end cut
    std::size_t m_nLine = 1;
    int m_nBomBytes = 0;            // bytes of a byte-order mark met at the start; -1 past it
    int m_nSection = -1;            // -1 before the first marker
    bool m_bAfterCR = false;
};

// Reads the file into lists (emptied first). False when it cannot be opened.
bool ReadWordSetFile(const std::filesystem::path& file, CWordLists& lists, IgnoredLineSink onIgnored = {},
                     KeptWordSink onKept = {});

// The set name of a file name: the name without its final ".set" (any case): my.words.set -> my.words.
std::wstring SetNameFromFileName(const std::filesystem::path& fileName);
// The set's file in dir: dir/<name>.set, else the file whose set name matches in another case
// (the set search takes the ending in any case); empty for a name that cannot be a file name.
std::filesystem::path SetFilePath(const std::filesystem::path& dir, const std::wstring& strSet);
// The names of the sets in dir, in the order the directory yields them.
std::vector<std::wstring> ListSetNames(const std::filesystem::path& dir);
