// The document of the game's document/view shell. The game keeps no document data: everything
// lives in the view and the registry, so this only takes its place on the command route.
#pragma once

#include "view/command_target.h"

class CVeltraneQuillornDoc : public CCommandTarget {
public:
    // The new-document step: nothing to prepare.
    bool OnNewDocument() { return true; }

    bool QueryCommand(int, bool&) const override { return false; }  // an empty command table
    void OnCommand(int) override {}
};
