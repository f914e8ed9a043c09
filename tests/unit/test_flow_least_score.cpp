// The least banked score still ends a Time Trial game as any other does: one point is a score.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core_test_seam.h"
#include "scripted_host.h"

namespace {

class LeastScore : public CGameFixture {
protected:
    void SetUp() override
    {
        programDir.Write("food.set", MakeSet({"apple", "mango", "lemon", "grape", "peach"}, {"carrot"}, {"cabbage"}));
        store.settings.Write(Option::CurrentSet, L"food");
    }
};

TEST_F(LeastScore, ATimeOutWithOnePointBankedIsRecordedAndEndsTheGame)
{
    CScriptedGame& g = StartGame();
    CGameCoreTestSeam::SetStanding(g, 1, 1);
    g.m_aName.push_back({ResultOK, L"Bob"});
    g.Miss();
    g.Ticks(241);
    ASSERT_EQ(g.m_aNameAsked.size(), 1u) << "one point beats no record at all";
    EXPECT_EQ(store.records.Read(SkillBeginner, true).nNumber, 1);
    EXPECT_EQ(store.records.Read(SkillBeginner, true).strName, L"Bob");
    EXPECT_EQ(g.Score(), 0) << "the game is over: nothing stays banked";
    EXPECT_EQ(g.TimeLimit(), 0);
}

}  // namespace
