// The word-set maker: which lines of a word list become words, and the set file it writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "game/set_folders.h"
#include "cli/set_maker.h"
#include "game/word_set.h"
#include "scripted_host.h"
#include "word_list_vector.h"

namespace {

using Lists = std::array<std::vector<std::wstring>, 3>;

struct CRun {
    int nStatus;
    std::string strOut, strErr;
};

CRun Make(const std::vector<std::string>& args, const CSetFolders& folders = CSetFolders({}))
{
    std::ostringstream out, err;
    const int n = RunSetMaker(args, folders, out, err);
    return {n, out.str(), err.str()};
}

}  // namespace

TEST(WordCollector, KeepsFiveToSevenLetterWordsOnceInTheGamesCapitals)
{
    const struct {
        const char* szName;
        std::string bytes;
        bool bAscii;
        Lists expected;
        std::size_t nDuplicates, nRejected;
    } cases[] = {
        {"LF and case duplicates", "apple\nAPPLE\nApple\nplanet\nkitchen\n", false,
         {{{L"APPLE"}, {L"PLANET"}, {L"KITCHEN"}}}, 2, 0},
        {"CR LF, lone CR, no final end", "apple\r\nplanet\rkitchen\r\n\r\nbread", false,
         {{{L"APPLE", L"BREAD"}, {L"PLANET"}, {L"KITCHEN"}}}, 0, 0},
        {"byte-order mark and comments", "\xEF\xBB\xBF" "apple\n# plant\n  bread # baked\n#\n", false,
         {{{L"APPLE", L"BREAD"}, {}, {}}}, 0, 0},
        {"accents count as letters, one character each", "caf\xC3\xA9\n\xC3\xA9" "clair\nna\xC3\xAFve\n", false,
         {{{L"NA\u00CFVE"}, {L"\u00C9CLAIR"}, {}}}, 0, 1},
        {"a duplicate only after upper-casing", "\xC3\xA9" "clair\n\xC3\x89" "CLAIR\n", false,
         {{{}, {L"\u00C9CLAIR"}, {}}}, 1, 0},
        {"--ascii drops accented words", "\xC3\xA9" "clair\nna\xC3\xAFve\nplanet\n", true,
         {{{}, {L"PLANET"}, {}}}, 0, 2},
        {"anything but letters, and other lengths", "don't\nab-cd\n12345\nab cd\nappl\nbananas!\nbalconies\n", false,
         {{{}, {}, {}}}, 0, 7},
        {"Unicode blanks around a word", "\xC2\xA0" "apple\xE3\x80\x80\n\tplanet \n", false,
         {{{L"APPLE"}, {L"PLANET"}, {}}}, 0, 0},
        {"empty input", "", false, {{{}, {}, {}}}, 0, 0},
        {"blank lines only", "\n\r\n  \n", false, {{{}, {}, {}}}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        CWordCollector collector(c.bAscii);
        collector.AddList(c.bytes);
        EXPECT_EQ(collector.m_aWords, c.expected);
        EXPECT_EQ(collector.m_nDuplicates, c.nDuplicates);
        EXPECT_EQ(collector.m_nRejected, c.nRejected);
    }
}

TEST(WordCollector, DuplicatesAcrossListsKeepTheFirstPlace)
{
    CWordCollector collector;
    collector.AddList("tiger\nhorse\n");
    collector.AddList("zebra\nTIGER\ncamel\n");
    EXPECT_EQ(collector.m_aWords[0], (std::vector<std::wstring>{L"TIGER", L"HORSE", L"ZEBRA", L"CAMEL"}));
    EXPECT_EQ(collector.m_nDuplicates, 1u);
}

// French on an A-Z board: the accents go, the ligature becomes two letters (and so a letter longer),
// words that differ only by an accent become one, and a letter of its own such as ß is not an accent.
TEST(WordCollector, FoldedAccentsAreTheirPlainLettersAndLengthIsCountedAfterwards)
{
    CWordCollector collector(true, true);
    collector.AddList("c\xC5\x93ur\n\xC5\x93uvre\np\xC3\xA9" "cher\np\xC3\xAA" "cher\nGAR\xC3\x87ON\n"
                      "na\xC3\xAFve\nNo\xC3\xABl\nStra\xC3\x9F" "e\n\xC3\xA2g\xC3\xA9s\n");
    EXPECT_EQ(collector.m_aWords, (Lists{{{L"COEUR", L"NAIVE"}, {L"OEUVRE", L"PECHER", L"GARCON"}, {}}}));
    EXPECT_EQ(collector.m_nDuplicates, 1u);
    EXPECT_EQ(collector.m_nRejected, 3u);   // NOEL and AGES are too short, STRAßE is not A-Z
    EXPECT_EQ(FoldAccents(L"\u00C6\u00D8\u00DD\u0178\u00DF\u00D0\u00DE"), L"AEOYY\u00DF\u00D0\u00DE");
}

TEST(SetFile, WhatIsWrittenReadsBackAsTheSameWordsAndTheTitleIsNoWord)
{
    const Lists words = {{{L"APPLE", L"\u00C9TUDE"}, {L"PLANET"}, {L"KITCHEN", L"BALCONY"}}};
    // A title of five letters before the first marker must not become a word.
    const std::string text = FormatSetFile(L"Fruit", words);
    EXPECT_EQ(text.substr(0, 21), "Fruit\r\n\r\n<BEGINNER>\r\n");
    EXPECT_EQ(text.find('\n'), text.find('\r') + 1) << "CR LF line ends";
    CWordLists lists;
    ParseWordSet(text, lists);
    EXPECT_EQ(ToVector(lists.m_wordsBeginner), words[0]);
    EXPECT_EQ(ToVector(lists.m_wordsIntermediate), words[1]);
    EXPECT_EQ(ToVector(lists.m_wordsAdvanced), words[2]);
}

TEST(SetFile, ShuffleIsAPermutationFixedByItsSeed)
{
    Lists words;
    for (int i = 0; i < 200; ++i)
        words[i % 3].push_back(std::to_wstring(10000 + i));
    Lists a = words, b = words, c = words;
    ShuffleWords(a, 7);
    ShuffleWords(b, 7);
    ShuffleWords(c, 8);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    for (std::size_t n = 0; n < 3; ++n) {
        EXPECT_NE(a[n], words[n]);
        std::vector<std::wstring> sorted = a[n];
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, words[n]) << "same words, other order";
    }
}

