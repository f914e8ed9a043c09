// The application profile: section and value names over the registry's key paths.
#include "platform/profile.h"

#include "platform/registry.h"

std::wstring CAppProfile::SectionKey(const std::wstring& strSection) const
{
    return std::wstring(L"Software\\") + kCompanyKey + L"\\" + kAppName + L"\\" + strSection;
}

ERead CAppProfile::QueryProfileInt(const std::wstring& strSection, const std::wstring& strEntry, int& nValue) const
{
    std::uint32_t dw = 0;
    const ERead result = m_registry.QueryDword(SectionKey(strSection), strEntry, dw);
    if (result == ERead::Found)
        nValue = static_cast<int>(static_cast<std::int32_t>(dw));
    return result;
}

ERead CAppProfile::QueryProfileString(const std::wstring& strSection, const std::wstring& strEntry,
                                      std::wstring& strValue) const
{
    return m_registry.QueryString(SectionKey(strSection), strEntry, strValue);
}

bool CAppProfile::WriteProfileInt(const std::wstring& strSection, const std::wstring& strEntry, int nValue)
{
    return m_registry.WriteDword(SectionKey(strSection), strEntry, static_cast<std::uint32_t>(nValue));
}

bool CAppProfile::WriteProfileString(const std::wstring& strSection, const std::wstring& strEntry,
                                     const std::wstring& strValue)
{
    return m_registry.WriteString(SectionKey(strSection), strEntry, strValue);
}

CAppProfile& TheAppProfile()
{
    // Never destroyed: a late caller during exit still finds it, and the connection closes with
    // the process (every write is already committed).
    static CRegistry* registry = new CRegistry(CRegistry::DefaultPath());
    static CAppProfile* profile = new CAppProfile(*registry);
    return *profile;
}
