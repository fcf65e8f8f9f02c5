#include "ui/polices.h"

#include "ui/apropos.h"
#include "ui/twips.h"

#include <QDate>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLocale>
#include <QTime>
#include <QWidget>

#include <cmath>
#include <vector>

namespace vestrel::polices {

namespace {

constexpr qreal PointsComic = 9.6;

// The Comic faces the windows were laid out for.
const QStringList FacesComic{QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")};
// Where none is installed, in order of preference; the first that fits at
// the largest size wins.
const QStringList Remplacantes{QStringLiteral("DejaVu Sans Condensed"),
                               QStringLiteral("DejaVu Sans"),
                               QStringLiteral("Liberation Sans"),
                               QStringLiteral("Noto Sans"),
                               QStringLiteral("FreeSans")};

// The texts drawn in bold Comic that have the least room, with the width
// their box leaves them (twips): menu titles and items, the version of the
// about box, the widest classes in "Barre outil" and on the toolbar cells.
struct Place {
    const char *texte;
    int largeur;
};
constexpr Place PlacesEtroites[] = {
    {"Fichier", 680},      {"Selection", 850}, {"?", 100},     {"Quitter", 750},
    {"A Propos", 960},     {" Popup", 900},    {" Libre", 900}, {" Barre outil", 1110},
    {VESTREL_VERSION, 285},          {"ZC11", 495},      {"JS18", 495},   {"E11*", 495},
    {"zc11", 500},         {"e12*", 500},      {"ZC", 350},     {"JS", 350},
    {"zc", 350},           {"js", 350},        {"18", 350},
};
// The date and the clock of the about box: what their boxes show of them.
constexpr int LargeurDate = 1100;
constexpr int LargeurHeure = 870;

std::vector<std::pair<QString, int>> placesEtroites()
{
    std::vector<std::pair<QString, int>> places;
    for (const Place &p : PlacesEtroites)
        places.emplace_back(QString::fromUtf8(p.texte), twips(p.largeur));
    // Two-digit days, months and hours: the widest the locale writes.
    const QLocale locale;
    places.emplace_back(locale.toString(QDate(2000, 12, 28), QLocale::ShortFormat),
                        twips(LargeurDate));
    places.emplace_back(locale.toString(QTime(23, 58, 58), BoiteApropos::formatHeure(locale)),
                        twips(LargeurHeure));
    return places;
}

bool toutTient(const QFont &police, const std::vector<std::pair<QString, int>> &places)
{
    const QFontMetricsF mesure(police);
    for (const auto &[texte, largeur] : places) {
        if (std::ceil(mesure.horizontalAdvance(texte)) > largeur)
            return false;
    }
    return true;
}

QFont police(const QStringList &familles, qreal points, bool gras)
{
    QFont f;
    f.setFamilies(familles);
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}

const Remplacement &remplacementInstalle()
{
    static const Remplacement r = remplacementComic(QFontDatabase::families());
    return r;
}

} // namespace

Remplacement remplacementComic(const QStringList &familles)
{
    for (const QString &f : FacesComic) {
        if (familles.contains(f, Qt::CaseInsensitive))
            return {f, 1};
    }
    QStringList candidates;
    for (const QString &f : Remplacantes) {
        if (familles.contains(f, Qt::CaseInsensitive))
            candidates.append(f);
    }
    // With none of them, whatever face the system gives a plain font.
    if (candidates.isEmpty())
        candidates.append(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());

    const auto places = placesEtroites();
    constexpr qreal Plancher = 6.0;
    constexpr qreal Pas = 0.2;
    Remplacement meilleur{candidates.first(), Plancher / PointsComic};
    qreal meilleurePoints = 0;
    for (const QString &f : std::as_const(candidates)) {
        for (qreal points = PointsComic; points >= Plancher; points -= Pas) {
            if (points <= meilleurePoints)
                break;
            if (toutTient(police({f}, points, true), places)) {
                meilleur = {f, points / PointsComic};
                meilleurePoints = points;
                break;
            }
        }
    }
    return meilleur;
}

void donner(QWidget *controle, const QFont &police)
{
    if (controle->font() != police)
        controle->setFont(police);
}

QFont comic(qreal points, bool gras)
{
    const Remplacement &r = remplacementInstalle();
    return police({r.famille, QStringLiteral("DejaVu Sans")}, points * r.echelle, gras);
}

QFont sans()
{
    return police({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")}, 7.8, true);
}

QFont symbole()
{
    return police({QStringLiteral("DejaVu Sans")}, 9.6, true);
}

} // namespace vestrel::polices
