// The game itself, free of any toolkit: the state of the word in play, the rules that score a
// guess, the flow of words and levels, the clock, the records and the Options command, and what
// each key, tap and letter-key press does. The game view derives from it and implements the host
// operations at the bottom; a test derives a scripted host instead.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "game/guess_record.h"
#include "game/options_values.h"
#include "game/set_folders.h"
#include "game/solver.h"
#include "game/types.h"
#include "game/word_set.h"
#include "game/word_review.h"
#include "platform/translate.h"
#include "store/game_log.h"
#include "store/record_store.h"
#include "store/settings_store.h"

class CAppProfile;
class CGameLogWriter;

class CGameCore {
public:
    // Reads the options from the profile; the word sets are looked for in the folders given.
    CGameCore(CAppProfile& profile, CSetFolders setFolders);
    virtual ~CGameCore() = default;
    CGameCore(const CGameCore&) = delete;
    CGameCore& operator=(const CGameCore&) = delete;

    // ---- Sets, progress and the rules of one word ---------------------------------------------
    bool LoadProgress();
    // The set and position of the current set and skill, which stay as they are.
    bool LoadSetProgress();
    // The next word of the current skill, its position saved. False, with nothing changed, when
    // the skill has no words.
    bool PickNextWord();
    // 240, 360 or 480 s by skill; in Time Trial 15 s less per level above 1, never below 60.
    static int TimeAllowance(int nSkill, int nLevel, bool bTimeTrial);
    void ClearGuess();
    // False, with nothing changed, for an incomplete guess and for one the checks refuse.
    bool SubmitGuess();
    // A short note about the last Enter (a guess the word check refused); it stays until the next
    // key. NotesGiven counts them, so the same note given again is told again.
    const std::wstring& Note() const { return m_strNote; }
    unsigned NotesGiven() const { return m_nNotesGiven; }
    static constexpr const char* kNotAWord = N_("Not a word");

    // ---- Hint and review ----------------------------------------------------------------------
    // The words of the current skill (indices into WordsOfSkill) that fit the counts of the guesses
    // of the word in play or of the word that ended last: all of them before a guess.
    std::vector<std::size_t> WordsThatFit();
    // Worked out once per guess: the screen asks at every paint.
    std::size_t WordsThatFitCount();
    bool CanHint() const { return !m_bGameOver; }
    // Shows the best next guess by what the guesses tell (in hard mode, one that fits them). It
    // marks the word as helped (no fewest-tries record) and in Time Trial costs kHintSeconds.
    void OnHint();
    static constexpr int kHintSeconds = 30;
    // The word that ended last has guesses, and its set and skill are still the current ones.
    bool CanReview() const;
    // Each guess of that word with the words that fitted before and after it and the hint's pick
    // at that point; no rows when there is nothing to review.
    CWordReview ReviewOfLastWord();
    // What ShowWordEndMessage answers when the player chose the message's Review button.
    static constexpr int kResultReview = 100;

    // ---- Game flow and commands ---------------------------------------------------------------
    void StartFirstWord();   // at the view's initial update: load the stored progress, then start
    void StartNextWord();
    void OnClockTick();
    void OnActivateView(bool bActivate);
    int ReadBestRecord(std::wstring& strName, bool& bKnown);  // bKnown false: the store was unreadable
    void WriteBestRecord(const std::wstring& strName, int nNumber);
    void OnNew();
    void OnGiveUp();
    bool CanGiveUp() const { return !m_bGameOver; }
    // No word in play and nothing listed after the player left a New Game dialog without a word:
    // the board says how to start one (before the first dialog it would be read over the dialog).
    bool ShowsStartHint() const { return m_bGameOver && m_bStartDeclined && History().GuessCount() == 0; }
    static constexpr const char* kStartHint = N_("To start a word, choose New in the Game menu or press Ctrl+N.");
    void OnBestScores();
    void OnOptions();
    void OnStatistics();
    void OnExit();

    // Where each word that leaves play is written; nullptr (the default) keeps no log.
    void SetGameLog(CGameLogWriter* pLog) { m_pGameLog = pLog; }
    CGameLogWriter* GameLog() const { return m_pGameLog; }
    // The word in play, if any, leaves play unfinished: New, Options, Exit, the window closing.
    // bGameEnds: nothing of a Time Trial game survives it (the program ends, or New drops the
    // banked points).
    void AbandonWordInPlay(bool bGameEnds);

    // ---- Input --------------------------------------------------------------------------------
    void OnChar(wchar_t c);
    void OnKeyDown(int nVirtKey);
    void OnLButtonDown(int x, int y);
    void OnLetterKey(int nId);

    // ---- Game state, as the view draws it -----------------------------------------------------
    int WordLength() const;
    const CWordList& WordsOfSkill() const;
    const std::wstring& Guess() const { return m_strGuess; }
    int Cursor() const { return m_nCursor; }
    bool IsGameOver() const { return m_bGameOver; }
    bool IsTimeTrial() const { return m_bTimeTrial; }
    int TimeLimit() const { return m_nTimeLimit; }
    int TimeLeft() const { return m_nTimeLeft; }
    int Elapsed() const { return m_nElapsed; }
    int Skill() const { return m_nSkill; }
    int Level() const { return m_nLevel; }
    int Score() const { return m_nScore; }
    COLORREF Background() const { return m_clrBackground; }
    const std::wstring& CurrentSet() const { return m_strSet; }

