// Looking back at a word that ended: for each guess, how many words fitted before and after it, the
// guess the hint would have offered at that point and how many it would have left on average, and
// the words still possible at the end. The Review window shows this as it is; the texts a player
// reads come from here, so they are tested without a display.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/solver.h"

struct CReviewRow {
    std::wstring strGuess;
    int nMatch = 0;
    int nBingo = 0;
    std::size_t nFitBefore = 0;         // words of the list that fitted the guesses before this one
    std::size_t nFitAfter = 0;          // ... and this one too
    std::uint64_t nGuessHundredths = 0; // what this guess would leave on average, in hundredths
    std::wstring strBest;               // the hint at this point; empty when nothing fitted
    std::uint64_t nBestHundredths = 0;
};

struct CWordReview {
    std::wstring strMagicWord;
    std::vector<CReviewRow> aRows;
    std::size_t nLeft = 0;              // words that fit every guess
    std::vector<std::wstring> astrLeft; // the first of them in file order, at most the limit asked for
};

// How many of the words left at the end are named; the rest are counted.
constexpr std::size_t kReviewNamesShown = 20;

// The review of guesses against a list, the best guesses picked from pool as the hint picks them.
CWordReview ReviewGuesses(const CSolverWords& words, const std::vector<CScoredGuess>& aGuesses, EGuessPool pool);

// An average for the player to read, with two decimals and the player's decimal separator:
// "3.05" in English, "3,05" in German and French.
std::wstring AverageText(std::uint64_t nHundredths);

// One row as a sentence: "Your guess left 12 words; SLATE would have left 3.00 on average."
std::wstring ReviewRowText(const CReviewRow& row);
// The words left at the end: "Words left: APPLE, ANGLE" or "... and 14 more".
std::wstring ReviewLeftText(const CWordReview& review);
