// The solver's compact form of a word list, and the counts of one pair in it.
#include "game/solver_words.h"

#include "game/word_list.h"

namespace {

// A list's slots: one per distinct character, in order of first use, rounded up to whole blocks.
std::size_t RoundUpToBlock(std::size_t n)
{
    return (n + CSolverWords::kSlotBlock - 1) / CSolverWords::kSlotBlock * CSolverWords::kSlotBlock;
}

std::vector<std::wstring_view> ViewsOf(const CWordList& words)
{
    std::vector<std::wstring_view> aViews;
    aViews.reserve(words.size());
    for (std::size_t i = 0; i < words.size(); ++i)
        aViews.push_back(words[i]);
    return aViews;
}

}  // namespace

CSolverWords::CSolverWords(const CWordList& words) : CSolverWords(words.WordLength(), ViewsOf(words)) {}

CSolverWords::CSolverWords(std::size_t nWordLength, const std::vector<std::wstring_view>& aWords)
    : m_nWordLength(nWordLength <= kMaxWordLength ? nWordLength : 0)
{
    m_strChars.reserve(aWords.size() * nWordLength);
    for (std::wstring_view strWord : aWords) {
        // A list holds words of one length; anything else was never a word of it.
        if (strWord.size() != m_nWordLength || m_nWordLength == 0)
            continue;
        m_strChars.append(strWord);
        ++m_nCount;
    }
    if (m_nWordLength == 0 || m_nWordLength > kMaxPackedLength)
        return;
    for (const wchar_t c : m_strChars) {
        if (m_slotOf.size() >= kMaxSlots && !m_slotOf.count(c)) {
            m_slotOf.clear();
            return;  // too many characters: compared one by one
        }
        m_slotOf.emplace(c, static_cast<std::uint8_t>(m_slotOf.size()));
    }
    m_nSlots = RoundUpToBlock(m_slotOf.size() ? m_slotOf.size() : 1);
    m_anCounts.assign(m_nCount * m_nSlots, 0);
    m_anPacked.assign(m_nCount, 0);
    for (std::size_t i = 0; i < m_nCount; ++i) {
        const std::wstring_view strWord = Word(i);
        std::uint8_t* pCounts = m_anCounts.data() + i * m_nSlots;
        std::uint64_t nPacked = 0;
        for (std::size_t nPos = 0; nPos < m_nWordLength; ++nPos) {
            const std::uint8_t nSlot = m_slotOf.find(strWord[nPos])->second;
            ++pCounts[nSlot];
            nPacked |= static_cast<std::uint64_t>(nSlot + 1) << (8 * nPos);
        }
        m_anPacked[i] = nPacked;
    }
}

CSolverProbe CSolverWords::ProbeOfWord(std::size_t i) const
{
    CSolverProbe probe;
    probe.strGuess = Word(i);
    if (IsPacked()) {
        probe.anCounts.assign(Counts(i), Counts(i) + m_nSlots);
        probe.nSlotted = static_cast<int>(m_nWordLength);
        probe.nPacked = m_anPacked[i];
    }
    return probe;
}

CSolverProbe CSolverWords::Probe(std::wstring_view strGuess) const
{
    CSolverProbe probe;
    probe.strGuess = strGuess;
    // A guess of another length gets Bingo 0 from every word; the packed compare would not know.
    if (!IsPacked() || strGuess.size() != m_nWordLength)
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
