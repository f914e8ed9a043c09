// The per-user registry: typed values under backslash-separated key paths, kept in one SQLite file.
//
// Key paths and value names compare without regard to case, as a registry's do (ASCII letters
// only: SQLite's NOCASE folds A-Z and nothing else). Every write is
// committed before it returns. Two running copies of the game may share the file: each statement
// is its own short transaction and waits out the other's lock. Nothing here throws; a store that
// cannot be opened or written makes reads fail and writes return false, and the file is never
// deleted or replaced.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

struct sqlite3;

class CRegistry {
public:
    // The file is opened (and its directory created) only on first use.
    explicit CRegistry(std::filesystem::path file);
    ~CRegistry();
    CRegistry(const CRegistry&) = delete;
    CRegistry& operator=(const CRegistry&) = delete;

    // $XDG_CONFIG_HOME/veltrane-quillorn/registry.db, or ~/.config/... when the variable is unset.
    static std::filesystem::path DefaultPath();

    const std::filesystem::path& File() const { return m_path; }

    // Creates or opens a key. Keys exist through their values, so this only checks that the path
    // is well formed (not empty, no empty component); it touches no file, and a store that cannot
    // be written still opens keys, so the game plays on with defaults.
    bool CreateKey(const std::wstring& strKey);

    // A 4-byte value: fails when absent or not stored as an integer.
    bool ReadDword(const std::wstring& strKey, const std::wstring& strName, std::uint32_t& dwValue);
    bool WriteDword(const std::wstring& strKey, const std::wstring& strName, std::uint32_t dwValue);
    // A string value: fails when absent or not stored as a string.
    bool ReadString(const std::wstring& strKey, const std::wstring& strName, std::wstring& strValue);
    bool WriteString(const std::wstring& strKey, const std::wstring& strName, const std::wstring& strValue);

private:
    bool Open(bool bForWrite);

    std::filesystem::path m_path;
    sqlite3* m_db = nullptr;
    bool m_bWritable = false;
};

// An open key: the registry plus the key's path, closed when it goes out of scope.
class CRegKey {
public:
    CRegKey() = default;
    bool Create(CRegistry& registry, const std::wstring& strKey);
    void Close() { m_pRegistry = nullptr; }
    bool IsOpen() const { return m_pRegistry != nullptr; }

    bool QueryDWORDValue(const std::wstring& strName, std::uint32_t& dwValue) const;
    bool SetDWORDValue(const std::wstring& strName, std::uint32_t dwValue) const;

private:
    CRegistry* m_pRegistry = nullptr;
    std::wstring m_strKey;
};
