#include "storage/StackFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <string_view>
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

// The few system calls a save and a load need, taking wide paths on Windows, where a narrow one
// would be read in the ANSI code page.
#ifdef _WIN32
// Another program may hold a file for a moment without sharing its deletion: a virus scanner
// looking at the file a save has just written, another instance loading the stack file. Such
// a file cannot be replaced or removed until it is let go, so `step` is tried again for about
// two seconds, with waits growing from 5 ms to 250 ms.
template <class Step>
bool WithRetries(Step step) {
    constexpr DWORD kLongestWaitMs = 250, kGiveUpAfterMs = 2000;
    DWORD waited = 0;
    for (DWORD wait = 5; !step(); wait = std::min(wait * 2, kLongestWaitMs)) {
        const DWORD error = ::GetLastError();
        const bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                          error == ERROR_ACCESS_DENIED;
        if (!held || waited + wait > kGiveUpAfterMs) return false;
        ::Sleep(wait);
        waited += wait;
    }
    return true;
}

std::FILE* CreateExclusively(const fs::path& path) {
    const int fd = ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                            _S_IREAD | _S_IWRITE);
    if (fd < 0) return nullptr;
    std::FILE* stream = ::_fdopen(fd, "wb");
    if (stream == nullptr) {
        ::_close(fd);
        ::_wremove(path.c_str());
    }
    return stream;
}
bool ToDisk(std::FILE* stream) { return ::_commit(::_fileno(stream)) == 0; }  // FlushFileBuffers
// Write-through: the call returns once the new name is on the disk. A read-only stack file is
// kept, as Windows keeps it from being replaced (which wine does not).
bool MoveIntoPlace(const fs::path& from, const fs::path& to) {
    const DWORD attributes = ::GetFileAttributesW(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
    return WithRetries([&] {
        return ::MoveFileExW(from.c_str(), to.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    });
}
void RemoveFile(const fs::path& path) {
    WithRetries([&] { return ::DeleteFileW(path.c_str()) != 0; });
}
void DirectoryToDisk(const fs::path&) {}
// Shared for reading, writing and deleting, so that a save can replace the file meanwhile.
std::FILE* OpenForReading(const fs::path& path) {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(file), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(file);
        return nullptr;
    }
    std::FILE* stream = ::_fdopen(fd, "rb");
    if (stream == nullptr) ::_close(fd);
    return stream;
}
#else
// "x": only a file that did not exist; "e": not inherited by a program started meanwhile.
std::FILE* CreateExclusively(const fs::path& path) { return std::fopen(path.c_str(), "wbxe"); }
bool ToDisk(std::FILE* stream) { return ::fsync(::fileno(stream)) == 0; }
bool MoveIntoPlace(const fs::path& from, const fs::path& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}
void RemoveFile(const fs::path& path) { std::remove(path.c_str()); }
// The rename is only durable once the directory is: best effort, as some file systems cannot
// sync a directory and the new file is in place by now whatever this says.
void DirectoryToDisk(const fs::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}
std::FILE* OpenForReading(const fs::path& path) { return std::fopen(path.c_str(), "rbe"); }
#endif

struct CloseFile {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
};

std::string RandomNumber() {
    std::random_device device;
    return std::to_string(std::uniform_int_distribution<std::uint64_t>()(device));
}

// This save's own new file beside the stack file, created exclusively, so that a save running
// at the same moment in another instance never writes into it. It is removed unless it was
// moved into place, and only when this save created it: a name that was taken is another's.
class NewFile {
  public:
    explicit NewFile(fs::path path)
        : path_(std::move(path)), stream_(CreateExclusively(path_)), created_(stream_ != nullptr) {}
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile() {
        if (stream_ != nullptr) std::fclose(stream_);
        if (created_ && !placed_) RemoveFile(path_);
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
    bool created_;
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

SaveStatus SaveStackThrough(const Calculator& calc, const std::filesystem::path& file,
                            const std::filesystem::path& newFile) {
    return NewFile(newFile).replace(file, StackFileText(calc));
}

// Under a random 64-bit name, which no save running at the same moment takes too.
SaveStatus SaveStack(const Calculator& calc, const std::filesystem::path& file) {
    return SaveStackThrough(calc, file, fs::path(file) += "." + RandomNumber() + ".new");
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
    const std::unique_ptr<std::FILE, CloseFile> in(OpenForReading(file));
    if (!in) return LoadStatus::CannotOpen;
    // Read to the end of the file that was opened: a size taken by name beforehand may belong to
    // the file that a save has replaced since, and a longer new file would be cut short.
    std::string text;
    std::array<char, 1u << 14> chunk{};
    while (const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), in.get())) {
        text.append(chunk.data(), n);
        if (text.size() > kMaxFileBytes) return LoadStatus::TooLarge;
    }
    if (std::ferror(in.get()) != 0) return LoadStatus::CannotRead;
    return ApplyStackFileText(calc, text);
}

}  // namespace orvane
