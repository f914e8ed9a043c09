// A stored setting as a test checks it: the value in the settings section, or the fallback when it
// is absent, unreadable just now, or stored with the other type.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/profile.h"
#include "platform/registry.h"
#include "store/settings_store.h"

// The key of the settings section, as the registry file holds it.
inline const std::wstring kSettingsKey = L"Software\\Veltrane Corporation\\Veltrane Quillorn\\Veltrane Quillorn";

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

// A registry value as a test checks it: there only when it is read as found, with its type.
inline std::optional<std::uint32_t> DwordIn(CRegistry& reg, const std::wstring& strKey, const std::wstring& strName)
{
    std::uint32_t dw = 0;
    return reg.QueryDword(strKey, strName, dw) == ERead::Found ? std::optional(dw) : std::nullopt;
}

inline std::optional<std::wstring> StringIn(CRegistry& reg, const std::wstring& strKey, const std::wstring& strName)
{
    std::wstring str;
    return reg.QueryString(strKey, strName, str) == ERead::Found ? std::optional(str) : std::nullopt;
}
