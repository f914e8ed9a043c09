// Words strung into games: starting a word, its three endings, Time Trial levels, the clock and
// pausing, and the New, Give Up, Best Scores and Exit commands.
#include "game/game_core.h"

namespace {

constexpr const char* kMsgSolved = N_("Congratulations.  You are one smart player.");
constexpr const char* kMsgNoWordsForSkill = N_("This word set has no words for this skill level.");

}  // namespace

void CGameCore::StartFirstWord()
{
    if (LoadProgress())
        StartNextWord();
    else
        ShowMessage(Tr(kMsgNoWordSets));
}

void CGameCore::StartNextWord()
{
    AbandonWordInPlay(false);
    StopWordClock();
    // What could not be read at start may be readable now.
    if (!m_bChoiceKnown)
        RecoverStoredChoice();
    if (!m_bOptionsKnown)
        RefreshOptions();
    if (!PickNextWord()) {
        // Nothing to play at this skill: the player can pick another set or skill in Options.
        m_bGameOver = true;
        ShowMessage(Tr(kMsgNoWordsForSkill));
        RepaintView();
        return;
    }
    m_nTimeLimit = TimeAllowance(m_nSkill, m_nLevel, m_bTimeTrial);
    m_nTimeLeft = m_nTimeLimit;
    m_nCursor = 0;
    History().ResetHistory();
    m_bReviewable = false;
    m_bHintUsed = false;
    ClearGuess();
    for (int nId = IDC_LETTER_FIRST; nId <= IDC_LETTER_LAST; ++nId)
        RepaintKey(nId);
    // Anything but "Go" leaves the game as it was: after an ended game the player starts with New.
    m_bStartDeclined = RunNewGameDlg(WordLength()) != ResultOK;
    if (!m_bStartDeclined)
        m_bGameOver = false;
    // A word in play whose dialog was cancelled is replaced all the same, and the new one plays.
    // A level's word whose dialog was cancelled is never started, but the Time Trial game it was
    // handed out for goes on holding its banked points: whatever ends that game reports the word
    // as left at the start of its level, which is what ends the game in the log.
    m_bWordUnreported = !m_bGameOver || (m_bTimeTrial && m_nScore > 0);
    RepaintView();
}

void CGameCore::EndSolvedWord()
{
    // The clock keeps running while the box is open; m_bSolving keeps a tick from timing the
    // solved word out meanwhile.
    m_bSolving = true;
    OnWordEnded(EWordEnd::Solved);
    if (MarkReviewable())
        ShowWordEndMessage(Tr(kMsgSolved));
    else
        ShowMessage(Tr(kMsgSolved));
    m_bSolving = false;
    m_bGameOver = true;
    StopWordClock();

    if (!m_bTimeTrial) {
        ReportWordLeftPlay(EWordEnd::Solved, false);
        // A word found with help is not a feat of fewest tries.
        if (!m_bHintUsed)
            CheckFewestTries(static_cast<int>(History().GuessCount()));
        return;
    }
    const int nAnswer = RunLevelDlg(m_nLevel, m_nLevel + 1);
    m_nScore += m_nTimeLeft;
    ReportWordLeftPlay(EWordEnd::Solved, nAnswer != ResultYes);
    if (nAnswer == ResultYes) {
        ++m_nLevel;
        StartNextWord();
        return;
    }
    CheckBestScore(m_nScore);
    EndTimeTrialGame();
}

void CGameCore::GiveUp()
{
    EndUnsolvedWord(EWordEnd::GaveUp);
}

void CGameCore::EndUnsolvedWord(EWordEnd how)
{
    StopWordClock();
    m_bGameOver = true;
    // Whatever was banked is the Time Trial game's final score.
    ReportWordLeftPlay(how, m_bTimeTrial);
    OnWordEnded(how);
    const std::wstring strMessage = Fill(Tr("The magic word was %1."), {History().m_strMagicWord});
    if (MarkReviewable())
        ShowWordEndMessage(strMessage);
    else
        ShowMessage(strMessage);
    if (m_nScore > 0) {
        // Banked points are a Time Trial score: they never enter the fewest-tries record, and
        // they replace a stored best only when they beat it.
        if (m_bTimeTrial)
            CheckBestScore(m_nScore);
        EndTimeTrialGame();
    }
}

void CGameCore::StopWordClock()
{
    StopClock();
    m_bClockRunning = false;
}

void CGameCore::EndTimeTrialGame()
{
    m_nTimeLeft = 0;
    m_nScore = 0;
    m_nTimeLimit = 0;
}

void CGameCore::OnClockTick()
{
    // A tick still queued when the clock was stopped, or before the first guess, counts nothing.
    if (m_bGameOver || !m_bClockRunning)
        return;
    if (m_bTimeTrial) {
        if (m_nTimeLeft > 0) {
            --m_nTimeLeft;
        } else if (m_bSolving) {
            return;  // solved in time; the congratulation box is still open
        } else {
            EndUnsolvedWord(EWordEnd::TimedOut);  // the previous tick brought the time to 0
        }
        if (m_bSound) {
            if (m_nTimeLeft % 60 == 0) {
                PlayAlert(EAlert::Asterisk);
            } else if (m_nTimeLeft == 30) {
                PlayAlert(EAlert::Exclamation);
                PlayAlert(EAlert::Exclamation);
            }
        }
    } else {
        ++m_nElapsed;
    }
    RepaintView();
}

void CGameCore::OnActivateView(bool bActivate)
{
    if (m_bGameOver)
        return;
    if (!bActivate) {
        m_bPaused = true;
        StopClock();
    } else if (m_bPaused && m_bClockRunning) {
        StartClock();
        m_bPaused = false;
    }
}

void CGameCore::OnNew()
{
    // Banked points end their Time Trial game here, as a give-up would: starting again at level 1
    // with them kept would let a player bank the easy first level over and over.
    const bool bEndsGame = m_nScore > 0;
    // Before the level changes: the row keeps the level the word was played at.
    AbandonWordInPlay(bEndsGame);
    if (bEndsGame) {
        // No countdown while the player types a name.
        StopWordClock();
        if (m_bTimeTrial)
            CheckBestScore(m_nScore);
        EndTimeTrialGame();
    }
    m_nLevel = 1;
    StartNextWord();
}

void CGameCore::OnGiveUp()
{
    if (CanGiveUp())
        GiveUp();
}

void CGameCore::OnBestScores()
{
    RunBestScoresDlg();
}

void CGameCore::OnExit()
{
    AbandonWordInPlay(true);
    PostQuit(0);
}
