// Main window creation and the command route.
#include "app/main_frame.h"

#include <wx/accel.h>
#include <wx/display.h>
#include <wx/menu.h>
#include <wx/toolbar.h>
#include <wx/translation.h>

#include <gtk/gtk.h>

#include "app/app_icons.h"
#include "app/command_table.h"
#include "platform/profile.h"
#include "game/zoom_steps.h"
#include "store/settings_store.h"
#include "store/unsaved_writes.h"
#include "view/game_view.h"

CMainFrame::CMainFrame(std::unique_ptr<CVeltraneQuillornDoc> pDoc, CCommandTarget* pAppTarget)
    : m_pDoc(std::move(pDoc)), m_pAppTarget(pAppTarget)
{
}

CMainFrame::~CMainFrame()
{
    m_storeTimer.Stop();
    StorePickedZoom();
    // Writes still waiting on another program's lock get their last chance; what cannot land
    // even then is kept beside the store and saved at the next start.
    if (m_pProfile)
        SaveOrKeepAtExit(*m_pProfile);
    // The view goes with the children after this; late activation events must not reach it.
    m_pView = nullptr;
}

bool CMainFrame::Create(CAppProfile& profile, const CSetFolders& setFolders, int nZoom)
{
    // Resizable: the zoom follows the window.
    if (!wxFrame::Create(nullptr, wxID_ANY, kTitle, wxDefaultPosition, wxDefaultSize, wxDEFAULT_FRAME_STYLE))
        return false;

    CreateMenuBar();
    if (!CreateToolBarWithTools())
        return false;

    SetShortcuts();

    auto* pView = new CVeltraneQuillornView(profile, setFolders);
    if (!pView->Create(this)) {
        delete pView;
        return false;
    }
    m_pView = pView;
    SetMinClientSize(m_pView->ShownSize(kZoomNormal));
    m_pProfile = &profile;
    if (!IsZoomStep(nZoom)) {
        int nStored = 0;
        CSettingsStore(profile).Read(Option::Zoom, nStored);
        nZoom = StartZoom(nStored);
        if (nZoom != nStored)
            m_nZoomToStore = nZoom;
    }
    m_pView->SetZoom(nZoom);
    // After a zoom command the client area fits the picture again, unless maximised.
    m_pView->SetFitHandler([this] {
        if (!IsMaximized() && !IsFullScreen())
            FitClientToContent();
    });
    WatchStore(profile.Registry());
    m_pView->SetFocus();

    Bind(wxEVT_MENU, &CMainFrame::OnMenu, this);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateUI, this);
    Bind(wxEVT_ACTIVATE, &CMainFrame::OnActivate, this);
    Bind(wxEVT_ICONIZE, &CMainFrame::OnIconize, this);
    // Drawn from the SVG once the first word's New Game dialog is up, which is what the player
    // waits for: the desktop's task list gets them a moment later.
    CallAfter([this] { SetIcons(AppIconBundle()); });
    return true;
}

void CMainFrame::CreateMenuBar()
{
    auto* pBar = new wxMenuBar;
    for (const CMenuRow& menuRow : MenuRows()) {
        auto* pMenu = new wxMenu;
        for (const CCommandRow& row : CommandRows()) {
            if (row.menu != menuRow.menu)
                continue;
            if (row.bSeparatorBefore && pMenu->GetMenuItemCount() > 0)
                pMenu->AppendSeparator();
            if (row.bCheck)
                pMenu->AppendCheckItem(WxIdFromCommand(row.nId), MenuItemText(row));
            else
                pMenu->Append(WxIdFromCommand(row.nId), MenuItemText(row));
        }
        pBar->Append(pMenu, wxGetTranslation(menuRow.pszTitle));
    }
    SetMenuBar(pBar);
}

bool CMainFrame::CreateToolBarWithTools()
{
    wxToolBar* pBar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT);
    if (!pBar)
        return false;
    pBar->SetToolBitmapSize(wxSize(kToolImageSize, kToolImageSize));
    for (const CCommandRow* pRow : ToolRows()) {
        if (pRow->bToolSeparatorBefore)
            pBar->AddSeparator();
        const wxString strTip = wxGetTranslation(wxString::FromUTF8(pRow->pszToolTip));
        pBar->AddTool(WxIdFromCommand(pRow->nId), strTip, ToolBitmapBundle(pRow->pfnToolImage), strTip);
    }
    return pBar->Realize();
}

