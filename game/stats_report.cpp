#include "game/stats_report.h"

#include <algorithm>
#include <cmath>

#include "game/types.h"
#include "platform/text.h"
#include "platform/translate.h"

const char* SkillName(int nSkill)
{
    switch (nSkill) {
    case SkillIntermediate: return N_("Intermediate");
    case SkillAdvanced: return N_("Advanced");
    default: return N_("Beginner");
    }
}

std::wstring FormatSeconds(double dSeconds)
{
    const long long n = std::llround(std::max(0.0, dSeconds));
    wchar_t buf[32];
    if (n >= 3600)
        std::swprintf(buf, 32, L"%lld:%02lld:%02lld", n / 3600, n / 60 % 60, n % 60);
    else
        std::swprintf(buf, 32, L"%lld:%02lld", n / 60, n % 60);
    return buf;
}

std::wstring TriesBucketLabel(int nBucket)
{
    return nBucket == kTriesBuckets - 1 ? std::to_wstring(kTriesBuckets) + L"+" : std::to_wstring(nBucket + 1);
}

std::vector<int> LastFinalScores(const CWordStats& stats, std::size_t nCount)
{
    const auto& an = stats.anFinalScores;
    const std::size_t nFrom = an.size() > nCount ? an.size() - nCount : 0;
    return std::vector<int>(an.begin() + static_cast<std::ptrdiff_t>(nFrom), an.end());
}

std::vector<std::wstring> SpokenStatistics(const CWordStats& stats)
{
    std::vector<std::wstring> astr;
    astr.push_back(Fill(Tr("Words played %1"), {std::to_wstring(stats.nPlayed)}));
    astr.push_back(Fill(Tr("Solved %1 percent"), {std::to_wstring(stats.SolvedPercent())}));
    astr.push_back(Fill(Tr("Current streak %1"), {std::to_wstring(stats.nCurrentStreak)}));
    astr.push_back(Fill(Tr("Best streak %1"), {std::to_wstring(stats.nBestStreak)}));
    const int nLastBucket = stats.nLastSolvedTries > 0 ? stats.TriesBucketOf(stats.nLastSolvedTries) : -1;
    for (int i = 0; i < kTriesBuckets; ++i) {
        const int nWords = stats.anTries[static_cast<std::size_t>(i)];
        // "1 try: 3 words", "15+ tries: 1 word": the bucket and the count each take their own plural.
        std::wstring str = Fill(i == 0 ? Tr("%1 try: %2") : Tr("%1 tries: %2"),
                                {TriesBucketLabel(i), Fill(TrPlural("%1 word", "%1 words", static_cast<unsigned long>(nWords)),
                                                           {std::to_wstring(nWords)})});
        if (i == nLastBucket)
            str += Tr(", the last solved word");
        astr.push_back(str);
    }
    const std::wstring strNone = Tr("none yet");
    astr.push_back(Fill(Tr("Median time to solve %1"), {stats.bHasTimes ? FormatSeconds(stats.dMedianSeconds) : strNone}));
    astr.push_back(Fill(Tr("Best time to solve %1"), {stats.bHasTimes ? FormatSeconds(stats.nBestSeconds) : strNone}));
    astr.push_back(Fill(Tr("Time Trial games %1"), {std::to_wstring(stats.nTimeTrialGames)}));
    const bool bGames = stats.nTimeTrialGames > 0;
    astr.push_back(Fill(Tr("Best final score %1"), {bGames ? std::to_wstring(stats.nBestFinalScore) : strNone}));
    std::wstring strScores;
    for (int n : LastFinalScores(stats, 5))
        strScores += (strScores.empty() ? L"" : L" ") + std::to_wstring(n);
    astr.push_back(Fill(Tr("Last five final scores %1"), {bGames ? strScores : strNone}));
    astr.push_back(Fill(Tr("Solved with a hint %1"), {std::to_wstring(stats.nSolvedWithHint)}));
    return astr;
}
