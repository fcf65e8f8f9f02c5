#include "ui/textes.h"

#include "calcul/ajustement.h"
#include "calcul/nombres.h"

#include <QLocale>


namespace vestrel {

namespace {

QString localiser(const std::string &texte)
{
    QString s = QString::fromStdString(texte);
    const QString point = QLocale().decimalPoint();
    if (point != QLatin1String("."))
        s.replace(QLatin1Char('.'), point);
    const QString moins = QLocale().negativeSign();
    if (moins != QLatin1String("-"))
        s.replace(QLatin1Char('-'), moins);
    return s;
}

} // namespace

QString texteNombreLocal(double v)
{
    return localiser(texteNombre(v));
}

QString texteJeuLocal(double v)
{
    return localiser(texteJeu(v));
}

double lireNombreLocal(const QString &texte)
{
    QString s = texte;
    const QString point = QLocale().decimalPoint();
    if (point != QLatin1String("."))
        s.replace(point, QLatin1String("."));
    const QString moins = QLocale().negativeSign();
    if (moins != QLatin1String("-"))
        s.replace(moins, QLatin1String("-"));
    // Shown texts are read whole: typing is read only up to
    // LongueurNombreMax characters, but a typed 40-digit number can round up
    // to a 41-digit text, and sums of typed numbers grow longer still.
    return lireTexteNombre(s.toStdString());
}

double lireSaisie(const QString &texte)
{
    return lireNombre(texte.toStdString());
}

QString texteDiametreHorsPlage(Systeme systeme, const QString &coupure)
{
    const PlageDiametres p = plageDiametres(systeme);
    return QStringLiteral("Le diamètre doit être supérieur") + coupure
           + QStringLiteral("à %1 et inférieur ou égal à %2").arg(texteNombreLocal(p.min), texteNombreLocal(p.max));
}

} // namespace vestrel
