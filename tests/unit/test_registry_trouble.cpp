// The registry when another program holds it, when it is damaged, and when it is no file at all:
// values are never lost to a lock, never read from damage, and nothing waits on a FIFO.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <chrono>
#include <cstdint>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/registry.h"
#include "stored_values.h"
#include "test_full_disk.h"
#include "test_in_child.h"
#include "test_platform_temp_dir.h"
#include "test_sqlite_file.h"
#include "test_store_lock.h"

namespace {

class RegistryTrouble : public ::testing::Test {
protected:
    CTempDir m_dir;
    std::filesystem::path m_file = m_dir / "registry.db";

    void Seed(std::uint32_t dwSound)
    {
        CRegistry reg(m_file);
        ASSERT_TRUE(reg.WriteDword(kSettingsKey, L"SOUND", dwSound));
        ASSERT_TRUE(reg.WriteString(kSettingsKey, L"CURRENT_SET", L"Standard"));
    }
};

TEST_F(RegistryTrouble, AWriteThatMeetsALockIsQueuedInOrderAndLandsAfterIt)
{
    Seed(1);
    CRegistry reg(m_file);
    {
        CStoreLock lock(m_file, CStoreLock::Kind::Write);
        ASSERT_TRUE(lock.Held());
        // Readers go on while another connection writes.
        EXPECT_EQ(DwordIn(reg, kSettingsKey, L"SOUND"), 1u);

        EXPECT_EQ(reg.SetValue(kSettingsKey, L"SOUND", CRegValue{CRegValue::kDword, 0, {}}), EWrite::Queued);
        EXPECT_TRUE(reg.WriteDword(kSettingsKey, L"TIMETRIAL_CHECKED", 0)) << "queued, not dropped";
        EXPECT_TRUE(reg.WriteDword(kSettingsKey, L"SOUND", 7));
        EXPECT_TRUE(reg.HasPending());
        EXPECT_EQ(DwordIn(reg, kSettingsKey, L"SOUND"), 7u) << "the session reads its own newest write";
        EXPECT_FALSE(reg.RetryPending());
        EXPECT_EQ(CStoreLock::ReadRaw(m_file, "SOUND"), "1") << "nothing landed under the lock";
    }
    EXPECT_TRUE(reg.RetryPending());
    EXPECT_FALSE(reg.HasPending());
    EXPECT_EQ(CStoreLock::ReadRaw(m_file, "SOUND"), "7") << "the newer write landed last";
    EXPECT_EQ(CStoreLock::ReadRaw(m_file, "TIMETRIAL_CHECKED"), "0");
    EXPECT_EQ(reg.Trouble(), EStoreTrouble::None);
}

TEST_F(RegistryTrouble, QueuedWritesGetALastChanceAtExit)
{
    Seed(1);
    CRegistry reg(m_file);
    {
        CStoreLock lock(m_file, CStoreLock::Kind::Write);
        EXPECT_TRUE(reg.WriteDword(kSettingsKey, L"SOUND", 0));
        lock.ReleaseAfter(std::chrono::milliseconds(300));
        EXPECT_TRUE(reg.FlushAtExit());
    }
    EXPECT_EQ(CStoreLock::ReadRaw(m_file, "SOUND"), "0");

    // An owner that never says it is exiting (a second copy's short-lived store, a test's writer
    // thread): the registry going away is its exit. This once lost the last round of two writers.
    {
        CStoreLock lock(m_file, CStoreLock::Kind::Write);
        {
            CRegistry other(m_file);
            EXPECT_EQ(other.SetValue(kSettingsKey, L"SOUND", CRegValue{CRegValue::kDword, 5, {}}), EWrite::Queued);
            EXPECT_TRUE(other.WriteString(kSettingsKey, L"CURRENT_SET", L"Animals"));
            lock.ReleaseAfter(std::chrono::milliseconds(300));
        }
        EXPECT_EQ(CStoreLock::ReadRaw(m_file, "SOUND"), "5");
        EXPECT_EQ(CStoreLock::ReadRaw(m_file, "CURRENT_SET"), "Animals");
    }
}

TEST_F(RegistryTrouble, AnExclusiveLockMakesReadsFailNotAbsent)
{
    Seed(0);
    CRegistry reg(m_file);
    std::uint32_t dw = 9;
    std::wstring str;
    {
        CStoreLock lock(m_file, CStoreLock::Kind::Exclusive);
        ASSERT_TRUE(lock.Held());
        EXPECT_EQ(reg.QueryDword(kSettingsKey, L"SOUND", dw), ERead::Failed);
        EXPECT_EQ(reg.QueryString(kSettingsKey, L"CURRENT_SET", str), ERead::Failed);
        EXPECT_EQ(dw, 9u);
    }
    EXPECT_EQ(DwordIn(reg, kSettingsKey, L"SOUND"), 0u);
    EXPECT_EQ(reg.QueryDword(kSettingsKey, L"ABSENT", dw), ERead::Absent);
}

// Zeroes the type byte of the last b-tree leaf page: SQLite still opens the file and reads its
// schema, but its own check finds the damage.
void DamageLastLeaf(const std::filesystem::path& file)
{
    std::string bytes = ReadWholeFile(file);
    const std::size_t nPage = static_cast<unsigned char>(bytes[16]) * 256u + static_cast<unsigned char>(bytes[17]);
    for (std::size_t off = bytes.size() - nPage; off >= nPage; off -= nPage) {
        const unsigned char type = static_cast<unsigned char>(bytes[off]);
        if (type == 0x0A || type == 0x0D) {
            bytes[off] = 0;
            break;
        }
    }
    WriteWholeFile(file, bytes);
}

TEST_F(RegistryTrouble, ADamagedFileIsNeverWrittenAndReadsAsEmpty)
{
    {
        CRegistry reg(m_file);
        for (int i = 0; i < 120; ++i) {
            const std::wstring strKey = kSettingsKey + L"\\set" + std::to_wstring(i);
            ASSERT_TRUE(reg.WriteDword(strKey, L"BEG_INDEX", static_cast<std::uint32_t>(i)));
        }
    }
    DamageLastLeaf(m_file);
    const std::string before = ReadWholeFile(m_file);
    {
        CRegistry reg(m_file);
        std::uint32_t dw = 0;
        EXPECT_EQ(reg.QueryDword(kSettingsKey + L"\\set7", L"BEG_INDEX", dw), ERead::Absent);
        EXPECT_EQ(reg.Trouble(), EStoreTrouble::Damaged);
        EXPECT_FALSE(reg.WriteDword(kSettingsKey + L"\\set7", L"BEG_INDEX", 8));
        EXPECT_EQ(DwordIn(reg, kSettingsKey + L"\\set7", L"BEG_INDEX"), 8u) << "the session keeps its own write";
    }
    EXPECT_EQ(ReadWholeFile(m_file), before);
    EXPECT_FALSE(std::filesystem::exists(m_file.string() + "-wal"));
}

// Files the fuzzer found: SQLite's quick check passes them, but the table's index is out of step
// with its rows, so lookups by key fail or find nothing. They are damaged before anything is written,
// not after the journal mode was switched on them.
TEST_F(RegistryTrouble, AFileWhoseIndexIsOutOfStepIsFoundDamagedBeforeAnyWrite)
{
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        const std::filesystem::path seed =
            std::filesystem::path(VQ_FUZZ_CORPUS) / "registry" / ("index_out_of_step_" + std::to_string(n) + ".db");
        const std::string bytes = ReadWholeFile(seed);
        ASSERT_FALSE(bytes.empty());
        WriteWholeFile(m_file, bytes);
        {
            CRegistry reg(m_file);
            std::uint32_t dw = 0;
            EXPECT_EQ(reg.QueryDword(kSettingsKey, L"SOUND", dw), ERead::Absent);
            EXPECT_EQ(reg.Trouble(), EStoreTrouble::Damaged);
            EXPECT_FALSE(reg.WriteDword(kSettingsKey, L"SOUND", 1));
        }
        EXPECT_EQ(ReadWholeFile(m_file), bytes);
    }
}

