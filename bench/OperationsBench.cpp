#include <benchmark/benchmark.h>

#include <cctype>
#include <map>
#include <string>
#include <tuple>

#include "core/Calculator.h"
#include "core/NumberText.h"
#include "input/Commands.h"
#include "ops/Operations.h"

namespace orvane {
namespace {

// A press of an operation's key, its undo snapshot of the whole stack included, with its
// operands on a stack of `depth` values; Undo puts them back outside the timing, so every round
// computes the same thing.
void RunOp(benchmark::State& state, Command key, const char* y, const char* x) {
    Calculator calc;
    const auto depth = static_cast<std::size_t>(state.range(0));
    for (std::size_t i = 2; i < depth; ++i) calc.push(NormalForm(i / 7.0));
    calc.push(y);
    calc.push(x);
    calc.setAngle(AngleMode::Degrees);
    NoShell shell;
    for (auto _ : state) {
        RunCommand(calc, key, shell);
        state.PauseTiming();
        calc.undo();
        state.ResumeTiming();
    }
}

// The operands of the calculating keys that do not take 10 and 4, and the hardest operands of
// a few, timed beside their usual ones.
const std::map<Command, std::pair<const char*, const char*>> kOperands{
    {Command::Divide, {"10", "3"}},    {Command::Power, {"2", "0.5"}},
    {Command::Percent, {"200", "15"}}, {Command::ScaleByPowerOf10, {"3", "12"}},
    {Command::Reciprocal, {"1", "3"}}, {Command::SquareRoot, {"1", "2"}},
    {Command::NaturalLog, {"1", "2"}}, {Command::PowerOf10, {"1", "22"}},
    {Command::Floor, {"1", "-2.5"}},   {Command::Factorial, {"1", "170"}},
    {Command::Sin, {"1", "30"}},       {Command::Cos, {"1", "60"}},
    {Command::Tan, {"1", "45"}},       {Command::ArcSin, {"1", "0.5"}},
    {Command::ArcCos, {"1", "0.5"}},   {Command::ArcTan, {"1", "0.5"}}};
const std::tuple<const char*, Command, const char*, const char*> kHardest[] = {
    {"PowerNegativeBase", Command::Power, "-0.92078", "251"},
    {"ScaleByPowerOf10Huge", Command::ScaleByPowerOf10, "3", "2000000000"},
    {"PowerOf10Huge", Command::PowerOf10, "1", "2000000000"},
    {"SinHugeAngle", Command::Sin, "1", "1E+300"}};

// A benchmark's name from a key's words: "Inverse sine" is InverseSine.
std::string NameOf(std::string_view words) {
    std::string name;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == ' ') continue;
        const bool first = i == 0 || words[i - 1] == ' ';
        name += first ? static_cast<char>(std::toupper(static_cast<unsigned char>(words[i])))
                      : words[i];
    }
    return name;
}

void Register(const std::string& name, Command key, const char* y, const char* x) {
    // The framework keeps what it registers for the whole run.
    // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
    benchmark::RegisterBenchmark(name.c_str(), RunOp, key, y, x)->Arg(2)->Arg(9999);
}

// Every calculating key of the keypad table, so that none is left out.
const bool kRegistered = [] {
    for (const KeypadKey& key : Keypad()) {
        if (!Calculates(key)) continue;
        const auto listed = kOperands.find(key.command);
        const auto [y, x] = listed == kOperands.end() ? std::pair("10", "4") : listed->second;
        Register(NameOf(key.spoken), key.command, y, x);
    }
    for (const auto& [name, key, y, x] : kHardest) Register(name, key, y, x);
    return true;
}();

void Random(benchmark::State& state) {
    Calculator calc;
    for (auto _ : state) ops::RandomIntoEntry(calc);
}
BENCHMARK(Random);

}  // namespace
}  // namespace orvane
