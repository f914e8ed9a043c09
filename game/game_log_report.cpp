// What the game tells its log when a word leaves play, and the Statistics command.
#include <ctime>

#include "game/game_core.h"
#include "store/game_log_writer.h"

void CGameCore::ReportWordLeftPlay(EWordEnd how, bool bEndsGame)
{
    if (!m_bWordUnreported)
        return;
    m_bWordUnreported = false;
    if (m_pGameLog == nullptr)
        return;

    CGameLogEntry entry;
    entry.nEndedUtc = static_cast<std::int64_t>(std::time(nullptr));
    entry.strSet = m_strSet;
    entry.nSkill = m_nSkill;
    entry.strWord = History().m_strMagicWord;
    entry.nGuesses = static_cast<int>(History().GuessCount());
    entry.eEnd = how;
    // Both clocks start at the first guess; before it no time was used, whatever they still show.
    if (entry.nGuesses > 0)
        entry.nSeconds = m_bTimeTrial ? m_nTimeLimit - m_nTimeLeft : m_nElapsed;
    entry.bTimeTrial = m_bTimeTrial;
    entry.nLevel = m_nLevel;
    entry.nScore = m_nScore;
    entry.bEndsGame = m_bTimeTrial && bEndsGame;
    entry.bHinted = m_bHintUsed;
    m_pGameLog->Append(std::move(entry));
}

void CGameCore::AbandonWordInPlay(bool bGameEnds)
{
    ReportWordLeftPlay(EWordEnd::Abandoned, bGameEnds);
}

void CGameCore::OnStatistics()
{
    // Looking at the figures costs no time on the clock, as with Options.
    if (m_bClockRunning && !m_bGameOver)
        StopClock();
    // The figures include the word that has just ended.
    if (m_pGameLog != nullptr)
        m_pGameLog->Flush();
    RunStatisticsDlg();
    if (m_bClockRunning && !m_bGameOver)
        StartClock();
}
