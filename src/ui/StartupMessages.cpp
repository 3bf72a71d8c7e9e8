#include "ui/StartupMessages.h"

#include <QByteArray>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace orvane::ui {
namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
    QString shown;  // as the handler before would print it
};

std::mutex heldMutex;
std::vector<HeldMessage> held;
QtMessageHandler previous = nullptr;

const char* OrNull(const QByteArray& bytes) { return bytes.isNull() ? nullptr : bytes.constData(); }

// A line that ends a sentence or opens a list needs no "; " after it.
bool EndsAClause(const QString& text) { return QStringLiteral(".:;!?").contains(text.back()); }

// The one line the user reads: each line of the messages trimmed, empty ones dropped.
QString CannotOpenWindowLine(const QStringList& messages) {
    QString line = QStringLiteral("orvane-calc: cannot open a window:");
    QString separator = QStringLiteral(" ");
    for (const QString& message : messages) {
        for (const QString& part : message.split(u'\n')) {
            const QString text = part.trimmed();
            if (text.isEmpty()) continue;
            line += separator + text;
            separator = EndsAClause(text) ? QStringLiteral(" ") : QStringLiteral("; ");
        }
    }
    return line;
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(heldMutex);
    const QString shown = qFormatLogMessage(type, context, text);
    if (type == QtFatalMsg) {
        QStringList all;
        for (const HeldMessage& m : held) all << m.shown;
        all << shown;
        std::fprintf(stderr, "%s\n", CannotOpenWindowLine(all).toLocal8Bit().constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    held.push_back(
        {type, context.file, context.function, context.category, context.line, text, shown});
}

}  // namespace

void HoldStartupMessages() { previous = qInstallMessageHandler(Hold); }

void ReleaseStartupMessages() {
    qInstallMessageHandler(previous);
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard lock(heldMutex);
        messages.swap(held);
    }
    for (const HeldMessage& m : messages) {
        const QMessageLogContext context(OrNull(m.file), m.line, OrNull(m.function),
                                         OrNull(m.category));
        if (previous) previous(m.type, context, m.text);
    }
}

}  // namespace orvane::ui
