#pragma once

namespace vestrel {

// Drawing sizes hold at this temperature (ISO 1).
inline constexpr double TemperatureReference_C = 20;

// press-fit.md §6: ΔS = D · [α_h (ϑ_h − 20) − α_s (ϑ_s − 20)], the change of
// both clearances (mm) when the bore part is at ϑ_h and the shaft at ϑ_s.
inline double variationJeuThermique_mm(double D_mm, double alpha_alesage, double temp_alesage_C, double alpha_arbre,
                                       double temp_arbre_C)
{
    return D_mm * (alpha_alesage * (temp_alesage_C - TemperatureReference_C) -
                   alpha_arbre * (temp_arbre_C - TemperatureReference_C));
}

} // namespace vestrel
