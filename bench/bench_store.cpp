// The settings store under another program's lock, as the window thread feels it: handing out a
// word while another process holds a write transaction, and starting up while another process
// holds the whole file. Runs without a display.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include "game/game_core.h"
#include "platform/profile.h"
#include "platform/registry.h"

namespace {

// The core with every dialog answered at once. No "override" marks: the same file builds against
// cores whose host has a dialog more or less.
class CBenchGame : public CGameCore {
public:
    using CGameCore::CGameCore;
    std::chrono::steady_clock::time_point m_firstDialog{};

protected:
    int RunNewGameDlg(int)
    {
        if (m_firstDialog == std::chrono::steady_clock::time_point{})
            m_firstDialog = std::chrono::steady_clock::now();
        return 1;
    }
    int RunLevelDlg(int, int) { return 7; }
    int RunPlayerNameDlg(std::wstring&, const std::wstring&) { return 2; }
    int RunBestScoresDlg() { return 1; }
    int RunOptionsDlg(COptionsValues&) { return 2; }
    int RunStatisticsDlg() { return 1; }
    void ShowMessage(const std::wstring&) {}
    int ShowWordEndMessage(const std::wstring&) { return 1; }
    void OnWordEnded(EWordEnd) {}
    void StartClock() {}
    void StopClock() {}
    void RepaintView() {}
    void RepaintKey(int) {}
    void RepaintHistory() {}
    void PlayAlert(EAlert) {}
    void PostQuit(int) {}
    CGuessRecord& History() { return m_history; }
    const CGuessRecord& History() const { return m_history; }

private:
    CGuessRecord m_history;
};

struct CFolder {
    std::filesystem::path dir;
    CFolder()
    {
        std::string strTemplate = (std::filesystem::temp_directory_path() / "vq-bench-store-XXXXXX").string();
        if (mkdtemp(strTemplate.data()))
            dir = strTemplate;
        std::ofstream set(dir / "Bench.set");
        set << "<BEGINNER>\n";
        for (int i = 0; i < 1000; ++i)
            set << static_cast<char>('a' + i % 26) << static_cast<char>('a' + i / 26 % 26) << "xyz\n";
    }
    ~CFolder() { std::filesystem::remove_all(dir); }
    std::filesystem::path File() const { return dir / "registry.db"; }
};

// Another process holding the file: a write transaction, or the whole file for itself.
class CLockingProcess {
public:
    CLockingProcess(const std::filesystem::path& file, bool bExclusive)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            close(fds[0]);
            sqlite3* db = nullptr;
            sqlite3_open(file.c_str(), &db);
            const char* sql = bExclusive
                                  ? "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; UPDATE registry SET value = value WHERE 0;"
                                  : "BEGIN IMMEDIATE; UPDATE registry SET value = value WHERE 0;";
            const char ok = sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK ? 'y' : 'n';
            if (write(fds[1], &ok, 1) != 1)
                _exit(1);
            for (;;)
                pause();
        }
        close(fds[1]);
        char ok = 'n';
        m_bHeld = read(fds[0], &ok, 1) == 1 && ok == 'y';
        close(fds[0]);
    }
    ~CLockingProcess()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    bool Held() const { return m_bHeld; }

private:
    pid_t m_pid = -1;
    bool m_bHeld = false;
};

double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// Window-thread time for one word while another process writes.
void BM_HandOutWordLocked(benchmark::State& state)
{
    CFolder folder;
    CRegistry registry(folder.File());
    CAppProfile profile(registry);
    CBenchGame game(profile, folder.dir);
    game.StartFirstWord();
    CLockingProcess lock(folder.File(), false);
    if (!lock.Held()) {
        state.SkipWithError("the other process could not take the lock");
        return;
    }
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(game.PickNextWord());
        state.SetIterationTime(Seconds(std::chrono::steady_clock::now() - t0));
    }
}
BENCHMARK(BM_HandOutWordLocked)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_HandOutWordFree(benchmark::State& state)
{
    CFolder folder;
    CRegistry registry(folder.File());
    CAppProfile profile(registry);
    CBenchGame game(profile, folder.dir);
    game.StartFirstWord();
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(game.PickNextWord());
        state.SetIterationTime(Seconds(std::chrono::steady_clock::now() - t0));
    }
}
BENCHMARK(BM_HandOutWordFree)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

// From the start of the game to its first dialog while another process keeps the file to itself.
void BM_StartUpLocked(benchmark::State& state)
{
    CFolder folder;
    {
        CRegistry registry(folder.File());
        CAppProfile profile(registry);
        CBenchGame game(profile, folder.dir);
        game.StartFirstWord();
    }
    CLockingProcess lock(folder.File(), true);
    if (!lock.Held()) {
        state.SkipWithError("the other process could not take the lock");
        return;
    }
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        CRegistry registry(folder.File());
        CAppProfile profile(registry);
        CBenchGame game(profile, folder.dir);
        game.StartFirstWord();
        state.SetIterationTime(Seconds(game.m_firstDialog - t0));
    }
}
BENCHMARK(BM_StartUpLocked)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
