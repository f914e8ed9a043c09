// Template dialogs on wx: dialog units from the template font, the game's result codes, and the
// handheld's OK, Escape and close behaviour.
#include "dialogs/game_dialog.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <utility>

#include <wx/app.h>
#include <wx/translation.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combo.h>
#include <wx/display.h>
#include <wx/dcclient.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <gtk/gtk.h>

#include "ui/atk_objects.h"
#include "dialogs/dialog_look.h"
#include "ui/dialog_units.h"
#include "game/zoom_steps.h"

namespace {

// Below the game's steps, for a dialog that a small screen cannot hold at 100 %.
constexpr int kDialogShrinkSteps[] = {90, 80, 70, 60, 50};

// The game's result codes and the wx ids they stand for; anything else is Cancel.
constexpr std::pair<int, int> kResultIds[] = {{ResultOK, wxID_OK}, {ResultYes, wxID_YES}, {ResultNo, wxID_NO}};

int ResultFromWxId(int nWxId)
{
    const auto* pFound = std::ranges::find(kResultIds, nWxId, &std::pair<int, int>::second);
    return pFound != std::end(kResultIds) ? pFound->first : ResultCancel;
}

// The work area of the screen the dialog opens on: its owner's, or the first.
wxRect WorkAreaOf(const wxWindow* pOwner)
{
    const int nDisplay = pOwner != nullptr ? wxDisplay::GetFromWindow(pOwner) : wxNOT_FOUND;
    return wxDisplay(nDisplay == wxNOT_FOUND ? 0u : static_cast<unsigned>(nDisplay)).GetClientArea();
}

}  // namespace

CGameDialog::CGameDialog(wxWindow* pParent, const wxString& strCaption, double dTemplatePoints, int nWidthDu,
                         int nHeightDu)
    : m_pParentWanted(pParent),
      m_strCaption(strCaption),
      m_dTemplatePoints(dTemplatePoints),
      m_sizeDu(nWidthDu, nHeightDu)
{
}

CGameDialog::~CGameDialog() = default;

bool CGameDialog::CreateWindow()
{
    if (m_bCreated)
        return true;
    // Without a parent the main window owns the dialog, as on the handheld.
    wxWindow* pOwner = m_pParentWanted;
    if (pOwner == nullptr && wxTheApp != nullptr) {
        wxWindow* pTop = wxTheApp->GetTopWindow();
        if (pTop != nullptr && pTop != this && !pTop->IsBeingDeleted())
            pOwner = pTop;
    }
    if (!Create(pOwner, wxID_ANY, m_strCaption, wxDefaultPosition, wxDefaultSize,
                wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX))
        return false;
    m_bCreated = true;
    // Before anything can ask for the client area's accessible object.
    m_pAccess = std::make_unique<CAccWindow>(*this, false);
    m_pAccess->OnFirstUse([this] { BuildAccessible(); });

    const int nPpi = ScreenPixelsPerInch();
    const int nEm = TemplateEmPixels(m_dTemplatePoints, nPpi);
    m_fontTemplate = FontInFace("Tahoma", wxFontInfo());
    m_fontTemplate.SetFractionalPointSize(nEm * 72.0 / nPpi);
    {
        // Base units of the font in use at 100 % (the desktop's text scaling included); the zoom
        // multiplies them exactly, where measuring the zoomed font would round them anew.
        wxClientDC dc(this);
        dc.SetFont(m_fontTemplate);
        const wxSize sizeLetters = dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        m_nBaseX = (sizeLetters.x / 26 + 1) / 2;
        const CFontVerticalMetrics* pTahoma = TahomaMetrics();
        const int nEmInUse = ScaledPixels(nEm, DesktopTextScale());
        m_nBaseY = pTahoma != nullptr ? CellHeightFromMetrics(*pTahoma, nEmInUse) : dc.GetCharHeight();
    }
    m_nZoom = ZoomThatFits(WorkAreaOf(pOwner));
    const CDialogZoomScope zoom(m_nZoom);
    m_dScale = DialogScale();
    m_fontTemplate.SetFractionalPointSize(nEm * 72.0 / nPpi * m_nZoom / 100.0);
    SetFont(m_fontTemplate);
    const wxRect rcClient = DialogRect(0, 0, m_sizeDu.x, m_sizeDu.y);
    SetClientSize(rcClient.GetSize());

    Bind(wxEVT_PAINT, &CGameDialog::OnPaint, this);
    Bind(wxEVT_CHAR_HOOK, &CGameDialog::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, &CGameDialog::OnClose, this);
    Bind(wxEVT_SHOW, &CGameDialog::OnShown, this);
    // The data exchange runs once, from DoModal; wx would otherwise repeat it when showing.
    Bind(wxEVT_INIT_DIALOG, [](wxInitDialogEvent&) {});

    CreateControls();
    return true;
}

