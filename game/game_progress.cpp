// The core's construction, the word set in use, and where the player is in each set and skill.
#include <utility>

#include "game/game_core.h"
#include "game/player_language.h"
#include "game/word_set.h"
#include "platform/invariant.h"

CGameCore::CGameCore(CAppProfile& profile, CSetFolders setFolders)
    : m_store(profile), m_records(profile), m_setFolders(std::move(setFolders))
{
    RefreshOptions();
}

void CGameCore::RefreshOptions()
{
    // Absent values are their defaults; unreadable ones keep what the session has.
    bool bKnown = true;
    const auto read = [&](const auto& option, auto& value) {
        if (m_store.Read(option, value) == ERead::Failed)
            bKnown = false;
    };
    read(Option::Sound, m_bSound);
    read(Option::TimeTrial, m_bTimeTrial);
    read(Option::Background, m_clrBackground);
    read(Option::HardMode, m_bHardMode);
    read(Option::WordCheck, m_bWordCheck);
    m_bOptionsKnown = bKnown;
}

int CGameCore::WordLength() const
{
    return static_cast<int>(History().m_strMagicWord.size());
}

const CWordList& CGameCore::WordsOfSkill() const
{
    VQ_INVARIANT(IsValidSkill(m_nSkill));
    return m_words.ForSkill(m_nSkill);
}

bool CGameCore::FindFirstSet(std::wstring& strSet)
{
    const std::vector<std::wstring> astrSets = m_setFolders.ListSetNames();
    if (astrSets.empty()) {
        ShowMessage(Tr("Words Sets: Sets not found"));
        return false;
    }
    strSet = DefaultSetName(MessagesLanguage(), astrSets);
    return true;
}

bool CGameCore::LoadWordSet(const std::wstring& strSet)
{
    m_words.Clear();
    m_nSolverSkill = -1;
    if (!IsUsableSetName(strSet) || !ReadWordSetFile(m_setFolders.SetFile(strSet), m_words)) {
        ShowMessage(Tr("Can not open file"));
        return false;
    }
    return true;
}

bool CGameCore::LoadProgress()
{
    int nSkill = SkillBeginner;
    std::wstring strSet;
    const ERead skillRead = m_store.Read(Option::CurrentSkill, nSkill);
    const ERead setRead = m_store.Read(Option::CurrentSet, strSet);
    m_nSkill = IsValidSkill(nSkill) ? nSkill : SkillBeginner;
    m_strSet = strSet;
    // A store that cannot be read now (another program holds it) is not an empty one: the session
    // plays on what it has, and writes nothing it only guessed.
    m_bChoiceKnown = skillRead != ERead::Failed && setRead != ERead::Failed;
    if (m_strSet.empty()) {
        if (!FindFirstSet(m_strSet)) {
            PostQuit(0);
            return false;
        }
        if (setRead != ERead::Failed)
            m_store.Write(Option::CurrentSet, m_strSet);
    }
    return LoadSetProgress();
}

bool CGameCore::LoadSetProgress()
{
    // Loaded first: a name that opens no set (whatever a damaged store held) never becomes a key.
    if (!LoadWordSet(m_strSet))
        return false;
    int nIndex = -1;
    const ERead indexRead = m_store.QueryWordIndex(m_strSet, m_nSkill, nIndex);
    m_nWordIndex = indexRead == ERead::Found ? nIndex : -1;
    m_bIndexKnown = indexRead != ERead::Failed;
    if (indexRead == ERead::Absent)
        m_store.WriteWordIndex(m_strSet, m_nSkill, -1);
    return true;
}

void CGameCore::RecoverStoredChoice()
{
    int nSkill = SkillBeginner;
    std::wstring strSet;
    const ERead skillRead = m_store.Read(Option::CurrentSkill, nSkill);
    const ERead setRead = m_store.Read(Option::CurrentSet, strSet);
    if (skillRead == ERead::Failed || setRead == ERead::Failed)
        return;
    if (!IsValidSkill(nSkill))
        nSkill = SkillBeginner;
    m_bChoiceKnown = true;
    if (strSet.empty() || (strSet == m_strSet && nSkill == m_nSkill))
        return;
    // The player's stored choice wins over the guess the session started on, if it still loads.
    const std::wstring strGuessed = m_strSet;
    const int nGuessedSkill = m_nSkill;
    m_strSet = strSet;
    m_nSkill = nSkill;
    if (!IsUsableSetName(strSet) || !std::filesystem::is_regular_file(m_setFolders.SetFile(strSet))
        || !LoadSetProgress()) {
        m_strSet = strGuessed;
        m_nSkill = nGuessedSkill;
        m_bChoiceKnown = false;
        LoadSetProgress();
    }
}

void CGameCore::SaveProgress(const std::wstring& strSet, int nSkill, int nWordIndex)
{
    m_store.Write(Option::CurrentSet, strSet);
    m_store.Write(Option::CurrentSkill, nSkill);
    if (nWordIndex >= 0)
        m_store.WriteWordIndex(strSet, nSkill, nWordIndex);
}
