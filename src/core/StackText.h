// One stored stack value. A fixed-size inline buffer: every normal form fits (the sign key
// prefixes "-" only to a positive one), and a stack of 9999 of them copies as one block, which
// keeps the undo snapshot cheap.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvane {

class StackText {
  public:
    // The longest normal form.
    static constexpr std::size_t kCapacity = std::string_view("-1.23456789012345E-300").size();

    StackText() = default;

    // Fails for a text longer than kCapacity.
    static std::optional<StackText> from(std::string_view text) {
        if (text.size() > kCapacity) return std::nullopt;
        StackText t;
        t.size_ = static_cast<std::uint8_t>(text.size());
        std::copy(text.begin(), text.end(), t.chars_.begin());
        return t;
    }

    std::string_view view() const { return {chars_.data(), size_}; }

  private:
    std::array<char, kCapacity> chars_{};
    std::uint8_t size_ = 0;
};

}  // namespace orvane
