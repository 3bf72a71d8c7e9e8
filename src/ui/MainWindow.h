// Fmain: the calculator's one window. A thin view: every event goes to the engine by keypad
// index or menu command, and the window redraws from the engine's state afterwards.
#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <QUrl>
#include <array>
#include <functional>

#include "core/Calculator.h"
#include "input/Keypad.h"
#include "ui/Menus.h"

class QLabel;
class QListWidget;

namespace orvane::ui {

class KeyCatcher;
class KeypadButton;

// A modal message box as the window asks for it; tests replace how it is shown.
struct Notice {
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QString stackFile,
                        std::unique_ptr<RandomSource> random = MakeSeededRandom());

    // Test seams: how a box is shown and how a page is opened. Nothing else is replaced.
    std::function<void(const Notice&)> showNotice;
    std::function<bool(const QUrl&)> openUrl;

    const Calculator& engine() const { return calc_; }
    QWidget* keyCatcher() const;
    QListWidget* listing() const { return dsp2_; }
    QLabel* entryLine() const { return dsp1_; }
    QLabel* countLabel() const { return lblSL_; }
    QLabel* angleLabel() const { return lblRadDeg_; }
    QWidget* displayBar() const { return imgDisplay_; }
    QWidget* indicatorPanel() const { return pctStack_; }
    KeypadButton* key(int index) const { return keys_[static_cast<std::size_t>(index)]; }
    QAction* degreesEntry() const { return angle_.degrees; }
    QAction* radiansEntry() const { return angle_.radians; }

    void ImgBtn_MouseUp(int index);
    void CatchKey_KeyDown(int virtualKey);
    void MenuReset_Click();
    void MenuSave_Click();
    void MenuLoad_Click();
    void MenuUndo_Click();
    void MenuCopy_Click();
    void MenuPaste_Click();
    void MenuDegrees_Click();
    void MenuRadians_Click();
    void MenuWebSite_Click();
    void MenuFeedback_Click();
    void MenuAbout_Click();
    void Form_Click();
    void Dsp1_Click();
    void Dsp2_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls(QWidget* client);
    void Form_Load();
    void After(Outcome outcome);
    void Redraw();
    void FocusCatcher();

    Calculator calc_;
    QString stackFile_;
    QListWidget* dsp2_ = nullptr;
    QWidget* pctStack_ = nullptr;
    QLabel* lblSL_ = nullptr;
    QLabel* lblRadDeg_ = nullptr;
    QWidget* imgDisplay_ = nullptr;
    QLabel* dsp1_ = nullptr;
    KeyCatcher* catchKey_ = nullptr;
    std::array<KeypadButton*, kKeypadKeys> keys_{};
    AngleActions angle_{};
};

}  // namespace orvane::ui
