// The window's faces, and fonts shrunk until a text fits its place: the layout is fixed, the face
// and size the desktop gives are not, and a text must never lose a sign or a digit to a clip.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QSize>
#include <QStringList>

namespace orvane::ui {

// The face the layout was drawn for, Arial, by its Windows name and its metric twins elsewhere.
QFont WindowFace(qreal points, bool bold);

// The font, shrunk a quarter point at a time until every text fits the box's width and a line
// the box's height.
QFont FittingFont(QFont font, const QStringList& texts, QSize box);

// The widest text of digits a number can show in this font: `pattern` with each '8' replaced by
// the font's widest digit.
QString WidestDigits(const QFontMetrics& metrics, QString pattern);

// The text whole when it fits, or else its leading minus sign, an ellipsis and as much of its
// end as fits: the sign and the last digits say most about a number.
QString ElideKeepingSign(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace orvane::ui
