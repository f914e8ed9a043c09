// The rules of one word: which word comes next, how long it may take, and taking a guess.
#include <algorithm>

#include "game/game_core.h"

bool CGameCore::PickNextWord()
{
    const CWordList& words = WordsOfSkill();
    if (words.empty())
        return false;
    // Played in file order; after the last word (or from a damaged index) the list starts again.
    const int nCount = static_cast<int>(std::min<std::size_t>(words.size(), 0x7FFFFFFF));
    // Read, advanced and saved in one step, so the index names the last word handed out, solved or
    // not, and a second running copy never gets the same word.
    const CHandOut out = m_store.HandOut(m_strSet, m_nSkill, m_nWordIndex, m_bIndexKnown, m_bChoiceKnown,
                                         [nCount](int nLast) {
                                             return nLast >= -1 && nLast < nCount - 1 ? nLast + 1 : 0;
                                         });
    m_nWordIndex = out.nIndex;
    m_bIndexKnown = out.bIndexKnown;
    History().m_strMagicWord = std::wstring(words[static_cast<std::size_t>(m_nWordIndex)]);
    return true;
}

int CGameCore::TimeAllowance(int nSkill, int nLevel, bool bTimeTrial)
{
    static constexpr int kBase[] = {240, 360, 480};
    const int nBase = kBase[IsValidSkill(nSkill) ? nSkill : SkillBeginner];
    if (!bTimeTrial || nLevel <= 1)
        return nBase;
    // Levels past the floor would overflow the product; they all get the floor anyway.
    const long long nLimit = nBase - 15LL * (static_cast<long long>(nLevel) - 1);
    return nLimit <= 60 ? 60 : static_cast<int>(nLimit);
}

void CGameCore::ClearGuess()
{
    // A new guess or word: the words that fit are counted again.
    m_nFitCount.reset();
    m_strNote.clear();
    m_strGuess.assign(History().m_strMagicWord.size(), L' ');
    m_nCursor = 0;
}

bool CGameCore::SubmitGuess()
{
    const std::size_t nLength = History().m_strMagicWord.size();
    if (nLength == 0 || m_strGuess.size() < nLength)
        return false;
    const std::wstring strGuess = m_strGuess.substr(0, nLength);
    if (strGuess.find(L' ') != std::wstring::npos)
        return false;
    // The refused guess stays in the cells, to be changed. That it is no word is the first thing
    // to know, and its note leaves the typing alone; hard mode's message comes after.
    if (m_bWordCheck && RefusedByWordCheck(strGuess))
        return false;
    if (m_bHardMode && RefusedInHardMode(strGuess))
        return false;
    History().AddGuess(strGuess);
    ClearGuess();
    if (History().GuessCount() == 1) {
        // Neither clock runs before the first guess: the time spent looking is free.
        m_nElapsed = 0;
        StartClock();
        m_bClockRunning = true;
    }
    if (History().IsSolved())
        EndSolvedWord();
    return true;
}

bool CGameCore::RefusedByWordCheck(const std::wstring& strGuess)
{
    const CWordList& words = WordsOfSkill();
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == strGuess)
            return false;
    }
    if (!m_dictionary)
        m_dictionary = ReadDictionary(DictionaryFile(m_setFolders.ProgramDirectory()));
    if (m_dictionary->contains(strGuess))
        return false;
    m_strNote = Tr(kNotAWord);
    ++m_nNotesGiven;
    RepaintView();
    return true;
}

bool CGameCore::DropNote()
{
    if (m_strNote.empty())
        return false;
    m_strNote.clear();
    return true;
}
