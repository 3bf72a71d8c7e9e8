#include "ui/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>

#include "input/EntryLine.h"
#include "input/KeyMap.h"
#include "storage/StackFile.h"
#include "ui/DisplayBar.h"
#include "ui/Geometry.h"
#include "ui/KeyCatcher.h"
#include "ui/KeypadButton.h"
#include "ui/Palette.h"
#include "ui/Platform.h"

namespace orvane::ui {
namespace {

#ifndef ORVANE_SITE_URL
#define ORVANE_SITE_URL "https://orvane.example"  // the build sets it (CMake cache ORVANE_SITE_URL)
#endif
constexpr auto kWebSite = ORVANE_SITE_URL;
constexpr int kRowHeight = 13;  // eleven rows fill the listing
// The entry line shows the end of a long text; laying out a pasted megabyte would stall.
constexpr qsizetype kShownEntryChars = 64;

QFont SansSerif(const QFont& base, qreal points, bool bold) {
    QFont f = base;
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void Colour(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

QLabel* IndicatorLabel(QWidget* panel, const QRect& place, const char* tip) {
    auto* label = new QLabel(panel);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setToolTip(QString::fromLatin1(tip));
    Colour(label, QPalette::WindowText, kGreyText);
    return label;
}

QString FromStd(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

}  // namespace

MainWindow::MainWindow(QString stackFile, std::unique_ptr<RandomSource> random)
    : calc_(std::move(random)), stackFile_(std::move(stackFile)) {
    setWindowTitle(QStringLiteral("Orvane RPN Calculator."));
    showNotice = [this](const Notice& n) {
        QMessageBox box(n.icon, n.title, n.text, QMessageBox::Ok, this);
        box.exec();
    };
    openUrl = OpenWebPage;

    auto* client = new QWidget(this);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    BuildControls(client);
    angle_ =
        BuildMenuBar(menuBar(), {[this] { MenuReset_Click(); }, [this] { MenuSave_Click(); },
                                 [this] { MenuLoad_Click(); }, [this] { MenuUndo_Click(); },
                                 [this] { MenuCopy_Click(); }, [this] { MenuPaste_Click(); },
                                 [this] { MenuDegrees_Click(); }, [this] { MenuRadians_Click(); },
                                 [this] { MenuWebSite_Click(); }, [this] { MenuFeedback_Click(); },
                                 [this] { MenuAbout_Click(); }});
    Form_Load();
}

void MainWindow::BuildControls(QWidget* client) {
    // Created in tab order: the key catcher first, so it has the focus from the start.
    catchKey_ = new KeyCatcher(client);
    catchKey_->setGeometry(kKeyCatcher);
    connect(catchKey_, &KeyCatcher::keyDown, this, &MainWindow::CatchKey_KeyDown);

    dsp2_ = new QListWidget(client);
    dsp2_->setObjectName(QStringLiteral("Dsp2"));
    dsp2_->setGeometry(kListing);
    dsp2_->setFont(SansSerif(font(), 8.25, true));
    dsp2_->setToolTip(QStringLiteral("Stack"));
    dsp2_->setFrameStyle(QFrame::Box | QFrame::Plain);
    dsp2_->setLineWidth(1);
    dsp2_->setUniformItemSizes(true);
    dsp2_->setFocusPolicy(Qt::NoFocus);
    dsp2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    dsp2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Colour(dsp2_, QPalette::Base, kListingBack);
    Colour(dsp2_, QPalette::Text, kListingText);
    Colour(dsp2_, QPalette::WindowText, kListingText);

    pctStack_ = new QWidget(client);
    pctStack_->setObjectName(QStringLiteral("PctStack"));
    pctStack_->setGeometry(kIndicatorPanel);
    pctStack_->setAutoFillBackground(true);
    Colour(pctStack_, QPalette::Window, kListingBack);
    lblSL_ = IndicatorLabel(pctStack_, kCountLabel, "Stack count");
    lblSL_->setObjectName(QStringLiteral("LblSL"));
    lblRadDeg_ = IndicatorLabel(pctStack_, kAngleLabel, "Degrees / Radians");
    lblRadDeg_->setObjectName(QStringLiteral("LblRadDeg"));
    pctStack_->raise();  // drawn above the listing's top-right corner

    for (const KeypadKey& key : Keypad()) {
        auto* button = new KeypadButton(key, client);
        connect(button, &KeypadButton::released, this, &MainWindow::ImgBtn_MouseUp);
        keys_[static_cast<std::size_t>(key.index)] = button;
    }

    imgDisplay_ = new DisplayBar(client);
    imgDisplay_->setObjectName(QStringLiteral("ImgDisplay"));
    imgDisplay_->setGeometry(kDisplayBar);
    dsp1_ = new QLabel(imgDisplay_);
    dsp1_->setObjectName(QStringLiteral("Dsp1"));
    dsp1_->setGeometry(kEntryLine);
    dsp1_->setFont(SansSerif(font(), 12, true));
    dsp1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    dsp1_->setToolTip(QStringLiteral("Display"));
    dsp1_->setTextFormat(Qt::PlainText);
    Colour(dsp1_, QPalette::WindowText, kEntryText);

    for (QWidget* clickable :
         {client, static_cast<QWidget*>(dsp1_), dsp2_->viewport(), imgDisplay_, pctStack_,
          static_cast<QWidget*>(lblSL_), static_cast<QWidget*>(lblRadDeg_)}) {
        clickable->installEventFilter(this);
    }
}

void MainWindow::Form_Load() {
    centralWidget()->setFixedSize(kClientArea.size());
    Colour(centralWidget(), QPalette::Window, kWindowColour);
    MenuRadians_Click();
    calc_.InitStack();
    calc_.RefreshStack();
    Redraw();
    setFixedSize(sizeHint());
    FocusCatcher();
}

QWidget* MainWindow::keyCatcher() const { return catchKey_; }

void MainWindow::ImgBtn_MouseUp(int index) {
    After(orvane::ImgBtn_MouseUp(calc_, index));
    FocusCatcher();
}

void MainWindow::CatchKey_KeyDown(int virtualKey) {
    After(orvane::CatchKey_KeyDown(calc_, virtualKey));
    FocusCatcher();
}

void MainWindow::MenuReset_Click() { ImgBtn_MouseUp(20); }

void MainWindow::MenuSave_Click() {
    if (!SaveStackFile(calc_, stackFile_.toStdString())) return;
    showNotice({QMessageBox::Information, QStringLiteral("Saved"),
                QStringLiteral("Stack information has been saved.")});
    FocusCatcher();
}

void MainWindow::MenuLoad_Click() {
    LoadStackFile(calc_, stackFile_.toStdString());
    calc_.RefreshStack();
    Redraw();
}

void MainWindow::MenuUndo_Click() {
    calc_.Undo();
    Redraw();
}

void MainWindow::MenuCopy_Click() { QApplication::clipboard()->setText(FromStd(calc_.Top())); }

void MainWindow::MenuPaste_Click() {
    if (PasteIntoEntry(calc_, QApplication::clipboard()->text().toStdString())) Redraw();
}

void MainWindow::MenuDegrees_Click() {
    calc_.angle = AngleMode::Degrees;
    Redraw();
}

void MainWindow::MenuRadians_Click() {
    calc_.angle = AngleMode::Radians;
    Redraw();
}

void MainWindow::MenuWebSite_Click() {
    openUrl(QUrl(QString::fromLatin1(kWebSite) + QStringLiteral("/calc")));
}

void MainWindow::MenuFeedback_Click() {
    openUrl(QUrl(QString::fromLatin1(kWebSite) + QStringLiteral("/calc/contact1.html")));
}

void MainWindow::MenuAbout_Click() {
    showNotice({QMessageBox::Information, QStringLiteral("About"),
                JoinLines({QStringLiteral("Orvane Calc"),
                           QStringLiteral("RPN Calculator (Reverse Polish Notation)"),
                           QStringLiteral("Made by the Orvane Calc developers")})});
    FocusCatcher();
}

void MainWindow::Form_Click() { FocusCatcher(); }
void MainWindow::Dsp1_Click() { FocusCatcher(); }

void MainWindow::Dsp2_Click() {
    dsp2_->clear();  // drops the row the click selected
    calc_.RefreshStack();
    Redraw();
    FocusCatcher();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == dsp2_->viewport()) {
            Dsp2_Click();
        } else if (watched == dsp1_) {
            Dsp1_Click();
        } else {
            Form_Click();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::After(Outcome outcome) {
    Redraw();
    if (outcome.stackFull) {
        showNotice(
            {QMessageBox::Critical, QStringLiteral("Warning"), QStringLiteral("Stack is full.")});
    }
}

void MainWindow::Redraw() {
    const Listing& listing = calc_.listing();
    bool same = dsp2_->count() == static_cast<int>(listing.rows.size());
    for (int i = 0; same && i < dsp2_->count(); ++i) {
        same = dsp2_->item(i)->text() == FromStd(listing.rows[static_cast<std::size_t>(i)]);
    }
    if (!same) {
        dsp2_->clear();
        for (const std::string& row : listing.rows) {
            auto* item = new QListWidgetItem(FromStd(row), dsp2_);
            item->setSizeHint(QSize(0, kRowHeight));
        }
    }
    lblSL_->setText(FromStd(listing.countLabel));
    const bool degrees = calc_.angle == AngleMode::Degrees;
    lblRadDeg_->setText(degrees ? QStringLiteral("Deg") : QStringLiteral("Rad"));
    if (angle_.degrees) {
        angle_.degrees->setChecked(degrees);
        angle_.radians->setChecked(!degrees);
    }
    const std::string& entry = calc_.entry;
    QString shown = FromStd(std::string_view(entry).substr(
        entry.size() > kShownEntryChars ? entry.size() - kShownEntryChars : 0));
    if (entry.size() > kShownEntryChars) shown.prepend(QChar(0x2026));
    if (dsp1_->text() != shown) dsp1_->setText(shown);
}

void MainWindow::FocusCatcher() { catchKey_->setFocus(Qt::OtherFocusReason); }

}  // namespace orvane::ui
