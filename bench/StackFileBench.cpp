#include <benchmark/benchmark.h>
#include <unistd.h>

#include "core/NumberText.h"
#include "storage/StackFile.h"

namespace orvane {
namespace {

std::filesystem::path BenchFile() {
    return std::filesystem::temp_directory_path() /
           ("orvane-bench-" + std::to_string(::getpid()) + ".stp");
}

Calculator FullStack() {
    Calculator calc;
    for (int i = 0; i < 9999; ++i) calc.push(NormalForm(i / 7.0 + 1000));
    return calc;
}

void Save9999(benchmark::State& state) {
    const Calculator calc = FullStack();
    const auto file = BenchFile();
    for (auto _ : state) benchmark::DoNotOptimize(SaveStack(calc, file));
    std::filesystem::remove(file);
}
BENCHMARK(Save9999)->Unit(benchmark::kMillisecond);

void Load9999(benchmark::State& state) {
    const auto file = BenchFile();
    SaveStack(FullStack(), file);
    Calculator calc;
    for (auto _ : state) benchmark::DoNotOptimize(LoadStack(calc, file));
    std::filesystem::remove(file);
}
BENCHMARK(Load9999)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
