#include "ui/Platform.h"

#include <QDesktopServices>
#include <QDir>

namespace orvane::ui {

std::filesystem::path FileSystemPath(const QString& path) {
    return {QDir::toNativeSeparators(path).toStdU16String()};
}

bool OpenWebPage(const QUrl& address) { return QDesktopServices::openUrl(address); }

QString JoinLines(const QStringList& lines) {
#ifdef Q_OS_WIN
    return lines.join(QStringLiteral("\r\n"));
#else
    return lines.join(u'\n');
#endif
}

}  // namespace orvane::ui
