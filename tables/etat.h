#pragma once

#include "tables/cote.h"
#include "tables/ecarts.h"

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

// Looks up the side's class at Dia_Nominal and writes its two deviations into
// the state. Returns whether an entry was found; when none is, nothing is
// written and the previous deviations stay.
bool ecrireEcarts(Cote cote, EtatAjustement &etat);

} // namespace vestrel
