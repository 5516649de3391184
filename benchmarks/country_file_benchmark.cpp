// The offline scorer reads the country file once and resolves the own call and every worked
// call of a log: the cost of both on Debian's country file, for a log of 100,000 calls in plain
// and portable forms.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "tools/torv-score/country_file.h"

namespace {

std::vector<std::string> worked_calls(int size) {
    static const char* const kForms[] = {"DL{}ABC", "UA9{}AAA", "W{}AW",    "JA{}XYZ",
                                         "vk{}abc", "G{}ABC/P", "DL/W{}AB", "UA{}AA/9"};
    std::vector<std::string> calls;
    calls.reserve(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) {
        std::string call = kForms[i % 8];
        call.replace(call.find("{}"), 2, std::to_string(i % 10));
        calls.push_back(call + (i % 5 == 0 ? "" : std::string(1, char('A' + i % 26))));
    }
    return calls;
}

void BM_LoadCountryFile(benchmark::State& state) {
    std::string error;
    for (auto _ : state) {
        auto file = CountryFile::load(kDefaultCountryFile, error);
        if (!file) {
            state.SkipWithError(error.c_str());
            return;
        }
        benchmark::DoNotOptimize(file->entity_count());
    }
}
BENCHMARK(BM_LoadCountryFile)->Unit(benchmark::kMillisecond);

void BM_ResolveLog(benchmark::State& state) {
    std::string error;
    auto file = CountryFile::load(kDefaultCountryFile, error);
    if (!file) {
        state.SkipWithError(error.c_str());
        return;
    }
    std::vector<std::string> calls = worked_calls(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (const std::string& call : calls) {
            benchmark::DoNotOptimize(file->resolve(call));
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ResolveLog)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
