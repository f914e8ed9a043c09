// The word-set checker: its report, its word lists and its exit status.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/set_checker.h"
#include "scripted_host.h"

namespace {

struct CRun {
    int nStatus;
    std::string strOut, strErr;
};

CRun Check(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int n = RunSetChecker(args, out, err);
    return {n, out.str(), err.str()};
}

}  // namespace

TEST(SetChecker, ReportsCountsAndIgnoredLinesAndListsWords)
{
    CTempDir dir;
    const std::string file = dir.Write("my.words.set",
                                       "My words\r\n<beginner>\r\n  apple\r\nplanet\r\n\r\n<INTERMEDIATE>\r\n"
                                       "planet\r\n<Advanced>\r\nkitchen\r\nbalcony")
                                 .string();
    const CRun r = Check({"--words", file});
    EXPECT_EQ(r.nStatus, 0);
    EXPECT_EQ(r.strOut,
              "set: my.words\n"
              "Beginner: 1 word\n"
              "Intermediate: 1 word\n"
              "Advanced: 2 words\n"
              "line 1: before any section marker\n"
              "line 4: wrong length for <BEGINNER>: 6\n"
              "[Beginner]\nAPPLE\n"
              "[Intermediate]\nPLANET\n"
              "[Advanced]\nKITCHEN\nBALCONY\n");
    EXPECT_EQ(r.strErr, "");

    const CRun plain = Check({file});
    EXPECT_EQ(plain.strOut.find("[Beginner]"), std::string::npos);
    EXPECT_NE(plain.strOut.find("line 4: wrong length for <BEGINNER>: 6\n"), std::string::npos);
}

TEST(SetChecker, ExitStatusIsTheWorstFile)
{
    CTempDir dir;
    const std::string full = dir.Write("full.set", "<BEGINNER>\napple\n<INTERMEDIATE>\nplanet\n<ADVANCED>\nkitchen\n").string();
    const std::string partial = dir.Write("partial.set", "<BEGINNER>\napple\n<ADVANCED>\nkitchen\n").string();
    const std::string empty = dir.Write("empty.set", "").string();
    const std::string missing = (dir.Path() / "missing.set").string();
    std::filesystem::create_directory(dir.Path() / "folder.set");
    const std::string folder = (dir.Path() / "folder.set").string();

    struct CCase {
        std::vector<std::string> args;
        int nStatus;
    };
    const std::vector<CCase> cases = {
        {{full}, 0},
        {{partial}, 1},
        {{empty}, 1},
        {{full, partial}, 1},
        {{missing}, 2},
        {{folder}, 2},
        {{missing, full}, 2},
        {{partial, missing, full}, 2},
        {{}, 2},
        {{"--words"}, 2},
        {{"--bogus", full}, 2},
        {{"--", full}, 0},
    };
    for (const CCase& c : cases) {
        std::string strArgs;
        for (const std::string& a : c.args)
            strArgs += a + " ";
        SCOPED_TRACE(strArgs);
        EXPECT_EQ(Check(c.args).nStatus, c.nStatus);
    }

    // An unreadable file is said on stderr, and the others are still reported.
    const CRun r = Check({missing, full});
    EXPECT_NE(r.strErr.find(missing), std::string::npos);
    EXPECT_NE(r.strOut.find("set: full\n"), std::string::npos);
    EXPECT_EQ(r.strOut.find("set: missing"), std::string::npos);
}

TEST(SetChecker, NonAsciiWordsAreCountedInCharactersAndPrintedAsUtf8)
{
    CTempDir dir;
    const std::string file = dir.Write("caf\xC3\xA9.set", "<BEGINNER>\n\xC3\xA9\x63ole\n\xE9t\xE9s\n").string();
    const CRun r = Check({"--words", file});
    EXPECT_NE(r.strOut.find("set: caf\xC3\xA9\n"), std::string::npos);
    EXPECT_NE(r.strOut.find("Beginner: 1 word\n"), std::string::npos);
    EXPECT_NE(r.strOut.find("line 3: wrong length for <BEGINNER>: 4\n"), std::string::npos);
    EXPECT_NE(r.strOut.find("[Beginner]\n\xC3\x89\x43OLE\n"), std::string::npos);
}

