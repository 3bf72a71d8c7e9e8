#include <benchmark/benchmark.h>

#include "core/Calculator.h"
#include "core/NumberText.h"
#include "input/EntryLine.h"

namespace orvane {
namespace {

// Values of the usual widths: a few short, most of 15 significant digits.
void Fill(Calculator& calc, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        calc.PushValue(NormalForm(static_cast<double>(i) / 7.0 + 1000));
    }
}

void BM_PushTypedText(benchmark::State& state) {
    Calculator calc;
    for (auto _ : state) {
        calc.PushValue("12345678901234567890123");
        calc.PopOne();
    }
}
BENCHMARK(BM_PushTypedText);

void BM_EnterOnFullStack(benchmark::State& state) {
    Calculator calc;
    Fill(calc, 9998);
    for (auto _ : state) {
        calc.entry = "3.14159265358979";
        Enter(calc);  // snapshot + push
        calc.PopOne();
    }
}
BENCHMARK(BM_EnterOnFullStack);

void BM_RotateOnFullStack(benchmark::State& state) {
    Calculator calc;
    Fill(calc, 9999);
    for (auto _ : state) calc.RotateStackPositive();
}
BENCHMARK(BM_RotateOnFullStack);

void BM_UndoOnFullStack(benchmark::State& state) {
    Calculator calc;
    Fill(calc, 9999);
    calc.TakeSnapshot();
    for (auto _ : state) calc.Undo();
}
BENCHMARK(BM_UndoOnFullStack);

void BM_RefreshStackOnFullStack(benchmark::State& state) {
    Calculator calc;
    Fill(calc, 9999);
    for (auto _ : state) calc.RefreshStack();
}
BENCHMARK(BM_RefreshStackOnFullStack);

}  // namespace
}  // namespace orvane
