#include "ui/MainWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "ui/KeypadButton.h"

namespace orvane::ui {
namespace {

using Texts = std::vector<std::string>;

class WindowTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        window_ = std::make_unique<MainWindow>(dir_.filePath(QStringLiteral("StackTemp.stp")));
        window_->setNoticeShower([this](const Notice& n) { notices_.push_back(n); });
        window_->setPageOpener([this](const QUrl& url) {
            urls_.push_back(url);
            return false;  // the browser did not start: the program goes on
        });
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    QWidget* catcher() const { return window_->keyCatcher(); }
    void type(std::initializer_list<Qt::Key> keys, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        for (Qt::Key k : keys) QTest::keyClick(QApplication::focusWidget(), k, mods);
    }
    void click(int index, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window_->key(index), button);
    }
    QStringList rows() const {
        QStringList rows;
        for (int i = 0; i < window_->listing()->count(); ++i)
            rows << window_->listing()->item(i)->text();
        return rows;
    }
    void writeStackFile(const QByteArray& bytes) {
        QFile f(dir_.filePath(QStringLiteral("StackTemp.stp")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir dir_;
    std::unique_ptr<MainWindow> window_;
    std::vector<Notice> notices_;
    std::vector<QUrl> urls_;
};

TEST_F(WindowTest, StartsEmptyInRadiansWithTheFocusOnTheCatcher) {
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Orvane RPN Calculator."));
    EXPECT_EQ(rows(), QStringList(11, QString()));
    EXPECT_EQ(window_->countLabel()->text(), QStringLiteral("Stack: 0"));
    EXPECT_EQ(window_->angleLabel()->text(), QStringLiteral("Rad"));
    EXPECT_TRUE(window_->radiansEntry()->isChecked());
    EXPECT_FALSE(window_->degreesEntry()->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), catcher());
    EXPECT_EQ(window_->centralWidget()->size(), QSize(265, 370));
    EXPECT_FALSE(catcher()->visibleRegion().boundingRect().isValid());  // never seen
}

TEST_F(WindowTest, TheRoadByKeyboard) {
    type({Qt::Key_2, Qt::Key_Return, Qt::Key_3});
    QTest::keyClick(catcher(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(rows().last(), QStringLiteral("1:      5"));
    EXPECT_EQ(window_->countLabel()->text(), QStringLiteral("Stack: 1"));
    QTest::keyClick(catcher(), Qt::Key_Z, Qt::ControlModifier);  // Undo
    EXPECT_EQ(rows().last(), QStringLiteral("1:      2"));
    EXPECT_EQ(window_->entryLine()->text(), QString());
}

TEST_F(WindowTest, TheRoadByMouseWithAnyButton) {
    click(2);
    click(14, Qt::RightButton);
    click(3, Qt::MiddleButton);
    click(16);
    EXPECT_EQ(window_->engine().values(), Texts({"5"}));
    EXPECT_EQ(QApplication::focusWidget(), catcher());  // keys never keep the focus
    type({Qt::Key_7});
    EXPECT_EQ(window_->entryLine()->text(), QStringLiteral("7"));
}

TEST_F(WindowTest, MenuShortcutsComeFirst) {
    type({Qt::Key_1, Qt::Key_Return, Qt::Key_2, Qt::Key_Return});
    QTest::keyClick(catcher(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(window_->angleLabel()->text(), QStringLiteral("Deg"));
    EXPECT_TRUE(window_->degreesEntry()->isChecked());
    QTest::keyClick(catcher(), Qt::Key_R, Qt::ControlModifier);  // radians, not reset
    EXPECT_EQ(window_->angleLabel()->text(), QStringLiteral("Rad"));
    EXPECT_TRUE(window_->radiansEntry()->isChecked());
    EXPECT_FALSE(window_->degreesEntry()->isChecked());
    EXPECT_EQ(window_->engine().values(), Texts({"1", "2"}));
    QTest::keyClick(catcher(), Qt::Key_S, Qt::ControlModifier);  // saves, not swaps
    EXPECT_EQ(window_->engine().values(), Texts({"1", "2"}));
    ASSERT_EQ(notices_.size(), 1u);
    EXPECT_EQ(notices_[0].title, QStringLiteral("Saved"));
    EXPECT_EQ(notices_[0].text, QStringLiteral("Stack information has been saved."));
    EXPECT_EQ(notices_[0].icon, QMessageBox::Information);
    QTest::keyClick(catcher(), Qt::Key_P, Qt::ControlModifier);  // no menu shortcut: P
    EXPECT_EQ(window_->entryLine()->text(), QStringLiteral("3.14159265358979"));
    QTest::keyClick(catcher(), Qt::Key_K, Qt::ControlModifier);  // clear stack
    EXPECT_EQ(window_->engine().count(), 0u);
    QTest::keyClick(catcher(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), catcher());
}

TEST_F(WindowTest, ClicksGiveTheFocusBackToTheCatcher) {
    type({Qt::Key_4, Qt::Key_Return});
    auto* viewport = window_->listing()->viewport();
    const QPoint lastRow =
        window_->listing()->visualItemRect(window_->listing()->item(10)).center();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, lastRow);
    EXPECT_TRUE(window_->listing()->selectedItems().isEmpty());
    EXPECT_EQ(rows().last(), QStringLiteral("1:      4"));
    EXPECT_EQ(rows().size(), 11);
    for (QWidget* w : {static_cast<QWidget*>(window_->entryLine()), window_->centralWidget(),
                       window_->displayBar(), window_->indicatorPanel()}) {
        QTest::mouseClick(w, Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), catcher());
    }
    type({Qt::Key_9});
    EXPECT_EQ(window_->entryLine()->text(), QStringLiteral("9"));
}

TEST_F(WindowTest, PasteTakesOnlyNumbers) {
    auto paste = [this](const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(catcher(), Qt::Key_V, Qt::ControlModifier);
        return window_->entryLine()->text();
    };
    EXPECT_EQ(paste(QStringLiteral("  42  ")), QStringLiteral("42"));
    EXPECT_EQ(paste(QStringLiteral("1.5E3")), QStringLiteral("1.5E3"));
    EXPECT_EQ(paste(QStringLiteral("abc")), QStringLiteral("1.5E3"));
    EXPECT_EQ(paste(QString(1 << 20, QLatin1Char('x'))), QStringLiteral("1.5E3"));
    const QString megabyte = QStringLiteral("0.") + QString(1 << 20, QLatin1Char('0')) + u'5';
    EXPECT_TRUE(paste(megabyte).endsWith(QStringLiteral("0005")));
    EXPECT_LT(window_->entryLine()->text().size(), 100);  // only the end is laid out
    QTest::keyClick(catcher(), Qt::Key_Return);
    EXPECT_EQ(window_->engine().top(), "0");  // far below every double
}

TEST_F(WindowTest, CopyPutsTheStoredTopOnTheClipboard) {
    QApplication::clipboard()->setText(QStringLiteral("old"));
    QTest::keyClick(catcher(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString());
    QApplication::clipboard()->setText(QStringLiteral("1E+20"));
    QTest::keyClick(catcher(), Qt::Key_V, Qt::ControlModifier);
    type({Qt::Key_Return, Qt::Key_5});
    QTest::keyClick(catcher(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1E+20"));
    EXPECT_EQ(window_->entryLine()->text(), QStringLiteral("5"));
}

TEST_F(WindowTest, SaveResetLoad) {
    type({Qt::Key_2, Qt::Key_Return, Qt::Key_3, Qt::Key_Period, Qt::Key_5, Qt::Key_Return,
          Qt::Key_1, Qt::Key_2});
    window_->saveStack();
    QFile file(dir_.filePath(QStringLiteral("StackTemp.stp")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(" 1 \r\n12\r\n 2 \r\n2\r\n3.5\r\n"));
    window_->clearStack();
    window_->useDegrees();
    type({Qt::Key_7});
    window_->loadStack();
    EXPECT_EQ(window_->angleLabel()->text(), QStringLiteral("Rad"));
    EXPECT_TRUE(window_->radiansEntry()->isChecked());
    EXPECT_EQ(window_->entryLine()->text(), QStringLiteral("12"));
    EXPECT_EQ(rows().mid(9),
              QStringList({QStringLiteral("2:      2"), QStringLiteral("1:      3.5")}));
    EXPECT_EQ(window_->countLabel()->text(), QStringLiteral("Stack: 2"));
}

TEST_F(WindowTest, AFailedSaveShowsNoBox) {
    MainWindow broken(dir_.path());  // the stack file's path is a directory
    broken.setNoticeShower([this](const Notice& n) { notices_.push_back(n); });
    broken.saveStack();
    EXPECT_TRUE(notices_.empty());
}

TEST_F(WindowTest, StackIsFullBox) {
    QByteArray file(" 1 \r\n\r\n 9999 \r\n");
    for (int i = 0; i < 9999; ++i) file += "1\r\n";
    writeStackFile(file);
    window_->loadStack();
    EXPECT_EQ(window_->countLabel()->text(), QStringLiteral("Stack: 9999"));
    type({Qt::Key_4, Qt::Key_Return});
    ASSERT_EQ(notices_.size(), 1u);
    EXPECT_EQ(notices_[0].title, QStringLiteral("Warning"));
    EXPECT_EQ(notices_[0].text, QStringLiteral("Stack is full."));
    EXPECT_EQ(notices_[0].icon, QMessageBox::Critical);
    EXPECT_EQ(window_->entryLine()->text(), QStringLiteral("4"));  // kept
}

TEST_F(WindowTest, AboutAndLinks) {
    window_->showAbout();
    ASSERT_EQ(notices_.size(), 1u);
    EXPECT_EQ(notices_[0].title, QStringLiteral("About"));
    const QStringList lines = notices_[0].text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].trimmed(), QStringLiteral("Orvane Calc"));
    EXPECT_EQ(lines[1].trimmed(), QStringLiteral("RPN Calculator (Reverse Polish Notation)"));
    window_->openWebSite();
    window_->openFeedbackPage();
    ASSERT_EQ(urls_.size(), 2u);
    EXPECT_EQ(urls_[0].path(), QStringLiteral("/calc"));
    EXPECT_EQ(urls_[1].path(), QStringLiteral("/calc/contact1.html"));
    EXPECT_EQ(urls_[0].host(), urls_[1].host());
}

TEST_F(WindowTest, KeysShowTheirTableFacesAndTooltips) {
    for (int i = 0; i < kKeypadKeys; ++i) {
        const KeypadKey& key = Keypad()[static_cast<std::size_t>(i)];
        KeypadButton* b = window_->key(i);
        EXPECT_EQ(b->toolTip().toStdString(), key.tooltip);
        EXPECT_EQ(b->accessibleName(), b->toolTip());
        EXPECT_EQ(b->text().toStdString(), key.face);
        EXPECT_EQ(b->size(), key.wide ? QSize(74, 25) : QSize(38, 25));
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_EQ(window_->key(22)->pos(), QPoint(6, 189));
    EXPECT_EQ(window_->key(32)->pos(), QPoint(222, 339));
}

}  // namespace
}  // namespace orvane::ui
