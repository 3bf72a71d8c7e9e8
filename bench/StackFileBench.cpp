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
    for (int i = 0; i < 9999; ++i) calc.PushValue(NormalForm(i / 7.0 + 1000));
    return calc;
}

void BM_Save9999(benchmark::State& state) {
    const Calculator calc = FullStack();
    const auto file = BenchFile();
    for (auto _ : state) benchmark::DoNotOptimize(SaveStackFile(calc, file));
    std::filesystem::remove(file);
}
BENCHMARK(BM_Save9999)->Unit(benchmark::kMillisecond);

void BM_Load9999(benchmark::State& state) {
    const auto file = BenchFile();
    SaveStackFile(FullStack(), file);
    Calculator calc;
    for (auto _ : state) benchmark::DoNotOptimize(LoadStackFile(calc, file));
    std::filesystem::remove(file);
}
BENCHMARK(BM_Load9999)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
