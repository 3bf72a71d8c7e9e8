// The stack file: angle mode, entry text and every stack value as CR LF text lines.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Calculator.h"

namespace orvane {

inline constexpr const char* kStackFileName = "StackTemp.stp";

// What one load takes at most, so that the largest file keeps the program's memory near 100 MB
// (its text, the stack and the undo copy). A million values is a hundred times what the keys
// can push; a Save of them, each of the longest text, with an entry of up to a million
// characters, writes a file within the size bound. A larger file fails as a bad one does.
inline constexpr std::size_t kMaxFileValues = 1'000'000;
inline constexpr std::uintmax_t kMaxFileBytes = 24u << 20;

enum class SaveStatus {
    Saved,
    CannotCreate,   // no new file beside the old one (no folder, no rights)
    CannotWrite,    // a write failed (disk full, file size limit)
    NotOnDisk,      // flushing or closing the new file failed
    CannotReplace,  // the new file could not take the old one's name
};

enum class LoadStatus {
    Loaded,
    CannotOpen,  // no file, or no access
    TooLarge,    // more than kMaxFileBytes
    CannotRead,
    EndsEarly,  // a line is missing
    BadCount,   // the count is no whole number from 0 to kMaxFileValues
    BadValue,   // a value line is no number a stack can hold
};

// What a file holds, as far as it was read: the fields before a failure, the values only when
// all of them were read.
struct StackFileContent {
    std::optional<AngleMode> angle;    // absent unless the mode line is "0" or "1"
    std::optional<std::string> entry;  // absent unless the entry line is a number text
    std::optional<std::vector<StackText>> values;
    LoadStatus status = LoadStatus::Loaded;
};

// The file's bytes for the calculator's state.
std::string StackFileText(const Calculator& calc);

// Writes a new file of this save's own beside the old one, puts it on the disk and only then
// replaces the old one with it: a failed save or a crash keeps the previous file, and saves at
// the same moment never mix their bytes. On Windows, a stack file that another program holds
// for a moment (a virus scanner, another instance loading it) is replaced once it is let go,
// if that is within about two seconds; a read-only one is not replaced.
SaveStatus SaveStack(const Calculator& calc, const std::filesystem::path& file);

// The same through the new file `newFile`, which must not exist yet: a name that is taken
// fails the save (CannotCreate) and the file of that name is left alone.
SaveStatus SaveStackThrough(const Calculator& calc, const std::filesystem::path& file,
                            const std::filesystem::path& newFile);

StackFileContent ParseStackFile(std::string_view text);

// Applies what was read in one step: the mode and entry even after a failure further on, the
// stack (and its undo copy) only with every value.
LoadStatus ApplyStackFileText(Calculator& calc, std::string_view text);

// Reads and applies the file; a missing or unreadable file changes nothing.
LoadStatus LoadStack(Calculator& calc, const std::filesystem::path& file);

}  // namespace orvane