bool CGameDialog::FitsWorkArea(const wxSize& sizeClient, const wxRect& rcWork)
{
    // The window manager's frame is not known before the window is shown; a title bar's worth
    // is kept free for it.
    constexpr int kTitleBarAllowance = 40;
    constexpr int kBorderAllowance = 8;
    return sizeClient.x + kBorderAllowance <= rcWork.width && sizeClient.y + kTitleBarAllowance <= rcWork.height;
}

int CGameDialog::ZoomThatFits(const wxRect& rcWork)
{
    // The largest step not above the game's at which the whole dialog fits the work area: a
    // dialog whose buttons are off the screen cannot be used at all. Only where the screen
    // cannot hold even the layout's own size (a doubled desktop on a small screen) does a
    // dialog shrink below it.
    std::vector<int> anSteps(kZoomSteps.rbegin(), kZoomSteps.rend());
    anSteps.insert(anSteps.end(), std::begin(kDialogShrinkSteps), std::end(kDialogShrinkSteps));
    const int nGameZoom = GameDialogZoom();
    for (const int nStep : anSteps) {
        if (nStep > nGameZoom)
            continue;
        m_nZoom = nStep;
        if (FitsWorkArea(DialogRect(0, 0, m_sizeDu.x, m_sizeDu.y).GetSize(), rcWork))
            return nStep;
    }
    return m_nZoom;
}

bool CGameDialog::IsFreeFor(const wxRect& rc, wxWindow* pSelf) const
{
    // From the template: the toolkit may not report the client size before the window is shown.
    const wxRect rcClient(DialogRect(0, 0, m_sizeDu.x, m_sizeDu.y).GetSize());
    if (!rcClient.Contains(rc))
        return false;
    for (wxWindow* pOther : GetChildren()) {
        if (pOther == pSelf || !pOther->IsShown())
            continue;
        const wxRect rcOther = pOther->GetRect();
        // A group box may frame the control, but not cut across it.
        if (dynamic_cast<wxStaticBox*>(pOther) != nullptr && rcOther.Contains(pSelf->GetRect()) && rcOther.Contains(rc))
            continue;
        if (rcOther.Intersects(rc))
            return false;
    }
    return true;
}

namespace {

// The toolkit's side padding of a button, for a label that needs the room: a longer language's
// "Cancel" in the template's narrow button. English labels fit and keep the padding.
void TightenButtonPadding(wxButton& button)
{
    auto* pWidget = static_cast<GtkWidget*>(button.GetHandle());
    if (pWidget == nullptr)
        return;
    GtkCssProvider* pProvider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(pProvider, "* { padding-left: 1px; padding-right: 1px; }", -1, nullptr);
    gtk_style_context_add_provider(gtk_widget_get_style_context(pWidget), GTK_STYLE_PROVIDER(pProvider),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 1);
    g_object_unref(pProvider);
}

}  // namespace

int ButtonLabelWidth(wxButton& button)
{
    // GTK's own natural width: wx's best size of a button is never below its default 85 pixels.
    int nMinimum = 0;
    int nNatural = 0;
    if (auto* pWidget = static_cast<GtkWidget*>(button.GetHandle()))
        gtk_widget_get_preferred_width(pWidget, &nMinimum, &nNatural);
    return nNatural;
}

