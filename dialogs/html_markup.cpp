// Reading the markup of one tag or entity; the page's structure is help_page.cpp's.
#include "dialogs/html_markup.h"

#include <cwctype>

namespace {

std::wstring Lower(std::wstring str)
{
    for (wchar_t& c : str)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return str;
}

}  // namespace

std::wstring DecodeHtmlEntity(const std::wstring& strName)
{
    static const std::map<std::wstring, std::wstring> kNamed = {
        {L"lt", L"<"}, {L"gt", L">"}, {L"amp", L"&"}, {L"quot", L"\""}, {L"apos", L"'"},
        {L"nbsp", L"\u00A0"}, {L"mdash", L"\u2014"}, {L"ndash", L"\u2013"}, {L"hellip", L"\u2026"},
    };
    if (strName.size() > 1 && strName[0] == L'#') {
        const bool bHex = strName[1] == L'x' || strName[1] == L'X';
        const std::wstring strDigits = strName.substr(bHex ? 2 : 1);
        if (strDigits.empty() || strDigits.size() > 6)
            return {};
        try {
            const unsigned long n = std::stoul(strDigits, nullptr, bHex ? 16 : 10);
            if (n > 0 && n <= 0x10FFFF && (n < 0xD800 || n > 0xDFFF))
                return std::wstring(1, static_cast<wchar_t>(n));
        } catch (...) {
        }
        return {};
    }
    const auto it = kNamed.find(strName);
    return it != kNamed.end() ? it->second : std::wstring();
}

CHtmlTag ReadHtmlTag(const std::wstring& strInside)
{
    CHtmlTag tag;
    std::size_t i = 0;
    const auto skipBlanks = [&] { while (i < strInside.size() && std::iswspace(static_cast<wint_t>(strInside[i]))) ++i; };
    const auto readWord = [&] {
        const std::size_t nStart = i;
        while (i < strInside.size() && !std::iswspace(static_cast<wint_t>(strInside[i])) && strInside[i] != L'=' &&
               strInside[i] != L'/')
            ++i;
        return Lower(strInside.substr(nStart, i - nStart));
    };
    skipBlanks();
    if (i < strInside.size() && strInside[i] == L'/') {
        tag.bClosing = true;
        ++i;
    }
    tag.strName = readWord();
    while (i < strInside.size()) {
        skipBlanks();
        if (i < strInside.size() && strInside[i] == L'/') {
            ++i;
            continue;
        }
        const std::wstring strAttr = readWord();
        if (strAttr.empty()) {
            ++i;
            continue;
        }
        skipBlanks();
        std::wstring strValue;
        if (i < strInside.size() && strInside[i] == L'=') {
            ++i;
            skipBlanks();
            if (i < strInside.size() && (strInside[i] == L'"' || strInside[i] == L'\'')) {
                const wchar_t q = strInside[i++];
                const std::size_t nEnd = strInside.find(q, i);
                strValue = strInside.substr(i, nEnd == std::wstring::npos ? std::wstring::npos : nEnd - i);
                i = nEnd == std::wstring::npos ? strInside.size() : nEnd + 1;
            } else {
                const std::size_t nStart = i;
                while (i < strInside.size() && !std::iswspace(static_cast<wint_t>(strInside[i])))
                    ++i;
                strValue = strInside.substr(nStart, i - nStart);
            }
        }
        tag.attributes[strAttr] = strValue;
    }
    return tag;
}
