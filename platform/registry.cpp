// The per-user registry on one SQLite file: values held for the session, queued writes, and the
// public calls. Opening and checking the file is in registry_file.cpp.
#include "platform/registry.h"

#include <sqlite3.h>

#include <algorithm>
#include <optional>
#include <thread>

#include "platform/files.h"
#include "platform/text.h"

namespace {

// Writes that wait this long on another program's lock are reported as not being saved.
constexpr auto kLockedReport = std::chrono::seconds(3);
// Queued writes are tried again on a read no more often than this.
constexpr auto kRetrySpacing = std::chrono::milliseconds(200);

// The newest write of the value in the list, or null.
const CRegEntry* FindNewest(const std::vector<CRegEntry>& aList, const std::wstring& strKey, const std::wstring& strName)
{
    for (auto it = aList.rbegin(); it != aList.rend(); ++it) {
        if (SameAsciiNoCase(it->strName, strName) && SameAsciiNoCase(it->strKey, strKey))
            return &*it;
    }
    return nullptr;
}

// A value of the other type reads as absent.
ERead DwordOf(ERead result, const CRegValue& value, std::uint32_t& dwValue)
{
    if (result != ERead::Found || value.nType != CRegValue::kDword)
        return result == ERead::Found ? ERead::Absent : result;
    dwValue = value.dw;
    return ERead::Found;
}

}  // namespace

bool SameAsciiNoCase(std::wstring_view a, std::wstring_view b)
{
    const auto fold = [](wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; };
    return std::ranges::equal(a, b, {}, fold, fold);
}

bool IsWellFormedKey(const std::wstring& strKey)
{
    if (strKey.empty() || strKey.front() == L'\\' || strKey.back() == L'\\')
        return false;
    if (strKey.find(L"\\\\") != std::wstring::npos)
        return false;
    return strKey.find(L'\0') == std::wstring::npos;
}

CRegistry::~CRegistry()
{
    // Going away is this registry's exit: queued writes get their last chance here too, whoever
    // owns it, instead of vanishing with it.
    if (HasPending())
        FlushAtExit();
    Close();
}

