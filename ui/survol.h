#pragma once

#include <QList>
#include <QPoint>

class QWidget;

namespace vestrel {

class Cellule;

// A row of toolbar cells, reached by index.
using Rangee = QList<Cellule *>;

// Whether the pointer at globalPos is over the control itself: the widget
// under that point is the control, not a child of it or a window covering it.
bool Souris_Sur(const QWidget *controle, const QPoint &globalPos);
// The same at the pointer's current position.
bool Souris_Sur(const QWidget *controle);

// Cell `indice` of the row gets a single border and the selection colour; its
// 3D appearance is left as it is (the preselected look).
void Surligner(const Rangee &rangee, int indice);
// Cells 0..dernierIndice get the plain look; a negative index resets nothing.
void Effacer_Rangee(const Rangee &rangee, int dernierIndice);
// Resets cells 0..dernierIndice, then gives cell `indiceChoisi` the selected
// look: single border, 3D, selection colour.
void Choisir_Element(const Rangee &rangee, int dernierIndice, int indiceChoisi);

} // namespace vestrel
