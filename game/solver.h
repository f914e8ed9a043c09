// Thinking a word through: which words of the set and skill still fit the guesses so far, and which
// next guess splits them best.
//
// A word fits when every guess so far, scored with that word as the magic word, gets exactly the
// Match and Bingo it got. A guess splits the fitting words (the candidates) into groups by the
// counts it would get from each; if the magic word is any candidate with equal chance, the number
// of words left after it is, on average, the sum of the group sizes squared over the number of
// candidates. The best next guess is the word of the list with the smallest such number, ties going
// to a word that still fits (it may be the magic word itself), then to the earliest in file order.
// Sums of squares are whole numbers, so ties are exact.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "game/guess_record.h"
#include "game/word_set.h"

// The words of one set and skill in the form the solver compares them in, made once per set and
// skill: the solver's cost grows with the square of the list, so every pair must be cheap.
//
// Each word keeps, besides its characters, how often it holds each character of the list's
// alphabet (one byte a character, so Match is a sum of per-character minimums the compiler turns
// into a few vector instructions) and its characters packed one byte each into a 64-bit word (so
// Bingo is one XOR and a count of the zero bytes). A list with more distinct characters than that
// scheme holds, or words too long for one 64-bit word, is compared character by character instead:
// slower, with the same counts.

// A guess made ready to compare against the words of one CSolverWords.
struct CSolverProbe {
    std::wstring strGuess;
    std::vector<std::uint8_t> anCounts;  // per slot of the list; empty: compare characters
    int nSlotted = 0;                    // the sum of anCounts
    std::uint64_t nPacked = 0;
};

class CSolverWords {
public:
    CSolverWords() = default;
    explicit CSolverWords(CWordList words);

    std::size_t size() const { return m_words.size(); }
    std::wstring_view Word(std::size_t i) const { return m_words[i]; }
    // False when the list is compared character by character (see above).
    bool IsPacked() const { return m_nSlots > 0; }
    // Any guess: a word of the list, another length, characters the list never uses.
    CSolverProbe Probe(std::wstring_view strGuess) const;

    // The counts the game would give probe as a guess when word i is the magic word, as one key:
    // Match * kKeyStride + Bingo. The game's words have 5 to 7 letters, so neither reaches 16.
    static constexpr int kKeyStride = 16;
    int PairKey(const CSolverProbe& probe, std::size_t i) const;
    // Sum over the groups of size squared when guess splits the candidates (indices into the list).
    std::uint64_t SplitSumOfSquares(const CSolverProbe& guess, const std::vector<std::size_t>& anCandidates) const;

private:
    // Reads the packed forms of the candidates of one search.
    friend class CCandidateBlock;

    static constexpr std::size_t kMaxPackedLength = 8;  // one byte a character in a 64-bit word
    static constexpr std::size_t kSlotBlock = 32;       // one or two vector registers
    static constexpr std::size_t kMaxSlots = 128;

    // nLettersA is how many characters of A have a slot (the word length for a word of the list).
    int PackedMatch(const std::uint8_t* pA, int nLettersA, const std::uint8_t* pB) const;
    int PackedBingo(std::uint64_t nA, std::uint64_t nB) const;

    CWordList m_words;
    std::size_t m_nSlots = 0;              // count bytes per word; 0 when not packed
    std::vector<std::uint8_t> m_anCounts;  // m_nSlots per word
    std::vector<std::uint64_t> m_anPacked; // slot + 1 per character, first character lowest
    std::unordered_map<wchar_t, std::uint8_t> m_slotOf;
};

// A guess with the counts it got.
struct CScoredGuess {
    std::wstring strGuess;
    int nMatch = 0;
    int nBingo = 0;
};

// The indices of the words that fit every guess, in file order.
std::vector<std::size_t> FittingWords(const CSolverWords& words, const std::vector<CScoredGuess>& aGuesses);

// An earlier guess that a new guess contradicts: with the new guess as the magic word, the earlier
// one would have scored nMatch and nBingo, not what it got.
struct CContradiction {
    std::size_t nGuess = 0;  // index into the record's guesses
    int nMatch = 0;
    int nBingo = 0;
};
// The first guess of the record that strGuess does not fit, by the game's own counts; nothing when
// it fits them all (hard mode takes it then). Counting is symmetric, so this is also what strGuess
// would have scored with that guess as the word.
std::optional<CContradiction> FirstContradiction(const CGuessRecord& record, const std::wstring& strGuess);

struct CBestGuess {
    std::size_t nWord = 0;            // index into the list
    std::uint64_t nSumOfSquares = 0;  // over every candidate, also when bSampled
    std::size_t nCandidates = 0;
    bool bFits = false;               // the guess is a candidate itself
    // The list was too large to try every word against every candidate in time: the guess is the
    // best of the candidates and a sample of the other words, judged first on a sample of the
    // candidates. Its expected number left is still exact.
    bool bSampled = false;

    // The average number of words left after this guess in hundredths, rounded half up, for text
    // that must not depend on the locale.
    std::uint64_t ExpectedLeftHundredths() const { return (nSumOfSquares * 200 + nCandidates) / (2 * nCandidates); }
};

enum class EGuessPool {
    AnyWord,       // every word of the list may be the guess
    FittingOnly,   // hard mode: only a word that still fits
};

// Nothing when no word fits.
std::optional<CBestGuess> BestGuess(const CSolverWords& words, const std::vector<std::size_t>& anCandidates,
                                    EGuessPool pool = EGuessPool::AnyWord);

// How many word pairs BestGuess compares before it samples instead: a few tens of milliseconds on
// one core. The standard set's largest list (1,761 words, 3.1 million pairs) stays well below.
constexpr std::uint64_t kSolverExactPairs = 24'000'000;
