// Hard mode: what the player has learnt must be used; a guess that could not be the word is refused.
#include <optional>
#include <string>

#include "game/game_core.h"
#include "game/solver.h"

namespace {

std::wstring Counts(int nMatch, int nBingo)
{
    return Fill(Tr("Match %1, Bingo %2"), {std::to_wstring(nMatch), std::to_wstring(nBingo)});
}

}  // namespace

bool CGameCore::RefusedInHardMode(const std::wstring& strGuess)
{
    const CGuessRecord& history = History();
    const std::optional<CContradiction> contradiction = FirstContradiction(history, strGuess);
    if (!contradiction)
        return false;
    const std::wstring& strEarlier = history.m_astrGuesses[contradiction->nGuess];
    const int nGotMatch = static_cast<int>(history.m_adwMatch[contradiction->nGuess]);
    const int nGotBingo = static_cast<int>(history.m_adwBingo[contradiction->nGuess]);
    ShowMessage(Fill(Tr("Hard mode: %1 cannot be the word. %2 got %3; against %1 it would have scored %4."),
                     {strGuess, strEarlier, Counts(nGotMatch, nGotBingo), Counts(contradiction->nMatch, contradiction->nBingo)}));
    return true;
}
