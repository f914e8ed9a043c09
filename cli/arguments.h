// What the command-line tools share about their arguments.
#pragma once

#include <optional>
#include <string>

// "beginner", "intermediate", "advanced" in any letter case, or 0, 1, 2; empty for anything else.
std::optional<int> ParseSkillArgument(std::string str);

// An argument or file name as a message shows it: its bytes decoded as the game decodes any bytes,
// control characters escaped, so nothing typed can forge or cut a line.
std::string ShownArgument(const std::string& str);
