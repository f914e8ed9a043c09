// The list of the guesses of the word in play, with their Match and Bingo counts, letters styled
// by the player's marks. It is the guess record and its window at once.
#pragma once

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/scrolwin.h>
#include <wx/string.h>

#include "game/guess_record.h"

class CGuessHistoryView : public wxScrolled<wxWindow>, public CGuessRecord {
public:
    static constexpr int kChildId = 110;
    static constexpr int kRowHeight = 20;
    static constexpr int kExtentWidth = 100;  // below the window's width: never a horizontal bar
    static constexpr int kMatchLeft = 138;
    static constexpr int kBingoLeft = 156;
    static constexpr int kBingoRight = 174;
    static constexpr int kNumberRight = 30;
    static constexpr int kNumberMargin = 1;
    static constexpr int kEmptyTextMargin = 4;  // a long row number stops this far from the left edge
    static constexpr int kLetterLeft = 30;
    static constexpr int kLetterWidth = 15;

    bool Create(wxWindow* pParent, const wxRect& rc);
    void OnDraw(wxDC& dc) override;

    // Font and colour a letter of a listed guess is drawn in (a struck one gets a drawn line);
    // letters outside A to Z are plain.
    const wxFont& FontOfMark(int nMark) const;
    wxColour ColourOfMark(int nMark) const;

    // The vertical scroll position in pixels (the scroll unit), and the row it falls in.
    int ScrollPixels() const;
    int FirstVisibleRow() const;

    // Typing belongs to the guess cells: a click or a wheel turn here must not take it away.
    bool AcceptsFocus() const override { return false; }
    bool AcceptsFocusFromKeyboard() const override { return false; }

    void RepaintNow();
    // A line or two shown while the list is empty (how to start a word); empty for none.
    void SetEmptyText(const wxString& str);

    // The row the keyboard reads back (0 for the first guess), outlined and kept in view; -1 for
    // none.
    void SetFocusRow(int nRow);

    // Rows, columns, lines and fonts at a zoom (percent); the window itself is placed by the view.
    void SetZoom(int nPercent);
    int Zoom() const { return m_nZoom; }
    int RowHeight() const;

protected:
    void OnHistoryReset() override;
    void OnGuessAdded() override;

private:
    void OnPaint(wxPaintEvent& event);
    void OnScrollLine(wxScrollWinEvent& event);
    void OnWheel(wxMouseEvent& event);
    void ScrollRows(int nRows);
    void OnFocusGiven(wxFocusEvent& event);
    void MakeFonts() const;
    void DrawRowNumber(wxDC& dc, int nNumber, int y);
    void DrawLetter(wxDC& dc, wchar_t cLetter, int nMark, const wxRect& rc);
    void DrawEmptyText(wxDC& dc);
    void SetExtent();
    int Z(int nLayout) const;

    mutable wxFont m_fontRowBold;
    mutable wxFont m_fontRow;
    mutable double m_dStrikeAt = 0.5;  // the capitals' middle, as a share of the text's height
    int m_nWheelRotation = 0;  // what a touchpad turned short of a whole line
    int m_nZoom = 100;
    int m_nFocusRow = -1;
    wxString m_strEmpty;
};
