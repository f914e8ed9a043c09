#include "game/solver.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <numeric>
#include <utility>

CSolverWords::CSolverWords(CWordList words) : m_words(std::move(words))
{
    const std::size_t nLength = m_words.WordLength();
    const std::size_t nCount = m_words.size();
    if (nLength == 0 || nLength > kMaxPackedLength)
        return;
    for (std::size_t i = 0; i < nCount; ++i) {
        for (const wchar_t c : Word(i)) {
            if (m_slotOf.size() >= kMaxSlots && !m_slotOf.count(c)) {
                m_slotOf.clear();
                return;  // too many characters: compared one by one
            }
            m_slotOf.emplace(c, static_cast<std::uint8_t>(m_slotOf.size()));
        }
    }
    // One slot per distinct character, in order of first use, rounded up to whole blocks.
    m_nSlots = (std::max<std::size_t>(m_slotOf.size(), 1) + kSlotBlock - 1) / kSlotBlock * kSlotBlock;
    m_anCounts.assign(nCount * m_nSlots, 0);
    m_anPacked.assign(nCount, 0);
    for (std::size_t i = 0; i < nCount; ++i) {
        const std::wstring_view strWord = Word(i);
        std::uint8_t* pCounts = m_anCounts.data() + i * m_nSlots;
        std::uint64_t nPacked = 0;
        for (std::size_t nPos = 0; nPos < nLength; ++nPos) {
            const std::uint8_t nSlot = m_slotOf.find(strWord[nPos])->second;
            ++pCounts[nSlot];
            nPacked |= static_cast<std::uint64_t>(nSlot + 1) << (8 * nPos);
        }
        m_anPacked[i] = nPacked;
    }
}

CSolverProbe CSolverWords::Probe(std::wstring_view strGuess) const
{
    CSolverProbe probe;
    probe.strGuess = strGuess;
    // A guess of another length gets Bingo 0 from every word; the packed compare would not know.
    if (!IsPacked() || strGuess.size() != m_words.WordLength())
        return probe;
    probe.anCounts.assign(m_nSlots, 0);
    for (std::size_t nPos = 0; nPos < strGuess.size(); ++nPos) {
        // A character no word of the list holds matches nothing: no count, and a packed byte of 0
        // that equals no word's byte.
        const auto it = m_slotOf.find(strGuess[nPos]);
        if (it == m_slotOf.end())
            continue;
        ++probe.anCounts[it->second];
        ++probe.nSlotted;
        probe.nPacked |= static_cast<std::uint64_t>(it->second + 1) << (8 * nPos);
    }
    return probe;
}

int CSolverWords::PackedMatch(const std::uint8_t* pA, int nLettersA, const std::uint8_t* pB) const
{
    // Both words hold a character as often as the fewer of them does, and
    // min(a, b) = (a + b - |a - b|) / 2: the differences add up in one vector instruction
    // (psadbw) where the minimums would first have to be widened. The inner count is fixed, so the
    // compiler sees two vector registers' worth and no loop tail.
    int nDiff = 0;
    for (std::size_t nBase = 0; nBase < m_nSlots; nBase += kSlotBlock) {
        for (std::size_t k = 0; k < kSlotBlock; ++k)
            nDiff += std::abs(pA[nBase + k] - pB[nBase + k]);
    }
    return (nLettersA + static_cast<int>(m_words.WordLength()) - nDiff) / 2;
}

int CSolverWords::PackedBingo(std::uint64_t nA, std::uint64_t nB) const
{
    // A byte of the XOR is zero where both hold the same character. The top bit of each byte of
    // nonZero is set where it is not; unused bytes are zero in both, so they never count.
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t x = nA ^ nB;
    const std::uint64_t nonZero = (((x & kLow7) + kLow7) | x) & ~kLow7;
    // Gathers the eight top bits into the top byte: how many positions differ.
    const int nDiffer = static_cast<int>(((nonZero >> 7) * 0x0101010101010101ULL) >> 56);
    return static_cast<int>(m_words.WordLength()) - nDiffer;
}

