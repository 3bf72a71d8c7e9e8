#include "storage/StackFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>
#include <random>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "core/NumberText.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace orvane {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

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
        const std::string_view line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        return TrimBlanks(line);  // the CR of CR LF included
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The count: a whole number from 0 to kMaxFileValues, written with digits only (leading zeros
// too, up to 15 digits).
std::optional<std::size_t> ParseCount(std::string_view field) {
    std::size_t n = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), n);
    if (ec != std::errc{} || end != field.data() + field.size() || field.size() > 15 ||
        n > kMaxFileValues) {
        return std::nullopt;
    }
    return n;
}

namespace fs = std::filesystem;

// The few system calls a save needs, taking wide paths on Windows, where a narrow one would be
// read in the ANSI code page.
#ifdef _WIN32
std::FILE* CreateExclusively(const fs::path& path) {
    const int fd = ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                            _S_IREAD | _S_IWRITE);
    if (fd < 0) return nullptr;
    std::FILE* stream = ::_fdopen(fd, "wb");
    if (stream == nullptr) ::_close(fd);
    return stream;
}
bool ToDisk(std::FILE* stream) { return ::_commit(::_fileno(stream)) == 0; }  // FlushFileBuffers
// Write-through: the call returns once the new name is on the disk.
bool MoveIntoPlace(const fs::path& from, const fs::path& to) {
    return ::MoveFileExW(from.c_str(), to.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
void DirectoryToDisk(const fs::path&) {}
#else
// "x": only a file that did not exist; "e": not inherited by a program started meanwhile.
std::FILE* CreateExclusively(const fs::path& path) { return std::fopen(path.c_str(), "wbxe"); }
bool ToDisk(std::FILE* stream) { return ::fsync(::fileno(stream)) == 0; }
bool MoveIntoPlace(const fs::path& from, const fs::path& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}
// The rename is only durable once the directory is: best effort, as some file systems cannot
// sync a directory and the new file is in place by now whatever this says.
void DirectoryToDisk(const fs::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}
#endif

std::string RandomNumber() {
    std::random_device device;
    return std::to_string(std::uniform_int_distribution<std::uint64_t>()(device));
}

// This save's own new file beside the stack file. It is created exclusively under a random
// 64-bit name, so a save running at the same moment in another instance never writes into it
// (nor takes the same name); it is removed unless it was moved into place.
class NewFile {
  public:
    explicit NewFile(const fs::path& file)
        : path_(fs::path(file) += "." + RandomNumber() + ".new"),
          stream_(CreateExclusively(path_)) {}
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile() {
        if (stream_ != nullptr) std::fclose(stream_);
        std::error_code ec;
        if (!placed_) fs::remove(path_, ec);
    }

    // Writes every byte, puts them on the disk, closes the file and moves it over `file`.
    SaveStatus replace(const fs::path& file, std::string_view bytes) {
        if (stream_ == nullptr) return SaveStatus::CannotCreate;
        if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size() ||
            std::fflush(stream_) != 0) {
            return SaveStatus::CannotWrite;
        }
        // A file that did not reach the disk is closed and removed by the destructor.
        if (!ToDisk(stream_)) return SaveStatus::NotOnDisk;
        if (std::fclose(std::exchange(stream_, nullptr)) != 0) return SaveStatus::NotOnDisk;
        placed_ = MoveIntoPlace(path_, file);
        if (!placed_) return SaveStatus::CannotReplace;
        DirectoryToDisk(file.parent_path());
        return SaveStatus::Saved;
    }

  private:
    fs::path path_;
    std::FILE* stream_;
    bool placed_ = false;
};

}  // namespace

std::string StackFileText(const Calculator& calc) {
    std::string out;
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

SaveStatus SaveStack(const Calculator& calc, const std::filesystem::path& file) {
    return NewFile(file).replace(file, StackFileText(calc));
}

StackFileContent ParseStackFile(std::string_view text) {
    FieldReader reader(text);
    StackFileContent content;
    const auto fail = [&content](LoadStatus why) {
        content.status = why;
        return content;
    };

    const auto mode = reader.next();
    if (!mode) return fail(LoadStatus::EndsEarly);
    if (*mode == "0") content.angle = AngleMode::Degrees;
    if (*mode == "1") content.angle = AngleMode::Radians;

    const auto entry = reader.next();
    if (!entry) return fail(LoadStatus::EndsEarly);
    if (IsNumberText(*entry)) content.entry = std::string(*entry);

    const auto countField = reader.next();
    if (!countField) return fail(LoadStatus::EndsEarly);
    const auto count = ParseCount(*countField);
    if (!count) return fail(LoadStatus::BadCount);

    // Reserved for the count only as far as the bytes could back it (a value and its line end
    // take two at least): the count is only a claim.
    std::vector<StackText> values;
    values.reserve(std::min(*count, text.size() / 2 + 1));
    for (std::size_t i = 0; i < *count; ++i) {
        const auto field = reader.next();
        if (!field) return fail(LoadStatus::EndsEarly);
        const auto normal = ToStackText(*field);
        if (!normal) return fail(LoadStatus::BadValue);
        values.push_back(*StackText::from(*normal));
    }
    content.values = std::move(values);
    return content;
}

LoadStatus ApplyStackFileText(Calculator& calc, std::string_view text) {
    StackFileContent content = ParseStackFile(text);
    if (content.angle) calc.setAngle(*content.angle);
    if (content.entry) calc.setEntry(std::move(*content.entry));
    if (content.values) calc.replaceAll(std::move(*content.values));
    return content.status;
}

LoadStatus LoadStack(Calculator& calc, const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return LoadStatus::CannotOpen;
    // Read to the end of the file that was opened: a size taken by name beforehand may belong to
    // the file that a save has replaced since, and a longer new file would be cut short.
    std::string text;
    std::array<char, 1u << 14> chunk{};
    while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0) {
        text.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxFileBytes) return LoadStatus::TooLarge;
    }
    if (in.bad()) return LoadStatus::CannotRead;
    return ApplyStackFileText(calc, text);
}

}  // namespace orvane