// Another program's database where ours should be: read as nothing, never written, not even
// switched to our journal mode. A database with our table beside others of its own is not ours either.
TEST_F(RegistryTrouble, AnotherProgramsDatabaseIsForeignAndNeverWritten)
{
    const char* const kOthers[] = {
        "CREATE TABLE notes(id INTEGER PRIMARY KEY, text TEXT); INSERT INTO notes(text) VALUES('mine');",
        "CREATE TABLE registry(key, name, type, value, PRIMARY KEY(key, name)); CREATE TABLE invoices(n);",
        "CREATE TABLE registry(k, v); INSERT INTO registry VALUES(1, 2);",
    };
    for (const char* szSql : kOthers) {
        SCOPED_TRACE(szSql);
        ASSERT_TRUE(MakeDatabase(m_file, szSql));
        const std::string before = ReadWholeFile(m_file);
        {
            CRegistry reg(m_file);
            std::uint32_t dw = 0;
            EXPECT_EQ(reg.QueryDword(kSettingsKey, L"SOUND", dw), ERead::Absent);
            EXPECT_FALSE(reg.WriteDword(kSettingsKey, L"SOUND", 0));
            EXPECT_EQ(reg.Trouble(), EStoreTrouble::Foreign);
        }
        EXPECT_EQ(ReadWholeFile(m_file), before);
        EXPECT_FALSE(std::filesystem::exists(m_file.string() + "-wal"));
    }
}

