#include "game/spoken_text.h"

#include "game/guess_record.h"
#include "game/stats_report.h"
#include "platform/translate.h"

namespace {

// Minutes and seconds the way they are said, not padded: 65 -> "1:05", 6000 -> "100:00".
std::wstring SpokenClock(int nSeconds)
{
    if (nSeconds < 0)
        nSeconds = 0;
    const int nSec = nSeconds % 60;
    return std::to_wstring(nSeconds / 60) + (nSec < 10 ? L":0" : L":") + std::to_wstring(nSec);
}

// "" for no mark, "struck", "highlighted".
std::wstring SpokenMark(int nMark)
{
    switch (nMark) {
    case MarkStruck: return Tr("struck");
    case MarkHighlighted: return Tr("highlighted");
    default: return L"";
    }
}

}  // namespace

std::wstring SpokenGuess(const std::wstring& strGuess, int nCursor)
{
    if (strGuess.empty())
        return Tr("Guess: no word in play");
    std::wstring str = Tr("Guess:");
    for (const wchar_t c : strGuess) {
        str += L' ';
        // A blank cell has to be said; silence would be skipped over.
        if (c == L' ')
            str += Tr("blank");
        else
            str += c;
    }
    if (nCursor >= 0 && static_cast<std::size_t>(nCursor) < strGuess.size())
        str += Fill(Tr(", cursor on cell %1"), {std::to_wstring(nCursor + 1)});
    return str;
}

std::wstring SpokenStatus(bool bTimeTrial, int nLevel, int nScoreShown, int nElapsed)
{
    if (bTimeTrial)
        return Fill(Tr("Level %1, Score %2"), {std::to_wstring(nLevel), std::to_wstring(nScoreShown)});
    return Fill(Tr("Time %1"), {SpokenClock(nElapsed)});
}

std::wstring SpokenKey(wchar_t cLetter, int nMark)
{
    std::wstring str(1, cLetter);
    const std::wstring strMark = SpokenMark(nMark);
    if (!strMark.empty())
        str += L", " + strMark;
    return str;
}

std::wstring SpokenHistoryRow(const CGuessRecord& record, std::size_t nRow)
{
    if (nRow >= record.m_astrGuesses.size())
        return L"";
    const std::wstring& strGuess = record.m_astrGuesses[nRow];
    std::wstring str = std::to_wstring(nRow + 1) + L". " + strGuess +
                       Fill(Tr(", match %1"), {std::to_wstring(record.m_adwMatch[nRow])}) +
                       Fill(Tr(", bingo %1"), {std::to_wstring(record.m_adwBingo[nRow])});
    for (const int nMark : {static_cast<int>(MarkStruck), static_cast<int>(MarkHighlighted)}) {
        std::wstring strLetters;
        for (std::size_t i = 0; i < strGuess.size(); ++i) {
            const wchar_t c = strGuess[i];
            // A repeated letter is named once.
            if (record.MarkOf(c) != nMark || strGuess.find(c) != i)
                continue;
            strLetters += L' ';
            strLetters += c;
        }
        if (!strLetters.empty())
            str += L", " + SpokenMark(nMark) + strLetters;
    }
    return str;
}

std::wstring SpokenCountdown(int nTimeLeft)
{
    if (nTimeLeft == 0)
        return Tr("Time is up");
    if (nTimeLeft == 30)
        return Tr("30 seconds left");
    if (nTimeLeft > 0 && nTimeLeft % 60 == 0)
        return Fill(TrPlural("%1 minute left", "%1 minutes left", static_cast<unsigned long>(nTimeLeft / 60)),
                    {std::to_wstring(nTimeLeft / 60)});
    return L"";
}

std::wstring SpokenWordEnd(EWordEnd how, const std::wstring& strWord, std::size_t nGuesses)
{
    switch (how) {
    case EWordEnd::Solved:
        return Fill(TrPlural("Solved %1 in %2 guess.", "Solved %1 in %2 guesses.", nGuesses), {strWord, std::to_wstring(nGuesses)});
    case EWordEnd::GaveUp: return Fill(Tr("Given up. The magic word was %1."), {strWord});
    case EWordEnd::TimedOut: return Fill(Tr("Time is up. The magic word was %1."), {strWord});
    case EWordEnd::Abandoned: break;
    }
    return L"";
}

std::wstring SpokenBestScore(int nSkill, bool bTimeTrial, const std::wstring& strName, int nNumber)
{
    const std::wstring strSkill = Tr(SkillName(nSkill));
    if (nNumber == 0)
        return Fill(bTimeTrial ? Tr("%1, Time Trial score: no record yet") : Tr("%1, fewest tries: no record yet"), {strSkill});
    return Fill(bTimeTrial ? Tr("%1, Time Trial score: %2, %3") : Tr("%1, fewest tries: %2, %3"),
                {strSkill, strName.empty() ? Tr("no name") : strName, std::to_wstring(nNumber)});
}

std::vector<std::wstring> SpokenNewGameLines(int nWordLength)
{
    return {Fill(Tr("Guess the magic %1 lettered word"), {std::to_wstring(nWordLength)}), Tr(kNewGameRules),
            Tr("Use it wisely !!!")};
}

std::vector<std::wstring> SpokenLevelLines(int nFinishedLevel, int nNextLevel)
{
    return {Fill(Tr("Finished Level: %1"), {std::to_wstring(nFinishedLevel)}),
            Fill(Tr("Continue to Level: %1?"), {std::to_wstring(nNextLevel)})};
}

std::wstring WordsFitText(std::size_t nFit)
{
    return Fill(TrPlural("%1 word fits", "%1 words fit", nFit), {std::to_wstring(nFit)});
}

std::wstring SpokenNotAWord(const std::wstring& strGuess)
{
    return Fill(Tr("%1 is not a word."), {strGuess});
}
