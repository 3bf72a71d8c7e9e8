#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

#include "ui/MainWindow.h"
#include "ui/Platform.h"

namespace {

// Qt ends the program with a page of advice when no display can be opened; one line says it.
void StartupMessages(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type != QtFatalMsg) return;
    const QByteArray display = qgetenv("DISPLAY");
    std::fprintf(stderr, "orvane-calc: cannot open a window: no display reachable (DISPLAY=%s)\n",
                 display.isEmpty() ? "unset" : display.constData());
    std::_Exit(1);
}

}  // namespace

int main(int argc, char* argv[]) {
    const QtMessageHandler previous = qInstallMessageHandler(StartupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    QApplication::setApplicationName(QStringLiteral("orvane-calc"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/orvane-calc.svg")));

    orvane::ui::MainWindow window(orvane::ui::ThisProgramsStackFile());
    if (const QScreen* screen = window.screen()) {  // centred on the screen
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    window.show();
    return app.exec();
}
