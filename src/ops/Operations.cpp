#include "ops/Operations.h"

#include <algorithm>
#include <cmath>

#include "core/NumberText.h"
#include "ops/Numeric.h"
#include "ops/Precise.h"

namespace orvane::ops {
namespace {

// Degrees per radian, exactly this decimal as the calculator has always used it.
constexpr double kDegreesPerRadian = 57.2957795;

using Formula = Result (*)(double y, double x, AngleMode mode);

struct Operation {
    int operands;  // 2: count tested before the entry push; 1: after it
    Formula formula;
};

// The operation template, written once for all twenty calculating keys: the entry line is the
// pending operand. The undo snapshot is the keypad's to take, before this runs.
Outcome Run(Calculator& calc, const Operation& op) {
    if (op.operands == 2 && calc.count() == 0) return {};  // the entry stays for later
    if (!calc.entry().empty()) {
        switch (calc.push(calc.entry())) {
            case PushResult::StackFull:      // nothing computed on other values than the user gave
                return {Notice::StackFull};  // the entry kept
            case PushResult::NotANumber:
                calc.setEntry("");
                return {};
            case PushResult::Pushed:
            case PushResult::Ignored:
                break;
        }
    }
    if (calc.count() < static_cast<std::size_t>(op.operands)) return {};

    const auto x = ParseNumber(calc.at(calc.count()));
    const auto y = op.operands == 2 ? ParseNumber(calc.at(calc.count() - 1)) : Result(0.0);
    const Result r = (x && y) ? op.formula(*y, *x, calc.angle()) : std::nullopt;
    const bool full = r && calc.replaceOperands(static_cast<std::size_t>(op.operands), *r) ==
                               PushResult::StackFull;
    calc.setEntry("");
    return {full ? Notice::StackFull : Notice::None};
}

namespace formula {

// Two-operand formulas.
Result Add(double y, double x, AngleMode) { return Checked(y + x); }
Result Subtract(double y, double x, AngleMode) { return Checked(y - x); }
Result Multiply(double y, double x, AngleMode) { return Checked(x * y); }
Result Divide(double y, double x, AngleMode) {
    if (x == 0) return std::nullopt;
    return Checked(y / x);
}
Result Power(double y, double x, AngleMode) { return Checked(precise::Pow(y, x)); }
Result Mod(double y, double x, AngleMode) {
    const auto a = RoundTo32(x);
    const auto b = RoundTo32(y);
    if (!a || !b || *a == 0) return std::nullopt;
    if (*b == INT32_MIN && *a == -1) return std::nullopt;
    return static_cast<double>(*b % *a);
}
Result Percent(double y, double x, AngleMode) {
    const Result share = Checked(x / 100);
    if (!share) return std::nullopt;
    return Checked(*share * y);
}
Result Exponential(double y, double x, AngleMode) {
    const auto n = RoundTo32(x);
    if (!n) return std::nullopt;
    return ShiftDecimal(y, *n);
}

// One-operand formulas.
Result Reciprocal(double, double x, AngleMode) { return Checked(1 / x); }         // of 0: infinite
Result SquareRoot(double, double x, AngleMode) { return Checked(std::sqrt(x)); }  // below 0: NaN
Result NaturalLog(double, double x, AngleMode) { return Checked(precise::Log(x)); }
Result PowerOf10(double, double x, AngleMode) {
    // Whole exponents by decimal shift, so 10^22 is the double nearest to it.
    if (x == std::floor(x))
        return ShiftDecimal(1, static_cast<std::int64_t>(std::clamp(x, -1000.0, 1000.0)));
    return Checked(precise::Pow(10, x));
}
Result Integer(double, double x, AngleMode) { return std::floor(x); }
Result Factorial(double, double x, AngleMode) {
    const auto n = RoundTo32(x);
    if (!n || *n < 0) return std::nullopt;
    double r = 1;
    for (std::int32_t i = 2; i <= *n; ++i) {  // overflows by 171: at most 170 rounds
        r = static_cast<double>(i) * r;
        if (!std::isfinite(r)) return std::nullopt;
    }
    return r;
}

// Trigonometry.
Result Rounded(Result r) {
    if (!r) return std::nullopt;
    return Checked(RoundTo5Decimals(*r));
}
double ToRadians(double x, AngleMode mode) {
    return mode == AngleMode::Degrees ? x / kDegreesPerRadian : x;
}
Result FromRadians(double r, AngleMode mode) {
    return Rounded(Checked(mode == AngleMode::Degrees ? r * kDegreesPerRadian : r));
}
bool IsOddMultipleOf90(double x) { return std::fabs(std::fmod(x, 180.0)) == 90; }

Result Sin(double, double x, AngleMode mode) {
    return Rounded(Checked(precise::Sin(ToRadians(x, mode))));
}
// Whole results need no special case: 90 degrees and the inverses of 1 in degrees round, at 5
// decimals, to exactly 0, 90, 0 and 45.
Result Cos(double, double x, AngleMode mode) {
    return Rounded(Checked(precise::Cos(ToRadians(x, mode))));
}
Result Tan(double, double x, AngleMode mode) {
    // The tangent has no value there; a huge rounding artefact is no answer.
    if (mode == AngleMode::Degrees && IsOddMultipleOf90(x)) return std::nullopt;
    return Rounded(Checked(precise::Tan(ToRadians(x, mode))));
}
// The inverse sine and cosine through the arctangent; 1E-12 keeps the quotient finite at |x| = 1.
Result ArcTanOfRatio(double numerator, double x) {
    const double t = (-x) * x + 1;
    if (t < 0) return std::nullopt;  // an x too large to square gives -infinity
    return Checked(precise::ArcTan(numerator / (std::sqrt(t) + 1E-12)));
}
Result ArcSin(double, double x, AngleMode mode) {
    const Result r = ArcTanOfRatio(x, x);
    return r ? FromRadians(*r, mode) : std::nullopt;
}
Result ArcCos(double, double x, AngleMode mode) {
    // The quarter turn as arctan(1) + arctan(1), taken once: each arctangent costs microseconds.
    static const double kQuarterTurn = precise::ArcTan(1.0) + precise::ArcTan(1.0);
    const Result r = ArcTanOfRatio(-x, x);
    return r ? FromRadians(*r + kQuarterTurn, mode) : std::nullopt;
}
Result ArcTan(double, double x, AngleMode mode) { return FromRadians(precise::ArcTan(x), mode); }

}  // namespace formula
}  // namespace

Outcome Add(Calculator& c) { return Run(c, {2, formula::Add}); }
Outcome Subtract(Calculator& c) { return Run(c, {2, formula::Subtract}); }
Outcome Multiply(Calculator& c) { return Run(c, {2, formula::Multiply}); }
Outcome Divide(Calculator& c) { return Run(c, {2, formula::Divide}); }
Outcome Power(Calculator& c) { return Run(c, {2, formula::Power}); }
Outcome Mod(Calculator& c) { return Run(c, {2, formula::Mod}); }
Outcome Percent(Calculator& c) { return Run(c, {2, formula::Percent}); }
Outcome ScaleByPowerOf10(Calculator& c) { return Run(c, {2, formula::Exponential}); }
Outcome Reciprocal(Calculator& c) { return Run(c, {1, formula::Reciprocal}); }
Outcome SquareRoot(Calculator& c) { return Run(c, {1, formula::SquareRoot}); }
Outcome NaturalLog(Calculator& c) { return Run(c, {1, formula::NaturalLog}); }
Outcome PowerOf10(Calculator& c) { return Run(c, {1, formula::PowerOf10}); }
Outcome Floor(Calculator& c) { return Run(c, {1, formula::Integer}); }
Outcome Factorial(Calculator& c) { return Run(c, {1, formula::Factorial}); }
Outcome Sin(Calculator& c) { return Run(c, {1, formula::Sin}); }
Outcome Cos(Calculator& c) { return Run(c, {1, formula::Cos}); }
Outcome Tan(Calculator& c) { return Run(c, {1, formula::Tan}); }
Outcome ArcSin(Calculator& c) { return Run(c, {1, formula::ArcSin}); }
Outcome ArcCos(Calculator& c) { return Run(c, {1, formula::ArcCos}); }
Outcome ArcTan(Calculator& c) { return Run(c, {1, formula::ArcTan}); }

Outcome RandomIntoEntry(Calculator& c) {
    c.setEntry(NormalForm(c.nextRandom()));
    return {};
}

}  // namespace orvane::ops
