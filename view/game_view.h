// The game view: the window that shows the game and the game itself. It draws the state of the
// core, turns the toolkit's events into the core's input calls and runs what the core asks for
// (dialogs, message boxes, the clock, repaints). It decides nothing itself.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <wx/brush.h>
#include <wx/dc.h>
#include <wx/font.h>
#include <wx/pen.h>
#include <wx/timer.h>
#include <wx/window.h>

#include "game/game_core.h"
#include "game/keypad_focus.h"
#include "game/spoken_text.h"
#include "view/board_layout.h"
#include "view/command_target.h"
#include "view/guess_history_view.h"

class CViewAccess;

class CVeltraneQuillornView : public wxWindow, public CGameCore, public CCommandTarget {
public:
    CVeltraneQuillornView(CAppProfile& profile, CSetFolders setFolders);
    ~CVeltraneQuillornView() override;

    // The window, the history list, then the 26 keys.
    bool Create(wxWindow* pParent);
    // Once, before the main window is shown: from now on paints show the game. The first word
    // (StartFirstWord) starts once the window is on screen, so its New Game dialog opens over it.
    void OnInitialUpdate() { m_bReady = true; }

    // The quit request; by default it ends the application's main loop.
    void SetQuitHandler(std::function<void(int)> fnQuit) { m_fnQuit = std::move(fnQuit); }

    // The whole picture but the keys and the list, which are windows of their own, on a surface
    // of the client area's size.
    void OnDraw(wxDC& dc);

    // Zoom, in percent of the layout's pixels. The core never sees it: the picture, the keys and
    // the list are laid out and drawn at the zoom, and input is divided back before it reaches
    // the core. The picture stands centred in whatever client area the window has.
    int Zoom() const { return m_nZoom; }
    // Lays out and repaints at a step; the window is not resized.
    void SetZoom(int nPercent);
    // A zoom command: the step is stored and the window asked (through the fit handler) to fit it.
    void ChangeZoom(int nPercent);
    void SetFitHandler(std::function<void()> fnFit) { m_fnFit = std::move(fnFit); }
    // The words-that-fit line stands under the board when shown, and the picture grows by it.
    bool ShowsWordsFit() const { return m_bShowWordsFit; }
    void SetShowWordsFit(bool bShow);
    // The height in layout pixels, the line included when shown, and the picture's size then.
    int LayoutHeight() const { return board::kHeight + (m_bShowWordsFit ? board::kFitLineHeight : 0); }
    wxSize ShownSize(int nPercent) const;
    // A layout rectangle in client pixels, and a client point back in layout pixels.
    wxRect ZoomedRect(const wxRect& rcLayout) const;
    wxPoint LayoutPoint(const wxPoint& ptClient) const;

    bool QueryCommand(int nId, bool& bEnabled) const override;
    void OnCommand(int nId) override;
    bool IsCommandChecked(int nId) const override;

    // The look of a letter key by its mark.
    void OnDrawItem(wxDC& dc, int nId, const wxRect& rcItem, bool bSelected);

    CGuessHistoryView& HistoryView() { return m_history; }
    const CKeypadFocus& Keypad() const { return m_keypad; }
    using CGameCore::OnActivateView;
    using CGameCore::OnChar;
    using CGameCore::OnKeyDown;
    using CGameCore::OnLButtonDown;

protected:
    int RunNewGameDlg(int nWordLength) override;
    int RunLevelDlg(int nFinishedLevel, int nNextLevel) override;
    int RunPlayerNameDlg(std::wstring& strName, const std::wstring& strMessage) override;
    int RunBestScoresDlg() override;
    int RunOptionsDlg(COptionsValues& values) override;
    int RunStatisticsDlg() override;
    void ShowMessage(const std::wstring& strText) override;
    int ShowWordEndMessage(const std::wstring& strText) override;
    void OnWordEnded(EWordEnd how) override;
    void StartClock() override;
    void StopClock() override;
    void RepaintView() override;
    void RepaintKey(int nId) override;
    void RepaintHistory() override;
    void PlayAlert(EAlert kind) override;
    void PostQuit(int nExitCode) override;
    CGuessRecord& History() override { return m_history; }
    const CGuessRecord& History() const override { return m_history; }

private:
    // The Review window for the word that ended last.
    void ShowReview();

    void DrawGround(wxDC& dc);
    void DrawGuessCell(wxDC& dc, int i);
    // Fills a layout rectangle at the zoom: a one-pixel line of the layout becomes a whole number
    // of device pixels.
    void FillLayout(wxDC& dc, const wxRect& rc, const wxColour& clr);
    // A frame of bands nWidth layout pixels wide just inside a layout rectangle.
    void FrameLayout(wxDC& dc, const wxRect& rc, int nWidth, const wxColour& clr);
    int Z(int nLayout) const;

    // Fitted on first use at a zoom, not when the zoom is set: fitting is dear, and the first
    // word's New Game dialog goes on screen before anything is drawn.
    void FitFontsIfStale();
    wxFont ViewFontAt(int nPercent, const wxFont& fontStart) const;
    void LayoutChildren();
    void FollowWindow();
    void OnMouseWheelEvent(wxMouseEvent& event);
    void DrawTimeBar(wxDC& dc);
    void DrawKeypadFocusRing(wxDC& dc);
    void DrawNotes(wxDC& dc);
    // True when the keypad took the key.
    bool HandleKeypadKey(const wxKeyEvent& event);
    void OnKeypadFocusChanged();
    void KeepKeyboardOnRows();

    void OnPaint(wxPaintEvent& event);
    void OnCharEvent(wxKeyEvent& event);
    void OnKeyDownEvent(wxKeyEvent& event);
    void OnLeftDownEvent(wxMouseEvent& event);
    void OnLetterKeyEvent(wxCommandEvent& event);
    void OnTimerEvent(wxTimerEvent& event);

    CGuessHistoryView m_history;
    CKeypadFocus m_keypad;
    wxTimer m_timerClock;

    wxFont m_fontView;
    wxFont m_fontViewBase;  // at 100 %; the other zooms start from it
    int m_nFontsZoom = 0;   // the zoom the fonts were fitted for; 0: none yet
    bool m_bReady = false;  // the initial update is done

    wxPen m_penStruck;
    wxBrush m_brushKey;
    wxFont m_fontKey;
    wxFont m_fontKeyBold;

    // What a screen reader is told; stays empty of work until one asks.
    std::unique_ptr<CViewAccess> m_pAccess;

    std::function<void(int)> m_fnQuit;
    bool m_bShowWordsFit = false;
    unsigned m_nNotesTold = 0;  // the notes a screen reader has been given
    int m_nZoom = 100;
    wxPoint m_ptOrigin;  // the picture's top left in the client area
    std::function<void()> m_fnFit;
    // When the window was last asked to fit a new zoom. For a while after, size events are the
    // window system catching up with earlier asks (they may come after the window has already
    // been laid out at the new size) and must not pull the zoom back; once the while is over the
    // zoom follows whatever size the window has then.
    std::optional<wxLongLong> m_tFitAsked;
    wxTimer m_timerFitSettled;
};
