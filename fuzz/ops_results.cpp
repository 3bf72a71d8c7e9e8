// Prints what every calculating key of the keypad table leaves on the stack for the same
// pseudo-random operands on any platform: scripts/same-digits.sh compares the runs of Linux x86-64,
// Windows and ARM64 line by line. Only the generator's raw 64-bit output is used, since std's
// distributions differ between standard libraries; every operand is a number text, so no platform
// formats one either.
#include <cstdio>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "input/Commands.h"

namespace orvane {
namespace {

std::mt19937_64 random(20261207);

std::uint64_t Below(std::uint64_t n) { return random() % n; }

// 15 random digits times 10^e, e from `low` to `high`, negative or not.
std::string Scaled(int low, int high, bool negative) {
    const std::string digits = std::to_string(Below(900000000000000) + 100000000000000);
    const int span = high - low + 1;
    const auto exponent = static_cast<int>(Below(static_cast<std::uint64_t>(span))) + low;
    const auto text = (negative ? "-0." : "0.") + digits + "E" + std::to_string(exponent + 1);
    return NormalForm(*ParseNumber(text));
}

// Where functions turn, overflow or are special; one operand in ten is one of these.
std::vector<std::string> Edges() {
    std::istringstream texts(
        "0 1 -1 0.5 -0.5 2 45 90 -90 180 270 -270 1E+308 -1.79769313486231E+308 1E-308 "
        "4.94065645841247E-324 1E+22 0.999999999999999 1.00000000000001 -0.999999999999999 "
        "709.782712893384 -745.133219101941 308.254715559917 317 317.5 -317 3.14159265358979 "
        "1.5707963267949 2147483647.5 1E+300");
    return {std::istream_iterator<std::string>(texts), {}};
}
const std::vector<std::string> kEdges = Edges();

// An operand of a family: 'u' up to 1 in magnitude, 'a' angles, 'e' exponents, 'p' positive,
// 'g' anything; 'n' negative bases up to 1, 'w' whole exponents from 1 to 300.
std::string Operand(char family) {
    if (family == 'w') return std::to_string(Below(300) + 1);
    if (family != 'n' && Below(10) == 0) return kEdges[Below(kEdges.size())];
    const bool negative = family == 'n' || (family != 'p' && Below(2) == 1);
    static const std::map<char, std::pair<int, int>> kExponents{
        {'u', {-16, 0}}, {'a', {-3, 3}}, {'e', {-3, 2}}, {'n', {-1, 0}}};
    const auto [low, high] =
        kExponents.contains(family) ? kExponents.at(family) : std::pair(-330, 307);
    return Scaled(low, high, negative);
}

}  // namespace
}  // namespace orvane

int main(int argc, char** argv) {
    using namespace orvane;
    const long rounds = argc > 1 ? std::stol(argv[1]) : 100000;
    // The families of y and x ("-" for one operand) of the calculating keys whose operands have a
    // domain of their own; every other one takes any two numbers. "nw" is a second round of Power,
    // with negative bases and whole exponents, where C libraries differ most.
    const std::map<Command, std::vector<std::string>> families{{Command::Power, {"ae", "nw"}},
                                                               {Command::Mod, {"aa"}},
                                                               {Command::ScaleByPowerOf10, {"ge"}},
                                                               {Command::Reciprocal, {"-g"}},
                                                               {Command::SquareRoot, {"-p"}},
                                                               {Command::NaturalLog, {"-p"}},
                                                               {Command::PowerOf10, {"-e"}},
                                                               {Command::Floor, {"-g"}},
                                                               {Command::Factorial, {"-e"}},
                                                               {Command::Sin, {"-a"}},
                                                               {Command::Cos, {"-a"}},
                                                               {Command::Tan, {"-a"}},
                                                               {Command::ArcSin, {"-u"}},
                                                               {Command::ArcCos, {"-u"}},
                                                               {Command::ArcTan, {"-a"}}};
    const std::set<Command> angleKeys{Command::Sin,    Command::Cos,    Command::Tan,
                                      Command::ArcSin, Command::ArcCos, Command::ArcTan};
    const std::vector<std::string> anyTwo{"gg"};
    Calculator calc;
    NoShell shell;
    for (const KeypadKey& calculating : Keypad()) {  // every key that calculates, in table order
        if (!Calculates(calculating)) continue;
        const Command key = calculating.command;
        const auto listed = families.find(key);
        for (const std::string& operands : listed == families.end() ? anyTwo : listed->second) {
            for (const auto mode : {AngleMode::Radians, AngleMode::Degrees}) {
                if (mode == AngleMode::Degrees && !angleKeys.contains(key)) continue;
                calc.setAngle(mode);
                for (long i = 0; i < rounds; ++i) {
                    calc.clearAll();
                    std::string line = std::to_string(CodeOf(key));
                    for (const char family : operands) {
                        if (family == '-') continue;
                        line += " " + Operand(family);
                        calc.push(line.substr(line.rfind(' ') + 1));
                    }
                    RunCommand(calc, key, shell);
                    line += " =";
                    for (const auto& value : calc.values()) line += " " + value;
                    std::puts(line.c_str());
                }
            }
        }
    }
}
