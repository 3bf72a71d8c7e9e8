#include "input/Commands.h"

#include <algorithm>
#include <array>

#include "input/EntryLine.h"

namespace orvane {
namespace {

Outcome Undo(Calculator& c, Shell&) {
    c.undo();
    return {};
}
Outcome Save(Calculator& c, Shell& s) { return {s.saveStack(c) ? Notice::Saved : Notice::None}; }
Outcome Load(Calculator& c, Shell& s) {
    s.loadStack(c);  // the loaded stack is also the undo copy
    return {};
}
Outcome Copy(Calculator& c, Shell& s) {
    s.setClipboardText(c.top());  // the stored text; the sentinel's empty one on an empty stack
    return {};
}
Outcome Paste(Calculator& c, Shell& s) {
    PasteIntoEntry(c, s.clipboardText());
    return {};
}
template <AngleMode Mode>
Outcome Angle(Calculator& c, Shell&) {
    c.setAngle(Mode);
    return {};
}
Outcome WebSite(Calculator&, Shell& s) {
    s.openPage("/calc");
    return {};
}
Outcome Feedback(Calculator&, Shell& s) {
    s.openPage("/calc/contact1.html");
    return {};
}
Outcome About(Calculator&, Shell&) { return {Notice::About}; }

using enum Snapshot;
using C = Command;

// None takes the snapshot: Undo restores it, Load sets it to what it loads, the rest leave the
// stack alone.
constexpr auto kMenuCommands = std::to_array<MenuCommand>({
    {C::Undo, "Undo", Never, Undo},
    {C::SaveStack, "Save", Never, Save},
    {C::LoadStack, "Load", Never, Load},
    {C::CopyTop, "Copy", Never, Copy},
    {C::PasteIntoEntry, "Paste", Never, Paste},
    {C::UseDegrees, "Deg", Never, Angle<AngleMode::Degrees>},
    {C::UseRadians, "Rad", Never, Angle<AngleMode::Radians>},
    {C::OpenWebSite, "Web", Never, WebSite},
    {C::OpenFeedbackPage, "Feedback", Never, Feedback},
    {C::ShowAbout, "About", Never, About},
});
// Each its own code beyond the keys' and a name of its own, by which the key sessions call it.
constexpr bool Distinct(const MenuCommand& m) {
    return CodeOf(m.command) >= kKeypadKeys &&
           std::ranges::count(kMenuCommands, m.command, &MenuCommand::command) == 1 &&
           std::ranges::count(kMenuCommands, m.name, &MenuCommand::name) == 1;
}
static_assert(std::ranges::all_of(kMenuCommands, Distinct), "a code or a name twice");

const MenuCommand* MenuCommandFor(Command command) {
    const auto* found = std::ranges::find(kMenuCommands, command, &MenuCommand::command);
    return found == kMenuCommands.end() ? nullptr : found;
}

}  // namespace

std::span<const MenuCommand> MenuCommands() { return kMenuCommands; }

std::optional<Command> CommandNamed(std::string_view name) {
    const auto keys = Keypad();
    if (const auto key = std::ranges::find(keys, name, &KeypadKey::name); key != keys.end()) {
        return key->command;
    }
    if (const auto* menu = std::ranges::find(kMenuCommands, name, &MenuCommand::name);
        menu != kMenuCommands.end()) {
        return menu->command;
    }
    return std::nullopt;
}

Outcome RunCommand(Calculator& calc, Command command, Shell& shell) {
    if (const KeypadKey* key = KeyFor(command)) {
        if (TakesSnapshot(key->snapshot, calc)) calc.takeSnapshot();
        return key->action(calc);
    }
    if (const MenuCommand* menu = MenuCommandFor(command)) {
        if (TakesSnapshot(menu->snapshot, calc)) calc.takeSnapshot();
        return menu->action(calc, shell);
    }
    return {};
}

}  // namespace orvane
