// Marking letters and reading the list from the keyboard: Tab round the three places, the arrows
// over the two columns and the rows, the keys that step a mark and the keys that still belong to
// the guess.
#include <gtest/gtest.h>

#include "game/keypad_focus.h"

namespace {

using K = EKeypadKey;
using A = EKeypadAction;

CKeypadFocus InKeypadAt(int nKey)
{
    CKeypadFocus focus;
    focus.OnKey(K::Tab, 0);
    // Walk there the way a player would: down the left column, Right for the other one.
    if (nKey >= CKeypadFocus::kKeysPerColumn) {
        focus.OnKey(K::Right, 0);
        nKey -= CKeypadFocus::kKeysPerColumn;
    }
    for (int i = 0; i < nKey; ++i)
        focus.OnKey(K::Down, 0);
    return focus;
}

wchar_t FocusedLetter(const CKeypadFocus& focus)
{
    return static_cast<wchar_t>(L'A' + focus.FocusedKey());
}

TEST(KeypadFocus, OnlyTabEntersTheKeypadAndEverythingElseGoesToTheGuess)
{
    CKeypadFocus focus;
    for (K key : {K::Escape, K::Up, K::Down, K::Left, K::Right, K::Home, K::End, K::Space, K::Enter, K::Other}) {
        EXPECT_EQ(focus.OnKey(key, 0), A::Unhandled) << static_cast<int>(key);
        EXPECT_FALSE(focus.InKeypad());
    }
    EXPECT_EQ(focus.OnKey(K::Tab, 0), A::FocusMoved);
    EXPECT_TRUE(focus.InKeypad());
    EXPECT_EQ(FocusedLetter(focus), L'A');
}

TEST(KeypadFocus, ArrowsWalkTheTwoColumnsAndStopAtTheirEdges)
{
    struct {
        int nFrom;
        K key;
        wchar_t cTo;
        A action;
    } const aCases[] = {
        {0, K::Down, L'B', A::FocusMoved},   {0, K::Up, L'A', A::None},      {12, K::Down, L'M', A::None},
        {0, K::Right, L'N', A::FocusMoved},  {0, K::Left, L'A', A::None},    {13, K::Right, L'N', A::None},
        {25, K::Left, L'M', A::FocusMoved},  {25, K::Down, L'Z', A::None},   {13, K::Up, L'N', A::None},
        {14, K::Up, L'N', A::FocusMoved},    {20, K::Home, L'N', A::FocusMoved}, {5, K::End, L'M', A::FocusMoved},
        {12, K::End, L'M', A::None},
    };
    for (const auto& c : aCases) {
        CKeypadFocus focus = InKeypadAt(c.nFrom);
        EXPECT_EQ(focus.OnKey(c.key, 0), c.action) << "from " << c.nFrom;
        EXPECT_EQ(FocusedLetter(focus), c.cTo) << "from " << c.nFrom;
        EXPECT_TRUE(focus.InKeypad());
    }
}

TEST(KeypadFocus, SpaceAndEnterStepTheMarkWhileLettersAndBackspaceStayWithTheGuess)
{
    CKeypadFocus focus = InKeypadAt(7);
    EXPECT_EQ(focus.OnKey(K::Space, 0), A::StepMark);
    EXPECT_EQ(focus.OnKey(K::Enter, 0), A::StepMark);
    EXPECT_EQ(focus.OnKey(K::Other, 0), A::Unhandled);
    EXPECT_TRUE(focus.InKeypad());
    EXPECT_EQ(FocusedLetter(focus), L'H');
}

TEST(KeypadFocus, TabOrEscapeReturnToTheGuessWhileTheListIsEmptyAndTabComesBackToTheSameKey)
{
    for (K leave : {K::Tab, K::Escape}) {
        CKeypadFocus focus = InKeypadAt(16);
        EXPECT_EQ(focus.OnKey(leave, 0), A::FocusMoved);
        EXPECT_FALSE(focus.InKeypad());
        EXPECT_EQ(focus.OnKey(K::Space, 0), A::Unhandled);
        focus.OnKey(K::Tab, 0);
        EXPECT_TRUE(focus.InKeypad());
        EXPECT_EQ(FocusedLetter(focus), L'Q');
    }
}

TEST(KeypadFocus, TabGoesRoundGuessKeypadAndListAndShiftTabTheOtherWay)
{
    using P = CKeypadFocus::EPlace;
    CKeypadFocus focus;
    const P aForward[] = {P::Keypad, P::List, P::Guess, P::Keypad};
    for (P want : aForward) {
        EXPECT_EQ(focus.OnKey(K::Tab, 3), A::FocusMoved);
        EXPECT_EQ(focus.Place(), want);
    }
    const P aBack[] = {P::Guess, P::List, P::Keypad, P::Guess};
    for (P want : aBack) {
        EXPECT_EQ(focus.OnKey(K::BackTab, 3), A::FocusMoved);
        EXPECT_EQ(focus.Place(), want);
    }
    // Without rows the list is passed by in both directions.
    focus.OnKey(K::BackTab, 0);
    EXPECT_EQ(focus.Place(), P::Keypad);
    focus.OnKey(K::Tab, 0);
    EXPECT_EQ(focus.Place(), P::Guess);
}

TEST(KeypadFocus, TheListOpensOnTheNewestRowAndTheArrowsReadItRowByRow)
{
    CKeypadFocus focus;
    focus.OnKey(K::BackTab, 4);
    ASSERT_TRUE(focus.InList());
    EXPECT_EQ(focus.FocusedRow(), 3);
    struct {
        K key;
        int nRow;
        A action;
    } const aSteps[] = {
        {K::Down, 3, A::None},       {K::Up, 2, A::FocusMoved},  {K::Home, 0, A::FocusMoved}, {K::Up, 0, A::None},
        {K::End, 3, A::FocusMoved},  {K::Enter, 3, A::None},     {K::Space, 3, A::None},      {K::Left, 3, A::None},
        {K::Other, 3, A::Unhandled},
    };
    for (const auto& step : aSteps) {
        EXPECT_EQ(focus.OnKey(step.key, 4), step.action) << static_cast<int>(step.key);
        EXPECT_EQ(focus.FocusedRow(), step.nRow) << static_cast<int>(step.key);
        EXPECT_TRUE(focus.InList());
    }
    EXPECT_EQ(focus.OnKey(K::Escape, 4), A::FocusMoved);
    EXPECT_EQ(focus.Place(), CKeypadFocus::EPlace::Guess);
}

TEST(KeypadFocus, AListThatLosesItsRowsGivesTheKeyboardBackToTheGuess)
{
    CKeypadFocus focus;
    focus.OnKey(K::BackTab, 2);
    EXPECT_FALSE(focus.OnRowsChanged(3));  // a row more: still reading the same one
    EXPECT_EQ(focus.FocusedRow(), 1);
    EXPECT_TRUE(focus.OnRowsChanged(0));
    EXPECT_EQ(focus.Place(), CKeypadFocus::EPlace::Guess);
    EXPECT_FALSE(focus.OnRowsChanged(0));
    // A list of one row that keeps it: the focus has not moved, so nothing is said again.
    focus.OnKey(K::BackTab, 1);
    ASSERT_TRUE(focus.InList());
    EXPECT_FALSE(focus.OnRowsChanged(1));
    EXPECT_EQ(focus.FocusedRow(), 0);
}

}  // namespace
