// The game view's window side: creation, the host operations the core calls, events and commands.
#include "view/game_view.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/translation.h>
#include <wx/time.h>
#include <wx/toplevel.h>

#include "dialogs/help_window.h"
#include "game/zoom_steps.h"
#include "platform/services.h"
#include "store/game_log_writer.h"
#include "view/command_ids.h"
#include "view/view_access.h"
#include "view/view_look.h"

namespace {

// One key of the letter keypad, drawn by the view like an owner-drawn push button: pressed on
// button-down, fired on button-up inside, and it never keeps the keyboard focus.
class CLetterKey : public wxWindow {
public:
    CLetterKey(CVeltraneQuillornView& view, int nId, const wxRect& rc)
        : wxWindow(&view, nId, rc.GetPosition(), rc.GetSize(), wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE, "X"),
          m_view(view)
    {
        SetLabel("X");  // never shown: the view draws the letter
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        SetMinSize(rc.GetSize());
        // A newcomer learns marking here; a screen reader hears the same words as the key's description.
        SetToolTip(wxGetTranslation(kLetterKeyHint));
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(this);
            UseCrispShapes(dc);
            m_view.OnDrawItem(dc, GetId(), wxRect(GetClientSize()), m_bPressed);
        });
        Bind(wxEVT_LEFT_DOWN, &CLetterKey::OnLeftDown, this);
        // A quick second press arrives as a double click; it is still a press.
        Bind(wxEVT_LEFT_DCLICK, &CLetterKey::OnLeftDown, this);
        Bind(wxEVT_LEFT_UP, &CLetterKey::OnLeftUp, this);
        Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { SetPressed(false); });
    }

    bool AcceptsFocus() const override { return false; }
    bool AcceptsFocusFromKeyboard() const override { return false; }

private:
    void SetPressed(bool bPressed)
    {
        if (m_bPressed == bPressed)
            return;
        m_bPressed = bPressed;
        Refresh(false);
        Update();
    }

    void OnLeftDown(wxMouseEvent&)
    {
        if (!HasCapture())
            CaptureMouse();
        SetPressed(true);
    }

    void OnLeftUp(wxMouseEvent& event)
    {
        if (HasCapture())
            ReleaseMouse();
        const bool bWasPressed = m_bPressed;
        SetPressed(false);
        if (bWasPressed && wxRect(GetClientSize()).Contains(event.GetPosition())) {
            wxCommandEvent press(wxEVT_BUTTON, GetId());
            press.SetEventObject(this);
            ProcessWindowEvent(press);
        }
    }

    CVeltraneQuillornView& m_view;
    bool m_bPressed = false;
};

}  // namespace

CVeltraneQuillornView::CVeltraneQuillornView(CAppProfile& profile, CSetFolders setFolders)
    : CGameCore(profile, std::move(setFolders)),
      m_timerClock(this, kClockTimerId),
      m_penStruck(WxColour(kRed), 1, wxPENSTYLE_SOLID),
      m_brushKey(WxColour(kWhite), wxBRUSHSTYLE_SOLID)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);  // every paint draws every pixel: nothing to erase
    m_store.Read(Option::ShowWordsFit, m_bShowWordsFit);
}

CVeltraneQuillornView::~CVeltraneQuillornView()
{
    // Closing the window is leaving the game, as Exit is.
    AbandonWordInPlay(true);
    m_timerClock.Stop();
}

