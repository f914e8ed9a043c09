// The hint: the solver's best next guess for the word in play, and what asking for it costs.
#include <algorithm>

#include "game/game_core.h"
#include "game/solver.h"
#include "game/word_review.h"

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
    const CGuessRecord& history = History();
    std::vector<CScoredGuess> aGuesses;
    for (std::size_t i = 0; i < history.GuessCount(); ++i) {
        aGuesses.push_back({history.m_astrGuesses[i], static_cast<int>(history.m_adwMatch[i]),
                            static_cast<int>(history.m_adwBingo[i])});
    }
    return FittingWords(SolverWords(), aGuesses);
}

std::size_t CGameCore::WordsThatFitCount()
{
    const CGuessRecord& history = History();
    // The guesses and the word they were scored against decide which words fit; a set read anew
    // (the solver's words dropped) may hold other words under the same name.
    const bool bFresh = m_fitCount.bKnown && m_nSolverSkill == m_nSkill && m_fitCount.nSkill == m_nSkill &&
                        m_fitCount.strSet == m_strSet && m_fitCount.strWord == history.m_strMagicWord &&
                        m_fitCount.astrGuesses == history.m_astrGuesses;
    if (!bFresh)
        m_fitCount = {m_strSet, m_nSkill, history.m_strMagicWord, history.m_astrGuesses, WordsThatFit().size(), true};
    return m_fitCount.nFit;
}

std::optional<CGameCore::CHint> CGameCore::BestHint()
{
    if (m_bGameOver)
        return std::nullopt;
    const std::vector<std::size_t> anFit = WordsThatFit();
    const std::optional<CBestGuess> best =
        BestGuess(SolverWords(), anFit, m_bHardMode ? EGuessPool::FittingOnly : EGuessPool::AnyWord);
    // The magic word always fits its own counts; nothing fits only if it is not in the list.
    if (!best)
        return std::nullopt;
    CHint hint;
    hint.strGuess = m_solverWords.Word(best->nWord);
    hint.nHundredthsLeft = best->ExpectedLeftHundredths();
    hint.nFitting = anFit.size();
    hint.bFits = best->bFits;
    hint.bSampled = best->bSampled;
    return hint;
}

void CGameCore::OnHint()
{
    const std::optional<CHint> hint = BestHint();
    if (!hint)
        return;
    m_bHintUsed = true;
    std::wstring strCost;
    if (m_bTimeTrial) {
        m_nTimeLeft = std::max(0, m_nTimeLeft - kHintSeconds);
        strCost = L" " + Fill(TrPlural("The hint cost %1 second.", "The hint cost %1 seconds.", kHintSeconds), {std::to_wstring(kHintSeconds)});
        RepaintView();
    }
    const std::wstring strFit = Fill(TrPlural("%1 word still fits", "%1 words still fit", hint->nFitting), {std::to_wstring(hint->nFitting)});
    ShowMessage(Fill(Tr("Hint: try %1. %2; after %1 about %3 would be left on average."),
                     {hint->strGuess, strFit, AverageText(hint->nHundredthsLeft)}) + strCost);
}
