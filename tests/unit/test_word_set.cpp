// Word sets: the line rules on byte strings, bad files, and how sets are named and found.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "game/word_set.h"
#include "scripted_host.h"

namespace {

struct CParsed {
    CWordLists lists;
    std::vector<CIgnoredLine> ignored;
};

CParsed Parse(const std::string& bytes, std::size_t nChunk = 0)
{
    CParsed parsed;
    CWordSetParser parser(parsed.lists, [&](const CIgnoredLine& l) { parsed.ignored.push_back(l); });
    if (nChunk == 0) {
        parser.Feed(bytes);
    } else {
        for (std::size_t i = 0; i < bytes.size(); i += nChunk)
            parser.Feed(std::string_view(bytes).substr(i, nChunk));
    }
    parser.Finish();
    return parsed;
}

using Words = std::vector<std::wstring>;

struct CLineCase {
    const char* szName;
    std::string bytes;
    Words beg, inter, adv;
};

}  // namespace

TEST(WordSetLines, SectionsLineEndsTrimAndCase)
{
    const std::vector<CLineCase> cases = {
        {"mixed-case markers, indented word, CR LF",
         "<beginner>\r\n  apple\r\n<INTERMEDIATE>\r\nplanet\r\n<AdVaNcEd>\r\nkitchen\r\n",
         {L"APPLE"}, {L"PLANET"}, {L"KITCHEN"}},
        {"last line without a line end still counts",
         "<beginner>\r\napple\r\n<ADVANCED>\r\nkitchen", {L"APPLE"}, {}, {L"KITCHEN"}},
        {"lone CR line ends keep every letter", "<BEGINNER>\rapple\rmango\r", {L"APPLE", L"MANGO"}, {}, {}},
        {"LF only", "<BEGINNER>\napple\n", {L"APPLE"}, {}, {}},
        {"CR CR is an empty line between", "<BEGINNER>\r\rapple\r", {L"APPLE"}, {}, {}},
        {"LF CR: the CR ends an empty line", "<BEGINNER>\n\rapple\n", {L"APPLE"}, {}, {}},
        {"wrong length for the section is not moved elsewhere", "<BEGINNER>\nplanet\napple\n", {L"APPLE"}, {}, {}},
        {"words before the first marker are ignored", "apple\nplanet\n<BEGINNER>\nmango\n", {L"MANGO"}, {}, {}},
        {"repeated sections accumulate in file order",
         "<ADVANCED>\nkitchen\n<BEGINNER>\napple\n<ADVANCED>\nbalcony\n", {L"APPLE"}, {}, {L"KITCHEN", L"BALCONY"}},
        {"duplicates are kept", "<BEGINNER>\napple\napple\n", {L"APPLE", L"APPLE"}, {}, {}},
        {"tabs and blanks around, inner blank counts", "<BEGINNER>\n\t a b c \t\n", {L"A B C"}, {}, {}},
        {"digits are not checked", "<BEGINNER>\n12345\n", {L"12345"}, {}, {}},
        {"indented marker with trailing blanks", "   <INTERMEDIATE>  \t\nplanet\n", {}, {L"PLANET"}, {}},
        {"marker text inside a longer line is no marker", "<BEGINNER> x\napple\n", {}, {}, {}},
        {"no section at all", "title line\n\n\n", {}, {}, {}},
        {"empty input", "", {}, {}, {}},
    };
    for (const CLineCase& c : cases) {
        for (std::size_t nChunk : {std::size_t{0}, std::size_t{1}, std::size_t{3}}) {
            SCOPED_TRACE(std::string(c.szName) + " / chunk " + std::to_string(nChunk));
            const CParsed p = Parse(c.bytes, nChunk);
            EXPECT_EQ(p.lists.m_wordsBeginner, c.beg);
            EXPECT_EQ(p.lists.m_wordsIntermediate, c.inter);
            EXPECT_EQ(p.lists.m_wordsAdvanced, c.adv);
        }
        // The counting pass that sizes the lists must agree with the pass that fills them.
        CWordLists unused;
        CWordSetParser counter(unused);
        counter.SetCountOnly(true);
        counter.Feed(c.bytes);
        counter.Finish();
        EXPECT_TRUE(unused.m_wordsBeginner.empty() && unused.m_wordsIntermediate.empty() && unused.m_wordsAdvanced.empty());
        EXPECT_EQ(counter.m_anCounts[0], c.beg.size()) << c.szName;
        EXPECT_EQ(counter.m_anCounts[1], c.inter.size()) << c.szName;
        EXPECT_EQ(counter.m_anCounts[2], c.adv.size()) << c.szName;
    }
}

