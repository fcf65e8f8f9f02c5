#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace vestrel {

// A material of the built-in table: typical values for a first calculation,
// every one of which the user may change before computing. Units in the
// names: moduli and strengths in MPa, expansion in 1/K, density in kg/m³.
struct Materiau {
    std::string_view cle;  // what vestrel-fit takes: "acier", "alu-6082"…
    std::string_view nom;  // what the windows show, in French
    double E_MPa;          // Young's modulus
    double nu;             // Poisson's ratio
    double Re_MPa;         // yield strength (Rp0,2 where there is no marked yield)
    double alpha_chauffe_par_K;     // mean expansion, 20 °C up to joining temperatures
    double alpha_refroidi_par_K;    // mean expansion, 20 °C down to about −190 °C (smaller)
    double rho_kg_m3;      // density
    std::string_view source; // where the values come from
};

// Every material of the table, structural steel first (the default of both
// parts).
std::span<const Materiau> materiaux();

// The material of that key, or none.
std::optional<Materiau> materiau(std::string_view cle);

// Structural steel: the default hub, shaft, bore part and shaft part.
const Materiau &acierParDefaut();

} // namespace vestrel