TEST(SetMaker, WritesTheSetIntoThePlayersFolderAndCountsItAsTheGameReadsIt)
{
    CTempDir program, user, lists;
    const std::string file = lists.Write("words.txt", "apple\nbread\nplanet\nkitchen\nkitchen\nab\n").string();
    const CSetFolders folders(program.Path(), user.Path() / "new" / "sets");
    const CRun r = Make({"Food", "--title", "Food: things to eat", file}, folders);
    EXPECT_EQ(r.nStatus, 0) << r.strErr;
    const std::filesystem::path written = user.Path() / "new" / "sets" / "Food.set";
    EXPECT_EQ(ReadWholeFile(written), "Food: things to eat\r\n\r\n<BEGINNER>\r\nAPPLE\r\nBREAD\r\n\r\n"
                                      "<INTERMEDIATE>\r\nPLANET\r\n\r\n<ADVANCED>\r\nKITCHEN\r\n\r\n");
    EXPECT_EQ(r.strOut, "written: " + written.string() +
                            "\nkept 4 words; dropped 1 repeated and 1 other line\n"
                            "set: Food\nBeginner: 2 words\nIntermediate: 1 word\nAdvanced: 1 word\n");
    EXPECT_EQ(folders.ListSetNames(), std::vector<std::wstring>{L"Food"});
}

TEST(SetMaker, NeverReplacesAFileWithoutForce)
{
    CTempDir out, lists;
    const std::string file = lists.Write("w.txt", "apple\nplanet\nkitchen\n").string();
    out.Write("birds.SET", "old");
    // "Birds" is the set birds.SET holds, in another case: that file is the one at stake.
    CRun r = Make({"Birds", "--output", out.Path().string(), file});
    EXPECT_EQ(r.nStatus, 2);
    EXPECT_NE(r.strErr.find("add --force"), std::string::npos) << r.strErr;
    EXPECT_EQ(ReadWholeFile(out.Path() / "birds.SET"), "old");

    r = Make({"Birds.set", "--force", "--output", out.Path().string(), file});
    EXPECT_EQ(r.nStatus, 0) << r.strErr;
    EXPECT_EQ(ReadWholeFile(out.Path() / "birds.SET").substr(0, 7), "Birds\r\n");
    EXPECT_FALSE(std::filesystem::exists(out.Path() / "Birds.set"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.Path()), {}), 1) << "no temporary left";
}

