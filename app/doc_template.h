// The single-document template: makes the document, then the main frame, which makes the view;
// runs the document's new-document step and the view's initial update. The application uses it
// at start-up, the window tests use it with a profile and a program directory of their own.
#pragma once

#include <filesystem>
#include <functional>

class CAppProfile;
class CCommandTarget;
class CGameLogWriter;
class CMainFrame;

struct CGameWindowSetup {
    CAppProfile* pProfile = nullptr;
    std::filesystem::path programDir;
    std::filesystem::path userSetDir;   // the player's own sets; empty: none
    CCommandTarget* pAppTarget = nullptr;
    std::function<void(int)> fnQuit;   // the quit request; empty: end the main loop
    CGameLogWriter* pGameLog = nullptr;  // where finished words are logged; none when null
    int nZoom = 0;                       // a zoom step to open at; 0: the stored one or the screen's
    // The window in the middle of the screen, so that a New Game dialog larger than the window
    // still has room to stand centred over it; tests keep it where the toolkit puts it.
    bool bCentreOnScreen = false;
};

// The frame, shown, after the view's initial update and the first word's New Game dialog, which
// opens over the shown frame; nullptr when a window could not be made.
CMainFrame* OpenNewGameWindow(const CGameWindowSetup& setup);
