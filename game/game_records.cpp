// The best-score records of the current skill and mode, and the checks that make a new one.
#include "game/game_core.h"

namespace {

// A fewest-tries record that was reset (0), or is damaged, is no record at all.
constexpr int kNoFewestTries = 200;

}  // namespace

int CGameCore::ReadBestRecord(std::wstring& strName)
{
    const CBestRecord record = m_records.Read(PlayedSkill(), m_bTimeTrial);
    strName = record.strName;
    if (!m_bTimeTrial && record.nNumber <= 0)
        return kNoFewestTries;
    return record.nNumber;
}

void CGameCore::WriteBestRecord(const std::wstring& strName, int nNumber)
{
    m_records.Write(PlayedSkill(), m_bTimeTrial, strName, nNumber);
}

void CGameCore::CheckBestScore(int nScore)
{
    std::wstring strName;
    // An equal score is no record.
    if (nScore <= ReadBestRecord(strName))
        return;
    if (RunPlayerNameDlg(strName, L"You are best player in this level") != ResultOK)
        return;
    WriteBestRecord(strName, nScore);
    RunBestScoresDlg();
}

void CGameCore::CheckFewestTries(int nTries)
{
    std::wstring strName;
    if (nTries >= ReadBestRecord(strName))
        return;
    if (RunPlayerNameDlg(strName, L"You are the best player in this level who took minimum tries.") != ResultOK)
        return;
    WriteBestRecord(strName, nTries);
    RunBestScoresDlg();
}
