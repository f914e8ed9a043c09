// --solve: what it prints for people and scripts, where its set and skill come from, and the one
// line and exit status 2 for an argument it cannot use.
#include <gtest/gtest.h>

#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "cli/solve_command.h"
#include "game/set_folders.h"
#include "game/word_set.h"
#include "platform/text.h"
#include "scripted_host.h"

namespace {

struct CRun {
    int nStatus;
    std::string strOut, strErr;
};

// A program folder with a small set, and a store of its own.
struct SolveCommand : public ::testing::Test {
    CTempDir program;
    CTestStore store;

    void SetUp() override
    {
        // GAAAF tells BCDEF, BCDEG and BCDEH apart; none of them does.
        program.Write("Tiny.set", MakeSet({"GAAAF", "BCDEF", "BCDEG", "BCDEH"}, {"PLANET", "PLANES", "CANTER"}));
    }

    CRun Solve(const std::vector<std::string>& args, const std::locale& locale = std::locale::classic())
    {
        std::ostringstream out, err;
        out.imbue(locale);
        const int n = RunSolve(args, CSetFolders(program.Path()), store.profile, out, err);
        return {n, out.str(), err.str()};
    }
};

// Digits grouped by threes and a comma for a decimal point, as some locales write numbers.
struct CCommaNumbers : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

}  // namespace

TEST_F(SolveCommand, PrintsTheFittingWordsAndTheBestNextGuess)
{
    // A typed guess is upper-cased; Q is in no word, so BCDEQ gets 4 and 4 from the three BCDE words.
    CRun run = Solve({"--set", "Tiny", "--skill", "beginner", "bcdeq:4:4"});
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.strErr, "");
    EXPECT_EQ(run.strOut,
              "set: Tiny\n"
              "skill: Beginner\n"
              "fit: 3 words\n"
              "words: BCDEF BCDEG BCDEH\n"
              "best next guess: GAAAF, 1.00 words left on average\n");

    run = Solve({"--set", "Tiny", "--skill", "beginner", "--hard", "--json", "BCDEQ:4:4"});
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.strOut,
              "{\n"
              "  \"set\": \"Tiny\",\n"
              "  \"skill\": \"Beginner\",\n"
              "  \"hard\": true,\n"
              "  \"fit\": 3,\n"
              "  \"words\": [\"BCDEF\", \"BCDEG\", \"BCDEH\"],\n"
              "  \"best\": {\"guess\": \"BCDEF\", \"expected_left\": 1.67, \"sampled\": false}\n"
              "}\n");

    // Counts no word gives: nothing fits, and there is no best guess.
    run = Solve({"--set", "Tiny", "--skill", "beginner", "--json", "GAAAF:0:0", "BCDEF:5:5"});
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_NE(run.strOut.find("\"fit\": 0,\n  \"words\": [],\n  \"best\": null\n"), std::string::npos) << run.strOut;
    run = Solve({"--set", "Tiny", "--skill", "beginner", "GAAAF:0:0", "BCDEF:5:5"});
    EXPECT_NE(run.strOut.find("best next guess: none, no word fits\n"), std::string::npos) << run.strOut;
}

TEST_F(SolveCommand, TakesTheStoredChoiceAndSetFilesAnywhere)
{
    // No stored choice: the first set the game finds, at Beginner.
    CRun run = Solve({});
    EXPECT_NE(run.strOut.find("set: Tiny\nskill: Beginner\nfit: 4 words\n"), std::string::npos) << run.strOut;

    program.Write("Other.set", MakeSet({"ZZZZZ"}, {"OTHERS"}));
    store.settings.Write(Option::CurrentSet, L"Other");
    store.settings.Write(Option::CurrentSkill, 1);
    run = Solve({"--json"});
    EXPECT_NE(run.strOut.find("\"set\": \"Other\",\n  \"skill\": \"Intermediate\",\n  \"hard\": false,\n  \"fit\": 1,"),
              std::string::npos)
        << run.strOut;
    // A damaged stored skill plays as Beginner, and answers as Beginner.
    store.settings.Write(Option::CurrentSkill, 7);
    run = Solve({});
    EXPECT_NE(run.strOut.find("skill: Beginner\nfit: 1 word\nwords: ZZZZZ\n"), std::string::npos) << run.strOut;

    // A file by its path, named as the game names it.
    CTempDir elsewhere;
    const std::filesystem::path file = elsewhere.Write("my.words.set", MakeSet({}, {"PLANET", "PLANES"}));
    run = Solve({"--set", file.string(), "--skill", "Intermediate", "PLANET:5:5"});
    EXPECT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_NE(run.strOut.find("set: my.words\nskill: Intermediate\nfit: 1 word\nwords: PLANES\n"), std::string::npos)
        << run.strOut;
}

