// A stop on the command route (view, document, main frame, application): its command table says
// which game command ids it handles and whether each may run right now.
#pragma once

#include <vector>

class CCommandTarget {
public:
    virtual ~CCommandTarget() = default;

    // True when nId is in this target's table; bEnabled then says whether it may run now.
    virtual bool QueryCommand(int nId, bool& bEnabled) const = 0;
    virtual void OnCommand(int nId) = 0;
    // For a check item of this target's table: whether it is ticked now.
    virtual bool IsCommandChecked(int /*nId*/) const { return false; }
};

// The first target on the route whose table lists nId, or nullptr.
CCommandTarget* FindCommandTarget(const std::vector<CCommandTarget*>& aRoute, int nId);
// Runs nId on the first target that lists it; false when none does or it is disabled there.
bool RouteCommand(const std::vector<CCommandTarget*>& aRoute, int nId);
// An item is enabled when some target lists its id and that target allows it now.
bool IsCommandEnabled(const std::vector<CCommandTarget*>& aRoute, int nId);
// A check item is ticked when the target that lists its id says so.
bool IsCommandChecked(const std::vector<CCommandTarget*>& aRoute, int nId);
