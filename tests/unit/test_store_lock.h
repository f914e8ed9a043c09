// Another program's hold on the registry file, played by a plain SQLite connection of our own, and
// a look at the file past the game's code.
#pragma once

#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

class CStoreLock {
public:
    // Write: a write transaction, as another copy of the game in mid-write; readers go on.
    // Exclusive: the whole file, as a program that keeps it for itself; nobody can even read.
    enum class Kind { Write, Exclusive };

    CStoreLock(const std::filesystem::path& file, Kind kind)
    {
        if (sqlite3_open_v2(file.c_str(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            return;
        const char* sql = kind == Kind::Write
                              ? "BEGIN IMMEDIATE; UPDATE registry SET value = value WHERE 0;"
                              : "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; UPDATE registry SET value = value WHERE 0;";
        m_bHeld = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~CStoreLock()
    {
        if (m_thread.joinable())
            m_thread.join();
        else
            Release();
    }
    CStoreLock(const CStoreLock&) = delete;
    CStoreLock& operator=(const CStoreLock&) = delete;

    bool Held() const { return m_bHeld; }

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
                               const std::string& key = "Software\\Veltrane Corporation\\Veltrane Quillorn\\Veltrane Quillorn")
    {
        std::string result = "absent";
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
            sqlite3_busy_timeout(db, 5000);
            sqlite3_stmt* stmt = nullptr;
            if (sqlite3_prepare_v2(db, "SELECT CAST(value AS TEXT) FROM registry WHERE key = ?1 AND name = ?2", -1,
                                   &stmt, nullptr) == SQLITE_OK) {
                sqlite3_bind_text(stmt, 1, key.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(stmt, 2, name.c_str(), -1, SQLITE_TRANSIENT);
                if (sqlite3_step(stmt) == SQLITE_ROW) {
                    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
                    result = text ? text : "";
                }
            }
            sqlite3_finalize(stmt);
        }
        sqlite3_close(db);
        return result;
    }

    static std::string IntegrityCheck(const std::filesystem::path& file)
    {
        std::string result = "not opened";
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
            sqlite3_stmt* stmt = nullptr;
            if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr) == SQLITE_OK
                && sqlite3_step(stmt) == SQLITE_ROW)
                result = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
            sqlite3_finalize(stmt);
        }
        sqlite3_close(db);
        return result;
    }

private:
    void Release()
    {
        if (m_db) {
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(m_db);
            m_db = nullptr;
        }
    }

    sqlite3* m_db = nullptr;
    bool m_bHeld = false;
    std::thread m_thread;
};
