// The colour value the stored settings, the core and the screen all pass around.
#pragma once

#include <cstdint>

// 0x00BBGGRR: red in the low byte, as the stored "Background Color" value has always been.
using COLORREF = std::uint32_t;

constexpr COLORREF MakeRGB(int r, int g, int b)
{
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr COLORREF kDefaultBackground = 0xA6FFD2;  // a light green: red 210, green 255, blue 166
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kGreen = 0x008000;
constexpr COLORREF kRed = 0x0000FF;
