#pragma once

namespace vestrel {

// Drawing sizes hold at 20 °C (ISO 1).
inline constexpr double TemperatureReference_C = 20;

// Change of the clearance of a fit of diameter D when the bore part is at
// temp_alesage_C and the shaft at temp_arbre_C (α in 1/K): positive when the
// clearance grows, so an interference shrinks by the same amount. Added to
// both clearances (press-fit.md §6).
inline double variationJeuThermique_mm(double D_mm, double alpha_alesage, double temp_alesage_C, double alpha_arbre,
                                       double temp_arbre_C)
{
    return D_mm * (alpha_alesage * (temp_alesage_C - TemperatureReference_C) -
                   alpha_arbre * (temp_arbre_C - TemperatureReference_C));
}

} // namespace vestrel
