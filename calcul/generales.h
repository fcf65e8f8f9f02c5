#pragma once

#include "tables/generales.h"

#include <array>
#include <optional>

namespace vestrel {

// The general tolerance of one class at one size, as every printer shows
// it: the deviation, or none where ISO 2768-1 defines none; for a length
// (linear dimension, broken edge) the deviation in mm and the limit sizes;
// for an angle the deviation in degrees and minutes.
struct ToleranceGenerale {
    ClasseGenerale classe = ClasseGenerale::m;
    std::optional<EcartGeneral> ecart;
    double ecart_mm = 0;
    double mini_mm = 0; // size - deviation
    double maxi_mm = 0; // size + deviation
    int degres = 0;     // the angle's deviation, whole degrees...
    int minutes = 0;    // ...and the minutes left over
    double ecart_degres = 0;

    bool definie() const { return ecart.has_value(); }
};

ToleranceGenerale toleranceGenerale(GenreGeneral genre, ClasseGenerale classe, double taille_mm);

// The four classes, finest first.
std::array<ToleranceGenerale, 4> tolerancesGenerales(GenreGeneral genre, double taille_mm);

} // namespace vestrel
