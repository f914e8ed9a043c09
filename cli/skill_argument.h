// The --skill value the command-line tools take.
#pragma once

#include <optional>
#include <string>

// "beginner", "intermediate", "advanced" in any letter case, or 0, 1, 2; empty for anything else.
std::optional<int> ParseSkillArgument(std::string str);
