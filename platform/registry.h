// The per-user registry: typed values under backslash-separated key paths, kept in one SQLite file.
//
// Key paths and value names compare without regard to case, as a registry's do (ASCII letters
// only: SQLite's NOCASE folds A-Z and nothing else). Nothing here throws, and no call waits on
// another program for more than a few tens of milliseconds: the file is in WAL mode, so reading
// never waits for a writer, and a write that meets another program's lock is kept in order and
// tried again (on every later call, on RetryPending and once more at exit) until it lands.
//
// A read tells "absent" from "could not read" (ERead). A store that can be read but not written
// (read-only file or folder, not a database, damaged, not a regular file) keeps what the game
// writes for the rest of the session, so the game sees its own choices, and writes nothing to
// the file; Trouble() says why nothing is being saved. The file is never deleted or replaced.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sqlite_db.h"

struct sqlite3;

enum class ERead { Found, Absent, Failed };
enum class EWrite { Written, Queued, KeptForSession };

// One stored value with its registry type.
struct CRegValue {
    static constexpr int kString = 1;
    static constexpr int kDword = 4;
    int nType = 0;
    std::uint32_t dw = 0;
    std::wstring str;

    static CRegValue Dword(std::uint32_t dw) { return {kDword, dw, {}}; }
    static CRegValue String(std::wstring str) { return {kString, 0, std::move(str)}; }
    bool operator==(const CRegValue&) const = default;
};

// One value written: where, and what.
struct CRegEntry {
    std::wstring strKey;
    std::wstring strName;
    CRegValue value;
};

class CRegistry;

// Reads and writes inside one CRegistry::Update: they land together or not at all.
class CRegistryTxn {
public:
    // Failed for every value when the transaction could not be had in time: a value read then
    // may change before the writes land, so nothing may be claimed on it.
    ERead ReadDword(const std::wstring& strKey, const std::wstring& strName, std::uint32_t& dwValue);
    // A value of either type; Failed as ReadDword, but without marking a missed claim.
    ERead Read(const std::wstring& strKey, const std::wstring& strName, CRegValue& value);
    void Write(const std::wstring& strKey, const std::wstring& strName, const CRegValue& value);

private:
    friend class CRegistry;
    explicit CRegistryTxn(CRegistry& registry) : m_registry(registry) {}
    CRegistry& m_registry;
    bool m_bOnDisk = false;  // inside a database transaction; otherwise writes are queued or kept
    bool m_bLockMissed = false;  // another program held the write lock past the wait
    std::vector<CRegEntry> m_aWrites;
};

class CRegistry {
public:
    // The file is opened only on first use, and created (with its directory) at the first write.
    explicit CRegistry(std::filesystem::path file) : m_path(std::move(file)) {}
    ~CRegistry();
    CRegistry(const CRegistry&) = delete;
    CRegistry& operator=(const CRegistry&) = delete;

    // $XDG_CONFIG_HOME/veltrane-quillorn/registry.db, or ~/.config/... when the variable is unset.
    static std::filesystem::path DefaultPath();

    const std::filesystem::path& File() const { return m_path; }

    // A value of the other type reads as absent. Failed: the file is there but could not be read
    // now (another program holds it locked), so the value is unknown.
    ERead QueryDword(const std::wstring& strKey, const std::wstring& strName, std::uint32_t& dwValue);
    ERead QueryString(const std::wstring& strKey, const std::wstring& strName, std::wstring& strValue);

    EWrite SetValue(const std::wstring& strKey, const std::wstring& strName, const CRegValue& value);
    // False when the value is only kept for the session (or the key is malformed).
    bool WriteDword(const std::wstring& strKey, const std::wstring& strName, std::uint32_t dwValue)
    {
        return SetValue(strKey, strName, CRegValue::Dword(dwValue)) != EWrite::KeptForSession;
    }
    bool WriteString(const std::wstring& strKey, const std::wstring& strName, const std::wstring& strValue)
    {
        return SetValue(strKey, strName, CRegValue::String(strValue)) != EWrite::KeptForSession;
    }

