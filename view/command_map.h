// The game's command ids on the toolkit's side. wx wants menu and tool ids below 0x7FFF and
// several game ids are above, so each gets a wx id of its own; the mapping is only used where a
// menu, tool or accelerator meets the command route.
#pragma once

#include <vector>

// The wx id for a game command id, or -1 when the game has no such command.
int WxIdFromCommand(int nCommandId);
// The game command id for a wx id, or -1 when it is none of ours.
int CommandFromWxId(int nWxId);
// Every game command that has a wx id, in the order of the command table.
const std::vector<int>& GameCommandIds();
