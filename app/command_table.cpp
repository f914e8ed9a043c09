// The command table's rows, and the game id <-> wx id mapping made from them.
#include "app/command_table.h"

#include <algorithm>

#include <wx/accel.h>
#include <wx/defs.h>
#include <wx/translation.h>

#include "app/app_icons.h"
#include "view/command_ids.h"

// Well above wx's own stock ids and below 0x7FFF, which the game's own ids are not.
constexpr int kWxCommandBase = wxID_HIGHEST + 1000;

const std::vector<CMenuRow>& MenuRows()
{
    // The bar buttons' tips, "New" for the Game button, are the first of the frame's tooltip texts.
    static const std::vector<CMenuRow> aRows = {
        {EMenu::Game, wxTRANSLATE("&Game"), wxTRANSLATE("New")},
        {EMenu::View, wxTRANSLATE("&View"), nullptr},
        {EMenu::Tools, wxTRANSLATE("&Tools"), wxTRANSLATE("Tools")},  // the mnemonic is ours; the title stays
    };
    return aRows;
}

const std::vector<CCommandRow>& CommandRows()
{
    // clang-format off
    static const std::vector<CCommandRow> aRows = {
        // The handheld's menu popped up from a bar at the bottom of the screen, Exit at the top
        // and New next to the bar. A desktop menu drops down from the top: New comes first, Exit
        // last, where Alt+G, Enter cannot quit by mistake. The separators stay between them.
        {.nId = ID_GAME_NEW, .menu = EMenu::Game, .pszText = wxTRANSLATE("&New"),
         .aKeys = {{wxACCEL_CTRL, 'N'}}, .bKeyInMenu = true,
         .nToolPos = 1, .pfnToolImage = DrawNewToolImage, .pszToolTip = wxTRANSLATE("New")},
        {.nId = ID_GAME_GIVEUP, .menu = EMenu::Game, .pszText = wxTRANSLATE("&Give Up"), .bSeparatorBefore = true,
         .nToolPos = 4, .bToolSeparatorBefore = true, .pfnToolImage = DrawGiveUpToolImage, .pszToolTip = wxTRANSLATE("Give Up")},
        {.nId = ID_GAME_HINT, .menu = EMenu::Game, .pszText = wxTRANSLATE("&Hint"),
         .aKeys = {{wxACCEL_CTRL, 'H'}}, .bKeyInMenu = true},
        {.nId = ID_GAME_REVIEW, .menu = EMenu::Game, .pszText = wxTRANSLATE("&Review ...")},
        {.nId = ID_APP_EXIT_GAME, .menu = EMenu::Game, .pszText = wxTRANSLATE("E&xit"), .bSeparatorBefore = true,
         .aKeys = {{wxACCEL_CTRL, 'Q'}}, .bKeyInMenu = true},

        // Plus sits on the "=" key of most layouts, so Ctrl+= zooms in as well as Ctrl+Plus.
        {.nId = ID_VIEW_ZOOMIN, .menu = EMenu::View, .pszText = wxTRANSLATE("Zoom &In"),
         .aKeys = {{wxACCEL_CTRL, '+'}, {wxACCEL_CTRL | wxACCEL_SHIFT, '+'}, {wxACCEL_CTRL, '='},
                   {wxACCEL_CTRL | wxACCEL_SHIFT, '='}, {wxACCEL_CTRL, WXK_NUMPAD_ADD}},
         .bKeyInMenu = true},
        {.nId = ID_VIEW_ZOOMOUT, .menu = EMenu::View, .pszText = wxTRANSLATE("Zoom &Out"),
         .aKeys = {{wxACCEL_CTRL, '-'}, {wxACCEL_CTRL, WXK_NUMPAD_SUBTRACT}}, .bKeyInMenu = true},
        {.nId = ID_VIEW_NORMALSIZE, .menu = EMenu::View, .pszText = wxTRANSLATE("&Normal Size"),
         .aKeys = {{wxACCEL_CTRL, '0'}, {wxACCEL_CTRL, WXK_NUMPAD0}}, .bKeyInMenu = true},
        {.nId = ID_VIEW_WORDS_FIT, .menu = EMenu::View, .pszText = wxTRANSLATE("&Words That Fit"),
         .bSeparatorBefore = true, .bCheck = true},

        {.nId = ID_APP_ABOUT, .menu = EMenu::Tools, .pszText = wxTRANSLATE("&About ...")},
        {.nId = ID_TOOLS_HELP, .menu = EMenu::Tools, .pszText = wxTRANSLATE("&Help ..."), .aKeys = {{0, WXK_F1}}, .bKeyInMenu = true,
         .nToolPos = 3, .pfnToolImage = DrawHelpToolImage, .pszToolTip = wxTRANSLATE("Help")},
        {.nId = ID_TOOLS_BESTSCORES, .menu = EMenu::Tools, .pszText = wxTRANSLATE("&Best Scores ..."), .bSeparatorBefore = true},
        {.nId = ID_TOOLS_OPTIONS, .menu = EMenu::Tools, .pszText = wxTRANSLATE("&Options ..."),
         .nToolPos = 2, .bToolSeparatorBefore = true, .pfnToolImage = DrawOptionsToolImage, .pszToolTip = wxTRANSLATE("Options")},
        {.nId = ID_TOOLS_STATISTICS, .menu = EMenu::Tools, .pszText = wxTRANSLATE("&Statistics ..."),
         .aKeys = {{wxACCEL_CTRL, 'T'}}, .bKeyInMenu = true},

        // The framework's document commands: start-up's path only, in no menu.
        {.nId = ID_FILE_NEW},
        {.nId = ID_FILE_OPEN},
    };
    // clang-format on
    return aRows;
}

const CCommandRow* FindCommandRow(int nCommandId)
{
    const std::vector<CCommandRow>& aRows = CommandRows();
    const auto it = std::find_if(aRows.begin(), aRows.end(), [&](const CCommandRow& r) { return r.nId == nCommandId; });
    return it == aRows.end() ? nullptr : &*it;
}

std::vector<const CCommandRow*> ToolRows()
{
    std::vector<const CCommandRow*> aTools;
    for (const CCommandRow& row : CommandRows())
        if (row.nToolPos > 0)
            aTools.push_back(&row);
    std::sort(aTools.begin(), aTools.end(), [](const CCommandRow* a, const CCommandRow* b) { return a->nToolPos < b->nToolPos; });
    return aTools;
}

int WxIdFromCommand(int nCommandId)
{
    const CCommandRow* pRow = FindCommandRow(nCommandId);
    return pRow ? kWxCommandBase + static_cast<int>(pRow - CommandRows().data()) : -1;
}

int CommandFromWxId(int nWxId)
{
    const std::vector<CCommandRow>& aRows = CommandRows();
    const int nIndex = nWxId - kWxCommandBase;
    if (nIndex < 0 || nIndex >= static_cast<int>(aRows.size()))
        return -1;
    return aRows[static_cast<std::size_t>(nIndex)].nId;
}

wxString MenuItemText(const CCommandRow& row)
{
    wxString strText = wxGetTranslation(wxString::FromUTF8(row.pszText));
    if (row.bKeyInMenu && !row.aKeys.empty())
        strText += "\t" + wxAcceleratorEntry(row.aKeys.front().nFlags, row.aKeys.front().nKeyCode).ToString();
    return strText;
}
