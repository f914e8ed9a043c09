// The per-user registry on one SQLite file: values held for the session, queued writes, and the
// public calls. Opening and checking the file is in registry_file.cpp.
#include "platform/registry.h"

#include <sqlite3.h>

#include <optional>
#include <thread>

#include "platform/registry_sql.h"
#include "platform/text.h"

namespace {

// Writes that wait this long on another program's lock are reported as not being saved.
constexpr auto kLockedReport = std::chrono::seconds(3);
// Queued writes are tried again on a read no more often than this.
constexpr auto kRetrySpacing = std::chrono::milliseconds(200);
constexpr int kExitWaitMs = 2000;

bool SameAsciiNoCase(const std::wstring& a, const std::wstring& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        wchar_t ca = a[i], cb = b[i];
        if (ca >= L'a' && ca <= L'z')
            ca = static_cast<wchar_t>(ca - 32);
        if (cb >= L'a' && cb <= L'z')
            cb = static_cast<wchar_t>(cb - 32);
        if (ca != cb)
            return false;
    }
    return true;
}

}  // namespace

bool IsWellFormedKey(const std::wstring& strKey)
{
    if (strKey.empty() || strKey.front() == L'\\' || strKey.back() == L'\\')
        return false;
    if (strKey.find(L"\\\\") != std::wstring::npos)
        return false;
    return strKey.find(L'\0') == std::wstring::npos;
}

CRegistry::CRegistry(std::filesystem::path file)
    : m_path(std::move(file))
{
}

