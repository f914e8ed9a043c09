// Text as the game holds it: wide strings of Unicode characters, whatever the locale variables say.
#pragma once

#include <string>
#include <string_view>

// Bytes as UTF-8; a byte that is not part of valid UTF-8 is taken as the Latin-1 character of that
// value (never sign-extended).
std::wstring DecodeBytes(std::string_view bytes);
std::string EncodeUtf8(std::wstring_view text);

// Letter test and upper-casing over all of Unicode, independent of the process locale.
bool IsLetter(wchar_t c);
wchar_t ToUpperChar(wchar_t c);
std::wstring ToUpper(std::wstring_view text);
