#include "ui/Fonts.h"

#include <algorithm>

namespace orvane::ui {

QFont WindowFace(qreal points, bool bold) {
    QFont f;
    f.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont FittingFont(QFont font, const QStringList& texts, QSize box) {
    const auto fits = [&] {
        const QFontMetrics metrics(font);
        return metrics.height() <= box.height() &&
               std::all_of(texts.begin(), texts.end(), [&](const QString& t) {
                   return metrics.horizontalAdvance(t) <= box.width();
               });
    };
    while (!fits() && font.pointSizeF() > 4) font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

QString WidestDigits(const QFontMetrics& metrics, QString pattern) {
    QChar widest = u'0';
    for (char16_t d = u'1'; d <= u'9'; ++d) {
        if (metrics.horizontalAdvance(QChar(d)) > metrics.horizontalAdvance(widest)) widest = d;
    }
    return pattern.replace(u'8', widest);
}

QString ElideKeepingSign(const QString& text, const QFontMetrics& metrics, int width) {
    if (!text.startsWith(u'-')) return metrics.elidedText(text, Qt::ElideLeft, width);
    if (metrics.horizontalAdvance(text) <= width) return text;
    return u'-' +
           metrics.elidedText(text.mid(1), Qt::ElideLeft, width - metrics.horizontalAdvance(u'-'));
}

}  // namespace orvane::ui
