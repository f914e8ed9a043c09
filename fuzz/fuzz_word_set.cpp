// Fuzzes the word-set parser against a small model of the rules as the README states them. Any
// difference, crash or memory error is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/word_set_model.h"
#include "game/word_set.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CWordLists lists;
    ParseWordSet(bytes, lists);
    const CModelLists model = ModelParse(bytes);
    if (lists.m_wordsBeginner.ToVector() != model.astrWords[0] ||
        lists.m_wordsIntermediate.ToVector() != model.astrWords[1] ||
        lists.m_wordsAdvanced.ToVector() != model.astrWords[2])
        std::abort();
    return 0;
}