TEST(WordSetLines, BytesAreUtf8WithLatin1FallbackAndLengthInCharacters)
{
    struct CCase {
        const char* szName;
        std::string bytes;
        Words beg;
    };
    const std::vector<CCase> cases = {
        // "école" is 6 bytes but 5 characters, and é upper-cases to É whatever the locale.
        {"UTF-8 accented", "<BEGINNER>\n\xC3\xA9\x63ole\n", {L"\u00C9COLE"}},
        // A lone 0xE9 is not UTF-8: it is Latin-1 é, not a sign-extended U+FFE9.
        {"Latin-1 byte", "<BEGINNER>\n\xE9\x63ole\n", {L"\u00C9COLE"}},
        {"Cyrillic", "<BEGINNER>\n\xD0\xB4\xD0\xBE\xD0\xBC\xD0\xB8\xD0\xBA\n", {L"\u0414\u041E\u041C\u0418\u041A"}},
        {"NUL is just a character", std::string("<BEGINNER>\nab\0de\n", 17), {std::wstring(L"AB\0DE", 5)}},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(Parse(c.bytes).lists.m_wordsBeginner, c.beg);
    }
}

TEST(WordSetLines, IgnoredLinesAreReportedWithLineNumberAndReason)
{
    const CParsed p = Parse("Title\r\n<BEGINNER>\r\n\r\nplanet\r\napple\r\n<ADVANCED>\r\n  abc  \r\n");
    ASSERT_EQ(p.ignored.size(), 3u);
    EXPECT_EQ(p.ignored[0].nLine, 1u);
    EXPECT_EQ(p.ignored[0].strReason, L"before any section marker");
    EXPECT_EQ(p.ignored[1].nLine, 4u);
    EXPECT_EQ(p.ignored[1].strReason, L"wrong length for <BEGINNER>: 6");
    EXPECT_EQ(p.ignored[2].nLine, 7u);
    EXPECT_EQ(p.ignored[2].strReason, L"wrong length for <ADVANCED>: 3");
}

TEST(WordSetLines, HugeAndHostileLinesAreCountedNotKept)
{
    // One 10 MB line, then a word: the line is reported with its length, the word still loads.
    std::string bytes = "<BEGINNER>\n";
    bytes += std::string(10 * 1024 * 1024, 'x');
    bytes += "\napple\n";
    const CParsed p = Parse(bytes);
    EXPECT_EQ(p.lists.m_wordsBeginner, Words{L"APPLE"});
    ASSERT_EQ(p.ignored.size(), 1u);
    EXPECT_EQ(p.ignored[0].nLine, 2u);
    EXPECT_NE(p.ignored[0].strReason.find(std::to_wstring(10 * 1024 * 1024)), std::wstring::npos);

    // Any amount of white space around a word is trimmed, not counted against it.
    const std::string padded = "<BEGINNER>\n" + std::string(100000, ' ') + "apple" + std::string(100000, '\t') + "\n";
    EXPECT_EQ(Parse(padded).lists.m_wordsBeginner, Words{L"APPLE"});

    // All bytes 0..255 many times over: no crash, and nothing before a marker is taken.
    std::string binary;
    for (int r = 0; r < 200; ++r)
        for (int b = 0; b < 256; ++b)
            binary.push_back(static_cast<char>(b));
    const CParsed pb = Parse(binary);
    EXPECT_TRUE(pb.lists.m_wordsBeginner.empty());
    EXPECT_TRUE(pb.lists.m_wordsAdvanced.empty());
}

