// Which set is which: a name in any letter case is one set with one position, and a first start
// takes the set the directory search yields first.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "game/set_folders.h"
#include "game/word_set.h"
#include "platform/text.h"
#include "scripted_host.h"
#include "test_sqlite_file.h"

namespace {

// Every progress row of one skill in the registry file, read past the game's code: key and value.
CSqlRows ProgressRows(const std::filesystem::path& file, const char* szName)
{
    return SqlRows(file, "SELECT key, CAST(value AS TEXT) FROM registry WHERE name = ?1 ORDER BY key", {szName});
}

std::string KeyOf(const std::wstring& strSet)
{
    return EncodeUtf8(kSettingsKey + L"\\" + strSet);
}

class SetIdentity : public CGameFixture {
protected:
    std::wstring Next()
    {
        game->OnNew();
        return game->m_history.m_strMagicWord;
    }
    std::wstring Switch(const std::wstring& strSet)
    {
        game->ChooseOptions([strSet](COptionsValues& v) { v.strSet = strSet; });
        return game->m_history.m_strMagicWord;
    }
};

}  // namespace

TEST(SetCaseRule, FindingTheFileAndKeepingThePositionFollowOneRule)
{
    // The file on disk, a name the player's store may hold, and whether that is the same set.
    struct CCase {
        const char* szFile;
        std::wstring strAsked;
        bool bSame;
    };
    const std::vector<CCase> cases = {
        {"Birds", L"bIRDS", true},
        {"\xC3\xA9" "cole", L"\u00C9COLE", true},                 // école / ÉCOLE
        {"\xC3\xA9" "cole", L"\u00C9cole", true},                 // école / École
        {"\xCE\xBB\xCE\xBF\xCE\xB3\xCE\xBF\xCF\x82", L"\u039B\u039F\u0393\u039F\u03A3", true},  // final sigma
        {"\xC3\xA9" "cole", L"ECOLE", false},                     // an accent is not a letter case
        {"stra\xC3\x9F" "e", L"STRASSE", false},                  // ß has no one-letter capital
        {"kilo", L"\u212Ailo", false},                            // the Kelvin sign is not a K
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(std::string(c.szFile) + " asked as " + EncodeUtf8(c.strAsked));
        CTempDir dir;
        CTestStore store;
        const std::filesystem::path file = dir.Write(std::string(c.szFile) + ".set", MakeSet({"apple"}));
        const std::wstring strName = SetNameFromFileName(file);

        EXPECT_EQ(SetFilePath(dir.Path(), c.strAsked) == file, c.bSame);

        ASSERT_TRUE(store.settings.WriteWordIndex(strName, SkillBeginner, 7));
        int nIndex = -99;
        EXPECT_EQ(store.settings.QueryWordIndex(c.strAsked, SkillBeginner, nIndex) == ERead::Found, c.bSame);
        ASSERT_TRUE(store.settings.WriteWordIndex(c.strAsked, SkillBeginner, 3));
        // One key on disk for one set, two for two.
        EXPECT_EQ(ProgressRows(store.registry.File(), "BEG_INDEX").size(), c.bSame ? 1u : 2u);
    }
}

TEST_F(SetIdentity, ASetChosenInAnotherLetterCaseGoesOnWhereItWas)
{
    programDir.Write("\xC3\xA9" "cole.set", MakeSet({"craie", "livre", "stylo", "table", "carte"}));
    programDir.Write("Fruit.set", MakeSet({"apple", "mango"}));
    store.settings.Write(Option::CurrentSet, L"\u00E9cole");
    StartGame();
    EXPECT_EQ(game->m_history.m_strMagicWord, L"CRAIE");
    EXPECT_EQ(Next(), L"LIVRE");
    // The Options list spells the set as its file does; a store may hold another spelling.
    EXPECT_EQ(Switch(L"\u00C9COLE"), L"STYLO");
    EXPECT_EQ(Switch(L"Fruit"), L"APPLE");
    EXPECT_EQ(Switch(L"\u00C9cole"), L"TABLE");
    EXPECT_TRUE(game->m_astrMessages.empty());

    // ASCII spellings keep the key they always had, and the accented set has a single key.
    const CSqlRows expected = {{KeyOf(L"Fruit"), "0"}, {KeyOf(L"\u00C9cole"), "3"}};
    EXPECT_EQ(ProgressRows(store.registry.File(), "BEG_INDEX"), expected);
}

TEST_F(SetIdentity, PositionsStoredBeforeKeysWereFoldedAreStillFound)
{
    programDir.Write("\xC3\xA9" "cole.set", MakeSet({"craie", "livre", "stylo", "table"}));
    programDir.Write("Birds.set", MakeSet({"robin", "eagle", "crane", "finch"}));
    // As an earlier version left them: keys spelled as the names were written then.
    store.registry.WriteDword(kSettingsKey + L"\\\u00E9cole", L"BEG_INDEX", 1);
    store.registry.WriteDword(kSettingsKey + L"\\Birds", L"BEG_INDEX", 2);

    store.settings.Write(Option::CurrentSet, L"\u00E9cole");
    StartGame();
    EXPECT_EQ(game->m_history.m_strMagicWord, L"STYLO");
    EXPECT_EQ(Next(), L"TABLE");
    EXPECT_EQ(Switch(L"BIRDS"), L"FINCH");
    EXPECT_EQ(Switch(L"\u00E9cole"), L"CRAIE") << "from the folded key (3), not the earlier one (1)";

    // The folded key took over; the earlier one is left as it was, as the game deletes nothing.
    const CSqlRows expected = {{KeyOf(L"Birds"), "3"}, {KeyOf(L"\u00C9cole"), "0"}, {KeyOf(L"\u00E9cole"), "1"}};
    EXPECT_EQ(ProgressRows(store.registry.File(), "BEG_INDEX"), expected);
}

TEST_F(SetIdentity, TheFirstSetFoundIsTheFirstTheDirectorySearchYields)
{
    // Each set's one word is its own name. Sets are added until the directory yields first a set
    // that is neither first nor last by name, so neither sort order can pass for the search's.
    std::vector<std::wstring> astrSearch;
    for (const char* szName : {"mango", "apple", "zebra", "kiwis", "lemon", "grape", "peach", "olive", "berry"}) {
        programDir.Write(std::string(szName) + ".set", MakeSet({szName}));
        astrSearch.clear();
        for (const auto& entry : std::filesystem::directory_iterator(programDir.Path()))
            astrSearch.push_back(SetNameFromFileName(entry.path().filename()));
        const auto [itMin, itMax] = std::minmax_element(astrSearch.begin(), astrSearch.end());
        if (astrSearch.size() >= 3 && astrSearch.front() != *itMin && astrSearch.front() != *itMax)
            break;
    }
    const auto [itMin, itMax] = std::minmax_element(astrSearch.begin(), astrSearch.end());
    ASSERT_NE(astrSearch.front(), *itMin);
    ASSERT_NE(astrSearch.front(), *itMax);

    EXPECT_EQ(CSetFolders(programDir.Path()).ListSetNames(), astrSearch) << "the Options list keeps the order too";
    StartGame();
    EXPECT_EQ(game->CurrentSet(), astrSearch.front());
    EXPECT_EQ(store.StoredSet(), astrSearch.front());
    EXPECT_EQ(game->m_history.m_strMagicWord, ToUpper(astrSearch.front()));
}
