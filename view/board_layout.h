// Where everything on the game board stands, in layout pixels (the picture at 100 %). The drawing,
// the placing of the keys and the list, the accessible objects' bounds and the font fitting all
// take their rectangles from here. The guess cells' numbers live in the core, which hit-tests taps
// on them.
#pragma once

#include <wx/gdicmn.h>

#include "game/game_core.h"

namespace board {

// The picture without the words-that-fit line.
constexpr int kWidth = 241;
constexpr int kHeight = 190;

// The guess cells: white squares whose outline runs through their right and bottom edges, so each
// spans one pixel more than its rectangle and neighbouring outlines stand one pixel apart.
inline wxRect CellRect(int i)
{
    return wxRect(CGameCore::m_nCellLeft + CGameCore::m_nCellPitch * i, CGameCore::m_nCellTop,
                  CGameCore::m_nCellWidth, CGameCore::m_nCellHeight);
}
// The row of cells, the last outline included.
inline wxRect CellRowRect(int nCells)
{
    return wxRect(CGameCore::m_nCellLeft, CGameCore::m_nCellTop, nCells * CGameCore::m_nCellPitch - 1,
                  CGameCore::m_nCellHeight);
}

// The list of guesses. The status block, the column heads and the time bar line up on its edges.
constexpr int kListLeft = 25;
constexpr int kListTop = 60;
constexpr int kListWidth = 190;
constexpr int kListHeight = 120;
inline wxRect ListRect() { return wxRect(kListLeft, kListTop, kListWidth, kListHeight); }

// The status texts stand on lines this far apart, the lowest right above the list.
constexpr int kLineHeight = 15;
// Two lines of label and value: "Level:" over "Score:" in a time trial, "Time:" below otherwise.
constexpr int kStatusFieldWidth = 40;
constexpr int kStatusTop = kListTop - 2 * kLineHeight;
inline wxRect StatusRect() { return wxRect(kListLeft, kStatusTop, 2 * kStatusFieldWidth, 2 * kLineHeight); }
enum class EStatusLine { Upper, Lower };
enum class EStatusField { Label, Value };
inline wxRect StatusFieldRect(EStatusLine line, EStatusField field)
{
    return wxRect(kListLeft + (field == EStatusField::Value ? kStatusFieldWidth : 0),
                  kStatusTop + (line == EStatusLine::Lower ? kLineHeight : 0), kStatusFieldWidth, kLineHeight);
}

// The heads of the list's two right columns, on the status block's lower line; "Bingo" ends where
// the list does.
constexpr int kBingoWidth = 30;
constexpr int kMatchWidth = 40;
inline wxRect BingoHeadRect()
{
    return wxRect(kListLeft + kListWidth - kBingoWidth, kListTop - kLineHeight, kBingoWidth, kLineHeight);
}
inline wxRect MatchHeadRect()
{
    return wxRect(BingoHeadRect().x - kMatchWidth, kListTop - kLineHeight, kMatchWidth, kLineHeight);
}

// "Guess:" left of the cells, ending two pixels before the first one.
inline wxRect GuessLabelRect()
{
    return wxRect(kListLeft, CGameCore::m_nCellTop + 2, CGameCore::m_nCellLeft - 2 - kListLeft, kLineHeight);
}

// A game's note: right of where the status values end and under the cells it is about, right-aligned
// at the time bar's end.
inline wxRect NoteRect()
{
    const int nLeft = kListLeft + 2 * kStatusFieldWidth + 1;
    return wxRect(nLeft, kStatusTop, kListLeft + kListWidth + 1 - nLeft, kLineHeight);
}

// The time bar under the list, one pixel wider than it.
inline wxRect BarRect() { return wxRect(kListLeft, kListTop + kListHeight + 2, kListWidth + 1, 4); }

// The words-that-fit line, under the picture and as wide as the time bar; the picture grows by
// its height when it is shown.
constexpr int kFitLineHeight = 17;
inline wxRect FitLineRect() { return wxRect(kListLeft, kHeight, kListWidth + 1, kFitLineHeight - 2); }

// The 26 letter keys: A to M down the left edge, N to Z down the right one, as far from it.
constexpr int kKeyWidth = 14;
constexpr int kKeyHeight = 12;
constexpr int kKeyPitch = 14;
constexpr int kKeyMargin = 5;
constexpr int kKeysPerColumn = 13;
// The key of a letter by its place in the alphabet, A being 0.
inline wxRect KeyRect(int nIndex)
{
    const int nRow = nIndex % kKeysPerColumn;
    const int nLeft = nIndex < kKeysPerColumn ? kKeyMargin : kWidth - kKeyMargin - kKeyWidth;
    return wxRect(nLeft, kKeyMargin + kKeyPitch * nRow, kKeyWidth, kKeyHeight);
}

// The keyboard focus ring around a key or the list, in the gaps the layout leaves around them.
constexpr int kRingWidth = 2;

}  // namespace board
