// The catalog lookup below the toolkit: glibc's gettext on the game's own domain.
#include "platform/translate.h"

#include <clocale>
#include <cstdio>
#include <langinfo.h>
#include <libintl.h>

#include "platform/text.h"

namespace {

bool g_bBound = false;
// Read once when the catalogs are bound: numbers themselves stay in the C locale.
std::string g_strDecimalSeparator = ".";

template <typename Char>
std::basic_string<Char> FillAny(std::basic_string_view<Char> text,
                                std::initializer_list<std::basic_string_view<Char>> values)
{
    std::basic_string<Char> out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == Char('%') && i + 1 < text.size()) {
            const Char c = text[i + 1];
            if (c == Char('%')) {
                out += c;
                ++i;
                continue;
            }
            const std::size_t n = static_cast<std::size_t>(c - Char('1'));
            if (c >= Char('1') && c <= Char('9') && n < values.size()) {
                out += values.begin()[n];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace

#ifndef VQ_LOCALE_FROM_PROGRAM
#define VQ_LOCALE_FROM_PROGRAM "../share/locale"
#endif

std::filesystem::path ProgramLocaleDirectory(const std::filesystem::path& programDir)
{
    std::error_code ec;
    if (std::filesystem::is_directory(programDir / "locale", ec))
        return programDir / "locale";
    return (programDir / VQ_LOCALE_FROM_PROGRAM).lexically_normal();
}

void BindCatalogs(const std::filesystem::path& localeDir)
{
    std::setlocale(LC_ALL, "");
    g_strDecimalSeparator = DecimalSeparatorOf("");
    // A German desktop writes 2,5; the game log, the settings and --json write 2.5 everywhere.
    std::setlocale(LC_NUMERIC, "C");
    bindtextdomain(kTextDomain, localeDir.c_str());
    // The texts are decoded as UTF-8 whatever the locale's own character set.
    bind_textdomain_codeset(kTextDomain, "UTF-8");
    g_bBound = true;
}

std::string TrUtf8(const char* szEnglish)
{
    return g_bBound ? dgettext(kTextDomain, szEnglish) : szEnglish;
}

std::string TrPluralUtf8(const char* szOne, const char* szMany, unsigned long n)
{
    if (g_bBound)
        return dngettext(kTextDomain, szOne, szMany, n);
    return n == 1 ? szOne : szMany;
}

std::wstring Tr(const char* szEnglish) { return DecodeBytes(TrUtf8(szEnglish)); }

std::wstring TrPlural(const char* szOne, const char* szMany, unsigned long n)
{
    return DecodeBytes(TrPluralUtf8(szOne, szMany, n));
}

std::wstring Fill(std::wstring_view text, std::initializer_list<std::wstring_view> values)
{
    return FillAny(text, values);
}

std::string Fill(std::string_view text, std::initializer_list<std::string_view> values)
{
    return FillAny(text, values);
}

std::string DecimalSeparatorOf(const char* pszLocale)
{
    const locale_t loc = newlocale(LC_NUMERIC_MASK, pszLocale, static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr))
        return ".";
    const char* psz = nl_langinfo_l(RADIXCHAR, loc);
    std::string str = psz && *psz ? psz : ".";
    freelocale(loc);
    return str;
}

std::string HundredthsText(std::uint64_t nHundredths, std::string_view separator)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02u", static_cast<unsigned>(nHundredths % 100));
    return std::to_string(nHundredths / 100) + std::string(separator) + buf;
}

std::string HundredthsForPeople(std::uint64_t nHundredths)
{
    return HundredthsText(nHundredths, g_strDecimalSeparator);
}
