// A stored setting as a test checks it: the value in the settings section, or the fallback when it
// is absent, unreadable just now, or stored with the other type.
#pragma once

#include <string>

#include "platform/profile.h"
#include "store/settings_store.h"

inline int StoredInt(const CAppProfile& profile, const wchar_t* szName, int nFallback)
{
    profile.QueryProfileInt(CSettingsStore::kSection, szName, nFallback);
    return nFallback;
}

inline std::wstring StoredString(const CAppProfile& profile, const wchar_t* szName, std::wstring strFallback = {})
{
    profile.QueryProfileString(CSettingsStore::kSection, szName, strFallback);
    return strFallback;
}
