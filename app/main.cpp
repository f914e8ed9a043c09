// Entry point: the word-set checker and maker, the statistics, the solver and the usual --help and
// --version are answered before any toolkit start-up, so they work without a display; the rest plays.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/run_game.h"
#include "cli/set_checker.h"
#include "cli/set_maker.h"
#include "cli/solve_command.h"
#include "cli/stats_command.h"
#include "game/set_folders.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/translate.h"
#include "store/game_log.h"

namespace {

constexpr const char* kUsage = N_(
    "Usage: veltrane-quillorn              play the game\n"
    "       veltrane-quillorn --check-set [--words] FILE...\n"
    "                                      show what the game reads from word-set files\n"
    "       veltrane-quillorn --stats [--skill S] [--set NAME] [--json]\n"
    "                                      print the statistics kept in the game log\n"
    "       veltrane-quillorn --make-set NAME [--title TEXT] [--shuffle SEED] [--ascii]\n"
    "                                [--output DIR] [--force] FILE...\n"
    "                                      make the set NAME from word lists (one word a line)\n"
    "       veltrane-quillorn --solve [--set NAME|FILE] [--skill beginner|intermediate|advanced]\n"
    "                                [--hard] [--json] [GUESS:MATCH:BINGO ...]\n"
    "                                      the words that fit those counts, and the best next guess\n"
    "       veltrane-quillorn --help | --version\n");

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 2) {
        BindCatalogs(ProgramLocaleDirectory(ProgramDirectory()));
        const std::string first = argv[1];
        if (first == "--help" || first == "-h") {
            std::cout << TrUtf8(kUsage);
            return 0;
        }
        if (first == "--version") {
            std::cout << "veltrane-quillorn 1.0\n";
            return 0;
        }
        if (first == "--check-set")
            return RunSetChecker(std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
        if (first == "--stats")
            return RunStatsReport(std::vector<std::string>(argv + 2, argv + argc), CGameLog::DefaultPath(), std::cout,
                                  std::cerr);
        if (first == "--make-set")
            return RunSetMaker(std::vector<std::string>(argv + 2, argv + argc),
                               CSetFolders(ProgramDataDirectory(), CSetFolders::DefaultUserDirectory()), std::cout,
                               std::cerr);
        if (first == "--solve")
            return RunSolve(std::vector<std::string>(argv + 2, argv + argc),
                            CSetFolders(ProgramDataDirectory(), CSetFolders::DefaultUserDirectory()), TheAppProfile(),
                            std::cout, std::cerr);
        std::cerr << Fill(TrUtf8("veltrane-quillorn: unknown argument '%1'\n"), {first}) << TrUtf8(kUsage);
        return 2;
    }
    return RunGame(argc, argv);
}
