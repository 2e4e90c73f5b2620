#include "calc/cycles.h"
#include "calc/parse_digits.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

void ParseDefaultTexts(benchmark::State& state) {
    const std::string texts[] = {"1983", "12", "30"};
    for (auto _ : state) {
        for (const std::string& text : texts) {
            std::int32_t value = 0;
            benchmark::DoNotOptimize(calc::ParseDigits(text, value));
            benchmark::DoNotOptimize(value);
        }
    }
}
BENCHMARK(ParseDefaultTexts);

void ParseMegabyteOfDigitsAndSpaces(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < 1 << 20; ++i) {
        text += i % 3 == 0 ? ' ' : '0';
    }
    text.back() = '7';
    for (auto _ : state) {
        std::int32_t value = 0;
        benchmark::DoNotOptimize(calc::ParseDigits(text, value));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(ParseMegabyteOfDigitsAndSpaces);

void ComputeCyclesForDefaultDate(benchmark::State& state) {
    calc::BirthDate birth{1983, 12, 30};
    for (auto _ : state) {
        benchmark::DoNotOptimize(birth);
        benchmark::DoNotOptimize(calc::ComputeCycles(birth, 2026, 12, 7));
    }
}
BENCHMARK(ComputeCyclesForDefaultDate);

} // namespace
