// The calculator's one window. A thin view: every event goes to the engine by keypad
// index or menu command, and the window redraws from the engine's state afterwards.
#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <QUrl>
#include <functional>

#include "core/Calculator.h"
#include "input/Keypad.h"
#include "ui/Menus.h"
#include "ui/StackFilePlace.h"
#include "ui/TitleBar.h"

class QLabel;
class QListWidget;
class QMenuBar;

namespace orvane::ui {

class KeyCatcher;
class SpokenDisplay;

// A modal message box as the window asks for it; tests replace how it is shown.
struct Notice {
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // ownTitleBar: the window draws its title bar itself (NeedsOwnTitleBar()).
    explicit MainWindow(StackFilePlace stackFile,
                        std::unique_ptr<RandomSource> random = MakeSeededRandom(),
                        bool ownTitleBar = NeedsOwnTitleBar());

    // Test seams: how a box is shown and how a page is opened. Nothing else is replaced.
    void setNoticeShower(std::function<void(const Notice&)> show) { showNotice_ = std::move(show); }
    void setPageOpener(std::function<bool(const QUrl&)> open) { openPage_ = std::move(open); }

    // Tests find the widgets by object name: "listing", "entryLine", "key14" …
    const Calculator& engine() const { return calc_; }

    // A keypad key released under the mouse, or a key of the keyboard mapped to one.
    void pressKey(int index);
    void keyDown(int virtualKey, bool withCtrl = false);
    // The menu commands.
    void clearStack();
    void saveStack();
    void loadStack();
    void undo();
    void copyTop();
    void pasteIntoEntry();
    void useDegrees();
    void useRadians();
    void openWebSite();
    void openFeedbackPage();
    void showAbout();

  private:
    void buildControls(QWidget* client);
    void setUpStartState();
    void showOutcome(Outcome outcome);
    void redraw();

    std::function<void(const Notice&)> showNotice_;
    std::function<bool(const QUrl&)> openPage_;
    Calculator calc_;
    StackFilePlace stackFile_;
    QListWidget* listing_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QLabel* angleLabel_ = nullptr;
    QLabel* entryLine_ = nullptr;
    KeyCatcher* keyCatcher_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    SpokenDisplay* display_ = nullptr;
    AngleActions angle_{};
};

}  // namespace orvane::ui
