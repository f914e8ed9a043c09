// Another program's hold on one of the game's files, played by a plain SQLite connection of our
// own, and a look at the registry file past the game's code.
#pragma once

#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "test_sqlite_file.h"

class CStoreLock {
public:
    // Write: a write transaction, as another copy of the game in mid-write; readers go on.
    // Exclusive: the whole file, as a program that keeps it for itself; nobody can even read.
    enum class Kind { Write, Exclusive };
    static constexpr const char* kSettingsKey = "Software\\Veltrane Corporation\\Veltrane Quillorn\\Veltrane Quillorn";

    // strTable: a table of the file, written to nothing so that the lock is really taken.
    CStoreLock(const std::filesystem::path& file, Kind kind, const std::string& strTable = "registry")
    {
        if (sqlite3_open_v2(file.c_str(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            return;
        const std::string strBegin =
            kind == Kind::Write ? "BEGIN IMMEDIATE;" : "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE;";
        const std::string strSql = strBegin + " DELETE FROM " + strTable + " WHERE 0;";
        m_bHeld = sqlite3_exec(m_db, strSql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~CStoreLock()
    {
        if (m_thread.joinable())
            m_thread.join();
        Release();
    }
    CStoreLock(const CStoreLock&) = delete;
    CStoreLock& operator=(const CStoreLock&) = delete;

    bool Held() const { return m_bHeld; }

    void Release()
    {
        if (m_db) {
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(m_db);
            m_db = nullptr;
        }
    }
    // Lets go after a while, from another thread, as the other program would.
    void ReleaseAfter(std::chrono::milliseconds delay)
    {
        m_thread = std::thread([this, delay] {
            std::this_thread::sleep_for(delay);
            Release();
        });
    }

    // The value of one name in the settings section as text, or "absent", read by a fresh connection.
    static std::string ReadRaw(const std::filesystem::path& file, const std::string& name,
                               const std::string& key = kSettingsKey)
    {
        const CSqlRows rows =
            SqlRows(file, "SELECT CAST(value AS TEXT) FROM registry WHERE key = ?1 AND name = ?2", {key, name});
        return rows.empty() ? "absent" : rows[0][0];
    }

private:
    sqlite3* m_db = nullptr;
    bool m_bHeld = false;
    std::thread m_thread;
};
