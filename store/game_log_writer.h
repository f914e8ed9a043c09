// Writes game-log entries on a thread of its own, so that a slow disk or a log locked by another
// copy of the game never holds up the window thread. The thread starts with the first entry.
//
// No wait of the window thread on the log is unbounded: Flush gives up after a deadline, and the
// writer's own calls into SQLite wait a short while at most. An entry that meets another
// program's lock is kept, in order, and tried again; at exit the entries still waiting get one
// last chance within a short deadline. A log that cannot be kept at all (not a regular file,
// not a database, another program's database, damaged, read-only, disk full) drops its entries,
// and Trouble() says why, for the player's notice.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>
#include <thread>

#include "store/game_log.h"

class CGameLogWriter {
public:
    // nBusyTimeoutMs bounds each attempt on a locked file; a lock that keeps entries waiting for
    // nLockedReportMs is reported by Trouble().
    explicit CGameLogWriter(std::filesystem::path file, int nBusyTimeoutMs = 100, int nLockedReportMs = 3000)
        : m_path(std::move(file)), m_nBusyTimeoutMs(nBusyTimeoutMs), m_lockedReport(nLockedReportMs)
    {
    }
    // Writes whatever is still queued within the exit deadline, then stops the thread.
    ~CGameLogWriter();
    CGameLogWriter(const CGameLogWriter&) = delete;
    CGameLogWriter& operator=(const CGameLogWriter&) = delete;

    const std::filesystem::path& File() const { return m_path; }

    // Queues the entry and returns at once.
    void Append(CGameLogEntry entry);
    // For the window thread: waits until every entry queued so far has been written or dropped,
    // but no longer than the deadline, and not at all once the oldest has met a lock. True when
    // nothing is left waiting.
    bool Flush(std::chrono::milliseconds maxWait = std::chrono::milliseconds(1000));

    // Why entries are not being kept; None while they are (a short lock is not reported).
    EStoreTrouble Trouble() const;

    // How long the entries still waiting at exit may take.
    static constexpr std::chrono::milliseconds kExitWait{1000};
    // How long the writer waits before trying a locked log again.
    static constexpr std::chrono::milliseconds kRetrySpacing{250};

private:
    void Run();
    // One attempt at the oldest entry; the lock is not held meanwhile.
    void WriteFront(CGameLog& log, std::unique_lock<std::mutex>& lock);

    std::filesystem::path m_path;
    int m_nBusyTimeoutMs;
    std::chrono::milliseconds m_lockedReport;

    mutable std::mutex m_mutex;
    std::condition_variable m_cvWork;
    std::condition_variable m_cvIdle;
    std::deque<CGameLogEntry> m_aQueue;  // the front is the one being written or waiting for a lock
    bool m_bWaitingOnLock = false;  // the front entry met a lock; the thread waits to try again
    bool m_bStop = false;
    std::chrono::steady_clock::time_point m_exitDeadline;
    std::chrono::steady_clock::time_point m_lockedSince;  // 0: not waiting on a lock
    EStoreTrouble m_eTrouble = EStoreTrouble::None;        // of the last failed attempt
    std::thread m_thread;
};

// The process's writer on the default log file, made on first use.
CGameLogWriter& TheGameLog();
