// Any sequence of keypad presses (-1 to 43) and menu commands: every stored value stays a
// number text, the listing has 11 rows or none, the count label matches, and Undo twice
// equals Undo once.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "FuzzCheck.h"
#include "core/NumberText.h"
#include "input/EntryLine.h"
#include "input/Keypad.h"
#include "storage/StackFile.h"

using namespace orvane;

namespace {

const std::filesystem::path& TempFile() {
    static const auto path = std::filesystem::temp_directory_path() /
                             ("orvane-engine-fuzz-" + std::to_string(::getpid()) + ".stp");
    return path;
}

void CheckInvariants(const Calculator& calc) {
    for (const auto& v : calc.values()) {
        FUZZ_CHECK(IsNumberText(v));
    }
    const auto& rows = calc.listing().rows;
    FUZZ_CHECK(rows.empty() || rows.size() == 11);
    FUZZ_CHECK(calc.listing().countLabel == "Stack: " + std::to_string(calc.count()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    struct Fixed : RandomSource {
        double nextUnit() override { return 0.8125; }
    };
    Calculator calc(std::make_unique<Fixed>());
    std::string clipboard;
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t b = data[i];
        if (b < 45) {
            PressKey(calc, static_cast<int>(b) - 1);
        } else {
            switch (b % 8) {
                case 0: {
                    calc.undo();
                    const auto once = calc.values();
                    calc.undo();
                    FUZZ_CHECK(calc.values() == once);
                    break;
                }
                case 1:
                    PressKey(calc, 20);
                    break;  // Clear stack
                case 2:
                    clipboard = std::string(calc.top());
                    break;  // Copy
                case 3: {   // Paste the next few bytes
                    const std::size_t n = std::min<std::size_t>(b % 16, size - i - 1);
                    PasteIntoEntry(
                        calc, std::string_view(reinterpret_cast<const char*>(data) + i + 1, n));
                    i += n;
                    break;
                }
                case 4:
                    PasteIntoEntry(calc, clipboard);
                    break;
                case 5:
                    calc.setAngle(b & 8 ? AngleMode::Degrees : AngleMode::Radians);
                    break;
                case 6:
                    SaveStack(calc, TempFile());
                    break;
                case 7:
                    LoadStack(calc, TempFile());
                    calc.rebuildListing();
                    break;
            }
        }
        CheckInvariants(calc);
    }
    return 0;
}
