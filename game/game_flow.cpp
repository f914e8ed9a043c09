// Words strung into games: starting a word, its three endings, Time Trial levels, the clock and
// pausing, the records they make, what the game log is told, and the New, Give Up, Best Scores,
// Statistics and Exit commands.
#include <ctime>

#include "game/game_core.h"
#include "store/game_log_writer.h"

namespace {

constexpr const char* kMsgSolved = N_("Congratulations.  You are one smart player.");
constexpr const char* kMsgNoWordsForSkill = N_("This word set has no words for this skill level.");
// A fewest-tries record that was reset (0), or is damaged, is no record at all.
constexpr int kNoFewestTries = 200;

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
    TellWordEnded(Tr(kMsgSolved));
    m_bSolving = false;
    m_bGameOver = true;
    StopWordClock();

    if (!m_bTimeTrial) {
        ReportWordLeftPlay(EWordEnd::Solved, false);
        // A word found with help is not a feat of fewest tries.
        if (!m_bHintUsed)
            CheckRecord(static_cast<int>(History().GuessCount()));
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
    EndTimeTrialGame();
}

void CGameCore::EndUnsolvedWord(EWordEnd how)
{
    StopWordClock();
    m_bGameOver = true;
    // Whatever was banked is the Time Trial game's final score.
    ReportWordLeftPlay(how, m_bTimeTrial);
    OnWordEnded(how);
    TellWordEnded(Fill(Tr("The magic word was %1."), {History().m_strMagicWord}));
    if (m_nScore > 0)
        EndTimeTrialGame();
}

void CGameCore::StopWordClock()
{
    StopClock();
    m_bClockRunning = false;
}

void CGameCore::EndTimeTrialGame()
{
    // Banked points are a Time Trial score: they never enter the fewest-tries record, and they
    // replace a stored best only when they beat it.
    if (m_bTimeTrial)
        CheckRecord(m_nScore);
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
        EndTimeTrialGame();
    }
    m_nLevel = 1;
    StartNextWord();
}

void CGameCore::OnGiveUp()
{
    if (CanGiveUp())
        EndUnsolvedWord(EWordEnd::GaveUp);
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

int CGameCore::ReadBestRecord(std::wstring& strName, bool& bKnown)
{
    const CBestRecord record = m_records.Read(m_nSkill, m_bTimeTrial);
    bKnown = !record.bUnreadable;
    strName = record.strName;
    if (!m_bTimeTrial && record.nNumber <= 0)
        return kNoFewestTries;
    return record.nNumber;
}

void CGameCore::WriteBestRecord(const std::wstring& strName, int nNumber)
{
    m_records.Write(m_nSkill, m_bTimeTrial, strName, nNumber);
}

// A new record asks for the player's name, stores it and shows the table. An equal number is no
// record. A record that cannot be read now is not beaten by default: that would let a locked store
// replace the real holder.
void CGameCore::CheckRecord(int nNumber)
{
    std::wstring strName;
    bool bKnown = true;
    const int nBest = ReadBestRecord(strName, bKnown);
    if ((m_bTimeTrial ? nNumber <= nBest : nNumber >= nBest) || !bKnown)
        return;
    const std::wstring strMessage = m_bTimeTrial ? Tr("You are best player in this level")
                                                 : Tr("You are the best player in this level who took minimum tries.");
    if (RunPlayerNameDlg(strName, strMessage) != ResultOK)
        return;
    WriteBestRecord(strName, nNumber);
    RunBestScoresDlg();
}

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
