// The one table of the game's commands: the menus, the tool bar, the keyboard shortcuts, the
// tooltips and the mapping between game command ids and wx ids are all read from it.
//
// Adding a command: give it an id in view/command_ids.h, add its row to kCommands in
// command_table.cpp (menu and place, text, shortcuts, tool), and handle it in the QueryCommand and
// OnCommand of the target that owns it (the view, or the application). A window test fails while
// a row has no target on the command route.
#pragma once

#include <vector>

#include <wx/image.h>
#include <wx/string.h>

// The menus of the menu bar, in the order they stand.
enum class EMenu { None, Game, View, Tools };

struct CMenuRow {
    EMenu menu;
    const char* pszTitle;
    const char* pszToolTip;  // the bar button's tip, or nullptr
};

// One key combination: wx accelerator flags (wxACCEL_CTRL, ...) and a key code ('N', WXK_F1, '+').
struct CShortcut {
    int nFlags;
    int nKeyCode;
};

struct CCommandRow {
    int nId;                        // the game's command id (ECommandId)
    EMenu menu = EMenu::None;       // rows of one menu stand in table order
    const char* pszText = nullptr;  // the menu item's text, with its mnemonic
    bool bSeparatorBefore = false;  // a line above the menu item
    std::vector<CShortcut> aKeys = {};  // every key combination that runs the command
    bool bKeyInMenu = false;        // the menu item shows the first of aKeys
    int nToolPos = 0;               // place on the tool bar from 1, or 0 for none
    bool bToolSeparatorBefore = false;
    wxImage (*pfnToolImage)(int nSize) = nullptr;  // the tool's picture at nSize pixels
    const char* pszToolTip = nullptr;
    bool bCheck = false;            // a check item: its target says whether it is ticked
};

const std::vector<CMenuRow>& MenuRows();
const std::vector<CCommandRow>& CommandRows();

// The row of a game command id, or nullptr.
const CCommandRow* FindCommandRow(int nCommandId);
// The rows on the tool bar, in their order.
std::vector<const CCommandRow*> ToolRows();

// The wx id for a game command id, or -1 when the table has no such command.
int WxIdFromCommand(int nCommandId);
// The game command id for a wx id, or -1 when it is none of ours.
int CommandFromWxId(int nWxId);
// The menu text with the first shortcut after a tab when the row shows it.
wxString MenuItemText(const CCommandRow& row);
