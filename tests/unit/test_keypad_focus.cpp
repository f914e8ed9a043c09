// Marking letters from the keyboard: Tab in and out, the arrows over the two columns, the keys
// that step a mark and the keys that still belong to the guess.
#include <gtest/gtest.h>

#include "game/keypad_focus.h"

namespace {

using K = EKeypadKey;
using A = EKeypadAction;

CKeypadFocus InKeypadAt(int nKey)
{
    CKeypadFocus focus;
    focus.OnKey(K::Tab);
    // Walk there the way a player would: down the left column, Right for the other one.
    if (nKey >= CKeypadFocus::kKeysPerColumn) {
        focus.OnKey(K::Right);
        nKey -= CKeypadFocus::kKeysPerColumn;
    }
    for (int i = 0; i < nKey; ++i)
        focus.OnKey(K::Down);
    return focus;
}

TEST(KeypadFocus, OnlyTabEntersTheKeypadAndEverythingElseGoesToTheGuess)
{
    CKeypadFocus focus;
    for (K key : {K::Escape, K::Up, K::Down, K::Left, K::Right, K::Home, K::End, K::Space, K::Enter, K::Other}) {
        EXPECT_EQ(focus.OnKey(key), A::Unhandled) << static_cast<int>(key);
        EXPECT_FALSE(focus.InKeypad());
    }
    EXPECT_EQ(focus.OnKey(K::Tab), A::FocusMoved);
    EXPECT_TRUE(focus.InKeypad());
    EXPECT_EQ(focus.FocusedLetter(), L'A');
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
        EXPECT_EQ(focus.OnKey(c.key), c.action) << "from " << c.nFrom;
        EXPECT_EQ(focus.FocusedLetter(), c.cTo) << "from " << c.nFrom;
        EXPECT_TRUE(focus.InKeypad());
    }
}

TEST(KeypadFocus, SpaceAndEnterStepTheMarkWhileLettersAndBackspaceStayWithTheGuess)
{
    CKeypadFocus focus = InKeypadAt(7);
    EXPECT_EQ(focus.OnKey(K::Space), A::StepMark);
    EXPECT_EQ(focus.OnKey(K::Enter), A::StepMark);
    EXPECT_EQ(focus.OnKey(K::Other), A::Unhandled);
    EXPECT_TRUE(focus.InKeypad());
    EXPECT_EQ(focus.FocusedLetter(), L'H');
}

TEST(KeypadFocus, TabOrEscapeReturnToTheGuessAndTabComesBackToTheSameKey)
{
    for (K leave : {K::Tab, K::Escape}) {
        CKeypadFocus focus = InKeypadAt(16);
        EXPECT_EQ(focus.OnKey(leave), A::FocusMoved);
        EXPECT_FALSE(focus.InKeypad());
        EXPECT_EQ(focus.OnKey(K::Space), A::Unhandled);
        focus.OnKey(K::Tab);
        EXPECT_TRUE(focus.InKeypad());
        EXPECT_EQ(focus.FocusedLetter(), L'Q');
    }
}

}  // namespace
