// Where the stack file lives: beside the program when the program may create files there,
// otherwise (an installed program) in the user's application data folder.
#pragma once

#include <QString>
#include <filesystem>
#include <optional>

namespace orvane::ui {

// Decided when Save or Load first needs it and kept from then on, so that Load reads where Save
// writes.
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

}  // namespace orvane::ui
