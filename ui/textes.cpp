#include "ui/textes.h"

#include "tables/nombres.h"

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
    return lireNombre(s.toStdString());
}

double lireSaisie(const QString &texte)
{
    return lireNombre(texte.toStdString());
}

} // namespace vestrel
