#include "cli/stats_command.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <ostream>

#include "cli/arguments.h"
#include "game/stats_report.h"
#include "game/types.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "store/game_log.h"
#include "store/game_stats.h"

namespace {

std::string Joined(const std::vector<int>& an, const char* szBetween)
{
    std::string s;
    for (std::size_t i = 0; i < an.size(); ++i)
        s.append(i > 0 ? szBetween : "").append(std::to_string(an[i]));
    return s;
}

std::string JsonInts(const std::vector<int>& an)
{
    return std::string("[").append(Joined(an, ", ")).append("]");
}

// The median may fall between two whole seconds.
std::string JsonNumber(double d)
{
    // to_chars, unlike printf, never writes the player's decimal comma.
    char buf[32];
    const auto result = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::general, 10);
    return std::string(buf, result.ptr);
}

std::string ScoresText(const std::vector<int>& an)
{
    return an.empty() ? "-" : Joined(an, " ");
}

constexpr const char* kStatsUsage = N_("usage: veltrane-quillorn --stats [--skill beginner|intermediate|advanced] "
                                       "[--set NAME] [--json]\n");

struct CStatsBlock {
    int nSkill;
    CWordStats stats;
};

void WriteStatsText(std::ostream& out, const std::wstring& strLog, const std::optional<std::wstring>& strSet,
                    const std::vector<CStatsBlock>& aBlocks)
{
    out << Fill(TrUtf8("Game log: %1"), {EncodeUtf8Escaped(strLog)}) << "\n";
    for (const CStatsBlock& block : aBlocks) {
        const CWordStats& s = block.stats;
        out << "\n" << TrUtf8(SkillName(block.nSkill)) << ", "
            << (strSet ? Fill(TrUtf8("set %1"), {EncodeUtf8Escaped(*strSet)}) : TrUtf8("all sets")) << "\n";
        // Labels padded to 24 characters (not bytes: a translation may hold accented letters).
        auto line = [&](const char* szLabel, const std::string& strValue) {
            const std::wstring strLabel = Tr(szLabel);
            out << "  " << EncodeUtf8(strLabel) << std::string(strLabel.size() < 24 ? 24 - strLabel.size() : 1, ' ')
                << strValue << "\n";
        };
        line(N_("Words played"), std::to_string(s.nPlayed));
        line(N_("Solved"), std::to_string(s.SolvedPercent()) + " % (" + std::to_string(s.nSolved) + ")");
        line(N_("Current streak"), std::to_string(s.nCurrentStreak));
        line(N_("Best streak"), std::to_string(s.nBestStreak));
        out << "  " << TrUtf8("Tries to solve") << "\n";
        const int nLastBucket = s.nLastSolvedTries > 0 ? s.TriesBucketOf(s.nLastSolvedTries) : -1;
        for (int i = 0; i < kTriesBuckets; ++i) {
            char buf[64];
            std::snprintf(buf, sizeof buf, "    %3s %8d", EncodeUtf8(TriesBucketLabel(i)).c_str(),
                          s.anTries[static_cast<std::size_t>(i)]);
            out << buf;
            if (i == nLastBucket)
                out << "   " << TrUtf8("<- last solved word");
            out << "\n";
        }
        line(N_("Median time to solve"), s.bHasTimes ? EncodeUtf8(FormatSeconds(s.dMedianSeconds)) : "-");
        line(N_("Best time to solve"), s.bHasTimes ? EncodeUtf8(FormatSeconds(s.nBestSeconds)) : "-");
        line(N_("Time Trial games"), std::to_string(s.nTimeTrialGames));
        line(N_("Best final score"), s.nTimeTrialGames > 0 ? std::to_string(s.nBestFinalScore) : "-");
        line(N_("Last five final scores"), ScoresText(LastFinalScores(s, 5)));
        line(N_("Last 30 final scores"), ScoresText(s.anFinalScores));
        line(N_("Played with a hint"), std::to_string(s.nPlayedWithHint));
        line(N_("Solved with a hint"), std::to_string(s.nSolvedWithHint));
    }
}

