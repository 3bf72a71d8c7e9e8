#include <benchmark/benchmark.h>

#include "core/Calculator.h"
#include "core/NumberText.h"
#include "ops/Operations.h"

namespace orvane {
namespace {

using Op = void (*)(Calculator&, std::string);

// One operation with its operands on a stack of `depth` values; Undo puts them back
// outside the timing, so every round computes the same thing.
void RunOp(benchmark::State& state, Op op, const char* y, const char* x) {
    Calculator calc;
    const auto depth = static_cast<std::size_t>(state.range(0));
    for (std::size_t i = 2; i < depth; ++i) calc.PushValue(NormalForm(i / 7.0));
    calc.PushValue(y);
    calc.PushValue(x);
    calc.angle = AngleMode::Degrees;
    for (auto _ : state) {
        op(calc, "");
        state.PauseTiming();
        calc.Undo();
        state.ResumeTiming();
    }
}

#define ORVANE_OP_BENCH(name, op, y, x)                         \
    void BM_##name(benchmark::State& s) { RunOp(s, op, y, x); } \
    BENCHMARK(BM_##name)->Arg(2)->Arg(9999)

ORVANE_OP_BENCH(Add, OpAdd, "10", "4");
ORVANE_OP_BENCH(Subtract, OpSubtract, "10", "4");
ORVANE_OP_BENCH(Multiply, OpMultiply, "10", "4");
ORVANE_OP_BENCH(Divide, OpDivide, "10", "3");
ORVANE_OP_BENCH(Power, OpPower, "2", "0.5");
ORVANE_OP_BENCH(Mod, OpMod, "10", "4");
ORVANE_OP_BENCH(Percent, OpPercent, "200", "15");
ORVANE_OP_BENCH(Exponential, OpExponential, "3", "12");
ORVANE_OP_BENCH(ExponentialHuge, OpExponential, "3", "2000000000");
ORVANE_OP_BENCH(Reciprocal, OpReciprocal, "1", "3");
ORVANE_OP_BENCH(SquareRoot, OpSquareRoot, "1", "2");
ORVANE_OP_BENCH(NaturalLog, OpNaturalLog, "1", "2");
ORVANE_OP_BENCH(PowerOf10, OpPowerOf10, "1", "22");
ORVANE_OP_BENCH(PowerOf10Huge, OpPowerOf10, "1", "2000000000");
ORVANE_OP_BENCH(Integer, OpInteger, "1", "-2.5");
ORVANE_OP_BENCH(Series170, OpSeries, "1", "170");
ORVANE_OP_BENCH(Sin, OpSin, "1", "30");
ORVANE_OP_BENCH(Cos, OpCos, "1", "60");
ORVANE_OP_BENCH(Tan, OpTan, "1", "45");
ORVANE_OP_BENCH(ArcSin, OpArcSin, "1", "0.5");
ORVANE_OP_BENCH(ArcCos, OpArcCos, "1", "0.5");
ORVANE_OP_BENCH(ArcTan, OpArcTan, "1", "0.5");

void BM_Random(benchmark::State& state) {
    Calculator calc;
    for (auto _ : state) OpRandom(calc);
}
BENCHMARK(BM_Random);

}  // namespace
}  // namespace orvane
