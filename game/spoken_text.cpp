// The screen reader's phrasing of the game.
#include "game/spoken_text.h"

#include "game/guess_record.h"
#include "game/stats_report.h"

namespace {

std::wstring Plural(std::size_t n, const wchar_t* pszOne, const wchar_t* pszMany)
{
    return std::to_wstring(n) + L" " + (n == 1 ? pszOne : pszMany);
}

}  // namespace

std::wstring SpokenGuess(const std::wstring& strGuess, int nCursor)
{
    if (strGuess.empty())
        return L"Guess: no word in play";
    std::wstring str = L"Guess:";
    for (const wchar_t c : strGuess) {
        str += L' ';
        // A blank cell has to be said; silence would be skipped over.
        if (c == L' ')
            str += L"blank";
        else
            str += c;
    }
    if (nCursor >= 0 && static_cast<std::size_t>(nCursor) < strGuess.size())
        str += L", cursor on cell " + std::to_wstring(nCursor + 1);
    return str;
}

std::wstring SpokenClock(int nSeconds)
{
    if (nSeconds < 0)
        nSeconds = 0;
    const int nSec = nSeconds % 60;
    return std::to_wstring(nSeconds / 60) + (nSec < 10 ? L":0" : L":") + std::to_wstring(nSec);
}

std::wstring SpokenStatus(bool bTimeTrial, int nLevel, int nScoreShown, int nElapsed)
{
    if (bTimeTrial)
        return L"Level " + std::to_wstring(nLevel) + L", Score " + std::to_wstring(nScoreShown);
    return L"Time " + SpokenClock(nElapsed);
}

std::wstring SpokenMark(int nMark)
{
    switch (nMark) {
    case MarkStruck: return L"struck";
    case MarkHighlighted: return L"highlighted";
    default: return L"";
    }
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
    std::wstring str = std::to_wstring(nRow + 1) + L". " + strGuess;
    if (nRow < record.m_adwMatch.size())
        str += L", match " + std::to_wstring(record.m_adwMatch[nRow]);
    if (nRow < record.m_adwBingo.size())
        str += L", bingo " + std::to_wstring(record.m_adwBingo[nRow]);
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
        return L"Time is up";
    if (nTimeLeft == 30)
        return L"30 seconds left";
    if (nTimeLeft > 0 && nTimeLeft % 60 == 0)
        return Plural(static_cast<std::size_t>(nTimeLeft / 60), L"minute", L"minutes") + L" left";
    return L"";
}

std::wstring SpokenWordEnd(EWordEnd how, const std::wstring& strWord, std::size_t nGuesses)
{
    switch (how) {
    case EWordEnd::Solved: return L"Solved " + strWord + L" in " + Plural(nGuesses, L"guess", L"guesses") + L".";
    case EWordEnd::GaveUp: return L"Given up. The magic word was " + strWord + L".";
    case EWordEnd::TimedOut: return L"Time is up. The magic word was " + strWord + L".";
    case EWordEnd::Abandoned: break;
    }
    return L"";
}

std::wstring SpokenBestScore(int nSkill, bool bTimeTrial, const std::wstring& strName, int nNumber)
{
    std::wstring str = std::wstring(SkillName(nSkill)) + (bTimeTrial ? L", Time Trial score: " : L", fewest tries: ");
    if (nNumber == 0)
        return str + L"no record yet";
    return str + (strName.empty() ? L"no name" : strName) + L", " + std::to_wstring(nNumber);
}

std::vector<std::wstring> SpokenNewGameLines(int nWordLength)
{
    return {L"Guess the magic " + std::to_wstring(nWordLength) + L" lettered word", kNewGameRules,
            L"Use it wisely !!!"};
}

std::vector<std::wstring> SpokenLevelLines(int nFinishedLevel, int nNextLevel)
{
    return {L"Finished Level: " + std::to_wstring(nFinishedLevel),
            L"Continue to Level: " + std::to_wstring(nNextLevel) + L"?"};
}
