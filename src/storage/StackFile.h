// The stack file: angle mode, entry text and every stack value as CR LF text lines.
#pragma once

#include <filesystem>
#include <string>

#include "core/Calculator.h"

namespace orvane {

inline constexpr const char* kStackFileName = "StackTemp.stp";

// The file's bytes for the calculator's state.
std::string StackFileText(const Calculator& calc);

// Writes a new file of this save's own beside the old one, puts it on the disk and only then
// replaces the old one with it: a failed save or a crash keeps the previous file, and saves at
// the same moment never mix their bytes. Returns whether the new file is in place.
bool SaveStack(const Calculator& calc, const std::filesystem::path& file);

// Applies a file's text: the angle mode and entry text as soon as they are read, the stack
// (and its undo copy) only when every value was read. Returns whether the whole load succeeded.
bool ApplyStackFileText(Calculator& calc, std::string_view text);

// Reads and applies the file; a missing or unreadable file changes nothing.
bool LoadStack(Calculator& calc, const std::filesystem::path& file);

}  // namespace orvane
