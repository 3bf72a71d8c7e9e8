#include "ui/Menus.h"

#include <QMenu>

namespace orvane::ui {
namespace {

QAction* AddEntry(QMenu* menu, const QString& caption, QKeyCombination key,
                  const std::function<void()>& command) {
    QAction* action = menu->addAction(caption);
    action->setShortcut(QKeySequence(key));
    QObject::connect(action, &QAction::triggered, action, [command] { command(); });
    return action;
}

}  // namespace

AngleActions BuildMenuBar(QMenuBar* bar, const MenuCommands& c) {
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    AddEntry(file, QStringLiteral("&Clear stack"), Qt::CTRL | Qt::Key_K, c.reset);
    file->addSeparator();
    AddEntry(file, QStringLiteral("&Save stack"), Qt::CTRL | Qt::Key_S, c.save);
    AddEntry(file, QStringLiteral("&Load stack"), Qt::CTRL | Qt::Key_L, c.load);

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    AddEntry(edit, QStringLiteral("&Undo"), Qt::CTRL | Qt::Key_Z, c.undo);
    edit->addSeparator();
    AddEntry(edit, QStringLiteral("&Copy result to clipboard"), Qt::CTRL | Qt::Key_C, c.copy);
    AddEntry(edit, QStringLiteral("&Paste clipboard to display"), Qt::CTRL | Qt::Key_V, c.paste);

    QMenu* settings = bar->addMenu(QStringLiteral("Se&ttings"));
    AngleActions angle{
        AddEntry(settings, QStringLiteral("&Degrees"), Qt::CTRL | Qt::Key_D, c.degrees),
        AddEntry(settings, QStringLiteral("&Radians"), Qt::CTRL | Qt::Key_R, c.radians)};
    angle.degrees->setCheckable(true);
    angle.radians->setCheckable(true);

    QMenu* about = bar->addMenu(QStringLiteral("&About..."));
    AddEntry(about, QStringLiteral("&Website"), Qt::CTRL | Qt::Key_W, c.website);
    AddEntry(about, QStringLiteral("&Feedback"), Qt::CTRL | Qt::Key_F, c.feedback);
    AddEntry(about, QStringLiteral("&About"), Qt::CTRL | Qt::Key_A, c.about);
    return angle;
}

}  // namespace orvane::ui
