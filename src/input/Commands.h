// The one entry point of every command, keys and menu commands alike, and what a command may ask
// of the program around the engine: the clipboard, the stack file and the web site, which only
// the window reaches. The key sessions and the fuzz target pass shells of their own.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "input/Keypad.h"

namespace orvane {

class Shell {
  public:
    virtual ~Shell() = default;
    virtual std::string clipboardText() = 0;  // empty when the clipboard holds no text
    virtual void setClipboardText(std::string_view text) = 0;
    // The stack file: true when it was saved; a load puts whatever it could read into calc.
    virtual bool saveStack(const Calculator& calc) = 0;
    virtual void loadStack(Calculator& calc) = 0;
    // A page of the product's web site, by its path, in the user's browser.
    virtual void openPage(std::string_view path) = 0;
};

// A shell with nothing around it: no clipboard text, no file, no browser.
class NoShell : public Shell {
  public:
    std::string clipboardText() override { return {}; }
    void setClipboardText(std::string_view) override {}
    bool saveStack(const Calculator&) override { return false; }
    void loadStack(Calculator&) override {}
    void openPage(std::string_view) override {}
};

// A menu command: its code, its name (how the key sessions write it), its undo rule and action.
struct MenuCommand {
    Command command;
    std::string_view name;
    Snapshot snapshot;
    Outcome (*action)(Calculator&, Shell&);
};

std::span<const MenuCommand> MenuCommands();

// The command a key session names: a key's name or a menu command's.
std::optional<Command> CommandNamed(std::string_view name);

// Carries out a command: the undo snapshot that its rule calls for, then its action. A value
// that names no command does nothing.
Outcome RunCommand(Calculator& calc, Command command, Shell& shell);

}  // namespace orvane
