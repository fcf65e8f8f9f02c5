#pragma once

#include "calcul/ajustement.h"

#include <array>
#include <string_view>

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

// Every word and the colour of one kind of fit.
struct DescriptionNature {
    Nature nature;
    std::string_view mot;     // vestrel-fit: "jeu"
    std::string_view phrase;  // drawing notation: "Ajustement … : avec jeu"
    std::string_view titre;   // the diagram: "Ajustement avec jeu"
    std::string_view colonne; // the finder's table: "Jeu"
    Couleur couleur;
};
inline constexpr std::array<DescriptionNature, 3> Natures{{
    {Nature::Jeu, "jeu", "avec jeu", "Ajustement avec jeu", "Jeu", CouleurJeu},
    {Nature::Incertain, "incertain", "incertain", "Ajustement incertain", "Incertain", CouleurIncertain},
    {Nature::Serrage, "serrage", "avec serrage", "Ajustement avec serrage", "Serrage", CouleurSerrage},
}};

constexpr const DescriptionNature &description(Nature n) { return Natures[static_cast<std::size_t>(n)]; }
constexpr Couleur couleurNature(Nature n) { return description(n).couleur; }

static_assert([] {
    for (std::size_t i = 0; i < Natures.size(); ++i)
        if (static_cast<std::size_t>(Natures[i].nature) != i)
            return false;
    return true;
}(), "Natures is indexed by Nature");

} // namespace vestrel
