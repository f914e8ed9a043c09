// The word set a first start plays: the one in the player's language when the game has it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// German for "de", French for "fr", when listed (in any letter case); for every other language,
// and when that set is missing, Standard (English); when that is missing too, the first listed.
// Empty only when nothing is listed.
std::wstring DefaultSetName(std::string_view language, const std::vector<std::wstring>& astrSets);
