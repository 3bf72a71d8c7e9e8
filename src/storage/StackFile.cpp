#include "storage/StackFile.h"

#include <array>
#include <fstream>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/NumberText.h"

namespace orvane {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
// A stack of 9999 values takes about 250 KB. A file far larger than any saved state is not
// ours, and loading millions of values from it would only tie up memory.
constexpr std::uintmax_t kMaxFileBytes = 16u << 20;

// Numbers in print form: a space where a plus sign would stand, the digits, a trailing space.
std::string PrintForm(std::size_t n) {
    return std::string(" ").append(std::to_string(n)).append(" ");
}

// Reads one field after another: a line up to its end, blanks trimmed at both ends.
class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    std::optional<std::string_view> next() {
        if (pos_ >= text_.size()) return std::nullopt;
        auto end = text_.find('\n', pos_);
        if (end == std::string_view::npos) end = text_.size();
        std::string_view line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        if (line.ends_with('\r')) line.remove_suffix(1);
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos) return std::string_view{};
        return line.substr(first, line.find_last_not_of(" \t") - first + 1);
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The count: a whole number of 0 or more, written with digits only.
std::optional<std::size_t> ParseCount(std::string_view field) {
    if (field.empty() || field.size() > 15) return std::nullopt;
    std::size_t n = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + static_cast<std::size_t>(c - '0');
    }
    return n;
}

}  // namespace

std::string StackFileText(const Calculator& calc) {
    std::string out;
    out.reserve(32 + calc.entry().size() + calc.count() * 24);
    out += PrintForm(calc.angle() == AngleMode::Degrees ? 0 : 1);
    out += kLineEnd;
    out += calc.entry();
    out += kLineEnd;
    out += PrintForm(calc.count());
    out += kLineEnd;
    for (std::size_t i = 1; i <= calc.count(); ++i) {
        out += calc.at(i);
        out += kLineEnd;
    }
    return out;
}

bool SaveStack(const Calculator& calc, const std::filesystem::path& file) {
    const std::string text = StackFileText(calc);
    std::filesystem::path temporary = file;
    temporary += ".new";
    bool ok = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        ok = out.good();
        out.close();
        ok = ok && !out.fail();
    }
    std::error_code ec;
    if (ok) std::filesystem::rename(temporary, file, ec);
    if (!ok || ec) {
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}

bool ApplyStackFileText(Calculator& calc, std::string_view text) {
    FieldReader reader(text);

    const auto mode = reader.next();
    if (!mode) return false;
    if (*mode == "0") calc.setAngle(AngleMode::Degrees);
    if (*mode == "1") calc.setAngle(AngleMode::Radians);

    const auto entry = reader.next();
    if (!entry) return false;
    if (IsNumberText(*entry)) calc.setEntry(std::string(*entry));

    const auto countField = reader.next();
    const auto count = countField ? ParseCount(*countField) : std::nullopt;
    if (!count) return false;

    // Grown as values are read, never reserved from the count: the count is only a claim.
    std::vector<StackText> values;
    for (std::size_t i = 0; i < *count; ++i) {
        const auto field = reader.next();
        if (!field) return false;
        const auto normal = ToStackText(*field);
        if (!normal) return false;
        values.push_back(*StackText::from(*normal));
    }
    calc.replaceAll(std::move(values));
    return true;
}

bool LoadStack(Calculator& calc, const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    // Read to the end of the file that was opened: a size taken by name beforehand may belong to
    // the file that a save has replaced since, and a longer new file would be cut short.
    std::string text;
    std::array<char, 1u << 14> chunk{};
    while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0) {
        text.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxFileBytes) return false;
    }
    return !in.bad() && ApplyStackFileText(calc, text);
}

}  // namespace orvane
