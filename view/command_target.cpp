// Command routing: the first target whose table lists an id owns it.
#include "view/command_target.h"

CCommandTarget* FindCommandTarget(const std::vector<CCommandTarget*>& aRoute, int nId)
{
    for (CCommandTarget* pTarget : aRoute) {
        bool bEnabled = false;
        if (pTarget && pTarget->QueryCommand(nId, bEnabled))
            return pTarget;
    }
    return nullptr;
}

bool RouteCommand(const std::vector<CCommandTarget*>& aRoute, int nId)
{
    if (!IsCommandEnabled(aRoute, nId))
        return false;
    FindCommandTarget(aRoute, nId)->OnCommand(nId);
    return true;
}

bool IsCommandEnabled(const std::vector<CCommandTarget*>& aRoute, int nId)
{
    bool bEnabled = false;
    const CCommandTarget* pTarget = FindCommandTarget(aRoute, nId);
    return pTarget != nullptr && pTarget->QueryCommand(nId, bEnabled) && bEnabled;
}

bool IsCommandChecked(const std::vector<CCommandTarget*>& aRoute, int nId)
{
    const CCommandTarget* pTarget = FindCommandTarget(aRoute, nId);
    return pTarget != nullptr && pTarget->IsCommandChecked(nId);
}
