#include "tables/recommandes.h"

#include "tables/classes.h"
#include "tables/etapes.h"
#include "tables/offerts.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vestrel {

namespace {

using detail::indexTexte;

// The preferred metric fits of the ISO system of limits and fits (ISO 286-1,
// as tabulated in ANSI B4.2), from the loosest clearance to the strongest
// interference.
struct Trou {
    std::string_view alesage, arbre, description;
};
constexpr Trou TrouNormal[] = {
    {"H11", "c11", "jeu libre large"},
    {"H9", "d9", "jeu libre"},
    {"H8", "f7", "tournant"},
    {"H7", "g6", "glissant"},
    {"H7", "h6", "glissant juste"},
    {"H7", "k6", "incertain, positionnement"},
    {"H7", "n6", "incertain serré"},
    {"H7", "p6", "serré léger"},
    {"H7", "s6", "serré"},
    {"H7", "u6", "serré fort"},
};

// The shaft-basis twins, in the order of their hole-basis fits.
struct Jumeau {
    std::string_view alesage, arbre;
};
constexpr Jumeau ArbreNormal[] = {
    {"C11", "h11"}, {"D9", "h9"}, {"F8", "h7"}, {"G7", "h6"}, {"H7", "h6"},
    {"K7", "h6"},   {"N7", "h6"}, {"P7", "h6"}, {"S7", "h6"}, {"U7", "h6"},
};
static_assert(std::size(TrouNormal) * 2 == NbRecommandes && std::size(ArbreNormal) * 2 == NbRecommandes);

constexpr std::array<AjustementRecommande, NbRecommandes> construire()
{
    std::array<AjustementRecommande, NbRecommandes> t{};
    for (std::size_t i = 0; i < std::size(TrouNormal); ++i) {
        t[i] = {TrouNormal[i].alesage, TrouNormal[i].arbre, Cote::Alesage, TrouNormal[i].description};
        t[i + std::size(TrouNormal)] = {ArbreNormal[i].alesage, ArbreNormal[i].arbre, Cote::Arbre,
                                        TrouNormal[i].description};
    }
    return t;
}
constexpr auto Recommandes = construire();

// Every class exists; a hole-basis fit has an H bore, a shaft-basis fit an h
// shaft, and each twin swaps the letters and keeps the grades: H8/f7 and
// F8/h7.
constexpr bool tableCoherente()
{
    using detail::decomposer;
    for (std::size_t i = 0; i < std::size(TrouNormal); ++i) {
        const AjustementRecommande &t = Recommandes[i];
        const AjustementRecommande &a = Recommandes[i + std::size(TrouNormal)];
        for (const AjustementRecommande *r : {&t, &a})
            if (indexTexte(Cote::Alesage, r->alesage) < 0 || indexTexte(Cote::Arbre, r->arbre) < 0)
                return false;
        const auto tAl = decomposer(Cote::Alesage, t.alesage), tAr = decomposer(Cote::Arbre, t.arbre);
        const auto aAl = decomposer(Cote::Alesage, a.alesage), aAr = decomposer(Cote::Arbre, a.arbre);
        if (tAl.lettre != detail::H || aAr.lettre != detail::H)
            return false;
        if (aAl.lettre != tAr.lettre || aAl.grade != tAl.grade || aAr.grade != tAr.grade)
            return false;
    }
    return true;
}
static_assert(tableCoherente());

// Catalogue pair -> position in Recommandes; the first entry wins, so H7/h6
// is the hole-basis one.
using TableIndex = std::array<std::array<std::int8_t, detail::TextesArbre.size()>, detail::TextesAlesage.size()>;
constexpr TableIndex construireIndex()
{
    TableIndex t{};
    for (auto &ligne : t)
        ligne.fill(-1);
    for (int i = NbRecommandes - 1; i >= 0; --i)
        t[indexTexte(Cote::Alesage, Recommandes[i].alesage)][indexTexte(Cote::Arbre, Recommandes[i].arbre)] =
            static_cast<std::int8_t>(i);
    return t;
}
constexpr TableIndex ParPaire = construireIndex();

} // namespace

std::span<const AjustementRecommande> ajustementsRecommandes() { return Recommandes; }

bool alesageRecommande(int alesage)
{
    if (alesage < 0 || alesage >= detail::nbClasses(Cote::Alesage))
        return false;
    const auto &ligne = ParPaire[alesage];
    return std::any_of(ligne.begin(), ligne.end(), [](std::int8_t i) { return i >= 0; });
}

int indexRecommande(int alesage, int arbre)
{
    if (alesage < 0 || arbre < 0 || alesage >= detail::nbClasses(Cote::Alesage)
        || arbre >= detail::nbClasses(Cote::Arbre))
        return -1;
    return ParPaire[alesage][arbre];
}

std::vector<int> recommandesOfferts(double d)
{
    std::vector<int> offerts;
    const int s = sousEtape(d);
    if (s < 0)
        return offerts;
    for (int i = 0; i < NbRecommandes; ++i)
        if (estOfferte(Cote::Alesage, indexTexte(Cote::Alesage, Recommandes[i].alesage), s)
            && estOfferte(Cote::Arbre, indexTexte(Cote::Arbre, Recommandes[i].arbre), s))
            offerts.push_back(i);
    return offerts;
}

} // namespace vestrel
