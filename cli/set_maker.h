// "veltrane-quillorn --make-set NAME [options] FILE...": turns plain word lists (one word a line,
// UTF-8, '#' comments) into a word set the game can play, without a display.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

class CSetFolders;

// The words gathered from word lists for the three skills, in the order first met.
class CWordCollector {
public:
    explicit CWordCollector(bool bAsciiOnly = false, bool bFoldAccents = false)
        : m_bAsciiOnly(bAsciiOnly), m_bFoldAccents(bFoldAccents) {}

    // One word list's bytes: lines end at LF, CR LF or CR; a leading byte-order mark, '#' and what
    // follows it on a line, and blanks around a word are dropped. A word of 5, 6 or 7 letters,
    // after the game's upper-casing (and the folding of accents, when asked), is kept unless an
    // earlier one has the same letters.
    void AddList(std::string_view bytes);

    // Beginner, Intermediate, Advanced.
    std::array<std::vector<std::wstring>, 3> m_aWords;
    std::size_t m_nDuplicates = 0;   // words of a kept length dropped because they were already in
    std::size_t m_nRejected = 0;     // non-empty lines that are not a 5- to 7-letter word

private:
    void AddLine(std::wstring_view line);

    bool m_bAsciiOnly;
    bool m_bFoldAccents;
    std::unordered_set<std::wstring> m_seen;
};

// An upper-case word with its accented capitals as their plain letters (É → E, Ç → C, Ü → U) and the
// ligatures spelt out (Œ → OE, Æ → AE), as word games in French and other languages with accents
// play them on an A-Z board. Letters of their own (ß, Þ, Ð) are left as they are.
std::wstring FoldAccents(std::wstring_view word);

// The same order on every machine for a seed: the generator's sequence is fixed by the standard,
// and the shuffle does its own index arithmetic rather than rely on a library distribution.
void ShuffleWords(std::array<std::vector<std::wstring>, 3>& aWords, std::uint32_t nSeed);

// The set file's bytes: the title, a blank line, then each section's marker, its words and a blank
// line; UTF-8, CR LF line ends.
std::string FormatSetFile(std::wstring_view strTitle, const std::array<std::vector<std::wstring>, 3>& aWords);

// args are the arguments after --make-set. The set goes to the player's folder of folders unless
// --output names another; a set of the same name in the program's directory is pointed out, as it
// would hide the new one. Returns the exit status: 0 when the set was written with words for
// every skill, 1 when written but some skill has none, 2 when nothing was written.
int RunSetMaker(const std::vector<std::string>& args, const CSetFolders& folders, std::ostream& out,
                std::ostream& err);
