// The application object: starts the shell in its fixed order, runs the message loop, handles the
// About command and ends the loop on the game's quit request.
#pragma once

#include <wx/app.h>

#include "view/command_target.h"

class CVeltraneQuillornApp : public wxApp, public CCommandTarget {
public:
    bool OnInit() override;
    int OnRun() override;

    // The quit request: ends the main loop once control is back in it, also when it comes
    // before the loop has started (no word set at start-up).
    void PostQuit(int nExitCode);

    bool QueryCommand(int nId, bool& bEnabled) const override;
    void OnCommand(int nId) override;

private:
    void ExitWhenBackInMainLoop();

    bool m_bQuitPosted = false;
    int m_nExitCode = 0;
};

wxDECLARE_APP(CVeltraneQuillornApp);
