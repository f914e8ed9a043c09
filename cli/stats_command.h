// "veltrane-quillorn --stats [--skill S] [--set NAME] [--json]": the figures of the game log for
// people and scripts.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

// args are those after --stats. Exit status 0, or 2 with a message on err when the arguments are
// wrong or the log cannot be read.
int RunStatsReport(const std::vector<std::string>& args, const std::filesystem::path& log, std::ostream& out,
                   std::ostream& err);
