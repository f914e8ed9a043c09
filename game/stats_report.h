// The statistics in words: times and percentages as the player reads them, and the lines a screen
// reader speaks for the Statistics window's figures.
#pragma once

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
