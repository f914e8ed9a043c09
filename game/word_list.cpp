// The words of one skill, kept one after another in one string.
#include "game/word_list.h"

bool CWordList::push_back(std::wstring_view strWord)
{
    if (m_nWordLength == 0 || strWord.size() != m_nWordLength)
        return false;
    m_strChars.append(strWord);
    return true;
}
