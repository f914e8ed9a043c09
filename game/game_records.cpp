// The best-score records of the current skill and mode, and the checks that make a new one.
#include "game/game_core.h"

namespace {

// A fewest-tries record that was reset (0), or is damaged, is no record at all.
constexpr int kNoFewestTries = 200;

}  // namespace

int CGameCore::ReadBestRecord(std::wstring& strName, bool& bKnown)
{
    const CBestRecord record = m_records.Read(m_nSkill, m_bTimeTrial);
    bKnown = !record.bUnreadable;
    strName = record.strName;
    if (!m_bTimeTrial && record.nNumber <= 0)
        return kNoFewestTries;
    return record.nNumber;
}

void CGameCore::WriteBestRecord(const std::wstring& strName, int nNumber)
{
    m_records.Write(m_nSkill, m_bTimeTrial, strName, nNumber);
}

void CGameCore::CheckBestScore(int nScore)
{
    std::wstring strName;
    bool bKnown = true;
    // An equal score is no record. A record that cannot be read now is not beaten by default: that
    // would let a locked store replace the real holder.
    if (nScore <= ReadBestRecord(strName, bKnown) || !bKnown)
        return;
    if (RunPlayerNameDlg(strName, Tr("You are best player in this level")) != ResultOK)
        return;
    WriteBestRecord(strName, nScore);
    RunBestScoresDlg();
}

void CGameCore::CheckFewestTries(int nTries)
{
    std::wstring strName;
    bool bKnown = true;
    if (nTries >= ReadBestRecord(strName, bKnown) || !bKnown)
        return;
    if (RunPlayerNameDlg(strName, Tr("You are the best player in this level who took minimum tries.")) != ResultOK)
        return;
    WriteBestRecord(strName, nTries);
    RunBestScoresDlg();
}