CRegistry::~CRegistry()
{
    // Going away is this registry's exit: queued writes get their last chance here too, whoever
    // owns it, instead of vanishing with it.
    if (!m_aPending.empty())
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

int CRegistry::WriteAll(const std::vector<CEntry>& aEntries, int nBusyWaitMs)
{
    int rc = SqliteExec(m_db, kSqlCreateTable, nBusyWaitMs);
    for (std::size_t i = 0; rc == SQLITE_OK && i < aEntries.size(); ++i)
        rc = SqlWriteValue(m_db, aEntries[i].strKey, aEntries[i].strName, aEntries[i].value);
    return rc;
}

const CRegistry::CEntry* CRegistry::FindHeld(const std::wstring& strKey, const std::wstring& strName) const
{
    // The newest write of a value wins: queued ones are newer than anything kept or on disk.
    for (const std::vector<CEntry>* list : {&m_aPending, &m_aKept}) {
        for (auto it = list->rbegin(); it != list->rend(); ++it) {
            if (SameAsciiNoCase(it->strName, strName) && SameAsciiNoCase(it->strKey, strKey))
                return &*it;
        }
    }
    return nullptr;
}

ERead CRegistry::QueryValue(const std::wstring& strKey, const std::wstring& strName, CRegValue& value, bool bInTxn)
{
    if (!IsWellFormedKey(strKey))
        return ERead::Absent;
    if (const CEntry* held = FindHeld(strKey, strName)) {
        value = held->value;
        return ERead::Found;
    }
    if (!bInTxn) {
        EnsureOpen();
        if (!m_aPending.empty() && std::chrono::steady_clock::now() - m_lastRetry >= kRetrySpacing)
            FlushPending(kBusyWaitMs);
    }
    switch (m_mode) {
    case EMode::Unopened: return ERead::Failed;  // the file could not even be checked: locked
    case EMode::Absent:
    case EMode::Unreadable: return ERead::Absent;
    default: break;
    }
    const int rc = SqlReadValue(m_db, strKey, strName, value);
    if (rc == SQLITE_ROW) {
        m_lockedSince = {};
        return ERead::Found;
    }
    if (rc == SQLITE_DONE) {
        m_lockedSince = {};
        return ERead::Absent;
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
    const ERead result = QueryValue(strKey, strName, value, false);
    if (result != ERead::Found)
        return result;
    if (value.nType != CRegValue::kDword)
        return ERead::Absent;
    dwValue = value.dw;
    return ERead::Found;
}

ERead CRegistry::QueryString(const std::wstring& strKey, const std::wstring& strName, std::wstring& strValue)
{
    CRegValue value;
    const ERead result = QueryValue(strKey, strName, value, false);
    if (result != ERead::Found)
        return result;
    if (value.nType != CRegValue::kString)
        return ERead::Absent;
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
        std::vector<CEntry> all = std::move(m_aPending);
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
        m_aPending = std::move(all);
        if (!IsBusy(rc))
            GiveUpWriting(TroubleOfWriteError(rc));
        else
            NoteBusy(rc);
    } else {
        m_aPending.insert(m_aPending.end(), txn.m_aWrites.begin(), txn.m_aWrites.end());
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
    if (m_aPending.empty())
        return true;
    EnsureOpen();
    if (m_mode == EMode::Absent)
        CreateFile();
    if (m_mode == EMode::Unopened)
        return false;
    if (m_mode != EMode::ReadWrite) {
        GiveUpWriting(m_trouble);
        return true;
    }
    int rc = SQLITE_OK;
    {
        CSqliteTransaction onDisk(m_db, nBusyWaitMs);
        if (!onDisk.IsHeld()) {
            NoteBusy(onDisk.ErrorCode());
            return false;
        }
        rc = WriteAll(m_aPending, nBusyWaitMs);
        if (rc == SQLITE_OK)
            rc = onDisk.Commit() ? SQLITE_OK : onDisk.ErrorCode();
    }
    if (rc == SQLITE_OK) {
        m_aPending.clear();
        m_lockedSince = {};
        m_bClaimMissed = false;
        return true;
    }
    if (IsBusy(rc)) {
        NoteBusy(rc);
        return false;
    }
    GiveUpWriting(TroubleOfWriteError(rc));
    return true;
}

bool CRegistry::RetryPending()
{
    return FlushPending(kBusyWaitMs);
}

bool CRegistry::FlushAtExit()
{
    return FlushPending(kExitWaitMs);
}

void CRegistry::NoteBusy(int rc)
{
    if (IsBusy(rc) && m_lockedSince == std::chrono::steady_clock::time_point{})
        m_lockedSince = std::chrono::steady_clock::now();
}

void CRegistry::GiveUpWriting(EStoreTrouble trouble)
{
    if (m_trouble == EStoreTrouble::None)
        m_trouble = trouble == EStoreTrouble::None ? EStoreTrouble::CannotWrite : trouble;
    if (m_mode == EMode::ReadWrite || m_mode == EMode::Absent || m_mode == EMode::Unopened)
        m_mode = m_db ? EMode::ReadOnly : EMode::Unreadable;
    // The session keeps what it wrote, in order, so the game still sees its own choices.
    m_aKept.insert(m_aKept.end(), m_aPending.begin(), m_aPending.end());
    m_aPending.clear();
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
    if (m_bLockMissed) {
        m_registry.m_bClaimMissed = true;
        return ERead::Failed;
    }
    for (auto it = m_aWrites.rbegin(); it != m_aWrites.rend(); ++it) {
        if (SameAsciiNoCase(it->strName, strName) && SameAsciiNoCase(it->strKey, strKey)) {
            if (it->value.nType != CRegValue::kDword)
                return ERead::Absent;
            dwValue = it->value.dw;
            return ERead::Found;
        }
    }
    CRegValue value;
    const ERead result = m_registry.QueryValue(strKey, strName, value, true);
    if (result != ERead::Found)
        return result;
    if (value.nType != CRegValue::kDword)
        return ERead::Absent;
    dwValue = value.dw;
    return ERead::Found;
}

ERead CRegistryTxn::Read(const std::wstring& strKey, const std::wstring& strName, CRegValue& value)
{
    if (m_bLockMissed)
        return ERead::Failed;
    return m_registry.QueryValue(strKey, strName, value, true);
}

ERead CRegistry::QueryStored(const std::wstring& strKey, const std::wstring& strName, CRegValue& value)
{
    EnsureOpen();
    if (m_mode != EMode::ReadWrite && m_mode != EMode::ReadOnly)
        return m_mode == EMode::Absent ? ERead::Absent : ERead::Failed;
    const int rc = SqlReadValue(m_db, strKey, strName, value);
    return rc == SQLITE_ROW ? ERead::Found : rc == SQLITE_DONE ? ERead::Absent : ERead::Failed;
}

void CRegistryTxn::Write(const std::wstring& strKey, const std::wstring& strName, const CRegValue& value)
{
    if (IsWellFormedKey(strKey))
        m_aWrites.push_back({strKey, strName, value});
}
