#include "input/EntryLine.h"

#include "core/NumberText.h"

namespace orvane {

bool HasPoint(std::string_view s) { return s.find('.') != std::string_view::npos; }

void AppendDigit(Calculator& calc, int digit) {
    if (calc.entry().size() >= kEntryTypingLimit) return;
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
    calc.drop();
}

Outcome Enter(Calculator& calc) {
    switch (calc.push(calc.entry())) {
        case PushResult::Pushed:
        case PushResult::Ignored:
            calc.setEntry("");
            return {};
        case PushResult::StackFull:  // kept, so the number is not lost
            return {Notice::StackFull};
        case PushResult::NotANumber:  // kept, so the user can correct it
            return {};
    }
    return {};
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
    const std::string_view top = calc.top();
    const std::string changed =
        top.front() == '-' ? std::string(top.substr(1)) : std::string("-").append(top);
    calc.replaceTopText(changed);
}

void ResetStack(Calculator& calc) { calc.clearAll(); }

void PasteIntoEntry(Calculator& calc, std::string_view clipboard) {
    const auto text = TrimBlanks(clipboard);
    if (IsNumberText(text)) calc.setEntry(std::string(text));
}

}  // namespace orvane
