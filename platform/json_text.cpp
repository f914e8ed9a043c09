// Strings for the JSON the command line prints for scripts.
#include "platform/json_text.h"

#include <cstdio>

std::string JsonString(std::string_view strUtf8)
{
    std::string s = "\"";
    for (const char c : strUtf8) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            s += '\\';
            s += c;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            s += buf;
        } else {
            s += c;
        }
    }
    s += '"';
    return s;
}
