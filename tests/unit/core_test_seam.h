// The one way tests put the core into a state that play reaches only after several words, many
// minutes or a particular store: everything else a test sets up, it sets up by playing.
#pragma once

#include <string>

#include "game/game_core.h"

class CGameCoreTestSeam {
public:
    // A Time Trial game some levels in, with points banked.
    static void SetStanding(CGameCore& g, int nLevel, int nScore)
    {
        g.m_nLevel = nLevel;
        g.m_nScore = nScore;
    }
    // The countdown of the word in play, as if that many seconds were left.
    static void SetTimeLeft(CGameCore& g, int nTimeLeft) { g.m_nTimeLeft = nTimeLeft; }
    static void SetTimeLimit(CGameCore& g, int nTimeLimit) { g.m_nTimeLimit = nTimeLimit; }
    // The time the previous word took, still on show.
    static void SetElapsed(CGameCore& g, int nElapsed) { g.m_nElapsed = nElapsed; }
    // The guess row as typed and moved about so far: one cell per letter of the word in play.
    static void SetGuessRow(CGameCore& g, const std::wstring& strCells, int nCursor)
    {
        g.m_strGuess = strCells;
        g.m_nCursor = nCursor;
    }
    // The skill and mode as the stored options would give them, without a set loaded.
    static void SetSkillAndMode(CGameCore& g, int nSkill, bool bTimeTrial)
    {
        g.m_nSkill = nSkill;
        g.m_bTimeTrial = bTimeTrial;
    }
};
