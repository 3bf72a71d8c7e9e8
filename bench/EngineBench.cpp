#include <benchmark/benchmark.h>

#include "core/Calculator.h"
#include "core/NumberText.h"
#include "input/Commands.h"

namespace orvane {
namespace {

// Values of the usual widths: a few short, most of 15 significant digits.
void Fill(Calculator& calc, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        calc.push(NormalForm(static_cast<double>(i) / 7.0 + 1000));
    }
}

void PushTypedText(benchmark::State& state) {
    Calculator calc;
    for (auto _ : state) {
        calc.push("12345678901234567890123");
        calc.drop();
    }
}
BENCHMARK(PushTypedText);

void EnterOnFullStack(benchmark::State& state) {
    Calculator calc;
    NoShell shell;
    Fill(calc, 9998);
    for (auto _ : state) {
        calc.setEntry("3.14159265358979");
        RunCommand(calc, Command::Enter, shell);  // snapshot + push
        calc.drop();
    }
}
BENCHMARK(EnterOnFullStack);

void RotateOnFullStack(benchmark::State& state) {
    Calculator calc;
    Fill(calc, 9999);
    for (auto _ : state) calc.rotateBottomToTop();
}
BENCHMARK(RotateOnFullStack);

void UndoOnFullStack(benchmark::State& state) {
    Calculator calc;
    Fill(calc, 9999);
    calc.takeSnapshot();
    for (auto _ : state) calc.undo();
}
BENCHMARK(UndoOnFullStack);

void ListingOnFullStack(benchmark::State& state) {
    Calculator calc;
    Fill(calc, 9999);
    for (auto _ : state) benchmark::DoNotOptimize(calc.listing());
}
BENCHMARK(ListingOnFullStack);

}  // namespace
}  // namespace orvane
