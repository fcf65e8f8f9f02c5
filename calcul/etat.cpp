#include "calcul/etat.h"

namespace vestrel {

bool ecrireEcarts(Cote cote, EtatAjustement &etat)
{
    const bool alesage = cote == Cote::Alesage;
    const auto trouve = chercherEcarts(cote, classeDe(etat, cote), etat.Dia_Nominal, etat.systeme);
    if (!trouve)
        return false;
    (alesage ? etat.Ec_Sup_Al : etat.Ec_Sup_Ar) = trouve->sup;
    (alesage ? etat.Ec_Inf_Al : etat.Ec_Inf_Ar) = trouve->inf;
    return true;
}

bool SuiviEcarts::chercher(Cote cote, EtatAjustement &etat)
{
    Recherche &r = m_recherches[static_cast<int>(cote)];
    r.trouve = ecrireEcarts(cote, etat);
    r.classe = classeDe(etat, cote);
    r.diametre = etat.Dia_Nominal;
    r.systeme = etat.systeme;
    return r.trouve;
}

bool SuiviEcarts::aJour(Cote cote, const EtatAjustement &etat) const
{
    const Recherche &r = m_recherches[static_cast<int>(cote)];
    const std::string &classe = classeDe(etat, cote);
    return r.trouve && !classe.empty() && r.classe == classe && r.diametre == etat.Dia_Nominal
           && r.systeme == etat.systeme;
}

} // namespace vestrel
