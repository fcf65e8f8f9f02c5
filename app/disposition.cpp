#include "app/disposition.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace vestrel {

namespace {

// The window and the results frame for each way of working (twips).
struct Disposition {
    int hauteurFenetre;
    int hautFrame2;
};
constexpr int LargeurFenetre = 5550;
constexpr Disposition Dispositions[] = {
    {5650, 3100}, // "Popup"
    {8950, 6400}, // "Barre outil"
    {5650, 3100}, // "Libre"
};

// Only "Barre outil" shows the toolbar, whose height moves what lies below.
int hausse(int methode, int hausseBarre) { return methode == 1 ? hausseBarre : 0; }

} // namespace

void dimensionner(QWidget *fenetre, int methode, int hausseBarre)
{
    fenetre->setFixedSize(
        tailleTwips(LargeurFenetre, Dispositions[methode].hauteurFenetre + hausse(methode, hausseBarre)));
    const QScreen *ecran = fenetre->screen();
    if (!ecran || !fenetre->isVisible())
        return;
    const QRect cadre = fenetre->frameGeometry();
    const QPoint coin = placerDansEcran(cadre, ecran->availableGeometry());
    if (coin != cadre.topLeft())
        fenetre->move(fenetre->pos() + (coin - cadre.topLeft()));
}

int hautResultats(int methode, int hausseBarre)
{
    return twips(Dispositions[methode].hautFrame2 + hausse(methode, hausseBarre));
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
