#include "input/EntryLine.h"

#include "core/NumberText.h"

namespace orvane {

bool HasDecimalPoint(std::string_view s) { return s.find('.') != std::string_view::npos; }

void AppendDigit(Calculator& calc, int digit) {
    if (digit < 0 || digit > 9 || calc.entry.size() >= kEntryTypingLimit) return;
    calc.entry.push_back(static_cast<char>('0' + digit));
}

void AppendDecimalPoint(Calculator& calc) {
    if (calc.entry.size() >= kEntryTypingLimit || HasDecimalPoint(calc.entry)) return;
    calc.entry.push_back('.');
}

void DeleteLastCharacter(Calculator& calc) {
    if (!calc.entry.empty()) calc.entry.pop_back();
}

void ClearOrDrop(Calculator& calc) {
    if (!calc.entry.empty()) {
        calc.entry.clear();
        return;
    }
    calc.TakeSnapshot();
    calc.PopOne();
    calc.RefreshStack();
}

void Enter(Calculator& calc) {
    calc.TakeSnapshot();
    switch (calc.PushValue(calc.entry)) {
        case PushResult::Pushed:
        case PushResult::Ignored:
            calc.entry.clear();
            break;
        case PushResult::StackFull:   // kept, so the number is not lost
        case PushResult::NotANumber:  // kept, so the user can correct it
            break;
    }
}

void EnterPi(Calculator& calc) { calc.entry = std::string(kPiText); }

void ChangeSign(Calculator& calc) {
    std::string& e = calc.entry;
    if (!e.empty()) {
        if (e.front() == '-') {
            e.erase(0, 1);
        } else {
            e.insert(e.begin(), '-');
        }
        return;
    }
    if (calc.Count() == 0) return;
    calc.TakeSnapshot();
    const std::string_view top = calc.Top();
    const std::string changed =
        top.front() == '-' ? std::string(top.substr(1)) : std::string("-").append(top);
    calc.ReplaceTop(changed);
    calc.RefreshStack();
}

void ResetStack(Calculator& calc) {
    calc.TakeSnapshot();
    calc.InitStack();
}

bool PasteIntoEntry(Calculator& calc, std::string_view clipboard) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const auto first = clipboard.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return false;
    const auto text = clipboard.substr(first, clipboard.find_last_not_of(kBlanks) - first + 1);
    if (!IsNumberText(text)) return false;
    calc.entry = std::string(text);
    return true;
}

}  // namespace orvane
