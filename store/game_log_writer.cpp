// The game log's writer thread.
#include "store/game_log_writer.h"

CGameLogWriter::CGameLogWriter(std::filesystem::path file, int nBusyTimeoutMs)
    : m_path(std::move(file)), m_nBusyTimeoutMs(nBusyTimeoutMs)
{
}

CGameLogWriter::~CGameLogWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_bStop = true;
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
        if (!m_thread.joinable())
            m_thread = std::thread([this] { Run(); });
    }
    m_cvWork.notify_one();
}

void CGameLogWriter::Flush()
{
    std::unique_lock lock(m_mutex);
    m_cvIdle.wait(lock, [this] { return m_aQueue.empty() && !m_bBusy; });
}

int CGameLogWriter::Written() const
{
    std::lock_guard lock(m_mutex);
    return m_nWritten;
}

int CGameLogWriter::Dropped() const
{
    std::lock_guard lock(m_mutex);
    return m_nDropped;
}

void CGameLogWriter::Run()
{
    CGameLog log(m_path);
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_cvWork.wait(lock, [this] { return m_bStop || !m_aQueue.empty(); });
        if (m_aQueue.empty())
            return;  // stopping, and everything is written
        CGameLogEntry entry = std::move(m_aQueue.front());
        m_aQueue.pop_front();
        m_bBusy = true;
        lock.unlock();

        // Opened again after a failure: the lock may be gone, or the file repaired, by now.
        if (log.State() != CGameLog::EState::Writable)
            log.OpenForWriting(m_nBusyTimeoutMs);
        const bool bWritten = log.Append(entry);

        lock.lock();
        m_bBusy = false;
        ++(bWritten ? m_nWritten : m_nDropped);
        if (m_aQueue.empty())
            m_cvIdle.notify_all();
    }
}

CGameLogWriter& TheGameLog()
{
    // Destroyed at exit, after the toolkit is gone, so that the last word's row is written.
    static CGameLogWriter writer(CGameLog::DefaultPath());
    return writer;
}