// A full disk with an intact store: what is stored is read and played, nothing is written, and the
// reason is the full disk.
TEST_F(RegistryTrouble, OnAFullDiskTheStoredValuesAreStillRead)
{
    Seed(0);
    const std::string before = ReadWholeFile(m_file);
    {
        CFullDisk full;
        CRegistry reg(m_file);
        EXPECT_EQ(DwordIn(reg, kSettingsKey, L"SOUND"), 0u);
        EXPECT_EQ(StringIn(reg, kSettingsKey, L"CURRENT_SET"), L"Standard");
        EXPECT_FALSE(reg.WriteDword(kSettingsKey, L"SOUND", 1));
        EXPECT_EQ(reg.Trouble(), EStoreTrouble::DiskFull);
    }
    EXPECT_EQ(ReadWholeFile(m_file), before);
}

TEST_F(RegistryTrouble, AFifoOrAFolderInPlaceOfTheFileIsNoStoreAndNeverBlocks)
{
    ASSERT_EQ(mkfifo(m_file.c_str(), 0600), 0);
    ExpectEndsInChild(
        [&] {
            CRegistry reg(m_file);
            std::uint32_t dw = 0;
            return reg.QueryDword(kSettingsKey, L"SOUND", dw) == ERead::Absent
                   && !reg.WriteDword(kSettingsKey, L"SOUND", 0) && reg.Trouble() == EStoreTrouble::NotAFile;
        },
        std::chrono::seconds(20));
    std::filesystem::remove(m_file);
    std::filesystem::create_directory(m_file);
    CRegistry reg(m_file);
    EXPECT_FALSE(reg.WriteDword(kSettingsKey, L"SOUND", 0));
    EXPECT_EQ(reg.Trouble(), EStoreTrouble::NotAFile);
}

// Root writes any file, so the read-only case runs as "nobody" in a child process.
TEST_F(RegistryTrouble, AReadOnlyFileOfAnotherUserIsReadAndNeverWritten)
{
    Seed(0);
    const passwd* nobody = getpwnam("nobody");
    if (geteuid() != 0 || !nobody)
        GTEST_SKIP() << "needs root and a user nobody to switch to";
    chmod(m_dir.Path().c_str(), 0755);
    chmod(m_file.c_str(), 0644);  // root's file: readable, not writable, for nobody
    const std::string before = ReadWholeFile(m_file);
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    ExpectEndsInChild(
        [&] {
            if (setgid(gid) != 0 || setuid(uid) != 0)
                return false;
            CRegistry reg(m_file);
            const bool bRead = DwordIn(reg, kSettingsKey, L"SOUND") == 0u;
            const bool bRefused = !reg.WriteDword(kSettingsKey, L"SOUND", 1);
            const bool bKept = DwordIn(reg, kSettingsKey, L"SOUND") == 1u;
            return bRead && bRefused && bKept && reg.Trouble() == EStoreTrouble::ReadOnly;
        },
        std::chrono::seconds(20));
    EXPECT_EQ(ReadWholeFile(m_file), before);
}

}  // namespace
