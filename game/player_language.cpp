#include "game/player_language.h"

#include <cstdlib>
#include <system_error>

std::string LanguageCode(std::string_view locale)
{
    std::string code(locale.substr(0, locale.find_first_of("_.@-")));
    for (char& c : code)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (code == "c" || code == "posix")
        return {};
    return code;
}

std::string MessagesLanguage()
{
    std::string_view locale;
    for (const char* szName : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* szValue = std::getenv(szName);
        if (szValue && *szValue) {
            locale = szValue;
            break;
        }
    }
    const std::string strCode = LanguageCode(locale);
    const char* szLanguage = std::getenv("LANGUAGE");
    if (strCode.empty() || !szLanguage || !*szLanguage)
        return strCode;
    const std::string_view languages(szLanguage);
    return LanguageCode(languages.substr(0, languages.find(':')));
}

bool ReadsOnlyEnglish()
{
    const std::string strFirst = MessagesLanguage();
    if (strFirst != "en")
        return strFirst.empty();
    const char* szLanguage = std::getenv("LANGUAGE");
    for (std::string_view rest = szLanguage ? szLanguage : ""; !rest.empty();) {
        const size_t nColon = rest.find(':');
        const std::string strCode = LanguageCode(rest.substr(0, nColon));
        if (!strCode.empty() && strCode != "en")
            return false;
        rest = nColon == std::string_view::npos ? std::string_view() : rest.substr(nColon + 1);
    }
    return true;
}

std::filesystem::path HelpPageFor(const std::filesystem::path& englishPage, std::string_view language)
{
    // A code is letters only: nothing from the environment can turn it into a path of its own.
    if (language.empty() || language == "en" || language.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string_view::npos)
        return englishPage;
    std::filesystem::path page = englishPage;
    page.replace_filename(englishPage.stem().string() + "." + std::string(language) + englishPage.extension().string());
    std::error_code ec;
    return std::filesystem::is_regular_file(page, ec) ? page : englishPage;
}
