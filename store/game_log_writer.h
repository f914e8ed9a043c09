// Writes game-log entries on a thread of its own, so that a slow disk or a log locked by another
// copy of the game never holds up the window thread. The thread starts with the first entry.
#pragma once

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>
#include <thread>

#include "store/game_log.h"

class CGameLogWriter {
public:
    explicit CGameLogWriter(std::filesystem::path file, int nBusyTimeoutMs = 5000);
    // Writes whatever is still queued, then stops the thread.
    ~CGameLogWriter();
    CGameLogWriter(const CGameLogWriter&) = delete;
    CGameLogWriter& operator=(const CGameLogWriter&) = delete;

    const std::filesystem::path& File() const { return m_path; }

    // Queues the entry and returns at once. An entry the log cannot take is dropped silently.
    void Append(CGameLogEntry entry);
    // Waits until every entry queued so far has been written or dropped.
    void Flush();

    // How many entries were written and dropped since the start.
    int Written() const;
    int Dropped() const;

private:
    void Run();

    std::filesystem::path m_path;
    int m_nBusyTimeoutMs;

    mutable std::mutex m_mutex;
    std::condition_variable m_cvWork;
    std::condition_variable m_cvIdle;
    std::deque<CGameLogEntry> m_aQueue;
    bool m_bBusy = false;       // the thread is writing an entry it took off the queue
    bool m_bStop = false;
    int m_nWritten = 0;
    int m_nDropped = 0;
    std::thread m_thread;
};

// The process's writer on the default log file, made on first use.
CGameLogWriter& TheGameLog();
