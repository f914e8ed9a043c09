// The core's construction, the options and the Options command, the word set in use, and where the
// player is in each set and skill.
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
        const std::vector<std::wstring> astrSets = m_setFolders.ListSetNames();
        if (astrSets.empty()) {
            ShowMessage(Tr("Words Sets: Sets not found"));
            PostQuit(0);
            return false;
        }
        m_strSet = DefaultSetName(MessagesLanguage(), astrSets);
        if (setRead != ERead::Failed)
            m_store.Write(Option::CurrentSet, m_strSet);
    }
    return LoadSetProgress();
}

bool CGameCore::LoadSetProgress()
{
    // Loaded first: a name that opens no set (whatever a damaged store held) never becomes a key.
    // Another set or skill has other words: a review or a count of the words that fit would judge
    // the guesses against the wrong list.
    m_nSolverSkill = -1;
    m_nFitCount.reset();
    m_bReviewable = false;
    if (!ReadWordSetFile(m_setFolders.SetFile(m_strSet), m_words)) {
        ShowMessage(Tr("Can not open file"));
        return false;
    }
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

void CGameCore::OnOptions()
{
    // Another running copy may have changed them: OK must not write back what the player never saw.
    // The set and skill shown are the stored ones too; this game goes on with its own unless the
    // player changes something.
    RefreshOptions();
    COptionsValues values;
    values.nSkill = m_nSkill;
    values.strSet = m_strSet;
    std::wstring strStoredSet;
    int nStoredSkill = SkillBeginner;
    if (m_store.Read(Option::CurrentSet, strStoredSet) == ERead::Found && !strStoredSet.empty()) {
        values.strSet = strStoredSet;
        if (m_store.Read(Option::CurrentSkill, nStoredSkill) == ERead::Found)
            values.nSkill = nStoredSkill;
    }
    values.bTimeTrial = m_bTimeTrial;
    values.bSound = m_bSound;
    values.clrBackground = m_clrBackground;
    values.bHardMode = m_bHardMode;
    values.bWordCheck = m_bWordCheck;
    const COptionsValues shown = values;

    // No tick may reach the game while the player is choosing.
    if (m_bClockRunning)
        StopClock();
    if (RunOptionsDlg(values) == ResultOK) {
        // These take effect from the next sound or guess: the word in play goes on.
        m_bSound = values.bSound;
        m_bHardMode = values.bHardMode;
        m_bWordCheck = values.bWordCheck;
        m_store.Write(Option::Sound, m_bSound);
        m_store.Write(Option::HardMode, m_bHardMode);
        m_store.Write(Option::WordCheck, m_bWordCheck);

        const int nSkill = IsValidSkill(values.nSkill) ? values.nSkill : SkillBeginner;
        // Changed against what was shown; the set name compares exactly: another letter case is
        // another choice.
        const bool bChanged = nSkill != shown.nSkill || values.strSet != shown.strSet ||
                              values.bTimeTrial != shown.bTimeTrial || values.clrBackground != shown.clrBackground;
        if (bChanged) {
            // Logged under the set, skill and mode it was played in.
            AbandonWordInPlay(false);
            m_nSkill = nSkill;
            m_bTimeTrial = values.bTimeTrial;
            m_strSet = values.strSet;
            m_clrBackground = values.clrBackground;
            m_store.Write(Option::CurrentSet, m_strSet);
            m_store.Write(Option::CurrentSkill, m_nSkill);
            m_store.Write(Option::TimeTrial, m_bTimeTrial);
            m_store.Write(Option::Background, m_clrBackground);

            // The word in play, if any, is abandoned without a message. The set and skill are the
            // player's choice as it stands, not read back: a store that could not take them must
            // not undo it.
            m_bGameOver = true;
            StopWordClock();
            m_bChoiceKnown = true;
            if (!LoadSetProgress()) {
                ShowMessage(Tr(kMsgNoWordSets));
                RepaintView();
                return;
            }
            StartNextWord();
            return;
        }
    }
    if (m_bClockRunning)
        StartClock();
}
