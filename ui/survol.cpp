#include "ui/survol.h"

#include "ui/cellule.h"
#include "ui/couleurs.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

namespace vestrel {

bool Souris_Sur(const QWidget *controle, const QPoint &globalPos)
{
    return controle && QApplication::widgetAt(globalPos) == controle;
}

bool Souris_Sur(const QWidget *controle)
{
    return Souris_Sur(controle, QCursor::pos());
}

void Surligner(const Rangee &rangee, int indice)
{
    if (indice < 0 || indice >= rangee.size())
        return;
    Cellule *c = rangee[indice];
    c->setBorderStyle(1);
    c->setBackColor(couleurs::Selection);
}

void Effacer_Rangee(const Rangee &rangee, int dernierIndice)
{
    for (int i = 0; i <= dernierIndice && i < rangee.size(); ++i) {
        Cellule *c = rangee[i];
        c->setBorderStyle(0);
        c->setAppearance(0);
        c->setBackColor(couleurs::Blanc);
    }
}

void Choisir_Element(const Rangee &rangee, int dernierIndice, int indiceChoisi)
{
    Effacer_Rangee(rangee, dernierIndice);
    if (indiceChoisi < 0 || indiceChoisi >= rangee.size())
        return;
    Cellule *c = rangee[indiceChoisi];
    c->setBorderStyle(1);
    c->setAppearance(1);
    c->setBackColor(couleurs::Selection);
}

} // namespace vestrel
