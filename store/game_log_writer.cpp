// The game log's writer thread.
#include "store/game_log_writer.h"

#include <algorithm>

CGameLogWriter::~CGameLogWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_bStop = true;
        m_exitDeadline = std::chrono::steady_clock::now() + kExitWait;
    }
    m_cvWork.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void CGameLogWriter::Append(CGameLogEntry entry)
{
    {
        std::lock_guard lock(m_mutex);
        m_aQueue.push_back(std::move(entry));
        // A word that has just ended is a good moment to try a locked log again.
        m_bWaitingOnLock = false;
        if (!m_thread.joinable())
            m_thread = std::thread([this] { Run(); });
    }
    m_cvWork.notify_one();
}

bool CGameLogWriter::Flush(std::chrono::milliseconds maxWait)
{
    std::unique_lock lock(m_mutex);
    m_cvIdle.wait_for(lock, maxWait, [this] { return m_aQueue.empty() || m_bWaitingOnLock; });
    return m_aQueue.empty();
}

EStoreTrouble CGameLogWriter::Trouble() const
{
    std::lock_guard lock(m_mutex);
    // A lock another copy holds for a moment is no news; one that keeps entries waiting is.
    if (m_eTrouble == EStoreTrouble::Locked
        && (m_lockedSince == std::chrono::steady_clock::time_point{}
            || std::chrono::steady_clock::now() - m_lockedSince < m_lockedReport))
        return EStoreTrouble::None;
    return m_eTrouble;
}

void CGameLogWriter::WriteFront(CGameLog& log, std::unique_lock<std::mutex>& lock)
{
    // The entry stays at the front while it is written, so a Flush waits for it.
    const CGameLogEntry entry = m_aQueue.front();
    lock.unlock();

    // Opened again after a failure: the lock may be gone, or the file repaired, by now.
    if (log.State() != CGameLog::EState::Writable)
        log.OpenForWriting(m_nBusyTimeoutMs);
    const bool bWritten = log.Append(entry);
    EStoreTrouble trouble = EStoreTrouble::None;
    if (!bWritten) {
        trouble = log.Trouble();
        if (trouble == EStoreTrouble::None)
            trouble = EStoreTrouble::CannotWrite;
        // A connection that met a lock may hold a stale view; the next attempt starts afresh.
        if (trouble == EStoreTrouble::Locked)
            log.Close();
    }

    lock.lock();
    if (trouble == EStoreTrouble::Locked) {
        if (m_lockedSince == std::chrono::steady_clock::time_point{})
            m_lockedSince = std::chrono::steady_clock::now();
        m_eTrouble = trouble;
        return;  // kept at the front, to be tried again
    }
    m_aQueue.pop_front();
    m_lockedSince = {};
    m_eTrouble = trouble;
}

void CGameLogWriter::Run()
{
    CGameLog log(m_path);
    std::unique_lock lock(m_mutex);
    for (;;) {
        if (m_aQueue.empty()) {
            m_cvIdle.notify_all();
            if (m_bStop)
                return;
            m_cvWork.wait(lock, [this] { return m_bStop || !m_aQueue.empty(); });
            continue;
        }
        if (m_bStop && std::chrono::steady_clock::now() >= m_exitDeadline) {
            // The last chance is over: what still waits for the lock is not kept.
            m_aQueue.clear();
            continue;
        }
        WriteFront(log, lock);
        if (!m_aQueue.empty() && m_eTrouble == EStoreTrouble::Locked) {
            // Locked: wait a while before the next try, but wake at once for the exit.
            const bool bStopping = m_bStop;
            auto until = std::chrono::steady_clock::now() + (bStopping ? kRetrySpacing / 5 : kRetrySpacing);
            if (bStopping)
                until = std::min(until, m_exitDeadline);
            m_bWaitingOnLock = true;
            m_cvIdle.notify_all();  // a Flush need not wait out the lock
            m_cvWork.wait_until(lock, until, [&] { return m_bStop != bStopping || !m_bWaitingOnLock; });
            m_bWaitingOnLock = false;
        }
    }
}

CGameLogWriter& TheGameLog()
{
    // Destroyed at exit, after the toolkit is gone, so that the last word's row is written.
    static CGameLogWriter writer(CGameLog::DefaultPath());
    return writer;
}
