// The game log at 100,000 words: opening the Statistics window, what a finished word costs the
// window thread (queued for the writer thread, against writing it in place), and --stats against
// the sqlite3 shell running the same query (it prints the rows; we work the figures out of them). Prints medians of runs taken side by side.
// Needs a display (Xvfb) for the window part; usage: bench_stats [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/init.h>
#include <wx/modalhook.h>

#include "dialogs/dialog_look.h"
#include "dialogs/statistics_dlg.h"
#include "platform/files.h"
#include "store/game_log.h"
#include "store/game_log_writer.h"
#include "store/game_stats.h"

namespace {

using CClock = std::chrono::steady_clock;

double MsSince(CClock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(CClock::now() - t0).count();
}

double Median(std::vector<double> a)
{
    if (a.empty())
        return 0;
    std::sort(a.begin(), a.end());
    const std::size_t n = a.size();
    return n % 2 ? a[n / 2] : (a[n / 2 - 1] + a[n / 2]) / 2;
}

// 100,000 words over three skills and five sets, in one statement: most solved in 2 to 20 tries,
// the rest given up, timed out or abandoned; every tenth word the end of a Time Trial game.
bool MakeLog(const std::filesystem::path& file, int nWords)
{
    CGameLog log(file);
    if (log.OpenForWriting(1000) != CGameLog::EState::Writable)
        return false;
    const std::string strSql =
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(nWords) +
        ") INSERT INTO games(ended_utc, set_name, skill, word, guesses, outcome, seconds, time_trial, level, score,"
        " ends_game) SELECT datetime(1800000000 + i * 300, 'unixepoch'), 'Set' || (i * 7 % 5), i % 3, 'PLANT',"
        " 1 + (i * 13 % 19), CASE WHEN i % 7 < 5 THEN 'solved' WHEN i % 7 = 5 THEN 'gave up'"
        " WHEN i % 14 = 6 THEN 'timed out' ELSE 'abandoned' END, 20 + (i * 31 % 400), (i % 10 = 0), 1 + i % 6,"
        " (i * 37 % 2000), (i % 10 = 0) FROM n";
    return log.Db().Exec(strSql.c_str());
}

// The query with the parameters written in, as the sqlite3 shell takes it.
std::string ShellScript(int nSkill)
{
    // The statement ReadWordStats runs.
    const std::string strQuery =
        "SELECT outcome, guesses, seconds, time_trial AND ends_game, score FROM games"
        " WHERE skill = ?1 AND (?2 IS NULL OR set_name = ?2) ORDER BY id";
    const std::string strSkill = std::to_string(nSkill);
    std::string q;
    for (std::size_t i = 0; i < strQuery.size(); ++i) {
        if (strQuery.compare(i, 2, "?1") == 0) {
            q += strSkill;
            ++i;
        } else if (strQuery.compare(i, 2, "?2") == 0) {
            q += "NULL";
            ++i;
        } else {
            q += strQuery[i];
        }
    }
    q += ";\n";
    return q;
}

double TimeCommand(const std::string& strCommand)
{
    const auto t0 = CClock::now();
    const int rc = std::system((strCommand + " > /dev/null").c_str());
    const double ms = MsSince(t0);
    return rc == 0 ? ms : -1;
}

// Ends every modal dialog as soon as it is about to be shown: what remains is building the window
// and reading the log.
class CCloseAtOnce : public wxModalDialogHook {
public:
    CCloseAtOnce() { Register(); }
    ~CCloseAtOnce() override { Unregister(); }

protected:
    int Enter(wxDialog*) override { return wxID_OK; }
    void Exit(wxDialog*) override {}
};

void BenchDialog(const std::filesystem::path& file, int nRuns)
{
    std::vector<double> aOpen, aPaint, aBoth, aFigures, aSets;
    for (int i = 0; i < nRuns; ++i) {
        {
            CGameLog log(file);
            auto t0 = CClock::now();
            log.OpenForReading(1000);
            CWordStats stats;
            ReadWordStats(log, 0, std::nullopt, stats);
            aFigures.push_back(MsSince(t0));
            t0 = CClock::now();
            log.SetNames();
            aSets.push_back(MsSince(t0));
        }
        auto t0 = CClock::now();
        CStatisticsDlg dlg(file);
        {
            CCloseAtOnce hook;
            dlg.DoModal();
        }
        const double msOpen = MsSince(t0);
        auto& chart = dynamic_cast<CStatisticsChart&>(*dlg.FindWindow(IDC_STATS_CHART));
        const wxSize size = chart.GetClientSize();
        t0 = CClock::now();
        wxBitmap bmp(std::max(size.x, 1), std::max(size.y, 1), 24);
        {
            wxMemoryDC dc(bmp);
            chart.Paint(dc);
        }
        const double msPaint = MsSince(t0);
        aOpen.push_back(msOpen);
        aPaint.push_back(msPaint);
        aBoth.push_back(msOpen + msPaint);
    }
    std::printf("Statistics window, 100,000 words in the log (%d runs)\n", nRuns);
    std::printf("  build and read the log (until shown)  median %7.2f ms\n", Median(aOpen));
    std::printf("  first paint of the figures and charts median %7.2f ms\n", Median(aPaint));
    std::printf("  together                              median %7.2f ms   (goal: under 100 ms)\n", Median(aBoth));
    std::printf("    of which: the figures of one skill   median %7.2f ms\n", Median(aFigures));
    std::printf("              the list of sets           median %7.2f ms\n\n", Median(aSets));
}

void BenchWrite(const std::filesystem::path& file, int nRuns)
{
    CGameLogEntry entry;
    entry.strSet = L"Set1";
    entry.strWord = L"PLANT";
    entry.nGuesses = 4;
    entry.nSeconds = 75;
    CGameLogWriter writer(file);
    CGameLog direct(file);
    direct.OpenForWriting(5000);
    std::vector<double> aQueued, aInPlace;
    // Alternating, so both see the same disk and the same file size.
    for (int i = 0; i < nRuns; ++i) {
        auto t0 = CClock::now();
        writer.Append(entry);
        aQueued.push_back(MsSince(t0));
        writer.Flush(std::chrono::seconds(60));
        t0 = CClock::now();
        direct.Append(entry);
        aInPlace.push_back(MsSince(t0));
    }
    const double msQueued = Median(aQueued);
    const double msInPlace = Median(aInPlace);
    std::printf("One finished word, as the window thread feels it (%d words each, alternating)\n", nRuns);
    std::printf("  queued for the writer thread          median %8.4f ms   (goal: under 5 ms)\n", msQueued);
    std::printf("  written in place (one transaction)    median %8.4f ms   (%.0fx the queued cost)\n\n", msInPlace,
                msQueued > 0 ? msInPlace / msQueued : 0.0);
}

void BenchCommandLine(const std::filesystem::path& dataHome, const std::filesystem::path& file, int nRuns)
{
    const std::filesystem::path program = ProgramDirectory() / "veltrane-quillorn";
    const std::filesystem::path script = dataHome / "stats.sql";
    std::ofstream(script) << ShellScript(0);
    const bool bShell = std::system("command -v sqlite3 > /dev/null 2>&1") == 0;
    const std::string strOurs = "XDG_DATA_HOME='" + dataHome.string() + "' '" + program.string() + "' --stats --skill beginner";
    const std::string strOursJson = strOurs + " --json";
    const std::string strShell = "sqlite3 -batch '" + file.string() + "' < '" + script.string() + "'";
    const std::string strStart = "'" + program.string() + "' --version";
    std::vector<double> aOurs, aJson, aShell, aStart;
    for (int i = 0; i < nRuns; ++i) {
        aStart.push_back(TimeCommand(strStart));
        aOurs.push_back(TimeCommand(strOurs));
        aJson.push_back(TimeCommand(strOursJson));
        if (bShell)
            aShell.push_back(TimeCommand(strShell));
    }
    std::printf("Command line on 100,000 words, Beginner, all sets (%d runs each, alternating)\n", nRuns);
    std::printf("  veltrane-quillorn --stats             median %7.2f ms\n", Median(aOurs));
    std::printf("  veltrane-quillorn --stats --json      median %7.2f ms\n", Median(aJson));
    std::printf("  veltrane-quillorn --version           median %7.2f ms   (starting the program alone)\n",
                Median(aStart));
    if (bShell)
        std::printf("  sqlite3 running the same query        median %7.2f ms   (ours %.2fx)\n", Median(aShell),
                    Median(aOurs) / Median(aShell));
    else
        std::printf("  sqlite3 shell not installed: no comparison\n");
}

}  // namespace

int main(int argc, char** argv)
{
    const int nRuns = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    std::string strTemplate = (std::filesystem::temp_directory_path() / "vq-bench-stats-XXXXXX").string();
    if (!mkdtemp(strTemplate.data()))
        return 1;
    const std::filesystem::path dir = strTemplate;
    const std::filesystem::path file = dir / "veltrane-quillorn" / "games.db";
    if (!MakeLog(file, 100000)) {
        std::fprintf(stderr, "bench_stats: cannot make the log\n");
        return 1;
    }

    BenchCommandLine(dir, file, nRuns);
    std::printf("\n");

    wxApp::SetInstance(new wxApp);
    int argcWx = 1;
    if (!wxEntryStart(argcWx, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "bench_stats: cannot start the toolkit (is DISPLAY set?)\n");
        return 1;
    }
    RegisterGameFonts();
    BenchDialog(file, nRuns);
    BenchWrite(file, nRuns * 4);
    wxEntryCleanup();
    std::filesystem::remove_all(dir);
    return 0;
}
