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
        // Blanks: space, tab, vertical tab, form feed.
        std::size_t first = 0, last = raw.size();
        auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; };
        while (first < last && blank(raw[first]))
            ++first;
        while (last > first && blank(raw[last - 1]))
            --last;
        if (first == last)
            continue;
        const std::wstring text = ToUpper(DecodeBytes(std::string_view(raw).substr(first, last - first)));
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
