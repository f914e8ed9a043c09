#include "game/guess_record.h"

namespace {

// The mark table has 26 entries; any other character has no entry.
bool HasMark(wchar_t c)
{
    return c >= L'A' && c <= L'Z';
}

}  // namespace

int CountMatch(std::wstring_view strGuess, std::wstring_view strWord)
{
    // Each letter of the word takes away the first equal letter still left in the guess, so a
    // repeated letter counts only as often as both words hold it.
    std::wstring strLeft(strGuess);
    int nCount = 0;
    for (const wchar_t c : strWord) {
        const std::size_t nAt = strLeft.find(c);
        if (nAt != std::wstring::npos) {
            strLeft.erase(nAt, 1);
            ++nCount;
        }
    }
    return nCount;
}

int CountBingo(std::wstring_view strGuess, std::wstring_view strWord)
{
    if (strGuess.size() != strWord.size())
        return 0;
    int nCount = 0;
    for (std::size_t i = 0; i < strGuess.size(); ++i)
        nCount += strGuess[i] == strWord[i] ? 1 : 0;
    return nCount;
}

bool CGuessRecord::IsSolved() const
{
    return !m_adwBingo.empty() && !m_strMagicWord.empty() && m_adwBingo.back() == m_strMagicWord.size();
}

void CGuessRecord::AddGuess(const std::wstring& strGuess)
{
    m_astrGuesses.push_back(strGuess);
    m_adwMatch.push_back(static_cast<std::uint32_t>(CountMatch(strGuess, m_strMagicWord)));
    m_adwBingo.push_back(static_cast<std::uint32_t>(CountBingo(strGuess, m_strMagicWord)));
    OnGuessAdded();
}

void CGuessRecord::ResetHistory()
{
    m_astrGuesses.clear();
    m_adwMatch.clear();
    m_adwBingo.clear();
    m_nLetterMark.fill(MarkNone);
    OnHistoryReset();
}

int CGuessRecord::MarkOf(wchar_t c) const
{
    return HasMark(c) ? m_nLetterMark[static_cast<std::size_t>(c - L'A')] : MarkNone;
}

void CGuessRecord::StepMark(wchar_t c)
{
    // MarkNone, MarkStruck, MarkHighlighted are 0, 1, 2.
    if (HasMark(c))
        m_nLetterMark[static_cast<std::size_t>(c - L'A')] = (MarkOf(c) + 1) % 3;
}
