#include "cli/skill_argument.h"

#include <cctype>

std::optional<int> ParseSkillArgument(std::string str)
{
    for (char& c : str)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    static const char* const kNames[] = {"beginner", "intermediate", "advanced"};
    for (int i = 0; i < 3; ++i) {
        if (str == kNames[i] || str == std::to_string(i))
            return i;
    }
    return std::nullopt;
}
