// Alert sounds and the debug line.
#include "platform/services.h"

#include <canberra.h>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/text.h"

namespace {

// Sounds are played from a thread of their own: opening the sound back end may probe for a server
// and wait on it, and the countdown must never stall behind that. The queue is bounded so a burst
// of alerts with no server to hear them cannot grow without end.
class CSoundPlayer {
public:
    CSoundPlayer() { std::thread([this] { Run(); }).detach(); }

    void Post(EAlert kind)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_aPending.size() >= kMaxPending)
            return;
        m_aPending.push_back(kind);
        m_cv.notify_one();
    }

private:
    static constexpr std::size_t kMaxPending = 4;
    static constexpr int kMaxFailures = 3;

    void Run()
    {
        ca_context* ctx = nullptr;
        bool bUsable = ca_context_create(&ctx) == CA_SUCCESS;
        if (bUsable) {
            ca_context_change_props(ctx, CA_PROP_APPLICATION_NAME, "Veltrane Quillorn", CA_PROP_APPLICATION_ID,
                                    "veltrane-quillorn", nullptr);
            bUsable = ca_context_open(ctx) == CA_SUCCESS;
        }
        // A machine without a sound device fails every play, and the sound library complains on
        // stderr each time; after a few failures in a row the rest of the session stays quiet.
        for (int nFailures = 0;;) {
            EAlert kind;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_cv.wait(lock, [this] { return !m_aPending.empty(); });
                kind = m_aPending.front();
                m_aPending.pop_front();
            }
            if (!bUsable)
                continue;  // no server: drained and dropped
            const char* event = kind == EAlert::Asterisk ? "dialog-information" : "dialog-warning";
            // Asynchronous: returns once the back end has the request.
            const int rc = ca_context_play(ctx, 0, CA_PROP_EVENT_ID, event, CA_PROP_EVENT_DESCRIPTION,
                                           "Veltrane Quillorn alert", nullptr);
            nFailures = rc == CA_SUCCESS ? 0 : nFailures + 1;
            bUsable = nFailures < kMaxFailures;
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<EAlert> m_aPending;
};

}  // namespace

void PlayAlertSound(EAlert kind)
{
    // Never destroyed: the detached player thread may still be waiting on it while the process exits.
    static CSoundPlayer* player = new CSoundPlayer;
    player->Post(kind);
}

void DebugOutput(std::wstring_view text)
{
    if (!std::getenv("VELTRANE_QUILLORN_DEBUG"))
        return;
    // One call per line on the unbuffered stderr, so lines from two threads do not interleave.
    const std::string line = EncodeUtf8(text) + '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
}
