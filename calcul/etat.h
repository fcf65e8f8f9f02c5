#pragma once

#include "tables/cote.h"
#include "tables/ecarts.h"

#include <array>
#include <cstdint>
#include <string>

namespace vestrel {

// The fit state: the nominal diameter, the two chosen classes and their
// deviations (mm). The deviations are not cleared when a class is cleared.
struct EtatAjustement {
    double Dia_Nominal = 0;
    std::string Cl_Alesage;
    double Ec_Sup_Al = 0;
    double Ec_Inf_Al = 0;
    std::string Cl_Arbre;
    double Ec_Sup_Ar = 0;
    double Ec_Inf_Ar = 0;
    std::int16_t Methode_Selection = 0;
    // The catalogue the classes and the diameter belong to.
    Systeme systeme = Systeme::Defaut;
};

// A side's class and deviations in the state.
inline std::string &classeDe(EtatAjustement &etat, Cote cote)
{
    return cote == Cote::Alesage ? etat.Cl_Alesage : etat.Cl_Arbre;
}
inline const std::string &classeDe(const EtatAjustement &etat, Cote cote)
{
    return cote == Cote::Alesage ? etat.Cl_Alesage : etat.Cl_Arbre;
}
inline PaireEcarts ecartsDe(const EtatAjustement &etat, Cote cote)
{
    return cote == Cote::Alesage ? PaireEcarts{etat.Ec_Sup_Al, etat.Ec_Inf_Al}
                                 : PaireEcarts{etat.Ec_Sup_Ar, etat.Ec_Inf_Ar};
}

// Looks up the side's class at Dia_Nominal in the state's catalogue and writes its two deviations into
// the state. Returns whether an entry was found; when none is, nothing is
// written and the previous deviations stay.
bool ecrireEcarts(Cote cote, EtatAjustement &etat);

// Where each side's deviations were last looked up, so that they are shown
// only while they belong to the side's current class at the current
// diameter (the state keeps the deviations of a class cleared since).
class SuiviEcarts
{
public:
    // ecrireEcarts, remembering for which class and diameter it found them.
    bool chercher(Cote cote, EtatAjustement &etat);
    // Whether the side's deviations in the state are those of its class at
    // Dia_Nominal in the state's catalogue.
    bool aJour(Cote cote, const EtatAjustement &etat) const;

private:
    struct Recherche {
        bool trouve = false;
        std::string classe;
        double diametre = 0;
        Systeme systeme = Systeme::Defaut;
    };
    std::array<Recherche, 2> m_recherches;
};

} // namespace vestrel
