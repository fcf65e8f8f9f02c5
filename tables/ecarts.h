#pragma once

#include "tables/classe.h"
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
    std::int16_t sousEtape; // 0..24
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

// Deviations of class `classe` of a catalogue at diameter d, or nothing when
// the class has no entry there (unknown text, range without an entry, d
// outside the catalogue's range: 1 < D <= 500, or 0 < D <= 3150 for the
// whole system).
std::optional<PaireEcarts> chercherEcarts(Cote cote, std::string_view classe, double d,
                                          Systeme systeme = Systeme::Defaut);

// The grades of letter code `lettre` (index in lettres(cote, systeme)) that
// have an entry in sub-step s of the catalogue (sousEtape(d) by default,
// sousEtapeComplete(d) for the whole system), one bit per grade (bitGrade).
std::uint32_t gradesDefinis(Cote cote, int lettre, int sousEtape, Systeme systeme = Systeme::Defaut);

} // namespace vestrel
