#include "game/word_check.h"


#include "game/word_set.h"

std::filesystem::path DictionaryFile(const std::filesystem::path& programDir)
{
    return programDir / "dictionary" / "Everyday.set";
}

bool ListHasWord(const CWordList& words, std::wstring_view strWord)
{
    if (strWord.size() != words.WordLength())
        return false;
    for (std::size_t i = 0; i < words.size(); ++i)
        if (words[i] == strWord)
            return true;
    return false;
}

bool CDictionary::Contains(std::wstring_view strWord)
{
    if (!m_bRead) {
        m_bRead = true;
        CWordLists lists;
        if (!m_file.empty() && ReadWordSetFile(m_file, lists)) {
            for (int nSkill = 0; nSkill < 3; ++nSkill) {
                const CWordList& words = lists.ForSkill(nSkill);
                for (std::size_t i = 0; i < words.size(); ++i)
                    m_words.emplace(words[i]);
            }
        }
    }
    return m_words.contains(std::wstring(strWord));
}
