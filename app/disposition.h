#pragma once

#include "calcul/etat.h"
#include "ui/twips.h"

#include <QPoint>
#include <QRect>

class QWidget;

namespace vestrel {

// The main window's layout for each selection method ("Barre outil": the
// toolbar stands between Popup and Frame2, the window is taller).

// Gives the window the size of the method, the toolbar `hausseBarre` twips
// taller than the default catalogue's in "Barre outil". A visible window
// that grows is moved, up and left, to stay wholly on its screen.
void dimensionner(QWidget *fenetre, Methode methode, int hausseBarre = 0);
// Top of Frame2 for the method, in pixels.
int hautResultats(Methode methode, int hausseBarre = 0);
// Top of the toolbar, in pixels.
inline constexpr int HautBarre = twips(3100);

// Where a window frame must go to lie wholly inside the available part of
// its screen: moved up and left as needed, never above or left of it.
QPoint placerDansEcran(const QRect &cadre, const QRect &disponible);

} // namespace vestrel
