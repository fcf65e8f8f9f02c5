#include "tables/etat.h"

namespace vestrel {

bool ecrireEcarts(Cote cote, EtatAjustement &etat)
{
    const bool alesage = cote == Cote::Alesage;
    const auto trouve = chercherEcarts(cote, classeDe(etat, cote), etat.Dia_Nominal);
    if (!trouve)
        return false;
    (alesage ? etat.Ec_Sup_Al : etat.Ec_Sup_Ar) = trouve->sup;
    (alesage ? etat.Ec_Inf_Al : etat.Ec_Inf_Ar) = trouve->inf;
    return true;
}

} // namespace vestrel
