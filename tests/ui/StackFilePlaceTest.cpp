// Where the window keeps its stack file: decided only when Save or Load needs it, the same for
// both, in a folder whose name is not ASCII.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QTemporaryDir>

#include "ui/MainWindow.h"

namespace orvane::ui {
namespace {

// Every file and folder under `dir`, sorted.
std::string Everything(const QString& dir) {
    QStringList all;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) all << QDir(dir).relativeFilePath(it.next());
    all.sort();
    return all.join(u' ').toStdString();
}

TEST(StackFilePlace, NothingOnDiskUntilSaveAndLoadReadsWhereSaveWrote) {
    const QString program = QStringLiteral("Zürich-数"), data = QStringLiteral("data");
    for (const bool programCanWrite : {true, false}) {  // false: the folder is not there
        QTemporaryDir root;
        if (programCanWrite) QDir(root.path()).mkdir(program);
        MainWindow window(StackFilePlace(root.filePath(program), root.filePath(data)));
        window.setNoticeShower([](const Notice&) {});
        window.loadStack();
        EXPECT_EQ(Everything(root.path()), (programCanWrite ? program : QString()).toStdString());
        window.pressKey(7);
        window.pressKey(14);  // Enter
        window.saveStack();
        window.clearStack();
        window.loadStack();
        EXPECT_EQ(window.engine().values(), std::vector<std::string>{"7"});
        const QString where = programCanWrite ? program : data;
        EXPECT_EQ(Everything(root.path()), (where + u' ' + where + "/StackTemp.stp").toStdString());
    }
}

}  // namespace
}  // namespace orvane::ui
