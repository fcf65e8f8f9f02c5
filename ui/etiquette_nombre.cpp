#include "ui/etiquette_nombre.h"

#include <QFontMetricsF>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace vestrel {

namespace {

// What the label was before any text had to be fitted.
constexpr const char *PoliceBase = "vestrel_police_base";
constexpr const char *LargeurBase = "vestrel_largeur_base";
constexpr const char *TexteEntier = "vestrel_texte_entier";
constexpr qreal PlusPetiteTaille = 0.65;
constexpr int Marge = 3;

qreal largeurTexte(const QFont &police, const QString &texte)
{
    return QFontMetricsF(police).horizontalAdvance(texte);
}

// The widest the label may become: up to its frame's inner edge, never
// over a control standing to its right at its height.
int largeurPossible(const QLabel *e)
{
    const QWidget *cadre = e->parentWidget();
    if (!cadre)
        return e->width();
    const QRect g = e->geometry();
    int droite = cadre->contentsRect().right() - Marge;
    for (const QObject *o : cadre->children()) {
        const auto *voisin = qobject_cast<const QWidget *>(o);
        if (!voisin || voisin == e || voisin->isWindow())
            continue;
        const QRect v = voisin->geometry();
        if (v.left() > g.left() && v.top() < g.bottom() && v.bottom() > g.top())
            droite = std::min(droite, v.left() - Marge);
    }
    return std::max(g.width(), droite - g.left() + 1);
}

} // namespace

void montrerNombre(QLabel *e, const QString &texte)
{
    if (!e->property(PoliceBase).isValid()) {
        e->setProperty(PoliceBase, e->font());
        e->setProperty(LargeurBase, e->width());
    }
    QFont police = e->property(PoliceBase).value<QFont>();
    const int base = e->property(LargeurBase).toInt();
    const int bords = e->width() - e->contentsRect().width();
    int largeur = base;
    const auto tient = [&] { return largeurTexte(police, texte) <= largeur - bords; };
    if (!tient())
        largeur = std::clamp(int(std::ceil(largeurTexte(police, texte))) + bords, base, largeurPossible(e));
    if (!tient() && police.pointSizeF() > 0) {
        const qreal plusPetite = police.pointSizeF() * PlusPetiteTaille;
        while (!tient() && police.pointSizeF() - 0.25 >= plusPetite)
            police.setPointSizeF(police.pointSizeF() - 0.25);
    }
    if (e->width() != largeur)
        e->resize(largeur, e->height());
    if (e->font() != police)
        e->setFont(police);

    QString montre = texte;
    if (!tient())
        montre = QFontMetrics(police).elidedText(texte, Qt::ElideRight, largeur - bords);
    const QString entier = montre == texte ? QString() : texte;
    e->setProperty(TexteEntier, texte);
    e->setText(montre);
    e->setToolTip(entier);
    e->setAccessibleName(entier);
}

QString nombreDe(const QLabel *e)
{
    const QVariant entier = e->property(TexteEntier);
    return entier.isValid() ? entier.toString() : e->text();
}

} // namespace vestrel
