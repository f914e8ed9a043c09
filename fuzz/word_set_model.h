// The word-set rules as the README states them, written the plain way, line by line, for the
// fuzzer to hold the real parser against. Slow and obvious on purpose.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"

struct CModelLists {
    std::vector<std::wstring> astrWords[3];  // Beginner, Intermediate, Advanced
};

inline CModelLists ModelParse(std::string_view bytes)
{
    // A byte-order mark at the start of the file is skipped.
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    // Lines end with LF, CR LF or CR; a last line without a line end counts too.
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);

    static const std::wstring kMarkers[3] = {L"<BEGINNER>", L"<INTERMEDIATE>", L"<ADVANCED>"};
    CModelLists model;
    int nSection = -1;
    for (const std::string& raw : lines) {
        // Blanks around the line's characters go: space, tab, vertical tab, form feed, no-break
        // space and ideographic space.
        const std::wstring chars = DecodeBytes(raw);
        std::size_t first = 0, last = chars.size();
        auto blank = [](wchar_t c) {
            return c == L' ' || c == L'\t' || c == L'\v' || c == L'\f' || c == 0xA0 || c == 0x3000;
        };
        while (first < last && blank(chars[first]))
            ++first;
        while (last > first && blank(chars[last - 1]))
            --last;
        if (first == last)
            continue;
        const std::wstring text = ToUpper(chars.substr(first, last - first));
        bool bMarker = false;
        for (int s = 0; s < 3; ++s) {
            if (text == kMarkers[s]) {
                nSection = s;
                bMarker = true;
            }
        }
        if (!bMarker && nSection >= 0 && text.size() == static_cast<std::size_t>(5 + nSection))
            model.astrWords[nSection].push_back(text);
    }
    return model;
}
