// The words a screen reader says for each part of the game and each change it announces.
#include <gtest/gtest.h>

#include "game/guess_record.h"
#include "game/spoken_text.h"

namespace {

TEST(SpokenText, GuessSaysEveryCellBlanksIncludedAndTheCursorCountedFromOne)
{
    struct {
        std::wstring strGuess;
        int nCursor;
        std::wstring strSpoken;
    } const aCases[] = {
        {L"AP   ", 2, L"Guess: A P blank blank blank, cursor on cell 3"},
        {L"     ", 0, L"Guess: blank blank blank blank blank, cursor on cell 1"},
        {L"KITCHEN", 6, L"Guess: K I T C H E N, cursor on cell 7"},
        {L"", 0, L"Guess: no word in play"},
        {L"AB", 5, L"Guess: A B"},  // a cursor outside the word is not made up
    };
    for (const auto& c : aCases)
        EXPECT_EQ(SpokenGuess(c.strGuess, c.nCursor), c.strSpoken);
}

TEST(SpokenText, StatusReadsLevelAndScoreInTimeTrialAndTheClockOtherwise)
{
    EXPECT_EQ(SpokenStatus(true, 1, 203, 999), L"Level 1, Score 203");
    EXPECT_EQ(SpokenStatus(true, 12, 0, 0), L"Level 12, Score 0");
    struct {
        int nElapsed;
        const wchar_t* pszSpoken;
    } const aTimes[] = {{0, L"Time 0:00"}, {59, L"Time 0:59"}, {65, L"Time 1:05"}, {70, L"Time 1:10"}, {600, L"Time 10:00"}, {6000, L"Time 100:00"}};
    for (const auto& t : aTimes)
        EXPECT_EQ(SpokenStatus(false, 1, 203, t.nElapsed), t.pszSpoken);
}

TEST(SpokenText, KeysSayTheirLetterAndMark)
{
    EXPECT_EQ(SpokenKey(L'A', MarkNone), L"A");
    EXPECT_EQ(SpokenKey(L'A', MarkStruck), L"A, struck");
    EXPECT_EQ(SpokenKey(L'Z', MarkHighlighted), L"Z, highlighted");
}

TEST(SpokenText, HistoryRowsCarryNumberCountsAndTheMarkedLettersOnce)
{
    CGuessRecord record;
    record.m_strMagicWord = L"PLANE";
    record.AddGuess(L"LLAMA");
    record.AddGuess(L"PLANT");
    EXPECT_EQ(SpokenHistoryRow(record, 0), L"1. LLAMA, match 2, bingo 2");
    EXPECT_EQ(SpokenHistoryRow(record, 1), L"2. PLANT, match 4, bingo 4");

    record.StepMark(L'L');  // struck
    record.StepMark(L'M');
    record.StepMark(L'A');
    record.StepMark(L'A');  // highlighted
    EXPECT_EQ(SpokenHistoryRow(record, 0), L"1. LLAMA, match 2, bingo 2, struck L M, highlighted A");
    EXPECT_EQ(SpokenHistoryRow(record, 1), L"2. PLANT, match 4, bingo 4, struck L, highlighted A");
    EXPECT_EQ(SpokenHistoryRow(record, 2), L"");
}

TEST(SpokenText, CountdownSpeaksAtTheMinuteMarksThirtySecondsAndTheEndOnly)
{
    EXPECT_EQ(SpokenCountdown(240), L"4 minutes left");
    EXPECT_EQ(SpokenCountdown(60), L"1 minute left");
    EXPECT_EQ(SpokenCountdown(30), L"30 seconds left");
    EXPECT_EQ(SpokenCountdown(0), L"Time is up");
    for (int n : {239, 61, 59, 31, 29, 1, -1})
        EXPECT_EQ(SpokenCountdown(n), L"") << n;
}

TEST(SpokenText, EndOfAWordNamesTheWordAndHowItEnded)
{
    EXPECT_EQ(SpokenWordEnd(EWordEnd::Solved, L"PLANT", 3), L"Solved PLANT in 3 guesses.");
    EXPECT_EQ(SpokenWordEnd(EWordEnd::Solved, L"PLANT", 1), L"Solved PLANT in 1 guess.");
    EXPECT_EQ(SpokenWordEnd(EWordEnd::GaveUp, L"APPLE", 0), L"Given up. The magic word was APPLE.");
    EXPECT_EQ(SpokenWordEnd(EWordEnd::TimedOut, L"APPLE", 4), L"Time is up. The magic word was APPLE.");
    EXPECT_EQ(SpokenWordEnd(EWordEnd::Abandoned, L"APPLE", 4), L"");
}

TEST(SpokenText, DialogLinesReadAsPainted)
{
    const auto astrNew = SpokenNewGameLines(7);
    ASSERT_EQ(astrNew.size(), 3u);
    EXPECT_EQ(astrNew[0], L"Guess the magic 7 lettered word");
    EXPECT_NE(astrNew[1].find(L"right place (Bingo)."), std::wstring::npos);
    EXPECT_EQ(astrNew[2], L"Use it wisely !!!");
    EXPECT_EQ(SpokenLevelLines(10, 11), (std::vector<std::wstring>{L"Finished Level: 10", L"Continue to Level: 11?"}));
}

// Orca reads a dialog's loose texts only from three words up: each record is one line of them.
TEST(SpokenText, ABestScoreIsOneLineWithSkillKindNameAndNumber)
{
    EXPECT_EQ(SpokenBestScore(SkillBeginner, false, L"ANN", 4), L"Beginner, fewest tries: ANN, 4");
    EXPECT_EQ(SpokenBestScore(SkillAdvanced, true, L"BOB", 310), L"Advanced, Time Trial score: BOB, 310");
    EXPECT_EQ(SpokenBestScore(SkillIntermediate, false, L"ANN", 0), L"Intermediate, fewest tries: no record yet");
    EXPECT_EQ(SpokenBestScore(SkillIntermediate, true, L"", 200), L"Intermediate, Time Trial score: no name, 200");
}

}  // namespace