    // Cell geometry of the guess row, shared by the drawing and the tap rule.
    static constexpr int m_nCellLeft = 63;
    static constexpr int m_nCellTop = 5;
    static constexpr int m_nCellWidth = 20;
    static constexpr int m_nCellHeight = 20;
    static constexpr int m_nCellGap = 2;
    static constexpr int m_nCellPitch = m_nCellWidth + m_nCellGap;

protected:
    // ---- Host: everything the player sees or hears -------------------------------------------
    // Each dialog runs modally and returns its result code (EResult).
    virtual int RunNewGameDlg(int nWordLength) = 0;
    virtual int RunLevelDlg(int nFinishedLevel, int nNextLevel) = 0;
    virtual int RunPlayerNameDlg(std::wstring& strName, const std::wstring& strMessage) = 0;
    virtual int RunBestScoresDlg() = 0;
    virtual int RunOptionsDlg(COptionsValues& values) = 0;
    virtual int RunStatisticsDlg() = 0;
    virtual void ShowMessage(const std::wstring& strText) = 0;  // one OK button; returns when closed
    // The message that ends a word, with OK (the default) and a Review button that shows the review
    // of the word once the box is closed. ResultOK or kResultReview.
    virtual int ShowWordEndMessage(const std::wstring& strText) = 0;
    // The word in play was solved, given up or timed out; called just before the message that
    // says so, with the last guess already in the record.
    virtual void OnWordEnded(EWordEnd how) = 0;
    virtual void StartClock() = 0;                              // timer 1, 1000 ms
    virtual void StopClock() = 0;
    virtual void RepaintView() = 0;                             // synchronously, without erasing
    virtual void RepaintKey(int nId) = 0;                       // one letter key, 1001 to 1026
    virtual void RepaintHistory() = 0;
    virtual void PlayAlert(EAlert kind) = 0;
    virtual void PostQuit(int nExitCode) = 0;
    virtual CGuessRecord& History() = 0;
    virtual const CGuessRecord& History() const = 0;

    CSettingsStore m_store;
    CRecordStore m_records;
    CSetFolders m_setFolders;

    static constexpr const char* kMsgNoWordSets = N_("Did not find any word sets to play with.");

private:
    // Tests reach states that take many words or minutes of play through this one named seam.
    friend class CGameCoreTestSeam;

    // The clock stops for the word in play and is marked stopped.
    void StopWordClock();
    // The Time Trial game is over: its score is held against the record, then nothing is banked,
    // and the bar and the score show empty.
    void EndTimeTrialGame();
    void EndSolvedWord();
    void EndUnsolvedWord(EWordEnd how);   // given up or timed out
    // The one place a word that left play is reported; the first report of a word is the only one.
    void ReportWordLeftPlay(EWordEnd how, bool bEndsGame);
    // The Time Trial score or the tries of a word solved without Time Trial, against the record.
    void CheckRecord(int nNumber);
    // Hard mode refuses a guess that contradicts an earlier one, with a message saying which.
    bool RefusedInHardMode(const std::wstring& strGuess);
    // With the word check on, a guess that is no word is refused with a note (not a message box:
    // the player is typing).
    bool RefusedByWordCheck(const std::wstring& strGuess);
    // Clears the note; whether there was one on screen.
    bool DropNote();
    // Reads again what another running copy may have stored; values that cannot be read keep
    // what the session has.
    void RefreshOptions();
    // After a start on a store that could not be read: the stored set and skill once readable.
    void RecoverStoredChoice();
    // The message that a word ended; a word with guesses to look back on becomes the one to review,
    // and its message offers the review.
    void TellWordEnded(const std::wstring& strText);
    // The current skill's words made ready for the solver on the first question, once per set and skill.
    const CSolverWords& SolverWords();

    // What the session holds without having read it: nothing derived from it is written.
    bool m_bChoiceKnown = true;     // m_strSet and m_nSkill
    bool m_bIndexKnown = true;      // m_nWordIndex
    bool m_bOptionsKnown = true;    // the options that the Options dialog shows beside the set and skill
    bool m_bSolving = false;        // the congratulation box of a solved word is open
    bool m_bWordUnreported = false; // a word entered play and has not been reported as gone
    CGameLogWriter* m_pGameLog = nullptr;

    std::wstring m_strGuess;            // one cell per letter of the magic word; blank = empty
    int m_nCursor = 6;                  // the cell the next letter fills
    bool m_bGameOver = true;            // no word in play
    bool m_bStartDeclined = false;      // the last New Game dialog was left without "Go"
    bool m_bHardMode = false;           // every guess must fit the counts of the guesses so far
    bool m_bWordCheck = false;          // a guess must be a word of the set or of the dictionary
    bool m_bHintUsed = false;           // for the word in play, or the word that ended last
    // The word that ended last can be reviewed (a set or skill loaded since has other words), with
    // hard mode as it was.
    bool m_bReviewable = false;
    bool m_bReviewHard = false;
    CSolverWords m_solverWords;
    int m_nSolverSkill = -1;            // the skill m_solverWords was made for; -1: none yet
    std::optional<std::size_t> m_nFitCount;  // dropped by each new guess, word and set
    // Read on the word check's first question: most games never turn the check on, and those that
    // do should not wait for it at start-up.
    std::optional<std::unordered_set<std::wstring>> m_dictionary;
    std::wstring m_strNote;
    unsigned m_nNotesGiven = 0;
    bool m_bClockRunning = false;       // the clock was started for the current word
    bool m_bPaused = false;             // the clock was stopped because the view went inactive
    bool m_bTimeTrial = true;
    bool m_bSound = true;
    int m_nTimeLimit = 240;
    int m_nTimeLeft = 240;
    int m_nElapsed = 0;
    int m_nSkill = SkillBeginner;       // always a valid skill: every way in checks it
    int m_nWordIndex = -1;              // the last word handed out; -1 when none yet
    int m_nLevel = 1;
    int m_nScore = 0;
    COLORREF m_clrBackground = kDefaultBackground;
    std::wstring m_strSet;
    CWordLists m_words;                 // the current set's words, one list per skill
};
