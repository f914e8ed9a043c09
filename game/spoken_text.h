// What a screen reader says about the game: the words for each part of the screen and for each
// change worth announcing. Kept apart from the toolkit so the phrasing is tested without a display;
// the view only hands these strings to the accessibility layer.
#pragma once

#include <string>
#include <vector>

#include "platform/translate.h"
#include "store/game_log.h"

class CGuessRecord;

// The painted rules of the New Game dialog; painted and spoken from this one text.
// Translated where it is used (Tr, or _ above the toolkit).
inline constexpr const char* kNewGameRules = N_(
    "For every guess, you will be given "
    "the number of letters that match and "
    "the number of letters that are in the "
    "right place (Bingo).");

// "Guess: A P blank blank blank, cursor on cell 3"; cells counted from 1 as a person counts.
std::wstring SpokenGuess(const std::wstring& strGuess, int nCursor);

// "Level 1, Score 203" in Time Trial (the score as shown, time left included), else "Time 1:05".
std::wstring SpokenStatus(bool bTimeTrial, int nLevel, int nScoreShown, int nElapsed);

// What a click on a letter key does: the keys' tooltip, and their description for screen readers.
inline constexpr const char* kLetterKeyHint =
    N_("Click to strike out, highlight or clear this letter in your guesses");

// "A" or "A, struck".
std::wstring SpokenKey(wchar_t cLetter, int nMark);

// Row nRow (0-based) of the record: "3. PLANT, match 3, bingo 0", followed by the letters of the
// guess that carry a mark, e.g. ", struck L T, highlighted A".
std::wstring SpokenHistoryRow(const CGuessRecord& record, std::size_t nRow);

// "1 word fits", "12 words fit": the words-that-fit line, shown and spoken alike.
std::wstring WordsFitText(std::size_t nFit);

// "PLANX is not a word.": what the word check's note says to a reader.
std::wstring SpokenNotAWord(const std::wstring& strGuess);

// What the countdown says when its alert would sound with time left nTimeLeft: the whole
// minutes, 30 seconds and the end; empty at any other second.
std::wstring SpokenCountdown(int nTimeLeft);

// "Solved PLANT in 3 guesses.", "Given up. The magic word was PLANT.", "Time is up. ..."; nothing
// for a word abandoned by closing the game.
std::wstring SpokenWordEnd(EWordEnd how, const std::wstring& strWord, std::size_t nGuesses);

// One record of the Best Scores table as a line a reader speaks whole: "Beginner, fewest tries:
// ANN, 4", "Advanced, Time Trial score: BOB, 310", "Intermediate, fewest tries: no record yet"
// (a stored number of 0 is no record).
std::wstring SpokenBestScore(int nSkill, bool bTimeTrial, const std::wstring& strName, int nNumber);

// The texts the New Game and Level dialogs paint, one entry per line a reader should read.
std::vector<std::wstring> SpokenNewGameLines(int nWordLength);
std::vector<std::wstring> SpokenLevelLines(int nFinishedLevel, int nNextLevel);
