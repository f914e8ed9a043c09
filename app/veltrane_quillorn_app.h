// The application object: starts the shell in its fixed order, runs the message loop, handles the
// About command and ends the loop on the game's quit request.
#pragma once

#include <wx/app.h>

#include "app/app_commands.h"

class CVeltraneQuillornApp : public wxApp, public CAppCommands {
public:
    bool OnInit() override;
    int OnRun() override;

    // The quit request: ends the main loop once control is back in it, also when it comes
    // before the loop has started (no word set at start-up).
    void PostQuit(int nExitCode);

private:
    void ExitWhenBackInMainLoop();

    bool m_bQuitPosted = false;
    int m_nExitCode = 0;
};

wxDECLARE_APP(CVeltraneQuillornApp);
