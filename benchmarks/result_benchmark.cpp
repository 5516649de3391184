// GetResult0 runs after every QSO the operator logs, and CheckCall0 with every key he types:
// their cost for logs of 1,000 to 100,000 QSOs. Settings are kept in memory so that the disk
// is not what is measured.
#include <benchmark/benchmark.h>

#include "platform/posix/posix_text_files.h"
#include "plugin/engine_calls.h"
#include "plugin/plugin_app.h"
#include "tests/results/log_builder.h"
#include "tests/results/service_doubles.h"

namespace {

// A contest-like log: six bands, all modes, a QSO every 20 seconds, about a third of them with
// an ICAO code out of 2,000, and one dupe in thirty.
std::vector<LogEntry> contest_log(int size) {
    static const char* const kBands[] = {"80m", "40m", "20m", "15m", "10m", "20m"};
    static const char* const kModes[] = {"CW", "SSB", "RTTY", "BPSK63", "CW", "SSB"};
    static const char* const kCountries[] = {"I", "DL", "K", "JA", "F", "VK"};
    static const char* const kContinents[] = {"EU", "EU", "NA", "AS", "EU", "OC"};
    std::vector<LogEntry> log;
    log.reserve(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) {
        LogEntry qso;
        qso.call = "XX" + std::to_string(i % 9 + 1) + "A" + std::to_string(i);
        qso.band = kBands[i % 6];
        qso.mode = kModes[i / 6 % 6];
        qso.country = kCountries[i / 36 % 6];
        qso.continent = kContinents[i / 36 % 6];
        if (i % 3 == 0) {
            int code = i / 3 % 2000;
            qso.received = {char('A' + code % 26), char('A' + code / 26 % 26),
                            char('A' + code / 676 % 26), 'X'};
        } else {
            qso.received = std::to_string(100 + i % 900);
        }
        qso.dupe = i % 30 == 29;
        qso.minute = i / 3.0;
        log.push_back(qso);
    }
    return log;
}

struct BenchmarkApp {
    explicit BenchmarkApp(int size, bool html) {
        auto session = app.session().access();
        SetSessionTexts(*session);
        session->html = html;
        AppendToLog(*session, contest_log(size));
    }

    MemorySettingsStore settings;
    PosixTextFiles files;
    RecordingUserInterface ui;
    FakeOperatorWindow operator_window;
    RecordingCabrillo cabrillo;
    CTestApp app{{settings, files, ui, operator_window, cabrillo}};
};

void GetResultPlain(benchmark::State& state) {
    BenchmarkApp bench(static_cast<int>(state.range(0)), false);
    for (auto _ : state)
        benchmark::DoNotOptimize(GetResult(bench.app, nullptr));
    state.SetComplexityN(state.range(0));
}

void GetResultHtml(benchmark::State& state) {
    BenchmarkApp bench(static_cast<int>(state.range(0)), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(GetResult(bench.app, nullptr));
    state.SetComplexityN(state.range(0));
}

void CheckCallNotWorked(benchmark::State& state) {
    BenchmarkApp bench(static_cast<int>(state.range(0)), false);
    CallCheckArgs args;
    args.call = "ZZ9ZZZ";  // not in the log: the whole log is searched
    args.mode = "CW";
    args.country = "DL";
    args.band = args.second_band = "20m";
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckCall(bench.app, args));
    state.SetComplexityN(state.range(0));
}

BENCHMARK(GetResultPlain)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK(GetResultHtml)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(CheckCallNotWorked)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

}  // namespace
