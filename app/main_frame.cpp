// Main window creation and the command route.
#include "app/main_frame.h"

#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include "app/app_icons.h"
#include "platform/profile.h"
#include "view/command_ids.h"
#include "view/command_map.h"
#include "view/game_view.h"

namespace {

// Tool-tip strings in the order the menu bar has always loaded them: one per bar button ("New"
// for the Game button, "Tools"), then one per tool.
constexpr const char* kToolTipTexts[] = {"New", "Tools", "New", "Options", "Help", "Give Up"};
constexpr std::size_t kFirstToolTip = 2;

wxBitmap ToolBitmap(const wxImage& img)
{
    return wxBitmap(img);
}

}  // namespace

CMainFrame::CMainFrame(std::unique_ptr<CVeltraneQuillornDoc> pDoc, CCommandTarget* pAppTarget)
    : m_pDoc(std::move(pDoc)), m_pAppTarget(pAppTarget)
{
}

CMainFrame::~CMainFrame()
{
    m_storeTimer.Stop();
    // Writes still waiting on another program's lock get their last chance.
    if (m_pRegistry)
        m_pRegistry->FlushAtExit();
    // The view goes with the children after this; late activation events must not reach it.
    m_pView = nullptr;
}

bool CMainFrame::Create(CAppProfile& profile, const std::filesystem::path& programDir)
{
    // Fixed size: the game screen is laid out in pixels.
    const long nStyle = wxDEFAULT_FRAME_STYLE & ~(wxRESIZE_BORDER | wxMAXIMIZE_BOX);
    if (!wxFrame::Create(nullptr, wxID_ANY, kTitle, wxDefaultPosition, wxDefaultSize, nStyle))
        return false;
    SetIcons(AppIconBundle());

    FillToolTips();
    if (!CreateMenuBar() || !CreateToolBarWithTools())
        return false;

    wxAcceleratorEntry accel(wxACCEL_CTRL, 'N', WxIdFromCommand(ID_GAME_NEW));
    SetAcceleratorTable(wxAcceleratorTable(1, &accel));

    auto* pView = new CVeltraneQuillornView(profile, programDir);
    if (!pView->Create(this)) {
        delete pView;
        return false;
    }
    m_pView = pView;
    WatchStore(profile.Registry());
    m_pView->SetFocus();

    Bind(wxEVT_MENU, &CMainFrame::OnMenu, this);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateUI, this);
    Bind(wxEVT_ACTIVATE, &CMainFrame::OnActivate, this);
    Bind(wxEVT_ICONIZE, &CMainFrame::OnIconize, this);
    return true;
}

void CMainFrame::FillToolTips()
{
    m_astrToolTips.assign(std::begin(kToolTipTexts), std::end(kToolTipTexts));
}

bool CMainFrame::CreateMenuBar()
{
    auto* pGame = new wxMenu;
    pGame->Append(WxIdFromCommand(ID_APP_EXIT_GAME), "E&xit");
    pGame->AppendSeparator();
    pGame->Append(WxIdFromCommand(ID_GAME_GIVEUP), "&Give Up");
    pGame->AppendSeparator();
    pGame->Append(WxIdFromCommand(ID_GAME_NEW), "&New");

    auto* pTools = new wxMenu;
    pTools->Append(WxIdFromCommand(ID_APP_ABOUT), "About ...");
    pTools->Append(WxIdFromCommand(ID_TOOLS_HELP), "Help ...");
    pTools->AppendSeparator();
    pTools->Append(WxIdFromCommand(ID_TOOLS_BESTSCORES), "Best Scores ...");
    pTools->Append(WxIdFromCommand(ID_TOOLS_OPTIONS), "&Options ...");
    pTools->Append(WxIdFromCommand(ID_TOOLS_STATISTICS), "Statistics ...\tCtrl+T");

    auto* pBar = new wxMenuBar;
    pBar->Append(pGame, "&Game");
    pBar->Append(pTools, "Tools");
    SetMenuBar(pBar);
    return true;
}

bool CMainFrame::CreateToolBarWithTools()
{
    wxToolBar* pBar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT);
    if (!pBar)
        return false;
    pBar->SetToolBitmapSize(wxSize(kToolImageSize, kToolImageSize));
    const auto tip = [this](std::size_t i) { return m_astrToolTips[kFirstToolTip + i]; };
    pBar->AddTool(WxIdFromCommand(ID_GAME_NEW), tip(0), ToolBitmap(DrawNewToolImage()), tip(0));
    pBar->AddSeparator();
    pBar->AddTool(WxIdFromCommand(ID_TOOLS_OPTIONS), tip(1), ToolBitmap(DrawOptionsToolImage()), tip(1));
    pBar->AddTool(WxIdFromCommand(ID_TOOLS_HELP), tip(2), ToolBitmap(DrawHelpToolImage()), tip(2));
    pBar->AddSeparator();
    pBar->AddTool(WxIdFromCommand(ID_GAME_GIVEUP), tip(3), ToolBitmap(DrawGiveUpToolImage()), tip(3));
    return pBar->Realize();
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
}

void CMainFrame::OnActivate(wxActivateEvent& event)
{
    // The game's own dialogs take the focus from the frame; that is not leaving the game.
    if (m_pView && !(!event.GetActive() && m_pView->IsRunningModal()))
        m_pView->OnActivateView(event.GetActive());
    event.Skip();
}

void CMainFrame::OnIconize(wxIconizeEvent& event)
{
    if (m_pView)
        m_pView->OnActivateView(!event.IsIconized());
    event.Skip();
}
