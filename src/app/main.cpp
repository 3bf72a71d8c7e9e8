#include <QApplication>
#include <QIcon>
#include <QScreen>

#include "ui/MainWindow.h"
#include "ui/StackFilePlace.h"
#include "ui/StartupMessages.h"

int main(int argc, char* argv[]) {
    orvane::ui::HoldStartupMessages();
    QApplication app(argc, argv);
    orvane::ui::ReleaseStartupMessages();
    QApplication::setApplicationName(QStringLiteral("orvane-calc"));
    // Ready-made PNGs: drawing the SVG would load Qt SVG and two plugins at every start.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);

    orvane::ui::MainWindow window(orvane::ui::ThisProgramsStackFile());
    if (const QScreen* screen = window.screen()) {  // centred on the screen
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    window.show();
    return app.exec();
}
