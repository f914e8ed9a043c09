// Small value types and constants shared by the game core and the screen above it.
#pragma once

#include <cstdint>

#include "platform/alert.h"

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

// Skill levels; the word length is the skill plus five.
enum ESkill : int { SkillBeginner = 0, SkillIntermediate = 1, SkillAdvanced = 2 };
constexpr bool IsValidSkill(int nSkill) { return nSkill >= SkillBeginner && nSkill <= SkillAdvanced; }

// What a modal run ends with. wx ids are mapped to these at the edge.
enum EResult : int { ResultOK = 1, ResultCancel = 2, ResultYes = 6, ResultNo = 7 };

// The player's note on a letter, stepped by the letter keys.
enum ELetterMark : int { MarkNone = 0, MarkStruck = 1, MarkHighlighted = 2 };

// Virtual-key codes the input rules understand; the view maps toolkit key codes to these.
constexpr int VK_BACK = 0x08;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_LEFT = 0x25;
constexpr int VK_RIGHT = 0x27;

// Letter keys of the keypad: A is 1001, Z is 1026.
constexpr int IDC_LETTER_FIRST = 1001;
constexpr int IDC_LETTER_LAST = 1026;

// The clock: timer 1 of the view, once a second.
constexpr int kClockTimerId = 1;
constexpr int kClockIntervalMs = 1000;
