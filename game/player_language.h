// The player's language, as gettext finds it, and the help page written in it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The language code of a locale or language name: "de_AT.UTF-8" and "de-CH" are "de", "fr" is
// "fr"; "C", "POSIX" and "" are none (empty).
std::string LanguageCode(std::string_view locale);

// The language the game's texts are shown in, from the environment by gettext's rule: LC_ALL,
// LC_MESSAGES, then LANG names the locale, and LANGUAGE's first entry overrides it unless that
// locale is C. The word set and help page then match the menus.
std::string MessagesLanguage();

// Whether every language gettext would look in is English or none (the C locale): no catalog can
// change a text then, and start-up need not look for one. LANGUAGE's later entries count too.
bool ReadsOnlyEnglish();

// The help page in that language beside the English one ("ZentraHelp.htm" → "ZentraHelp.de.htm")
// when it is there, else the English page itself.
std::filesystem::path HelpPageFor(const std::filesystem::path& englishPage, std::string_view language);