int CSolverWords::PairKey(const CSolverProbe& probe, std::size_t i) const
{
    if (probe.anCounts.empty())
        return CountMatch(probe.strGuess, Word(i)) * kKeyStride + CountBingo(probe.strGuess, Word(i));
    return PackedMatch(probe.anCounts.data(), probe.nSlotted, m_anCounts.data() + i * m_nSlots) * kKeyStride +
           PackedBingo(probe.nPacked, m_anPacked[i]);
}

// The candidates of one search copied next to each other once, so the inner loop reads memory in
// order: on a sampled search of a 100,000-word set this halves the time of a hint.
class CCandidateBlock {
public:
    CCandidateBlock(const CSolverWords& words, const std::vector<std::size_t>& anCandidates)
        : m_words(words), m_anIndices(anCandidates)
    {
        if (!words.IsPacked())
            return;
        m_anCounts.reserve(anCandidates.size() * words.m_nSlots);
        m_anPacked.reserve(anCandidates.size());
        for (const std::size_t i : anCandidates) {
            const std::uint8_t* pCounts = words.m_anCounts.data() + i * words.m_nSlots;
            m_anCounts.insert(m_anCounts.end(), pCounts, pCounts + words.m_nSlots);
            m_anPacked.push_back(words.m_anPacked[i]);
        }
    }

    std::size_t size() const { return m_anIndices.size(); }

    std::uint64_t SumOfSquares(const CSolverProbe& guess) const
    {
        std::array<std::uint32_t, CSolverWords::kKeyStride * CSolverWords::kKeyStride> anGroup{};
        if (guess.anCounts.empty()) {
            for (const std::size_t i : m_anIndices)
                ++anGroup[static_cast<std::size_t>(m_words.PairKey(guess, i))];
        } else {
            const std::size_t nSlots = m_words.m_nSlots;
            for (std::size_t j = 0; j < m_anPacked.size(); ++j) {
                const int nMatch = m_words.PackedMatch(guess.anCounts.data(), guess.nSlotted, m_anCounts.data() + j * nSlots);
                const int nBingo = m_words.PackedBingo(guess.nPacked, m_anPacked[j]);
                ++anGroup[static_cast<std::size_t>(nMatch * CSolverWords::kKeyStride + nBingo)];
            }
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

std::uint64_t CSolverWords::SplitSumOfSquares(const CSolverProbe& guess, const std::vector<std::size_t>& anCandidates) const
{
    return CCandidateBlock(*this, anCandidates).SumOfSquares(guess);
}

namespace {

// Comparing character by character costs about this many packed compares.
constexpr std::uint64_t kPlainSlowdown = 8;
// A sampled search judges its guesses on this many candidates, then the best few on all of them.
constexpr std::size_t kSampledCandidates = 4096;
constexpr std::size_t kRechecked = 16;

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

CBestGuess Try(const CSolverWords& words, const CCandidateBlock& candidates, std::size_t nWord, bool bFits)
{
    return {nWord, candidates.SumOfSquares(words.Probe(words.Word(nWord))), candidates.size(), bFits};
}

}  // namespace

std::vector<std::size_t> FittingWords(const CSolverWords& words, const std::vector<CScoredGuess>& aGuesses)
{
    std::vector<std::size_t> anFit(words.size());
    std::iota(anFit.begin(), anFit.end(), std::size_t{0});
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
            const CBestGuess guess = Try(words, all, i, abFits[i]);
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
        aTries.push_back(Try(words, sample, i, abFits[i]));
    const std::size_t nKept = std::min(kRechecked, aTries.size());
    std::partial_sort(aTries.begin(), aTries.begin() + static_cast<std::ptrdiff_t>(nKept), aTries.end(), IsBetter);

    std::optional<CBestGuess> best;
    for (std::size_t k = 0; k < nKept; ++k) {
        CBestGuess guess = Try(words, all, aTries[k].nWord, aTries[k].bFits);
        guess.bSampled = true;
        if (!best || IsBetter(guess, *best))
            best = guess;
    }
    return best;
}
