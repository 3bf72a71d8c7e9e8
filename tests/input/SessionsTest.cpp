// The key sessions of sessions.txt and exact-results.txt, one test for each line, named after
// its keys alone, so that a line added or removed renames no other: the keys are pressed on a
// fresh calculator, which must then hold the stack, the entry line and the undo copy the line
// names (and the listing's top row).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "input/Commands.h"
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

// A session's clipboard; it has no stack file and no browser.
struct SessionShell final : NoShell {
    std::string clipboard;
    std::string clipboardText() override { return clipboard; }
    void setClipboardText(std::string_view text) override { clipboard = text; }
};

// A word of a session: a command's name, "paste:TEXT" (Paste of TEXT, "~" for a blank), a key of
// the keyboard by its virtual-key code ("vk:N") or a keypad index ("#N"), through the entry point
// every command takes. No session comes near a full stack: none may ask for the warning.
void Press(Calculator& calc, SessionShell& shell, const std::string& word) {
    std::optional<Command> command = CommandNamed(word);
    if (word.starts_with("paste:")) {
        shell.clipboard = word.substr(6);
        std::ranges::replace(shell.clipboard, '~', ' ');
        command = Command::PasteIntoEntry;
    } else if (word.starts_with("vk:")) {
        command = KeypadKeyFor(std::stoi(word.substr(3)));
        if (!command) return;  // a key the map leaves out does nothing
    } else if (word.starts_with("#")) {
        command = static_cast<Command>(std::stoi(word.substr(1)));
        if (KeyFor(*command) == nullptr) return;  // an index beyond the keypad presses nothing
    }
    ASSERT_TRUE(command) << "unknown word " << word;
    EXPECT_FALSE(RunCommand(calc, *command, shell).stackFull()) << word;
}

// A session: its test's name, where it stands (file:line) and its text.
struct Session {
    std::string name;
    std::string where;
    std::string text;
};

// What a failure prints of the parameter.
void PrintTo(const Session& s, std::ostream* out) { *out << s.where << ": " << s.text; }

// "2_Enter_3_plus": the keys in letters, digits and underscores (no two in a row), cut short
// with a checksum of the whole when long.
std::string NameOf(const std::string& keys) {
    static const std::map<char, std::string> kWords{
        {'+', "plus"}, {'-', "minus"}, {'*', "times"}, {'/', "over"}, {'.', "point"},
        {'^', "pow"},  {'!', "fact"},  {'%', "pct"},   {'#', "key"},  {'~', "blank"}};
    constexpr std::size_t kLongest = 60;
    std::string name;
    for (const char c : keys) {
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
        if (c == ' ' && !name.empty() && name.back() != '_') name += '_';
        if (kWords.contains(c)) name += kWords.at(c);
    }
    if (name.empty()) return "no_keys";
    if (name.size() <= kLongest) return name;
    std::uint32_t sum = 2166136261u;  // FNV-1a: the same on every platform and library
    for (const char c : keys) sum = (sum ^ static_cast<unsigned char>(c)) * 16777619u;
    std::ostringstream cut;
    cut << name.substr(0, name.find_last_not_of('_', kLongest - 1) + 1) << '_' << std::hex << sum;
    return cut.str();
}

// The sessions of a file. A second session of the same keys gets "__2" (which no keys give),
// the third "__3"; any other clash of names stops the test program as it starts.
std::vector<Session> SessionsOf(const char* path) {
    const std::string file = std::filesystem::path(path).filename().string();
    std::ifstream in(path);
    if (!in) return {{"no_file", path, ""}};  // a session that fails
    std::vector<Session> sessions;
    std::map<std::string, int> typed;  // how many sessions so far typed these keys
    int number = 1;
    for (std::string line; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        const std::string keys = Joined(Words(line.substr(0, line.find('|'))));
        const int again = typed[keys]++;
        sessions.push_back({NameOf(keys) + (again > 0 ? "__" + std::to_string(again + 1) : ""),
                            file + ":" + std::to_string(number), line});
    }
    return sessions;
}

std::string NameOfSession(const testing::TestParamInfo<Session>& info) { return info.param.name; }

class KeySession : public testing::TestWithParam<Session> {};

TEST_P(KeySession, LeavesWhatItsLineNames) {
    std::vector<std::string> column;  // keys | stack | entry line | undo copy [| top row]
    std::istringstream fields(GetParam().text);
    for (std::string field; std::getline(fields, field, '|');) {
        column.push_back(Joined(Words(field)));
    }
    ASSERT_GE(column.size(), 4u) << "fewer than four columns";
    Calculator calc(std::make_unique<FixedRandom>());
    SessionShell shell;
    for (const auto& word : Words(column[0])) Press(calc, shell, word);
    EXPECT_EQ(Joined(calc.values()), column[1]);
    EXPECT_EQ(calc.entry().empty() ? "_" : calc.entry(), column[2]);
    EXPECT_EQ(Joined(calc.undoValues()), column[3]);
    if (column.size() > 4) {
        EXPECT_EQ(calc.listing().rows.back(), "1:      " + column[4]);
    }
}

INSTANTIATE_TEST_SUITE_P(Sessions, KeySession, testing::ValuesIn(SessionsOf(ORVANE_SESSIONS)),
                         NameOfSession);

// Hard operands (negative bases with large whole exponents, results near a 15-digit rounding
// tie, huge angles, the inverse functions at their limits): each key stores the exact result's
// digits, as scripts/make-exact-results.py computes them with MPFR (a test runs it again).
INSTANTIATE_TEST_SUITE_P(ExactResults, KeySession,
                         testing::ValuesIn(SessionsOf(ORVANE_EXACT_RESULTS)), NameOfSession);

}  // namespace
}  // namespace orvane