void CMainFrame::SetShortcuts()
{
    // A shortcut the menu item shows is the menu's own; the frame's table takes all the others.
    std::vector<wxAcceleratorEntry> aEntries;
    for (const CCommandRow& row : CommandRows()) {
        for (std::size_t i = 0; i < row.aKeys.size(); ++i) {
            if (i == 0 && row.bKeyInMenu && row.menu != EMenu::None)
                continue;
            aEntries.emplace_back(row.aKeys[i].nFlags, row.aKeys[i].nKeyCode, WxIdFromCommand(row.nId));
        }
    }
    SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(aEntries.size()), aEntries.data()));
}

int CMainFrame::ChromeHeight() const
{
    // The menu and tool bar above the view; the window manager's frame does not count.
    int nHeight = 0;
    // Before the window is shown the toolkit has no size for the menu bar yet; GTK can say what
    // it will ask for.
    if (wxMenuBar* pMenu = GetMenuBar()) {
        int nMinimum = 0, nNatural = 0;
        gtk_widget_get_preferred_height(pMenu->GetHandle(), &nMinimum, &nNatural);
        nHeight += nNatural;
    }
    if (wxToolBar* pTools = GetToolBar())
        nHeight += pTools->GetBestSize().y;
    return nHeight;
}

int CMainFrame::StartZoom(int nStored) const
{
    const int nDisplay = wxDisplay::GetFromWindow(this);
    const wxRect rcWork = wxDisplay(nDisplay == wxNOT_FOUND ? 0u : static_cast<unsigned>(nDisplay)).GetClientArea();
    const int nChrome = ChromeHeight();
    const int nW = board::kWidth;
    const int nH = m_pView->LayoutHeight();
    // A remembered step stays unless the whole window no longer fits the work area.
    const int nLargest = LargestStepFitting(nW, nH, rcWork.width, std::max(rcWork.height - nChrome, 0));
    const int nUsable = UsableStoredZoom(nStored, nLargest);
    return nUsable != 0 ? nUsable : FirstStartStep(nW, nH, nChrome, rcWork.width, rcWork.height);
}

void CMainFrame::StorePickedZoom()
{
    if (m_nZoomToStore == 0 || m_pProfile == nullptr)
        return;
    // The player may have zoomed since; that step was stored then and is the one to keep.
    CSettingsStore(*m_pProfile).Write(Option::Zoom, m_pView != nullptr ? m_pView->Zoom() : m_nZoomToStore);
    m_nZoomToStore = 0;
}

std::vector<CCommandTarget*> CMainFrame::CommandRoute()
{
    return {m_pView, m_pDoc.get(), this, m_pAppTarget};
}

void CMainFrame::OnMenu(wxCommandEvent& event)
{
    const int nCommand = CommandFromWxId(event.GetId());
    if (nCommand < 0 || !FindCommandTarget(CommandRoute(), nCommand)) {
        event.Skip();
        return;
    }
    RouteCommand(CommandRoute(), nCommand);
}

void CMainFrame::OnUpdateUI(wxUpdateUIEvent& event)
{
    const int nCommand = CommandFromWxId(event.GetId());
    if (nCommand < 0) {
        event.Skip();
        return;
    }
    event.Enable(IsCommandEnabled(CommandRoute(), nCommand));
    if (const CCommandRow* pRow = FindCommandRow(nCommand); pRow != nullptr && pRow->bCheck)
        event.Check(::IsCommandChecked(CommandRoute(), nCommand));
}

void CMainFrame::OnActivate(wxActivateEvent& event)
{
    // The game's own dialogs take the focus from the frame; that is not leaving the game.
    if (m_pView && (event.GetActive() || m_modalWatch.nOpen == 0))
        m_pView->OnActivateView(event.GetActive());
    event.Skip();
}

void CMainFrame::OnIconize(wxIconizeEvent& event)
{
    if (m_pView)
        m_pView->OnActivateView(!event.IsIconized());
    event.Skip();
}
