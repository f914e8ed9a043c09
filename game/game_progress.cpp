// The core's construction, the word set in use, and where the player is in each set and skill.
#include <utility>

#include "game/game_core.h"
#include "game/word_set.h"

CGameCore::CGameCore(CAppProfile& profile, std::filesystem::path programDir)
    : m_store(profile), m_records(profile), m_programDir(std::move(programDir))
{
    m_bSound = m_store.ReadSound();
    m_bTimeTrial = m_store.ReadTimeTrial();
    m_clrBackground = m_store.ReadBackground();
}

int CGameCore::PlayedSkill() const
{
    return IsValidSkill(m_nSkill) ? m_nSkill : SkillBeginner;
}

int CGameCore::WordLength() const
{
    return static_cast<int>(History().m_strMagicWord.size());
}

const CWordList& CGameCore::WordsOfSkill() const
{
    switch (PlayedSkill()) {
    case SkillIntermediate: return m_wordsIntermediate;
    case SkillAdvanced: return m_wordsAdvanced;
    default: return m_wordsBeginner;
    }
}

bool CGameCore::FindFirstSet(std::wstring& strSet)
{
    const std::vector<std::wstring> astrSets = ListSetNames(m_programDir);
    if (astrSets.empty()) {
        ShowMessage(L"Words Sets: Sets not found");
        return false;
    }
    strSet = astrSets.front();
    return true;
}

bool CGameCore::LoadWordSet(const std::wstring& strSet)
{
    CWordLists lists;
    const bool bRead = IsUsableSetName(strSet) && ReadWordSetFile(SetFilePath(m_programDir, strSet), lists);
    m_wordsBeginner = std::move(lists.m_wordsBeginner);
    m_wordsIntermediate = std::move(lists.m_wordsIntermediate);
    m_wordsAdvanced = std::move(lists.m_wordsAdvanced);
    if (!bRead) {
        ShowMessage(L"Can not open file");
        return false;
    }
    return true;
}

bool CGameCore::LoadProgress()
{
    m_nSkill = m_store.ReadCurrentSkill();
    if (!IsValidSkill(m_nSkill))
        m_nSkill = SkillBeginner;
    m_strSet = m_store.ReadCurrentSet();
    if (m_strSet.empty()) {
        if (!FindFirstSet(m_strSet)) {
            PostQuit(0);
            return false;
        }
        m_store.WriteCurrentSet(m_strSet);
    }
    // A name no file or key may carry is a set that cannot be opened.
    if (!IsUsableSetName(m_strSet))
        return LoadWordSet(m_strSet);
    // A store that cannot be written still lets the game play from the first word.
    int nIndex = -1;
    if (!m_store.ReadWordIndex(m_strSet, m_nSkill, nIndex))
        nIndex = -1;
    m_nWordIndex = nIndex;
    m_store.WriteWordIndex(m_strSet, m_nSkill, nIndex);
    return LoadWordSet(m_strSet);
}

void CGameCore::SaveProgress(const std::wstring& strSet, int nSkill, int nWordIndex)
{
    m_store.WriteCurrentSet(strSet);
    m_store.WriteCurrentSkill(nSkill);
    if (nWordIndex >= 0)
        m_store.WriteWordIndex(strSet, nSkill, nWordIndex);
}
