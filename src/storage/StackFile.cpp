#include "storage/StackFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
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
        const std::string_view line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        return TrimBlanks(line);  // the CR of CR LF included
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

namespace fs = std::filesystem;

// The few system calls a save needs, taking wide paths on Windows, where a narrow one would be
// read in the ANSI code page.
#ifdef _WIN32
int CreateExclusively(const fs::path& path) {
    return ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                    _S_IREAD | _S_IWRITE);
}
long WriteSome(int fd, std::string_view bytes) {
    constexpr std::size_t kMaxChunk = 1u << 30;
    return ::_write(fd, bytes.data(), static_cast<unsigned>(std::min(bytes.size(), kMaxChunk)));
}
bool ToDisk(int fd) { return ::_commit(fd) == 0; }  // FlushFileBuffers
bool CloseFile(int fd) { return ::_close(fd) == 0; }
// Write-through: the call returns once the new name is on the disk.
bool MoveIntoPlace(const fs::path& from, const fs::path& to) {
    return ::MoveFileExW(from.c_str(), to.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
void DirectoryToDisk(const fs::path&) {}
#else
int CreateExclusively(const fs::path& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
long WriteSome(int fd, std::string_view bytes) { return ::write(fd, bytes.data(), bytes.size()); }
bool ToDisk(int fd) { return ::fsync(fd) == 0; }
bool CloseFile(int fd) { return ::close(fd) == 0; }
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

std::string RandomHex() {
    std::random_device device;
    std::array<char, 17> hex{};
    std::snprintf(hex.data(), hex.size(), "%08x%08x", device(), device());
    return hex.data();
}

// This save's own new file beside the stack file. It is created exclusively under a random
// 64-bit name, so a save running at the same moment in another instance never writes into it
// (nor takes the same name); it is removed unless it was moved into place.
class NewFile {
  public:
    explicit NewFile(const fs::path& file)
        : path_(fs::path(file) += "." + RandomHex() + ".new"), fd_(CreateExclusively(path_)) {}
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile() {
        if (fd_ >= 0) CloseFile(fd_);
        std::error_code ec;
        if (!placed_) fs::remove(path_, ec);
    }

    // Writes every byte, puts them on the disk, closes the file and moves it over `file`.
    SaveStatus replace(const fs::path& file, std::string_view bytes) {
        if (fd_ < 0) return SaveStatus::CannotCreate;
        while (!bytes.empty()) {
            const long n = WriteSome(fd_, bytes);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return SaveStatus::CannotWrite;
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        // A file that did not reach the disk is closed and removed by the destructor.
        if (!ToDisk(fd_)) return SaveStatus::NotOnDisk;
        if (!CloseFile(std::exchange(fd_, -1))) return SaveStatus::NotOnDisk;
        placed_ = MoveIntoPlace(path_, file);
        if (!placed_) return SaveStatus::CannotReplace;
        DirectoryToDisk(file.parent_path());
        return SaveStatus::Saved;
    }

  private:
    fs::path path_;
    int fd_;
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

    // Grown as values are read, never reserved from the count: the count is only a claim.
    std::vector<StackText> values;
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
