#pragma once

#include "tables/cote.h"

#include <span>
#include <string_view>
#include <vector>

namespace vestrel {

// One of the commonly recommended fits: ten on the hole basis (bore H) and
// ten on the shaft basis (shaft h). H7/h6 belongs to both lists.
struct AjustementRecommande {
    std::string_view alesage;     // bore class text
    std::string_view arbre;       // shaft class text
    Cote base;                    // Alesage: hole basis; Arbre: shaft basis
    std::string_view description; // a shaft-basis fit has the words of its hole-basis twin
};

inline constexpr int NbRecommandes = 20;

// The hole-basis fits, coarsest first, then their shaft-basis twins in the
// same order.
std::span<const AjustementRecommande> ajustementsRecommandes();

// Position in ajustementsRecommandes() of the fit of bore class `alesage` and
// shaft class `arbre` (catalogue indexes), the hole-basis entry for H7/h6;
// -1 when the pair is no recommended fit.
int indexRecommande(int alesage, int arbre);

// Whether bore class `alesage` (catalogue index) is the bore of some
// recommended fit.
bool alesageRecommande(int alesage);

// Positions of the recommended fits offered at d: both classes are in the
// lists at d. None outside 1 < D <= 500.
std::vector<int> recommandesOfferts(double d);

} // namespace vestrel
