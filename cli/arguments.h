#pragma once

#include "calcul/ajustement.h"

#include <string>
#include <string_view>

namespace vestrel {

// Bad input to vestrel-fit: its one line of diagnostic.
struct MauvaiseEntree {
    std::string message;
};

// Arguments come from anywhere: quote them back with every byte that is not
// printable ASCII escaped, so the diagnostic stays one clean line.
std::string cite(std::string_view texte);

enum class Lecture { Nombre, Malforme, HorsLimites };

// A whole plain decimal number: an optional "-", digits with at most one
// "." or "," as separator ("12,5" is 12.5, as in the window).
Lecture lireDecimal(std::string_view texte, double &v);

// The kind of fit as the command writes it: "jeu", "incertain", "serrage".
std::string_view motNature(Nature n);

} // namespace vestrel