bool CVeltraneQuillornView::Create(wxWindow* pParent)
{
    if (!wxWindow::Create(pParent, wxID_ANY, wxDefaultPosition, ShownSize(100),
                          wxWANTS_CHARS | wxBORDER_NONE, "VeltraneQuillornView"))
        return false;
    SetMinSize(ShownSize(100));
    m_pAccess = std::make_unique<CViewAccess>(*this);

    if (!m_history.Create(this, board::ListRect()))
        return false;
    m_history.ResetHistory();
    for (int nId = IDC_LETTER_FIRST; nId <= IDC_LETTER_LAST; ++nId)
        new CLetterKey(*this, nId, board::KeyRect(nId - IDC_LETTER_FIRST));

    Bind(wxEVT_PAINT, &CVeltraneQuillornView::OnPaint, this);
    Bind(wxEVT_CHAR, &CVeltraneQuillornView::OnCharEvent, this);
    Bind(wxEVT_KEY_DOWN, &CVeltraneQuillornView::OnKeyDownEvent, this);
    Bind(wxEVT_LEFT_DOWN, &CVeltraneQuillornView::OnLeftDownEvent, this);
    Bind(wxEVT_LEFT_DCLICK, &CVeltraneQuillornView::OnLeftDownEvent, this);
    Bind(wxEVT_BUTTON, &CVeltraneQuillornView::OnLetterKeyEvent, this, IDC_LETTER_FIRST, IDC_LETTER_LAST);
    Bind(wxEVT_TIMER, &CVeltraneQuillornView::OnTimerEvent, this, kClockTimerId);
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        event.Skip();
        FollowWindow();
    });
    m_timerFitSettled.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { FollowWindow(); });
    Bind(wxEVT_MOUSEWHEEL, &CVeltraneQuillornView::OnMouseWheelEvent, this);
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) {
        event.Skip();
        // After the toolkit has told readers that the view as a whole has the focus; not once
        // a dialog has become the active window meanwhile (the first New Game dialog opens
        // before the game window's focus has come), whose focused control readers are on.
        CallAfter([this] {
            auto* pTop = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(this));
            if (m_pAccess && pTop != nullptr && pTop->IsActive())
                m_pAccess->OnViewFocus();
        });
    });
    return true;
}

// ---- Host operations ----------------------------------------------------------------------------

void CVeltraneQuillornView::StartClock()
{
    m_timerClock.Start(kClockIntervalMs);
}

void CVeltraneQuillornView::StopClock()
{
    m_timerClock.Stop();
}

void CVeltraneQuillornView::RepaintView()
{
    KeepKeyboardOnRows();
    m_history.SetEmptyText(ShowsStartHint() ? wxGetTranslation(kStartHint) : wxString());
    Refresh(false);
    Update();
    if (m_pAccess)
        m_pAccess->Sync();
    // A refused guess is told once for each Enter that refused it.
    if (NotesGiven() != m_nNotesTold) {
        m_nNotesTold = NotesGiven();
        if (m_pAccess && !Note().empty())
            m_pAccess->Announce(SpokenNotAWord(Guess()));
    }
}

void CVeltraneQuillornView::RepaintKey(int nId)
{
    if (wxWindow* pKey = FindWindow(nId)) {
        pKey->Refresh(false);
        pKey->Update();
    }
    if (m_pAccess)
        m_pAccess->Sync();
}

void CVeltraneQuillornView::RepaintHistory()
{
    KeepKeyboardOnRows();
    m_history.RepaintNow();
    if (m_pAccess)
        m_pAccess->Sync();
}

void CVeltraneQuillornView::KeepKeyboardOnRows()
{
    // A new word empties the list: the keyboard cannot stay on a row that is gone.
    if (m_keypad.OnRowsChanged(static_cast<int>(m_history.GuessCount())))
        OnKeypadFocusChanged();
}

void CVeltraneQuillornView::PlayAlert(EAlert kind)
{
    PlayAlertSound(kind);
}

void CVeltraneQuillornView::PostQuit(int nExitCode)
{
    if (m_fnQuit) {
        m_fnQuit(nExitCode);
        return;
    }
    wxTheApp->CallAfter([] { wxTheApp->ExitMainLoop(); });
}

// ---- Commands -----------------------------------------------------------------------------------

bool CVeltraneQuillornView::QueryCommand(int nId, bool& bEnabled) const
{
    switch (nId) {
    case ID_GAME_GIVEUP:
        bEnabled = CanGiveUp();
        return true;
    case ID_GAME_HINT:
        bEnabled = CanHint();
        return true;
    case ID_GAME_REVIEW:
        bEnabled = CanReview();
        return true;
    case ID_GAME_NEW:
    case ID_VIEW_WORDS_FIT:
    case ID_APP_EXIT_GAME:
    case ID_TOOLS_HELP:
    case ID_TOOLS_BESTSCORES:
    case ID_TOOLS_OPTIONS:
    case ID_TOOLS_STATISTICS:
        bEnabled = true;
        return true;
    case ID_VIEW_ZOOMIN:
        bEnabled = m_nZoom < kZoomSteps.back();
        return true;
    case ID_VIEW_ZOOMOUT:
        bEnabled = m_nZoom > kZoomSteps.front();
        return true;
    case ID_VIEW_NORMALSIZE:
        bEnabled = m_nZoom != kZoomNormal;
        return true;
    default:
        return false;
    }
}