TEST(SetMaker, WritesNothingForBadArgumentsOrNoWords)
{
    CTempDir out, lists;
    const std::string strOut = out.Path().string();
    const std::string good = lists.Write("good.txt", "apple\n").string();
    const std::string empty = lists.Write("empty.txt", "").string();
    const std::string none = lists.Write("none.txt", "ab\ndon't\n\xEF\xBB\xBF\n").string();
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"Name"},
        {"Name", "--output", strOut, empty},
        {"Name", "--output", strOut, none},
        {"Name", "--output", strOut, good, (lists.Path() / "missing.txt").string()},
        {"Name", "--output", strOut, "--shuffle", "-1", good},
        {"Name", "--output", strOut, "--shuffle", "4294967296", good},
        {"Name", "--output", strOut, "--shuffle"},
        {"Name", "--output", strOut, "--title", " <Beginner> ", good},
        {"Name", "--output", strOut, "--title", "\xE3\x80\x80<advanced>\xC2\xA0", good},
        {"Name", "--output", strOut, "--title", "two\nlines", good},
        {"Name", "--output", strOut, "--frobnicate", good},
        {"..", "--output", strOut, good},
        {"a/b", "--output", strOut, good},
    };
    for (const auto& args : cases) {
        std::string strArgs;
        for (const std::string& s : args)
            strArgs += s + " ";
        SCOPED_TRACE(strArgs);
        const CRun r = Make(args);
        EXPECT_EQ(r.nStatus, 2);
        EXPECT_FALSE(r.strErr.empty());
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.Path()), {}), 0);
    }
    EXPECT_EQ(Make({"Name", good}).nStatus, 2) << "no player's folder and no --output";
}

TEST(SetMaker, ASetMissingASkillIsWrittenWithAWarningAndAHiddenNameIsPointedOut)
{
    CTempDir program, user, lists;
    program.Write("Animals.set", MakeSet({"tiger"}, {"donkey"}, {"giraffe"}));
    const std::string file = lists.Write("w.txt", "horse\nzebra\n").string();
    const CRun r = Make({"animals", "--shuffle", "1", file}, CSetFolders(program.Path(), user.Path()));
    EXPECT_EQ(r.nStatus, 1);
    EXPECT_TRUE(std::filesystem::exists(user.Path() / "animals.set"));
    EXPECT_NE(r.strErr.find("game plays that one"), std::string::npos) << r.strErr;
    EXPECT_NE(r.strErr.find("some skill has no words"), std::string::npos) << r.strErr;
}

// Inputs that are no word list, or too much of one, and names that carry control characters: each
// is refused at once with one line that says why and shows the name escaped.
TEST(SetMaker, HostileInputsGetOneClearLineAndExitTwo)
{
    CTempDir out, lists;
    const std::string strOut = out.Path().string();
    const std::string good = lists.Write("good.txt", "apple\n").string();
    const std::filesystem::path fifo = lists.Path() / "fifo.txt";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::filesystem::path huge = lists.Path() / "huge.txt";
    { std::ofstream(huge) << "apple\n"; }
    std::filesystem::resize_file(huge, (16u << 20) + 1);  // sparse: no disk is spent on it
    const std::string strEscape = (lists.Path() / "evil\x1b[2J\n.txt").string();
    const struct {
        std::vector<std::string> args;
        std::string strSays;
    } cases[] = {
        {{"Name", "--output", strOut, lists.Path().string()}, "not a regular file"},
        {{"Name", "--output", strOut, fifo.string()}, "not a regular file"},
        {{"Name", "--output", strOut, "/dev/zero"}, "not a regular file"},
        {{"Name", "--output", strOut, huge.string()}, "larger than 16 MB"},
        {{"Name", "--output", strOut, strEscape}, "evil\\x1b[2J\\n.txt"},
        {{"", "--output", strOut, good}, "the set name is empty"},
        {{"bad\x07name/", "--output", strOut, good}, "'bad\\x07name/' cannot be the name of a set"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.strSays);
        const CRun r = Make(c.args);
        EXPECT_EQ(r.nStatus, 2);
        EXPECT_NE(r.strErr.find(c.strSays), std::string::npos) << r.strErr;
        EXPECT_EQ(std::count(r.strErr.begin(), r.strErr.end(), '\n'), 1) << r.strErr;
        EXPECT_EQ(std::count_if(r.strErr.begin(), r.strErr.end() - 1,
                                [](char ch) { return static_cast<unsigned char>(ch) < 0x20; }), 0);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.Path()), {}), 0);
    }
}