void CGameDialog::WidenCutOffTexts()
{
    for (wxWindow* pChild : GetChildren())
        if (auto* pButton = dynamic_cast<wxButton*>(pChild); pButton && ButtonLabelWidth(*pButton) > pButton->GetSize().x)
            TightenButtonPadding(*pButton);
    // The template widths fit Tahoma. In a wider fallback face a label may not fit; it grows
    // toward the side its text is aligned away from, when that space is free.
    for (wxWindow* pChild : GetChildren()) {
        const bool bText = dynamic_cast<wxStaticText*>(pChild) != nullptr && !pChild->HasFlag(wxST_ELLIPSIZE_END);
        const bool bMark = dynamic_cast<wxCheckBox*>(pChild) != nullptr || dynamic_cast<wxRadioButton*>(pChild) != nullptr;
        if (!bText && !bMark)
            continue;
        const wxRect rc = pChild->GetRect();
        GrowIntoFreeSpace(pChild, pChild->GetBestSize().x - rc.width, [&](int nGrow) {
            wxRect rcWide = rc;
            rcWide.width += nGrow;
            if (pChild->HasFlag(wxALIGN_RIGHT))
                rcWide.x -= nGrow;
            else if (pChild->HasFlag(wxALIGN_CENTRE_HORIZONTAL))
                rcWide.x -= nGrow / 2;
            return rcWide;
        });
    }
}

void CGameDialog::HeightenSqueezedLists()
{
    // Below 100 % the template's heights shrink but the toolkit's padding around a drop-down
    // list's text does not, and a squeezed box cuts the text's lower half away. Such a box grows
    // about its middle as far as the space around it allows. At 100 % and above the template's
    // heights hold the text, and the layout stays as it was drawn.
    if (m_nZoom >= kZoomNormal)
        return;
    for (wxWindow* pChild : GetChildren()) {
        if (dynamic_cast<wxChoice*>(pChild) == nullptr && dynamic_cast<wxComboCtrl*>(pChild) == nullptr)
            continue;
        const wxRect rc = pChild->GetRect();
        GrowIntoFreeSpace(pChild, pChild->GetBestSize().y - rc.height,
                          [&](int nGrow) { return wxRect(rc.x, rc.y - nGrow / 2, rc.width, rc.height + nGrow); });
    }
}

void CGameDialog::GrowIntoFreeSpace(wxWindow* pChild, int nMost, const std::function<wxRect(int)>& grown) const
{
    // As much of the missing size as is free, all of it if possible.
    for (int nGrow = nMost; nGrow > 0; --nGrow) {
        if (IsFreeFor(grown(nGrow), pChild)) {
            pChild->SetSize(grown(nGrow));
            return;
        }
    }
}

wxRect CGameDialog::DialogRect(int x, int y, int cx, int cy) const
{
    // Edges are converted, not sizes, so neighbouring controls meet exactly as in the template.
    const auto across = [this](int n) { return DialogUnitsToPixels(n * m_nZoom, m_nBaseX, 4 * 100); };
    const auto down = [this](int n) { return DialogUnitsToPixels(n * m_nZoom, m_nBaseY, 8 * 100); };
    const int nLeft = across(x);
    const int nTop = down(y);
    return wxRect(nLeft, nTop, across(x + cx) - nLeft, down(y + cy) - nTop);
}

int CGameDialog::DoModal()
{
    if (!CreateWindow())
        return ResultCancel;
    const CDialogZoomScope zoom(m_nZoom);
    m_nEarlyResult = 0;
    TransferDataToWindow();
    CreateHeadingFont(m_fontHeader);
    InitialiseDialog();
    if (m_nEarlyResult != 0)
        return m_nEarlyResult;
    StyleFontAndBlue(m_pHeader, m_fontHeader);
    WidenCutOffTexts();
    HeightenSqueezedLists();
    MarkAsDialog(*this);
    if (wxWindow* pFirst = FirstFocus())
        pFirst->SetFocus();
    // A main window not yet on screen has no place to centre over.
    if (GetParent() != nullptr && GetParent()->IsShown())
        CentreOnParent();
    else
        CentreOnScreen();
    return ResultFromWxId(ShowModal());
}

void CGameDialog::AddHeader(const wxString& strLabel, const wxRect& rc)
{
    m_pHeader = new wxStaticText(this, IDC_HEADER_LABEL, strLabel, rc.GetPosition(), rc.GetSize(),
                                 wxALIGN_LEFT | wxST_NO_AUTORESIZE);
}

