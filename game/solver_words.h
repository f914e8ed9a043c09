// The words of one set and skill in the form the solver compares them in, made once per set and
// skill: the solver's cost grows with the square of the list, so every pair must be cheap.
//
// Each word keeps, besides its characters, how often it holds each character of the list's
// alphabet (one byte a character, so Match is a sum of per-character minimums the compiler turns
// into a few vector instructions) and its characters packed one byte each into a 64-bit word (so
// Bingo is one XOR and a count of the zero bytes). A list with more distinct characters than that
// scheme holds, or words too long for one 64-bit word, is compared character by character instead:
// slower, with the same counts.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "game/guess_record.h"
#include "game/word_set.h"

// A guess made ready to compare against the words of one CSolverWords.
struct CSolverProbe {
    std::wstring strGuess;
    std::vector<std::uint8_t> anCounts;  // per slot of the list; empty: compare characters
    int nSlotted = 0;                    // the sum of anCounts
    std::uint64_t nPacked = 0;
};

class CSolverWords {
public:
    // One byte a character in a 64-bit word.
    static constexpr std::size_t kMaxPackedLength = 8;
    // Slots come in blocks of 32, one or two vector registers each.
    static constexpr std::size_t kSlotBlock = 32;
    static constexpr std::size_t kMaxSlots = 128;

    CSolverWords() = default;
    explicit CSolverWords(CWordList words);

    std::size_t size() const { return m_words.size(); }
    std::wstring_view Word(std::size_t i) const { return m_words[i]; }
    // False when the list is compared character by character (see the top of this file).
    bool IsPacked() const { return m_nSlots > 0; }

    // A word of the list, or any other guess (another length, characters the list never uses).
    CSolverProbe ProbeOfWord(std::size_t i) const;
    CSolverProbe Probe(std::wstring_view strGuess) const;

    // The counts the game would give probe as a guess when word i is the magic word, as one key:
    // Match * kKeyStride + Bingo. The game's words have 5 to 7 letters, so neither reaches 16.
    static constexpr int kKeyStride = 16;
    int PairKey(const CSolverProbe& probe, std::size_t i) const
    {
        if (!probe.anCounts.empty())
            return PackedMatch(probe.anCounts.data(), probe.nSlotted, Counts(i)) * kKeyStride + PackedBingo(probe.nPacked, m_anPacked[i]);
        return CountMatch(probe.strGuess, Word(i)) * kKeyStride + CountBingo(probe.strGuess, Word(i));
    }

    // The fast forms, for the solver's inner loop.
    const std::uint8_t* Counts(std::size_t i) const { return m_anCounts.data() + i * m_nSlots; }
    std::size_t Slots() const { return m_nSlots; }
    std::uint64_t Packed(std::size_t i) const { return m_anPacked[i]; }

    // nLettersA is how many characters of A have a slot (the word length for a word of the list).
    int PackedMatch(const std::uint8_t* pA, int nLettersA, const std::uint8_t* pB) const
    {
        // Both words hold a character as often as the fewer of them does, and
        // min(a, b) = (a + b - |a - b|) / 2: the differences add up in one vector instruction
        // (psadbw) where the minimums would first have to be widened.
        int nDiff = 0;
        for (std::size_t nBase = 0; nBase < m_nSlots; nBase += kSlotBlock)
            nDiff += BlockDifference(pA + nBase, pB + nBase);
        return (nLettersA + static_cast<int>(m_words.WordLength()) - nDiff) / 2;
    }
    int PackedBingo(std::uint64_t nA, std::uint64_t nB) const
    {
        // A byte of the XOR is zero where both hold the same character. The top bit of each byte of
        // nonZero is set where it is not; unused bytes are zero in both, so they never count.
        constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
        const std::uint64_t x = nA ^ nB;
        const std::uint64_t nonZero = (((x & kLow7) + kLow7) | x) & ~kLow7;
        // Gathers the eight top bits into the top byte: how many positions differ.
        const int nDiffer = static_cast<int>(((nonZero >> 7) * 0x0101010101010101ULL) >> 56);
        return static_cast<int>(m_words.WordLength()) - nDiffer;
    }
    // A fixed count, so the compiler sees two vector registers' worth and no loop tail.
    static int BlockDifference(const std::uint8_t* pA, const std::uint8_t* pB)
    {
        int nDiff = 0;
        for (std::size_t k = 0; k < kSlotBlock; ++k)
            nDiff += std::abs(pA[k] - pB[k]);
        return nDiff;
    }

private:
    CWordList m_words;
    std::size_t m_nSlots = 0;            // count bytes per word; 0 when not packed
    std::vector<std::uint8_t> m_anCounts;  // m_nSlots per word
    std::vector<std::uint64_t> m_anPacked; // slot + 1 per character, first character lowest
    std::unordered_map<wchar_t, std::uint8_t> m_slotOf;
};
