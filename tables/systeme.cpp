#include "tables/systeme.h"

#include "tables/catalogue.h"
#include "tables/classe.h"
#include "tables/classes.h"
#include "tables/ecarts.h"
#include "tables/etapes.h"
#include "tables/fondamentales.h"

#include <array>
#include <limits>
#include <stdexcept>

// Every cell of the whole system is computed at compile time from the
// standard's small tables and rules, as the default catalogue's are; the
// restrictions decide where a class exists, and nothing is guessed where the
// standard gives no value.

namespace vestrel {

namespace {

using detail::Aucun;

// Letter indexes of the whole system, the same on both sides.
enum L : int { A, B, C, CD, D, E, EF, F, FG, G, H, J, JS, K, M, N, P, R, S, T, U, V, X, Y, Z, ZA, ZB, ZC, NbL };
static_assert(NbL == int(lettres_iso::CompletAlesage.size()));

constexpr int NbGradesComplets = 20; // IT01, IT0, IT1 .. IT18
constexpr int rangGrade(int grade) { return grade + 1; }
constexpr int gradeDeRang(int rang) { return rang - 1; }

// Standard tolerance grades by step, micrometres, ISO 286-1 Table 1 (Nd: none).
constexpr double Nd = -1;
constexpr double TableIT[NbEtapesCompletes][NbGradesComplets] = {
    // IT01 IT0 IT1  IT2 IT3 IT4 IT5 IT6  IT7  IT8  IT9  IT10  IT11  IT12  IT13  IT14  IT15  IT16   IT17   IT18
    {0.3, 0.5, 0.8, 1.2, 2, 3, 4, 6, 10, 14, 25, 40, 60, 100, 140, 250, 400, 600, 1000, 1400},            // 0-3
    {0.4, 0.6, 1, 1.5, 2.5, 4, 5, 8, 12, 18, 30, 48, 75, 120, 180, 300, 480, 750, 1200, 1800},            // 3-6
    {0.4, 0.6, 1, 1.5, 2.5, 4, 6, 9, 15, 22, 36, 58, 90, 150, 220, 360, 580, 900, 1500, 2200},            // 6-10
    {0.5, 0.8, 1.2, 2, 3, 5, 8, 11, 18, 27, 43, 70, 110, 180, 270, 430, 700, 1100, 1800, 2700},           // 10-18
    {0.6, 1, 1.5, 2.5, 4, 6, 9, 13, 21, 33, 52, 84, 130, 210, 330, 520, 840, 1300, 2100, 3300},           // 18-30
    {0.6, 1, 1.5, 2.5, 4, 7, 11, 16, 25, 39, 62, 100, 160, 250, 390, 620, 1000, 1600, 2500, 3900},        // 30-50
    {0.8, 1.2, 2, 3, 5, 8, 13, 19, 30, 46, 74, 120, 190, 300, 460, 740, 1200, 1900, 3000, 4600},          // 50-80
    {1, 1.5, 2.5, 4, 6, 10, 15, 22, 35, 54, 87, 140, 220, 350, 540, 870, 1400, 2200, 3500, 5400},         // 80-120
    {1.2, 2, 3.5, 5, 8, 12, 18, 25, 40, 63, 100, 160, 250, 400, 630, 1000, 1600, 2500, 4000, 6300},       // 120-180
    {2, 3, 4.5, 7, 10, 14, 20, 29, 46, 72, 115, 185, 290, 460, 720, 1150, 1850, 2900, 4600, 7200},        // 180-250
    {2.5, 4, 6, 8, 12, 16, 23, 32, 52, 81, 130, 210, 320, 520, 810, 1300, 2100, 3200, 5200, 8100},        // 250-315
    {3, 5, 7, 9, 13, 18, 25, 36, 57, 89, 140, 230, 360, 570, 890, 1400, 2300, 3600, 5700, 8900},          // 315-400
    {4, 6, 8, 10, 15, 20, 27, 40, 63, 97, 155, 250, 400, 630, 970, 1550, 2500, 4000, 6300, 9700},         // 400-500
    {Nd, Nd, 9, 11, 16, 22, 32, 44, 70, 110, 175, 280, 440, 700, 1100, 1750, 2800, 4400, 7000, 11000},    // 500-630
    {Nd, Nd, 10, 13, 18, 25, 36, 50, 80, 125, 200, 320, 500, 800, 1250, 2000, 3200, 5000, 8000, 12500},   // 630-800
    {Nd, Nd, 11, 15, 21, 28, 40, 56, 90, 140, 230, 360, 560, 900, 1400, 2300, 3600, 5600, 9000, 14000},   // 800-1000
    {Nd, Nd, 13, 18, 24, 33, 47, 66, 105, 165, 260, 420, 660, 1050, 1650, 2600, 4200, 6600, 10500, 16500}, // 1000-1250
    {Nd, Nd, 15, 21, 29, 39, 55, 78, 125, 195, 310, 500, 780, 1250, 1950, 3100, 5000, 7800, 12500, 19500}, // 1250-1600
    {Nd, Nd, 18, 25, 35, 46, 65, 92, 150, 230, 370, 600, 920, 1500, 2300, 3700, 6000, 9200, 15000, 23000}, // 1600-2000
    {Nd, Nd, 22, 30, 41, 55, 78, 110, 175, 280, 440, 700, 1100, 1750, 2800, 4400, 7000, 11000, 17500, 28000}, // 2000-2500
    {Nd, Nd, 26, 36, 50, 68, 96, 135, 210, 330, 540, 860, 1350, 2100, 3300, 5400, 8600, 13500, 21000, 33000}, // 2500-3150
};

constexpr int centiemes(double um) { return um < 0 ? -1 : static_cast<int>(um * 100 + 0.5); }

constexpr int it(int grade, int k)
{
    if (grade < Grade01 || grade > 18 || k < 0 || k >= NbEtapesCompletes)
        return -1;
    return centiemes(TableIT[k][rangGrade(grade)]);
}

// IT(n+5) = 10 IT(n) for n = 7 .. 13 at every step, and the default
// catalogue's IT table is this one where it gives a value.
constexpr bool tableITCoherente()
{
    for (int k = 0; k < NbEtapesCompletes; ++k) {
        for (int n = 7; n <= 13; ++n)
            if (it(n + 5, k) != 10 * it(n, k))
                return false;
        for (int n = 1; n <= 18; ++n)
            if (it(n, k) <= it(n - 1, k) || (n == 1 && k <= 12 && it(0, k) <= it(Grade01, k)))
                return false;
        for (int n = 5; k < NbEtapes && n <= 18; ++n)
            if (IT(n, k) >= 0 && 100 * IT(n, k) != it(n, k))
                return false;
    }
    return it(12, 13) == 70000 && it(Grade01, 13) < 0 && it(0, 13) < 0;
}
static_assert(tableITCoherente());

// Fundamental deviations of shafts v and y (ei) by default sub-step, from 14
// and 18 mm on, micrometres, ISO 286-1.
constexpr int FDArbreVY[NbSousEtapes][2] = {
    {Aucun, Aucun}, {Aucun, Aucun}, {Aucun, Aucun}, {Aucun, Aucun}, // 1-14
    {39, Aucun},                                                   // 14-18
    {47, 63}, {55, 75}, {68, 94}, {81, 114}, {102, 144}, {120, 174}, {146, 214}, {172, 254},
    {202, 300}, {228, 340}, {252, 380}, {284, 425}, {310, 470}, {340, 520}, {385, 580},
    {425, 650}, {475, 730}, {530, 820}, {595, 920}, {660, 1000},
};

// Fundamental deviations of cd, ef, fg (es = -value) for 0-3, 3-6, 6-10 mm,
// micrometres, ISO 286-1.
constexpr int FDPetits[3][3] = {{34, 46, 56}, {10, 14, 18}, {4, 6, 8}};

// Fundamental deviations of shafts above 500 mm by main step 500-630 ..
// 2500-3150 (es of d .. g, ei of m .. p; k is 0), micrometres, ISO 286-1.
constexpr int FDGrandsEtapes[7][8] = {
    {-260, -290, -320, -350, -390, -430, -480, -520}, // d
    {-145, -160, -170, -195, -220, -240, -260, -290}, // e
    {-76, -80, -86, -98, -110, -120, -130, -145},     // f
    {-22, -24, -26, -28, -30, -32, -34, -38},         // g
    {26, 30, 34, 40, 48, 58, 68, 76},                 // m
    {44, 50, 56, 66, 78, 92, 110, 135},               // n
    {78, 88, 100, 120, 140, 170, 195, 240},           // p
};
// And of r, s, t, u (ei) by sub-step 500-560 .. 2800-3150, micrometres, ISO 286-1.
constexpr int FDGrandsSousEtapes[4][16] = {
    {150, 155, 175, 185, 210, 220, 250, 260, 300, 330, 370, 400, 440, 460, 550, 580},            // r
    {280, 310, 340, 380, 430, 470, 520, 580, 640, 720, 820, 920, 1000, 1100, 1250, 1400},         // s
    {400, 450, 500, 560, 620, 680, 780, 840, 960, 1050, 1200, 1350, 1500, 1650, 1900, 2100},      // t
    {600, 660, 740, 840, 940, 1050, 1150, 1300, 1450, 1600, 1850, 2000, 2300, 2500, 2900, 3200},  // u
};

// j8 exists up to 3 mm only: ei, micrometres, ISO 286-1.
constexpr int EiJ8 = -6;

constexpr int Premiere500 = 26; // first sub-step above 500 mm
constexpr int Premiere500Etape = 13;
constexpr bool au500(int s) { return s >= Premiere500; }

// Sub-steps where a letter exists (from, to inclusive), whatever the grade.
constexpr std::array<std::array<int, 2>, NbL> EtendueLettre = [] {
    std::array<std::array<int, 2>, NbL> t{};
    for (int l = 0; l < NbL; ++l)
        t[l] = {0, NbSousEtapesCompletes - 1};
    for (int l : {A, B})
        t[l] = {1, Premiere500 - 1}; // 1 < D <= 500
    for (int l : {C, J, X, Z, ZA, ZB, ZC})
        t[l] = {0, Premiere500 - 1};
    for (int l : {CD, EF, FG})
        t[l] = {0, 3};               // 0 < D <= 10
    t[T] = {7, NbSousEtapesCompletes - 1}; // 24 < D
    t[V] = {5, Premiere500 - 1};     // 14 < D <= 500
    t[Y] = {6, Premiere500 - 1};     // 18 < D <= 500
    return t;
}();

// Whether the standard defines letter l in grade g in sub-step s.
constexpr bool existe(Cote cote, int l, int g, int s)
{
    if (s < EtendueLettre[l][0] || s > EtendueLettre[l][1])
        return false;
    if ((g == Grade01 || g == 0) && au500(s)) // IT01 and IT0 up to 500 mm
        return false;
    if (g >= 14 && s == 0) // IT14 .. IT18 not for D <= 1
        return false;
    const bool alesage = cote == Cote::Alesage;
    if (l == J) {
        if (alesage)
            return g >= 6 && g <= 8;
        return (g >= 5 && g <= 7) || (g == 8 && s <= 1); // j8 up to 3 mm
    }
    if (alesage && l == K && g > 8)
        return s <= 1; // up to 3 mm
    if (alesage && l == N && g > 8)
        return s >= 1; // not for D <= 1
    return true;
}

// The default sub-step holding whole-system sub-step s at or below 500 mm
// (0 < D <= 1 takes the values of 1 to 3).
constexpr int defaut(int s) { return s == 0 ? 0 : s - DecalageSousEtapes; }

constexpr int fondamentale(int v)
{
    if (v == Aucun)
        throw std::logic_error("no fundamental deviation in this sub-step");
    return v;
}

// Fundamental deviation of shaft letter l in sub-step s, micrometres: es
// for a .. g, ei for k .. zc (k: its IT4 .. IT7 value).
constexpr int fdArbre(int l, int s)
{
    const int k = etapeDeSousEtapeComplete(s);
    if (au500(s)) {
        const int e = k - Premiere500Etape;
        switch (l) {
        case D: case E: case F: case G: return FDGrandsEtapes[l == D ? 0 : l == E ? 1 : l == F ? 2 : 3][e];
        case K: return 0;
        case M: case N: case P: return FDGrandsEtapes[l == M ? 4 : l == N ? 5 : 6][e];
        case R: case S: case T: case U: return FDGrandsSousEtapes[l - R][s - Premiere500];
        default: throw std::logic_error("letter not defined above 500 mm");
        }
    }
    const int d = defaut(s);
    switch (l) {
    case A: case B: case C: return detail::FDArbreAN[d][l];
    case CD: case EF: case FG: return -FDPetits[l == CD ? 0 : l == EF ? 1 : 2][k];
    case D: case E: return detail::FDArbreAN[d][l - 1];
    case F: return detail::FDArbreAN[d][5];
    case G: return detail::FDArbreAN[d][6];
    case K: return detail::FDArbreAN[d][9];
    case M: return detail::FDArbreAN[d][10];
    case N: return detail::FDArbreAN[d][11];
    case P: case R: case S: case T: case U: return fondamentale(detail::FDArbrePZC[d][l - P]);
    case V: return fondamentale(FDArbreVY[d][0]);
    case X: return fondamentale(detail::FDArbrePZC[d][5]);
    case Z: case ZA: case ZB: case ZC: return fondamentale(detail::FDArbrePZC[d][l - Z + 6]);
    case Y: return fondamentale(FDArbreVY[d][1]);
    default: throw std::logic_error("letter without a fundamental deviation");
    }
}

constexpr int itOuErreur(int g, int k)
{
    const int v = it(g, k);
    if (v < 0)
        throw std::logic_error("no standard tolerance for this grade and step");
    return v;
}

// Shaft deviations by the rules of ISO 286-1, hundredths of a micrometre.
constexpr EcartsCentiemes regleArbre(int l, int g, int s)
{
    const int k = etapeDeSousEtapeComplete(s);
    const int itg = itOuErreur(g, k);
    int ei = 0;
    if (l <= G) {
        const int es = 100 * fdArbre(l, s);
        return {es, es - itg};
    }
    switch (l) {
    case H: return {0, -itg};
    case JS: return {itg / 2, -itg / 2};
    case J:
        ei = g == 8 ? EiJ8 : detail::FDArbreAN[defaut(s)][g == 7 ? 8 : 7];
        break;
    case K: // the tabulated value for IT4 .. IT7 up to 500 mm, else 0
        ei = g >= 4 && g <= 7 ? fdArbre(K, s) : 0;
        break;
    default: ei = fdArbre(l, s); break;
    }
    return {100 * ei + itg, 100 * ei};
}

// Bore deviations by the rules of ISO 286-1, hundredths of a micrometre:
// A .. G mirror the shaft letter; K .. ZC take ES = -ei, plus Δ = IT(n) -
// IT(n-1) for 3 < D <= 500 in grades 3 to 8 (K, M, N) or 3 to 7 (P .. ZC).
// K takes its IT4 .. IT7 base in every grade, as the standard's bore table
// writes it ("-1 + Δ" at 3-6 mm).
constexpr EcartsCentiemes regleAlesage(int l, int g, int s)
{
    const int k = etapeDeSousEtapeComplete(s);
    const int itg = itOuErreur(g, k);
    if (l <= G) {
        const int ei = -100 * fdArbre(l, s);
        return {ei + itg, ei};
    }
    switch (l) {
    case H: return {itg, 0};
    case JS: return {itg / 2, -itg / 2};
    case J: {
        const auto &v = detail::TableJ[k][g - 6];
        return {100 * v[0], 100 * v[1]};
    }
    default: break;
    }
    int es = -100 * fdArbre(l, s);
    const bool delta = s >= 2 && !au500(s) && g >= 3 && g <= (l <= N ? 8 : 7);
    if (delta)
        es += it(g, k) - it(g - 1, k);
    if (l == N && g > 8)
        es = s == 1 ? -400 : au500(s) ? es : 0;
    if (l == K && g > 8)
        es = 0;
    // The standard departs from its rule for M6 above 250 up to 315.
    if (l == M && g == 6 && k == 10)
        es = -900;
    return {es, es - itg};
}

constexpr EcartsCentiemes regle(Cote cote, int l, int g, int s)
{
    return cote == Cote::Alesage ? regleAlesage(l, g, s) : regleArbre(l, g, s);
}

constexpr bool classeExiste(Cote cote, int l, int g)
{
    for (int s = 0; s < NbSousEtapesCompletes; ++s)
        if (existe(cote, l, g, s))
            return true;
    return false;
}

constexpr int compterClasses(Cote cote)
{
    int n = 0;
    for (int l = 0; l < NbL; ++l)
        for (int r = 0; r < NbGradesComplets; ++r)
            n += classeExiste(cote, l, gradeDeRang(r));
    return n;
}
constexpr int NbClassesAlesage = compterClasses(Cote::Alesage);
constexpr int NbClassesArbre = compterClasses(Cote::Arbre);

// The default letter index of a whole-system letter, -1 for CD, EF, FG, V, Y.
constexpr int lettreDefaut(int l)
{
    for (std::size_t i = 0; i < lettres_iso::DefautAlesage.size(); ++i)
        if (lettres_iso::DefautAlesage[i] == lettres_iso::CompletAlesage[l])
            return static_cast<int>(i);
    return -1;
}

using Texte = std::array<char, 6>; // at most "ZC18" or "E11*"

constexpr Texte composer(Cote cote, int l, int g)
{
    Texte t{};
    std::size_t n = 0;
    for (char c : lettresDe(cote, Systeme::Complet)[l])
        t[n++] = c;
    if (g == Grade01) {
        t[n++] = '0';
        t[n++] = '1';
    } else {
        if (g >= 10)
            t[n++] = static_cast<char>('0' + g / 10);
        t[n++] = static_cast<char>('0' + g % 10);
    }
    const int ld = lettreDefaut(l);
    if (ld >= 0 && detail::estEtoilee(cote, ld, g))
        t[n++] = '*';
    return t;
}

constexpr std::size_t longueur(const Texte &t)
{
    std::size_t n = 0;
    while (n < t.size() && t[n])
        ++n;
    return n;
}

constexpr std::int32_t Absent = std::numeric_limits<std::int32_t>::min();

template <int NbClasses>
struct Table {
    std::array<Texte, NbClasses> textes{};
    std::array<std::int8_t, NbClasses> lettre{};
    std::array<std::int8_t, NbClasses> grade{};
    std::array<std::array<EcartsCentiemes, NbSousEtapesCompletes>, NbClasses> ecarts{};
};

template <Cote Side, int NbClasses>
constexpr Table<NbClasses> construire()
{
    Table<NbClasses> t{};
    int i = 0;
    for (int l = 0; l < NbL; ++l) {
        for (int r = 0; r < NbGradesComplets; ++r) {
            const int g = gradeDeRang(r);
            if (!classeExiste(Side, l, g))
                continue;
            t.textes[i] = composer(Side, l, g);
            t.lettre[i] = static_cast<std::int8_t>(l);
            t.grade[i] = static_cast<std::int8_t>(g);
            for (int s = 0; s < NbSousEtapesCompletes; ++s)
                t.ecarts[i][s] = existe(Side, l, g, s) ? regle(Side, l, g, s) : EcartsCentiemes{Absent, Absent};
            ++i;
        }
    }
    return t;
}

constexpr auto TableAlesage = construire<Cote::Alesage, NbClassesAlesage>();
constexpr auto TableArbre = construire<Cote::Arbre, NbClassesArbre>();

template <int NbClasses>
constexpr std::array<std::string_view, NbClasses> vues(const std::array<Texte, NbClasses> &textes)
{
    std::array<std::string_view, NbClasses> v{};
    for (int i = 0; i < NbClasses; ++i)
        v[i] = std::string_view(textes[i].data(), longueur(textes[i]));
    return v;
}
constexpr auto TextesAlesage = vues<NbClassesAlesage>(TableAlesage.textes);
constexpr auto TextesArbre = vues<NbClassesArbre>(TableArbre.textes);

constexpr std::span<const std::string_view> textes(Cote cote)
{
    if (cote == Cote::Alesage)
        return TextesAlesage;
    return TextesArbre;
}

constexpr EcartsCentiemes cellule(Cote cote, int classe, int s)
{
    return cote == Cote::Alesage ? TableAlesage.ecarts[classe][s] : TableArbre.ecarts[classe][s];
}

// Upper minus lower is the class's IT in every cell, the tabulated J values
// and the exceptions included; JS and js are symmetric.
template <int NbClasses>
constexpr bool cellulesCoherentes(const Table<NbClasses> &t)
{
    for (int i = 0; i < NbClasses; ++i)
        for (int s = 0; s < NbSousEtapesCompletes; ++s) {
            const EcartsCentiemes e = t.ecarts[i][s];
            if (e.sup == Absent)
                continue;
            if (e.sup - e.inf != it(t.grade[i], etapeDeSousEtapeComplete(s)))
                return false;
            if (t.lettre[i] == JS && e.sup != -e.inf)
                return false;
        }
    return true;
}
static_assert(cellulesCoherentes(TableAlesage) && cellulesCoherentes(TableArbre));

// The restrictions: nothing in IT01 or IT0 above 500 mm, nothing in IT14 ..
// IT18 nor in A, B at D <= 1, no CD, EF, FG above 10 mm, only d .. u and
// D .. U above 500 mm.
template <int NbClasses>
constexpr bool restrictionsTenues(const Table<NbClasses> &t)
{
    for (int i = 0; i < NbClasses; ++i)
        for (int s = 0; s < NbSousEtapesCompletes; ++s) {
            if (t.ecarts[i][s].sup == Absent)
                continue;
            const int g = t.grade[i], l = t.lettre[i];
            if ((g <= 0 && au500(s)) || (g >= 14 && s == 0) || ((l == A || l == B) && s == 0))
                return false;
            if ((l == CD || l == EF || l == FG) && BornesSousEtapesCompletes[s + 1] > 10)
                return false;
            if (au500(s) && (l < D || l == J || l == CD || l == EF || l == FG || l > U))
                return false;
        }
    return true;
}
static_assert(restrictionsTenues(TableAlesage) && restrictionsTenues(TableArbre));

// The whole system holds every default class under its own text, star
// included (its cells are compared with the default ones by the tests).
constexpr bool contientDefaut(Cote cote)
{
    const auto tout = textes(cote);
    for (int c = 0; c < detail::nbClasses(cote); ++c) {
        int i = 0;
        while (i < int(tout.size()) && tout[i] != detail::textes(cote)[c])
            ++i;
        if (i == int(tout.size()))
            return false;
    }
    return true;
}
static_assert(contientDefaut(Cote::Alesage) && contientDefaut(Cote::Arbre));

template <int Taille>
constexpr std::array<std::int16_t, Taille> correspondances(Cote cote, bool versComplet)
{
    std::array<std::int16_t, Taille> t{};
    t.fill(-1);
    const auto tout = textes(cote);
    for (int c = 0; c < detail::nbClasses(cote); ++c)
        for (int i = 0; i < int(tout.size()); ++i)
            if (tout[i] == detail::textes(cote)[c]) {
                if (versComplet)
                    t[c] = static_cast<std::int16_t>(i);
                else
                    t[i] = static_cast<std::int16_t>(c);
            }
    return t;
}
constexpr auto CompletDeDefautAlesage = correspondances<detail::TextesAlesage.size()>(Cote::Alesage, true);
constexpr auto CompletDeDefautArbre = correspondances<detail::TextesArbre.size()>(Cote::Arbre, true);
constexpr auto DefautDeCompletAlesage = correspondances<NbClassesAlesage>(Cote::Alesage, false);
constexpr auto DefautDeCompletArbre = correspondances<NbClassesArbre>(Cote::Arbre, false);

constexpr int HachageBits = 11;
static_assert((1 << HachageBits) >= 2 * NbClassesAlesage && (1 << HachageBits) >= 2 * NbClassesArbre);
constexpr auto HachageAlesage = detail::construireHachage<HachageBits>(TextesAlesage);
constexpr auto HachageArbre = detail::construireHachage<HachageBits>(TextesArbre);

// Grades of each letter defined in each sub-step.
using Masques = std::array<std::array<std::uint32_t, NbSousEtapesCompletes>, NbL>;
template <int NbClasses>
constexpr Masques masques(const Table<NbClasses> &t)
{
    Masques m{};
    for (int i = 0; i < NbClasses; ++i)
        for (int s = 0; s < NbSousEtapesCompletes; ++s)
            if (t.ecarts[i][s].sup != Absent)
                m[t.lettre[i]][s] |= bitGrade(t.grade[i]);
    return m;
}
constexpr Masques MasquesAlesage = masques(TableAlesage);
constexpr Masques MasquesArbre = masques(TableArbre);

} // namespace

std::span<const std::string_view> catalogueComplet(Cote cote) { return textes(cote); }

int indexComplet(Cote cote, std::string_view texte)
{
    return cote == Cote::Alesage ? detail::chercherHachage<HachageBits>(HachageAlesage, texte)
                                 : detail::chercherHachage<HachageBits>(HachageArbre, texte);
}

std::optional<EcartsCentiemes> ecartsComplets(Cote cote, int classe, int sousEtape)
{
    if (classe < 0 || classe >= int(textes(cote).size()) || sousEtape < 0 || sousEtape >= NbSousEtapesCompletes)
        return std::nullopt;
    const EcartsCentiemes e = cellule(cote, classe, sousEtape);
    if (e.sup == Absent)
        return std::nullopt;
    return e;
}

int itComplet(int grade, int etape) { return it(grade, etape); }

std::uint32_t masqueGradesComplet(Cote cote, int lettre, int sousEtape)
{
    if (lettre < 0 || lettre >= NbL || sousEtape < 0 || sousEtape >= NbSousEtapesCompletes)
        return 0;
    return cote == Cote::Alesage ? MasquesAlesage[lettre][sousEtape] : MasquesArbre[lettre][sousEtape];
}

int completDeDefaut(Cote cote, int classeDefaut)
{
    if (classeDefaut < 0 || classeDefaut >= detail::nbClasses(cote))
        return -1;
    return cote == Cote::Alesage ? CompletDeDefautAlesage[classeDefaut] : CompletDeDefautArbre[classeDefaut];
}

int defautDeComplet(Cote cote, int classeComplete)
{
    if (classeComplete < 0 || classeComplete >= int(textes(cote).size()))
        return -1;
    return cote == Cote::Alesage ? DefautDeCompletAlesage[classeComplete] : DefautDeCompletArbre[classeComplete];
}

} // namespace vestrel
