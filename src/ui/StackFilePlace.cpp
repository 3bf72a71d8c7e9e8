#include "ui/StackFilePlace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <utility>

#include "storage/StackFile.h"
#include "ui/Platform.h"

#ifdef Q_OS_WIN
#include <QTemporaryFile>
#else
#include <unistd.h>
#include <QFile>
#endif

namespace orvane::ui {
namespace {

// Whether the program may create files in the directory; an installed program's may not be.
bool CanCreateFilesIn(const QString& directory) {
#ifdef Q_OS_WIN
    // Folder rights on Windows are access lists that no attribute shows: only a real file tells.
    QTemporaryFile probe(directory + QStringLiteral("/.orvane-probe-XXXXXX"));
    return probe.open();
#else
    // The kernel's answer, which knows root's rights and a read-only mount, unlike the mode bits.
    return ::access(QFile::encodeName(directory).constData(), W_OK | X_OK) == 0;
#endif
}

}  // namespace

StackFilePlace::StackFilePlace(const QString& file) : file_(file) {}

StackFilePlace::StackFilePlace(QString programDirectory, QString appDataDirectory)
    : programDirectory_(std::move(programDirectory)),
      appDataDirectory_(std::move(appDataDirectory)) {}

const QString& StackFilePlace::file() {
    if (!file_) {
        const QString& directory =
            CanCreateFilesIn(programDirectory_) ? programDirectory_ : appDataDirectory_;
        file_ = directory + u'/' + QString::fromLatin1(kStackFileName);
    }
    return *file_;
}

std::optional<std::filesystem::path> StackFilePlace::forSave() {
    if (!QDir().mkpath(QFileInfo(file()).absolutePath())) return std::nullopt;
    return FileSystemPath(file());
}

std::filesystem::path StackFilePlace::forLoad() { return FileSystemPath(file()); }

StackFilePlace ThisProgramsStackFile() {
    return {QCoreApplication::applicationDirPath(),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};
}

}  // namespace orvane::ui
