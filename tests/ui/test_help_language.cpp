// The help in the player's language: under a German or French locale the help window opens the
// page written in it, at the same place, and the English page under any other.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>

#include <wx/textctrl.h>

#include "dialogs/help_window.h"
#include "platform/files.h"
#include "test_view_fixture.h"

namespace {

class HelpLanguageTest : public CGameWindowTest {
protected:
    void SetUp() override
    {
        CGameWindowTest::SetUp();
        for (const char* szName : kLocaleNames) {
            const char* szValue = std::getenv(szName);
            m_saved[szName] = szValue ? std::optional<std::string>(szValue) : std::nullopt;
        }
    }
    void TearDown() override
    {
        if (CHelpWindow* pHelp = uitest::FindTopLevel<CHelpWindow>())
            pHelp->Destroy();
        uitest::Settle();
        for (const auto& [strName, value] : m_saved)
            value ? ::setenv(strName.c_str(), value->c_str(), 1) : ::unsetenv(strName.c_str());
        CGameWindowTest::TearDown();
    }
    static void UseLocale(const char* szLang)
    {
        for (const char* szName : kLocaleNames)
            ::unsetenv(szName);
        ::setenv("LANG", szLang, 1);
    }

private:
    static constexpr const char* kLocaleNames[] = {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
    std::map<std::string, std::optional<std::string>> m_saved;
};

std::string ReadPage(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What a part of a page is made of: its paragraphs, list items, table rows, examples and keys, the
// sets it names and the command-line options it gives. A translation that drops a paragraph, a key
// or an option no longer has the English part's shape.
struct CPartShape {
    std::map<std::string, int> anTags;
    std::set<std::string> astrSets, astrOptions;
    bool operator==(const CPartShape&) const = default;
};

std::map<std::string, CPartShape> PageShape(const std::string& page)
{
    std::map<std::string, CPartShape> parts;
    const std::regex heading(R"re(<h2 id="([A-Za-z_]+)")re"), tag("<(p|li|tr|pre|kbd)>"),
        set("<em>([A-Z][a-z]+)</em>"), option("(--[a-z][a-z-]*)");
    std::string strPart = "top";
    std::size_t nStart = 0;
    const auto add = [&](std::size_t nEnd) {
        const std::string text = page.substr(nStart, nEnd - nStart);
        CPartShape& shape = parts[strPart];
        for (auto it = std::sregex_iterator(text.begin(), text.end(), tag); it != std::sregex_iterator(); ++it)
            ++shape.anTags[(*it)[1].str()];
        for (auto it = std::sregex_iterator(text.begin(), text.end(), option); it != std::sregex_iterator(); ++it)
            shape.astrOptions.insert((*it)[1].str());
        for (auto it = std::sregex_iterator(text.begin(), text.end(), set); it != std::sregex_iterator(); ++it) {
            if (std::filesystem::exists(ProgramDirectory() / ((*it)[1].str() + ".set")))
                shape.astrSets.insert((*it)[1].str());
        }
    };
    for (auto it = std::sregex_iterator(page.begin(), page.end(), heading); it != std::sregex_iterator(); ++it) {
        add(static_cast<std::size_t>(it->position()));
        strPart = (*it)[1].str();
        nStart = static_cast<std::size_t>(it->position());
    }
    add(page.size());
    return parts;
}

}  // namespace

// The three pages tell the same things part by part, and each names every set the game ships.
TEST(HelpPages, EveryLanguageSaysWhatTheEnglishPageSays)
{
    const std::map<std::string, CPartShape> english = PageShape(ReadPage(ProgramDirectory() / "ZentraHelp.htm"));
    ASSERT_TRUE(english.count("ScreenReaders") && english.count("Sets"));
    std::set<std::string> astrShipped;
    for (const auto& entry : std::filesystem::directory_iterator(ProgramDirectory())) {
        if (entry.path().extension() == ".set")
            astrShipped.insert(entry.path().stem().string());
    }
    EXPECT_EQ(english.at("Sets").astrSets, astrShipped);
    for (const char* szPage : {"ZentraHelp.de.htm", "ZentraHelp.fr.htm"}) {
        SCOPED_TRACE(szPage);
        const std::map<std::string, CPartShape> page = PageShape(ReadPage(ProgramDirectory() / szPage));
        for (const auto& [strPart, shape] : english) {
            SCOPED_TRACE(strPart);
            ASSERT_TRUE(page.count(strPart));
            EXPECT_EQ(page.at(strPart).anTags, shape.anTags);
            EXPECT_EQ(page.at(strPart).astrSets, shape.astrSets);
            EXPECT_EQ(page.at(strPart).astrOptions, shape.astrOptions);
        }
    }
}

TEST_F(HelpLanguageTest, TheHelpOpensInTheLocalesLanguageAtTheSamePlaceAndInEnglishOtherwise)
{
    // The pages the build puts beside the test program, as an installed game has them.
    for (const char* szPage : {"ZentraHelp.htm", "ZentraHelp.de.htm", "ZentraHelp.fr.htm"})
        std::filesystem::copy_file(ProgramDirectory() / szPage, m_dirProgram / szPage);
    const struct {
        const char* szLang;
        const char* szTitle;
    } cases[] = {
        {"de_AT.UTF-8", "Hilfe zu Veltrane Quillorn"},
        {"fr_FR.UTF-8", "Aide de Veltrane Quillorn"},
        {"it_IT.UTF-8", "Veltrane Quillorn Help"},
        {"C.UTF-8", "Veltrane Quillorn Help"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szLang);
        UseLocale(c.szLang);
        CHelpWindow* pHelp = CHelpWindow::Open(nullptr, m_dirProgram / kHelpFileName, "Sets");
        ASSERT_NE(pHelp, nullptr);
        EXPECT_EQ(pHelp->GetTitle(), wxString::FromUTF8(c.szTitle));
        // At the part: going there again does not move the caret.
        auto& text = uitest::FindDescendant<wxTextCtrl>(*pHelp);
        const long nAt = text.GetInsertionPoint();
        EXPECT_GT(nAt, 0);
        EXPECT_TRUE(pHelp->GoTo(L"Sets"));
        EXPECT_EQ(text.GetInsertionPoint(), nAt);
        pHelp->Destroy();
        uitest::Settle();
    }
}
