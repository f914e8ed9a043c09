#include "game/solver.h"

#include <algorithm>
#include <array>

#include "game/guess_record.h"

namespace {

// Keys are Match * 16 + Bingo, both at most 15.
constexpr std::size_t kGroups = CSolverWords::kKeyStride * CSolverWords::kKeyStride;
// Comparing character by character costs about this many packed compares.
constexpr std::uint64_t kPlainSlowdown = 8;
// A sampled search judges its guesses on this many candidates, then the best few on all of them.
constexpr std::size_t kSampledCandidates = 4096;
constexpr std::size_t kRechecked = 16;

// The candidates copied next to each other once, so the inner loop reads memory in order.
class CCandidateBlock {
public:
    CCandidateBlock(const CSolverWords& words, const std::vector<std::size_t>& anCandidates)
        : m_words(words), m_anIndices(anCandidates)
    {
        if (!words.IsPacked())
            return;
        m_anCounts.reserve(anCandidates.size() * words.Slots());
        m_anPacked.reserve(anCandidates.size());
        for (const std::size_t i : anCandidates) {
            m_anCounts.insert(m_anCounts.end(), words.Counts(i), words.Counts(i) + words.Slots());
            m_anPacked.push_back(words.Packed(i));
        }
    }

    std::uint64_t SumOfSquares(const CSolverProbe& guess) const
    {
        std::array<std::uint32_t, kGroups> anGroup{};
        const std::size_t nCount = m_anIndices.size();
        if (!guess.anCounts.empty() && m_words.IsPacked()) {
            const std::uint8_t* pGuess = guess.anCounts.data();
            const std::size_t nSlots = m_words.Slots();
            for (std::size_t j = 0; j < nCount; ++j) {
                const int nMatch = m_words.PackedMatch(pGuess, guess.nSlotted, m_anCounts.data() + j * nSlots);
                const int nBingo = m_words.PackedBingo(guess.nPacked, m_anPacked[j]);
                ++anGroup[static_cast<std::size_t>(nMatch * CSolverWords::kKeyStride + nBingo)];
            }
        } else {
            for (const std::size_t i : m_anIndices)
                ++anGroup[static_cast<std::size_t>(m_words.PairKey(guess, i))];
        }
        std::uint64_t nSum = 0;
        for (const std::uint32_t n : anGroup)
            nSum += static_cast<std::uint64_t>(n) * n;
        return nSum;
    }

private:
    const CSolverWords& m_words;
    const std::vector<std::size_t>& m_anIndices;
    std::vector<std::uint8_t> m_anCounts;
    std::vector<std::uint64_t> m_anPacked;
};

// The better of two guesses: fewer words left, then one that fits, then the earlier word.
bool IsBetter(const CBestGuess& a, const CBestGuess& b)
{
    if (a.nSumOfSquares != b.nSumOfSquares)
        return a.nSumOfSquares < b.nSumOfSquares;
    if (a.bFits != b.bFits)
        return a.bFits;
    return a.nWord < b.nWord;
}

// nCount entries of from, spread evenly over it in order; all of them when there are not more.
std::vector<std::size_t> EvenlySpaced(const std::vector<std::size_t>& from, std::size_t nCount)
{
    if (nCount >= from.size())
        return from;
    std::vector<std::size_t> an;
    an.reserve(nCount);
    for (std::size_t k = 0; k < nCount; ++k)
        an.push_back(from[k * from.size() / nCount]);
    return an;
}

CBestGuess Try(const CSolverWords& words, const CCandidateBlock& block, std::size_t nWord, bool bFits,
               std::size_t nCandidates)
{
    CBestGuess guess;
    guess.nWord = nWord;
    guess.bFits = bFits;
    guess.nCandidates = nCandidates;
    guess.nSumOfSquares = block.SumOfSquares(words.ProbeOfWord(nWord));
    return guess;
}

}  // namespace

std::vector<std::size_t> FittingWords(const CSolverWords& words, const std::vector<CScoredGuess>& aGuesses)
{
    std::vector<std::size_t> anFit;
    anFit.reserve(words.size());
    for (std::size_t i = 0; i < words.size(); ++i)
        anFit.push_back(i);
    for (const CScoredGuess& guess : aGuesses) {
        // Counts beyond the key's range would alias other counts; no word gives them.
        const int nMax = static_cast<int>(CSolverWords::kKeyStride) - 1;
        if (guess.nMatch < 0 || guess.nBingo < 0 || guess.nMatch > nMax || guess.nBingo > nMax)
            return {};
        const int nKey = guess.nMatch * CSolverWords::kKeyStride + guess.nBingo;
        const CSolverProbe probe = words.Probe(guess.strGuess);
        std::erase_if(anFit, [&](std::size_t i) { return words.PairKey(probe, i) != nKey; });
    }
    return anFit;
}

