// Opening the help page with the desktop's default handler.
#pragma once

#include <filesystem>
#include <string>

constexpr const char* kHelpFileName = "ZentraHelp.htm";
constexpr const char* kHelpAnchor = "Main_Contents";

// file:// URL of the help page in dir with its contents anchor, the path percent-encoded.
std::string HelpUrl(const std::filesystem::path& dir);

// Starts xdg-open on the help page and returns at once; a failure to start is not reported.
void OpenHelp(const std::filesystem::path& programDir);
