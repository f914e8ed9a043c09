// The application profile: values by section and name below
// Software\Veltrane Corporation\Veltrane Quillorn, with defaults for whatever is absent.
#pragma once

#include <string>

#include "platform/registry.h"

class CAppProfile {
public:
    static constexpr const wchar_t* kCompanyKey = L"Veltrane Corporation";
    static constexpr const wchar_t* kAppName = L"Veltrane Quillorn";

    explicit CAppProfile(CRegistry& registry) : m_registry(registry) {}

    // Software\Veltrane Corporation\Veltrane Quillorn\<section>, whatever the executable is called.
    std::wstring SectionKey(const std::wstring& strSection) const;

    // Found, absent (also when stored with the other type), or unreadable just now; the output is
    // only changed when found.
    ERead QueryProfileInt(const std::wstring& strSection, const std::wstring& strEntry, int& nValue) const;
    ERead QueryProfileString(const std::wstring& strSection, const std::wstring& strEntry, std::wstring& strValue) const;

    bool WriteProfileInt(const std::wstring& strSection, const std::wstring& strEntry, int nValue);
    bool WriteProfileString(const std::wstring& strSection, const std::wstring& strEntry,
                            const std::wstring& strValue);

    CRegistry& Registry() const { return m_registry; }

private:
    CRegistry& m_registry;
};

// The process's profile on the default registry file, made on first use. Tests that need their
// own store build a CRegistry and a CAppProfile on a temporary file instead.
CAppProfile& TheAppProfile();
