// Statistics in words: times, tries and the lines a screen reader speaks.
#include "game/stats_report.h"

#include <algorithm>
#include <cmath>

#include "game/types.h"
#include "platform/text.h"

const wchar_t* SkillName(int nSkill)
{
    switch (nSkill) {
    case SkillIntermediate: return L"Intermediate";
    case SkillAdvanced: return L"Advanced";
    default: return L"Beginner";
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
    astr.push_back(L"Words played " + std::to_wstring(stats.nPlayed));
    astr.push_back(L"Solved " + std::to_wstring(stats.SolvedPercent()) + L" percent");
    astr.push_back(L"Current streak " + std::to_wstring(stats.nCurrentStreak));
    astr.push_back(L"Best streak " + std::to_wstring(stats.nBestStreak));
    const int nLastBucket = stats.nLastSolvedTries > 0 ? stats.TriesBucketOf(stats.nLastSolvedTries) : -1;
    for (int i = 0; i < kTriesBuckets; ++i) {
        const int nWords = stats.anTries[static_cast<std::size_t>(i)];
        std::wstring str = TriesBucketLabel(i) + (i == 0 ? L" try: " : L" tries: ") + std::to_wstring(nWords) +
                           (nWords == 1 ? L" word" : L" words");
        if (i == nLastBucket)
            str += L", the last solved word";
        astr.push_back(str);
    }
    const std::wstring strNone = L" none yet";
    astr.push_back(L"Median time to solve" + (stats.bHasTimes ? L" " + FormatSeconds(stats.dMedianSeconds) : strNone));
    astr.push_back(L"Best time to solve" + (stats.bHasTimes ? L" " + FormatSeconds(stats.nBestSeconds) : strNone));
    astr.push_back(L"Time Trial games " + std::to_wstring(stats.nTimeTrialGames));
    const bool bGames = stats.nTimeTrialGames > 0;
    astr.push_back(L"Best final score" + (bGames ? L" " + std::to_wstring(stats.nBestFinalScore) : strNone));
    std::wstring str = L"Last five final scores";
    for (int n : LastFinalScores(stats, 5))
        str += L" " + std::to_wstring(n);
    astr.push_back(bGames ? str : str + strNone);
    return astr;
}
