// Whole games on a store that is locked, shared by two running copies, or cannot be written: the
// player's progress is never overwritten by a guess, never handed out twice, never forgotten.
#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <set>
#include <thread>
#include <string>
#include <vector>

#include "scripted_host.h"
#include "test_store_lock.h"
#include "core_test_seam.h"

namespace {

class StoreSessions : public ::testing::Test {
protected:
    CTempDir m_storeDir;
    CTempDir m_programDir;
    std::filesystem::path m_file = m_storeDir.Path() / "registry.db";

    void SetUp() override
    {
        m_programDir.Write("animals.set", MakeSet({"tiger", "horse", "camel"}, {"donkey"}, {"giraffe"}));
        m_programDir.Write("Fruit.set", MakeSet({"apple", "mango"}, {"banana"}, {"apricot", "avocado", "satsuma"}));
    }

    // One running copy of the game: its own connection to the shared file.
    struct CCopy {
        CRegistry registry;
        CAppProfile profile{registry};
        CScriptedGame game;
        CCopy(const std::filesystem::path& file, const std::filesystem::path& dir)
            : registry(file), game(profile, dir)
        {
        }
    };
    std::unique_ptr<CCopy> Copy() { return std::make_unique<CCopy>(m_file, m_programDir.Path()); }

    // A copy that starts its first word while another program holds the whole file.
    std::unique_ptr<CCopy> StartedUnderLock()
    {
        CStoreLock lock(m_file, CStoreLock::Kind::Exclusive);
        EXPECT_TRUE(lock.Held());
        auto copy = Copy();
        copy->game.StartFirstWord();
        return copy;
    }

