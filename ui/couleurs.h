#pragma once

#include "rendu/couleur.h"

#include <QColor>

namespace vestrel::couleurs {

// The five colours of the program's own feedback.
inline const QColor Blanc{255, 255, 255};
inline const QColor Selection{181, 190, 214};
inline const QColor Survol{231, 227, 239};
inline const QColor Gris{224, 224, 224};
inline const QColor Contour{8, 32, 107};

inline QColor qt(Couleur c) { return QColor(c.r, c.g, c.b); }

// Fit colours of the clearance labels, those of the diagram.
inline const QColor Serrage = qt(CouleurSerrage);
inline const QColor Jeu = qt(CouleurJeu);
inline const QColor Incertain = qt(CouleurIncertain);
inline QColor deNature(Nature n) { return qt(couleurNature(n)); }

// Background of a class list whose typed text matches no class.
inline const QColor SaisieInconnue{255, 0, 0};

} // namespace vestrel::couleurs