TEST(WordSetFiles, BadFilesNeverCrashAndUnreadableOnesFail)
{
    CTempDir dir;
    CWordLists lists;
    lists.m_wordsBeginner = {L"STALE"};

    dir.Write("empty.set", "");
    EXPECT_TRUE(ReadWordSetFile(dir.Path() / "empty.set", lists));
    EXPECT_TRUE(lists.m_wordsBeginner.empty()) << "lists are emptied first";

    dir.Write("nul.set", std::string(1 << 20, '\0'));
    EXPECT_TRUE(ReadWordSetFile(dir.Path() / "nul.set", lists));
    EXPECT_TRUE(lists.m_wordsBeginner.empty());

    lists.m_wordsBeginner = {L"STALE"};
    std::filesystem::create_directory(dir.Path() / "x.set");
    EXPECT_FALSE(ReadWordSetFile(dir.Path() / "x.set", lists));
    EXPECT_TRUE(lists.m_wordsBeginner.empty());

    std::filesystem::create_symlink(dir.Path() / "gone.set", dir.Path() / "dangling.set");
    EXPECT_FALSE(ReadWordSetFile(dir.Path() / "dangling.set", lists));
    EXPECT_FALSE(ReadWordSetFile(dir.Path() / "missing.set", lists));
    // Root reads any file whatever its mode; a path through a regular file cannot be opened by anyone.
    EXPECT_FALSE(ReadWordSetFile(dir.Path() / "empty.set" / "under.set", lists));
}

TEST(SetNames, FinalSetEndingIsCutInAnyCase)
{
    const std::vector<std::pair<std::string, std::wstring>> cases = {
        {"animals.set", L"animals"},
        {"my.words.set", L"my.words"},
        {"Birds.SET", L"Birds"},
        {"odd.Set", L"odd"},
        {"/some/dir/Fish.set", L"Fish"},
        {"caf\xC3\xA9.set", L"caf\u00E9"},
    };
    for (const auto& [file, name] : cases) {
        SCOPED_TRACE(file);
        EXPECT_EQ(SetNameFromFileName(file), name);
    }
}

TEST(SetNames, ListingFollowsDirectoryOrderAndEveryListedSetLoads)
{
    CTempDir dir;
    dir.Write("my.words.set", "<BEGINNER>\napple\n");
    dir.Write("Birds.SET", "<BEGINNER>\nrobin\n");
    dir.Write("notes.txt", "<BEGINNER>\nnotes\n");
    dir.Write("back\\slash.set", "<BEGINNER>\nslash\n");
    std::filesystem::create_directory(dir.Path() / "folder.set");

    const std::vector<std::wstring> names = ListSetNames(dir.Path());
    // Directory order is whatever the system yields; the listing keeps it.
    std::vector<std::wstring> expected;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        const std::wstring n = SetNameFromFileName(entry.path().filename());
        if (n == L"my.words" || n == L"Birds")
            expected.push_back(n);
    }
    EXPECT_EQ(names, expected);

    for (const std::wstring& name : names) {
        CWordLists lists;
        SCOPED_TRACE(std::string(name.begin(), name.end()));
        EXPECT_TRUE(ReadWordSetFile(SetFilePath(dir.Path(), name), lists));
        EXPECT_EQ(lists.m_wordsBeginner.size(), 1u);
    }
}

TEST(SetNames, NamesThatWouldLeaveTheProgramDirectoryGiveNoPath)
{
    CTempDir dir;
    for (const std::wstring name : {L"..", L".", L"../x", L"a/b", L"a\\b", L"tab\there", L""}) {
        SCOPED_TRACE(std::string(name.begin(), name.end()));
        const std::filesystem::path p = SetFilePath(dir.Path(), name);
        EXPECT_TRUE(p.empty());
    }
    EXPECT_EQ(SetFilePath(dir.Path(), L"animals"), dir.Path() / "animals.set");
}

TEST(SetNames, ANameInAnotherCaseFindsTheSameFileButAnExactOneWins)
{
    CTempDir dir;
    dir.Write("my.words.set", "x");
    dir.Write("Birds.SET", "x");
    dir.Write("birds.set", "x");
    EXPECT_EQ(SetFilePath(dir.Path(), L"MY.WORDS"), dir.Path() / "my.words.set");
    EXPECT_EQ(SetFilePath(dir.Path(), L"Birds"), dir.Path() / "Birds.SET");
    EXPECT_EQ(SetFilePath(dir.Path(), L"birds"), dir.Path() / "birds.set");
    EXPECT_EQ(SetFilePath(dir.Path(), L"fish"), dir.Path() / "fish.set") << "a missing set names its file";
}
