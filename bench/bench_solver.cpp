// The solver's best next guess, fast and plain side by side: the standard set's Advanced list with
// no guess yet (1,761 words, 3.1 million pairs; goal under 30 ms on one core), the plain rule (the
// game's own CountMatch and CountBingo, pair by pair) on the same work, and a user's 100,000-word
// set, where the answer comes from a sample (goal under 250 ms).
// Usage: bench_solver [Google Benchmark options]; medians of several repetitions are printed.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "../tests/unit/solver_plain_rule.h"
#include "../tests/unit/word_list_vector.h"
#include "game/solver.h"
#include "game/word_set.h"
#include "platform/files.h"

namespace {

const CTestList& StandardAdvanced()
{
    static const CTestList list = [] {
        CWordLists lists;
        ReadWordSetFile(ProgramDirectory() / "Standard.set", lists);
        std::vector<std::wstring> astr;
        for (std::size_t i = 0; i < lists.m_wordsAdvanced.size(); ++i)
            astr.emplace_back(lists.m_wordsAdvanced[i]);
        return ListOf(std::move(astr));
    }();
    return list;
}

// 100,000 words of 7 letters, the same on every run: letters drawn with roughly the weights of
// English text, so the groups are as uneven as a real set's.
std::vector<std::wstring> BigSetWords()
{
    static const char* const kLetters = "EEEEEEEEEEEETTTTTTTTTAAAAAAAAOOOOOOOOIIIIIIINNNNNNNSSSSSSRRRRRRHHHHH"
                                        "LLLLDDDDCCCUUUMMMFFPPGGWWYYBVKXJQZ";
    const std::size_t nLetters = std::char_traits<char>::length(kLetters);
    std::vector<std::wstring> astr;
    std::uint32_t n = 2024;
    for (int i = 0; i < 100000; ++i) {
        std::wstring strWord;
        for (int k = 0; k < 7; ++k) {
            n = n * 1664525u + 1013904223u;
            strWord += static_cast<wchar_t>(kLetters[(n >> 8) % nLetters]);
        }
        astr.push_back(strWord);
    }
    return astr;
}

const CTestList& BigSet()
{
    static const CTestList list = ListOf(BigSetWords());
    return list;
}

void BM_BestGuessFast_StandardAdvanced(benchmark::State& state)
{
    const CTestList& list = StandardAdvanced();
    if (list.anAll.size() < 1000) {
        state.SkipWithError("Standard.set not found beside the benchmark");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(BestGuess(list.words, list.anAll));
    const std::optional<CBestGuess> fast = BestGuess(list.words, list.anAll);
    state.SetLabel(std::to_string(list.anAll.size()) + " words, best " + std::string(list.astrWords[fast->nWord].begin(),
                                                                                    list.astrWords[fast->nWord].end()));
}

void BM_BestGuessPlain_StandardAdvanced(benchmark::State& state)
{
    const CTestList& list = StandardAdvanced();
    std::optional<CBestGuess> plain;
    for (auto _ : state)
        benchmark::DoNotOptimize(plain = PlainBestGuess(list.astrWords, list.anAll, false));
    // The two must agree, or the figures compare different work.
    const std::optional<CBestGuess> fast = BestGuess(list.words, list.anAll);
    if (!plain || !fast || plain->nWord != fast->nWord || plain->nSumOfSquares != fast->nSumOfSquares)
        state.SkipWithError("the fast and the plain best guess differ");
}

void BM_BestGuessSampled_100000Words(benchmark::State& state)
{
    const CTestList& list = BigSet();
    std::optional<CBestGuess> best;
    for (auto _ : state)
        benchmark::DoNotOptimize(best = BestGuess(list.words, list.anAll));
    state.SetLabel(best && best->bSampled ? "sampled" : "NOT sampled");
}

// What a set of that size costs once per set and skill, before any hint.
void BM_SolverWords_100000Words(benchmark::State& state)
{
    const CTestList& list = BigSet();
    const CWordList words = WordListOf(list.astrWords);
    for (auto _ : state)
        benchmark::DoNotOptimize(CSolverWords(words));
}

}  // namespace

BENCHMARK(BM_BestGuessFast_StandardAdvanced)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_BestGuessPlain_StandardAdvanced)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BestGuessSampled_100000Words)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SolverWords_100000Words)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