void WriteStatsJson(std::ostream& out, const std::wstring& strLog, const std::optional<std::wstring>& strSet,
                    const std::vector<CStatsBlock>& aBlocks)
{
    out << "{\n  \"log\": " << JsonString(EncodeUtf8(strLog)) << ",\n  \"set\": "
        << (strSet ? JsonString(EncodeUtf8(*strSet)) : "null") << ",\n  \"skills\": [";
    for (std::size_t b = 0; b < aBlocks.size(); ++b) {
        const CWordStats& s = aBlocks[b].stats;
        const std::vector<int> anTries(s.anTries.begin(), s.anTries.end());
        out << (b ? "," : "") << "\n    {\n"
            << "      \"skill\": " << JsonString(SkillName(aBlocks[b].nSkill)) << ",\n"
            << "      \"played\": " << s.nPlayed << ",\n"
            << "      \"solved\": " << s.nSolved << ",\n"
            << "      \"solved_percent\": " << s.SolvedPercent() << ",\n"
            << "      \"current_streak\": " << s.nCurrentStreak << ",\n"
            << "      \"best_streak\": " << s.nBestStreak << ",\n"
            << "      \"tries\": " << JsonInts(anTries) << ",\n"
            << "      \"last_solved_tries\": "
            << (s.nLastSolvedTries > 0 ? std::to_string(s.nLastSolvedTries) : "null") << ",\n"
            << "      \"median_seconds\": " << (s.bHasTimes ? JsonNumber(s.dMedianSeconds) : "null") << ",\n"
            << "      \"best_seconds\": " << (s.bHasTimes ? std::to_string(s.nBestSeconds) : "null") << ",\n"
            // Before time_trial, so every line that was there before stays as it was.
            << "      \"hints\": {\"played\": " << s.nPlayedWithHint << ", \"solved\": " << s.nSolvedWithHint << "},\n"
            << "      \"time_trial\": {\"games\": " << s.nTimeTrialGames
            << ", \"best_score\": " << (s.nTimeTrialGames > 0 ? std::to_string(s.nBestFinalScore) : "null")
            << ", \"last_five\": " << JsonInts(LastFinalScores(s, 5))
            << ", \"last_30\": " << JsonInts(s.anFinalScores) << "}\n    }";
    }
    out << "\n  ]\n}\n";
}

}  // namespace

int RunStatsReport(const std::vector<std::string>& args, const std::filesystem::path& log, std::ostream& out,
                   std::ostream& err)
{
    std::vector<int> anSkills = {SkillBeginner, SkillIntermediate, SkillAdvanced};
    std::optional<std::wstring> strSet;
    bool bJson = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::optional<int> nSkill;
        if (a == "--json") {
            bJson = true;
        } else if (a == "--skill" && i + 1 < args.size() && (nSkill = ParseSkillArgument(args[i + 1]))) {
            anSkills = {*nSkill};
            ++i;
        } else if (a == "--set" && i + 1 < args.size()) {
            strSet = DecodeBytes(args[++i]);
        } else {
            err << Fill(TrUtf8("veltrane-quillorn: --stats: unexpected '%1'\n"), {ShownArgument(a)})
                << TrUtf8(kStatsUsage);
            return 2;
        }
    }

    CGameLog gameLog(log);
    // The path's bytes as the game reads any bytes (what is not UTF-8 is taken as Latin-1), so JSON
    // made of it is valid UTF-8 whatever the file system holds.
    const std::wstring strLogPath = DecodeBytes(log.string());
    const std::string strLog = EncodeUtf8Escaped(strLogPath);
    // Readers never wait long: a log locked for writing is read from its last committed state.
    if (gameLog.OpenForReading(2000) == CGameLog::EState::Closed) {
        if (gameLog.Trouble() == EStoreTrouble::Locked)
            err << Fill(TrUtf8("veltrane-quillorn: the game log %1 is busy: another program holds it locked; try again later\n"),
                        {strLog});
        else
            err << Fill(TrUtf8("veltrane-quillorn: cannot read the game log %1: %2\n"), {strLog, gameLog.Error()});
        return 2;
    }
    std::vector<CStatsBlock> aBlocks;
    for (int nSkill : anSkills) {
        CStatsBlock block{nSkill, {}};
        if (!ReadWordStats(gameLog, nSkill, strSet, block.stats)) {
            err << Fill(TrUtf8("veltrane-quillorn: cannot read the game log %1: %2\n"),
                        {strLog, ShownArgument(gameLog.Db().LastError())});
            return 2;
        }
        aBlocks.push_back(std::move(block));
    }
    if (bJson)
        WriteStatsJson(out, strLogPath, strSet, aBlocks);
    else
        WriteStatsText(out, strLogPath, strSet, aBlocks);
    return 0;
}
