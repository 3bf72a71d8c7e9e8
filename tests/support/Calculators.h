// Calculators in a given state, for tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Calculator.h"

namespace orvane::testing_support {

// A random source that always answers the same number.
class FixedRandom final : public RandomSource {
  public:
    explicit FixedRandom(double value) : value_(value) {}
    double nextUnit() override { return value_; }

  private:
    double value_;
};

// A calculator whose stack holds `values` (bottom first), each pushed as typed.
inline Calculator CalculatorWith(const std::vector<std::string>& values, double random = 0.5) {
    Calculator calc(std::make_unique<FixedRandom>(random));
    for (const auto& v : values) calc.push(v);
    return calc;
}

}  // namespace orvane::testing_support
