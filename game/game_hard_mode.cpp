// Hard mode: what the player has learnt must be used; a guess that could not be the word is refused.
#include <optional>
#include <string>

#include "game/game_core.h"
#include "game/solver.h"

namespace {

std::wstring Counts(int nMatch, int nBingo)
{
    return L"Match " + std::to_wstring(nMatch) + L", Bingo " + std::to_wstring(nBingo);
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
    ShowMessage(L"Hard mode: " + strGuess + L" cannot be the word. " + strEarlier + L" got " +
                Counts(nGotMatch, nGotBingo) + L"; against " + strGuess + L" it would have scored " +
                Counts(contradiction->nMatch, contradiction->nBingo) + L".");
    return true;
}
