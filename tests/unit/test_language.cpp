// The player's language below the toolkit: texts through the catalogs, numbers never.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/solve_command.h"
#include "cli/stats_command.h"
#include "game/set_folders.h"
#include "game/stats_report.h"
#include "game/word_review.h"
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
        // Bound again under C, as a game started there is: English texts and a decimal point.
        setenv("LC_ALL", "C", 1);
        BindCatalogs(VQ_LOCALE_DIR);
        unsetenv("LC_ALL");
        std::setlocale(LC_ALL, "C");
    }
};

// A locale the tests need is installed: a missing one is a failure of the machine's set-up.
bool LocaleInstalled(const char* pszLocale)
{
    const bool bThere = std::setlocale(LC_ALL, pszLocale) != nullptr;
    std::setlocale(LC_ALL, "C");
    if (!bThere)
        ADD_FAILURE() << pszLocale << " is not installed: scripts/install-deps.sh generates it";
    return bThere;
}

}  // namespace

TEST(Language, TextsFollowTheLocaleButJsonAndNumbersNever)
{
    CTempDir dir;
    const std::filesystem::path file = dir.Path() / "games.db";
    // Two solved words, 75 and 30 seconds: the median falls between, at 52.5.
    ASSERT_TRUE(WriteLog(file, {LogEntry(EWordEnd::Solved, 4, 75, L"Set", 0),
                                LogEntry(EWordEnd::Solved, 1, 30, L"Set", 0)}));
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
        if (!LocaleInstalled(c.pszLocale))
            continue;
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

TEST(Language, DecimalsForPeopleTakeTheLocalesSeparator)
{
    EXPECT_EQ(DecimalSeparatorOf("C"), ".");
    EXPECT_EQ(DecimalSeparatorOf("no_SUCH.UTF-8"), ".") << "a locale not installed falls back to the point";
    for (const char* pszLocale : {"de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (!LocaleInstalled(pszLocale))
            continue;
        EXPECT_EQ(DecimalSeparatorOf(pszLocale), ",") << pszLocale;
    }
    // The hundredths keep their leading zero and a whole number keeps its two places.
    EXPECT_EQ(HundredthsText(5, ","), "0,05");
    EXPECT_EQ(HundredthsText(129, ","), "1,29");
    EXPECT_EQ(HundredthsText(1200, "."), "12.00");
    EXPECT_EQ(HundredthsForPeople(129), "1.29") << "before the catalogs are bound, as in the C locale";
}

// The hint and --solve's text are read by people and take the comma in German and French; --solve
// --json is read by scripts and is the same bytes in every locale.
class DecimalsAcrossLocales : public CGameFixture {
protected:
    void SetUp() override
    {
        // GAAAF tells BCDEF, BCDEG and BCDEH apart: a fraction of a word is left on average.
        programDir.Write("Tiny.set", MakeSet({"GAAAF", "BCDEF", "BCDEG", "BCDEH"}, {"PLANET", "PLANES", "CANTER"}));
        store.settings.Write(Option::CurrentSet, L"Tiny");
    }
    std::string Solve(const std::vector<std::string>& args)
    {
        std::ostringstream out, err;
        EXPECT_EQ(RunSolve(args, CSetFolders(programDir.Path()), store.profile, out, err), 0) << err.str();
        return out.str();
    }
    // The hint message for the word in play before any guess, and the figure it should show.
    std::pair<std::wstring, std::uint64_t> Hint()
    {
        CScriptedGame& g = StartGame();
        g.ClearLog();
        const std::optional<CBestGuess> best = BestGuess(CSolverWords(g.WordsOfSkill()), g.WordsThatFit());
        EXPECT_TRUE(best);
        g.OnHint();
        EXPECT_EQ(g.m_astrMessages.size(), 1u);
        return {g.m_astrMessages.empty() ? L"" : g.m_astrMessages[0], best ? best->ExpectedLeftHundredths() : 0};
    }
};

TEST_F(DecimalsAcrossLocales, HintAndSolveTextUseTheCommaButJsonKeepsThePoint)
{
    const std::vector<std::string> json = {"--skill", "beginner", "--json", "BCDEQ:4:4"};
    const std::vector<std::string> text = {"--skill", "beginner", "--hard", "BCDEQ:4:4"};
    const std::string strJson = Solve(json);
    ASSERT_NE(strJson.find("\"expected_left\": 1.00,"), std::string::npos) << strJson;
    // In the hard mode the best guess is one of the three: 1 + 1/3 + 1/3 words left on average.
    ASSERT_NE(Solve(text).find("1.67 words left on average"), std::string::npos) << Solve(text);
    const auto [strEnglishHint, nLeft] = Hint();
    EXPECT_NE(strEnglishHint.find(DecodeBytes(HundredthsText(nLeft, "."))), std::wstring::npos) << EncodeUtf8(strEnglishHint);

    for (const char* pszLocale : {"de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (!LocaleInstalled(pszLocale))
            continue;
        CLocaleScope scope(pszLocale);
        EXPECT_EQ(Solve(json), strJson) << pszLocale;
        const std::string strText = Solve(text);
        EXPECT_NE(strText.find(" 1,67 "), std::string::npos) << strText;
        EXPECT_EQ(strText.find("1.67"), std::string::npos) << strText;
        const auto [strHint, nHintLeft] = Hint();
        EXPECT_NE(strHint.find(DecodeBytes(HundredthsText(nHintLeft, ","))), std::wstring::npos) << EncodeUtf8(strHint);
        EXPECT_EQ(strHint.find(DecodeBytes(HundredthsText(nHintLeft, "."))), std::wstring::npos) << EncodeUtf8(strHint);
        // The review's averages are read by the player too.
        EXPECT_EQ(AverageText(129), L"1,29") << pszLocale;
    }
    EXPECT_EQ(AverageText(129), L"1.29") << "back under C";
}
