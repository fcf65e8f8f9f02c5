#pragma once

#include "tables/cote.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vestrel {

// Limit deviations in mm: upper (ES/es) and lower (EI/ei).
struct PaireEcarts {
    double sup = 0;
    double inf = 0;

    friend bool operator==(const PaireEcarts &, const PaireEcarts &) = default;
};

// One (class, sub-step) entry of a deviation table. Values are held in half
// micrometres so that the JS/js half tolerances stay exact.
struct CelluleEcart {
    std::int16_t classe;    // index in catalogue(cote)
    std::int8_t sousEtape;  // 0..24
    std::int32_t sup2;      // upper deviation, half micrometres
    std::int32_t inf2;      // lower deviation, half micrometres
};

// Every entry of a side's table, in catalogue order, then by sub-step:
// 2586 bore cells, 2633 shaft cells.
std::span<const CelluleEcart> cellules(Cote cote);

// Millimetre value of a half-micrometre count, as the double nearest the
// decimal value (295 um -> 0.295, 12.5 um -> 0.0125).
constexpr double enMillimetres(std::int32_t demiMicrons) { return demiMicrons / 2000.0; }

// The cell of catalogue class `classe` in sub-step `sousEtape`, or null when
// the class has no entry there.
const CelluleEcart *celluleEcart(Cote cote, int classe, int sousEtape);

// Deviations of class `classe` at diameter d, or nothing when the class has
// no entry there (unknown text, range without an entry, d outside 1..500).
std::optional<PaireEcarts> chercherEcarts(Cote cote, std::string_view classe, double d);

} // namespace vestrel
