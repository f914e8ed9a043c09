// The player's language from the locale, and what it chooses: the first set played and the help page.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/set_folders.h"
#include "game/player_language.h"
#include "scripted_host.h"

namespace {

// The locale variables gettext reads, set for one test and put back after it.
class CLocaleEnv {
public:
    CLocaleEnv()
    {
        for (const char* szName : kNames) {
            const char* szValue = std::getenv(szName);
            m_saved[szName] = szValue ? std::optional<std::string>(szValue) : std::nullopt;
            ::unsetenv(szName);
        }
    }
    ~CLocaleEnv()
    {
        for (const auto& [strName, value] : m_saved) {
            if (value)
                ::setenv(strName.c_str(), value->c_str(), 1);
            else
                ::unsetenv(strName.c_str());
        }
    }
    CLocaleEnv(const CLocaleEnv&) = delete;
    CLocaleEnv& operator=(const CLocaleEnv&) = delete;

    // Only the variables given are set; the others are unset.
    void Set(const std::map<std::string, std::string>& values)
    {
        for (const char* szName : kNames)
            ::unsetenv(szName);
        for (const auto& [strName, strValue] : values)
            ::setenv(strName.c_str(), strValue.c_str(), 1);
    }

private:
    static constexpr const char* kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
    std::map<std::string, std::optional<std::string>> m_saved;
};

}  // namespace

TEST(PlayerLanguage, TheLanguageIsGettextsChoiceOfLocaleVariables)
{
    CLocaleEnv env;
    const struct {
        std::map<std::string, std::string> vars;
        const char* szLanguage;
        bool bOnlyEnglish;  // no catalog could change a text
    } cases[] = {
        {{}, "", true},
        {{{"LANG", "de_AT.UTF-8"}}, "de", false},
        {{{"LANG", "fr_CA@euro"}}, "fr", false},
        {{{"LANG", "C.UTF-8"}}, "", true},
        {{{"LANG", "POSIX"}}, "", true},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, "fr", false},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}, {"LC_ALL", "en_GB.UTF-8"}}, "en", true},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", ""}}, "de", false},                  // empty is unset
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr:de"}}, "fr", false},           // LANGUAGE's first
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}, "en", false},        // German after it
        {{{"LANG", "C"}, {"LANGUAGE", "de"}}, "", true},                           // ignored under C
        {{{"LANGUAGE", "fr"}}, "", true},                                          // nor with no locale
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:en::C"}}, "en", true},
    };
    for (const auto& c : cases) {
        env.Set(c.vars);
        std::string strVars;
        for (const auto& [strName, strValue] : c.vars)
            strVars += strName + "=" + strValue + " ";
        EXPECT_EQ(MessagesLanguage(), c.szLanguage) << strVars;
        EXPECT_EQ(ReadsOnlyEnglish(), c.bOnlyEnglish) << strVars;
    }
    EXPECT_EQ(LanguageCode("de-CH"), "de");
    EXPECT_EQ(LanguageCode("FR_be"), "fr");
}

TEST(PlayerLanguage, TheHelpPageIsTheOneInTheLanguageWhenThereIsOne)
{
    CTempDir dir;
    const std::filesystem::path english = dir.Write("ZentraHelp.htm", "<html></html>");
    const std::filesystem::path german = dir.Write("ZentraHelp.de.htm", "<html></html>");
    std::filesystem::create_directory(dir.Path() / "ZentraHelp.it.htm");   // not a page
    // A page a language code could reach only as a path: "x/page" must not be taken for a language.
    std::filesystem::create_directory(dir.Path() / "ZentraHelp.x");
    dir.Write("ZentraHelp.x/page.htm", "<html></html>");
    EXPECT_EQ(HelpPageFor(english, "de"), german);
    EXPECT_EQ(HelpPageFor(english, "fr"), english) << "no French page here";
    EXPECT_EQ(HelpPageFor(english, "it"), english) << "a folder of that name is no page";
    EXPECT_EQ(HelpPageFor(english, "en"), english);
    EXPECT_EQ(HelpPageFor(english, ""), english);
    EXPECT_EQ(HelpPageFor(english, "x/page"), english);
}

// A translated help page keeps every place the game and the contents link to, and says its language.
TEST(HelpPages, EveryTranslationHasTheEnglishPagesAnchors)
{
    const std::filesystem::path dir = std::filesystem::path(VQ_SETS_DIR).parent_path() / "help";
    const auto read = [](const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    const auto anchors = [](const std::string& page) {
        std::set<std::string> found;
        const std::regex anchor(R"re((?:id|name|href)="#?([A-Za-z_]+)")re");
        for (auto it = std::sregex_iterator(page.begin(), page.end(), anchor); it != std::sregex_iterator(); ++it)
            found.insert((*it)[1].str());
        return found;
    };
    const std::set<std::string> english = anchors(read(dir / "ZentraHelp.htm"));
    ASSERT_TRUE(english.count("Main_Contents") && english.count("Sets"));
    for (const char* szLanguage : {"de", "fr"}) {
        SCOPED_TRACE(szLanguage);
        const std::string page = read(dir / ("ZentraHelp." + std::string(szLanguage) + ".htm"));
        EXPECT_EQ(anchors(page), english);
        EXPECT_NE(page.find("<html lang=\"" + std::string(szLanguage) + "\">"), std::string::npos);
    }
}

TEST(DefaultSet, ThePlayersLanguageChoosesItsSetAndEveryOtherTheEnglishOne)
{
    const std::vector<std::wstring> all = {L"Animals", L"german", L"Standard", L"French", L"Kitchen"};
    const std::vector<std::wstring> noStandard = {L"Kitchen", L"Animals", L"German"};
    const struct {
        const char* szLanguage;
        const std::vector<std::wstring>& sets;
        const wchar_t* szSet;
    } cases[] = {
        {"de", all, L"german"},                 // as listed, in its own letter case
        {"de_AT.UTF-8", all, L"german"},
        {"fr", all, L"French"},
        {"en", all, L"Standard"},
        {"", all, L"Standard"},
        {"it", all, L"Standard"},
        {"fr", noStandard, L"Kitchen"},         // neither the language's set nor Standard: the first
        {"de", noStandard, L"German"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DefaultSetName(c.szLanguage, c.sets), c.szSet) << c.szLanguage;
    EXPECT_EQ(DefaultSetName("de", {}), L"");
}

// Wired where the game starts: the first start plays the set of the desktop's language and stores it.
class DefaultSetAtStart : public CGameFixture {};

TEST_F(DefaultSetAtStart, AFirstStartUnderAGermanDesktopPlaysTheGermanSet)
{
    CLocaleEnv env;
    env.Set({{"LANG", "de_DE.UTF-8"}});
    for (const char* szName : {"Animals", "Standard", "German", "French"})
        programDir.Write(std::string(szName) + ".set", MakeSet({std::string(szName).substr(0, 5)}));
    StartGame();
    EXPECT_EQ(game->CurrentSet(), L"German");
    EXPECT_EQ(store.StoredSet(), L"German");
    EXPECT_EQ(game->m_history.m_strMagicWord, L"GERMA");
}
