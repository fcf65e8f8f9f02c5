#include "tables/offerts.h"

#include "tables/catalogue.h"
#include "tables/classes.h"
#include "tables/ecarts.h"
#include "tables/etapes.h"

#include <array>
#include <initializer_list>
#include <span>

namespace vestrel {

namespace {

using namespace detail;

// js17 has deviations from 6 mm on, but the shaft list offers it only above
// 10 mm; a lookup of js17 at 8 mm still finds its values.
struct NonOfferte {
    Cote cote;
    std::string_view classe;
    int sousEtape;
};
constexpr NonOfferte NonOffertes[] = {{Cote::Arbre, "js17", 2}};

constexpr unsigned de(int premier, int dernier)
{
    unsigned m = 0;
    for (int g = premier; g <= dernier; ++g)
        m |= 1u << g;
    return m;
}

constexpr unsigned grades(std::initializer_list<int> liste)
{
    unsigned m = 0;
    for (int g : liste)
        m |= 1u << g;
    return m;
}

// Grades enabled on the toolbar for a letter over a diameter range (lo, hi].
struct Plage {
    int lettre;
    int lo;
    int hi;
    unsigned grades;
};

// The grade row offers, for a letter, the grades that have deviations over
// the whole range, so that any grade picked gives a value: T9 and t9 start
// above 200 mm, not at 180.
constexpr Plage PlagesAlesage[] = {
    {A, 1, 500, grades({9, 11, 12, 13})},
    {B, 1, 500, de(8, 13)},
    {C, 1, 500, de(8, 11)},
    {D, 1, 500, de(6, 13)},
    {E, 1, 500, de(6, 12)},
    {F, 1, 500, de(6, 9)},
    {G, 1, 500, de(6, 7)},
    {H, 1, 6, de(6, 16)}, {H, 6, 10, de(6, 17)}, {H, 10, 500, de(6, 18)},
    {J, 1, 500, de(6, 8)},
    {JS, 1, 6, de(9, 16)}, {JS, 6, 10, de(9, 17)}, {JS, 10, 500, de(9, 18)},
    {K, 1, 500, de(6, 8)},
    {M, 1, 3, de(6, 7)}, {M, 3, 500, de(6, 8)},
    {N, 1, 500, de(6, 11)},
    {P, 1, 100, de(6, 9)}, {P, 100, 500, de(6, 8)},
    {R, 1, 120, de(6, 7)}, {R, 120, 180, de(6, 8)}, {R, 180, 500, de(6, 9)},
    {S, 1, 120, de(6, 9)}, {S, 120, 140, de(7, 9)}, {S, 140, 500, de(7, 10)},
    {T, 1, 24, 0}, {T, 24, 100, de(6, 7)}, {T, 100, 120, de(6, 8)}, {T, 120, 180, de(7, 8)},
    {T, 180, 200, de(7, 8)}, {T, 200, 500, de(7, 9)},
    {U, 1, 3, de(6, 7)}, {U, 3, 18, de(6, 10)}, {U, 18, 24, de(6, 7)}, {U, 24, 40, de(6, 9)},
    {U, 40, 100, de(6, 10)}, {U, 100, 120, de(6, 11)}, {U, 120, 500, de(7, 11)},
    {X, 1, 14, de(7, 9)}, {X, 14, 50, de(7, 10)}, {X, 50, 120, de(7, 11)},
    {X, 120, 355, de(8, 11)}, {X, 355, 500, de(9, 11)},
    {Z, 1, 24, de(7, 10)}, {Z, 24, 40, de(7, 11)}, {Z, 40, 160, de(8, 11)},
    {Z, 160, 225, de(9, 11)}, {Z, 225, 500, de(10, 11)},
    {ZA, 1, 6, de(7, 7)}, {ZA, 6, 18, de(7, 8)}, {ZA, 18, 40, de(8, 9)}, {ZA, 40, 100, de(8, 10)},
    {ZA, 100, 160, de(9, 11)}, {ZA, 160, 355, de(10, 11)}, {ZA, 355, 500, de(11, 11)},
    {ZB, 1, 6, de(8, 9)}, {ZB, 6, 65, de(8, 11)}, {ZB, 65, 100, de(9, 11)},
    {ZB, 100, 200, de(10, 11)}, {ZB, 200, 500, de(11, 11)},
    {ZC, 1, 30, de(8, 11)}, {ZC, 30, 65, de(9, 11)}, {ZC, 65, 140, de(10, 11)}, {ZC, 140, 500, de(11, 11)},
};

constexpr Plage PlagesArbre[] = {
    {A, 1, 500, grades({9, 11, 12, 13})},
    {B, 1, 500, de(8, 13)},
    {C, 1, 500, de(9, 12)},
    {D, 1, 500, de(6, 12)},
    {E, 1, 500, de(6, 12)},
    {F, 1, 500, de(6, 8)},
    {G, 1, 500, de(5, 6)},
    {H, 1, 500, de(5, 13)},
    {J, 1, 500, de(5, 7)},
    {JS, 1, 6, de(8, 16)}, {JS, 6, 10, de(8, 17)}, {JS, 10, 500, de(8, 18)},
    {K, 1, 500, de(5, 11)},
    {M, 1, 3, de(5, 6)}, {M, 3, 500, de(5, 7)},
    {N, 1, 500, de(5, 7)},
    {P, 1, 500, de(5, 8)},
    {R, 1, 180, de(5, 7)}, {R, 180, 500, de(5, 9)},
    {S, 1, 120, de(5, 9)}, {S, 120, 140, de(6, 9)}, {S, 140, 500, de(6, 10)},
    {T, 1, 24, 0}, {T, 24, 100, de(5, 7)}, {T, 100, 120, de(5, 8)}, {T, 120, 180, de(6, 8)},
    {T, 180, 200, de(6, 8)}, {T, 200, 500, de(6, 9)},
    {U, 1, 3, de(5, 8)}, {U, 3, 18, de(5, 10)}, {U, 18, 24, de(5, 8)}, {U, 24, 40, de(5, 9)},
    {U, 40, 100, de(5, 10)}, {U, 100, 120, de(5, 11)}, {U, 120, 500, de(6, 11)},
    {X, 1, 14, de(6, 9)}, {X, 14, 50, de(6, 10)}, {X, 50, 65, de(6, 11)}, {X, 65, 160, de(7, 11)},
    {X, 160, 355, de(8, 11)}, {X, 355, 500, de(9, 11)},
    {Z, 1, 24, de(6, 10)}, {Z, 24, 40, de(6, 11)}, {Z, 40, 65, de(7, 11)}, {Z, 65, 160, de(8, 11)},
    {Z, 160, 225, de(9, 11)}, {Z, 225, 500, de(10, 11)},
    {ZA, 1, 6, de(6, 7)}, {ZA, 6, 18, de(6, 8)}, {ZA, 18, 40, de(7, 9)}, {ZA, 40, 100, de(8, 10)},
    {ZA, 100, 160, de(9, 11)}, {ZA, 160, 355, de(10, 11)}, {ZA, 355, 500, de(11, 11)},
    {ZB, 1, 6, de(7, 9)}, {ZB, 6, 24, de(7, 11)}, {ZB, 24, 65, de(8, 11)}, {ZB, 65, 100, de(9, 11)},
    {ZB, 100, 200, de(10, 11)}, {ZB, 200, 500, de(11, 11)},
    {ZC, 1, 30, de(8, 11)}, {ZC, 30, 65, de(9, 11)}, {ZC, 65, 140, de(10, 11)}, {ZC, 140, 500, de(11, 11)},
};

constexpr std::span<const Plage> plages(Cote cote)
{
    if (cote == Cote::Alesage)
        return PlagesAlesage;
    return PlagesArbre;
}

// Every letter's ranges follow one another from 1 to 500 mm on sub-step
// bounds, and only name grades of the side's toolbar.
constexpr bool plagesContinues(Cote cote)
{
    const unsigned permis = de(cote == Cote::Alesage ? 6 : 5, 18);
    int lettre = -1, fin = 500;
    for (const Plage &p : plages(cote)) {
        if (p.lettre != lettre) {
            if (fin != 500 || p.lettre != lettre + 1 || p.lo != 1)
                return false;
            lettre = p.lettre;
        } else if (p.lo != fin) {
            return false;
        }
        bool borne = false;
        for (int b : BornesSousEtapes)
            borne = borne || b == p.hi;
        if (!borne || p.hi <= p.lo || (p.grades & ~permis))
            return false;
        fin = p.hi;
    }
    return lettre == ZC && fin == 500;
}
static_assert(plagesContinues(Cote::Alesage) && plagesContinues(Cote::Arbre));

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

std::vector<std::string_view> classesOffertes(Cote cote, double d)
{
    const auto tout = catalogue(cote);
    const int s = sousEtape(d);
    if (s < 0)
        return {tout.begin(), tout.end()};
    std::vector<std::string_view> liste;
    liste.reserve(tout.size());
    for (std::size_t i = 0; i < tout.size(); ++i)
        if (estOfferte(cote, static_cast<int>(i), s))
            liste.push_back(tout[i]);
    return liste;
}

std::optional<unsigned> gradesActifs(Cote cote, int lettre, double d)
{
    for (const Plage &p : plages(cote))
        if (p.lettre == lettre && dansIntervalle(d, p.lo, p.hi))
            return p.grades;
    return std::nullopt;
}

unsigned gradesComposables(Cote cote, int lettre, double d)
{
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
