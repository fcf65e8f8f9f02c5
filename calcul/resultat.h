#pragma once

#include "calcul/ajustement.h"
#include "calcul/ajustement_affiche.h"
#include "tables/cote.h"

#include <array>
#include <optional>

namespace vestrel {

// A side's maximum and minimum size (mm), as shown.
struct Tailles {
    double max = 0;
    double min = 0;

    friend bool operator==(const Tailles &, const Tailles &) = default;
};

// What one side of the fit gives.
struct ResultatCote {
    // Its limit sizes, when the side has numbers: from the tables, the sizes
    // as shown (arrondi15 of D + deviation); in "Libre", the plain sums
    // of the typed values.
    std::optional<Tailles> tailles;
    // "Libre": the upper deviation typed lies below the lower one. The side
    // then gives no sizes, and the fit no clearances.
    bool ecartsInverses = false;

    friend bool operator==(const ResultatCote &, const ResultatCote &) = default;
};

// Everything the program computes for the fit shown, computed once: each
// side's sizes, the clearances and the kind of fit. The results frame, the
// clipboard, the diagram, the fit sheet and vestrel-fit all print this value,
// so they never disagree. Results of further computations on the same fit
// join it as members of their own, empty when not asked for.
struct ResultatAjustement {
    ResultatAjustement() = default;
    // The result of a fit. Not explicit: every printer takes a result, and
    // is handed a fit where the caller has no result at hand yet.
    ResultatAjustement(const AjustementAffiche &a);

    AjustementAffiche ajustement; // what was computed
    std::array<ResultatCote, 2> cotes;
    // The clearances and the kind of fit, once both sides have sizes:
    // calculerJeux on the four sizes above.
    std::optional<Jeux> jeux;

    const ResultatCote &cote(Cote c) const { return cotes[static_cast<int>(c)]; }
    const std::optional<Tailles> &tailles(Cote c) const { return cote(c).tailles; }

    friend bool operator==(const ResultatAjustement &, const ResultatAjustement &) = default;
};

} // namespace vestrel
