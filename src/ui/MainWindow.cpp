#include "ui/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "input/EntryLine.h"
#include "input/KeyMap.h"
#include "storage/StackFile.h"
#include "ui/Accessibility.h"
#include "ui/DisplayBar.h"
#include "ui/Fonts.h"
#include "ui/Geometry.h"
#include "ui/KeyCatcher.h"
#include "ui/KeypadButton.h"
#include "ui/Palette.h"
#include "ui/Platform.h"

namespace orvane::ui {
namespace {

constexpr auto kWebSite = ORVANE_SITE_URL;  // set by the build, from CMake's cache
constexpr int kRowHeight = 13;              // eleven rows fill the listing
// The entry line shows the end of a long text; laying out a pasted megabyte would stall.
constexpr std::size_t kShownEntryChars = 64;

// The widest texts each control must show whole: a typed entry with its sign, a row of the levels
// beside the indicator panel, the angle mode. The count label fits whatever count it shows.
const QString kWidestEntry = QStringLiteral("-") + QString(kEntryTypingLimit, u'8');
const QString kWidestRow = QStringLiteral("11:      -8.88888888888888E+288");
const QStringList kAngleTexts{QStringLiteral("Deg"), QStringLiteral("Rad")};

// The part of an indicator label inside the panel, which clips the label's left end.
constexpr QSize kIndicatorRoom(kCountLabel.x() + kCountLabel.width(), kCountLabel.height());
constexpr qreal kIndicatorPoints = 8.25;

void Colour(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

QLabel* IndicatorLabel(QWidget* panel, const QRect& place, const char* tip, const char* name) {
    auto* label = new QLabel(panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    // Set, not inherited: a desktop's larger default font would outgrow the label's height.
    label->setFont(FittingFont(WindowFace(kIndicatorPoints, false), kAngleTexts, kIndicatorRoom));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setToolTip(QString::fromLatin1(tip));
    Colour(label, QPalette::WindowText, kGreyText);
    return label;
}

QString FromStd(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Why the stack file was not saved or loaded: the user is told nothing, as before; whoever
// looks at the program's output is told this.
const char* Reason(SaveStatus status) {
    switch (status) {
        case SaveStatus::Saved:
            break;
        case SaveStatus::CannotCreate:
            return "cannot create a new file beside it";
        case SaveStatus::CannotWrite:
            return "cannot write the new file";
        case SaveStatus::NotOnDisk:
            return "cannot put the new file on the disk";
        case SaveStatus::CannotReplace:
            return "cannot put the new file in its place";
    }
    return "saved";
}

const char* Reason(LoadStatus status) {
    switch (status) {
        case LoadStatus::Loaded:
            break;
        case LoadStatus::CannotOpen:
            return "no file, or no access to it";
        case LoadStatus::TooLarge:
            return "far larger than any saved stack";
        case LoadStatus::CannotRead:
            return "cannot read it";
        case LoadStatus::EndsEarly:
            return "a line is missing";
        case LoadStatus::BadCount:
            return "its count is no whole number from 0 to a million";
        case LoadStatus::BadValue:
            return "a value is no number a stack can hold";
    }
    return "loaded";
}

void Tell(const char* what, const std::filesystem::path& file, const char* reason) {
    qWarning().noquote() << what
                         << QDir::toNativeSeparators(QString::fromStdU16String(file.u16string()))
                         << "-" << reason;
}

}  // namespace

MainWindow::MainWindow(StackFilePlace stackFile, std::unique_ptr<RandomSource> random,
                       bool ownTitleBar)
    : calc_(std::move(random)), stackFile_(std::move(stackFile)) {
    InstallAccessibleInterfaces();
    // One fixed size: nothing to maximise, so no window manager is asked to offer it. Set before
    // any child exists: a menu bar may make the native window, which would keep Qt's own frame.
    setWindowFlags(ownTitleBar ? Qt::Window | Qt::FramelessWindowHint
                               : Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                     Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Orvane RPN Calculator."));
    // The menu bar's and the keys' face, at the size the desktop asks for.
    setFont(WindowFace(QFontInfo(font()).pointSizeF(), false));
    showBox_ = [this](const Box& n) {
        QMessageBox box(n.icon, n.title, n.text, QMessageBox::Ok, this);
        box.exec();
    };
    openPage_ = OpenWebPage;

    auto* client = new QWidget(this);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    buildControls(client);
    menuBar_ = new QMenuBar(this);
    angle_ = BuildMenuBar(menuBar_, this, kClientArea.width());
    if (ownTitleBar) {
        auto* top = new QWidget(this);
        auto* column = new QVBoxLayout(top);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        column->addWidget(new TitleBar(top));
        column->addWidget(menuBar_);
        setMenuWidget(top);
    } else {
        setMenuBar(menuBar_);
    }
    setUpStartState();
}

void MainWindow::buildControls(QWidget* client) {
    // Created in tab order: the key catcher first, so it has the focus from the start.
    keyCatcher_ = new KeyCatcher(client);
    keyCatcher_->setObjectName(QStringLiteral("keyCatcher"));
    keyCatcher_->setGeometry(kKeyCatcher);
    connect(keyCatcher_, &KeyCatcher::keyDown, this, &MainWindow::keyDown);

    listing_ = new QListWidget(client);
    listing_->setObjectName(QStringLiteral("listing"));
    listing_->setSelectionMode(QAbstractItemView::NoSelection);  // display only
    listing_->setGeometry(kListing);
    // The rows of the deepest levels pass the indicator panel, which hides what reaches it. Item
    // texts start after the frame and a margin (QCommonStyle's, which the styles share).
    const int textMargin = listing_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    const QFont rowFace = WindowFace(8.25, true);
    listing_->setFont(
        FittingFont(rowFace, {WidestDigits(QFontMetrics(rowFace), kWidestRow)},
                    {kIndicatorPanel.left() - kListing.left() - 1 - textMargin, kRowHeight}));
    listing_->setToolTip(QStringLiteral("Stack"));
    listing_->setAccessibleName(QStringLiteral("Stack"));
    listing_->setFrameStyle(QFrame::Box | QFrame::Plain);
    listing_->setLineWidth(1);
    listing_->setUniformItemSizes(true);
    listing_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listing_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Colour(listing_, QPalette::Base, kListingBack);
    Colour(listing_, QPalette::Text, kListingText);
    Colour(listing_, QPalette::WindowText, kListingText);

    auto* indicatorPanel = new QWidget(client);
    indicatorPanel->setObjectName(QStringLiteral("indicatorPanel"));
    indicatorPanel->setGeometry(kIndicatorPanel);
    indicatorPanel->setAutoFillBackground(true);
    Colour(indicatorPanel, QPalette::Window, kListingBack);
    countLabel_ = IndicatorLabel(indicatorPanel, kCountLabel, "Stack count", "countLabel");
    angleLabel_ = IndicatorLabel(indicatorPanel, kAngleLabel, "Degrees / Radians", "angleLabel");
    indicatorPanel->raise();  // drawn above the listing's top-right corner

    for (const KeypadKey& key : Keypad()) {
        auto* button = new KeypadButton(key, client);
        button->setObjectName(QStringLiteral("key%1").arg(CodeOf(key.command)));
        connect(button, &KeypadButton::keyReleased, this, &MainWindow::pressKey);
    }

    auto* displayBar = new DisplayBar(client);
    displayBar->setObjectName(QStringLiteral("displayBar"));
    displayBar->setGeometry(kDisplayBar);
    entryLine_ = new QLabel(displayBar);
    entryLine_->setObjectName(QStringLiteral("entryLine"));
    entryLine_->setGeometry(kEntryLine);
    const QFont entryFace = WindowFace(12, true);
    entryLine_->setFont(FittingFont(
        entryFace, {WidestDigits(QFontMetrics(entryFace), kWidestEntry)}, kEntryLine.size()));
    entryLine_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    entryLine_->setToolTip(QStringLiteral("Display"));
    entryLine_->setTextFormat(Qt::PlainText);
    Colour(entryLine_, QPalette::WindowText, kEntryText);
    display_ = new SpokenDisplay(keyCatcher_, entryLine_);

    // The key catcher is the one widget that takes the keyboard focus, so no click, menu or box
    // can move it elsewhere: Qt gives it back to the catcher whenever the window is active again.
    for (QWidget* widget : client->findChildren<QWidget*>()) {
        if (widget != keyCatcher_) widget->setFocusPolicy(Qt::NoFocus);
    }
    keyCatcher_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::setUpStartState() {
    centralWidget()->setFixedSize(kClientArea.size());
    Colour(centralWidget(), QPalette::Window, kWindowColour);
    run(Command::UseRadians);  // also the first redraw
    setFixedSize(sizeHint());
}

void MainWindow::run(Command command) { showOutcome(RunCommand(calc_, command, *this)); }

void MainWindow::pressKey(int index) {
    if (const KeypadKey* key = KeyFor(static_cast<Command>(index))) run(key->command);
}

void MainWindow::keyDown(int virtualKey, bool withCtrl) {
    // Qt matches a shortcut by the letter typed, and a layout without Latin letters types none:
    // the key's code finds it then, as on Windows. Only what no shortcut takes is a keypad key.
    if (QAction* command = withCtrl ? MenuCommandFor(menuBar_, virtualKey) : nullptr) {
        command->trigger();
    } else if (const auto key = KeypadKeyFor(virtualKey)) {
        run(*key);
    }
}

std::string MainWindow::clipboardText() { return QApplication::clipboard()->text().toStdString(); }

void MainWindow::setClipboardText(std::string_view text) {
    QApplication::clipboard()->setText(FromStd(text));
}

bool MainWindow::saveStack(const Calculator& calc) {
    const auto file = stackFile_.forSave();
    const SaveStatus saved = file ? SaveStack(calc, *file) : SaveStatus::CannotCreate;
    if (saved != SaveStatus::Saved)
        Tell("Not saved:", file.value_or(stackFile_.forLoad()), Reason(saved));
    return saved == SaveStatus::Saved;
}

void MainWindow::loadStack(Calculator& calc) {
    const std::filesystem::path file = stackFile_.forLoad();
    if (const LoadStatus loaded = LoadStack(calc, file); loaded != LoadStatus::Loaded) {
        Tell("Not loaded:", file, Reason(loaded));  // what was read is shown either way
    }
}

void MainWindow::openPage(std::string_view path) {
    openPage_(QUrl(QString::fromLatin1(kWebSite) + FromStd(path)));
}

void MainWindow::showOutcome(Outcome outcome) {
    redraw();
    switch (outcome.notice) {
        case Notice::None:
            break;
        case Notice::StackFull:
            showBox_({QMessageBox::Critical, QStringLiteral("Warning"),
                      QStringLiteral("Stack is full.")});
            break;
        case Notice::Saved:
            showBox_({QMessageBox::Information, QStringLiteral("Saved"),
                      QStringLiteral("Stack information has been saved.")});
            break;
        case Notice::About:
            showBox_({QMessageBox::Information, QStringLiteral("About"),
                      JoinLines({QStringLiteral("Orvane Calc"),
                                 QStringLiteral("RPN Calculator (Reverse Polish Notation)"),
                                 QStringLiteral("Made by the Orvane Calc developers")})});
            break;
    }
}

void MainWindow::redraw() {
    const Listing listing = calc_.listing();
    bool same = listing_->count() == static_cast<int>(listing.rows.size());
    for (int i = 0; same && i < listing_->count(); ++i) {
        same = listing_->item(i)->text() == FromStd(listing.rows[static_cast<std::size_t>(i)]);
    }
    if (!same) {
        listing_->clear();
        for (const std::string& row : listing.rows) {
            auto* item = new QListWidgetItem(FromStd(row), listing_);
            item->setSizeHint(QSize(0, kRowHeight));
        }
    }
    const QString count = FromStd(listing.countLabel);
    if (countLabel_->text() != count) {
        countLabel_->setFont(
            FittingFont(WindowFace(kIndicatorPoints, false), {count}, kIndicatorRoom));
        countLabel_->setText(count);
    }
    const bool degrees = calc_.angle() == AngleMode::Degrees;
    angleLabel_->setText(degrees ? QStringLiteral("Deg") : QStringLiteral("Rad"));
    if (angle_.degrees) (degrees ? angle_.degrees : angle_.radians)->setChecked(true);
    // A longer pasted text shows its sign and its end, never a clipped first glyph.
    const std::string_view entry = calc_.entry();
    const std::size_t sign = entry.starts_with('-') ? 1 : 0;
    const std::size_t from =
        std::max(sign, entry.size() - std::min(entry.size(), kShownEntryChars));
    const QString shown =
        ElideKeepingSign(FromStd(entry.substr(0, sign)) + FromStd(entry.substr(from)),
                         entryLine_->fontMetrics(), entryLine_->contentsRect().width());
    if (entryLine_->text() != shown) entryLine_->setText(shown);
    display_->show(DisplayText(calc_, shown), !shown.isEmpty());
}

}  // namespace orvane::ui
