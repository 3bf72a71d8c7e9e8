#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

// Widgets need an application object for the whole run.
int main(int argc, char** argv) {
#ifndef Q_OS_WIN  // on Windows (under wine: on its X display) the real platform plugin
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
#endif
    // The desktop's fonts without Arial's twins, when a test run asks for the face that remains.
    if (qEnvironmentVariableIsSet("ORVANE_TEST_FACE"))
        qputenv("FONTCONFIG_FILE", ORVANE_FONTS_CONF);
    QApplication app(argc, argv);
    // A desktop with a large bold default font: the window must not take it where it sets its own.
    QApplication::setFont(QFont(QApplication::font().family(), 16, QFont::Bold));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
