// UTF-8 in and out, and character classes that do not follow the player's locale variables.
#include "platform/text.h"

#include <clocale>
#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <locale.h>

namespace {

// Continuation bytes are 10xxxxxx.
bool IsTrail(unsigned char b) { return (b & 0xC0) == 0x80; }

// Length of the well-formed sequence starting at p (1 to 4), or 0 when the bytes there are not
// valid UTF-8. Overlong forms, surrogates and values past U+10FFFF are invalid.
std::size_t SequenceLength(const unsigned char* p, std::size_t nLeft)
{
    const unsigned char b0 = p[0];
    if (b0 < 0x80)
        return 1;
    if (b0 >= 0xC2 && b0 <= 0xDF)
        return (nLeft >= 2 && IsTrail(p[1])) ? 2 : 0;
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        if (nLeft < 3 || !IsTrail(p[1]) || !IsTrail(p[2]))
            return 0;
        if (b0 == 0xE0 && p[1] < 0xA0)
            return 0;  // overlong
        if (b0 == 0xED && p[1] >= 0xA0)
            return 0;  // a surrogate
        return 3;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        if (nLeft < 4 || !IsTrail(p[1]) || !IsTrail(p[2]) || !IsTrail(p[3]))
            return 0;
        if (b0 == 0xF0 && p[1] < 0x90)
            return 0;  // overlong
        if (b0 == 0xF4 && p[1] >= 0x90)
            return 0;  // past U+10FFFF
        return 4;
    }
    return 0;
}

// A locale that knows all of Unicode, made once. Debian's libc-bin always ships C.UTF-8; without
// it only ASCII letters are known.
locale_t UnicodeLocale()
{
    static const locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return loc;
}

bool IsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

bool IsHiddenControl(wchar_t c)
{
    // C0, DEL and C1 controls; the bidirectional marks, embeddings, overrides and isolates, which
    // reorder the text around them ("rtl<U+202E>evil.exe" reads "rtlexe.live"); the line and
    // paragraph separators, which break a line.
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F
           || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

std::wstring DecodeBytes(std::string_view bytes)
{
    std::wstring text;
    text.reserve(bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        const std::size_t len = SequenceLength(p + i, n - i);
        if (len == 0) {
            // Taken as Latin-1; the byte is unsigned here, so 0xE9 is U+00E9 and never U+FFE9.
            text.push_back(static_cast<wchar_t>(p[i]));
            ++i;
            continue;
        }
        // The lead byte keeps 7, 5, 4 or 3 bits; each continuation byte adds 6.
        char32_t cp = len == 1 ? p[i] : p[i] & (0x7Fu >> len);
        for (std::size_t k = 1; k < len; ++k)
            cp = (cp << 6) | (p[i + k] & 0x3Fu);
        text.push_back(static_cast<wchar_t>(cp));
        i += len;
    }
    return text;
}

std::size_t DecodeStepLength(std::string_view bytes)
{
    if (bytes.empty())
        return 0;
    const std::size_t len = SequenceLength(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    return len != 0 ? len : 1;
}

std::string EncodeUtf8(std::wstring_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t wc : text) {
        auto cp = static_cast<char32_t>(wc);
        // Nothing that is not a Unicode scalar value is written out as if it were one.
        if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
            cp = 0xFFFD;
        if (cp < 0x80) {
            bytes.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            bytes.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            bytes.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            bytes.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            bytes.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return bytes;
}

bool IsLetter(wchar_t c)
{
    if (c < 0x80)
        return IsAsciiLetter(c);
    const locale_t loc = UnicodeLocale();
    return loc != nullptr && iswalpha_l(static_cast<wint_t>(c), loc) != 0;
}

wchar_t ToUpperChar(wchar_t c)
{
    if (c < 0x80)
        return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
    const locale_t loc = UnicodeLocale();
    return loc != nullptr ? static_cast<wchar_t>(towupper_l(static_cast<wint_t>(c), loc)) : c;
}

std::wstring ToUpper(std::wstring_view text)
{
    std::wstring upper(text);
    for (wchar_t& c : upper)
        c = ToUpperChar(c);
    return upper;
}

std::wstring EscapeControls(std::wstring_view text)
{
    std::wstring out;
    out.reserve(text.size());
    for (const wchar_t c : text) {
        if (!IsHiddenControl(c) && c != L'\\') {
            out += c;
            continue;
        }
        switch (c) {
        case L'\n': out += L"\\n"; break;
        case L'\r': out += L"\\r"; break;
        case L'\t': out += L"\\t"; break;
        case L'\\': out += L"\\\\"; break;
        default: {
            wchar_t hex[8];
            std::swprintf(hex, 8, c < 0x80 ? L"\\x%02x" : L"\\u%04x", static_cast<unsigned>(c));
            out += hex;
        }
        }
    }
    return out;
}

std::string EncodeUtf8Escaped(std::wstring_view text)
{
    return EncodeUtf8(EscapeControls(text));
}

std::string JsonString(std::string_view strUtf8)
{
    std::string s = "\"";
    for (const char c : strUtf8) {
        if (c == '"' || c == '\\') {
            s += '\\';
            s += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
            s += buf;
        } else {
            s += c;
        }
    }
    return s + '"';
}
