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
};

// The frame, not yet shown, after the view's initial update (which has run the first word's New
// Game dialog); nullptr when a window could not be made.
CMainFrame* OpenNewGameWindow(const CGameWindowSetup& setup);
