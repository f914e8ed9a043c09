// Sets from two folders: the program's and the player's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <unistd.h>
#include <vector>

#include "game/set_folders.h"
#include "game/word_set.h"
#include "scripted_host.h"

namespace {

// The first Beginner word of the file a name leads to: which folder's copy was found.
std::wstring FirstWordOf(const CSetFolders& folders, const std::wstring& strSet)
{
    CWordLists lists;
    if (!ReadWordSetFile(folders.SetFile(strSet), lists) || lists.m_wordsBeginner.empty())
        return L"";
    return std::wstring(lists.m_wordsBeginner[0]);
}

std::vector<std::wstring> Sorted(std::vector<std::wstring> a)
{
    std::sort(a.begin(), a.end());
    return a;
}

}  // namespace

TEST(SetFolders, ProgramSetsComeFirstAndWinANameInAnyCase)
{
    CTempDir program, user;
    program.Write("Animals.set", MakeSet({"tiger"}));
    program.Write("Birds.set", MakeSet({"robin"}));
    user.Write("animals.set", MakeSet({"horse"}));   // hidden: the program has this set
    user.Write("BIRDS.SET", MakeSet({"eagle"}));     // hidden too
    user.Write("Fish.set", MakeSet({"trout"}));
    user.Write("my.words.set", MakeSet({"apple"}));
    // One set by the case rule, within one folder as across the two: listed once.
    program.Write("caf\xC3\xA9.set", MakeSet({"latte"}));
    program.Write("CAF\xC3\x89.set", MakeSet({"latte"}));
    user.Write("Caf\xC3\xA9.set", MakeSet({"mocha"}));
    const CSetFolders folders(program.Path(), user.Path());

    const std::vector<std::wstring> names = folders.ListSetNames();
    ASSERT_EQ(names.size(), 5u);
    auto cafe = [](const std::wstring& str) {
        return IsSameSetName(str, L"caf\u00E9") ? std::wstring(L"caf\u00E9") : str;
    };
    EXPECT_EQ(Sorted({cafe(names[0]), cafe(names[1]), cafe(names[2])}),
              (std::vector<std::wstring>{L"Animals", L"Birds", L"caf\u00E9"}));
    EXPECT_EQ(Sorted({names[3], names[4]}), (std::vector<std::wstring>{L"Fish", L"my.words"}));

    const struct {
        const wchar_t* szSet;
        const wchar_t* szFirstWord;
    } cases[] = {
        {L"Animals", L"TIGER"}, {L"animals", L"TIGER"}, {L"birds", L"ROBIN"},
        {L"Fish", L"TROUT"},    {L"FISH", L"TROUT"},    {L"my.words", L"APPLE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.szSet, c.szSet + std::wcslen(c.szSet)));
        EXPECT_EQ(FirstWordOf(folders, c.szSet), c.szFirstWord);
    }
    EXPECT_EQ(folders.SetFile(L"Gone"), program.Path() / "Gone.set") << "a missing set fails beside the program";
}

TEST(SetFolders, NamesThatCannotBeSetsAreNeitherListedNorOpenedInEitherFolder)
{
    CTempDir program, user;
    program.Write("...set", MakeSet({"dotty"}));
    user.Write("...set", MakeSet({"dotty"}));
    user.Write("back\\slash.set", MakeSet({"slash"}));
    user.Write("tab\there.set", MakeSet({"tabby"}));
    user.Write("ok.set", MakeSet({"fine!"}));
    const CSetFolders folders(program.Path(), user.Path());
    EXPECT_EQ(folders.ListSetNames(), std::vector<std::wstring>{L"ok"});
    for (const std::wstring name : {L"..", L".", L"../ok", L"a/b", L"back\\slash", L"tab\there", L""}) {
        SCOPED_TRACE(std::string(name.begin(), name.end()));
        EXPECT_TRUE(folders.SetFile(name).empty());
    }
}

TEST(SetFolders, APlayerFolderThatIsMissingOrUnreadableLeavesTheProgramSets)
{
    CTempDir program, other;
    program.Write("Animals.set", MakeSet({"tiger"}));
    other.Write("file-not-folder", "Fish.set");
    std::vector<std::filesystem::path> userDirs = {other.Path() / "missing" / "sets", other.Path() / "file-not-folder"};
    // Root reads any folder, whatever its mode says.
    if (geteuid() != 0) {
        std::filesystem::create_directory(other.Path() / "locked");
        other.Write("locked/Fish.set", MakeSet({"trout"}));
        std::filesystem::permissions(other.Path() / "locked", std::filesystem::perms::none);
        userDirs.push_back(other.Path() / "locked");
    }
    for (const std::filesystem::path& userDir : userDirs) {
        SCOPED_TRACE(userDir.string());
        const CSetFolders folders(program.Path(), userDir);
        EXPECT_EQ(folders.ListSetNames(), std::vector<std::wstring>{L"Animals"});
        EXPECT_EQ(FirstWordOf(folders, L"Animals"), L"TIGER");
        EXPECT_EQ(FirstWordOf(folders, L"Fish"), L"");
    }
    std::error_code ec;
    std::filesystem::permissions(other.Path() / "locked", std::filesystem::perms::owner_all, ec);
}

TEST(SetFolders, AGameWithOnlyThePlayersSetsPlaysThem)
{
    CTestStore store;
    CTempDir program, user;
    user.Write("Mine.set", MakeSet({"otter"}, {"badger"}, {"penguin"}));
    CScriptedGame g(store.profile, CSetFolders(program.Path(), user.Path()));
    g.StartFirstWord();
    EXPECT_TRUE(g.m_astrMessages.empty());
    EXPECT_EQ(g.CurrentSet(), L"Mine");
    EXPECT_EQ(g.m_history.m_strMagicWord, L"OTTER");
    EXPECT_EQ(store.StoredSet(), L"Mine");

    // Without that folder the same store finds nothing to play.
    CScriptedGame alone(store.profile, program.Path());
    store.settings.Write(Option::CurrentSet, L"");
    alone.StartFirstWord();
    ASSERT_FALSE(alone.m_astrMessages.empty());
    EXPECT_EQ(alone.m_astrMessages[0], L"Words Sets: Sets not found");
}

// What reorders or hides text is shown as an escape; every other character, accents and scripts
// written right to left included, stays as it is.
TEST(SetFolders, ALabelShowsCharactersThatReorderOrHideTextAsEscapes)
{
    const struct {
        std::wstring strName, strLabel;
    } aCases[] = {
        {L"rtl\u202Eevil", L"rtl\\u202eevil"},            // right-to-left override
        {L"a\u202Ab\u202Cc", L"a\\u202ab\\u202cc"},       // embedding and its end
        {L"x\u2067y\u2069", L"x\\u2067y\\u2069"},         // isolate and its end
        {L"\u200Fmark\u200E\u061C", L"\\u200fmark\\u200e\\u061c"},
        {L"line\u2028break", L"line\\u2028break"},
        {L"caf\u00E9", L"caf\u00E9"},
        {L"\u05E9\u05DC\u05D5\u05DD", L"\u05E9\u05DC\u05D5\u05DD"},  // Hebrew letters are letters
        {L"my.words", L"my.words"},
    };
    for (const auto& c : aCases)
        EXPECT_EQ(ShownSetName(c.strName), c.strLabel);

    // The file a set is opened by is its real name's.
    CTempDir dir;
    dir.Write("rtl\xE2\x80\xAE" "evil.set", "<BEGINNER>\nOTTER\n");
    const CSetFolders folders(dir.Path());
    ASSERT_EQ(folders.ListSetNames(), std::vector<std::wstring>{L"rtl\u202Eevil"});
    EXPECT_EQ(FirstWordOf(folders, L"rtl\u202Eevil"), L"OTTER");
}