wxButton* CGameDialog::AddOkButton(int x, int y, int cx, int cy)
{
    const wxRect rc = DialogRect(x, y, cx, cy);
    auto* pOk = new wxButton(this, wxID_OK, _("OK"), rc.GetPosition(), rc.GetSize());
    pOk->SetDefault();
    return pOk;
}

void CGameDialog::EndWithResult(int nResult)
{
    const auto* pFound = std::ranges::find(kResultIds, nResult, &std::pair<int, int>::first);
    if (IsModal())
        EndModal(pFound != std::end(kResultIds) ? pFound->second : wxID_CANCEL);
    else
        m_nEarlyResult = nResult;
}

int CGameDialog::Px(int nLayout) const
{
    return ScaledPixels(nLayout, m_dScale);
}

void CGameDialog::PaintContent(wxDC& dc, int nClientWidth)
{
    if (m_bHeaderRule)
        DrawHeaderRule(dc, nClientWidth, m_dScale);
}

void CGameDialog::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    PaintContent(dc, GetClientSize().x);
}

void CGameDialog::OnCharHook(wxKeyEvent& event)
{
    const int nKey = event.GetKeyCode();
    // In an open drop-down list Enter picks the row and Escape closes the list, as the player
    // expects; the dialog would otherwise end with the list still open and the row not taken.
    for (wxWindow* pWindow = FindFocus(); pWindow != nullptr && pWindow != this; pWindow = pWindow->GetParent()) {
        if (auto* pCombo = dynamic_cast<wxComboCtrl*>(pWindow); pCombo != nullptr && pCombo->IsPopupShown()) {
            // Escape is closed here: passed on, the toolkit's own dialog handling would cancel.
            if (nKey == WXK_ESCAPE)
                pCombo->Dismiss();
            else
                event.Skip();
            return;
        }
    }
    if (nKey == WXK_ESCAPE) {
        // wx would press OK when a dialog has no Cancel button; Escape always cancels here.
        EndWithResult(ResultCancel);
        return;
    }
    if (nKey == WXK_RETURN || nKey == WXK_NUMPAD_ENTER) {
        // A focused push button takes Enter itself; elsewhere Enter presses the default button.
        wxWindow* pFocus = FindFocus();
        if (pFocus == nullptr || dynamic_cast<wxButton*>(pFocus) == nullptr) {
            if (auto* pDefault = dynamic_cast<wxButton*>(GetDefaultItem())) {
                wxCommandEvent click(wxEVT_BUTTON, pDefault->GetId());
                click.SetEventObject(pDefault);
                pDefault->GetEventHandler()->ProcessEvent(click);
                return;
            }
        }
    }
    event.Skip();
}

void CGameDialog::OnShown(wxShowEvent& event)
{
    event.Skip();
    // Focus given before the window is mapped can be lost on the way; give it again once up.
    if (event.IsShown())
        CallAfter([this] {
            wxWindow* pFirst = FirstFocus();
            if (pFirst != nullptr)
                pFirst->SetFocus();
            ShowKeyboardFocus(*this);
            // A control that already had the focus is not drawn again by the toolkit for its
            // outline (a slider kept none until the first Tab).
            if (pFirst != nullptr)
                pFirst->Refresh();
        });
}

void CGameDialog::BuildAccessible()
{
    for (const std::wstring& strLine : PaintedTexts()) {
        m_apPaintedLabels.push_back(std::make_unique<CAccObject>(EAccRole::Label, strLine));
        m_pAccess->AddChild(*m_apPaintedLabels.back());
    }
}

void CGameDialog::PaintedTextsChanged()
{
    // Until a reader has asked, there are no labels: they are made from the texts of that time.
    const std::vector<std::wstring> astrLines = PaintedTexts();
    for (std::size_t i = 0; i < m_apPaintedLabels.size() && i < astrLines.size(); ++i)
        m_apPaintedLabels[i]->SetName(astrLines[i]);
}

void CGameDialog::OnClose(wxCloseEvent&)
{
    // Closing the window is Cancel, never the affirmative button wx would pick.
    EndWithResult(ResultCancel);
}
