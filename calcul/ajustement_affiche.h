#pragma once

#include "calcul/ajustement.h"
#include "tables/cote.h"
#include "tables/ecarts.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vestrel {

// One side of the fit as the main window shows it: its class (empty in the
// free calculator, or when none is chosen) and its deviations in mm, present
// only when the window shows numbers for that side.
struct CoteAffichee {
    std::string classe;
    std::optional<PaireEcarts> ecarts;

    friend bool operator==(const CoteAffichee &, const CoteAffichee &) = default;
};

// The fit the main window shows, in whichever method: from the tables (a
// nominal diameter and two sides), or from the free calculator (a size and
// two typed deviations per side).
struct AjustementAffiche {
    bool libre = false;
    double diametre = 0;      // nominal diameter; in "Libre" the bore size Dia1
    double diametreArbre = 0; // the shaft size Dia2 in "Libre", else the nominal
    std::array<CoteAffichee, 2> cotes;

    const CoteAffichee &cote(Cote c) const { return cotes[static_cast<int>(c)]; }
    // The size a side's deviations are measured from.
    double taille(Cote c) const { return c == Cote::Alesage ? diametre : diametreArbre; }

    friend bool operator==(const AjustementAffiche &, const AjustementAffiche &) = default;
};

// A fit from the tables with what the window shows for each side: a side
// whose labels are empty is given without deviations.
AjustementAffiche ajustementTables(double d, std::string_view classeAlesage, std::optional<PaireEcarts> alesage,
                                   std::string_view classeArbre, std::optional<PaireEcarts> arbre);
// The same with both classes looked up at d.
AjustementAffiche ajustementClasses(double d, std::string_view classeAlesage, std::string_view classeArbre,
                                    Systeme systeme = Systeme::Defaut);
// The free calculator's six values (mm).
AjustementAffiche ajustementLibre(double dia1, double supAlesage, double infAlesage, double dia2, double supArbre,
                                  double infArbre);

// The free calculator while a box holds no number: no fit, hence no
// number in any output, and this line saying why.
inline constexpr std::string_view MessageLibreIncomplet = "Complétez la saisie libre";
constexpr bool libreIncomplet(const AjustementAffiche &a)
{
    return a.libre && !(a.cote(Cote::Alesage).ecarts && a.cote(Cote::Arbre).ecarts);
}

// A number text written by texteNombre or texteJeu ("." and "-") with the
// given decimal separator and the typographic minus U+2212.
std::string localiserTexte(std::string texte, std::string_view separateur);

} // namespace vestrel
