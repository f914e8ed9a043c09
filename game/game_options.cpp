// The Options command: the player's choices stored, and a new word when they change the game.
#include "game/game_core.h"

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
            SaveProgress(m_strSet, m_nSkill, -1);
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