    // Runs fn once as one transaction: its reads see the file as it is while no other program can
    // write, and its writes land together. The write lock is waited for up to nLockWaitMs; when
    // another program holds it longer, fn still runs, but its reads of the file fail (a value read
    // outside the transaction may be taken by another copy meanwhile) and its writes are queued.
    // On a store that cannot be written they are kept for the session.
    EWrite Update(const std::function<void(CRegistryTxn&)>& fn, int nLockWaitMs = kBusyWaitMs);

    // Tries the queued writes again; true when none is left.
    bool RetryPending() { return FlushPending(kBusyWaitMs); }
    // At exit: the queued writes get one last, longer chance. The destructor gives it to
    // whatever is still queued.
    bool FlushAtExit() { return FlushPending(kExitWaitMs); }
    bool HasPending() const { return IsWritable() && !m_aHeld.empty(); }
    // The writes still queued, oldest first, and letting go of them once they are kept elsewhere.
    const std::vector<CRegEntry>& PendingWrites() const { return m_aHeld; }
    void ForgetPending() { m_aHeld.clear(); }
    // The value as the file holds it now, past anything this session holds; Failed when the file
    // cannot be read now.
    ERead QueryStored(const std::wstring& strKey, const std::wstring& strName, CRegValue& value);

    // Why the values of this session are not (all) saved; Locked once writes have waited longer
    // than a few seconds.
    EStoreTrouble Trouble() const;

    // How long a call may wait on another program's lock.
    static constexpr int kBusyWaitMs = 20;
    // How long a read-modify-write that must not be done twice (handing out a word) waits.
    static constexpr int kClaimWaitMs = 1000;
    static constexpr int kExitWaitMs = 2000;

private:
    friend class CRegistryTxn;
    enum class EMode { Unopened, Absent, ReadWrite, ReadOnly, Unreadable };

    // Until the store proves it cannot be written, held writes are queued for the file.
    bool IsWritable() const { return m_mode != EMode::ReadOnly && m_mode != EMode::Unreadable; }
    void EnsureOpen();
    void OpenExisting();
    void CreateFile();
    void Close();
    void GiveUpWriting(EStoreTrouble trouble);
    void NoteBusy(int rc);

    ERead QueryValue(const std::wstring& strKey, const std::wstring& strName, CRegValue& value, bool bInTxn);
    bool FlushPending(int nBusyWaitMs);
    // SQLITE_ROW with the value filled in, SQLITE_DONE when absent (no table counts as absent), or
    // the error. A value of an unknown type, or a number that does not fit 32 bits, is absent.
    int ReadFromFile(const std::wstring& strKey, const std::wstring& strName, CRegValue& value);
    // The table, then each entry, inside a write transaction: SQLITE_OK or the first error.
    int WriteAll(const std::vector<CRegEntry>& aEntries, int nBusyWaitMs);
    static EStoreTrouble TroubleOfWriteError(int rc);

    std::filesystem::path m_path;
    sqlite3* m_db = nullptr;
    EMode m_mode = EMode::Unopened;
    EStoreTrouble m_trouble = EStoreTrouble::None;
    // Written this session and not (yet) on the file, in order: queued while the store is
    // writable, otherwise kept so the game still sees its own choices.
    std::vector<CRegEntry> m_aHeld;
    std::chrono::steady_clock::time_point m_lockedSince;  // first met another program's lock; 0: not now
    std::chrono::steady_clock::time_point m_lastRetry;
    bool m_bClaimMissed = false;  // an Update's reads were refused since the last write landed
};

// Key paths and value names compare so: SQLite's NOCASE folds A-Z and nothing else.
bool SameAsciiNoCase(std::wstring_view a, std::wstring_view b);
// Not empty, no empty component: "a\\b" is a key, "a\\\\b", "\\a" and "a\\" are not.
bool IsWellFormedKey(const std::wstring& strKey);
