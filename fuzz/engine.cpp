// Any sequence of keypad presses (indexes -1 to 43) and menu commands, through the entry point
// that every command takes. After every step: the listing shows the stack as it is, every value
// is a number text, Undo twice equals Undo once, the stack moves and the undo snapshot follow
// their rules, and a save read back gives the state.
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "FuzzCheck.h"
#include "core/NumberText.h"
#include "input/Commands.h"
#include "storage/StackFile.h"

using namespace orvane;

namespace {

using Texts = std::vector<std::string>;

// Seeding a generator for every calculator would cost more than the run.
struct Fixed : RandomSource {
    double nextUnit() override { return 0.8125; }
};

// The listing is current after every change: its last row shows the top as it is now.
void CheckListing(const Calculator& calc) {
    const Listing listing = calc.listing();
    FUZZ_CHECK(listing.countLabel == "Stack: " + std::to_string(calc.count()));
    if (calc.count() == 0) {
        FUZZ_CHECK(listing.rows == Texts(11, ""));
        return;
    }
    FUZZ_CHECK(listing.rows.size() == 11);
    FUZZ_CHECK(listing.rows.back() == "1:      " + ShownValue(calc.top()));
    FUZZ_CHECK(IsNumberText(calc.top()));
}

// What a key must do to the stack, for the keys whose effect a property can state.
void CheckKey(Command key, const Calculator& calc, const Texts& before, const Texts& undoBefore,
              const std::string& entryBefore) {
    const Texts after = calc.values();
    Texts moved = before;
    const bool swap = key == Command::Swap, plus = key == Command::RotatePositive,
               minus = key == Command::RotateNegative;
    if (swap && moved.size() >= 2) std::swap(moved[moved.size() - 2], moved.back());
    if (plus && !moved.empty()) std::rotate(moved.begin(), moved.begin() + 1, moved.end());
    if (minus && !moved.empty()) std::rotate(moved.rbegin(), moved.rbegin() + 1, moved.rend());
    const bool onEntry =
        (key == Command::Sign || key == Command::ClearOrDrop) && !entryBefore.empty();
    const bool noKey = KeyFor(key) == nullptr;
    const bool digit = key >= Command::Digit0 && key <= Command::Digit9;
    const bool entryOnly = noKey || digit || key == Command::Point || key == Command::DeleteLast ||
                           key == Command::Pi || key == Command::Random || onEntry;
    if (entryOnly || swap || plus || minus) {
        FUZZ_CHECK(after == (entryOnly ? before : moved));
        FUZZ_CHECK(calc.undoValues() == undoBefore);  // these keys never take the snapshot
    } else if (after != before) {
        FUZZ_CHECK(calc.undoValues() == before);
    }
}

// The fuzzer's own clipboard, and a stack file in memory, in the file's own bytes.
struct FuzzShell final : Shell {
    std::string clipboard;
    std::string file;
    std::string clipboardText() override { return clipboard; }
    void setClipboardText(std::string_view text) override { clipboard = text; }
    bool saveStack(const Calculator& calc) override {
        file = StackFileText(calc);
        return true;
    }
    void loadStack(Calculator& calc) override {
        FUZZ_CHECK(ApplyStackFileText(calc, file) == LoadStatus::Loaded);
    }
    void openPage(std::string_view) override {}
};

// Save, and Load into another calculator: the normalised values, the entry and the mode return.
void CheckSaveLoad(Calculator& calc, FuzzShell& shell) {
    FUZZ_CHECK(RunCommand(calc, Command::SaveStack, shell).notice == Notice::Saved);
    Calculator loaded(std::make_unique<Fixed>());
    loaded.setEntry("7");
    loaded.setAngle(calc.angle() == AngleMode::Degrees ? AngleMode::Radians : AngleMode::Degrees);
    RunCommand(loaded, Command::LoadStack, shell);
    Texts normal;
    for (const auto& v : calc.values()) normal.push_back(*ToStackText(v));
    FUZZ_CHECK(loaded.values() == normal);
    FUZZ_CHECK(loaded.undoValues() == normal);
    FUZZ_CHECK(loaded.angle() == calc.angle());
    FUZZ_CHECK(loaded.entry() == (IsNumberText(calc.entry()) ? calc.entry() : "7"));
}

// A byte below this presses keypad index byte - 1: every key, and the index just beyond the
// keypad on either side, which presses nothing.
constexpr int kKeyBytes = kKeypadKeys + 2;
constexpr auto kNoKey = static_cast<Command>(-1);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Calculator calc(std::make_unique<Fixed>());
    FuzzShell shell;
    const auto run = [&](Command command) { return RunCommand(calc, command, shell); };
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t b = data[i];
        const auto pressed = static_cast<Command>(b - 1);
        const Command key = KeyFor(pressed) != nullptr ? pressed : kNoKey;
        if (b < kKeyBytes && calc.count() > 16) {
            run(key);  // copying a long stack at every key would slow the search
        } else if (b < kKeyBytes) {
            const Texts before = calc.values(), undoBefore = calc.undoValues();
            const std::string entryBefore = calc.entry();
            RunCommand(calc, key, shell);
            CheckKey(key, calc, before, undoBefore, entryBefore);
        } else if (b % 8 == 0) {
            run(Command::Undo);
            const Texts once = calc.values();
            run(Command::Undo);
            FUZZ_CHECK(calc.values() == once && calc.entry().empty());
        } else if (b % 8 == 1) {
            run(Command::CopyTop);
        } else if (b % 8 == 2) {
            run(Command::PasteIntoEntry);
        } else if (b % 8 == 3) {  // Paste the next few bytes, the clipboard kept for later
            const std::size_t n = std::min<std::size_t>(b % 16, size - i - 1);
            const std::string kept = std::exchange(
                shell.clipboard, std::string(reinterpret_cast<const char*>(data) + i + 1, n));
            run(Command::PasteIntoEntry);
            shell.clipboard = kept;
            i += n;
        } else if (b % 8 == 4) {
            run(b & 8 ? Command::UseDegrees : Command::UseRadians);
        } else {
            CheckSaveLoad(calc, shell);
        }
        CheckListing(calc);
    }
    return 0;
}
