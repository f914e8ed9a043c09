// Fuzzes the word-set parser against a small model of the rules as the README states them. Any
// difference, crash or memory error is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/word_set_model.h"
#include "game/word_set.h"
#include "../tests/unit/word_list_vector.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CWordLists lists;
    ParseWordSet(bytes, lists);
    const CModelLists model = ModelParse(bytes);
    if (ToVector(lists.m_wordsBeginner) != model.astrWords[0] ||
        ToVector(lists.m_wordsIntermediate) != model.astrWords[1] ||
        ToVector(lists.m_wordsAdvanced) != model.astrWords[2])
        std::abort();
    return 0;
}
