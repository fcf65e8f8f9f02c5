#pragma once

#include <QColor>

namespace vestrel::couleurs {

// The five colours of the program's own feedback.
inline const QColor Blanc{255, 255, 255};
inline const QColor Selection{181, 190, 214};
inline const QColor Survol{231, 227, 239};
inline const QColor Gris{224, 224, 224};
inline const QColor Contour{8, 32, 107};

// Fit colours of the clearance labels.
inline const QColor Serrage{255, 0, 0};
inline const QColor Jeu{0, 0, 255};
inline const QColor Incertain{0, 0, 0};

// Background of a class list whose typed text matches no class.
inline const QColor SaisieInconnue{255, 0, 0};

} // namespace vestrel::couleurs
