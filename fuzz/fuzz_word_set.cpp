// Fuzzes the word-set parser three ways on the same bytes: fed whole, fed in chunks cut where the
// input says, and against a small model of the rules as the README states them. Any difference,
// crash or memory error is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/word_set_model.h"
#include "game/word_set.h"

namespace {

CWordLists ParseWhole(std::string_view bytes)
{
    CWordLists lists;
    CWordSetParser parser(lists);
    parser.Feed(bytes);
    parser.Finish();
    return lists;
}

// The first byte picks a chunk size pattern, so every split of a CR LF pair and of a UTF-8
// sequence gets tried.
CWordLists ParseChunked(std::string_view bytes, unsigned seed)
{
    CWordLists lists;
    CWordSetParser parser(lists);
    std::size_t pos = 0;
    unsigned state = seed * 2654435761u + 1;
    while (pos < bytes.size()) {
        state = state * 1103515245u + 12345u;
        const std::size_t n = std::min<std::size_t>(bytes.size() - pos, 1 + (state >> 16) % 13);
        parser.Feed(bytes.substr(pos, n));
        pos += n;
    }
    parser.Finish();
    return lists;
}

void Check(bool bOk)
{
    if (!bOk)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const unsigned seed = data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    const CWordLists whole = ParseWhole(bytes);
    const CWordLists chunked = ParseChunked(bytes, seed);
    Check(whole.m_wordsBeginner == chunked.m_wordsBeginner);
    Check(whole.m_wordsIntermediate == chunked.m_wordsIntermediate);
    Check(whole.m_wordsAdvanced == chunked.m_wordsAdvanced);

    const CModelLists model = ModelParse(bytes);
    Check(whole.m_wordsBeginner == model.astrWords[0]);
    Check(whole.m_wordsIntermediate == model.astrWords[1]);
    Check(whole.m_wordsAdvanced == model.astrWords[2]);
    return 0;
}
