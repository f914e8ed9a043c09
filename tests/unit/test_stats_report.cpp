// --stats: what it prints for scripts and people, and the exit status when it cannot answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli/stats_command.h"
#include "game/stats_report.h"
#include "game_log_rows.h"
#include "scripted_host.h"
#include "test_store_lock.h"

namespace {

struct CRun {
    int nStatus;
    std::string strOut, strErr;
};

CRun Stats(const std::vector<std::string>& args, const std::filesystem::path& log)
{
    std::ostringstream out, err;
    const int n = RunStatsReport(args, log, out, err);
    return {n, out.str(), err.str()};
}

}  // namespace

TEST(StatsCommand, AnswersFromTheLogOrSaysWhyNot)
{
    CTempDir dir;
    const std::filesystem::path file = dir.Path() / "games.db";

    // No log yet: zeros for every skill, and success.
    CRun run = Stats({"--json"}, file);
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_NE(run.strOut.find("\"skill\": \"Advanced\""), std::string::npos);
    EXPECT_NE(run.strOut.find("\"played\": 0"), std::string::npos);

    ASSERT_TRUE(WriteLog(file, {LogEntry(EWordEnd::Solved, 4, 75, L"Say \"hi\"\\", 1),
                                LogEntry(EWordEnd::GaveUp, 2, 30, L"Other", 1)}));
    run = Stats({"--skill", "Intermediate", "--set", "Say \"hi\"\\", "--json"}, file);
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_NE(run.strOut.find("\"set\": \"Say \\\"hi\\\"\\\\\""), std::string::npos) << run.strOut;
    EXPECT_NE(run.strOut.find("\"played\": 1,"), std::string::npos) << "the other set is left out";
    EXPECT_NE(run.strOut.find("\"median_seconds\": 75,"), std::string::npos);
    EXPECT_EQ(run.strOut.find("Beginner"), std::string::npos) << "one skill asked for, one printed";

    run = Stats({"--skill", "1"}, file);
    EXPECT_NE(run.strOut.find("Intermediate, all sets"), std::string::npos);
    EXPECT_NE(run.strOut.find("Solved                  50 % (1)"), std::string::npos) << run.strOut;
    EXPECT_NE(run.strOut.find("  4        1   <- last solved word"), std::string::npos) << run.strOut;
    EXPECT_NE(run.strOut.find("Median time to solve    1:15"), std::string::npos);

    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--skill"}, {"--skill", "expert"}, {"--set"}, {"--verbose"}}) {
        run = Stats(bad, file);
        EXPECT_EQ(run.nStatus, 2) << bad.back();
        EXPECT_NE(run.strErr.find("usage:"), std::string::npos);
        EXPECT_TRUE(run.strOut.empty());
    }

    dir.Write("games.db", "not a database");
    run = Stats({}, file);
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_NE(run.strErr.find("cannot read the game log " + file.string()), std::string::npos) << run.strErr;
    EXPECT_TRUE(run.strOut.empty());
    EXPECT_EQ(ReadWholeFile(file), "not a database");
}

TEST(StatsCommand, TimesReadAsClockTimes)
{
    const std::vector<std::pair<double, std::wstring>> cases = {
        {0, L"0:00"}, {7, L"0:07"}, {59.5, L"1:00"}, {750, L"12:30"}, {3723, L"1:02:03"}, {-3, L"0:00"}};
    for (const auto& [d, str] : cases)
        EXPECT_EQ(FormatSeconds(d), str) << d;
}

TEST(StatsCommand, SpokenLinesKeepTheirPlaceWhateverTheFigures)
{
    CWordStats empty;
    CWordStats some;
    some.nPlayed = 3;
    some.nSolved = 2;
    some.anTries[3] = 2;
    some.anTries[2] = 1;
    some.nLastSolvedTries = 4;
    some.bHasTimes = true;
    some.dMedianSeconds = 61;
    some.nBestSeconds = 50;
    some.nTimeTrialGames = 1;
    some.nBestFinalScore = 300;
    some.anFinalScores = {300};
    const std::vector<std::wstring> a = SpokenStatistics(empty), b = SpokenStatistics(some);
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(a[1], L"Solved 0 percent");
    EXPECT_EQ(b[1], L"Solved 67 percent");
    EXPECT_EQ(b[4 + 3], L"4 tries: 2 words, the last solved word");
    EXPECT_EQ(b[4 + 2], L"3 tries: 1 word") << "one word, not one words";
    EXPECT_EQ(a[4 + 0], L"1 try: 0 words");
    EXPECT_EQ(a[4 + 15], L"Median time to solve none yet");
    EXPECT_EQ(b[4 + 15], L"Median time to solve 1:01");
    EXPECT_EQ(b[4 + 19], L"Last five final scores 300");

    // The last bucket holds every word of fifteen tries or more, and its label says so.
    some.anTries[14] = 1;
    some.nLastSolvedTries = 21;
    const std::vector<std::wstring> c = SpokenStatistics(some);
    EXPECT_EQ(c[4 + 13], L"14 tries: 0 words");
    EXPECT_EQ(c[4 + 14], L"15+ tries: 1 word, the last solved word");
}

namespace {

bool IsValidUtf8(const std::string& s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size())
            return false;
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2)
                return false;
        }
        i += n;
    }
    return true;
}

}  // namespace

// A log in a folder whose name is not UTF-8 and holds a control character, and a log another
// program holds locked: JSON stays valid, text stays one line per line, and busy is said busy.
TEST(StatsCommand, HostilePathsAndALockedLogStillGiveValidOutputOrOneClearLine)
{
    CTempDir dir;
    const std::filesystem::path folder = dir.Path() / std::string("caf\xE9\x1b[2J");
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / "games.db";
    ASSERT_TRUE(WriteLog(file, {LogEntry(EWordEnd::Solved, 4, 75, L"Fruit", 0)}));
    CRun run = Stats({"--json", "--skill", "0"}, file);
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_TRUE(IsValidUtf8(run.strOut)) << run.strOut;
    EXPECT_NE(run.strOut.find("caf\xC3\xA9\\u001b[2J"), std::string::npos) << run.strOut;
    run = Stats({"--skill", "0"}, file);
    EXPECT_EQ(run.strOut.find('\x1b'), std::string::npos) << "no raw control character reaches the terminal";

    {
        CStoreLock lock(file, CStoreLock::Kind::Exclusive, "games");
        ASSERT_TRUE(lock.Held());
        run = Stats({}, file);
    }
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_NE(run.strErr.find("is busy"), std::string::npos) << run.strErr;
    EXPECT_EQ(std::count(run.strErr.begin(), run.strErr.end(), '\n'), 1) << run.strErr;
    EXPECT_EQ(run.strErr.find('\x1b'), std::string::npos);
    EXPECT_TRUE(run.strOut.empty());
}