std::optional<CContradiction> FirstContradiction(const CGuessRecord& record, const std::wstring& strGuess)
{
    for (std::size_t i = 0; i < record.GuessCount(); ++i) {
        const int nMatch = CountMatch(record.m_astrGuesses[i], strGuess);
        const int nBingo = CountBingo(record.m_astrGuesses[i], strGuess);
        if (nMatch != static_cast<int>(record.m_adwMatch[i]) || nBingo != static_cast<int>(record.m_adwBingo[i]))
            return CContradiction{i, nMatch, nBingo};
    }
    return std::nullopt;
}

std::uint64_t SplitSumOfSquares(const CSolverWords& words, const CSolverProbe& guess,
                                const std::vector<std::size_t>& anCandidates)
{
    return CCandidateBlock(words, anCandidates).SumOfSquares(guess);
}

std::optional<CBestGuess> BestGuess(const CSolverWords& words, const std::vector<std::size_t>& anCandidates,
                                    EGuessPool pool)
{
    if (anCandidates.empty())
        return std::nullopt;
    const std::size_t nCandidates = anCandidates.size();
    std::vector<bool> abFits(words.size(), false);
    for (const std::size_t i : anCandidates)
        abFits[i] = true;
    std::vector<std::size_t> anOthers;
    if (pool == EGuessPool::AnyWord) {
        for (std::size_t i = 0; i < words.size(); ++i) {
            if (!abFits[i])
                anOthers.push_back(i);
        }
    }
    const std::uint64_t nBudget = words.IsPacked() ? kSolverExactPairs : kSolverExactPairs / kPlainSlowdown;
    const CCandidateBlock all(words, anCandidates);

    const std::uint64_t nPairs = static_cast<std::uint64_t>(anCandidates.size() + anOthers.size()) * nCandidates;
    if (nPairs <= nBudget) {
        std::optional<CBestGuess> best;
        // File order, so an equal later word never displaces an earlier one.
        for (std::size_t i = 0; i < words.size(); ++i) {
            if (pool == EGuessPool::FittingOnly && !abFits[i])
                continue;
            const CBestGuess guess = Try(words, all, i, abFits[i], nCandidates);
            if (!best || IsBetter(guess, *best))
                best = guess;
        }
        return best;
    }

    // Too many pairs: judge a spread of guesses on a spread of the candidates, then the best few
    // of them on every candidate.
    const std::vector<std::size_t> anSample = EvenlySpaced(anCandidates, kSampledCandidates);
    const CCandidateBlock sample(words, anSample);
    const std::size_t nGuesses = std::max<std::size_t>(1, static_cast<std::size_t>(nBudget / anSample.size()));
    // At least half the guesses tried are candidates; other words fill the rest.
    const std::size_t nFromOthers = std::min(anOthers.size(), nGuesses / 2);
    std::vector<std::size_t> anTried = EvenlySpaced(anCandidates, nGuesses - nFromOthers);
    const std::vector<std::size_t> anOthersTried = EvenlySpaced(anOthers, nGuesses - anTried.size());
    anTried.insert(anTried.end(), anOthersTried.begin(), anOthersTried.end());

    std::vector<CBestGuess> aTries;
    aTries.reserve(anTried.size());
    for (const std::size_t i : anTried)
        aTries.push_back(Try(words, sample, i, abFits[i], anSample.size()));
    const std::size_t nKept = std::min(kRechecked, aTries.size());
    std::partial_sort(aTries.begin(), aTries.begin() + static_cast<std::ptrdiff_t>(nKept), aTries.end(), IsBetter);

    std::optional<CBestGuess> best;
    for (std::size_t k = 0; k < nKept; ++k) {
        CBestGuess guess = Try(words, all, aTries[k].nWord, aTries[k].bFits, nCandidates);
        guess.bSampled = true;
        if (!best || IsBetter(guess, *best))
            best = guess;
    }
    return best;
}
