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
#include "platform/files.h"

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
    double dSeconds = 0;
    long nPeakKiB = 0;
    std::size_t nWords = 0;
};

// Parses in a fresh child; the child reports its own time and word count through a pipe, and
// its peak resident set comes from wait4.
// bRulesOnly: the line rules alone (the counting pass), without building the word lists.
CParseRun ParseInChild(const std::filesystem::path& file, bool bRulesOnly = false)
{
    int fds[2];
    if (pipe(fds) != 0)
        std::exit(1);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        CWordLists lists;
        bool bOk = true;
        std::size_t nWords = 0;
        const auto t0 = Clock::now();
        if (bRulesOnly) {
            CWordSetParser parser(lists);
            parser.SetCountOnly(true);
            CByteFile in;
            bOk = in.Open(file);
            std::vector<char> buffer(64 * 1024);
            while (bOk) {
                const std::size_t n = in.Read(buffer.data(), buffer.size());
                if (n == 0)
                    break;
                parser.Feed(std::string_view(buffer.data(), n));
            }
            parser.Finish();
            nWords = parser.m_anCounts[0] + parser.m_anCounts[1] + parser.m_anCounts[2];
        } else {
            bOk = ReadWordSetFile(file, lists);
            nWords = lists.m_wordsBeginner.size() + lists.m_wordsIntermediate.size() + lists.m_wordsAdvanced.size();
        }
        const double d = std::chrono::duration<double>(Clock::now() - t0).count();
        char buf[128];
        const int n = std::snprintf(buf, sizeof buf, "%d %.9f %zu", bOk ? 1 : 0, d, nWords);
        if (write(fds[1], buf, static_cast<std::size_t>(n)) != n)
            _exit(2);
        _exit(0);  // the lists are not freed: the figure is the load, not the teardown
    }
    close(fds[1]);
    char buf[128] = {};
    const ssize_t nRead = read(fds[0], buf, sizeof buf - 1);
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    CParseRun run;
    int bOk = 0;
    if (nRead <= 0 || std::sscanf(buf, "%d %lf %zu", &bOk, &run.dSeconds, &run.nWords) != 3 || !bOk) {
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

double WcSeconds(const std::filesystem::path& file)
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
    waitpid(pid, &status, 0);
    const double d = std::chrono::duration<double>(Clock::now() - t0).count();
    posix_spawn_file_actions_destroy(&actions);
    return d;
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
    std::printf("%-5s %10s %9s %9s %9s %7s %9s %7s %10s %9s %8s\n", "size", "bytes", "words", "load ms", "wc -l ms",
                "ratio", "rules ms", "ratio", "peak KiB", "peak/file", "ns/byte");
    double dParse1 = 0;
    for (const int nScale : {1, 2, 4}) {
        const std::filesystem::path file = dir / ("big" + std::to_string(nScale) + ".set");
        WriteSet(file, 200 * nScale);
        const double dBytes = static_cast<double>(std::filesystem::file_size(file));
        WcSeconds(file);      // warm the page cache for both
        ParseInChild(file);
        std::vector<double> aParse, aWc, aRules;
        long nPeak = 0;
        std::size_t nWords = 0;
        for (int i = 0; i < nRuns; ++i) {
            // Interleaved, so both see the same machine load.
            aWc.push_back(WcSeconds(file));
            aRules.push_back(ParseInChild(file, true).dSeconds);
            const CParseRun run = ParseInChild(file);
            aParse.push_back(run.dSeconds);
            nPeak = std::max(nPeak, run.nPeakKiB);
            nWords = run.nWords;
        }
        const double dParse = Median(aParse), dWc = Median(aWc), dRules = Median(aRules);
        if (nScale == 1)
            dParse1 = dParse;
        std::printf("%-5s %10.0f %9zu %9.1f %9.1f %7.2f %9.1f %7.2f %10ld %9.2f %8.2f  (load x%.2f of 1x)\n",
                    (std::to_string(nScale) + "x").c_str(), dBytes, nWords, dParse * 1e3, dWc * 1e3, dParse / dWc,
                    dRules * 1e3, dRules / dWc, nPeak, nPeak * 1024.0 / dBytes, dParse * 1e9 / dBytes,
                    dParse / dParse1);
        std::filesystem::remove(file);
    }
    std::printf("load = the game's ReadWordSetFile (rules pass + building the lists); rules = the line rules\n"
                "alone; ratios against wc -l; goals: ratio < 5, peak/file < 8, time linear in size\n");
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return 0;
}
