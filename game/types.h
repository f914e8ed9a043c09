// Small value types and constants shared by the game core and the screen above it.
#pragma once

#include "platform/services.h"
#include "platform/colorref.h"
#include "store/skill.h"

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
