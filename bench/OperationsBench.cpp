#include <benchmark/benchmark.h>

#include "core/Calculator.h"
#include "core/NumberText.h"
#include "input/Keypad.h"
#include "ops/Operations.h"

namespace orvane {
namespace {

// A press of an operation's key, its undo snapshot of the whole stack included, with its
// operands on a stack of `depth` values; Undo puts them back outside the timing, so every round
// computes the same thing.
void RunOp(benchmark::State& state, Key key, const char* y, const char* x) {
    Calculator calc;
    const auto depth = static_cast<std::size_t>(state.range(0));
    for (std::size_t i = 2; i < depth; ++i) calc.push(NormalForm(i / 7.0));
    calc.push(y);
    calc.push(x);
    calc.setAngle(AngleMode::Degrees);
    for (auto _ : state) {
        PressKey(calc, key);
        state.PauseTiming();
        calc.undo();
        state.ResumeTiming();
    }
}

#define ORVANE_OP_BENCH(name, key, y, x)                         \
    void BM_##name(benchmark::State& s) { RunOp(s, key, y, x); } \
    BENCHMARK(BM_##name)->Arg(2)->Arg(9999)

ORVANE_OP_BENCH(Add, Key::Add, "10", "4");
ORVANE_OP_BENCH(Subtract, Key::Subtract, "10", "4");
ORVANE_OP_BENCH(Multiply, Key::Multiply, "10", "4");
ORVANE_OP_BENCH(Divide, Key::Divide, "10", "3");
ORVANE_OP_BENCH(Power, Key::Power, "2", "0.5");
ORVANE_OP_BENCH(PowerNegativeBase, Key::Power, "-0.92078", "251");
ORVANE_OP_BENCH(Mod, Key::Mod, "10", "4");
ORVANE_OP_BENCH(Percent, Key::Percent, "200", "15");
ORVANE_OP_BENCH(ScaleByPowerOf10, Key::ScaleByPowerOf10, "3", "12");
ORVANE_OP_BENCH(ScaleByPowerOf10Huge, Key::ScaleByPowerOf10, "3", "2000000000");
ORVANE_OP_BENCH(Reciprocal, Key::Reciprocal, "1", "3");
ORVANE_OP_BENCH(SquareRoot, Key::SquareRoot, "1", "2");
ORVANE_OP_BENCH(NaturalLog, Key::NaturalLog, "1", "2");
ORVANE_OP_BENCH(PowerOf10, Key::PowerOf10, "1", "22");
ORVANE_OP_BENCH(PowerOf10Huge, Key::PowerOf10, "1", "2000000000");
ORVANE_OP_BENCH(Floor, Key::Floor, "1", "-2.5");
ORVANE_OP_BENCH(Series170, Key::Factorial, "1", "170");
ORVANE_OP_BENCH(Sin, Key::Sin, "1", "30");
ORVANE_OP_BENCH(SinHugeAngle, Key::Sin, "1", "1E+300");
ORVANE_OP_BENCH(Cos, Key::Cos, "1", "60");
ORVANE_OP_BENCH(Tan, Key::Tan, "1", "45");
ORVANE_OP_BENCH(ArcSin, Key::ArcSin, "1", "0.5");
ORVANE_OP_BENCH(ArcCos, Key::ArcCos, "1", "0.5");
ORVANE_OP_BENCH(ArcTan, Key::ArcTan, "1", "0.5");

void Random(benchmark::State& state) {
    Calculator calc;
    for (auto _ : state) ops::RandomIntoEntry(calc);
}
BENCHMARK(Random);

}  // namespace
}  // namespace orvane
