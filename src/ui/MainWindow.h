// The calculator's one window. A thin view: every key, click and menu entry goes to the engine
// as a command, and the window redraws from the engine's state afterwards. It is also what the
// engine's commands ask for the clipboard, the stack file and the web site.
#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <QUrl>
#include <functional>

#include "core/Calculator.h"
#include "input/Commands.h"
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
struct Box {
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

class MainWindow : public QMainWindow, private Shell {
    Q_OBJECT
  public:
    // ownTitleBar: the window draws its title bar itself (NeedsOwnTitleBar()).
    explicit MainWindow(StackFilePlace stackFile,
                        std::unique_ptr<RandomSource> random = MakeSeededRandom(),
                        bool ownTitleBar = NeedsOwnTitleBar());

    // Test seams: how a box is shown and how a page is opened. Nothing else is replaced.
    void setBoxShower(std::function<void(const Box&)> show) { showBox_ = std::move(show); }
    void setPageOpener(std::function<bool(const QUrl&)> open) { openPage_ = std::move(open); }

    // Tests find the widgets by object name: "listing", "entryLine", "key14" …
    const Calculator& engine() const { return calc_; }

    // Any command: a keypad key, a key of the keyboard mapped to one, a menu entry.
    void run(Command command);
    // A keypad key released under the mouse (an index beyond the keypad presses nothing); a key
    // of the keyboard.
    void pressKey(int index);
    void keyDown(int virtualKey, bool withCtrl = false);

  private:
    void buildControls(QWidget* client);
    void setUpStartState();
    void showOutcome(Outcome outcome);
    void redraw();

    // What the commands ask of the window.
    std::string clipboardText() override;
    void setClipboardText(std::string_view text) override;
    bool saveStack(const Calculator& calc) override;
    void loadStack(Calculator& calc) override;
    void openPage(std::string_view path) override;

    std::function<void(const Box&)> showBox_;
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
