// The registry file: typed round trips, case rules, durability, sharing, and files it must not harm.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "platform/registry.h"
#include "platform/text.h"
#include "stored_values.h"
#include "test_platform_temp_dir.h"
#include "test_sqlite_file.h"

namespace {

// The type and the value as text of one row, as the file itself holds them.
CSqlRows RawRow(const std::filesystem::path& file, const std::string& name)
{
    return SqlRows(file, "SELECT type, CAST(value AS TEXT) FROM registry WHERE key = ?1 AND name = ?2",
                   {"Software\\Veltrane Corporation\\Veltrane Quillorn\\Veltrane Quillorn", name});
}

class RegistryTest : public ::testing::Test {
protected:
    CTempDir m_dir;
    std::filesystem::path m_file = m_dir / "cfg" / "veltrane-quillorn" / "registry.db";
};

TEST_F(RegistryTest, DwordsKeepTheirBitPatternOnDiskAndBack)
{
    struct Case { std::uint32_t dw; const char* onDisk; };
    const Case cases[] = {
        {0, "0"}, {1, "1"}, {0x7FFFFFFFu, "2147483647"}, {0x80000000u, "2147483648"},
        {static_cast<std::uint32_t>(-1), "4294967295"}, {0xFFFFFFFFu, "4294967295"}, {0xA6FFD2u, "10944466"},
    };
    CRegistry reg(m_file);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.onDisk);
        ASSERT_TRUE(reg.WriteDword(kSettingsKey, L"VALUE", c.dw));
        EXPECT_EQ(DwordIn(reg, kSettingsKey, L"VALUE"), c.dw);
        EXPECT_EQ(RawRow(m_file, "VALUE"), (CSqlRows{{"4", c.onDisk}}));
    }
    // -1 read back as a signed value is -1 again.
    ASSERT_TRUE(reg.WriteDword(kSettingsKey, L"MINUS", static_cast<std::uint32_t>(-1)));
    EXPECT_EQ(static_cast<std::int32_t>(DwordIn(reg, kSettingsKey, L"MINUS").value_or(0)), -1);
}

TEST_F(RegistryTest, StringsRoundTripIncludingEmptyAndNonAscii)
{
    const std::wstring values[] = {
        L"", L"Ann", L"  two  blanks  ", L"Zoë Ærøskøbing", L"Жена", L"日本語", L"\U0001D11E clef",
        std::wstring(L"nul\0inside", 10),
    };
    CRegistry reg(m_file);
    for (const std::wstring& v : values) {
        ASSERT_TRUE(reg.WriteString(kSettingsKey, L"NAME", v));
        EXPECT_EQ(StringIn(reg, kSettingsKey, L"NAME"), v);
    }
    EXPECT_EQ(SqlRows(m_file, "SELECT type FROM registry WHERE name = 'NAME'"), CSqlRows{{"1"}});
}

TEST_F(RegistryTest, AReadOfTheOtherTypeOrOfNothingFails)
{
    CRegistry reg(m_file);
    ASSERT_TRUE(reg.WriteString(kSettingsKey, L"TEXT", L"12"));
    ASSERT_TRUE(reg.WriteDword(kSettingsKey, L"NUMBER", 12));

    std::uint32_t dw = 77;
    std::wstring str = L"untouched";
    EXPECT_NE(reg.QueryDword(kSettingsKey, L"TEXT", dw), ERead::Found);
    EXPECT_NE(reg.QueryString(kSettingsKey, L"NUMBER", str), ERead::Found);
    EXPECT_NE(reg.QueryDword(kSettingsKey, L"ABSENT", dw), ERead::Found);
    EXPECT_NE(reg.QueryString(kSettingsKey + L"\\other", L"TEXT", str), ERead::Found);
    EXPECT_EQ(dw, 77u);
    EXPECT_EQ(str, L"untouched");

    // Writing the other type replaces the value and its type.
    ASSERT_TRUE(reg.WriteDword(kSettingsKey, L"TEXT", 5));
    EXPECT_EQ(DwordIn(reg, kSettingsKey, L"TEXT"), 5u);
    EXPECT_EQ(StringIn(reg, kSettingsKey, L"TEXT"), std::nullopt);
}

TEST_F(RegistryTest, KeysAndNamesIgnoreCaseAndKeepTheirFirstSpelling)
{
    CRegistry reg(m_file);
    ASSERT_TRUE(reg.WriteDword(kSettingsKey + L"\\Animals", L"Beg_Index", 3));
    ASSERT_TRUE(reg.WriteDword(L"SOFTWARE\\veltrane corporation\\VELTRANE QUILLORN\\veltrane quillorn\\ANIMALS",
                               L"BEG_INDEX", 4));
    EXPECT_EQ(DwordIn(reg, kSettingsKey + L"\\animals", L"beg_index"), 4u);

    // One row, still under the spelling it was created with.
    EXPECT_EQ(SqlRows(m_file, "SELECT key, name FROM registry"),
              (CSqlRows{{EncodeUtf8(kSettingsKey) + "\\Animals", "Beg_Index"}}));
}

