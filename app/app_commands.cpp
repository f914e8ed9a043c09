// About, and the document commands that only start-up uses.
#include "app/app_commands.h"

#include "dialogs/about_dlg.h"
#include "view/command_ids.h"

bool CAppCommands::QueryCommand(int nId, bool& bEnabled) const
{
    switch (nId) {
    case ID_APP_ABOUT:
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
        bEnabled = true;
        return true;
    default:
        return false;
    }
}

void CAppCommands::OnCommand(int nId)
{
    // New and Open documents are only the framework's start-up path; a running game has one.
    if (nId == ID_APP_ABOUT) {
        CAboutDlg dlg;
        dlg.DoModal();
    }
}
