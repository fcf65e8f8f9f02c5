#include "app/disposition.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace vestrel {

namespace {

// The window and the results frame for each way of working (twips).
struct Disposition {
    Methode methode;
    int hauteurFenetre;
    int hautFrame2;
};
constexpr int LargeurFenetre = 5550;
constexpr Disposition Dispositions[NbMethodes] = {
    {Methode::Popup, 5650, 3100},
    {Methode::BarreOutil, 8950, 6400},
    {Methode::Libre, 5650, 3100},
};
static_assert(Dispositions[indexMethode(Methode::BarreOutil)].methode == Methode::BarreOutil
              && Dispositions[indexMethode(Methode::Libre)].methode == Methode::Libre);

const Disposition &disposition(Methode m) { return Dispositions[indexMethode(m)]; }

// Only "Barre outil" shows the toolbar, whose height moves what lies below.
int hausse(Methode methode, int hausseBarre) { return methode == Methode::BarreOutil ? hausseBarre : 0; }

} // namespace

void dimensionner(QWidget *fenetre, Methode methode, int hausseBarre)
{
    fenetre->setFixedSize(
        tailleTwips(LargeurFenetre, disposition(methode).hauteurFenetre + hausse(methode, hausseBarre)));
    const QScreen *ecran = fenetre->screen();
    if (!ecran || !fenetre->isVisible())
        return;
    const QRect cadre = fenetre->frameGeometry();
    const QPoint coin = placerDansEcran(cadre, ecran->availableGeometry());
    if (coin != cadre.topLeft())
        fenetre->move(fenetre->pos() + (coin - cadre.topLeft()));
}

int hautResultats(Methode methode, int hausseBarre)
{
    return twips(disposition(methode).hautFrame2 + hausse(methode, hausseBarre));
}

QPoint placerDansEcran(const QRect &cadre, const QRect &disponible)
{
    QPoint p = cadre.topLeft();
    if (cadre.bottom() > disponible.bottom())
        p.ry() -= cadre.bottom() - disponible.bottom();
    if (cadre.right() > disponible.right())
        p.rx() -= cadre.right() - disponible.right();
    p.setY(std::max(p.y(), disponible.top()));
    p.setX(std::max(p.x(), disponible.left()));
    return p;
}

} // namespace vestrel
