#include <benchmark/benchmark.h>

#include "core/Calculator.h"
#include "core/NumberText.h"
#include "ops/Operations.h"

namespace orvane {
namespace {

using Op = Outcome (*)(Calculator&);

// One operation with its operands on a stack of `depth` values; Undo puts them back from the
// snapshot taken once, outside the timing, so every round computes the same thing.
void RunOp(benchmark::State& state, Op op, const char* y, const char* x) {
    Calculator calc;
    const auto depth = static_cast<std::size_t>(state.range(0));
    for (std::size_t i = 2; i < depth; ++i) calc.push(NormalForm(i / 7.0));
    calc.push(y);
    calc.push(x);
    calc.setAngle(AngleMode::Degrees);
    calc.takeSnapshot();
    for (auto _ : state) {
        op(calc);
        state.PauseTiming();
        calc.undo();
        state.ResumeTiming();
    }
}

#define ORVANE_OP_BENCH(name, op, y, x)                         \
    void BM_##name(benchmark::State& s) { RunOp(s, op, y, x); } \
    BENCHMARK(BM_##name)->Arg(2)->Arg(9999)

ORVANE_OP_BENCH(Add, ops::Add, "10", "4");
ORVANE_OP_BENCH(Subtract, ops::Subtract, "10", "4");
ORVANE_OP_BENCH(Multiply, ops::Multiply, "10", "4");
ORVANE_OP_BENCH(Divide, ops::Divide, "10", "3");
ORVANE_OP_BENCH(Power, ops::Power, "2", "0.5");
ORVANE_OP_BENCH(PowerNegativeBase, ops::Power, "-0.92078", "251");
ORVANE_OP_BENCH(Mod, ops::Mod, "10", "4");
ORVANE_OP_BENCH(Percent, ops::Percent, "200", "15");
ORVANE_OP_BENCH(ScaleByPowerOf10, ops::ScaleByPowerOf10, "3", "12");
ORVANE_OP_BENCH(ScaleByPowerOf10Huge, ops::ScaleByPowerOf10, "3", "2000000000");
ORVANE_OP_BENCH(Reciprocal, ops::Reciprocal, "1", "3");
ORVANE_OP_BENCH(SquareRoot, ops::SquareRoot, "1", "2");
ORVANE_OP_BENCH(NaturalLog, ops::NaturalLog, "1", "2");
ORVANE_OP_BENCH(PowerOf10, ops::PowerOf10, "1", "22");
ORVANE_OP_BENCH(PowerOf10Huge, ops::PowerOf10, "1", "2000000000");
ORVANE_OP_BENCH(Floor, ops::Floor, "1", "-2.5");
ORVANE_OP_BENCH(Series170, ops::Factorial, "1", "170");
ORVANE_OP_BENCH(Sin, ops::Sin, "1", "30");
ORVANE_OP_BENCH(SinHugeAngle, ops::Sin, "1", "1E+300");
ORVANE_OP_BENCH(Cos, ops::Cos, "1", "60");
ORVANE_OP_BENCH(Tan, ops::Tan, "1", "45");
ORVANE_OP_BENCH(ArcSin, ops::ArcSin, "1", "0.5");
ORVANE_OP_BENCH(ArcCos, ops::ArcCos, "1", "0.5");
ORVANE_OP_BENCH(ArcTan, ops::ArcTan, "1", "0.5");

void Random(benchmark::State& state) {
    Calculator calc;
    for (auto _ : state) ops::RandomIntoEntry(calc);
}
BENCHMARK(Random);

}  // namespace
}  // namespace orvane
