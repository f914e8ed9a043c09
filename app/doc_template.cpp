// Creation order of the document/view shell.
#include "app/doc_template.h"

#include "app/main_frame.h"
#include "view/game_view.h"

CMainFrame* OpenNewGameWindow(const CGameWindowSetup& setup)
{
    auto pDoc = std::make_unique<CVeltraneQuillornDoc>();
    auto* pFrame = new CMainFrame(std::move(pDoc), setup.pAppTarget);
    if (!pFrame->Create(*setup.pProfile, CSetFolders(setup.programDir, setup.userSetDir), setup.nZoom) ||
        !pFrame->GetDocument().OnNewDocument()) {
        pFrame->Destroy();
        return nullptr;
    }
    CVeltraneQuillornView* pView = pFrame->GetView();
    if (setup.fnQuit)
        pView->SetQuitHandler(setup.fnQuit);
    pView->SetGameLog(setup.pGameLog);
    pView->OnInitialUpdate();
    // The game window goes on screen first and the first word's New Game dialog opens over it,
    // centred, as a desktop program's first window is its main one.
    if (setup.bCentreOnScreen)
        pFrame->CentreOnScreen();
    pFrame->Show();
    pView->StartFirstWord();
    pFrame->CheckStore();
    return pFrame;
}
