// Bytes to characters and upper-casing, whatever the process locale says.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/text.h"

namespace {

// Every case here runs in the plain C locale, as under LANG=C.
class TextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::setlocale(LC_ALL, nullptr);
        m_strOldLocale = old ? old : "C";
        ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    }
    void TearDown() override { std::setlocale(LC_ALL, m_strOldLocale.c_str()); }

private:
    std::string m_strOldLocale;
};

TEST_F(TextTest, ValidUtf8DecodesToItsCharacters)
{
    struct Case { std::string bytes; std::wstring text; };
    const Case cases[] = {
        {"", L""},
        {"APPLE", L"APPLE"},
        {"caf\xC3\xA9", L"caf\u00E9"},
        {"\xD0\x96\xD0\xB5", L"\u0416\u0435"},
        {"\xE2\x82\xAC", L"\u20AC"},
        {"\xF0\x9D\x84\x9E", L"\U0001D11E"},
        {"\xEF\xBF\xBF", L"\uFFFF"},
        {"\xF4\x8F\xBF\xBF", L"\U0010FFFF"},
        {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(DecodeBytes(c.bytes), c.text);
        EXPECT_EQ(EncodeUtf8(c.text), c.bytes);
    }
}

TEST_F(TextTest, BytesOutsideValidUtf8AreLatin1AndNeverSignExtended)
{
    struct Case { std::string bytes; std::wstring text; };
    const Case cases[] = {
        {"caf\xE9", L"caf\u00E9"},                       // a Latin-1 file
        {"\xFF\xFE", L"\u00FF\u00FE"},
        {"\x80", L"\u0080"},                             // a lone continuation byte
        {"\xC0\x80", L"\u00C0\u0080"},                   // overlong NUL
        {"\xC1\xBF", L"\u00C1\u00BF"},                   // overlong
        {"\xE0\x80\xAF", L"\u00E0\u0080\u00AF"},         // overlong three-byte
        {"\xF0\x80\x80\xAF", L"\u00F0\u0080\u0080\u00AF"},  // overlong four-byte
        {"\xED\xA0\x80", L"\u00ED\u00A0\u0080"},         // a surrogate
        {"\xF4\x90\x80\x80", L"\u00F4\u0090\u0080\u0080"},  // past U+10FFFF
        {"\xF8\x88\x80\x80\x80", L"\u00F8\u0088\u0080\u0080\u0080"},
        {"\xE2\x82", L"\u00E2\u0082"},                   // cut short at the end
        {"\xC3" "A", L"\u00C3A"},                         // a lead byte without its trail
        {"\xE9t\xC3\xA9", L"\u00E9t\u00E9"},             // both kinds in one line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        const std::wstring text = DecodeBytes(c.bytes);
        EXPECT_EQ(text, c.text);
        for (wchar_t ch : text)
            EXPECT_LT(static_cast<unsigned long>(ch), 0xFF80ul) << "sign-extended";
    }
}

TEST_F(TextTest, WhatIsNotAScalarValueIsNeverWrittenAsOne)
{
    EXPECT_EQ(EncodeUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(EncodeUtf8(std::wstring(1, static_cast<wchar_t>(0x110000))), "\xEF\xBF\xBD");
    // Latin-1 read in comes out as proper UTF-8.
    EXPECT_EQ(EncodeUtf8(DecodeBytes("caf\xE9")), "caf\xC3\xA9");
}

TEST_F(TextTest, UpperCaseCoversUnicodeUnderTheCLocale)
{
    struct Case { wchar_t in; wchar_t out; };
    const Case cases[] = {
        {L'a', L'A'}, {L'z', L'Z'}, {L'A', L'A'}, {L'1', L'1'}, {L' ', L' '}, {L'<', L'<'},
        {L'\u00E9', L'\u00C9'},  // é
        {L'\u00FF', L'\u0178'},  // ÿ
        {L'\u00DF', L'\u00DF'},  // ß has no single upper-case letter
        {L'\u00F7', L'\u00F7'},  // ÷ is no letter
        {L'\u03B1', L'\u0391'},  // Greek alpha
        {L'\u03C2', L'\u03A3'},  // final sigma
        {L'\u0436', L'\u0416'},  // Cyrillic zhe
        {L'\u0131', L'I'},       // dotless i
        {L'\u65E5', L'\u65E5'},  // no case at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<unsigned>(c.in));
        EXPECT_EQ(ToUpperChar(c.in), c.out);
    }
    EXPECT_EQ(ToUpper(L"k\u00FCche \u00E9t\u00E9 stra\u00DFe"), L"K\u00DCCHE \u00C9T\u00C9 STRA\u00DFE");
    EXPECT_EQ(ToUpper(DecodeBytes("<beginner>")), L"<BEGINNER>");
}

TEST_F(TextTest, LettersAreLettersInEveryScript)
{
    struct Case { wchar_t c; bool bLetter; };
    const Case cases[] = {
        {L'a', true}, {L'Z', true}, {L'\u00E9', true}, {L'\u00DF', true}, {L'\u0416', true},
        {L'\u03C9', true}, {L'\u65E5', true},
        {L'0', false}, {L' ', false}, {L'-', false}, {L'\'', false}, {L'\u00D7', false}, {L'\u00F7', false},
        {L'\0', false}, {L'\u00A0', false}, {L'\u2014', false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<unsigned>(c.c));
        EXPECT_EQ(IsLetter(c.c), c.bLetter);
    }
}

}  // namespace