    std::string Raw(const std::string& name, const std::string& sub = "")
    {
        std::string key = "Software\\Veltrane Corporation\\Veltrane Quillorn\\Veltrane Quillorn";
        if (!sub.empty())
            key += "\\" + sub;
        return CStoreLock::ReadRaw(m_file, name, key);
    }
};

std::function<void(COptionsValues&)> Choose(const std::wstring& strSet, int nSkill)
{
    return [strSet, nSkill](COptionsValues& v) {
        v.strSet = strSet;
        v.nSkill = nSkill;
    };
}

// Whichever set the session guesses while nothing can be read, the stored set and skill win.
TEST_F(StoreSessions, AStartOnALockedStoreOverwritesNothingAndLaterPlaysTheStoredChoice)
{
    struct CCase {
        std::string strSet;
        const wchar_t* szNextWord;  // the Advanced word after the first
        const char* szIndexAfter;
    };
    for (const CCase& c : {CCase{"Fruit", L"AVOCADO", "1"}, CCase{"animals", L"GIRAFFE", "0"}}) {
        SCOPED_TRACE(c.strSet);
        const std::wstring strSet(c.strSet.begin(), c.strSet.end());
        {
            auto first = Copy();
            CSettingsStore store(first->profile);
            store.Write(Option::CurrentSet, strSet);
            store.Write(Option::CurrentSkill, SkillAdvanced);
            store.Write(Option::Sound, false);
            store.Write(Option::TimeTrial, false);
            store.WriteWordIndex(strSet, SkillAdvanced, 0);
        }
        auto copy = StartedUnderLock();
        EXPECT_EQ(copy->game.m_nQuitCode, -1);
        EXPECT_FALSE(copy->game.IsGameOver()) << "the session plays on what it has";
        for (const auto& [name, value] : {std::pair{"CURRENT_SET", c.strSet.c_str()}, std::pair{"CURRENT_LEVEL", "2"},
                                          std::pair{"SOUND", "0"}, std::pair{"TIMETRIAL_CHECKED", "0"}}) {
            EXPECT_EQ(Raw(name), value) << name;
        }
        EXPECT_EQ(Raw("ADV_INDEX", c.strSet), "0");
        EXPECT_EQ(Raw("BEG_INDEX", "animals"), "absent");
        EXPECT_EQ(Raw("BEG_INDEX", "Fruit"), "absent");

        // Once the lock is gone the next word is the stored set's, at the stored position.
        copy->game.OnNew();
        EXPECT_EQ(copy->game.CurrentSet(), strSet);
        EXPECT_EQ(copy->game.Skill(), SkillAdvanced);
        EXPECT_EQ(copy->game.m_history.m_strMagicWord, c.szNextWord);
        EXPECT_FALSE(CGameCoreTestSeam::IsSoundOn(copy->game));
        EXPECT_FALSE(copy->game.IsTimeTrial());
        EXPECT_EQ(Raw("ADV_INDEX", c.strSet), c.szIndexAfter);
    }
}

// The stored choice found once the lock goes names a set that cannot be opened: the session plays
// on the set it could open, and the stored name is kept, as at any start.
TEST_F(StoreSessions, AStoredSetThatCannotBeOpenedIsNotReplacedByTheSetGuessedUnderALock)
{
    {
        auto first = Copy();
        CSettingsStore(first->profile).Write(Option::CurrentSet, L"gone");
    }
    auto copy = StartedUnderLock();
    const std::wstring strGuessed = copy->game.CurrentSet();
    copy->game.OnNew();
    EXPECT_EQ(copy->game.CurrentSet(), strGuessed);
    EXPECT_FALSE(copy->game.IsGameOver());
    EXPECT_EQ(Raw("CURRENT_SET"), "gone");
}

TEST_F(StoreSessions, TwoCopiesHandingOutWordsInTurnNeverGetTheSameOne)
{
    std::vector<std::string> words;
    for (char c = 'a'; c <= 'l'; ++c)
        words.push_back(std::string(5, c));
    m_programDir.Write("animals.set", MakeSet(words));
    std::filesystem::remove(m_programDir.Path() / "Fruit.set");

    auto a = Copy();
    auto b = Copy();
    std::set<std::wstring> seen;
    long nLastStored = -2;
    a->game.StartFirstWord();
    seen.insert(a->game.m_history.m_strMagicWord);
    b->game.StartFirstWord();
    seen.insert(b->game.m_history.m_strMagicWord);
    for (int i = 0; i < 8; ++i) {
        CScriptedGame& g = (i % 2 ? b : a)->game;
        g.OnNew();
        EXPECT_TRUE(seen.insert(g.m_history.m_strMagicWord).second) << "handed out twice";
        const long nStored = std::stol(Raw("BEG_INDEX", "animals"));
        EXPECT_GT(nStored, nLastStored) << "the position went back";
        nLastStored = nStored;
    }
    EXPECT_EQ(seen.size(), 10u);
    EXPECT_EQ(nLastStored, 9);
}

// Two copies on two threads hand out words while a third program takes the write lock for 30 ms of
// every 50: a word is claimed only inside the transaction that stores its index, so none comes twice.
TEST_F(StoreSessions, UnderAFlickeringLockTwoCopiesNeverHandOutTheSameWord)
{
    {
        auto first = Copy();
        ASSERT_TRUE(CSettingsStore(first->profile).WriteWordIndex(L"animals", SkillBeginner, -1));
    }
    std::atomic<bool> bStop = false;
    std::thread flicker([&] {
        sqlite3* db = nullptr;
        sqlite3_open_v2(m_file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(db, 1000);
        while (!bStop) {
            sqlite3_exec(db, "BEGIN IMMEDIATE; UPDATE registry SET value = value WHERE 0;", nullptr, nullptr, nullptr);
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        sqlite3_close(db);
    });
    constexpr int kPerCopy = 100;
    auto handOut = [&] {
        CRegistry registry(m_file);
        CAppProfile profile(registry);
        CSettingsStore store(profile);
        std::vector<int> an;
        CHandOut last;
        last.bIndexKnown = true;
        for (int i = 0; i < kPerCopy; ++i) {
            last = store.HandOut(L"animals", SkillBeginner, last.nIndex, last.bIndexKnown, false,
                                 [](int n) { return n + 1; });
            an.push_back(last.nIndex);
        }
        return an;
    };
    auto a = std::async(std::launch::async, handOut);
    auto b = std::async(std::launch::async, handOut);
    std::vector<int> an = a.get();
    const std::vector<int> anB = b.get();
    bStop = true;
    flicker.join();
    an.insert(an.end(), anB.begin(), anB.end());
    const std::set<int> distinct(an.begin(), an.end());
    EXPECT_EQ(distinct.size(), an.size()) << "a word was handed out twice";
    EXPECT_EQ(Raw("BEG_INDEX", "animals"), std::to_string(2 * kPerCopy - 1));
}

// Held past the wait, the lock leaves the hand-out unclaimed: the game plays on from its own
// position, writes no index read outside the transaction, and says at once that it is not saving.
TEST_F(StoreSessions, AHandOutThatCannotHaveTheLockClaimsNothingAndSaysSo)
{
    {
        auto first = Copy();
        ASSERT_TRUE(CSettingsStore(first->profile).WriteWordIndex(L"animals", SkillBeginner, 4));
    }
    CRegistry registry(m_file);
    CAppProfile profile(registry);
    CSettingsStore store(profile);
    CHandOut out;
    {
        CStoreLock lock(m_file, CStoreLock::Kind::Write);
        ASSERT_TRUE(lock.Held());
        out = store.HandOut(L"animals", SkillBeginner, 1, true, false, [](int n) { return n + 1; });
        EXPECT_EQ(registry.Trouble(), EStoreTrouble::Locked);
    }
    EXPECT_EQ(out.nIndex, 2) << "from the game's own position";
    EXPECT_FALSE(out.bIndexKnown);
    registry.RetryPending();
    EXPECT_EQ(Raw("BEG_INDEX", "animals"), "4");
    // The next hand-out that has the lock claims from the stored index again.
    out = store.HandOut(L"animals", SkillBeginner, out.nIndex, out.bIndexKnown, false, [](int n) { return n + 1; });
    EXPECT_EQ(out.nIndex, 5);
    EXPECT_EQ(Raw("BEG_INDEX", "animals"), "5");
    EXPECT_EQ(registry.Trouble(), EStoreTrouble::None);
}

TEST_F(StoreSessions, OkInOptionsNeverWritesBackAValueTheOtherCopyChanged)
{
    auto a = Copy();
    auto b = Copy();
    a->game.StartFirstWord();
    b->game.StartFirstWord();
    ASSERT_TRUE(CGameCoreTestSeam::IsSoundOn(b->game));

    a->game.ChooseOptions([](COptionsValues& v) {
        v.bSound = false;
        v.clrBackground = 0x123456;
    });
    b->game.ChooseOptions([](COptionsValues&) {});
    ASSERT_EQ(b->game.m_aOptionsGiven.size(), 1u);
    EXPECT_FALSE(b->game.m_aOptionsGiven[0].bSound) << "Options shows what is stored now";
    EXPECT_EQ(b->game.m_aOptionsGiven[0].clrBackground, 0x123456u);
    EXPECT_EQ(Raw("SOUND"), "0");
    EXPECT_EQ(Raw("Background Color"), std::to_string(0x123456));

    // The set and skill the other copy chose are shown too, and a change of Time Trial alone
    // keeps them instead of writing this copy's older choice back.
    a->game.ChooseOptions(Choose(L"Fruit", SkillAdvanced));
    ASSERT_EQ(Raw("CURRENT_LEVEL"), "2");
    b->game.ChooseOptions([](COptionsValues& v) { v.bTimeTrial = !v.bTimeTrial; });
    ASSERT_EQ(b->game.m_aOptionsGiven.size(), 2u);
    EXPECT_EQ(b->game.m_aOptionsGiven[1].strSet, L"Fruit");
    EXPECT_EQ(b->game.m_aOptionsGiven[1].nSkill, SkillAdvanced);
    EXPECT_EQ(Raw("CURRENT_LEVEL"), "2");
    EXPECT_EQ(Raw("CURRENT_SET"), "Fruit");
    EXPECT_EQ(b->game.Skill(), SkillAdvanced);
}

// A store that cannot take a value: a file that is not a database. The player's choices hold for
// the session, word positions included, and the file is left as it was.
TEST_F(StoreSessions, OptionsOnAStoreThatCannotBeWrittenKeepThePlayersChoiceForTheSession)
{
    const std::string notes = "somebody's notes, not a database\n";
    m_storeDir.Write("registry.db", notes);
    auto copy = Copy();
    CScriptedGame& g = copy->game;
    g.StartFirstWord();
    const std::wstring strFirstSet = g.CurrentSet();
    const std::wstring strFirstWord = g.m_history.m_strMagicWord;
    const std::wstring strOther = strFirstSet == L"Fruit" ? L"animals" : L"Fruit";

    g.ChooseOptions(Choose(strOther, SkillBeginner));
    EXPECT_EQ(g.CurrentSet(), strOther);
    const std::wstring strOtherFirst = g.m_history.m_strMagicWord;
    g.ChooseOptions(Choose(strOther, SkillAdvanced));
    EXPECT_EQ(g.Skill(), SkillAdvanced);
    EXPECT_EQ(g.m_history.m_strMagicWord.size(), 7u);

    // Back to the first set and skill: the next word, not the one already seen.
    g.ChooseOptions(Choose(strFirstSet, SkillBeginner));
    EXPECT_EQ(g.CurrentSet(), strFirstSet);
    EXPECT_NE(g.m_history.m_strMagicWord, strFirstWord);
    g.ChooseOptions(Choose(strOther, SkillBeginner));
    EXPECT_NE(g.m_history.m_strMagicWord, strOtherFirst);

    EXPECT_EQ(ReadWholeFile(m_file), notes);
    EXPECT_EQ(g.m_astrMessages, std::vector<std::wstring>{}) << "no message of its own";
}

TEST_F(StoreSessions, ASetNameThatOpensNothingNeverBecomesAProgressKey)
{
    const std::wstring strHuge(1 << 20, L'q');
    {
        auto first = Copy();
        CSettingsStore(first->profile).Write(Option::CurrentSet, strHuge);
    }
    const auto nBefore = std::filesystem::file_size(m_file);
    for (int i = 0; i < 3; ++i) {
        auto copy = Copy();
        copy->game.StartFirstWord();
        EXPECT_EQ(copy->game.m_astrMessages.back(), L"Did not find any word sets to play with.");
    }
    EXPECT_LT(std::filesystem::file_size(m_file), nBefore + 4096);
    EXPECT_EQ(Raw("BEG_INDEX", std::string(1 << 20, 'q')), "absent");
}

}  // namespace