TEST_F(RegistryTest, MalformedKeyPathsAreRefused)
{
    CRegistry reg(m_file);
    for (const std::wstring key : {L"", L"\\Software", L"Software\\", L"Software\\\\Veltrane", L"\\"}) {
        SCOPED_TRACE(std::string(key.begin(), key.end()));
        EXPECT_FALSE(reg.WriteDword(key, L"X", 1));
        EXPECT_EQ(reg.SetValue(key, L"X", CRegValue::Dword(1)), EWrite::KeptForSession);
    }
    EXPECT_FALSE(std::filesystem::exists(m_file)) << "no value was written, so no file is due";
}

TEST_F(RegistryTest, ReadsCreateNothingAndTheFirstWriteCreatesTheDirectories)
{
    {
        CRegistry reg(m_file);
        EXPECT_EQ(DwordIn(reg, kSettingsKey, L"SOUND"), std::nullopt);
        EXPECT_EQ(StringIn(reg, kSettingsKey, L"CURRENT_SET"), std::nullopt);
        EXPECT_EQ(DwordIn(reg, kSettingsKey + L"\\animals", L"BEG_INDEX"), std::nullopt);
        EXPECT_FALSE(std::filesystem::exists(m_file.parent_path().parent_path()));

        EXPECT_TRUE(reg.WriteDword(kSettingsKey + L"\\animals", L"BEG_INDEX", static_cast<std::uint32_t>(-1)));
        EXPECT_TRUE(std::filesystem::is_regular_file(m_file));
        EXPECT_EQ(DwordIn(reg, kSettingsKey + L"\\animals", L"BEG_INDEX"), 0xFFFFFFFFu);
    }
    // Durable: a fresh connection, as at the next start, finds every value.
    CRegistry again(m_file);
    EXPECT_EQ(DwordIn(again, kSettingsKey + L"\\animals", L"BEG_INDEX"), 0xFFFFFFFFu);
}

TEST_F(RegistryTest, AWriteIsVisibleToAnotherOpenConnectionAtOnce)
{
    CRegistry a(m_file);
    CRegistry b(m_file);
    ASSERT_TRUE(a.WriteDword(kSettingsKey, L"N", 1));
    EXPECT_EQ(DwordIn(b, kSettingsKey, L"N"), 1u);
    ASSERT_TRUE(b.WriteDword(kSettingsKey, L"N", 2));
    EXPECT_EQ(DwordIn(a, kSettingsKey, L"N"), 2u);
}

// Writes nCount values named <prefix><i>. A short pause between rounds, as between two words of a
// game: file locks are not fair, and a writer that never lets go can hold the other off past any
// busy timeout.
bool WriteMany(const std::filesystem::path& file, const std::wstring& prefix, int nCount)
{
    CRegistry reg(file);
    bool bOk = true;
    for (int i = 0; i < nCount; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        const std::wstring name = prefix + std::to_wstring(i);
        bOk = reg.WriteDword(kSettingsKey, name, static_cast<std::uint32_t>(i)) && bOk;
        bOk = reg.WriteString(kSettingsKey + L"\\" + prefix, name, name) && bOk;
        // Also rewrite one shared value, so both writers contend for the same row.
        bOk = reg.WriteDword(kSettingsKey, L"SHARED", static_cast<std::uint32_t>(i)) && bOk;
    }
    return bOk;
}

int CountValues(const std::filesystem::path& file, const std::wstring& prefix, int nCount)
{
    CRegistry reg(file);
    int nFound = 0;
    for (int i = 0; i < nCount; ++i) {
        const std::wstring name = prefix + std::to_wstring(i);
        const bool bBoth = DwordIn(reg, kSettingsKey, name) == static_cast<std::uint32_t>(i)
                           && StringIn(reg, kSettingsKey + L"\\" + prefix, name) == name;
        nFound += bBoth ? 1 : 0;
    }
    return nFound;
}

TEST_F(RegistryTest, TwoConnectionsWritingAtOnceLoseNothing)
{
    constexpr int kCount = 40;
    // Two threads of one process, each with its own registry object on the file...
    bool bOkA = false, bOkB = false;
    std::thread ta([&] { bOkA = WriteMany(m_file, L"a", kCount); });
    std::thread tb([&] { bOkB = WriteMany(m_file, L"b", kCount); });
    ta.join();
    tb.join();
    EXPECT_TRUE(bOkA);
    EXPECT_TRUE(bOkB);

    // ...and a second process, as when the game runs twice.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(WriteMany(m_file, L"c", kCount) ? 0 : 1);
    const bool bOkD = WriteMany(m_file, L"d", kCount);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the child's writes failed";
    EXPECT_TRUE(bOkD);

    for (const wchar_t* prefix : {L"a", L"b", L"c", L"d"}) {
        SCOPED_TRACE(static_cast<char>(prefix[0]));
        EXPECT_EQ(CountValues(m_file, prefix, kCount), kCount);
    }
    EXPECT_EQ(SqlRows(m_file, "PRAGMA integrity_check"), CSqlRows{{"ok"}});
}

