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
    if (m_store.ReadCurrentSet(strStoredSet) == ERead::Found && !strStoredSet.empty()) {
        values.strSet = strStoredSet;
        m_store.ReadCurrentSkill(values.nSkill);
    }
    values.bTimeTrial = m_bTimeTrial;
    values.bSound = m_bSound;
    values.clrBackground = m_clrBackground;
    const COptionsValues shown = values;

    // No tick may reach the game while the player is choosing.
    if (m_bClockRunning)
        StopClock();
    if (RunOptionsDlg(values) == ResultOK) {
        m_bSound = values.bSound;
        m_store.WriteSound(m_bSound);

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
            m_store.WriteTimeTrial(m_bTimeTrial);
            m_store.WriteBackground(m_clrBackground);

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
