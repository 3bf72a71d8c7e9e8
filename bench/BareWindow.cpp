// The yardstick for the calculator's start-up: a bare Qt window, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(265, 394);
    window.show();
    return QApplication::exec();
}
