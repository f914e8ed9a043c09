// Strings for the JSON the command line prints for scripts.
#pragma once

#include <string>
#include <string_view>

// A JSON string of UTF-8 text: quotes, backslashes and control characters escaped, the rest as is.
std::string JsonString(std::string_view strUtf8);
