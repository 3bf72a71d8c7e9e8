#include "input/EntryLine.h"

#include "core/NumberText.h"

namespace orvane {

bool HasPoint(std::string_view s) { return s.find('.') != std::string_view::npos; }

void AppendDigit(Calculator& calc, int digit) {
    if (digit < 0 || digit > 9 || calc.entry().size() >= kEntryTypingLimit) return;
    calc.setEntry(calc.entry() + static_cast<char>('0' + digit));
}

void AppendDecimalPoint(Calculator& calc) {
    if (calc.entry().size() >= kEntryTypingLimit || HasPoint(calc.entry())) return;
    calc.setEntry(calc.entry() + '.');
}

void DeleteLastCharacter(Calculator& calc) {
    const std::string& e = calc.entry();
    if (!e.empty()) calc.setEntry(e.substr(0, e.size() - 1));
}

void ClearOrDrop(Calculator& calc) {
    if (!calc.entry().empty()) {
        calc.setEntry("");
        return;
    }
    calc.takeSnapshot();
    calc.removeTop();
    calc.rebuildListing();
}

void Enter(Calculator& calc) {
    calc.takeSnapshot();
    switch (calc.push(calc.entry())) {
        case PushResult::Pushed:
        case PushResult::Ignored:
            calc.setEntry("");
            break;
        case PushResult::StackFull:   // kept, so the number is not lost
        case PushResult::NotANumber:  // kept, so the user can correct it
            break;
    }
}

void EnterPi(Calculator& calc) { calc.setEntry(std::string(kPiText)); }

void ToggleSign(Calculator& calc) {
    const std::string& e = calc.entry();
    if (!e.empty()) {
        // A pasted "+5" becomes "-5", not "-+5", which no push would take.
        calc.setEntry(e.front() == '-' ? e.substr(1) : '-' + e.substr(e.front() == '+' ? 1 : 0));
        return;
    }
    if (calc.count() == 0) return;
    calc.takeSnapshot();
    const std::string_view top = calc.top();
    const std::string changed =
        top.front() == '-' ? std::string(top.substr(1)) : std::string("-").append(top);
    calc.replaceTopText(changed);
    calc.rebuildListing();
}

void ResetStack(Calculator& calc) {
    calc.takeSnapshot();
    calc.clearAll();
}

void PasteIntoEntry(Calculator& calc, std::string_view clipboard) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const auto first = clipboard.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return;
    const auto text = clipboard.substr(first, clipboard.find_last_not_of(kBlanks) - first + 1);
    if (IsNumberText(text)) calc.setEntry(std::string(text));
}

}  // namespace orvane
