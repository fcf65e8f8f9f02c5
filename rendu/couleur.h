#pragma once

#include "calcul/ajustement.h"

namespace vestrel {

// Colours of the program's texts and drawings, red in the first byte.
struct Couleur {
    unsigned char r = 0, g = 0, b = 0;
    friend bool operator==(const Couleur &, const Couleur &) = default;
};

// The kind of fit in the colour of the clearance labels, on the main
// window, in the search results and on the diagram.
inline constexpr Couleur CouleurJeu{0, 0, 255};
inline constexpr Couleur CouleurIncertain{0, 0, 0};
inline constexpr Couleur CouleurSerrage{255, 0, 0};

constexpr Couleur couleurNature(Nature n)
{
    switch (n) {
    case Nature::Jeu: return CouleurJeu;
    case Nature::Serrage: return CouleurSerrage;
    case Nature::Incertain: break;
    }
    return CouleurIncertain;
}

} // namespace vestrel
