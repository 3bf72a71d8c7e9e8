// Runs the key sessions of sessions.txt and exact-results.txt: each line presses keys on a fresh
// calculator and names the stack, the entry line and the undo copy it must leave (and the
// listing's top row).
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "input/EntryLine.h"
#include "input/KeyMap.h"

namespace orvane {
namespace {

struct FixedRandom : RandomSource {
    double nextUnit() override { return 0.123456789012345678; }
};

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

std::string Joined(const std::vector<std::string>& words) {
    std::string out;
    for (const auto& w : words) out += (out.empty() ? "" : " ") + w;
    return out.empty() ? "_" : out;
}

// No session comes near a full stack: no key may ask the window to warn of one.
void Press(Calculator& calc, const std::string& key) {
    // The keypad's keys in index order, as the sessions name them.
    static const auto kNames = Words(
        "0 1 2 3 4 5 6 7 8 9 . AC Ln Del Enter Swap + - * / C Extract Rot+ Rot- pi +/- 1/x % sqrt "
        "x^y Drop Exp Int Mod Sin Cos Tan Asin Acos Atan 10^x x! Rnd");
    const auto named = std::find(kNames.begin(), kNames.end(), key);
    if (named != kNames.end()) {
        EXPECT_FALSE(PressKey(calc, static_cast<Key>(named - kNames.begin())).stackFull) << key;
    } else if (key == "Undo") {
        calc.undo();
    } else if (key == "Deg" || key == "Rad") {
        calc.setAngle(key == "Deg" ? AngleMode::Degrees : AngleMode::Radians);
    } else if (key.starts_with("paste:")) {  // "~" for a blank
        std::string text = key.substr(6);
        std::replace(text.begin(), text.end(), '~', ' ');
        PasteIntoEntry(calc, text);
    } else if (key.starts_with("vk:")) {
        EXPECT_FALSE(KeyDown(calc, std::stoi(key.substr(3))).stackFull) << key;
    } else {
        ASSERT_TRUE(key.starts_with("#")) << "unknown key " << key;
        EXPECT_FALSE(PressKey(calc, static_cast<Key>(std::stoi(key.substr(1)))).stackFull) << key;
    }
}

// The sessions of a file, and how many it holds.
int RunSessions(const char* path) {
    std::ifstream file(path);
    EXPECT_TRUE(file.is_open()) << path;
    int sessions = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> column;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '|');)
            column.push_back(Joined(Words(field)));
        if (column.size() < 4) {
            ADD_FAILURE() << "fewer than four columns: " << line;
            continue;
        }
        Calculator calc(std::make_unique<FixedRandom>());
        for (const auto& key : Words(line.substr(0, line.find('|')))) Press(calc, key);
        EXPECT_EQ(Joined(calc.values()), column[1]) << line;
        EXPECT_EQ(calc.entry().empty() ? "_" : calc.entry(), column[2]) << line;
        EXPECT_EQ(Joined(calc.undoValues()), column[3]) << line;
        if (column.size() > 4) {
            EXPECT_EQ(calc.listing().rows.back(), "1:      " + column[4]) << line;
        }
        ++sessions;
    }
    return sessions;
}

TEST(Sessions, LeaveTheStackEntryAndUndoCopyTheyName) {
    EXPECT_GT(RunSessions(ORVANE_SESSIONS), 100);
}

// Hard operands (negative bases with large whole exponents, results near a 15-digit rounding
// tie, huge angles, the inverse functions at their limits): each key stores the exact result's
// digits, which scripts/make-exact-results.py computed once with Python's decimal.
TEST(Sessions, HardOperandsGiveTheExactResultsDigits) {
    EXPECT_GT(RunSessions(ORVANE_EXACT_RESULTS), 500);
}

}  // namespace
}  // namespace orvane
