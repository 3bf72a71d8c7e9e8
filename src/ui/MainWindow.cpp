#include "ui/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStyle>
#include <algorithm>

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

// The layout's sizes were made for Arial's metrics: ask for it by its Windows name and its
// metric twins elsewhere, then shrink until the widest texts fit, so that no face the desktop
// gives instead clips a sign or a digit.
QFont WindowFace(qreal points, bool bold) {
    QFont f;
    f.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont FittingFont(qreal points, bool bold, const QStringList& widest, int width) {
    QFont f = WindowFace(points, bold);
    const auto fits = [&] {
        const QFontMetrics metrics(f);
        return std::all_of(widest.begin(), widest.end(),
                           [&](const QString& t) { return metrics.horizontalAdvance(t) <= width; });
    };
    while (!fits() && f.pointSizeF() > 4) f.setPointSizeF(f.pointSizeF() - 0.25);
    return f;
}

// The widest texts each control must show whole: a typed entry with its sign, the rows of the
// deepest and the top level, the largest count.
const QStringList kWidestEntry{QStringLiteral("-") + QString(kEntryTypingLimit, u'8')};
const QStringList kWidestRows{QStringLiteral("11:      -8.88888888888888E+288"),
                              QStringLiteral("1:      -99,999,999,999,999")};
const QStringList kWidestIndicator{QStringLiteral("Stack: 9999"), QStringLiteral("Deg")};

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
    label->setFont(FittingFont(8.25, false, kWidestIndicator, place.width() - Px(45)));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setToolTip(QString::fromLatin1(tip));
    Colour(label, QPalette::WindowText, kGreyText);
    return label;
}

QString FromStd(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

}  // namespace

MainWindow::MainWindow(StackFilePlace stackFile, std::unique_ptr<RandomSource> random)
    : calc_(std::move(random)), stackFile_(std::move(stackFile)) {
    setWindowTitle(QStringLiteral("Orvane RPN Calculator."));
    setFont(WindowFace(font().pointSizeF(), false));  // the menu bar's and the keys' face
    showNotice_ = [this](const Notice& n) {
        QMessageBox box(n.icon, n.title, n.text, QMessageBox::Ok, this);
        box.exec();
    };
    openPage_ = OpenWebPage;

    auto* client = new QWidget(this);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    buildControls(client);
    angle_ = BuildMenuBar(menuBar(), this);
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
    // Item texts keep a margin on either side (QCommonStyle's, which the styles share).
    const int textMargin = listing_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    listing_->setFont(FittingFont(8.25, true, kWidestRows, kListing.width() - 2 - 2 * textMargin));
    listing_->setToolTip(QStringLiteral("Stack"));
    listing_->setFrameStyle(QFrame::Box | QFrame::Plain);
    listing_->setLineWidth(1);
    listing_->setUniformItemSizes(true);
    listing_->setFocusPolicy(Qt::NoFocus);
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
        button->setObjectName(QStringLiteral("key%1").arg(IndexOf(key.key)));
        connect(button, &KeypadButton::keyReleased, this, &MainWindow::pressKey);
    }

    auto* displayBar = new DisplayBar(client);
    displayBar->setObjectName(QStringLiteral("displayBar"));
    displayBar->setGeometry(kDisplayBar);
    entryLine_ = new QLabel(displayBar);
    entryLine_->setObjectName(QStringLiteral("entryLine"));
    entryLine_->setGeometry(kEntryLine);
    entryLine_->setFont(FittingFont(12, true, kWidestEntry, kEntryLine.width()));
    entryLine_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    entryLine_->setToolTip(QStringLiteral("Display"));
    entryLine_->setTextFormat(Qt::PlainText);
    Colour(entryLine_, QPalette::WindowText, kEntryText);

    for (QWidget* clickable :
         {client, static_cast<QWidget*>(entryLine_), listing_->viewport(),
          static_cast<QWidget*>(displayBar), indicatorPanel, static_cast<QWidget*>(countLabel_),
          static_cast<QWidget*>(angleLabel_)}) {
        clickable->installEventFilter(this);
    }
}

void MainWindow::setUpStartState() {
    centralWidget()->setFixedSize(kClientArea.size());
    Colour(centralWidget(), QPalette::Window, kWindowColour);
    useRadians();  // also the first redraw
    setFixedSize(sizeHint());
    focusKeyCatcher();
}

void MainWindow::pressKey(int index) {
    showOutcome(PressKey(calc_, static_cast<Key>(index)));
    focusKeyCatcher();
}

void MainWindow::keyDown(int virtualKey) {
    showOutcome(KeyDown(calc_, virtualKey));
    focusKeyCatcher();
}

void MainWindow::clearStack() { pressKey(IndexOf(Key::Reset)); }

void MainWindow::saveStack() {
    const auto file = stackFile_.forSave();
    if (!file || SaveStack(calc_, *file) != SaveStatus::Saved) return;
    showNotice_({QMessageBox::Information, QStringLiteral("Saved"),
                 QStringLiteral("Stack information has been saved.")});
    focusKeyCatcher();
}

void MainWindow::loadStack() {
    LoadStack(calc_, stackFile_.forLoad());  // silent: what was read is shown either way
    redraw();
}

void MainWindow::undo() {
    calc_.undo();
    redraw();
}

void MainWindow::copyTop() { QApplication::clipboard()->setText(FromStd(calc_.top())); }

void MainWindow::pasteIntoEntry() {
    PasteIntoEntry(calc_, QApplication::clipboard()->text().toStdString());
    redraw();
}

void MainWindow::useDegrees() {
    calc_.setAngle(AngleMode::Degrees);
    redraw();
}

void MainWindow::useRadians() {
    calc_.setAngle(AngleMode::Radians);
    redraw();
}

void MainWindow::openWebSite() {
    openPage_(QUrl(QString::fromLatin1(kWebSite) + QStringLiteral("/calc")));
}

void MainWindow::openFeedbackPage() {
    openPage_(QUrl(QString::fromLatin1(kWebSite) + QStringLiteral("/calc/contact1.html")));
}

void MainWindow::showAbout() {
    showNotice_({QMessageBox::Information, QStringLiteral("About"),
                 JoinLines({QStringLiteral("Orvane Calc"),
                            QStringLiteral("RPN Calculator (Reverse Polish Notation)"),
                            QStringLiteral("Made by the Orvane Calc developers")})});
    focusKeyCatcher();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) focusKeyCatcher();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showOutcome(Outcome outcome) {
    redraw();
    if (outcome.stackFull) {
        showNotice_(
            {QMessageBox::Critical, QStringLiteral("Warning"), QStringLiteral("Stack is full.")});
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
    countLabel_->setText(FromStd(listing.countLabel));
    const bool degrees = calc_.angle() == AngleMode::Degrees;
    angleLabel_->setText(degrees ? QStringLiteral("Deg") : QStringLiteral("Rad"));
    if (angle_.degrees) {
        angle_.degrees->setChecked(degrees);
        angle_.radians->setChecked(!degrees);
    }
    // A longer pasted text shows its end, after an ellipsis, never a clipped first glyph.
    const std::string& entry = calc_.entry();
    const QString shown = entryLine_->fontMetrics().elidedText(
        FromStd(std::string_view(entry).substr(
            entry.size() > kShownEntryChars ? entry.size() - kShownEntryChars : 0)),
        Qt::ElideLeft, entryLine_->contentsRect().width());
    if (entryLine_->text() != shown) entryLine_->setText(shown);
}

void MainWindow::focusKeyCatcher() { keyCatcher_->setFocus(Qt::OtherFocusReason); }

}  // namespace orvane::ui