// A file that holds something else is read as empty and never written, truncated or replaced.
TEST_F(RegistryTest, AFileThatIsNotADatabaseIsLeftByteForByte)
{
    std::string big;
    for (int i = 0; i < 5000; ++i)
        big += "line " + std::to_string(i) + " of somebody's notes\n";
    // Short files matter most: SQLite takes some of them for an empty database.
    std::vector<std::string> contents = {"x", "not a database\n", big, std::string(4096, '\0') + "tail",
                                         std::string("SQLite format 3")};
    for (std::size_t n : {2, 15, 16, 50, 99, 100, 101, 511, 512, 513, 1024})
        contents.push_back(std::string(n, 'q'));
    for (const std::string& content : contents) {
        SCOPED_TRACE(content.size());
        std::filesystem::create_directories(m_file.parent_path());
        WriteWholeFile(m_file, content);
        {
            CRegistry reg(m_file);
            std::uint32_t dw = 0;
            std::wstring str;
            EXPECT_EQ(reg.QueryDword(kSettingsKey, L"SOUND", dw), ERead::Absent);
            EXPECT_EQ(reg.QueryString(kSettingsKey, L"CURRENT_SET", str), ERead::Absent);
            EXPECT_FALSE(reg.WriteDword(kSettingsKey, L"SOUND", 0));
            EXPECT_FALSE(reg.WriteString(kSettingsKey, L"CURRENT_SET", L"animals"));
            EXPECT_NE(reg.Trouble(), EStoreTrouble::None);
        }
        EXPECT_EQ(ReadWholeFile(m_file), content);
        EXPECT_FALSE(std::filesystem::exists(m_file.string() + "-journal"));
        EXPECT_FALSE(std::filesystem::exists(m_file.string() + "-wal"));
    }
}

TEST_F(RegistryTest, AnUnwritablePlaceMakesWritesFalseAndReadsFail)
{
    // Places nobody can write, root included: below a regular file, and inside /proc.
    WriteWholeFile(m_dir / "plain", "a file, not a directory");
    const std::filesystem::path places[] = {
        m_dir / "plain" / "veltrane-quillorn" / "registry.db",
        "/proc/self/veltrane-quillorn/registry.db",
        m_dir.Path(),  // a directory where the file should be
    };
    for (const auto& place : places) {
        SCOPED_TRACE(place.string());
        CRegistry reg(place);
        EXPECT_EQ(DwordIn(reg, kSettingsKey, L"SOUND"), std::nullopt);
        EXPECT_FALSE(reg.WriteDword(kSettingsKey, L"SOUND", 0));
        EXPECT_NE(reg.Trouble(), EStoreTrouble::None);
        EXPECT_FALSE(reg.WriteDword(kSettingsKey + L"\\animals", L"BEG_INDEX", 0));
    }
    EXPECT_EQ(ReadWholeFile(m_dir / "plain"), "a file, not a directory");
}

TEST_F(RegistryTest, AReadOnlyFileIsReadButNeverWritten)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files; covered by the unwritable-place test";
    {
        CRegistry reg(m_file);
        ASSERT_TRUE(reg.WriteDword(kSettingsKey, L"SOUND", 0));
    }
    const std::string before = ReadWholeFile(m_file);
    std::filesystem::permissions(m_file, std::filesystem::perms::owner_read);
    std::filesystem::permissions(m_file.parent_path(), std::filesystem::perms::owner_read
                                                         | std::filesystem::perms::owner_exec);
    {
        CRegistry reg(m_file);
        EXPECT_EQ(DwordIn(reg, kSettingsKey, L"SOUND"), 0u);
        EXPECT_FALSE(reg.WriteDword(kSettingsKey, L"SOUND", 1));
        EXPECT_EQ(reg.Trouble(), EStoreTrouble::ReadOnly);
        EXPECT_EQ(DwordIn(reg, kSettingsKey, L"SOUND"), 1u) << "kept for the session";
    }
    std::filesystem::permissions(m_file.parent_path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(ReadWholeFile(m_file), before);
}

TEST(RegistryPath, FollowsXdgConfigHomeAndFallsBackToHome)
{
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const char* oldHome = std::getenv("HOME");
    const std::string savedXdg = oldXdg ? oldXdg : "";
    const std::string savedHome = oldHome ? oldHome : "";

    setenv("HOME", "/home/player", 1);
    setenv("XDG_CONFIG_HOME", "/xdg/config", 1);
    EXPECT_EQ(CRegistry::DefaultPath(), "/xdg/config/veltrane-quillorn/registry.db");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(CRegistry::DefaultPath(), "/home/player/.config/veltrane-quillorn/registry.db");
    setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(CRegistry::DefaultPath(), "/home/player/.config/veltrane-quillorn/registry.db");
    setenv("XDG_CONFIG_HOME", "relative/dir", 1);
    EXPECT_EQ(CRegistry::DefaultPath(), "/home/player/.config/veltrane-quillorn/registry.db");

    oldXdg ? setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    oldHome ? setenv("HOME", savedHome.c_str(), 1) : unsetenv("HOME");
}

}  // namespace
