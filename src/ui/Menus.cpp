#include "ui/Menus.h"

#include <QActionGroup>
#include <QMenu>
#include <algorithm>

#include "ui/MainWindow.h"

namespace orvane::ui {

AngleActions BuildMenuBar(QMenuBar* bar, MainWindow* w, int width) {
    const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };
    using W = MainWindow;

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Clear stack"), ctrl(Qt::Key_K), w, &W::clearStack);
    file->addSeparator();
    file->addAction(QStringLiteral("&Save stack"), ctrl(Qt::Key_S), w, &W::saveStack);
    file->addAction(QStringLiteral("&Load stack"), ctrl(Qt::Key_L), w, &W::loadStack);

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->addAction(QStringLiteral("&Undo"), ctrl(Qt::Key_Z), w, &W::undo);
    edit->addSeparator();
    edit->addAction(QStringLiteral("&Copy result to clipboard"), ctrl(Qt::Key_C), w, &W::copyTop);
    edit->addAction(QStringLiteral("&Paste clipboard to display"), ctrl(Qt::Key_V), w,
                    &W::pasteIntoEntry);

    QMenu* settings = bar->addMenu(QStringLiteral("Se&ttings"));
    const AngleActions angle{
        settings->addAction(QStringLiteral("&Degrees"), ctrl(Qt::Key_D), w, &W::useDegrees),
        settings->addAction(QStringLiteral("&Radians"), ctrl(Qt::Key_R), w, &W::useRadians)};
    angle.degrees->setObjectName(QStringLiteral("degrees"));
    angle.radians->setObjectName(QStringLiteral("radians"));
    auto* exclusive = new QActionGroup(settings);
    exclusive->addAction(angle.degrees)->setCheckable(true);
    exclusive->addAction(angle.radians)->setCheckable(true);

    QMenu* about = bar->addMenu(QStringLiteral("&About..."));
    about->addAction(QStringLiteral("&Website"), ctrl(Qt::Key_W), w, &W::openWebSite);
    about->addAction(QStringLiteral("&Feedback"), ctrl(Qt::Key_F), w, &W::openFeedbackPage);
    about->addAction(QStringLiteral("&About"), ctrl(Qt::Key_A), w, &W::showAbout);

    // A bar too narrow for its captions folds the last menus away behind a button.
    QFont font = bar->font();
    while (bar->sizeHint().width() > width && font.pointSizeF() > 4) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        bar->setFont(font);
    }
    return angle;
}

QAction* MenuCommandFor(const QMenuBar* bar, int virtualKey) {
    if (virtualKey < 'A' || virtualKey > 'Z') return nullptr;
    // A letter's virtual-key code is its capital, as is Qt's key.
    const QKeySequence wanted(Qt::CTRL | static_cast<Qt::Key>(virtualKey));
    const QList<QAction*> actions = bar->findChildren<QAction*>();
    const auto found = std::find_if(actions.begin(), actions.end(),
                                    [&](const QAction* a) { return a->shortcut() == wanted; });
    return found == actions.end() ? nullptr : *found;
}

}  // namespace orvane::ui
