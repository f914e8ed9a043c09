#include "cli/arguments.h"

#include <cctype>

#include "platform/text.h"

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

std::string ShownArgument(const std::string& str)
{
    return EncodeUtf8Escaped(DecodeBytes(str));
}
