#include "ui/Platform.h"

#include "storage/StackFile.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>
#include <array>
#include <utility>

namespace orvane::ui {
namespace {

// Virtual-key codes of the keys that are not letters.
enum Vk : int {
    kBack = 8,
    kTab = 9,
    kClear = 12,
    kReturn = 13,
    kShift = 16,
    kControl = 17,
    kMenu = 18,
    kEscape = 27,
    kSpace = 32,
    kPrior = 33,
    kNext = 34,
    kEnd = 35,
    kHome = 36,
    kLeft = 37,
    kUp = 38,
    kRight = 39,
    kDown = 40,
    kInsert = 45,
    kDelete = 46,
    kNumpad0 = 96,
    kMultiply = 106,
    kAdd = 107,
    kSubtract = 109,
    kDecimal = 110,
    kDivide = 111,
    kF1 = 112,
    kOemPlus = 187,
    kOemComma = 188,
    kOemMinus = 189,
    kOemPeriod = 190,
    kOem2 = 191,
};

// Linux evdev key codes (X11 reports them plus 8) of the main keyboard's keys, which name
// the physical key whatever the layout and the modifiers.
constexpr std::array<std::pair<quint32, int>, 32> kEvdev{{
    {1, kEscape},   {2, '1'},       {3, '2'},     {4, '3'},      {5, '4'},        {6, '5'},
    {7, '6'},       {8, '7'},       {9, '8'},     {10, '9'},     {11, '0'},       {12, kOemMinus},
    {13, kOemPlus}, {14, kBack},    {15, kTab},   {28, kReturn}, {51, kOemComma}, {52, kOemPeriod},
    {53, kOem2},    {57, kSpace},   {102, kHome}, {103, kUp},    {104, kPrior},   {105, kLeft},
    {106, kRight},  {107, kEnd},    {108, kDown}, {109, kNext},  {110, kInsert},  {111, kDelete},
    {42, kShift},   {29, kControl},
}};
constexpr quint32 kX11ScanOffset = 8;

// Keys that Qt names the same on both keyboards: arrows, editing keys, Enter.
int FromNavigationKey(int key) {
    switch (key) {
        case Qt::Key_Backspace:
            return kBack;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return kTab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kReturn;
        case Qt::Key_Escape:
            return kEscape;
        case Qt::Key_Left:
            return kLeft;
        case Qt::Key_Up:
            return kUp;
        case Qt::Key_Right:
            return kRight;
        case Qt::Key_Down:
            return kDown;
        case Qt::Key_Delete:
            return kDelete;
        case Qt::Key_Insert:
            return kInsert;
        case Qt::Key_Home:
            return kHome;
        case Qt::Key_End:
            return kEnd;
        case Qt::Key_PageUp:
            return kPrior;
        case Qt::Key_PageDown:
            return kNext;
        case Qt::Key_Clear:
            return kClear;
        case Qt::Key_Shift:
            return kShift;
        case Qt::Key_Control:
            return kControl;
        case Qt::Key_Alt:
            return kMenu;
        default:
            return 0;
    }
}

// The numeric keypad: digits and operators with Num Lock on, navigation keys with it off.
int FromKeypadKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return kNumpad0 + (key - Qt::Key_0);
    switch (key) {
        case Qt::Key_Asterisk:
            return kMultiply;
        case Qt::Key_Plus:
            return kAdd;
        case Qt::Key_Minus:
            return kSubtract;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return kDecimal;  // whatever the layout prints
        case Qt::Key_Slash:
            return kDivide;
        default:
            return FromNavigationKey(key);
    }
}

// A synthetic event has no scan code: the Qt key is all there is.
int FromMainKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return kF1 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Period:
            return kOemPeriod;
        case Qt::Key_Comma:
            return kOemComma;
        case Qt::Key_Minus:
            return kOemMinus;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            return kOemPlus;
        case Qt::Key_Slash:
            return kOem2;
        case Qt::Key_Space:
            return kSpace;
        default:
            return FromNavigationKey(key);
    }
}

}  // namespace

int VirtualKeyFor(const KeyFacts& key, Host host) {
    if (host == Host::Windows) return static_cast<int>(key.nativeVirtualKey);
    if (key.qtKey >= Qt::Key_A && key.qtKey <= Qt::Key_Z) return 'A' + (key.qtKey - Qt::Key_A);
    if (key.modifiers.testFlag(Qt::KeypadModifier)) return FromKeypadKey(key.qtKey);
    if (key.nativeScanCode > kX11ScanOffset) {
        const quint32 evdev = key.nativeScanCode - kX11ScanOffset;
        for (const auto& [code, vk] : kEvdev) {
            if (code == evdev) return vk;
        }
        return 0;
    }
    return FromMainKey(key.qtKey);
}

int VirtualKeyOf(const QKeyEvent& event) {
    return VirtualKeyFor(
        {event.key(), event.modifiers(), event.nativeScanCode(), event.nativeVirtualKey()});
}

QString ProgramDirectory() { return QCoreApplication::applicationDirPath(); }

QString StackFilePathFor(const QString& programDirectory, const QString& appDataDirectory) {
    const QString name = QString::fromLatin1(kStackFileName);
    // A real probe: permission bits say little to root or on a read-only file system.
    QTemporaryFile probe(programDirectory + QStringLiteral("/.orvane-probe-XXXXXX"));
    if (probe.open()) return programDirectory + u'/' + name;
    QDir().mkpath(appDataDirectory);
    return appDataDirectory + u'/' + name;
}

QString StackFilePath() {
    return StackFilePathFor(ProgramDirectory(),
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

bool OpenWebPage(const QUrl& address) { return QDesktopServices::openUrl(address); }

QString JoinLines(const QStringList& lines) {
    return lines.join(kHost == Host::Windows ? QStringLiteral("\r\n") : QStringLiteral("\n"));
}

}  // namespace orvane::ui
