// The record of the word in play: the magic word, the guesses with their Match and Bingo counts,
// and the player's 26 letter marks. The history list on screen derives from it and shows it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/types.h"

// Letters the guess and the word have in common, repeated letters counted as often as both hold
// them.
int CountMatch(std::wstring_view strGuess, std::wstring_view strWord);
// Positions holding the same letter; 0 for a guess of another length.
int CountBingo(std::wstring_view strGuess, std::wstring_view strWord);

class CGuessRecord {
public:
    virtual ~CGuessRecord() = default;

    // At least one guess, and the last one has every letter in place.
    bool IsSolved() const;

    void AddGuess(const std::wstring& strGuess);
    void ResetHistory();

    // The mark of a character; MarkNone for anything outside A to Z.
    int MarkOf(wchar_t c) const;
    // MarkNone -> MarkStruck -> MarkHighlighted -> MarkNone; letters outside A to Z are left alone.
    void StepMark(wchar_t c);

    std::size_t GuessCount() const { return m_astrGuesses.size(); }

    std::wstring m_strMagicWord;
    std::vector<std::wstring> m_astrGuesses;
    std::vector<std::uint32_t> m_adwMatch;
    std::vector<std::uint32_t> m_adwBingo;
    std::array<int, 26> m_nLetterMark{};  // index = letter - 'A'

protected:
    // The window showing the record scrolls and repaints here.
    virtual void OnHistoryReset() {}
    virtual void OnGuessAdded() {}
};
