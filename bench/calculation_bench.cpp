#include <benchmark/benchmark.h>

#include <stdexcept>

#include "core/external_pair.h"
#include "core/gear_pair_state.h"
#include "core/internal_pair.h"
#include "logic/calculate.h"
#include "logic/input_form.h"
#include "logic/output_table.h"

namespace {

using korvanta::FieldTexts;
using korvanta::GearPairState;

// The state the input window leaves after every field (NT1, NT2, DP, PA, HA, OD1, OD2, CD) was typed
// and left, and Calculate was pressed.
GearPairState CalculatedState(bool external, const FieldTexts& texts) {
    GearPairState state;
    korvanta::SetStartUpConstants(state);
    korvanta::InputForm form(state);
    form.Activated();
    if (!external) {
        form.ChooseKind(korvanta::PairKind::Internal);
    }
    for (korvanta::InputField field : korvanta::kInputFields) {
        form.Enter(field);
        form.SetText(field, texts[static_cast<int>(field)]);
        form.Leave(field);
    }
    const korvanta::CalculateOutcome outcome = form.CalculatePair();
    if (outcome.rejection) {
        throw std::runtime_error("rejected: " + outcome.rejection->text);
    }
    return state;
}

const FieldTexts kExternal = {"20", "40", "10", "20", "0", "2.2", "4.2", "3"};
const FieldTexts kHelical = {"24", "37", "8", "25", "15", "3.3", "4.9", "3.9"};
const FieldTexts kInternal = {"20", "60", "10", "20", "0", "2.2", "5.8", "2"};

void BM_CalcExternalPair(benchmark::State& run) {
    const GearPairState entered = CalculatedState(true, kExternal);
    for (auto _ : run) {
        GearPairState state = entered;
        benchmark::DoNotOptimize(korvanta::CalcExternalPair(state));
    }
}
BENCHMARK(BM_CalcExternalPair);

void BM_CalcExternalHelicalPair(benchmark::State& run) {
    const GearPairState entered = CalculatedState(true, kHelical);
    for (auto _ : run) {
        GearPairState state = entered;
        benchmark::DoNotOptimize(korvanta::CalcExternalPair(state));
    }
}
BENCHMARK(BM_CalcExternalHelicalPair);

void BM_CalcInternalPair(benchmark::State& run) {
    const GearPairState entered = CalculatedState(false, kInternal);
    for (auto _ : run) {
        GearPairState state = entered;
        benchmark::DoNotOptimize(korvanta::CalcInternalPair(state));
    }
}
BENCHMARK(BM_CalcInternalPair);

// One activation of an output window: the calculation into a solution, then every cell's text.
void FillTableOfPair(benchmark::State& run, bool external, const FieldTexts& pair) {
    const GearPairState entered = CalculatedState(external, pair);
    korvanta::OutputTable table = external ? korvanta::NewExternalTable() : korvanta::NewInternalTable();
    for (auto _ : run) {
        korvanta::FillTable(korvanta::SolvePair(entered), table);
        benchmark::DoNotOptimize(table);
    }
}

void BM_FillExternalTable(benchmark::State& run) {
    FillTableOfPair(run, true, kExternal);
}
BENCHMARK(BM_FillExternalTable);

void BM_FillInternalTable(benchmark::State& run) {
    FillTableOfPair(run, false, kInternal);
}
BENCHMARK(BM_FillInternalTable);

} // namespace
