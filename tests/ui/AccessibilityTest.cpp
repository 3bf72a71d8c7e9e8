#include "ui/Accessibility.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "ui/MainWindow.h"
#include "ui/Palette.h"

namespace orvane::ui {
namespace {

// WCAG 2's relative luminance of an sRGB colour, and the contrast ratio of two.
double Luminance(const QColor& c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}
double Contrast(const QColor& a, const QColor& b) {
    const auto [dark, light] = std::minmax({Luminance(a), Luminance(b)});  // values, not references
    return (light + 0.05) / (dark + 0.05);
}

// 4.5 : 1, WCAG's AA ratio for text as small as the keys' labels, all along each face.
TEST(KeyFaces, EveryLabelReadsOnItsFace) {
    for (const KeypadKey& key : Keypad()) {
        const KeyShades shades = ShadesOf(key.colour);
        for (const QColor& face : {shades.top, shades.bottom}) {
            EXPECT_GE(Contrast(shades.caption, face), 4.5)
                << key.name << " " << face.name().toStdString();
        }
    }
}

class Spoken : public testing::Test {
  protected:
    void SetUp() override {
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }
    // The focused object, as assistive technology meets it.
    static QAccessibleInterface* focused() {
        return QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    }
    static QString text(QAccessibleInterface* display) {
        return display->textInterface()->text(0, display->textInterface()->characterCount());
    }
    void type(const QString& keys) {
        for (const QChar k : keys) QTest::keyClick(QApplication::focusWidget(), k.toLatin1());
    }

    QTemporaryDir dir_;
    MainWindow window_{StackFilePlace(dir_.filePath(QStringLiteral("StackTemp.stp")))};
};

// The focused key catcher is the display, exactly in the entry line's place, reading what a
// sighted user reads: the count, then the listing's level 1 as it shows it. (The end-to-end test
// hears the typed number, results and a failing division's value, as a screen reader does.)
TEST_F(Spoken, TheFocusIsOnTheDisplay) {
    QAccessibleInterface* display = focused();
    const QWidget* entry = window_.findChild<QLabel*>(QStringLiteral("entryLine"));
    EXPECT_EQ(display->rect(), QRect(entry->mapToGlobal(QPoint()), entry->size()));
    EXPECT_EQ(text(display), QStringLiteral("Stack: 0"));
    type(QStringLiteral("1234.5\r"));
    EXPECT_EQ(text(focused()), QStringLiteral("1,234.5"));
}

// What a screen reader asks of the display's text, at every offset and in every unit, comes back
// whole and within the text; in order, the pieces make up the text. (Qt's own lookup of a word at
// the end of a text never returns.)
TEST_F(Spoken, TheDisplaysTextInPieces) {
    QAccessibleTextInterface* display = focused()->textInterface();
    for (const QString& keys : {QString(), QStringLiteral("1234.5\rn")}) {
        type(keys);
        const QString whole = display->text(0, display->characterCount());
        for (int unit = QAccessible::CharBoundary; unit <= QAccessible::NoBoundary; ++unit) {
            const auto boundary = static_cast<QAccessible::TextBoundaryType>(unit);
            QString joined;
            int start = 0;
            int end = 0;
            for (QString piece = display->textAtOffset(0, boundary, &start, &end); start >= 0;
                 piece = display->textAfterOffset(start, boundary, &start, &end)) {
                ASSERT_EQ(piece, whole.mid(start, end - start)) << unit;
                ASSERT_EQ(start, joined.size()) << unit;
                joined += piece;
            }
            EXPECT_EQ(joined, whole) << unit;
            for (int offset = -1; offset <= whole.size() + 1; ++offset) {
                display->textBeforeOffset(offset, boundary, &start, &end);
                EXPECT_TRUE(start == -1 || (0 <= start && start < end && end <= whole.size()));
            }
        }
    }
}

}  // namespace
}  // namespace orvane::ui