TEST_F(SolveCommand, ListsTheFirstTwentyInFileOrderWhateverTheLocale)
{
    // The shipped standard set: 1,761 Advanced words, more than the thousands separator would spare.
    CSetFolders shipped{std::filesystem::path(VQ_SETS_DIR)};
    std::ostringstream out, err;
    out.imbue(std::locale(std::locale::classic(), new CCommaNumbers));
    ASSERT_EQ(RunSolve({"--set", "Standard", "--skill", "advanced", "--json"}, shipped, store.profile, out, err), 0)
        << err.str();
    CWordLists lists;
    ASSERT_TRUE(ReadWordSetFile(std::filesystem::path(VQ_SETS_DIR) / "Standard.set", lists));
    std::string strWords;
    for (std::size_t i = 0; i < kSolveWordsShown; ++i)
        strWords += (i ? ", \"" : "\"") + EncodeUtf8(std::wstring(lists.m_wordsAdvanced[i])) + "\"";
    const std::string strOut = out.str();
    EXPECT_NE(strOut.find("\"fit\": " + std::to_string(lists.m_wordsAdvanced.size()) + ",\n  \"words\": [" + strWords +
                          "],\n"),
              std::string::npos)
        << strOut;
    // Two decimals after a point, never a comma.
    EXPECT_NE(strOut.find("\"expected_left\": "), std::string::npos);
    const std::string strExpected = strOut.substr(strOut.find("\"expected_left\": ") + 17);
    EXPECT_EQ(strExpected.find_first_not_of("0123456789"), strExpected.find('.'));
    EXPECT_EQ(strExpected.find('.') + 3, strExpected.find(','));
}

TEST_F(SolveCommand, AnArgumentItCannotUseIsNamedOnOneLine)
{
    struct CBad {
        std::vector<std::string> args;
        std::string strNamed;
    };
    const std::vector<CBad> aBad = {
        {{"--set", "Nowhere"}, "unknown set 'Nowhere'"},
        {{"--set", "/no/such/file.set"}, "unknown set '/no/such/file.set'"},
        {{"--set", "../Tiny"}, "unknown set '../Tiny'"},
        {{"--set"}, "--set"},
        {{"--skill", "expert"}, "--skill"},
        {{"--verbose"}, "'--verbose'"},
        {{"--skill", "beginner", "PLANET:1:0"}, "guess 'PLANET:1:0': 6 letters, Beginner words have 5"},
        {{"--skill", "beginner", "APPLE:2:3"}, "guess 'APPLE:2:3': Bingo above Match"},
        {{"--skill", "beginner", "APPLE:6:0"}, "guess 'APPLE:6:0': counts above the word length 5"},
        {{"--skill", "beginner", "APPLE:5:4"}, "guess 'APPLE:5:4': Match 5 with Bingo 4 cannot happen"},
        {{"--skill", "beginner", "APPLE:-1:0"}, "guess 'APPLE:-1:0': Match and Bingo must be numbers from 0"},
        {{"--skill", "beginner", "APPLE:2:x"}, "guess 'APPLE:2:x'"},
        {{"--skill", "beginner", "APPLE:2"}, "guess 'APPLE:2': expected GUESS:MATCH:BINGO"},
        {{"--skill", "beginner", "AP-LE:2:0"}, "guess 'AP-LE:2:0': a guess is made of letters"},
    };
    for (const CBad& bad : aBad) {
        const CRun run = Solve(bad.args);
        EXPECT_EQ(run.nStatus, 2) << bad.strNamed;
        EXPECT_EQ(run.strOut, "") << bad.strNamed;
        EXPECT_EQ(run.strErr.find("veltrane-quillorn: --solve: "), 0u) << run.strErr;
        EXPECT_NE(run.strErr.find(bad.strNamed), std::string::npos) << run.strErr;
        EXPECT_EQ(run.strErr.find('\n'), run.strErr.size() - 1) << "one line: " << run.strErr;
    }
    // Without any set there is nothing to answer from.
    CTempDir empty;
    std::ostringstream out, err;
    EXPECT_EQ(RunSolve({}, CSetFolders(empty.Path()), store.profile, out, err), 2);
    EXPECT_EQ(err.str(), "veltrane-quillorn: --solve: no word sets found\n");
}
