// The stack listing: the eleven rows of the stack display and the count label, derived
// from the stored texts alone.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

inline constexpr int kListingRows = 11;

struct Listing {
    std::vector<std::string> rows;  // kListingRows: blanks above the values, the top last
    std::string countLabel;         // "Stack: N"
    friend bool operator==(const Listing&, const Listing&) = default;
};

// The readable form of one stored value: grouped thousands and at most 14 decimals, or the
// stored text itself for magnitudes whose whole part needs exponent form or 15 digits and a sign.
std::string ShownValue(std::string_view stored);

std::string CountLabel(std::size_t count);

}  // namespace orvane
