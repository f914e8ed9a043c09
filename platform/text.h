// Text as the game holds it: wide strings of Unicode characters, whatever the locale variables say.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Bytes as UTF-8; a byte that is not part of valid UTF-8 is taken as the Latin-1 character of that
// value (never sign-extended).
std::wstring DecodeBytes(std::string_view bytes);
// The bytes DecodeBytes takes for the character at the start of bytes: 1 to 4, and 1 for a byte
// it reads as Latin-1.
std::size_t DecodeStepLength(std::string_view bytes);
std::string EncodeUtf8(std::wstring_view text);
// Characters that change how the text around them is shown rather than showing themselves
// (controls, bidirectional formatting, line and paragraph separators) written as escapes (\n, \t,
// \x00, \u0085, \u202e) and a backslash doubled, so a name is one line, read in its own order, and
// says what it holds.
std::wstring EscapeControls(std::wstring_view text);
// The same for a terminal, as UTF-8.
std::string EncodeUtf8Escaped(std::wstring_view text);
// A JSON string of UTF-8 text for scripts: quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view strUtf8);

// Letter test and upper-casing over all of Unicode, independent of the process locale.
bool IsLetter(wchar_t c);
wchar_t ToUpperChar(wchar_t c);
std::wstring ToUpper(std::wstring_view text);
