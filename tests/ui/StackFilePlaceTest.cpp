#include "ui/StackFilePlace.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "ui/Platform.h"

namespace orvane::ui {
namespace {

// Nothing is created before the first Save, and Load reads where Save writes.
TEST(StackFilePlace, BesideTheProgramOrInAppDataTheSameForSaveAndLoad) {
    for (const bool programCanWrite : {true, false}) {  // false: the program's folder is missing
        QTemporaryDir root;
        const QString program = root.filePath(QStringLiteral("Zürich-数")),
                      data = root.filePath("d");
        if (programCanWrite) QDir().mkdir(program);
        StackFilePlace place(program, data);
        const auto load = place.forLoad();
        EXPECT_EQ(
            QDir(root.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
            programCanWrite ? QStringList{QStringLiteral("Zürich-数")} : QStringList{});
        EXPECT_EQ(place.forSave(), load);
        EXPECT_EQ(load, FileSystemPath((programCanWrite ? program : data) + "/StackTemp.stp"));
        EXPECT_NE(QDir(data).exists(), programCanWrite);
    }
}

}  // namespace
}  // namespace orvane::ui
