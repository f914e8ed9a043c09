// The program's directory, the listing of set files, and reading a file's bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <dirent.h>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files.h"
#include "test_platform_temp_dir.h"

namespace {

TEST(ProgramDirectory, HoldsTheRunningExecutable)
{
    const std::filesystem::path dir = ProgramDirectory();
    ASSERT_TRUE(dir.is_absolute());
    ASSERT_TRUE(std::filesystem::is_directory(dir));
    bool bFound = false;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::error_code ec;
        bFound = bFound || std::filesystem::equivalent(entry.path(), "/proc/self/exe", ec);
    }
    EXPECT_TRUE(bFound);
}

// An installed copy finds its data under share/ of its own prefix, wherever that prefix was
// unpacked; a build tree (this test's own included) reads its data beside the executable.
TEST(ProgramDataDirectory, IsTheInstalledDataFolderOfTheExecutablesPrefixElseItsOwnFolder)
{
    CTempDir dir;
    const std::filesystem::path games = dir / "opt" / "usr" / "games";
    const std::filesystem::path data = dir / "opt" / "usr" / "share" / "games" / "veltrane-quillorn";
    const std::filesystem::path buildBin = dir / "build" / "bin";
    const std::filesystem::path fileInstead = dir / "odd" / "games";
    for (const std::filesystem::path& p : {games, data, buildBin, fileInstead})
        std::filesystem::create_directories(p);
    WriteWholeFile(buildBin / "Standard.set", "");
    // Not a folder where the data should be: this copy has no installed data.
    std::filesystem::create_directories(dir / "odd" / "share" / "games");
    WriteWholeFile(dir / "odd" / "share" / "games" / "veltrane-quillorn", "");

    EXPECT_EQ(ProgramDataDirectory(games), data);
    EXPECT_EQ(ProgramDataDirectory(buildBin), buildBin);
    EXPECT_EQ(ProgramDataDirectory(fileInstead), fileInstead);
    EXPECT_EQ(ProgramDataDirectory(), ProgramDirectory());
}

// The names readdir hands out, in its order: what the search must follow.
std::vector<std::string> DirectoryOrder(const std::filesystem::path& dir)
{
    std::vector<std::string> names;
    if (DIR* d = opendir(dir.c_str())) {
        while (const dirent* e = readdir(d))
            names.emplace_back(e->d_name);
        closedir(d);
    }
    return names;
}

TEST(FindFilesWithSuffix, ListsRegularFilesByEndingInDirectoryOrder)
{
    CTempDir dir;
    const std::set<std::string> wanted = {"animals.set", "KITCHEN.SET", "Mixed.Set", "my.words.set", "link.set",
                                          "empty.set"};
    for (const char* name : {"animals.set", "KITCHEN.SET", "Mixed.Set", "my.words.set", "notes.txt",
                             "animals.set.bak", "set", "xset", ".set"})
        WriteWholeFile(dir / name, "<BEGINNER>\nAPPLE\n");
    WriteWholeFile(dir / "empty.set", "");
    std::filesystem::create_directory(dir / "folder.set");
    std::filesystem::create_symlink(dir / "animals.set", dir / "link.set");
    std::filesystem::create_symlink(dir / "gone", dir / "dangling.set");
    std::filesystem::create_symlink(dir / "folder.set", dir / "dirlink.set");
    ASSERT_EQ(mkfifo((dir / "pipe.set").c_str(), 0600), 0);
    // Some padding, so the directory's order is unlikely to be creation or name order.
    for (int i = 0; i < 40; ++i)
        WriteWholeFile(dir / ("pad" + std::to_string(i) + ".txt"), "");

    const std::vector<std::filesystem::path> found = FindFilesWithSuffix(dir.Path(), ".set");
    std::vector<std::string> names;
    for (const auto& p : found) {
        EXPECT_FALSE(p.has_parent_path()) << p;
        names.push_back(p.string());
    }
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), wanted);
    EXPECT_EQ(names.size(), wanted.size()) << "no name twice";

    std::vector<std::string> expectedOrder;
    for (const std::string& name : DirectoryOrder(dir.Path())) {
        if (wanted.count(name))
            expectedOrder.push_back(name);
    }
    EXPECT_EQ(names, expectedOrder);
}

TEST(FindFilesWithSuffix, AnUnreadableOrMissingDirectoryListsNothing)
{
    CTempDir dir;
    WriteWholeFile(dir / "file.set", "x");
    EXPECT_TRUE(FindFilesWithSuffix(dir / "missing", ".set").empty());
    EXPECT_TRUE(FindFilesWithSuffix(dir / "file.set", ".set").empty());
}

TEST(ReadFileBytes, ReadsEveryByteOfARegularFileAndRefusesTheRest)
{
    CTempDir dir;
    // Past one read's worth, with every byte value.
    std::string content(300000, '\0');
    std::mt19937 rng(7);
    for (char& c : content)
        c = static_cast<char>(rng() & 0xFF);
    WriteWholeFile(dir / "data.set", content);
    WriteWholeFile(dir / "empty.set", "");
    std::filesystem::create_directory(dir / "folder.set");
    std::filesystem::create_symlink(dir / "gone", dir / "dangling.set");
    std::filesystem::create_symlink(dir / "data.set", dir / "link.set");
    ASSERT_EQ(mkfifo((dir / "pipe.set").c_str(), 0600), 0);

    std::string bytes = "stale";
    ASSERT_TRUE(ReadFileBytes(dir / "data.set", bytes));
    EXPECT_TRUE(bytes == content);
    ASSERT_TRUE(ReadFileBytes(dir / "link.set", bytes));
    EXPECT_TRUE(bytes == content);
    ASSERT_TRUE(ReadFileBytes(dir / "empty.set", bytes));
    EXPECT_TRUE(bytes.empty());

    for (const char* szName : {"folder.set", "dangling.set", "pipe.set", "missing.set"}) {
        SCOPED_TRACE(szName);
        EXPECT_FALSE(ReadFileBytes(dir / szName, bytes)) << "a FIFO with no writer must not hang the open";
    }
}

}  // namespace
