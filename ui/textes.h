#pragma once

#include <QString>

namespace vestrel {

// Number texts as the user reads them: the general number text and the
// clearance text, with the decimal separator of QLocale() (the default
// locale) and never a group separator.
QString texteNombreLocal(double v);
QString texteJeuLocal(double v);
// Reads a text written by the two functions above back as a number.
double lireNombreLocal(const QString &texte);
// Reads typed text: the leading number, "." as separator whatever the locale.
double lireSaisie(const QString &texte);

} // namespace vestrel
