// The help in the player's language: under a German or French locale the help window opens the
// page written in it, at the same place, and the English page under any other.
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>


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
        if (CHelpWindow* pHelp = CHelpWindow::Current())
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

}  // namespace

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
        EXPECT_EQ(pHelp->Page().strTitle, wxString::FromUTF8(c.szTitle).ToStdWstring());
        EXPECT_EQ(pHelp->Anchor(), L"Sets");
        pHelp->Destroy();
        uitest::Settle();
    }
}
