#include "ui/Menus.h"

#include <QMenu>

namespace orvane::ui {
namespace {

QAction* AddEntry(QMenu* menu, const char* name, const QString& caption, QKeyCombination key,
                  const std::function<void()>& command) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(QKeySequence(key));
    QObject::connect(action, &QAction::triggered, action, [command] { command(); });
    return action;
}

}  // namespace

AngleActions BuildMenuBar(QMenuBar* bar, const MenuCommands& c) {
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("MenuFile"));
    AddEntry(file, "MenuReset", QStringLiteral("&Clear stack"), Qt::CTRL | Qt::Key_K, c.reset);
    file->addSeparator();
    AddEntry(file, "MenuSave", QStringLiteral("&Save stack"), Qt::CTRL | Qt::Key_S, c.save);
    AddEntry(file, "MenuLoad", QStringLiteral("&Load stack"), Qt::CTRL | Qt::Key_L, c.load);

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("MenuEdit"));
    AddEntry(edit, "MenuUndo", QStringLiteral("&Undo"), Qt::CTRL | Qt::Key_Z, c.undo);
    edit->addSeparator();
    AddEntry(edit, "MenuCopy", QStringLiteral("&Copy result to clipboard"), Qt::CTRL | Qt::Key_C,
             c.copy);
    AddEntry(edit, "MenuPaste", QStringLiteral("&Paste clipboard to display"), Qt::CTRL | Qt::Key_V,
             c.paste);

    QMenu* settings = bar->addMenu(QStringLiteral("Se&ttings"));
    settings->setObjectName(QStringLiteral("MenuSettings"));
    AngleActions angle{AddEntry(settings, "MenuDegrees", QStringLiteral("&Degrees"),
                                Qt::CTRL | Qt::Key_D, c.degrees),
                       AddEntry(settings, "MenuRadians", QStringLiteral("&Radians"),
                                Qt::CTRL | Qt::Key_R, c.radians)};
    angle.degrees->setCheckable(true);
    angle.radians->setCheckable(true);

    QMenu* about = bar->addMenu(QStringLiteral("&About..."));
    about->setObjectName(QStringLiteral("MenuAbout2"));
    AddEntry(about, "MenuWebSite", QStringLiteral("&Website"), Qt::CTRL | Qt::Key_W, c.website);
    AddEntry(about, "MenuFeedback", QStringLiteral("&Feedback"), Qt::CTRL | Qt::Key_F, c.feedback);
    AddEntry(about, "MenuAbout", QStringLiteral("&About"), Qt::CTRL | Qt::Key_A, c.about);
    return angle;
}

}  // namespace orvane::ui