void CVeltraneQuillornView::OnCommand(int nId)
{
    switch (nId) {
    case ID_GAME_NEW: OnNew(); break;
    case ID_GAME_GIVEUP: OnGiveUp(); break;
    case ID_GAME_HINT: OnHint(); break;
    case ID_VIEW_WORDS_FIT: SetShowWordsFit(!m_bShowWordsFit); break;
    case ID_GAME_REVIEW: ShowReview(); break;
    case ID_APP_EXIT_GAME: OnExit(); break;
    case ID_TOOLS_HELP:
        if (CHelpWindow* pHelp = CHelpWindow::Open(this, HelpPagePath(m_setFolders.ProgramDirectory()), kHelpAnchor))
            pHelp->SetZoom(Zoom() / 100.0);
        break;
    case ID_TOOLS_BESTSCORES: OnBestScores(); break;
    case ID_TOOLS_OPTIONS: OnOptions(); break;
    case ID_TOOLS_STATISTICS: OnStatistics(); break;
    case ID_VIEW_ZOOMIN: ChangeZoom(ZoomStepIn(m_nZoom)); break;
    case ID_VIEW_ZOOMOUT: ChangeZoom(ZoomStepOut(m_nZoom)); break;
    case ID_VIEW_NORMALSIZE: ChangeZoom(kZoomNormal); break;
    default: break;
    }
}

bool CVeltraneQuillornView::IsCommandChecked(int nId) const
{
    return nId == ID_VIEW_WORDS_FIT && m_bShowWordsFit;
}

void CVeltraneQuillornView::SetShowWordsFit(bool bShow)
{
    m_bShowWordsFit = bShow;
    m_store.Write(Option::ShowWordsFit, bShow);
    SetMinSize(ShownSize(100));
    LayoutChildren();
    // The window grows or shrinks by the line at the zoom it has.
    if (m_fnFit) {
        m_tFitAsked = wxGetLocalTimeMillis();
        m_fnFit();
    }
    RepaintView();
}

// ---- Input --------------------------------------------------------------------------------------

// A character typed with Ctrl or Alt belongs to a shortcut or a menu, not to the guess. AltGr
// arrives as Ctrl+Alt on some layouts and types letters; Ctrl or Alt alone never does.
static bool IsShortcutChar(const wxKeyEvent& event)
{
    const int nModifiers = event.GetModifiers() & (wxMOD_ALT | wxMOD_CONTROL);
    return nModifiers == wxMOD_ALT || nModifiers == wxMOD_CONTROL;
}

static int VirtualKeyFromWx(int nWxKey)
{
    switch (nWxKey) {
    case WXK_BACK: return VK_BACK;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER: return VK_RETURN;
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT: return VK_LEFT;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT: return VK_RIGHT;
    default: return 0;
    }
}

void CVeltraneQuillornView::OnKeyDownEvent(wxKeyEvent& event)
{
    // A key the keypad takes produces no character either.
    if (HandleKeypadKey(event))
        return;
    if (IsShortcutChar(event)) {
        event.Skip();
        return;
    }
    if (const int nVirtKey = VirtualKeyFromWx(event.GetKeyCode()))
        OnKeyDown(nVirtKey);
    event.Skip();
}

void CVeltraneQuillornView::OnCharEvent(wxKeyEvent& event)
{
    const wxChar c = event.GetUnicodeKey();
    if (c != WXK_NONE && !IsShortcutChar(event))
        OnChar(static_cast<wchar_t>(c));
    event.Skip();
}

void CVeltraneQuillornView::OnLeftDownEvent(wxMouseEvent& event)
{
    const wxPoint pt = LayoutPoint(event.GetPosition());
    OnLButtonDown(pt.x, pt.y);
    SetFocus();
    event.Skip();
}

void CVeltraneQuillornView::OnLetterKeyEvent(wxCommandEvent& event)
{
    OnLetterKey(event.GetId());
    SetFocus();  // typing goes on into the guess cells
}

void CVeltraneQuillornView::OnTimerEvent(wxTimerEvent&)
{
    const int nTimeLeft = TimeLeft();
    OnClockTick();
    // Said at the seconds the countdown's alerts mark, whether or not sound is on.
    if (m_pAccess && IsTimeTrial() && !IsGameOver() && TimeLeft() != nTimeLeft)
        m_pAccess->Announce(SpokenCountdown(TimeLeft()));
}

void CVeltraneQuillornView::OnWordEnded(EWordEnd how)
{
    if (!m_pAccess)
        return;
    // The list and guess first, so the last guess is read before the word's end.
    m_pAccess->Sync();
    m_pAccess->Announce(SpokenWordEnd(how, m_history.m_strMagicWord, m_history.GuessCount()));
}


