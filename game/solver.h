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
#include <vector>

#include "game/solver_words.h"

class CGuessRecord;

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

// Sum over the groups of size squared when guess splits the candidates (indices into words).
std::uint64_t SplitSumOfSquares(const CSolverWords& words, const CSolverProbe& guess,
                                const std::vector<std::size_t>& anCandidates);

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
