// Text as the game holds it: wide strings of Unicode characters, whatever the locale variables say.
#pragma once

#include <string>
#include <string_view>

// Bytes as UTF-8; a byte that is not part of valid UTF-8 is taken as the Latin-1 character of that
// value (never sign-extended).
std::wstring DecodeBytes(std::string_view bytes);
std::string EncodeUtf8(std::wstring_view text);
// UTF-8 for a terminal: control characters written as escapes (\n, \t, \x00, \u0085) and a
// backslash doubled, so a line of output is one line and says what the text holds.
std::string EncodeUtf8Escaped(std::wstring_view text);

// Letter test and upper-casing over all of Unicode, independent of the process locale.
bool IsLetter(wchar_t c);
wchar_t ToUpperChar(wchar_t c);
std::wstring ToUpper(std::wstring_view text);
