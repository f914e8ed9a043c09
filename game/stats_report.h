// The statistics in words: times and percentages as the player reads them, the command line's
// report (text or JSON), and the lines a screen reader speaks for the Statistics window's figures.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "store/game_stats.h"

// "Beginner", "Intermediate", "Advanced": the English name, as JSON writes it; Tr() for people.
const char* SkillName(int nSkill);
// Whole seconds, rounded: "0:07", "12:30", "1:02:03".
std::wstring FormatSeconds(double dSeconds);
// "15+" for the last bucket, else the number of tries.
std::wstring TriesBucketLabel(int nBucket);
// The newest at the end, as the chart draws them.
std::vector<int> LastFinalScores(const CWordStats& stats, std::size_t nCount);

// One skill's figures, one per line, the words a screen reader says for what the window paints;
// always the same lines in the same order, so they can be updated in place.
std::vector<std::wstring> SpokenStatistics(const CWordStats& stats);

struct CStatsBlock {
    int nSkill;
    CWordStats stats;
};
void WriteStatsText(std::ostream& out, const std::filesystem::path& log, const std::optional<std::wstring>& strSet,
                    const std::vector<CStatsBlock>& aBlocks);
void WriteStatsJson(std::ostream& out, const std::filesystem::path& log, const std::optional<std::wstring>& strSet,
                    const std::vector<CStatsBlock>& aBlocks);

// "veltrane-quillorn --stats [--skill S] [--set NAME] [--json]"; args are those after --stats.
// Exit status 0, or 2 with a message on err when the arguments are wrong or the log cannot be read.
int RunStatsReport(const std::vector<std::string>& args, const std::filesystem::path& log, std::ostream& out,
                   std::ostream& err);
