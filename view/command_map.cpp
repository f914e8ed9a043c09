// Game command ids to wx ids and back.
#include "view/command_map.h"

#include <wx/defs.h>

#include "view/command_ids.h"

namespace {

// Well above wx's own stock ids and below 0x7FFF.
constexpr int kWxCommandBase = wxID_HIGHEST + 1000;

}  // namespace

const std::vector<int>& GameCommandIds()
{
    static const std::vector<int> aIds = {ID_GAME_NEW,         ID_GAME_GIVEUP, ID_APP_EXIT_GAME, ID_APP_ABOUT,
                                          ID_TOOLS_HELP,       ID_TOOLS_BESTSCORES, ID_TOOLS_OPTIONS,
                                          ID_FILE_NEW,         ID_FILE_OPEN,   ID_TOOLS_STATISTICS};
    return aIds;
}

int WxIdFromCommand(int nCommandId)
{
    const std::vector<int>& aIds = GameCommandIds();
    for (std::size_t i = 0; i < aIds.size(); ++i) {
        if (aIds[i] == nCommandId)
            return kWxCommandBase + static_cast<int>(i);
    }
    return -1;
}

int CommandFromWxId(int nWxId)
{
    const std::vector<int>& aIds = GameCommandIds();
    const int nIndex = nWxId - kWxCommandBase;
    if (nIndex < 0 || nIndex >= static_cast<int>(aIds.size()))
        return -1;
    return aIds[static_cast<std::size_t>(nIndex)];
}
