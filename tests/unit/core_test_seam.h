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
    // Hard mode and the word check as the Options dialog would turn them on or off.
    static void SetHardMode(CGameCore& g, bool bHardMode) { g.m_bHardMode = bHardMode; }
    static void SetWordCheck(CGameCore& g, bool bWordCheck) { g.m_bWordCheck = bWordCheck; }

    // What the player sees only through its effects.
    static bool IsClockRunning(const CGameCore& g) { return g.m_bClockRunning; }
    static bool IsPaused(const CGameCore& g) { return g.m_bPaused; }
    static bool IsHintUsed(const CGameCore& g) { return g.m_bHintUsed; }
    static bool IsSoundOn(const CGameCore& g) { return g.m_bSound; }
    static bool IsHardMode(const CGameCore& g) { return g.m_bHardMode; }
    static bool IsWordCheck(const CGameCore& g) { return g.m_bWordCheck; }
    static int WordIndex(const CGameCore& g) { return g.m_nWordIndex; }
    static const CWordLists& Words(const CGameCore& g) { return g.m_words; }
};
