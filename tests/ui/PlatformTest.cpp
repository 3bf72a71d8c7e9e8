#include "ui/Platform.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "ui/StartupMessages.h"

namespace orvane::ui {
namespace {

// The key events the end-to-end test cannot send: a keypad whose layout prints a comma, keypad
// 5 without Num Lock, events without a scan code, letters of other layouts (a Russian R key
// and the one in the period's place, an AZERTY A in the US Q's place, a German Ö in the US
// semicolon's), and the Windows path's native key.
TEST(KeyDerivation, GivesThePhysicalKey) {
    const Qt::KeyboardModifiers kPad = Qt::KeypadModifier;
    const std::tuple<int, Qt::KeyboardModifiers, quint32, int> keys[] = {
        {Qt::Key_Comma, kPad, 91, 110}, {Qt::Key_Clear, kPad, 84, 12},  {Qt::Key_7, {}, 0, 55},
        {Qt::Key_Period, {}, 0, 190},   {Qt::Key_Enter, {}, 0, 13},     {Qt::Key_F1, {}, 0, 112},
        {Qt::Key_Plus, kPad, 0, 107},   {0x041A, {}, 27, 82},           {0x042E, {}, 60, 190},
        {Qt::Key_A, {}, 24, 65},        {Qt::Key_Odiaeresis, {}, 47, 0}};
    for (auto [qtKey, modifiers, scanCode, virtualKey] : keys) {  // as X11 reports them
        EXPECT_EQ(VirtualKeyFor({qtKey, modifiers, scanCode, 0}, Host::Other), virtualKey)
            << qtKey << " scan code " << scanCode;
    }
    EXPECT_EQ(VirtualKeyFor({Qt::Key_Up, kPad, 80, 104}, Host::Windows), 104);
    EXPECT_EQ(VirtualKeyFor({Qt::Key_7, {}, 0, 0}, Host::Windows), 55);  // a synthetic event
}

std::vector<std::string> passedOn;

// Qt's messages while the application object is built are held, then passed on: a fatal one
// ends the start with one line (checked on the real program by the e2e_no_display test).
TEST(Startup, OtherMessagesGoOnOnceTheApplicationIsBuilt) {
    const QtMessageHandler before =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            passedOn.push_back(text.toStdString());
        });
    HoldStartupMessages();
    qWarning("held back");
    EXPECT_TRUE(passedOn.empty());
    ReleaseStartupMessages();
    qInstallMessageHandler(before);
    EXPECT_EQ(passedOn, std::vector<std::string>{"held back"});
}

// Nothing is created before the first Save, and Load reads where Save writes.
TEST(StackFilePlace, BesideTheProgramOrInAppDataTheSameForSaveAndLoad) {
    for (const bool programCanWrite : {true, false}) {  // false: the program's folder is missing
        QTemporaryDir root;
        const QString program = root.filePath(QStringLiteral("Zürich-数")),
                      data = root.filePath("d");
        if (programCanWrite) QDir().mkdir(program);
        StackFilePlace place(program, data);
        const auto load = place.forLoad();
        EXPECT_EQ(
            QDir(root.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
            programCanWrite ? QStringList{QStringLiteral("Zürich-数")} : QStringList{});
        EXPECT_EQ(place.forSave(), load);
        EXPECT_EQ(load, FileSystemPath((programCanWrite ? program : data) + "/StackTemp.stp"));
        EXPECT_NE(QDir(data).exists(), programCanWrite);
    }
}

}  // namespace
}  // namespace orvane::ui
