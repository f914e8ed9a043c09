// What typing, the editing keys, taps and letter-key presses do, and which repaint each asks for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core_test_seam.h"
#include "scripted_host.h"

namespace {

class Input : public CGameFixture {
protected:
    void SetUp() override
    {
        programDir.Write("s.set", MakeSet({"apple"}, {"planet"}, {"kitchen"}));
        store.settings.Write(Option::CurrentSet, L"s");
        StartGame();
        game->ClearLog();
    }
    // Cells and cursor set directly, as a starting point for one key.
    void Cells(const std::wstring& strCells, int nCursor)
    {
        CGameCoreTestSeam::SetGuessRow(*game, strCells, nCursor);
        game->ClearLog();
    }
};

const std::vector<std::wstring> kRepaint = {L"repaint:view"};
const std::vector<std::wstring> kNothing = {};

}  // namespace

// A typed character or a key press (bKey) on a given row of cells.
TEST_F(Input, TypedCharactersAndEditingKeys)
{
    struct CCase {
        const char* szName;
        std::wstring strCells;
        int nCursor;
        bool bKey;
        int nCode;
        std::wstring strAfter;
        int nCursorAfter;
        std::vector<std::wstring> events;
    };
    const std::vector<CCase> cases = {
        {"lower-case a into an empty guess", L"     ", 0, false, L'a', L"A    ", 1, kRepaint},
        {"sixth letter replaces the last", L"ABCDE", 4, false, L'z', L"ABCDZ", 4, kRepaint},
        {"repeated letters are fine", L"AA   ", 2, false, L'A', L"AAA  ", 3, kRepaint},
        {"accented letter upper-cased", L"     ", 0, false, L'\u00E9', L"\u00C9    ", 1, kRepaint},
        {"digit ignored", L"A    ", 1, false, L'7', L"A    ", 1, kNothing},
        {"blank ignored", L"A    ", 1, false, L' ', L"A    ", 1, kNothing},
        {"punctuation ignored", L"A    ", 1, false, L'-', L"A    ", 1, kNothing},
        {"carriage return ignored", L"ABCDE", 4, false, L'\r', L"ABCDE", 4, kNothing},
        {"backspace character ignored", L"AB   ", 2, false, L'\b', L"AB   ", 2, kNothing},
        {"Backspace on a filled cell blanks it", L"ABC  ", 2, true, VK_BACK, L"AB   ", 2, kRepaint},
        {"Backspace on a blank cell blanks the one before", L"ABC  ", 3, true, VK_BACK, L"AB   ", 2, kRepaint},
        {"Backspace on cell 0 does nothing", L"ABC  ", 0, true, VK_BACK, L"ABC  ", 0, kNothing},
        {"Left", L"ABC  ", 2, true, VK_LEFT, L"ABC  ", 1, kRepaint},
        {"Left at cell 0", L"ABC  ", 0, true, VK_LEFT, L"ABC  ", 0, kNothing},
        {"Right", L"ABC  ", 2, true, VK_RIGHT, L"ABC  ", 3, kRepaint},
        {"Right at the last cell", L"ABCDE", 4, true, VK_RIGHT, L"ABCDE", 4, kNothing},
        {"Enter with a blank cell", L"AB DE", 4, true, VK_RETURN, L"AB DE", 4, kNothing},
        {"other key", L"ABC  ", 1, true, 0x41, L"ABC  ", 1, kNothing},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.szName);
        Cells(c.strCells, c.nCursor);
        if (c.bKey)
            game->OnKeyDown(c.nCode);
        else
            game->OnChar(static_cast<wchar_t>(c.nCode));
        EXPECT_EQ(game->Guess(), c.strAfter);
        EXPECT_EQ(game->Cursor(), c.nCursorAfter);
        EXPECT_EQ(game->m_astrEvents, c.events);
    }
    EXPECT_TRUE(game->m_history.m_astrGuesses.empty());
}

TEST_F(Input, EnterOnACompleteGuessSubmitsItAndRepaints)
{
    Cells(L"PLEAS", 4);
    game->OnKeyDown(VK_RETURN);
    ASSERT_EQ(game->m_history.m_astrGuesses, std::vector<std::wstring>{L"PLEAS"});
    EXPECT_EQ(game->Guess(), L"     ");
    EXPECT_EQ(game->Cursor(), 0);
    EXPECT_EQ(game->m_astrEvents, (std::vector<std::wstring>{L"clock:start", L"repaint:view"}));
}

TEST_F(Input, TapsSelectACellByArithmetic)
{
    struct CCase {
        int x, y;
        int nCursor;  // -1: nothing selected
    };
    const std::vector<CCase> cases = {
        {63, 15, -1}, {70, 5, -1}, {70, 25, -1}, {64, 6, 0}, {85, 15, 1},
        {84, 24, 0},  // the gap right of cell 0 belongs to it
        {63 + 22 * 4 + 21, 15, 4}, {63 + 22 * 5 + 1, 15, -1}, {10, 15, -1}, {-5, 15, -1},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        Cells(L"     ", 2);
        game->OnLButtonDown(c.x, c.y);
        if (c.nCursor < 0) {
            EXPECT_EQ(game->Cursor(), 2);
            EXPECT_TRUE(game->m_astrEvents.empty());
        } else {
            EXPECT_EQ(game->Cursor(), c.nCursor);
            EXPECT_EQ(game->m_astrEvents, kRepaint);
        }
    }
}

TEST_F(Input, LetterKeysStepMarksAndRepaintTheListAndTheKeyOnly)
{
    game->OnLetterKey(1003);  // C
    EXPECT_EQ(game->m_history.MarkOf(L'C'), MarkStruck);
    EXPECT_EQ(game->m_astrEvents, (std::vector<std::wstring>{L"repaint:history", L"repaint:key:1003"}));
    game->OnLetterKey(1003);
    game->OnLetterKey(1003);
    EXPECT_EQ(game->m_history.MarkOf(L'C'), MarkNone);
    game->OnLetterKey(1026);
    EXPECT_EQ(game->m_history.MarkOf(L'Z'), MarkStruck);

    // Only the 26 keys send a letter-key press: any other id is a bug, never input to ignore.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(game->OnLetterKey(1027), "impossible state");
    EXPECT_DEATH(game->OnLetterKey(1000), "impossible state");


    // A new word clears every mark.
    game->OnNew();
    EXPECT_EQ(game->m_history.MarkOf(L'Z'), MarkNone);
}

TEST_F(Input, NothingWorksWhileNoWordIsInPlay)
{
    game->Type(L"app");
    game->OnGiveUp();
    const std::wstring strCells = game->Guess();
    const auto marks = game->m_history.m_nLetterMark;
    game->ClearLog();
    game->OnChar(L'x');
    game->OnKeyDown(VK_BACK);
    game->OnKeyDown(VK_LEFT);
    game->OnKeyDown(VK_RIGHT);
    game->OnKeyDown(VK_RETURN);
    game->OnLButtonDown(64, 6);
    game->OnLetterKey(1001);
    EXPECT_TRUE(game->m_astrEvents.empty());
    EXPECT_EQ(game->Guess(), strCells);
    EXPECT_EQ(game->Cursor(), 3);
    EXPECT_EQ(game->m_history.m_nLetterMark, marks);
}
