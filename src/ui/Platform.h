// The few things that differ between Windows and elsewhere: virtual-key codes of physical
// keys, file paths and where the stack file lives, line breaks in message texts, opening a web
// page.
#pragma once

#include <QString>
#include <QUrl>
#include <Qt>
#include <filesystem>
#include <optional>

class QKeyEvent;

namespace orvane::ui {

enum class Host { Windows, Other };

#ifdef Q_OS_WIN
inline constexpr Host kHost = Host::Windows;
#else
inline constexpr Host kHost = Host::Other;
#endif

// What the active keyboard layout types on a key: its characters without and with Shift, and
// whether the layout types Latin letters at all.
struct KeyLevels {
    char32_t first = 0;
    char32_t second = 0;
    bool latinLayout = true;
};

// What a key event tells about the key that was pressed.
struct KeyFacts {
    int qtKey = 0;
    Qt::KeyboardModifiers modifiers;
    quint32 nativeScanCode = 0;
    quint32 nativeVirtualKey = 0;
    QString text;                     // the characters the event carries
    std::optional<KeyLevels> levels;  // absent where the layout cannot be asked
};

// The Windows virtual-key code of the key, as the active layout assigns it (Windows' own rule,
// also on Linux), or 0 when it has none we know.
int VirtualKeyFor(const KeyFacts& key, Host host = kHost);
int VirtualKeyOf(const QKeyEvent& event);

// A character sent as Unicode on Windows (on-screen keyboards, auto-type, remote desktops):
// the event's code is VK_PACKET and the character comes beside it.
bool IsSentCharacter(const QKeyEvent& event);

// A path as the engine's file calls take it. Built from UTF-16: on Windows a narrow string is
// read in the ANSI code page, and a folder named outside it would not be found.
std::filesystem::path FileSystemPath(const QString& path);

// The directory that holds the program file.
QString ProgramDirectory();

// Where the stack file lives: beside the program when the program may create files there,
// otherwise (an installed program) in the user's application data folder. Decided when Save or
// Load first needs it and kept from then on, so that Load reads where Save writes.
class StackFilePlace {
  public:
    // Always this file.
    explicit StackFilePlace(const QString& file);
    StackFilePlace(QString programDirectory, QString appDataDirectory);

    // Where Save writes; creates the folder the file goes in when it is missing, and gives
    // nothing when that fails.
    std::optional<std::filesystem::path> forSave();
    // Where Load reads: where Save would write. Creates nothing.
    std::filesystem::path forLoad();

  private:
    const QString& file();

    QString programDirectory_;
    QString appDataDirectory_;
    std::optional<QString> file_;
};

// This program's stack file: beside it, or in its application data folder.
StackFilePlace ThisProgramsStackFile();

// Hands a web address to the user's browser and returns at once (on Windows, as the shell's
// "explorer <address>" does). False when no browser could be asked; the program goes on.
bool OpenWebPage(const QUrl& address);

// Joins the lines of a message box text as the platform writes them.
QString JoinLines(const QStringList& lines);

}  // namespace orvane::ui
