#include "tables/offerts.h"

#include "tables/catalogue.h"
#include "tables/ecarts.h"
#include "tables/etapes.h"

#include <span>

namespace vestrel {

namespace {

// js17 has deviations from 6 mm on, but the default shaft list offers it only
// above 10 mm; a lookup of js17 at 8 mm still finds its values.
struct NonOfferte {
    Cote cote;
    std::string_view classe;
    int sousEtape;
};
constexpr NonOfferte NonOffertes[] = {{Cote::Arbre, "js17", 2}};

} // namespace

bool estOfferte(Cote cote, int classe, int sousEtape)
{
    if (!celluleEcart(cote, classe, sousEtape))
        return false;
    for (const NonOfferte &n : NonOffertes)
        if (n.cote == cote && n.sousEtape == sousEtape && catalogue(cote)[classe] == n.classe)
            return false;
    return true;
}

int sousEtapeDe(double d, Systeme systeme)
{
    return systeme == Systeme::Complet ? sousEtapeComplete(d) : sousEtape(d);
}

std::optional<EcartsCentiemes> ecartsOfferts(Cote cote, int classe, int s, Systeme systeme)
{
    if (systeme == Systeme::Complet)
        return ecartsComplets(cote, classe, s);
    if (!estOfferte(cote, classe, s))
        return std::nullopt;
    // Half micrometres to hundredths.
    const CelluleEcart *e = celluleEcart(cote, classe, s);
    return EcartsCentiemes{50 * e->sup2, 50 * e->inf2};
}

std::vector<std::string_view> classesOffertes(Cote cote, double d, Systeme systeme)
{
    const auto tout = catalogue(cote, systeme);
    const int s = sousEtapeDe(d, systeme);
    if (s < 0)
        return {tout.begin(), tout.end()};
    std::vector<std::string_view> liste;
    liste.reserve(tout.size());
    for (std::size_t i = 0; i < tout.size(); ++i)
        if (ecartsOfferts(cote, static_cast<int>(i), s, systeme))
            liste.push_back(tout[i]);
    return liste;
}

std::optional<unsigned> gradesActifs(Cote cote, int lettre, double d, Systeme systeme)
{
    const int s = sousEtapeDe(d, systeme);
    if (s < 0 || lettre < 0 || lettre >= nbLettres(systeme))
        return std::nullopt;
    return gradesDefinis(cote, lettre, s, systeme);
}

unsigned gradesComposables(Cote cote, int lettre, double d, Systeme systeme)
{
    // The whole system enables exactly the grades it defines.
    if (systeme == Systeme::Complet)
        return gradesActifs(cote, lettre, d, systeme).value_or(0);
    const int s = sousEtape(d);
    if (s < 0)
        return 0;
    unsigned masque = gradesActifs(cote, lettre, d).value_or(0);
    for (int g = 0; g < 32; ++g) {
        if (!((masque >> g) & 1U))
            continue;
        const auto classe = indexClasse(cote, composerClasse(cote, lettre, g));
        if (!classe || !celluleEcart(cote, *classe, s))
            masque &= ~(1U << g);
    }
    return masque;
}

} // namespace vestrel
