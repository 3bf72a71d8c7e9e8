#include <QApplication>
#include <QIcon>
#include <QScreen>

#include "ui/MainWindow.h"
#include "ui/Platform.h"
#include "ui/StartupMessages.h"

int main(int argc, char* argv[]) {
    orvane::ui::HoldStartupMessages();
    QApplication app(argc, argv);
    orvane::ui::ReleaseStartupMessages();
    QApplication::setApplicationName(QStringLiteral("orvane-calc"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/orvane-calc.svg")));

    orvane::ui::MainWindow window(orvane::ui::ThisProgramsStackFile());
    if (const QScreen* screen = window.screen()) {  // centred on the screen
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    window.show();
    return app.exec();
}
