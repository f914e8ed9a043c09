// The game itself, free of any toolkit: the state of the word in play, the rules that score a
// guess, the flow of words and levels, the clock, the records and the Options command, and what
// each key, tap and letter-key press does. The game view derives from it and implements the host
// operations at the bottom; a test derives a scripted host instead.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "game/guess_record.h"
#include "game/options_values.h"
#include "game/set_folders.h"
#include "game/word_check.h"
#include "game/solver_words.h"
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

    // ---- Sets and progress -------------------------------------------------------------------
    bool FindFirstSet(std::wstring& strSet);         // "Words Sets: Sets not found" when none
    bool LoadWordSet(const std::wstring& strSet);    // "Can not open file" when it cannot be read
    bool LoadProgress();
    // The word set and the position of the current set and skill, which stay as they are.
    bool LoadSetProgress();
    void SaveProgress(const std::wstring& strSet, int nSkill, int nWordIndex);

    // ---- The rules of one word ----------------------------------------------------------------
    // The next word of the current skill, its position saved. False, with nothing changed, when
    // the skill has no words.
    bool PickNextWord();
    // 240, 360 or 480 s by skill; in Time Trial 15 s less per level above 1, never below 60.
    static int TimeAllowance(int nSkill, int nLevel, bool bTimeTrial);
    void ClearGuess();
    // False, with nothing changed, for an incomplete guess and for one hard mode refuses.
    bool SubmitGuess();
    // A short note about the last Enter (a guess the word check refused); empty when there is
    // none. It stays until the next key, and a new word clears it.
    const std::wstring& Note() const { return m_strNote; }
    // Counts the notes given, so a note given again (Enter on the same guess) is told again.
    unsigned NotesGiven() const { return m_nNotesGiven; }
    static constexpr const char* kNotAWord = N_("Not a word");

    // ---- Hint ---------------------------------------------------------------------------------
    struct CHint {
        std::wstring strGuess;
        std::uint64_t nHundredthsLeft = 0;  // words left on average after it, in hundredths
        std::size_t nFitting = 0;           // words of the list that fit the guesses so far
        bool bFits = false;                 // the hint could be the word itself
        bool bSampled = false;              // the list was too large to search in full
    };
    // The words of the current skill (indices into WordsOfSkill, in file order) that fit the counts
    // of the guesses of the word in play or of the word that ended last: all of them before a guess.
    std::vector<std::size_t> WordsThatFit();
    // How many words fit, worked out once per guess: the screen asks at every paint.
    std::size_t WordsThatFitCount();
    // The best next guess for the word in play by what its guesses tell (in hard mode, one that
    // fits them); nothing while no word is in play.
    std::optional<CHint> BestHint();
    bool CanHint() const { return !m_bGameOver; }
    // Shows the hint. It marks the word as helped (no fewest-tries record) and in Time Trial costs
    // kHintSeconds of the countdown, never taking it below 0.
    void OnHint();
    static constexpr int kHintSeconds = 30;

    // ---- Review -------------------------------------------------------------------------------
    // A word ended (solved, given up, timed out) with guesses to look back on, and the set and skill
    // it was played at are still the current ones.
    bool CanReview() const;
    // Each guess of that word with the words that fitted before and after it and the best guess at
    // that point, as the hint would have picked it; no rows when there is nothing to review.
    CWordReview ReviewOfLastWord();
    // What ShowWordEndMessage answers when the player chose the message's Review button.
    static constexpr int kResultReview = 100;

    // ---- Game flow ----------------------------------------------------------------------------
    void StartFirstWord();   // at the view's initial update: load the stored progress, then start
    void StartNextWord();
    void GiveUp();
    void OnClockTick();
    void OnActivateView(bool bActivate);

    // ---- Records ------------------------------------------------------------------------------
    int ReadBestRecord(std::wstring& strName, bool& bKnown);  // bKnown false: the store was unreadable
    void WriteBestRecord(const std::wstring& strName, int nNumber);

    // ---- Commands -----------------------------------------------------------------------------
    void OnNew();
    void OnGiveUp();
    bool CanGiveUp() const { return !m_bGameOver; }
    // No word in play and nothing listed (a first New Game dialog cancelled): the board says how
    // to start one.
    // Only once the player has left a New Game dialog without a word: before the first one it
    // would be read out over the dialog itself.
    bool ShowsStartHint() const { return m_bGameOver && m_bStartDeclined && History().GuessCount() == 0; }
    static constexpr const char* kStartHint = N_("To start a word, choose New in the Game menu or press Ctrl+N.");
    void OnBestScores();
    void OnOptions();
    void OnStatistics();
    void OnExit();

    // ---- Game log -----------------------------------------------------------------------------
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

    int WordLength() const;
    const CWordList& WordsOfSkill() const;

    // ---- Game state, as the view draws it -----------------------------------------------------
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

    // The clock stops for the word in play and is marked stopped: the word has ended or is
    // being replaced.
    void StopWordClock();
    // The Time Trial game is over: nothing is banked, and the bar and the score show empty.
    void EndTimeTrialGame();
    void EndSolvedWord();
    void EndUnsolvedWord(EWordEnd how);   // given up or timed out
    // The one place a word that left play is reported; the first report of a word is the only one.
    void ReportWordLeftPlay(EWordEnd how, bool bEndsGame);
    void CheckBestScore(int nScore);
    void CheckFewestTries(int nTries);
    // In hard mode, a guess that contradicts an earlier one is refused with a message saying which.
    bool RefusedInHardMode(const std::wstring& strGuess);
    // Reads again what another running copy may have stored; values that cannot be read keep
    // what the session has.
    void RefreshOptions();
    // After a start on a store that could not be read: the stored set and skill once readable.
    void RecoverStoredChoice();

    // What the session holds without having read it: nothing derived from it is written.
    bool m_bChoiceKnown = true;     // m_strSet and m_nSkill
    bool m_bIndexKnown = true;      // m_nWordIndex
    bool m_bOptionsKnown = true;    // the options that the Options dialog shows beside the set and skill
    bool m_bSolving = false;  // the congratulation box of a solved word is open
    bool m_bWordUnreported = false;  // a word entered play and has not been reported as gone
    CGameLogWriter* m_pGameLog = nullptr;

    std::wstring m_strGuess;            // one cell per letter of the magic word; blank = empty
    int m_nCursor = 6;                  // the cell the next letter fills
    bool m_bGameOver = true;            // no word in play
    bool m_bStartDeclined = false;      // the last New Game dialog was left without "Go"
    bool m_bHardMode = false;           // every guess must fit the counts of the guesses so far
    bool m_bWordCheck = false;          // a guess must be a word of the set or of the dictionary
    bool m_bHintUsed = false;           // for the word in play, or the word that ended last
    // The word that ended last can be reviewed: against this set and skill, hard mode as it was.
    bool m_bReviewable = false;
    std::wstring m_strReviewSet;
    int m_nReviewSkill = -1;
    bool m_bReviewHard = false;
    // Marks the word that just ended as one to review; false when it has no guess to show.
    bool MarkReviewable();
    // The current skill's words made ready for the solver on the first hint, once per set and skill.
    CSolverWords m_solverWords;
    int m_nSolverSkill = -1;            // the skill m_solverWords was made for; -1: none yet
    const CSolverWords& SolverWords();
    // The last count of words that fit and what it was counted for.
    struct CFitCount {
        std::wstring strSet;
        int nSkill = -1;
        std::wstring strWord;
        std::vector<std::wstring> astrGuesses;
        std::size_t nFit = 0;
        bool bKnown = false;
    } m_fitCount;
    // Read on the word check's first question.
    std::optional<CDictionary> m_dictionary;
    std::wstring m_strNote;
    unsigned m_nNotesGiven = 0;
    // With the word check on, a guess that is no word is refused with a note (not a message box:
    // the player is typing).
    bool RefusedByWordCheck(const std::wstring& strGuess);
    // Clears the note; whether there was one on screen.
    bool DropNote();
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
