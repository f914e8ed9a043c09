// Word sets: the line rules on byte strings, bad files, and how sets are named and found.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "game/word_set.h"
#include "scripted_host.h"
#include "word_list_vector.h"

namespace {

struct CParsed {
    CWordLists lists;
    std::vector<CIgnoredLine> ignored;
};

CParsed Parse(const std::string& bytes)
{
    CParsed parsed;
    ParseWordSet(bytes, parsed.lists, [&](const CIgnoredLine& l) { parsed.ignored.push_back(l); });
    return parsed;
}

using Words = std::vector<std::wstring>;

struct CLineCase {
    const char* szName;
    std::string bytes;
    Words beg, inter, adv;
};

}  // namespace

TEST(WordSetLines, SectionsLineEndsTrimCaseAndCharacters)
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
        {"every standard blank is trimmed, form feed and vertical tab too",
         "\f<BEGINNER>\v\n \t\v\fapple\f\v\t \n", {L"APPLE"}, {}, {}},
        {"no-break and ideographic spaces are trimmed like blanks",
         "\xE3\x80\x80<BEGINNER>\xC2\xA0\n\xC2\xA0 \tapple\xE3\x80\x80 \xC2\xA0\n", {L"APPLE"}, {}, {}},
        {"a no-break space as a lone Latin-1 byte is trimmed too", "<BEGINNER>\n\xA0mango\xA0\n", {L"MANGO"}, {}, {}},
        {"an inner no-break space is a character", "<BEGINNER>\nab\xC2\xA0" "cd\n", {L"AB\u00A0CD"}, {}, {}},
        // à is C3 A0 and U+0820 is E0 A0 A0: a line may end in the byte A0 of a letter.
        {"letters whose last byte is A0 are not blanks", "<BEGINNER>\nvoil\xC3\xA0\nabcd\xE0\xA0\xA0\n",
         {L"VOIL\u00C0", L"ABCD\u0820"}, {}, {}},
        {"other Unicode spaces are characters", "<BEGINNER>\n\xE2\x80\x83" "abcd\n", {L"\u2003ABCD"}, {}, {}},
        {"a byte-order mark at the start is skipped", "\xEF\xBB\xBF<BEGINNER>\r\napple\r\n", {L"APPLE"}, {}, {}},
        {"a byte-order mark further on is a character", "<BEGINNER>\n\xEF\xBB\xBF" "appl\n", {L"\uFEFFAPPL"}, {}, {}},
        {"the start of a mark that is not one stays in the first line", "\xEF\xBB<BEGINNER>\napple\n", {}, {}, {}},
        {"digits are not checked", "<BEGINNER>\n12345\n", {L"12345"}, {}, {}},
        {"indented marker with trailing blanks", "   <INTERMEDIATE>  \t\nplanet\n", {}, {L"PLANET"}, {}},
        {"marker text inside a longer line is no marker", "<BEGINNER> x\napple\n", {}, {}, {}},
        {"no section at all", "title line\n\n\n", {}, {}, {}},
        {"empty input", "", {}, {}, {}},
        // "école" is 6 bytes but 5 characters, and é upper-cases to É whatever the locale.
        {"UTF-8 accented", "<BEGINNER>\n\xC3\xA9\x63ole\n", {L"\u00C9COLE"}, {}, {}},
        // A lone 0xE9 is not UTF-8: it is Latin-1 é, not a sign-extended U+FFE9.
        {"Latin-1 byte", "<BEGINNER>\n\xE9\x63ole\n", {L"\u00C9COLE"}, {}, {}},
        {"Cyrillic", "<BEGINNER>\n\xD0\xB4\xD0\xBE\xD0\xBC\xD0\xB8\xD0\xBA\n",
         {L"\u0414\u041E\u041C\u0418\u041A"}, {}, {}},
        {"NUL is just a character", std::string("<BEGINNER>\nab\0de\n", 17), {std::wstring(L"AB\0DE", 5)}, {}, {}},
    };
    for (const CLineCase& c : cases) {
        SCOPED_TRACE(c.szName);
        const CParsed p = Parse(c.bytes);
        EXPECT_EQ(ToVector(p.lists.m_wordsBeginner), c.beg);
        EXPECT_EQ(ToVector(p.lists.m_wordsIntermediate), c.inter);
        EXPECT_EQ(ToVector(p.lists.m_wordsAdvanced), c.adv);
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

// The lines and reports of one parse, comparable as a whole.
std::vector<std::pair<std::size_t, std::wstring>> Reports(const CParsed& p)
{
    std::vector<std::pair<std::size_t, std::wstring>> a;
    for (const CIgnoredLine& l : p.ignored)
        a.emplace_back(l.nLine, l.strReason);
    return a;
}

TEST(WordSetLines, AMixedFileKeepsEveryWordAndNumbersEveryLine)
{
    // Every kind of line in one file, so a line end taken wrongly shifts every later number.
    // Wide blanks pad one word past the length a line may have: they are trimmed, not counted.
    std::string strWidePadded;
    for (int i = 0; i < 33; ++i)
        strWidePadded += "\xC2\xA0";
    const std::string bytes = "\xEF\xBB\xBFTitle\r\n"
                              "<beginner>\r\n"
                              "  apple  \r\n"
                              "\xC3\xA9"
                              "cole\r\n"
                              "mango\xA0\rlemon\xE3\x80\x80\n"
                              "\r\n"
                              "planet\r\n"
                              "\x0b\x0bgrape\x0b\n"
                              "p\x0e\x0e\x0eh\n" +
                              strWidePadded + "melon\xE3\x80\x80\n"
                              "<INTERMEDIATE>\n" +
                              std::string(70, 'x') + "\n" + std::string(64, 'y') + "\n  " + std::string(65, 'z') +
                              "  \n"
                              "planet\n"
                              "\t<AdVaNcEd> \n"
                              "kitchen";
    const CParsed whole = Parse(bytes);
    EXPECT_EQ(ToVector(whole.lists.m_wordsBeginner),
              (Words{L"APPLE", L"\u00C9COLE", L"MANGO", L"LEMON", L"GRAPE", L"P\x0e\x0e\x0eH", L"MELON"}));
    EXPECT_EQ(ToVector(whole.lists.m_wordsIntermediate), Words{L"PLANET"});
    EXPECT_EQ(ToVector(whole.lists.m_wordsAdvanced), Words{L"KITCHEN"});
    const std::vector<std::pair<std::size_t, std::wstring>> expected = {
        {1, L"before any section marker"},
        {8, L"wrong length for <BEGINNER>: 6"},
        {13, L"line too long: 70 bytes"},
        {14, L"wrong length for <INTERMEDIATE>: 64"},
        {15, L"line too long: 65 bytes"},
    };
    EXPECT_EQ(Reports(whole), expected);

}

TEST(WordSetLines, ALineEndsExactlyAtItsLineEndWhateverItsLengthAndBytes)
{
    // Lines of 0 to 20 bytes, with fillers next to CR and LF in value and one beyond ASCII; each
    // line's length is told back in its report.
    for (const char cFill : {'q', '\x0e', '\x0b', '\x7f', static_cast<char>(0x8a)}) {
        for (const std::string strEnd : {"\n", "\r\n", "\r"}) {
            std::string bytes = "<ADVANCED>\n";
            std::vector<std::pair<std::size_t, std::wstring>> expected;
            for (std::size_t k = 0; k <= 20; ++k) {
                bytes += std::string(k, cFill) + strEnd;
                // A filler that is white space leaves only blank lines.
                if (k != 0 && k != 7 && cFill != '\x0b')
                    expected.emplace_back(k + 2, L"wrong length for <ADVANCED>: " + std::to_wstring(k));
            }
            SCOPED_TRACE("filler " + std::to_string(static_cast<unsigned char>(cFill)) + ", line end of " +
                         std::to_string(strEnd.size()) + " bytes starting " + std::to_string(strEnd[0]));
            const CParsed p = Parse(bytes);
            EXPECT_EQ(Reports(p), expected);
            EXPECT_EQ(p.lists.m_wordsAdvanced.size(), cFill == '\x0b' ? 0u : 1u);
        }
    }
}

TEST(WordSetLines, HugeAndHostileLinesAreCountedNotKept)
{
    // One 10 MB line, then a word: the line is reported with its length, the word still loads.
    std::string bytes = "<BEGINNER>\n";
    bytes += std::string(10 * 1024 * 1024, 'x');
    bytes += "\napple\n";
    const CParsed p = Parse(bytes);
    EXPECT_EQ(ToVector(p.lists.m_wordsBeginner), Words{L"APPLE"});
    ASSERT_EQ(p.ignored.size(), 1u);
    EXPECT_EQ(p.ignored[0].nLine, 2u);
    EXPECT_NE(p.ignored[0].strReason.find(std::to_wstring(10 * 1024 * 1024)), std::wstring::npos);

    // Any amount of white space around a word is trimmed, not counted against it.
    const std::string padded = "<BEGINNER>\n" + std::string(100000, ' ') + "apple" + std::string(100000, '\t') + "\n";
    EXPECT_EQ(ToVector(Parse(padded).lists.m_wordsBeginner), Words{L"APPLE"});
    std::string wide = "<BEGINNER>\n";
    for (int i = 0; i < 50000; ++i)
        wide += "\xC2\xA0\xA0";
    wide += "apple";
    for (int i = 0; i < 50000; ++i)
        wide += "\xE3\x80\x80 ";
    EXPECT_EQ(ToVector(Parse(wide + "\n").lists.m_wordsBeginner), Words{L"APPLE"});

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
    lists.m_wordsBeginner.push_back(L"STALE");

    dir.Write("empty.set", "");
    EXPECT_TRUE(ReadWordSetFile(dir.Path() / "empty.set", lists));
    EXPECT_TRUE(lists.m_wordsBeginner.empty()) << "lists are emptied first";

    dir.Write("nul.set", std::string(1 << 20, '\0'));
    EXPECT_TRUE(ReadWordSetFile(dir.Path() / "nul.set", lists));
    EXPECT_TRUE(lists.m_wordsBeginner.empty());

    lists.m_wordsBeginner.push_back(L"STALE");
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

TEST(SetNames, ANameFindsItsFileInAnyCaseAnExactOneWinsAndNoNameLeavesTheDirectory)
{
    CTempDir dir;
    dir.Write("my.words.set", "x");
    dir.Write("Birds.SET", "x");
    dir.Write("birds.set", "x");
    EXPECT_EQ(SetFilePath(dir.Path(), L"MY.WORDS"), dir.Path() / "my.words.set");
    EXPECT_EQ(SetFilePath(dir.Path(), L"Birds"), dir.Path() / "Birds.SET");
    EXPECT_EQ(SetFilePath(dir.Path(), L"birds"), dir.Path() / "birds.set");
    EXPECT_EQ(SetFilePath(dir.Path(), L"fish"), dir.Path() / "fish.set") << "a missing set names its file";
    for (const std::wstring name : {L"..", L".", L"../x", L"a/b", L"a\\b", L"tab\there", L""})
        EXPECT_TRUE(SetFilePath(dir.Path(), name).empty()) << std::string(name.begin(), name.end());
}

namespace {

class SetFromAnEditor : public CGameFixture {};

}  // namespace

TEST_F(SetFromAnEditor, AByteOrderMarkAndNoBreakSpacesLoseNoWord)
{
    // As a word processor saves it: a mark first, no-break spaces around the words.
    programDir.Write("garden.set",
                     "\xEF\xBB\xBF<BEGINNER>\r\n\xC2\xA0tulip\xC2\xA0\r\n<INTERMEDIATE>\r\n\xE3\x80\x80orchid\r\n"
                     "<ADVANCED>\r\npetunia\xC2\xA0\r\n");
    store.settings.Write(Option::CurrentSet, L"garden");
    StartGame();
    EXPECT_EQ(game->m_history.m_strMagicWord, L"TULIP");
    EXPECT_TRUE(game->m_astrMessages.empty());
    for (const int nSkill : {SkillIntermediate, SkillAdvanced})
        game->ChooseOptions([nSkill](COptionsValues& v) { v.nSkill = nSkill; });
    EXPECT_EQ(game->m_history.m_strMagicWord, L"PETUNIA");
    EXPECT_EQ(game->m_anNewGameLength, (std::vector<int>{5, 6, 7}));
}
