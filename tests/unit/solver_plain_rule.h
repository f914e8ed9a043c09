// The solver's rules done the plain way, to hold the fast solver against: the game's own counts
// (CountMatch and CountBingo), word pair by word pair, groups in a map. Shared
// by the unit tests and the solver benchmark.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <numeric>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/guess_record.h"
#include "game/solver.h"
#include "word_list_vector.h"

// A list as the tests and the benchmark hold it: the words, the solver's form, and every index.
struct CTestList {
    std::vector<std::wstring> astrWords;
    CSolverWords words;
    std::vector<std::size_t> anAll;
};

inline CTestList ListOf(std::vector<std::wstring> astrWords)
{
    CTestList list;
    list.astrWords = std::move(astrWords);
    list.words = CSolverWords(WordListOf(list.astrWords));
    list.anAll.resize(list.astrWords.size());
    std::iota(list.anAll.begin(), list.anAll.end(), std::size_t{0});
    return list;
}

// The guesses of a record with the counts they got.
inline std::vector<CScoredGuess> ScoredGuessesOf(const CGuessRecord& record)
{
    std::vector<CScoredGuess> aGuesses;
    for (std::size_t i = 0; i < record.GuessCount(); ++i)
        aGuesses.push_back({record.m_astrGuesses[i], static_cast<int>(record.m_adwMatch[i]), static_cast<int>(record.m_adwBingo[i])});
    return aGuesses;
}

// The counts the game gives strGuess when strMagic is the magic word.
inline std::pair<int, int> GameCounts(const std::wstring& strGuess, const std::wstring& strMagic)
{
    return {CountMatch(strGuess, strMagic), CountBingo(strGuess, strMagic)};
}

inline std::vector<std::size_t> PlainFittingWords(const std::vector<std::wstring>& aWords,
                                                  const std::vector<CScoredGuess>& aGuesses)
{
    std::vector<std::size_t> anFit;
    for (std::size_t i = 0; i < aWords.size(); ++i) {
        bool bFits = true;
        for (const CScoredGuess& guess : aGuesses)
            bFits = bFits && GameCounts(guess.strGuess, aWords[i]) == std::make_pair(guess.nMatch, guess.nBingo);
        if (bFits)
            anFit.push_back(i);
    }
    return anFit;
}

inline std::uint64_t PlainSumOfSquares(const std::vector<std::wstring>& aWords, const std::wstring& strGuess,
                                       const std::vector<std::size_t>& anCandidates)
{
    std::map<std::pair<int, int>, std::uint64_t> groups;
    for (const std::size_t i : anCandidates)
        ++groups[GameCounts(strGuess, aWords[i])];
    std::uint64_t nSum = 0;
    for (const auto& [counts, n] : groups)
        nSum += n * n;
    return nSum;
}

// Every allowed word tried in file order; a later word wins only with fewer words left, or as many
// and it fits where the earlier one does not.
inline std::optional<CBestGuess> PlainBestGuess(const std::vector<std::wstring>& aWords,
                                                const std::vector<std::size_t>& anCandidates, bool bHard)
{
    if (anCandidates.empty())
        return std::nullopt;
    std::vector<bool> abFits(aWords.size(), false);
    for (const std::size_t i : anCandidates)
        abFits[i] = true;
    std::optional<CBestGuess> best;
    for (std::size_t i = 0; i < aWords.size(); ++i) {
        if (bHard && !abFits[i])
            continue;
        const std::uint64_t nSum = PlainSumOfSquares(aWords, aWords[i], anCandidates);
        if (!best || nSum < best->nSumOfSquares || (nSum == best->nSumOfSquares && abFits[i] && !best->bFits)) {
            best = CBestGuess{};
            best->nWord = i;
            best->nSumOfSquares = nSum;
            best->nCandidates = anCandidates.size();
            best->bFits = abFits[i];
        }
    }
    return best;
}
