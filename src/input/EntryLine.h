// The entry line's editing keys, Enter, and Paste into the entry line.
#pragma once

#include <string_view>

#include "core/Calculator.h"

namespace orvane {

// Typing stops at this many characters; the sign key may add one more.
inline constexpr std::size_t kEntryTypingLimit = 23;
inline constexpr std::string_view kPiText = "3.14159265358979";

bool HasPoint(std::string_view s);

// A digit from 0 to 9, up to the typing limit.
void AppendDigit(Calculator& calc, int digit);
void AppendDecimalPoint(Calculator& calc);
void DeleteLastCharacter(Calculator& calc);
void ClearOrDrop(Calculator& calc);
Outcome Enter(Calculator& calc);
void EnterPi(Calculator& calc);
void ToggleSign(Calculator& calc);
void ResetStack(Calculator& calc);

// Clipboard text into the entry line: blanks trimmed at both ends, and only
// a number text replaces the entry.
void PasteIntoEntry(Calculator& calc, std::string_view clipboard);

}  // namespace orvane
