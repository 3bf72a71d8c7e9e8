// Any bytes as a number text: an accepted text agrees with the C library's strtod, its normal
// form with printf's %.15G, its stack text is a fixed point of normalisation, and that text
// reads back to itself.
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzCheck.h"
#include "core/NumberText.h"

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto value = ParseNumber(text);
    if (!value) return 0;
    FUZZ_CHECK(IsNumberText(text));

    // The grammar accepted it, so strtod reads it whole too (after the blanks), with the same
    // correctly rounded result; it reports overflow where we fail.
    const std::string trimmed(TrimBlanks(text));
    char* end = nullptr;
    const double expected = std::strtod(trimmed.c_str(), &end);
    FUZZ_CHECK(end == trimmed.c_str() + trimmed.size());
    FUZZ_CHECK(expected == *value);

    // printf is an independent writer of the same 15-digit form (but for the sign of zero).
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.15G", expected);
    FUZZ_CHECK(NormalForm(expected) == (std::string(printed) == "-0" ? "0" : printed));

    const auto stored = ToStackText(text);
    if (!stored) return 0;  // only the very largest doubles
    FUZZ_CHECK(IsNumberText(*stored));
    FUZZ_CHECK(ToStackText(*stored) == stored);
    FUZZ_CHECK(NormalForm(*ParseNumber(*stored)) == *stored);
    FUZZ_CHECK(stored->size() <= 22);
    return 0;
}
