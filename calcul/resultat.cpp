#include "calcul/resultat.h"

#include "calcul/nombres.h"

namespace vestrel {

namespace {

ResultatCote resultatCote(const AjustementAffiche &a, Cote c)
{
    ResultatCote r;
    const auto &e = a.cote(c).ecarts;
    if (!e)
        return r;
    const double d = a.taille(c);
    if (a.libre) {
        r.ecartsInverses = e->sup < e->inf;
        if (!r.ecartsInverses)
            r.tailles = Tailles{d + e->sup, e->inf + d};
        return r;
    }
    r.tailles = Tailles{arrondi15(d + e->sup), arrondi15(d + e->inf)};
    return r;
}

} // namespace

ResultatAjustement::ResultatAjustement(const AjustementAffiche &a)
    : ajustement(a)
{
    for (const Cote c : {Cote::Alesage, Cote::Arbre})
        cotes[static_cast<int>(c)] = resultatCote(a, c);
    const auto &al = tailles(Cote::Alesage);
    const auto &ar = tailles(Cote::Arbre);
    if (al && ar)
        jeux = calculerJeux(al->max, al->min, ar->max, ar->min);
}

} // namespace vestrel
