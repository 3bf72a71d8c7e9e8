// Prints what every calculating key leaves on the stack for the same pseudo-random operands on
// any platform: scripts/same-digits.sh compares a Linux run with a Windows run line by line.
// Only the generator's raw 64-bit output is used, since std's distributions differ between
// standard libraries; every operand is a number text, so no platform formats one either.
#include <cstdio>
#include <random>
#include <string>

#include "core/NumberText.h"
#include "ops/Operations.h"

namespace orvane {
namespace {

using Op = void (*)(Calculator&, const std::string&);

std::mt19937_64 random(20261207);

// A text of 15 random digits times 10^e, e from `low` to `high`, with a random sign or not.
std::string Scaled(int low, int high, bool withSign = true) {
    const std::uint64_t bits = random();
    const std::string digits = std::to_string(bits % 900000000000000 + 100000000000000);
    const auto exponent =
        static_cast<int>((bits >> 50) % static_cast<std::uint64_t>(high - low + 1)) + low;
    const bool negative = withSign && ((random() & 1) != 0);
    return NormalForm(
        *ParseNumber((negative ? "-0." : "0.") + digits + "E" + std::to_string(exponent + 1)));
}

// A whole number from `low` to `high`.
std::string Whole(int low, int high) {
    return std::to_string(static_cast<int>(random() % static_cast<std::uint64_t>(high - low + 1)) +
                          low);
}

// Values where functions turn, overflow or are special, mixed into every operation's operands.
const char* const kEdges[] = {"0",
                              "1",
                              "-1",
                              "0.5",
                              "-0.5",
                              "2",
                              "45",
                              "90",
                              "-90",
                              "180",
                              "270",
                              "360",
                              "-270",
                              "1E+308",
                              "-1.79769313486231E+308",
                              "1E-308",
                              "4.94065645841247E-324",
                              "1E+22",
                              "0.999999999999999",
                              "1.00000000000001",
                              "-0.999999999999999",
                              "709.782712893384",
                              "-745.133219101941",
                              "308.254715559917",
                              "317",
                              "317.5",
                              "-317",
                              "3.14159265358979",
                              "1.5707963267949",
                              "2147483647.5",
                              "1E+300"};

std::string Edge() { return kEdges[random() % std::size(kEdges)]; }

// An operand for an operation in `family`, one in ten from the edge values.
std::string Operand(char family) {
    if (random() % 10 == 0) return Edge();
    switch (family) {
        case 'u':
            return Scaled(-16, 0);  // at most 1 in magnitude: the inverse functions
        case 'a':
            return Scaled(-3, 3);  // angles in either mode
        case 'e':
            return Scaled(-3, 2);  // exponents of ten
        case 'p':
            return Scaled(-330, 307, false);  // logarithms
        default:
            return Scaled(-330, 307);
    }
}

void Print(Calculator& calc, const char* name, Op op, const std::string& y, const std::string& x) {
    calc.clearAll();
    if (!y.empty()) calc.push(y);
    calc.push(x);
    op(calc, "");
    std::string line = std::string(name) + " " + y + " " + x + " =";
    for (const auto& value : calc.values()) line += " " + value;
    std::puts(line.c_str());
}

}  // namespace
}  // namespace orvane

int main(int argc, char** argv) {
    using namespace orvane;
    const long rounds = argc > 1 ? std::stol(argv[1]) : 100000;
    const struct {
        const char* name;
        Op op;
        char yFamily, xFamily;  // '-' for no y
        bool readsAngle;
    } keys[] = {{"Add", ops::Add, 'g', 'g', false},
                {"Subtract", ops::Subtract, 'g', 'g', false},
                {"Multiply", ops::Multiply, 'g', 'g', false},
                {"Divide", ops::Divide, 'g', 'g', false},
                {"Power", ops::Power, 'a', 'e', false},
                {"Mod", ops::Mod, 'a', 'a', false},
                {"Percent", ops::Percent, 'g', 'g', false},
                {"Exponential", ops::Exponential, 'g', 'e', false},
                {"Reciprocal", ops::Reciprocal, '-', 'g', false},
                {"SquareRoot", ops::SquareRoot, '-', 'p', false},
                {"NaturalLog", ops::NaturalLog, '-', 'p', false},
                {"PowerOf10", ops::PowerOf10, '-', 'e', false},
                {"Integer", ops::Integer, '-', 'g', false},
                {"Factorial", ops::Factorial, '-', 'e', false},
                {"Sin", ops::Sin, '-', 'a', true},
                {"Cos", ops::Cos, '-', 'a', true},
                {"Tan", ops::Tan, '-', 'a', true},
                {"ArcSin", ops::ArcSin, '-', 'u', true},
                {"ArcCos", ops::ArcCos, '-', 'u', true},
                {"ArcTan", ops::ArcTan, '-', 'a', true}};
    Calculator calc;
    for (const auto& key : keys) {
        for (const auto mode : {AngleMode::Radians, AngleMode::Degrees}) {
            if (mode == AngleMode::Degrees && !key.readsAngle) continue;
            calc.setAngle(mode);
            for (long i = 0; i < rounds; ++i) {
                // Negative bases with whole exponents: where C libraries differ most.
                if (key.op == ops::Power && i % 4 == 0) {
                    const std::string y = "-" + Scaled(-1, 0, false), x = Whole(1, 300);
                    Print(calc, key.name, key.op, y, x);
                    continue;
                }
                const std::string y = key.yFamily == '-' ? "" : Operand(key.yFamily);
                Print(calc, key.name, key.op, y, Operand(key.xFamily));
            }
        }
    }
}
