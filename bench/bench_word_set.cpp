// Loading a large word set: wall time against `wc -l` on the same file in the same run, peak
// memory against the file size, and how the cost grows with the file (1x, 2x, 4x).
//
// Each parse runs in a child process of its own, so its peak resident memory is the parse's and
// nothing else's. Usage: bench_word_set [rounds-per-size, default 5]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/word_set.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// One "round" is the three sections with 3000 indented words each, CR LF line ends.
void WriteSet(const std::filesystem::path& file, int nRounds)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    std::string word;
    unsigned n = 12345;
    auto next = [&](int nLength) {
        word.assign("  ");
        for (int i = 0; i < nLength; ++i) {
            n = n * 1103515245u + 12345u;
            word.push_back(static_cast<char>('a' + (n >> 16) % 26));
        }
        word += "\r\n";
        return word;
    };
    for (int r = 0; r < nRounds; ++r) {
        const char* markers[] = {"<BEGINNER>\r\n", "<INTERMEDIATE>\r\n", "<ADVANCED>\r\n"};
        for (int s = 0; s < 3; ++s) {
            out << markers[s];
            for (int w = 0; w < 3000; ++w)
                out << next(5 + s);
        }
    }
}

struct CParseRun {
    double dSeconds = 0;     // wall time of the load
    double dCpuSeconds = 0;  // user + system time of the load
    long nFaults = 0;        // page faults during the load
    long nPeakKiB = 0;       // peak resident set of the whole child
    std::size_t nWords = 0;
};

double CpuSeconds(const rusage& usage)
{
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

// Loads in a fresh child; the child reports its own times, faults and word count through a
// pipe, and its peak resident set comes from wait4.
CParseRun ParseInChild(const std::filesystem::path& file)
{
    int fds[2];
    if (pipe(fds) != 0)
        std::exit(1);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        CWordLists lists;
        rusage before{};
        rusage after{};
        getrusage(RUSAGE_SELF, &before);
        const auto t0 = Clock::now();
        const bool bOk = ReadWordSetFile(file, lists);
        const double d = std::chrono::duration<double>(Clock::now() - t0).count();
        getrusage(RUSAGE_SELF, &after);
        const std::size_t nWords = lists.m_wordsBeginner.size() + lists.m_wordsIntermediate.size() +
                                   lists.m_wordsAdvanced.size();
        char buf[160];
        const int n = std::snprintf(buf, sizeof buf, "%d %.9f %.9f %ld %zu", bOk ? 1 : 0, d,
                                    CpuSeconds(after) - CpuSeconds(before), after.ru_minflt - before.ru_minflt,
                                    nWords);
        if (write(fds[1], buf, static_cast<std::size_t>(n)) != n)
            _exit(2);
        _exit(0);  // the lists are not freed: the figure is the load, not the teardown
    }
    close(fds[1]);
    char buf[160] = {};
    const ssize_t nRead = read(fds[0], buf, sizeof buf - 1);
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    CParseRun run;
    int bOk = 0;
    if (nRead <= 0 ||
        std::sscanf(buf, "%d %lf %lf %ld %zu", &bOk, &run.dSeconds, &run.dCpuSeconds, &run.nFaults, &run.nWords) != 5 ||
        !bOk) {
        std::fprintf(stderr, "parse failed\n");
        std::exit(1);
    }
    run.nPeakKiB = usage.ru_maxrss;
    return run;
}

// The baseline: the same child with nothing to parse, for the process's own resident memory.
long EmptyChildPeakKiB(const std::filesystem::path& dir)
{
    const std::filesystem::path empty = dir / "empty.set";
    std::ofstream(empty, std::ios::binary | std::ios::trunc).flush();
    return ParseInChild(empty).nPeakKiB;
}

struct CWcRun {
    double dSeconds = 0;
    double dCpuSeconds = 0;
};

CWcRun RunWc(const std::filesystem::path& file)
{
    std::string strFile = file.string();
    char wc[] = "wc";
    char dashL[] = "-l";
    char* argv[] = {wc, dashL, strFile.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto t0 = Clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, "wc", &actions, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "cannot start wc\n");
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    CWcRun run;
    run.dSeconds = std::chrono::duration<double>(Clock::now() - t0).count();
    run.dCpuSeconds = CpuSeconds(usage);
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

double Median(std::vector<double> a)
{
    std::sort(a.begin(), a.end());
    const std::size_t n = a.size();
    return n % 2 ? a[n / 2] : (a[n / 2 - 1] + a[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    const int nRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    char szTemplate[] = "/tmp/vq-bench-XXXXXX";
    if (!mkdtemp(szTemplate))
        return 1;
    const std::filesystem::path dir = szTemplate;
    const long nBaseKiB = EmptyChildPeakKiB(dir);

    std::printf("runs per size: %d (medians); process baseline %ld KiB\n", nRuns, nBaseKiB);
    std::printf("%-4s %9s %8s | %8s %8s %6s | %8s %8s %6s | %9s %9s %7s | %7s %8s\n", "size", "bytes", "words",
                "load ms", "wc ms", "ratio", "load cpu", "wc cpu", "ratio", "peak KiB", "peak/file", "faults",
                "ns/byte", "x of 1x");
    double dLoad1 = 0;
    for (const int nScale : {1, 2, 4}) {
        const std::filesystem::path file = dir / ("big" + std::to_string(nScale) + ".set");
        WriteSet(file, 200 * nScale);
        const double dBytes = static_cast<double>(std::filesystem::file_size(file));
        RunWc(file);  // warm the page cache for both
        ParseInChild(file);
        std::vector<double> aLoad, aWc, aLoadCpu, aWcCpu, aFaults;
        long nPeak = 0;
        std::size_t nWords = 0;
        for (int i = 0; i < nRuns; ++i) {
            // Interleaved, so both see the same machine load.
            const CWcRun wc = RunWc(file);
            aWc.push_back(wc.dSeconds);
            aWcCpu.push_back(wc.dCpuSeconds);
            const CParseRun run = ParseInChild(file);
            aLoad.push_back(run.dSeconds);
            aLoadCpu.push_back(run.dCpuSeconds);
            aFaults.push_back(static_cast<double>(run.nFaults));
            nPeak = std::max(nPeak, run.nPeakKiB);
            nWords = run.nWords;
        }
        const double dLoad = Median(aLoad), dWc = Median(aWc);
        const double dLoadCpu = Median(aLoadCpu), dWcCpu = Median(aWcCpu);
        if (nScale == 1)
            dLoad1 = dLoad;
        std::printf("%-4s %9.0f %8zu | %8.1f %8.1f %6.2f | %8.1f %8.1f %6.2f | %9ld %9.2f %7.0f | %7.2f %8.2f\n",
                    (std::to_string(nScale) + "x").c_str(), dBytes, nWords, dLoad * 1e3, dWc * 1e3, dLoad / dWc,
                    dLoadCpu * 1e3, dWcCpu * 1e3, dWcCpu > 0 ? dLoadCpu / dWcCpu : 0.0, nPeak,
                    nPeak * 1024.0 / dBytes, Median(aFaults), dLoad * 1e9 / dBytes, dLoad / dLoad1);
        std::filesystem::remove(file);
    }
    std::printf("load = ReadWordSetFile in a fresh process; wc = `wc -l` on the same file (its cpu includes its\n"
                "start-up); ratios load / wc; faults = page faults during the load; goals: wall ratio < 5,\n"
                "peak/file < 8, time linear in size (x of 1x near 2 and 4)\n");
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return 0;
}
