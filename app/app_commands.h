// The application's stop on the command route: the About box and the framework's document
// commands. Kept apart from the wx application object so a test window can have the same last stop.
#pragma once

#include "view/command_target.h"

class CAppCommands : public CCommandTarget {
public:
    bool QueryCommand(int nId, bool& bEnabled) const override;
    void OnCommand(int nId) override;
};
