// Texts for people in the player's language, for the layers below the toolkit (the toolkit's own
// layers use wx's _() and wxPLURAL on the same catalogs). Until BindCatalogs is called, as the unit
// tests never do, every text is its own English, so the English msgid is also the text the tests see.
//
// Mark a text with Tr("...") where it is used, or N_("...") where it is only stored (a table) and
// translated later with Tr; xgettext collects all three forms into po/veltrane-quillorn.pot.
// Numbers go into a text through %1, %2, ... (Fill), so a language may put them where it wants.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

// wx defines the same marker the same way; whichever header comes first defines it.
#ifndef N_
#define N_(text) (text)
#endif

// The catalog domain, also the name of the .mo files.
inline constexpr const char* kTextDomain = "veltrane-quillorn";

// Where the catalogs are: <dir>/<lang>/LC_MESSAGES/veltrane-quillorn.mo. A build tree has them in
// locale/ beside the executable, an installed copy in the system's locale folder, found from the
// executable as its data is.
std::filesystem::path ProgramLocaleDirectory(const std::filesystem::path& programDir);

// Takes the locale from the environment for messages, letters and sorting, keeps numbers in the C
// locale (files and machine output never depend on the player's language) and reads the catalogs
// from localeDir from now on.
void BindCatalogs(const std::filesystem::path& localeDir);

std::wstring Tr(const char* szEnglish);
// The form for n of a text that has a singular and a plural in English ("%1 word", "%1 words").
std::wstring TrPlural(const char* szOne, const char* szMany, unsigned long n);
// The same as UTF-8 bytes, for the command line's output.
std::string TrUtf8(const char* szEnglish);
std::string TrPluralUtf8(const char* szOne, const char* szMany, unsigned long n);

// %1 to %9 in text replaced by the given values; "%%" is one "%".
std::wstring Fill(std::wstring_view text, std::initializer_list<std::wstring_view> values);
std::string Fill(std::string_view text, std::initializer_list<std::string_view> values);

// The decimal separator a locale writes ("." under C and English, "," under German and French);
// "" names the environment's own locale, as setlocale reads it. "." for a locale not installed.
std::string DecimalSeparatorOf(const char* pszLocale);
// Hundredths with two decimals and the given separator: 129 -> "1,29" with ",".
std::string HundredthsText(std::uint64_t nHundredths, std::string_view separator);
// The same for people: the separator of the locale the catalogs were bound under, "." before that.
// Files and --json keep "." whatever the player's language (HundredthsText(n, ".")).
std::string HundredthsForPeople(std::uint64_t nHundredths);
