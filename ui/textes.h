#pragma once

#include "tables/classe.h"

#include <QString>

#include <string_view>

namespace vestrel {

// A UTF-8 text of the tables as a QString.
inline QString texte(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

// Number texts as the user reads them: the general number text and the
// clearance text, with the decimal separator of QLocale() (the default
// locale) and never a group separator.
QString texteNombreLocal(double v);
QString texteJeuLocal(double v);
// Reads a text written by the two functions above back as a number.
double lireNombreLocal(const QString &texte);
// Reads typed text: the leading number, "." as separator whatever the locale.
double lireSaisie(const QString &texte);

// The warning about a diameter outside a catalogue's range, its bounds in
// the number text above: "Le diamètre doit être supérieur" + `coupure` +
// "à 1 et inférieur ou égal à 500" (by default).
QString texteDiametreHorsPlage(Systeme systeme, const QString &coupure);

} // namespace vestrel
