#pragma once

#include <QString>

class QLabel;

namespace vestrel {

// Shows a number text in a label without ever cutting it silently: whole at
// the label's own size and font when it fits; else the label grows to the
// right within its frame, up to the next control; else its font shrinks
// (down to about two thirds); only where even that is not enough does the
// text end with "…", the whole number then in the label's tooltip and
// accessible name. An empty text empties the label.
void montrerNombre(QLabel *etiquette, const QString &texte);

// The whole text a label was given by montrerNombre (its own text
// otherwise), for reading the number back.
QString nombreDe(const QLabel *etiquette);

} // namespace vestrel
