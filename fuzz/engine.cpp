// Any sequence of keypad presses (-1 to 43) and menu commands. After every step: the listing
// shows the stack as it is, every value is a number text, Undo twice equals Undo once, the
// stack moves and the undo snapshot follow their rules, and a save read back gives the state.
#include <algorithm>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "core/NumberText.h"
#include "input/EntryLine.h"
#include "input/Keypad.h"
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
void CheckKey(Key key, const Calculator& calc, const Texts& before, const Texts& undoBefore,
              const std::string& entryBefore) {
    const Texts after = calc.values();
    Texts moved = before;
    const bool swap = key == Key::Swap, plus = key == Key::RotatePositive,
               minus = key == Key::RotateNegative;
    if (swap && moved.size() >= 2) std::swap(moved[moved.size() - 2], moved.back());
    if (plus && !moved.empty()) std::rotate(moved.begin(), moved.begin() + 1, moved.end());
    if (minus && !moved.empty()) std::rotate(moved.rbegin(), moved.rbegin() + 1, moved.rend());
    const bool onEntry = (key == Key::Sign || key == Key::ClearOrDrop) && !entryBefore.empty();
    const bool noKey = IndexOf(key) < 0 || IndexOf(key) >= kKeypadKeys;
    const bool digit = key >= Key::Digit0 && key <= Key::Digit9;
    const bool entryOnly = noKey || digit || key == Key::Point || key == Key::DeleteLast ||
                           key == Key::Pi || key == Key::Random || onEntry;
    if (entryOnly || swap || plus || minus) {
        FUZZ_CHECK(after == (entryOnly ? before : moved));
        FUZZ_CHECK(calc.undoValues() == undoBefore);  // these keys never take the snapshot
    } else if (after != before) {
        FUZZ_CHECK(calc.undoValues() == before);
    }
}

// Save and load through the file's text: the normalised values, the entry and the mode return.
void CheckSaveLoad(const Calculator& calc) {
    Calculator loaded(std::make_unique<Fixed>());
    loaded.setEntry("7");
    loaded.setAngle(calc.angle() == AngleMode::Degrees ? AngleMode::Radians : AngleMode::Degrees);
    FUZZ_CHECK(ApplyStackFileText(loaded, StackFileText(calc)) == LoadStatus::Loaded);
    Texts normal;
    for (const auto& v : calc.values()) normal.push_back(*ToStackText(v));
    FUZZ_CHECK(loaded.values() == normal);
    FUZZ_CHECK(loaded.undoValues() == normal);
    FUZZ_CHECK(loaded.angle() == calc.angle());
    FUZZ_CHECK(loaded.entry() == (IsNumberText(calc.entry()) ? calc.entry() : "7"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Calculator calc(std::make_unique<Fixed>());
    std::string clipboard;
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t b = data[i];
        const auto key = static_cast<Key>(b - 1);  // -1 to 43: no key, every key, no key
        if (b < 45 && calc.count() > 16) {
            PressKey(calc, key);  // copying a long stack at every key would slow the search
        } else if (b < 45) {
            const Texts before = calc.values(), undoBefore = calc.undoValues();
            const std::string entryBefore = calc.entry();
            PressKey(calc, key);
            CheckKey(key, calc, before, undoBefore, entryBefore);
        } else if (b % 8 == 0) {
            calc.undo();
            const Texts once = calc.values();
            calc.undo();
            FUZZ_CHECK(calc.values() == once && calc.entry().empty());
        } else if (b % 8 == 1) {
            clipboard = std::string(calc.top());  // Copy
        } else if (b % 8 == 2) {
            PasteIntoEntry(calc, clipboard);
        } else if (b % 8 == 3) {  // Paste the next few bytes
            const std::size_t n = std::min<std::size_t>(b % 16, size - i - 1);
            PasteIntoEntry(calc, std::string_view(reinterpret_cast<const char*>(data) + i + 1, n));
            i += n;
        } else if (b % 8 == 4) {
            calc.setAngle(b & 8 ? AngleMode::Degrees : AngleMode::Radians);
        } else {
            CheckSaveLoad(calc);
        }
        CheckListing(calc);
    }
    return 0;
}