void CRegistry::Close()
{
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

std::filesystem::path CRegistry::DefaultPath()
{
    return XdgBaseDirectory("XDG_CONFIG_HOME", ".config") / "veltrane-quillorn" / "registry.db";
}

ERead CRegistry::QueryValue(const std::wstring& strKey, const std::wstring& strName, CRegValue& value, bool bInTxn)
{
    if (!IsWellFormedKey(strKey))
        return ERead::Absent;
    // The newest write of a value wins: held ones are newer than anything on disk.
    if (const CRegEntry* held = FindNewest(m_aHeld, strKey, strName)) {
        value = held->value;
        return ERead::Found;
    }
    if (!bInTxn) {
        EnsureOpen();
        if (HasPending() && std::chrono::steady_clock::now() - m_lastRetry >= kRetrySpacing)
            FlushPending(kBusyWaitMs);
    }
    switch (m_mode) {
    case EMode::Unopened: return ERead::Failed;  // the file could not even be checked: locked
    case EMode::Absent:
    case EMode::Unreadable: return ERead::Absent;
    default: break;
    }
    const int rc = ReadFromFile(strKey, strName, value);
    if (rc == SQLITE_ROW || rc == SQLITE_DONE) {
        m_lockedSince = {};
        return rc == SQLITE_ROW ? ERead::Found : ERead::Absent;
    }
    if (rc == SQLITE_CORRUPT || rc == SQLITE_NOTADB) {
        // Damage found late: from now on nothing more is read from or written to the file.
        GiveUpWriting(EStoreTrouble::Damaged);
        m_mode = EMode::Unreadable;
        Close();
        return ERead::Absent;
    }
    NoteBusy(rc);
    return ERead::Failed;
}

ERead CRegistry::QueryDword(const std::wstring& strKey, const std::wstring& strName, std::uint32_t& dwValue)
{
    CRegValue value;
    return DwordOf(QueryValue(strKey, strName, value, false), value, dwValue);
}

ERead CRegistry::QueryString(const std::wstring& strKey, const std::wstring& strName, std::wstring& strValue)
{
    CRegValue value;
    const ERead result = QueryValue(strKey, strName, value, false);
    if (result != ERead::Found || value.nType != CRegValue::kString)
        return result == ERead::Found ? ERead::Absent : result;
    strValue = value.str;
    return ERead::Found;
}

EWrite CRegistry::SetValue(const std::wstring& strKey, const std::wstring& strName, const CRegValue& value)
{
    if (!IsWellFormedKey(strKey))
        return EWrite::KeptForSession;
    return Update([&](CRegistryTxn& txn) { txn.Write(strKey, strName, value); });
}

EWrite CRegistry::Update(const std::function<void(CRegistryTxn&)>& fn, int nLockWaitMs)
{
    EnsureOpen();
    // A file that could not even be checked for a lock gets the same wait as the write lock.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(nLockWaitMs);
    while (m_mode == EMode::Unopened && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        EnsureOpen();
    }
    if (m_mode == EMode::Absent)
        CreateFile();
    CRegistryTxn txn(*this);
    std::optional<CSqliteTransaction> onDisk;
    if (m_mode == EMode::ReadWrite) {
        onDisk.emplace(m_db, nLockWaitMs);
        txn.m_bOnDisk = onDisk->IsHeld();
        if (!txn.m_bOnDisk) {
            NoteBusy(onDisk->ErrorCode());
            txn.m_bLockMissed = true;
        }
    } else if (m_mode == EMode::Unopened) {
        txn.m_bLockMissed = true;  // locked before it could even be checked
    }
    fn(txn);
    if (txn.m_bOnDisk) {
        // Older queued writes go first, so the file never sees them land after newer ones.
        std::vector<CRegEntry> all = std::move(m_aHeld);
        all.insert(all.end(), txn.m_aWrites.begin(), txn.m_aWrites.end());
        int rc = WriteAll(all, kBusyWaitMs);
        if (rc == SQLITE_OK)
            rc = onDisk->Commit() ? SQLITE_OK : onDisk->ErrorCode();
        if (rc == SQLITE_OK) {
            m_lockedSince = {};
            m_bClaimMissed = false;
            return EWrite::Written;
        }
        onDisk.reset();  // rolled back
        m_aHeld = std::move(all);
        if (!IsSqliteBusy(rc))
            GiveUpWriting(TroubleOfWriteError(rc));
        else
            NoteBusy(rc);
    } else {
        m_aHeld.insert(m_aHeld.end(), txn.m_aWrites.begin(), txn.m_aWrites.end());
    }
    if (m_mode == EMode::ReadWrite || m_mode == EMode::Unopened) {
        if (m_lockedSince == std::chrono::steady_clock::time_point{})
            m_lockedSince = std::chrono::steady_clock::now();
        return EWrite::Queued;
    }
    GiveUpWriting(m_trouble == EStoreTrouble::None ? EStoreTrouble::CannotWrite : m_trouble);
    return EWrite::KeptForSession;
}

bool CRegistry::FlushPending(int nBusyWaitMs)
{
    m_lastRetry = std::chrono::steady_clock::now();
    // An update that writes nothing of its own lands what is queued, or keeps it queued.
    return !HasPending() || Update([](CRegistryTxn&) {}, nBusyWaitMs) != EWrite::Queued;
}

void CRegistry::NoteBusy(int rc)
{
    if (IsSqliteBusy(rc) && m_lockedSince == std::chrono::steady_clock::time_point{})
        m_lockedSince = std::chrono::steady_clock::now();
}

void CRegistry::GiveUpWriting(EStoreTrouble trouble)
{
    if (m_trouble == EStoreTrouble::None)
        m_trouble = trouble == EStoreTrouble::None ? EStoreTrouble::CannotWrite : trouble;
    if (IsWritable())
        m_mode = m_db ? EMode::ReadOnly : EMode::Unreadable;
}

EStoreTrouble CRegistry::Trouble() const
{
    if (m_trouble != EStoreTrouble::None)
        return m_trouble;
    // A word handed out without its claim is news at once: it may come again.
    if (m_bClaimMissed)
        return EStoreTrouble::Locked;
    if (m_lockedSince != std::chrono::steady_clock::time_point{}
        && std::chrono::steady_clock::now() - m_lockedSince >= kLockedReport)
        return EStoreTrouble::Locked;
    return EStoreTrouble::None;
}

ERead CRegistryTxn::ReadDword(const std::wstring& strKey, const std::wstring& strName, std::uint32_t& dwValue)
{
    if (m_bLockMissed)
        m_registry.m_bClaimMissed = true;
    CRegValue value;
    return DwordOf(Read(strKey, strName, value), value, dwValue);
}

ERead CRegistryTxn::Read(const std::wstring& strKey, const std::wstring& strName, CRegValue& value)
{
    if (m_bLockMissed)
        return ERead::Failed;
    if (const CRegEntry* written = FindNewest(m_aWrites, strKey, strName)) {
        value = written->value;
        return ERead::Found;
    }
    return m_registry.QueryValue(strKey, strName, value, true);
}

ERead CRegistry::QueryStored(const std::wstring& strKey, const std::wstring& strName, CRegValue& value)
{
    EnsureOpen();
    if (m_mode != EMode::ReadWrite && m_mode != EMode::ReadOnly)
        return m_mode == EMode::Absent ? ERead::Absent : ERead::Failed;
    const int rc = ReadFromFile(strKey, strName, value);
    return rc == SQLITE_ROW ? ERead::Found : rc == SQLITE_DONE ? ERead::Absent : ERead::Failed;
}

void CRegistryTxn::Write(const std::wstring& strKey, const std::wstring& strName, const CRegValue& value)
{
    if (IsWellFormedKey(strKey))
        m_aWrites.push_back({strKey, strName, value});
}
