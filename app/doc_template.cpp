// Creation order of the document/view shell.
#include "app/doc_template.h"

#include <wx/app.h>
#include <wx/time.h>
#include <wx/utils.h>

#include "app/main_frame.h"
#include "view/game_view.h"

CMainFrame* OpenNewGameWindow(const CGameWindowSetup& setup)
{
    auto pDoc = std::make_unique<CVeltraneQuillornDoc>();
    auto* pFrame = new CMainFrame(std::move(pDoc), setup.pAppTarget);
    if (!pFrame->Create(*setup.pProfile, CSetFolders(setup.programDir, setup.userSetDir), setup.nZoom)) {
        pFrame->Destroy();
        return nullptr;
    }
    if (!pFrame->GetDocument().OnNewDocument()) {
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
    WaitForFirstPicture(*pView);
    pView->StartFirstWord();
    pFrame->CheckStore();
    return pFrame;
}

void WaitForFirstPicture(CVeltraneQuillornView& view)
{
    // The X server maps the window and asks for its picture a few milliseconds after it is
    // shown; until then the dialog would have no place on screen to be centred over.
    constexpr long kLongestWaitMs = 1000;
    const wxLongLong tEnd = wxGetLocalTimeMillis() + kLongestWaitMs;
    while (!view.HasPainted() && wxGetLocalTimeMillis() < tEnd && wxTheApp != nullptr) {
        wxTheApp->Yield(true);
        if (!view.HasPainted())
            wxMilliSleep(1);
    }
}
