#include "game/word_review.h"

#include "platform/text.h"
#include "platform/translate.h"

CWordReview ReviewGuesses(const CSolverWords& words, const std::vector<CScoredGuess>& aGuesses, EGuessPool pool)
{
    CWordReview review;
    std::vector<CScoredGuess> aSoFar;
    std::vector<std::size_t> anBefore = FittingWords(words, aSoFar);
    for (const CScoredGuess& guess : aGuesses) {
        CReviewRow row;
        row.strGuess = guess.strGuess;
        row.nMatch = guess.nMatch;
        row.nBingo = guess.nBingo;
        row.nFitBefore = anBefore.size();
        if (!anBefore.empty()) {
            const std::uint64_t nSum = words.SplitSumOfSquares(words.Probe(guess.strGuess), anBefore);
            row.nGuessHundredths = (nSum * 200 + anBefore.size()) / (2 * anBefore.size());
        }
        if (const std::optional<CBestGuess> best = BestGuess(words, anBefore, pool)) {
            row.strBest = words.Word(best->nWord);
            row.nBestHundredths = best->ExpectedLeftHundredths();
        }
        aSoFar.push_back(guess);
        std::vector<std::size_t> anAfter = FittingWords(words, aSoFar);
        row.nFitAfter = anAfter.size();
        review.aRows.push_back(std::move(row));
        anBefore = std::move(anAfter);
    }
    review.nLeft = anBefore.size();
    for (std::size_t i = 0; i < anBefore.size() && i < kReviewNamesShown; ++i)
        review.astrLeft.emplace_back(words.Word(anBefore[i]));
    return review;
}

std::wstring AverageText(std::uint64_t nHundredths)
{
    return DecodeBytes(HundredthsForPeople(nHundredths));
}

std::wstring ReviewRowText(const CReviewRow& row)
{
    const std::wstring strLeft = Fill(TrPlural("Your guess left %1 word", "Your guess left %1 words", row.nFitAfter),
                                      {std::to_wstring(row.nFitAfter)});
    if (row.strBest.empty())
        return strLeft + L".";
    // The player's guess was as good as the best one: no other word to point to.
    if (row.strBest == row.strGuess || row.nGuessHundredths <= row.nBestHundredths)
        return Fill(Tr("%1; no guess would have left fewer on average than its %2."), {strLeft, AverageText(row.nGuessHundredths)});
    return Fill(Tr("%1; %2 would have left %3 on average."), {strLeft, row.strBest, AverageText(row.nBestHundredths)});
}

std::wstring ReviewLeftText(const CWordReview& review)
{
    std::wstring strNames;
    for (const std::wstring& s : review.astrLeft)
        strNames += (strNames.empty() ? L"" : L", ") + s;
    if (review.nLeft == 0)
        return Tr("No word of the list fits every guess.");
    const std::wstring strHead = Fill(TrPlural("%1 word fits every guess: %2", "%1 words fit every guess: %2", review.nLeft),
                                      {std::to_wstring(review.nLeft), strNames});
    if (review.astrLeft.size() >= review.nLeft)
        return strHead + L".";
    const std::size_t nMore = review.nLeft - review.astrLeft.size();
    return strHead + Fill(TrPlural(" and %1 more.", " and %1 more.", nMore), {std::to_wstring(nMore)});
}
