// Which word the Review command looks back on, and its review.
#include "game/game_core.h"

bool CGameCore::MarkReviewable()
{
    m_bReviewable = History().GuessCount() > 0;
    m_strReviewSet = m_strSet;
    m_nReviewSkill = m_nSkill;
    m_bReviewHard = m_bHardMode;
    return m_bReviewable;
}

bool CGameCore::CanReview() const
{
    // Another set or skill has other words: the counts would be judged against the wrong list.
    // Not m_bGameOver: the solved message, which offers the review, is open before it is set.
    return m_bReviewable && History().GuessCount() > 0 && m_strReviewSet == m_strSet &&
           m_nReviewSkill == m_nSkill;
}

CWordReview CGameCore::ReviewOfLastWord()
{
    if (!CanReview())
        return {};
    const CGuessRecord& history = History();
    std::vector<CScoredGuess> aGuesses;
    for (std::size_t i = 0; i < history.GuessCount(); ++i) {
        aGuesses.push_back({history.m_astrGuesses[i], static_cast<int>(history.m_adwMatch[i]),
                            static_cast<int>(history.m_adwBingo[i])});
    }
    CWordReview review = ReviewGuesses(SolverWords(), aGuesses, m_bReviewHard ? EGuessPool::FittingOnly : EGuessPool::AnyWord);
    review.strMagicWord = history.m_strMagicWord;
    return review;
}
