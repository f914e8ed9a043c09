// The game log when its file is not a file, is locked, or is another program's: the window thread
// never waits on it for long, rows that meet a lock are kept and land later, and the player can be
// told why rows are not kept.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <sys/stat.h>

#include "game_log_rows.h"
#include "store/game_log_writer.h"
#include "test_platform_temp_dir.h"
#include "test_in_child.h"
#include "test_sqlite_file.h"
#include "test_store_lock.h"

namespace {

using namespace std::chrono_literals;

// A wait that would be a hang: far beyond any bound the writer keeps.
constexpr auto kHang = 10s;

CGameLogEntry Word(const wchar_t* szWord)
{
    CGameLogEntry entry;
    entry.nEndedUtc = 1700000000;
    entry.strSet = L"animals";
    entry.strWord = szWord;
    entry.nGuesses = 3;
    return entry;
}

int RowCount(const std::filesystem::path& file)
{
    const CSqlRows rows = SqlRows(file, "SELECT count(*) FROM games");
    return rows.empty() ? -1 : std::stoi(rows[0][0]);
}

class GameLogTrouble : public ::testing::Test {
protected:
    CTempDir m_dir;
    std::filesystem::path m_file = m_dir / "games.db";

    void SeedOneRow()
    {
        CGameLogWriter writer(m_file);
        writer.Append(Word(L"TIGER"));
        ASSERT_TRUE(WaitUntilWritten(writer, kHang));
        ASSERT_EQ(RowCount(m_file), 1);
    }
};

// In a child process, so that a writer stuck on the FIFO fails the test instead of hanging the run;
// the child fails when it is not told the FIFO is no log, or its rows are not accounted for.
TEST_F(GameLogTrouble, AFifoInPlaceOfTheLogHangsNeitherTheGameNorItsExit)
{
    ASSERT_EQ(mkfifo(m_file.c_str(), 0600), 0);
    ExpectEndsInChild(
        [&] {
            auto writer = std::make_unique<CGameLogWriter>(m_file);
            writer->Append(Word(L"TIGER"));
            writer->Append(Word(L"HORSE"));
            writer->Flush();
            const bool bDropped = WaitUntilWritten(*writer, kHang);
            const bool bTold = writer->Trouble() == EStoreTrouble::NotAFile;
            writer.reset();  // the exit
            return bTold && bDropped;
        },
        kHang);
    struct stat st {};
    ASSERT_EQ(::stat(m_file.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "left as it was";
}

TEST_F(GameLogTrouble, RowsThatMeetALockAreKeptReportedAndLandOnceItGoes)
{
    SeedOneRow();
    CStoreLock hold(m_file, CStoreLock::Kind::Exclusive, "games");
    ASSERT_TRUE(hold.Held());
    CGameLogWriter writer(m_file, 50, 0);
    for (const wchar_t* sz : {L"HORSE", L"CAMEL", L"ZEBRA", L"LLAMA", L"GECKO", L"BISON"})
        writer.Append(Word(sz));

    // The window thread's wait is bounded, and the Statistics read fails at once rather than hang.
    auto flushed = std::async(std::launch::async, [&] { return writer.Flush(); });
    ASSERT_EQ(flushed.wait_for(kHang), std::future_status::ready);
    EXPECT_FALSE(flushed.get()) << "rows still wait for the lock";
    CGameLog reader(m_file);
    EXPECT_EQ(reader.OpenForReading(50), CGameLog::EState::Closed);
    EXPECT_EQ(reader.Trouble(), EStoreTrouble::Locked);
    EXPECT_NE(reader.Error().find("busy"), std::string::npos) << reader.Error();

    EXPECT_EQ(writer.Trouble(), EStoreTrouble::Locked);

    hold.Release();
    EXPECT_TRUE(WaitUntilWritten(writer, kHang));
    EXPECT_EQ(writer.Trouble(), EStoreTrouble::None) << "the notice goes once rows land again";
    EXPECT_EQ(RowCount(m_file), 7) << "none dropped";
    // Statistics opened again reads the log, and no longer gives the lock as the reason.
    EXPECT_EQ(reader.OpenForReading(50), CGameLog::EState::ReadOnly);
    EXPECT_EQ(reader.Trouble(), EStoreTrouble::None);
    EXPECT_EQ(reader.Error(), "");
}

TEST_F(GameLogTrouble, AtExitRowsGetALastChanceWithinAShortDeadline)
{
    for (const bool bLockGoes : {true, false}) {
        SCOPED_TRACE(bLockGoes ? "the lock goes during the exit" : "the lock stays");
        std::filesystem::remove(m_file);
        SeedOneRow();
        auto hold = std::make_unique<CStoreLock>(m_file, CStoreLock::Kind::Exclusive, "games");
        ASSERT_TRUE(hold->Held());
        auto writer = std::make_unique<CGameLogWriter>(m_file, 50, 0);
        writer->Append(Word(L"HORSE"));
        writer->Append(Word(L"CAMEL"));
        ASSERT_FALSE(writer->Flush()) << "both rows wait for the lock";
        if (bLockGoes)
            hold->ReleaseAfter(CGameLogWriter::kExitWait / 4);
        auto exit = std::async(std::launch::async, [&] { writer.reset(); });
        ASSERT_EQ(exit.wait_for(kHang), std::future_status::ready) << "the exit must end";
        hold.reset();
        EXPECT_EQ(RowCount(m_file), bLockGoes ? 3 : 1);
    }
}

TEST_F(GameLogTrouble, AnotherProgramsDatabaseIsNeverWrittenNorRead)
{
    const char* const kOthers[] = {
        "CREATE TABLE notes(id INTEGER PRIMARY KEY, text TEXT); INSERT INTO notes(text) VALUES('mine');",
        // Our table's name with someone else's columns, and our table beside someone else's.
        "PRAGMA user_version = 1; CREATE TABLE games(a, b); INSERT INTO games VALUES(1, 2);",
        "PRAGMA user_version = 1; CREATE TABLE games(id INTEGER PRIMARY KEY, ended_utc TEXT NOT NULL,"
        " set_name TEXT NOT NULL, skill INTEGER NOT NULL, word TEXT NOT NULL, guesses INTEGER NOT NULL,"
        " outcome TEXT NOT NULL, seconds INTEGER NOT NULL, time_trial INTEGER NOT NULL, level INTEGER NOT NULL,"
        " score INTEGER NOT NULL, ends_game INTEGER NOT NULL DEFAULT 0); CREATE TABLE invoices(n);",
    };
    for (const char* szSql : kOthers) {
        SCOPED_TRACE(szSql);
        ASSERT_TRUE(MakeDatabase(m_file, szSql));
        const std::string before = ReadWholeFile(m_file);
        {
            CGameLogWriter writer(m_file);
            writer.Append(Word(L"HORSE"));
            EXPECT_TRUE(WaitUntilWritten(writer, kHang)) << "dropped, not kept waiting";
            EXPECT_EQ(writer.Trouble(), EStoreTrouble::Foreign);
        }
        CGameLog reader(m_file);
        EXPECT_EQ(reader.OpenForReading(100), CGameLog::EState::Closed);
        EXPECT_EQ(reader.Trouble(), EStoreTrouble::Foreign);
        EXPECT_EQ(ReadWholeFile(m_file), before) << "journal mode and all";
    }
}

}  // namespace
