#pragma once

#include <QFont>

namespace vestrel::polices {

// "Comic Sans MS" falls back to "Comic Neue", "MS Sans Serif" to a plain sans
// serif; the diameter sign is drawn with the Unicode character.
QFont comic(qreal points = 9.6, bool gras = true);
QFont sans();
QFont symbole();

inline const QString SigneDiametre = QStringLiteral("\u2205");

} // namespace vestrel::polices
