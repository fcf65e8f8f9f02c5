#include "tables/ecarts.h"

#include "tables/catalogue.h"
#include "tables/classes.h"
#include "tables/etapes.h"
#include "tables/fondamentales.h"
#include "tables/systeme.h"

#include <array>
#include <bit>
#include <stdexcept>

// The deviation of every (class, sub-step) cell is computed at compile time
// from the standard's small tables and rules; nothing here is typed out per
// cell. A rule applied where the standard gives no value stops compilation.

namespace vestrel {

namespace {

using namespace detail;

// Holes mirror shafts: the fundamental deviation of a hole letter is the
// opposite of that of the shaft letter. Checking it catches a mistyped value
// in either table.
constexpr bool fondamentalesEnMiroir()
{
    for (int s = 0; s < NbSousEtapes; ++s) {
        for (int l = 0; l < 7; ++l)
            if (FDAlesageAN[s][l] != -FDArbreAN[s][l])
                return false;
        for (int l = 0; l < 3; ++l)
            if (FDAlesageAN[s][7 + l] != -FDArbreAN[s][9 + l])
                return false;
        for (int l = 0; l < 10; ++l)
            if (FDAlesagePZC[s][l] != (FDArbrePZC[s][l] == Aucun ? Aucun : -FDArbrePZC[s][l]))
                return false;
    }
    return true;
}
static_assert(fondamentalesEnMiroir());

// Ranges of the classes that do not cover 1..500 mm, as unions of (lo, hi]
// in mm; every other class has an entry in every sub-step.
struct Etendue {
    std::string_view classe;
    std::array<std::array<int, 2>, 2> morceaux;
};

// Extents of the hole classes, ISO 286-2.
constexpr Etendue EtenduesAlesage[] = {
    {"H17", {{{6, 500}}}},  {"H18", {{{10, 500}}}}, {"JS17", {{{6, 500}}}},
    {"JS18", {{{10, 500}}}}, {"M8", {{{3, 500}}}},  {"P9", {{{1, 100}}}},
    {"R8", {{{120, 500}}}}, {"R9", {{{180, 500}}}}, {"S6", {{{1, 120}}}},
    {"S10", {{{140, 500}}}}, {"T6", {{{24, 120}}}}, {"T7", {{{24, 500}}}},
    {"T8", {{{100, 500}}}}, {"T9", {{{200, 500}}}}, {"U6", {{{1, 120}}}},
    {"U8", {{{3, 18}, {24, 500}}}}, {"U9", {{{3, 18}, {24, 500}}}},
    {"U10", {{{3, 18}, {40, 500}}}}, {"U11", {{{100, 500}}}},
    {"X7", {{{1, 120}}}},   {"X8", {{{1, 355}}}},   {"X10", {{{14, 500}}}},
    {"X11", {{{50, 500}}}}, {"Z7", {{{1, 40}}}},    {"Z8", {{{1, 160}}}},
    {"Z9", {{{1, 225}}}},   {"Z11", {{{24, 500}}}}, {"ZA7", {{{1, 18}}}},
    {"ZA8", {{{6, 100}}}},  {"ZA9", {{{18, 160}}}}, {"ZA10", {{{40, 355}}}},
    {"ZA11", {{{100, 500}}}}, {"ZB8", {{{1, 65}}}}, {"ZB9", {{{1, 100}}}},
    {"ZB10", {{{6, 200}}}}, {"ZB11", {{{6, 500}}}}, {"ZC8", {{{1, 30}}}},
    {"ZC9", {{{1, 65}}}},   {"ZC10", {{{1, 140}}}},
};

// Extents of the shaft classes, ISO 286-2.
constexpr Etendue EtenduesArbre[] = {
    {"js17", {{{6, 500}}}}, {"js18", {{{10, 500}}}}, {"m7", {{{3, 500}}}},
    {"r8", {{{180, 500}}}}, {"r9", {{{180, 500}}}}, {"s5", {{{1, 120}}}},
    {"s10", {{{140, 500}}}}, {"t5", {{{24, 120}}}}, {"t6", {{{24, 500}}}},
    {"t7", {{{24, 500}}}},  {"t8", {{{100, 500}}}}, {"t9", {{{200, 500}}}},
    {"u5", {{{1, 120}}}},   {"u9", {{{3, 18}, {24, 500}}}},
    {"u10", {{{3, 18}, {40, 500}}}}, {"u11", {{{100, 500}}}},
    {"x6", {{{1, 65}}}},    {"x7", {{{1, 160}}}},   {"x8", {{{1, 355}}}},
    {"x10", {{{14, 500}}}}, {"x11", {{{50, 500}}}}, {"z6", {{{1, 40}}}},
    {"z7", {{{1, 65}}}},    {"z8", {{{1, 160}}}},   {"z9", {{{1, 225}}}},
    {"z11", {{{24, 500}}}}, {"za6", {{{1, 18}}}},   {"za7", {{{1, 40}}}},
    {"za8", {{{6, 100}}}},  {"za9", {{{18, 160}}}}, {"za10", {{{40, 355}}}},
    {"za11", {{{100, 500}}}}, {"zb7", {{{1, 24}}}}, {"zb8", {{{1, 65}}}},
    {"zb9", {{{1, 100}}}},  {"zb10", {{{6, 200}}}}, {"zb11", {{{6, 500}}}},
    {"zc8", {{{1, 30}}}},   {"zc9", {{{1, 65}}}},   {"zc10", {{{1, 140}}}},
};

constexpr std::span<const Etendue> etendues(Cote cote)
{
    if (cote == Cote::Alesage)
        return EtenduesAlesage;
    return EtenduesArbre;
}

constexpr int indexBorne(int mm)
{
    for (int i = 0; i <= NbSousEtapes; ++i)
        if (BornesSousEtapes[i] == mm)
            return i;
    throw std::logic_error("extent bound is not a sub-step bound");
}

// Sub-steps where a class has entries, one bit per sub-step.
constexpr std::uint64_t masqueEtendue(Cote cote, int classe)
{
    for (const Etendue &e : etendues(cote)) {
        if (e.classe != textes(cote)[classe])
            continue;
        std::uint64_t m = 0;
        for (const auto &[lo, hi] : e.morceaux) {
            if (lo == 0 && hi == 0)
                continue;
            for (int s = indexBorne(lo); s < indexBorne(hi); ++s)
                m |= std::uint64_t(1) << s;
        }
        return m;
    }
    return (std::uint64_t(1) << NbSousEtapes) - 1;
}

constexpr bool etenduesConnues(Cote cote)
{
    for (const Etendue &e : etendues(cote))
        if (chercherTexte(cote, e.classe) < 0)
            return false;
    return true;
}
static_assert(etenduesConnues(Cote::Alesage) && etenduesConnues(Cote::Arbre));

constexpr int fondamentale(int valeur)
{
    if (valeur == Aucun)
        throw std::logic_error("no fundamental deviation in this sub-step");
    return valeur;
}

constexpr int it(int grade, int k)
{
    const int v = IT(grade, k);
    if (v < 0)
        throw std::logic_error("no standard tolerance for this grade and step");
    return v;
}

struct Valeurs {
    int sup2;
    int inf2;
};

// Upper and lower deviation, in half micrometres, of a hole class in
// sub-step s, by the rules of ISO 286-1.
constexpr Valeurs regleAlesage(int lettre, int n, int s)
{
    const int k = etapeDeSousEtape(s);
    const int itn = it(n, k);
    int es = 0;
    switch (lettre) {
    case A: case B: case C: case D: case E: case F: case G:
        return {2 * (FDAlesageAN[s][lettre] + itn), 2 * FDAlesageAN[s][lettre]};
    case H:
        return {2 * itn, 0};
    case J:
        if (n < 6 || n > 8)
            throw std::logic_error("J exists in grades 6 to 8 only");
        return {2 * TableJ[k][n - 6][0], 2 * TableJ[k][n - 6][1]};
    case JS:
        return {itn, -itn};
    case K: case M: case N:
        if (n <= 8)
            es = FDAlesageAN[s][7 + (lettre - K)] + Delta[n - 6][k];
        else if (lettre == N)
            es = k == 0 ? -4 : 0;
        else
            throw std::logic_error("K and M exist in grades 6 to 8 only");
        // The standard departs from its own rule for M6 above 250 up to 315.
        if (lettre == M && n == 6 && k == 10)
            es = -9;
        break;
    default:
        es = fondamentale(FDAlesagePZC[s][lettre - P]);
        if (n <= 7)
            es += Delta[n - 6][k];
        break;
    }
    return {2 * es, 2 * (es - itn)};
}

// Upper and lower deviation, in half micrometres, of a shaft class in
// sub-step s, by the rules of ISO 286-1.
constexpr Valeurs regleArbre(int lettre, int n, int s)
{
    const int k = etapeDeSousEtape(s);
    const int itn = it(n, k);
    int ei = 0;
    switch (lettre) {
    case A: case B: case C: case D: case E: case F: case G:
        return {2 * FDArbreAN[s][lettre], 2 * (FDArbreAN[s][lettre] - itn)};
    case H:
        return {0, -2 * itn};
    case J:
        if (n < 5 || n > 7)
            throw std::logic_error("j exists in grades 5 to 7 only");
        ei = FDArbreAN[s][n == 7 ? 8 : 7];
        break;
    case JS:
        return {itn, -itn};
    case K:
        if (n >= 8)
            return {2 * itn, 0};
        ei = FDArbreAN[s][9];
        break;
    case M: case N:
        ei = FDArbreAN[s][10 + (lettre - M)];
        break;
    default:
        ei = fondamentale(FDArbrePZC[s][lettre - P]);
        break;
    }
    return {2 * (ei + itn), 2 * ei};
}

constexpr Valeurs regle(Cote cote, int classe, int s)
{
    const Decomposee c = decomposer(cote, textes(cote)[classe]);
    return cote == Cote::Alesage ? regleAlesage(c.lettre, c.grade, s) : regleArbre(c.lettre, c.grade, s);
}

constexpr int compterCellules(Cote cote)
{
    int n = 0;
    for (int c = 0; c < nbClasses(cote); ++c)
        n += std::popcount(masqueEtendue(cote, c));
    return n;
}

constexpr int NbCellulesAlesage = compterCellules(Cote::Alesage);
constexpr int NbCellulesArbre = compterCellules(Cote::Arbre);
static_assert(NbCellulesAlesage == 2586 && NbCellulesArbre == 2633);

// A side's table: its cells in catalogue order then by sub-step, and for
// direct lookup the position of each (class, sub-step) cell, -1 when none.
template <Cote Side, int NbCellules>
struct Table {
    std::array<CelluleEcart, NbCellules> cellules{};
    std::array<std::array<std::int16_t, NbSousEtapes>, detail::nbClasses(Side)> position{};
};

template <Cote Side, int NbCellules>
constexpr Table<Side, NbCellules> construire()
{
    Table<Side, NbCellules> t;
    int n = 0;
    for (int c = 0; c < nbClasses(Side); ++c) {
        const std::uint64_t m = masqueEtendue(Side, c);
        for (int s = 0; s < NbSousEtapes; ++s) {
            t.position[c][s] = -1;
            if (!(m & (std::uint64_t(1) << s)))
                continue;
            const Valeurs v = regle(Side, c, s);
            t.cellules[n] = {static_cast<std::int16_t>(c), static_cast<std::int16_t>(s), v.sup2, v.inf2};
            t.position[c][s] = static_cast<std::int16_t>(n);
            ++n;
        }
    }
    return t;
}

constexpr auto TableAlesage = construire<Cote::Alesage, NbCellulesAlesage>();
constexpr auto TableArbre = construire<Cote::Arbre, NbCellulesArbre>();

// Upper minus lower deviation is ITn of the entry's diameter step in every
// cell, the tabulated J values and the M6 exception included; cells come in
// catalogue order then by sub-step, so no two entries of a class overlap.
template <class T>
constexpr bool cellulesCoherentes(Cote cote, const T &table)
{
    int precedente = -1, sousEtapePrecedente = -1;
    for (const CelluleEcart &e : table.cellules) {
        const Decomposee c = decomposer(cote, textes(cote)[e.classe]);
        if (e.sup2 - e.inf2 != 2 * IT(c.grade, etapeDeSousEtape(e.sousEtape)))
            return false;
        if (e.classe < precedente || (e.classe == precedente && e.sousEtape <= sousEtapePrecedente))
            return false;
        if (table.position[e.classe][e.sousEtape] != &e - table.cellules.data())
            return false;
        precedente = e.classe;
        sousEtapePrecedente = e.sousEtape;
    }
    return true;
}
static_assert(cellulesCoherentes(Cote::Alesage, TableAlesage));
static_assert(cellulesCoherentes(Cote::Arbre, TableArbre));

// A few values that the rules must reproduce, in half micrometres.
static_assert(TableAlesage.cellules[TableAlesage.position[64][19]].sup2 == -18); // M6 250-280: -9 um
static_assert(TableAlesage.cellules[TableAlesage.position[70][0]].sup2 == -8);   // N9 1-3: -4 um
static_assert(TableArbre.cellules[TableArbre.position[46][0]].sup2 == 25);       // js9 1-3: +12.5 um

// The toolbar's grades: a letter offers in a sub-step the grades of its
// classes that have an entry there, so any grade picked gives a value (T9
// and t9 start above 200 mm, not at 180).
using Masques = std::array<std::array<std::uint32_t, NbSousEtapes>, NbLettres>;
template <Cote Side, class T>
constexpr Masques masques(const T &table)
{
    Masques m{};
    for (const CelluleEcart &e : table.cellules) {
        const Decomposee c = decomposer(Side, textes(Side)[e.classe]);
        m[c.lettre][e.sousEtape] |= bitGrade(c.grade);
    }
    return m;
}
constexpr Masques MasquesAlesage = masques<Cote::Alesage>(TableAlesage);
constexpr Masques MasquesArbre = masques<Cote::Arbre>(TableArbre);

constexpr std::uint32_t de(int premier, int dernier)
{
    std::uint32_t m = 0;
    for (int g = premier; g <= dernier; ++g)
        m |= bitGrade(g);
    return m;
}
// H to 6 mm stops at H16, H17 starts at 6 and H18 at 10; T and t have no
// grade up to 24 mm; M6..M8 from 3 mm; ZC up to 30 mm in 8..11.
static_assert(MasquesAlesage[H][1] == de(6, 16) && MasquesAlesage[H][2] == de(6, 17)
              && MasquesAlesage[H][24] == de(6, 18));
static_assert(MasquesAlesage[T][5] == 0 && MasquesArbre[T][5] == 0 && MasquesArbre[T][6] == de(5, 7));
static_assert(MasquesAlesage[M][0] == de(6, 7) && MasquesAlesage[M][1] == de(6, 8));
static_assert(MasquesAlesage[T][16] == de(7, 8) && MasquesAlesage[T][17] == de(7, 9));
static_assert(MasquesAlesage[ZC][6] == de(8, 11) && MasquesArbre[A][0] == (de(9, 9) | de(11, 13)));

} // namespace

std::span<const CelluleEcart> cellules(Cote cote)
{
    if (cote == Cote::Alesage)
        return TableAlesage.cellules;
    return TableArbre.cellules;
}

const CelluleEcart *celluleEcart(Cote cote, int classe, int sousEtape)
{
    if (sousEtape < 0 || sousEtape >= NbSousEtapes || classe < 0 || classe >= nbClasses(cote))
        return nullptr;
    const int p = cote == Cote::Alesage ? TableAlesage.position[classe][sousEtape]
                                        : TableArbre.position[classe][sousEtape];
    if (p < 0)
        return nullptr;
    return &cellules(cote)[p];
}

std::uint32_t gradesDefinis(Cote cote, int lettre, int sousEtape, Systeme systeme)
{
    if (systeme == Systeme::Complet)
        return masqueGradesComplet(cote, lettre, sousEtape);
    if (lettre < 0 || lettre >= NbLettres || sousEtape < 0 || sousEtape >= NbSousEtapes)
        return 0;
    return cote == Cote::Alesage ? MasquesAlesage[lettre][sousEtape] : MasquesArbre[lettre][sousEtape];
}

std::optional<PaireEcarts> chercherEcarts(Cote cote, std::string_view classe, double d, Systeme systeme)
{
    if (systeme == Systeme::Complet) {
        const auto e = ecartsComplets(cote, indexComplet(cote, classe), sousEtapeComplete(d));
        if (!e)
            return std::nullopt;
        return PaireEcarts{centiemesEnMm(e->sup), centiemesEnMm(e->inf)};
    }
    const int s = sousEtape(d);
    if (s < 0)
        return std::nullopt;
    const int i = indexTexte(cote, classe);
    if (i < 0)
        return std::nullopt;
    const int p = cote == Cote::Alesage ? TableAlesage.position[i][s] : TableArbre.position[i][s];
    if (p < 0)
        return std::nullopt;
    const CelluleEcart &e = cote == Cote::Alesage ? TableAlesage.cellules[p] : TableArbre.cellules[p];
    return PaireEcarts{enMillimetres(e.sup2), enMillimetres(e.inf2)};
}

} // namespace vestrel
