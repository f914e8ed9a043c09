#include "game/solver_words.h"

#include <utility>

namespace {

// A list's slots: one per distinct character, in order of first use, rounded up to whole blocks.
std::size_t RoundUpToBlock(std::size_t n)
{
    return (n + CSolverWords::kSlotBlock - 1) / CSolverWords::kSlotBlock * CSolverWords::kSlotBlock;
}

}  // namespace

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
    m_nSlots = RoundUpToBlock(m_slotOf.size() ? m_slotOf.size() : 1);
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

CSolverProbe CSolverWords::ProbeOfWord(std::size_t i) const
{
    CSolverProbe probe;
    probe.strGuess = Word(i);
    if (IsPacked()) {
        probe.anCounts.assign(Counts(i), Counts(i) + m_nSlots);
        probe.nSlotted = static_cast<int>(m_words.WordLength());
        probe.nPacked = m_anPacked[i];
    }
    return probe;
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
