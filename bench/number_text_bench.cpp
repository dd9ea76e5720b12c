#include <benchmark/benchmark.h>

#include <array>

#include "core/number_text.h"

namespace {

// Values of the kind the tables show: diameters, angles in degrees, small coefficients.
const std::array<double, 8> kValues = {1.8794, 3.758771, 20.854, 0.0000006, 28.565, 123.456789, 2.2, -0.25};

template <class Format> void FormatEach(benchmark::State& run, Format format) {
    std::size_t i = 0;
    for (auto _ : run) {
        benchmark::DoNotOptimize(format(kValues[i++ % kValues.size()]));
    }
}

void BM_GeneralTextSingle(benchmark::State& run) {
    FormatEach(run, [](double value) { return korvanta::SingleGeneralText(korvanta::Single(value)); });
}
BENCHMARK(BM_GeneralTextSingle);

void BM_GeneralTextDouble(benchmark::State& run) {
    FormatEach(run, [](double value) { return korvanta::DoubleGeneralText(value); });
}
BENCHMARK(BM_GeneralTextDouble);

void BM_FiveDecimalText(benchmark::State& run) {
    FormatEach(run, [](double value) { return korvanta::FiveDecimalText(korvanta::Single(value)); });
}
BENCHMARK(BM_FiveDecimalText);

void BM_PatternValue(benchmark::State& run) {
    FormatEach(run, [](double value) { return korvanta::PatternValue(value, 4); });
}
BENCHMARK(BM_PatternValue);

void BM_PatternText(benchmark::State& run) {
    const std::array<const char*, 4> texts = {"2.2", "1.234568E+12", "20.854", "0.0001234"};
    std::size_t i = 0;
    for (auto _ : run) {
        benchmark::DoNotOptimize(korvanta::PatternText(texts[i++ % texts.size()], 5));
    }
}
BENCHMARK(BM_PatternText);

void BM_LeadingNumber(benchmark::State& run) {
    const std::array<const char*, 4> texts = {"2.20000", "40", "20.854", "1E-05"};
    std::size_t i = 0;
    for (auto _ : run) {
        benchmark::DoNotOptimize(korvanta::LeadingNumber(texts[i++ % texts.size()]));
    }
}
BENCHMARK(BM_LeadingNumber);

} // namespace
