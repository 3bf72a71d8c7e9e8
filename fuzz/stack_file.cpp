// Any bytes as the stack file: the load either takes the whole stack (and its undo copy) or
// leaves both as they were; every value stays a number text; and what a Save then writes loads
// back to the same state.
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "core/NumberText.h"
#include "storage/StackFile.h"

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Calculator calc;
    calc.push("5");
    calc.push("6");
    calc.takeSnapshot();
    calc.drop();  // stack 5, undo copy 5, 6
    const auto before = calc.values();
    const auto undoBefore = calc.undoValues();

    const bool loaded =
        ApplyStackFileText(calc, std::string_view(reinterpret_cast<const char*>(data), size)) ==
        LoadStatus::Loaded;
    if (loaded) {
        FUZZ_CHECK(calc.undoValues() == calc.values());
    } else {
        FUZZ_CHECK(calc.values() == before);
        FUZZ_CHECK(calc.undoValues() == undoBefore);
    }
    for (const auto& v : calc.values()) FUZZ_CHECK(ToStackText(v) == v);
    if (!calc.entry().empty()) FUZZ_CHECK(IsNumberText(calc.entry()));
    Calculator again;
    FUZZ_CHECK(ApplyStackFileText(again, StackFileText(calc)) == LoadStatus::Loaded);
    FUZZ_CHECK(again.values() == calc.values() && again.angle() == calc.angle());
    FUZZ_CHECK(again.entry() == calc.entry());
    return 0;
}
