// What the solver tells the player: the hint and what it costs, the review of a word that ended,
// and hard mode's refusal of a guess that could not be the word.
#include <algorithm>

#include "game/game_core.h"
#include "game/solver.h"
#include "game/word_review.h"

namespace {

std::vector<CScoredGuess> ScoredGuesses(const CGuessRecord& history)
{
    std::vector<CScoredGuess> aGuesses;
    for (std::size_t i = 0; i < history.GuessCount(); ++i) {
        aGuesses.push_back({history.m_astrGuesses[i], static_cast<int>(history.m_adwMatch[i]),
                            static_cast<int>(history.m_adwBingo[i])});
    }
    return aGuesses;
}

std::wstring Counts(int nMatch, int nBingo)
{
    return Fill(Tr("Match %1, Bingo %2"), {std::to_wstring(nMatch), std::to_wstring(nBingo)});
}

}  // namespace

const CSolverWords& CGameCore::SolverWords()
{
    if (m_nSolverSkill != m_nSkill) {
        m_solverWords = CSolverWords(WordsOfSkill());
        m_nSolverSkill = m_nSkill;
    }
    return m_solverWords;
}

std::vector<std::size_t> CGameCore::WordsThatFit()
{
    return FittingWords(SolverWords(), ScoredGuesses(History()));
}

std::size_t CGameCore::WordsThatFitCount()
{
    if (!m_nFitCount)
        m_nFitCount = WordsThatFit().size();
    return *m_nFitCount;
}

void CGameCore::OnHint()
{
    if (m_bGameOver)
        return;
    const std::vector<std::size_t> anFit = WordsThatFit();
    const std::optional<CBestGuess> best =
        BestGuess(SolverWords(), anFit, m_bHardMode ? EGuessPool::FittingOnly : EGuessPool::AnyWord);
    // The magic word always fits its own counts; nothing fits only if it is not in the list.
    if (!best)
        return;
    m_bHintUsed = true;
    std::wstring strCost;
    if (m_bTimeTrial) {
        m_nTimeLeft = std::max(0, m_nTimeLeft - kHintSeconds);
        strCost = L" " + Fill(TrPlural("The hint cost %1 second.", "The hint cost %1 seconds.", kHintSeconds), {std::to_wstring(kHintSeconds)});
        RepaintView();
    }
    const std::wstring strGuess(SolverWords().Word(best->nWord));
    const std::wstring strFit = Fill(TrPlural("%1 word still fits", "%1 words still fit", anFit.size()), {std::to_wstring(anFit.size())});
    ShowMessage(Fill(Tr("Hint: try %1. %2; after %1 about %3 would be left on average."),
                     {strGuess, strFit, AverageText(best->ExpectedLeftHundredths())}) + strCost);
}

void CGameCore::TellWordEnded(const std::wstring& strText)
{
    m_bReviewable = History().GuessCount() > 0;
    m_bReviewHard = m_bHardMode;
    if (m_bReviewable)
        ShowWordEndMessage(strText);
    else
        ShowMessage(strText);
}

bool CGameCore::CanReview() const
{
    // Not m_bGameOver: the solved message, which offers the review, is open before it is set.
    return m_bReviewable && History().GuessCount() > 0;
}

CWordReview CGameCore::ReviewOfLastWord()
{
    if (!CanReview())
        return {};
    CWordReview review = ReviewGuesses(SolverWords(), ScoredGuesses(History()),
                                       m_bReviewHard ? EGuessPool::FittingOnly : EGuessPool::AnyWord);
    review.strMagicWord = History().m_strMagicWord;
    return review;
}

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
