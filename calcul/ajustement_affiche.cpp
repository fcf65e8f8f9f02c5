#include "calcul/ajustement_affiche.h"

namespace vestrel {

AjustementAffiche ajustementTables(double d, std::string_view classeAlesage, std::optional<PaireEcarts> alesage,
                                   std::string_view classeArbre, std::optional<PaireEcarts> arbre)
{
    AjustementAffiche a;
    a.diametre = d;
    a.diametreArbre = d;
    // Numbers belong to a class: a side without one shows none.
    a.cotes[0] = {std::string(classeAlesage), classeAlesage.empty() ? std::nullopt : alesage};
    a.cotes[1] = {std::string(classeArbre), classeArbre.empty() ? std::nullopt : arbre};
    return a;
}

AjustementAffiche ajustementClasses(double d, std::string_view classeAlesage, std::string_view classeArbre,
                                    Systeme systeme)
{
    return ajustementTables(d, classeAlesage, chercherEcarts(Cote::Alesage, classeAlesage, d, systeme), classeArbre,
                            chercherEcarts(Cote::Arbre, classeArbre, d, systeme));
}

AjustementAffiche ajustementLibre(double dia1, double supAlesage, double infAlesage, double dia2, double supArbre,
                                  double infArbre)
{
    AjustementAffiche a;
    a.libre = true;
    a.diametre = dia1;
    a.diametreArbre = dia2;
    a.cotes[0].ecarts = vestrel::PaireEcarts{supAlesage, infAlesage};
    a.cotes[1].ecarts = vestrel::PaireEcarts{supArbre, infArbre};
    return a;
}

std::string localiserTexte(std::string texte, std::string_view separateur)
{
    std::string r;
    r.reserve(texte.size() + 4);
    for (char c : texte) {
        if (c == '.')
            r += separateur;
        else if (c == '-')
            r += "\u2212";
        else
            r += c;
    }
    return r;
}

} // namespace vestrel
