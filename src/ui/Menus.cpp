#include "ui/Menus.h"

#include <QActionGroup>
#include <QMenu>
#include <algorithm>

#include "ui/MainWindow.h"

namespace orvane::ui {

namespace {

// The menu tree: each entry's caption, Ctrl shortcut and command; an entry without a caption is
// a separator.
struct Entry {
    const char* caption;
    Qt::Key shortcut;
    Command command;
};
struct Menu {
    const char* caption;
    std::initializer_list<Entry> entries;
};

const Menu kMenus[] = {
    {"&File",
     {{"&Clear stack", Qt::Key_K, Command::Reset},
      {},
      {"&Save stack", Qt::Key_S, Command::SaveStack},
      {"&Load stack", Qt::Key_L, Command::LoadStack}}},
    {"&Edit",
     {{"&Undo", Qt::Key_Z, Command::Undo},
      {},
      {"&Copy result to clipboard", Qt::Key_C, Command::CopyTop},
      {"&Paste clipboard to display", Qt::Key_V, Command::PasteIntoEntry}}},
    {"Se&ttings",
     {{"&Degrees", Qt::Key_D, Command::UseDegrees}, {"&Radians", Qt::Key_R, Command::UseRadians}}},
    {"&About...",
     {{"&Website", Qt::Key_W, Command::OpenWebSite},
      {"&Feedback", Qt::Key_F, Command::OpenFeedbackPage},
      {"&About", Qt::Key_A, Command::ShowAbout}}},
};

}  // namespace

AngleActions BuildMenuBar(QMenuBar* bar, MainWindow* w, int width) {
    AngleActions angle{};
    for (const Menu& menu : kMenus) {
        QMenu* shown = bar->addMenu(QString::fromLatin1(menu.caption));
        for (const Entry& entry : menu.entries) {
            if (entry.caption == nullptr) {
                shown->addSeparator();
                continue;
            }
            QAction* action = shown->addAction(QString::fromLatin1(entry.caption),
                                               QKeySequence(Qt::CTRL | entry.shortcut), w,
                                               [w, c = entry.command] { w->run(c); });
            if (entry.command == Command::UseDegrees) angle.degrees = action;
            if (entry.command == Command::UseRadians) angle.radians = action;
        }
    }
    angle.degrees->setObjectName(QStringLiteral("degrees"));
    angle.radians->setObjectName(QStringLiteral("radians"));
    auto* exclusive = new QActionGroup(angle.degrees->parent());
    exclusive->addAction(angle.degrees)->setCheckable(true);
    exclusive->addAction(angle.radians)->setCheckable(true);

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
