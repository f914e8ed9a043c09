// The game's command table ids. wx wants menu and tool ids below 0x7FFF, which several of these are
// not, so the frame maps them to wx ids of its own at the edge.
#pragma once

enum ECommandId : int {
    ID_APP_EXIT_GAME = 32774,   // "E&xit"
    ID_GAME_NEW = 32775,        // "&New"
    ID_TOOLS_OPTIONS = 32776,   // "&Options ..."
    ID_GAME_GIVEUP = 32777,     // "&Give Up"
    ID_TOOLS_BESTSCORES = 32779,
    ID_TOOLS_HELP = 32780,
    ID_TOOLS_STATISTICS = 32781, // "Statistics ...", Ctrl+T
    ID_GAME_HINT = 32782,       // "&Hint", Ctrl+H
    ID_GAME_REVIEW = 32783,     // "&Review ..."
    ID_VIEW_ZOOMIN = 32800,     // "Zoom &In"
    ID_VIEW_ZOOMOUT = 32801,    // "Zoom &Out"
    ID_VIEW_NORMALSIZE = 32802, // "&Normal Size"
    ID_VIEW_WORDS_FIT = 32803,  // "&Words That Fit", a check item
    ID_FILE_NEW = 57600,        // the framework's new-document command, used by start-up
    ID_FILE_OPEN = 57601,       // the framework's open-document command; nothing sends it
    ID_APP_ABOUT = 57664,
};
