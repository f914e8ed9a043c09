// The player's language below the toolkit: texts through the catalogs, numbers never.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/stats_command.h"
#include "game/stats_report.h"
#include "game_log_rows.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "scripted_host.h"

namespace {

std::string Stats(const std::vector<std::string>& args, const std::filesystem::path& log)
{
    std::ostringstream out, err;
    EXPECT_EQ(RunStatsReport(args, log, out, err), 0) << err.str();
    return out.str();
}

// The process under a locale for one scope, the catalogs of the build read; C again after.
class CLocaleScope {
public:
    explicit CLocaleScope(const char* pszLocale)
    {
        setenv("LC_ALL", pszLocale, 1);
        BindCatalogs(VQ_LOCALE_DIR);
    }
    ~CLocaleScope()
    {
        unsetenv("LC_ALL");
        std::setlocale(LC_ALL, "C");
    }
};

bool LocaleInstalled(const char* pszLocale)
{
    const bool bThere = std::setlocale(LC_ALL, pszLocale) != nullptr;
    std::setlocale(LC_ALL, "C");
    return bThere;
}

}  // namespace

TEST(Language, TextsFollowTheLocaleButJsonAndNumbersNever)
{
    CTempDir dir;
    const std::filesystem::path file = dir.Path() / "games.db";
    {
        CGameLog log(file);
        ASSERT_EQ(log.OpenForWriting(100), CGameLog::EState::Writable);
        // Two solved words, 75 and 30 seconds: the median falls between, at 52.5.
        ASSERT_TRUE(log.Append(LogEntry(EWordEnd::Solved, 4, 75, L"Set", 0)));
        ASSERT_TRUE(log.Append(LogEntry(EWordEnd::Solved, 1, 30, L"Set", 0)));
    }
    const std::string strJson = Stats({"--json", "--skill", "beginner"}, file);
    const std::string strText = Stats({"--skill", "beginner"}, file);
    ASSERT_NE(strJson.find("\"median_seconds\": 52.5,"), std::string::npos) << strJson;

    const struct {
        const char* pszLocale;
        const char* pszPlayed;  // the text report's first figure, in the language
        const char* pszOneTry;  // a plural of the core's spoken lines
    } aCases[] = {
        {"de_DE.UTF-8", "Gespielte Wörter        2", "1 Versuch: 1 Wort"},
        {"fr_FR.UTF-8", "Mots joués              2", "1 essai : 1 mot"},
    };
    for (const auto& c : aCases) {
        if (!LocaleInstalled(c.pszLocale)) {
            ADD_FAILURE() << c.pszLocale << " is not installed: scripts/install-deps.sh generates it";
            continue;
        }
        CLocaleScope scope(c.pszLocale);
        EXPECT_EQ(Stats({"--json", "--skill", "beginner"}, file), strJson) << c.pszLocale;
        const std::string strShown = Stats({"--skill", "beginner"}, file);
        EXPECT_NE(strShown.find(c.pszPlayed), std::string::npos) << strShown;
        CWordStats stats;
        stats.anTries[0] = 1;
        EXPECT_EQ(EncodeUtf8(SpokenStatistics(stats)[4]), c.pszOneTry);
        char sz[16];
        std::snprintf(sz, sizeof sz, "%.1f", 52.5);
        EXPECT_STREQ(sz, "52.5") << "printf keeps the C locale's point";
    }
    // Back in the C locale the English texts are there again, byte for byte.
    EXPECT_EQ(Stats({"--skill", "beginner"}, file), strText);
}

TEST(Language, FillPutsEachValueInItsPlaceOnce)
{
    EXPECT_EQ(Fill(L"%2 before %1, %1 again, 100%% sure", {L"A", L"B"}), L"B before A, A again, 100% sure");
    // A value is never read as a place itself, and a place without a value stays as written.
    EXPECT_EQ(Fill(std::string("%1 and %3"), {"%2", "x"}), "%2 and %3");
}