TEST(SetChecker, ControlCharactersInNamesAndWordsAreEscapedSoEachLineStaysOneLine)
{
    CTempDir dir;
    // A set named with a newline, words holding NUL, ESC, DEL, a C1 control and a backslash.
    const std::string bytes = "<BEGINNER>\n" + std::string("ab\0de\n", 6) + "\x1b[31m\nx\x7Fy\\z\n\xC2\x85" "abcd\n";
    const std::string file = dir.Write("new\nline.set", bytes).string();
    const CRun r = Check({"--words", file});
    EXPECT_NE(r.strOut.find("set: new\\nline\n"), std::string::npos) << r.strOut;
    EXPECT_NE(r.strOut.find("\nAB\\x00DE\n"), std::string::npos) << r.strOut;
    EXPECT_NE(r.strOut.find("\n\\x1b[31M\n"), std::string::npos) << r.strOut;
    EXPECT_NE(r.strOut.find("\nX\\x7fY\\\\Z\n"), std::string::npos) << r.strOut;
    EXPECT_NE(r.strOut.find("\n\\u0085ABCD\n"), std::string::npos) << r.strOut;
    EXPECT_EQ(r.strOut.find('\0'), std::string::npos);
    EXPECT_EQ(r.strOut.find('\x1b'), std::string::npos);

    // A right-to-left override would turn the rest of the line around on a terminal.
    const CRun rtl = Check({dir.Write("rtl\xE2\x80\xAE" "evil.set", "<BEGINNER>\nOTTER\n").string()});
    EXPECT_NE(rtl.strOut.find("set: rtl\\u202eevil\n"), std::string::npos) << rtl.strOut;

    const CRun missing = Check({(dir.Path() / "gone\tset.set").string()});
    EXPECT_NE(missing.strErr.find("gone\\tset.set"), std::string::npos) << missing.strErr;
}

TEST(SetChecker, WordsNobodyCanTypeAreNamedInLineOrderAndStillCount)
{
    CTempDir dir;
    const std::string file = dir.Write("odd.set",
                                       "Odd words\n<BEGINNER>\napple\n12345\nab cd\nplanet\ndon't\n"
                                       "\xC3\xA9" "cole\ncaf\xE9s\na\tbcd\n<INTERMEDIATE>\nplanet\n<ADVANCED>\n"
                                       "wait-up\nkitchen\n")
                                 .string();
    const CRun r = Check({file});
    EXPECT_EQ(r.nStatus, 0);
    // école and CAFÉS (a Latin-1 byte) are letters: they can be typed.
    EXPECT_EQ(r.strOut,
              "set: odd\n"
              "Beginner: 7 words\n"
              "Intermediate: 1 word\n"
              "Advanced: 2 words\n"
              "line 1: before any section marker\n"
              "line 4: word \"12345\" has characters that cannot be typed\n"
              "line 5: word \"AB CD\" has characters that cannot be typed\n"
              "line 6: wrong length for <BEGINNER>: 6\n"
              "line 7: word \"DON'T\" has characters that cannot be typed\n"
              "line 10: word \"A\\tBCD\" has characters that cannot be typed\n"
              "line 14: word \"WAIT-UP\" has characters that cannot be typed\n");
    EXPECT_EQ(r.strErr, "");

    // A skill whose only word cannot be typed still has a word: the exit status does not change.
    const std::string only = dir.Write("only.set", "<BEGINNER>\nab1de\n<INTERMEDIATE>\nplanet\n<ADVANCED>\nkitchen\n").string();
    const CRun o = Check({"--words", only});
    EXPECT_EQ(o.nStatus, 0);
    EXPECT_NE(o.strOut.find("Beginner: 1 word\nIntermediate: 1 word\nAdvanced: 1 word\n"
                            "line 2: word \"AB1DE\" has characters that cannot be typed\n[Beginner]\nAB1DE\n"),
              std::string::npos)
        << o.strOut;
    const std::string none = dir.Write("none.set", "<BEGINNER>\nab1de\n<ADVANCED>\nkitchen\n").string();
    EXPECT_EQ(Check({none}).nStatus, 1);
}
