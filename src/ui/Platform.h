// The small things that differ between Windows and elsewhere: file paths as the engine takes
// them, line breaks in message texts, opening a web page.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <filesystem>

namespace orvane::ui {

// A path as the engine's file calls take it. Built from UTF-16: on Windows a narrow string is
// read in the ANSI code page, and a folder named outside it would not be found.
std::filesystem::path FileSystemPath(const QString& path);

// Hands a web address to the user's browser and returns at once (on Windows, as the shell's
// "explorer <address>" does). False when no browser could be asked; the program goes on.
bool OpenWebPage(const QUrl& address);

// Joins the lines of a message box text as the platform writes them.
QString JoinLines(const QStringList& lines);

}  // namespace orvane::ui
