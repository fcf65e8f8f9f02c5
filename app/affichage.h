#pragma once

#include "tables/ajustement.h"
#include "tables/cote.h"
#include "tables/ecarts.h"

#include <QString>

#include <array>
#include <optional>

namespace vestrel {

// What the results of the main window show for one side.
struct CoteAffiche {
    // Whether the side's limit sizes are shown; every field below is
    // meaningful only then.
    bool montre = false;
    // Its class; empty for the sizes of the free calculator.
    QString classe;
    // The nominal size and the deviations the sizes come from: Dia_Nominal
    // and the class's deviations, or the size and deviations typed in the
    // free calculator.
    double nominal = 0;
    PaireEcarts ecarts;
    // The maximum and minimum size as shown.
    double max = 0;
    double min = 0;

    friend bool operator==(const CoteAffiche &, const CoteAffiche &) = default;
};

// What the main window shows as results: the method, the number read from
// the diameter box, each side, and the clearances once both sides are shown.
struct Affichage {
    int methode = 0; // 0 "Popup", 1 "Barre outil", 2 "Libre"
    double diametre = 0;
    std::array<CoteAffiche, 2> cotes;
    std::optional<Jeux> jeux;

    const CoteAffiche &cote(Cote c) const { return cotes[static_cast<int>(c)]; }
    friend bool operator==(const Affichage &, const Affichage &) = default;
};

} // namespace vestrel
