// The game log when its file is not a file, is locked, or is another program's: the window thread
// never waits on it for long, rows that meet a lock are kept and land later, and the player can be
// told why rows are not kept.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <future>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "game_log_rows.h"
#include "store/game_log_writer.h"
#include "test_platform_temp_dir.h"
#include "test_sqlite_file.h"

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

// Another program holding the whole log for itself: nobody else may even read it.
class CExclusiveHold {
public:
    explicit CExclusiveHold(const std::filesystem::path& file)
    {
        if (sqlite3_open_v2(file.c_str(), &m_db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK)
            m_bHeld = sqlite3_exec(m_db, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE;"
                                         " UPDATE games SET id = id WHERE 0;", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~CExclusiveHold()
    {
        if (m_thread.joinable())
            m_thread.join();
        Release();
    }
    bool Held() const { return m_bHeld; }
    void Release()
    {
        if (m_db != nullptr) {
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(m_db);
            m_db = nullptr;
        }
    }
    void ReleaseAfter(std::chrono::milliseconds delay)
    {
        m_thread = std::thread([this, delay] {
            std::this_thread::sleep_for(delay);
            Release();
        });
    }

private:
    sqlite3* m_db = nullptr;
    bool m_bHeld = false;
    std::thread m_thread;
};

int RowCount(const std::filesystem::path& file)
{
    CGameLog log(file);
    if (log.OpenForReading(1000) != CGameLog::EState::ReadOnly)
        return -1;
    CSqliteStatement stmt(log.Db(), "SELECT count(*) FROM games");
    return stmt.Step() ? static_cast<int>(stmt.Int(0)) : -1;
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

// In a child process, so that a writer stuck on the FIFO fails the test instead of hanging the run.
TEST_F(GameLogTrouble, AFifoInPlaceOfTheLogHangsNeitherTheGameNorItsExit)
{
    ASSERT_EQ(mkfifo(m_file.c_str(), 0600), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto writer = std::make_unique<CGameLogWriter>(m_file);
        writer->Append(Word(L"TIGER"));
        writer->Append(Word(L"HORSE"));
        writer->Flush();
        const bool bDropped = WaitUntilWritten(*writer, kHang);
        const bool bTold = writer->Trouble() == EStoreTrouble::NotAFile;
        writer.reset();  // the exit
        _exit(bTold && bDropped ? 0 : 1);
    }
    const auto deadline = std::chrono::steady_clock::now() + kHang;
    int status = 0;
    pid_t done = 0;
    while ((done = waitpid(child, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(20ms);
    if (done == 0) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        FAIL() << "the game waited on a FIFO";
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "not told the FIFO is no log, or rows not accounted for";
    struct stat st {};
    ASSERT_EQ(::stat(m_file.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "left as it was";
}

TEST_F(GameLogTrouble, RowsThatMeetALockAreKeptReportedAndLandOnceItGoes)
{
    SeedOneRow();
    CExclusiveHold hold(m_file);
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
        auto hold = std::make_unique<CExclusiveHold>(m_file);
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
