#pragma once

#include <QFont>
#include <QStringList>

class QWidget;

namespace vestrel::polices {

// "Comic Sans MS" falls back to "Comic Neue", "MS Sans Serif" to a plain sans
// serif; the diameter sign is drawn with the Unicode character.
QFont comic(qreal points = 9.6, bool gras = true);
QFont sans();
QFont symbole();

// Gives a control its font. A control that already has it from its frame
// keeps it inherited: setting it again would only send it a font change to
// handle for nothing, which dozens of controls pay at start-up.
void donner(QWidget *controle, const QFont &police);

inline const QString SigneDiametre = QStringLiteral("\u2205");

// What stands in for the Comic font: a Comic face at its own size when one
// is installed; otherwise, of the sans serif faces installed, the one that
// keeps the largest size while the narrowest texts of the windows still fit
// their boxes, and the factor that takes 9.6 pt to that size.
struct Remplacement {
    QString famille;
    qreal echelle = 1;
};
Remplacement remplacementComic(const QStringList &familles);

} // namespace vestrel::polices
