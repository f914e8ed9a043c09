// Start-up and the end of the program.
#include "app/veltrane_quillorn_app.h"

#include <wx/evtloop.h>

#include "app/app_language.h"
#include "app/doc_template.h"
#include "app/main_frame.h"
#include "app/run_game.h"
#include "dialogs/dialog_look.h"
#include "game/set_folders.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "store/game_log_writer.h"
#include "store/unsaved_writes.h"

wxIMPLEMENT_APP_NO_MAIN(CVeltraneQuillornApp);

namespace {

constexpr int kUnsavedWaitMs = 250;

}  // namespace

int RunGame(int argc, char** argv)
{
    // What the last exit could not save goes in before the game reads a value. Almost always
    // there is no such file, and looking for it costs a file-system lookup.
    ApplyUnsavedWrites(TheAppProfile(), kUnsavedWaitMs);
    return wxEntry(argc, argv);
}

bool CVeltraneQuillornApp::OnInit()
{
    // The registry root: every value lives below Software\Veltrane Corporation\Veltrane Quillorn,
    // whatever the executable is called.
    SetVendorName("Veltrane Corporation");
    SetAppName("Veltrane Quillorn");
    SetAppDisplayName("Veltrane Quillorn");
    UseDesktopLanguage();
    RegisterGameFonts();

    CGameWindowSetup setup;
    setup.pProfile = &TheAppProfile();
    setup.programDir = ProgramDataDirectory();
    setup.userSetDir = CSetFolders::DefaultUserDirectory();
    setup.pAppTarget = this;
    setup.bCentreOnScreen = true;
    setup.pGameLog = &TheGameLog();
    setup.fnQuit = [this](int nExitCode) { PostQuit(nExitCode); };

    CMainFrame* pFrame = OpenNewGameWindow(setup);
    if (!pFrame)
        return false;
    SetTopWindow(pFrame);
    return true;
}

int CVeltraneQuillornApp::OnRun()
{
    if (m_bQuitPosted)
        return m_nExitCode;
    const int nResult = wxApp::OnRun();
    return m_bQuitPosted ? m_nExitCode : nResult;
}

void CVeltraneQuillornApp::PostQuit(int nExitCode)
{
    m_bQuitPosted = true;
    m_nExitCode = nExitCode;
    CallAfter([this] { ExitWhenBackInMainLoop(); });
}

void CVeltraneQuillornApp::ExitWhenBackInMainLoop()
{
    if (!m_mainLoop)
        return;  // still starting up: OnRun sees the request and does not start the loop
    // Exit() ends the active loop; inside a modal run that would be the dialog's, so wait.
    if (m_mainLoop->IsRunning())
        m_mainLoop->Exit(m_nExitCode);
    else
        CallAfter([this] { ExitWhenBackInMainLoop(); });
}
