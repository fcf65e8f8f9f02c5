#include "tables/ecarts.h"

#include "tables/catalogue.h"
#include "tables/classes.h"
#include "tables/etapes.h"

#include <array>
#include <bit>
#include <stdexcept>

// The deviation of every (class, sub-step) cell is computed at compile time
// from the standard's small tables and rules; nothing here is typed out per
// cell. A rule applied where the standard gives no value stops compilation.

namespace vestrel {

namespace {

using namespace detail;

constexpr int Aucun = 99999; // no class of that letter in the sub-step

// Fundamental deviations of holes A..G (EI) and the K, M, N bases, micrometres, ISO 286-1.
constexpr int FDAlesageAN[NbSousEtapes][10] = {
    // A     B    C    D    E   F   G   K    M    N
    {270, 140, 60, 20, 14, 6, 2, 0, -2, -4},          // 1-3
    {270, 140, 70, 30, 20, 10, 4, -1, -4, -8},        // 3-6
    {280, 150, 80, 40, 25, 13, 5, -1, -6, -10},       // 6-10
    {290, 150, 95, 50, 32, 16, 6, -1, -7, -12},       // 10-14
    {290, 150, 95, 50, 32, 16, 6, -1, -7, -12},       // 14-18
    {300, 160, 110, 65, 40, 20, 7, -2, -8, -15},      // 18-24
    {300, 160, 110, 65, 40, 20, 7, -2, -8, -15},      // 24-30
    {310, 170, 120, 80, 50, 25, 9, -2, -9, -17},      // 30-40
    {320, 180, 130, 80, 50, 25, 9, -2, -9, -17},      // 40-50
    {340, 190, 140, 100, 60, 30, 10, -2, -11, -20},   // 50-65
    {360, 200, 150, 100, 60, 30, 10, -2, -11, -20},   // 65-80
    {380, 220, 170, 120, 72, 36, 12, -3, -13, -23},   // 80-100
    {410, 240, 180, 120, 72, 36, 12, -3, -13, -23},   // 100-120
    {460, 260, 200, 145, 85, 43, 14, -3, -15, -27},   // 120-140
    {520, 280, 210, 145, 85, 43, 14, -3, -15, -27},   // 140-160
    {580, 310, 230, 145, 85, 43, 14, -3, -15, -27},   // 160-180
    {660, 340, 240, 170, 100, 50, 15, -4, -17, -31},  // 180-200
    {740, 380, 260, 170, 100, 50, 15, -4, -17, -31},  // 200-225
    {820, 420, 280, 170, 100, 50, 15, -4, -17, -31},  // 225-250
    {920, 480, 300, 190, 110, 56, 17, -4, -20, -34},  // 250-280
    {1050, 540, 330, 190, 110, 56, 17, -4, -20, -34}, // 280-315
    {1200, 600, 360, 210, 125, 62, 18, -4, -21, -37}, // 315-355
    {1350, 680, 400, 210, 125, 62, 18, -4, -21, -37}, // 355-400
    {1500, 760, 440, 230, 135, 68, 20, -5, -23, -40}, // 400-450
    {1650, 840, 480, 230, 135, 68, 20, -5, -23, -40}, // 450-500
};

// Fundamental deviations of holes P..ZC (ES from grade 8, base for delta below), micrometres, ISO 286-1.
constexpr int FDAlesagePZC[NbSousEtapes][10] = {
    // P    R     S     T      U     X      Z     ZA     ZB     ZC
    {-6, -10, -14, Aucun, -18, -20, -26, -32, -40, -60},             // 1-3
    {-12, -15, -19, Aucun, -23, -28, -35, -42, -50, -80},            // 3-6
    {-15, -19, -23, Aucun, -28, -34, -42, -52, -67, -97},            // 6-10
    {-18, -23, -28, Aucun, -33, -40, -50, -64, -90, -130},           // 10-14
    {-18, -23, -28, Aucun, -33, -45, -60, -77, -108, -150},          // 14-18
    {-22, -28, -35, Aucun, -41, -54, -73, -98, -136, -188},          // 18-24
    {-22, -28, -35, -41, -48, -64, -88, -118, -160, -218},           // 24-30
    {-26, -34, -43, -48, -60, -80, -112, -148, -200, -274},          // 30-40
    {-26, -34, -43, -54, -70, -97, -136, -180, -242, -325},          // 40-50
    {-32, -41, -53, -66, -87, -122, -172, -226, -300, -405},         // 50-65
    {-32, -43, -59, -75, -102, -146, -210, -274, -360, -480},        // 65-80
    {-37, -51, -71, -91, -124, -178, -258, -335, -445, -585},        // 80-100
    {-37, -54, -79, -104, -144, -210, -310, -400, -525, -690},       // 100-120
    {-43, -63, -92, -122, -170, -248, -365, -470, -620, -800},       // 120-140
    {-43, -65, -100, -134, -190, -280, -415, -535, -700, -900},      // 140-160
    {-43, -68, -108, -146, -210, -310, -465, -600, -780, -1000},     // 160-180
    {-50, -77, -122, -166, -236, -350, -520, -670, -880, -1150},     // 180-200
    {-50, -80, -130, -180, -258, -385, -575, -740, -960, -1250},     // 200-225
    {-50, -84, -140, -196, -284, -425, -640, -820, -1050, -1350},    // 225-250
    {-56, -94, -158, -218, -315, -475, -710, -920, -1200, -1550},    // 250-280
    {-56, -98, -170, -240, -350, -525, -790, -1000, -1300, -1700},   // 280-315
    {-62, -108, -190, -268, -390, -590, -900, -1150, -1500, -1900},  // 315-355
    {-62, -114, -208, -294, -435, -660, -1000, -1300, -1650, -2100}, // 355-400
    {-68, -126, -232, -330, -490, -740, -1100, -1450, -1850, -2400}, // 400-450
    {-68, -132, -252, -360, -540, -820, -1250, -1600, -2100, -2600}, // 450-500
};

// Delta added to the K..ZC bases for grades 6, 7, 8, by diameter step, micrometres, ISO 286-1.
constexpr int Delta[3][NbEtapes] = {
    {0, 3, 3, 3, 4, 5, 6, 7, 7, 9, 9, 11, 13},         // 6
    {0, 4, 6, 7, 8, 9, 11, 13, 15, 17, 20, 21, 23},    // 7
    {0, 6, 7, 9, 12, 14, 16, 19, 23, 26, 29, 32, 34},  // 8
};

// Limit deviations of J6, J7, J8 (ES, EI) by diameter step, micrometres, ISO 286-2.
constexpr int TableJ[NbEtapes][3][2] = {
    {{2, -4}, {4, -6}, {6, -8}},       // 1-3
    {{5, -3}, {6, -6}, {10, -8}},      // 3-6
    {{5, -4}, {8, -7}, {12, -10}},     // 6-10
    {{6, -5}, {10, -8}, {15, -12}},    // 10-18
    {{8, -5}, {12, -9}, {20, -13}},    // 18-30
    {{10, -6}, {14, -11}, {24, -15}},  // 30-50
    {{13, -6}, {18, -12}, {28, -18}},  // 50-80
    {{16, -6}, {22, -13}, {34, -20}},  // 80-120
    {{18, -7}, {26, -14}, {41, -22}},  // 120-180
    {{22, -7}, {30, -16}, {47, -25}},  // 180-250
    {{25, -7}, {36, -16}, {55, -26}},  // 250-315
    {{29, -7}, {39, -18}, {60, -29}},  // 315-400
    {{33, -7}, {43, -20}, {66, -31}},  // 400-500
};

// Fundamental deviations of shafts a..g (es) and the lower deviations of j, k, m, n, micrometres, ISO 286-1.
constexpr int FDArbreAN[NbSousEtapes][12] = {
    //  a      b     c     d     e    f    g  j5,6  j7  k5-7  m   n
    {-270, -140, -60, -20, -14, -6, -2, -2, -4, 0, 2, 4},              // 1-3
    {-270, -140, -70, -30, -20, -10, -4, -2, -4, 1, 4, 8},             // 3-6
    {-280, -150, -80, -40, -25, -13, -5, -2, -5, 1, 6, 10},            // 6-10
    {-290, -150, -95, -50, -32, -16, -6, -3, -6, 1, 7, 12},            // 10-14
    {-290, -150, -95, -50, -32, -16, -6, -3, -6, 1, 7, 12},            // 14-18
    {-300, -160, -110, -65, -40, -20, -7, -4, -8, 2, 8, 15},           // 18-24
    {-300, -160, -110, -65, -40, -20, -7, -4, -8, 2, 8, 15},           // 24-30
    {-310, -170, -120, -80, -50, -25, -9, -5, -10, 2, 9, 17},          // 30-40
    {-320, -180, -130, -80, -50, -25, -9, -5, -10, 2, 9, 17},          // 40-50
    {-340, -190, -140, -100, -60, -30, -10, -7, -12, 2, 11, 20},       // 50-65
    {-360, -200, -150, -100, -60, -30, -10, -7, -12, 2, 11, 20},       // 65-80
    {-380, -220, -170, -120, -72, -36, -12, -9, -15, 3, 13, 23},       // 80-100
    {-410, -240, -180, -120, -72, -36, -12, -9, -15, 3, 13, 23},       // 100-120
    {-460, -260, -200, -145, -85, -43, -14, -11, -18, 3, 15, 27},      // 120-140
    {-520, -280, -210, -145, -85, -43, -14, -11, -18, 3, 15, 27},      // 140-160
    {-580, -310, -230, -145, -85, -43, -14, -11, -18, 3, 15, 27},      // 160-180
    {-660, -340, -240, -170, -100, -50, -15, -13, -21, 4, 17, 31},     // 180-200
    {-740, -380, -260, -170, -100, -50, -15, -13, -21, 4, 17, 31},     // 200-225
    {-820, -420, -280, -170, -100, -50, -15, -13, -21, 4, 17, 31},     // 225-250
    {-920, -480, -300, -190, -110, -56, -17, -16, -26, 4, 20, 34},     // 250-280
    {-1050, -540, -330, -190, -110, -56, -17, -16, -26, 4, 20, 34},    // 280-315
    {-1200, -600, -360, -210, -125, -62, -18, -18, -28, 4, 21, 37},    // 315-355
    {-1350, -680, -400, -210, -125, -62, -18, -18, -28, 4, 21, 37},    // 355-400
    {-1500, -760, -440, -230, -135, -68, -20, -20, -32, 5, 23, 40},    // 400-450
    {-1650, -840, -480, -230, -135, -68, -20, -20, -32, 5, 23, 40},    // 450-500
};

// Fundamental deviations of shafts p..zc (ei), micrometres, ISO 286-1.
constexpr int FDArbrePZC[NbSousEtapes][10] = {
    // p    r    s     t      u    x     z     za    zb    zc
    {6, 10, 14, Aucun, 18, 20, 26, 32, 40, 60},             // 1-3
    {12, 15, 19, Aucun, 23, 28, 35, 42, 50, 80},            // 3-6
    {15, 19, 23, Aucun, 28, 34, 42, 52, 67, 97},            // 6-10
    {18, 23, 28, Aucun, 33, 40, 50, 64, 90, 130},           // 10-14
    {18, 23, 28, Aucun, 33, 45, 60, 77, 108, 150},          // 14-18
    {22, 28, 35, Aucun, 41, 54, 73, 98, 136, 188},          // 18-24
    {22, 28, 35, 41, 48, 64, 88, 118, 160, 218},            // 24-30
    {26, 34, 43, 48, 60, 80, 112, 148, 200, 274},           // 30-40
    {26, 34, 43, 54, 70, 97, 136, 180, 242, 325},           // 40-50
    {32, 41, 53, 66, 87, 122, 172, 226, 300, 405},          // 50-65
    {32, 43, 59, 75, 102, 146, 210, 274, 360, 480},         // 65-80
    {37, 51, 71, 91, 124, 178, 258, 335, 445, 585},         // 80-100
    {37, 54, 79, 104, 144, 210, 310, 400, 525, 690},        // 100-120
    {43, 63, 92, 122, 170, 248, 365, 470, 620, 800},        // 120-140
    {43, 65, 100, 134, 190, 280, 415, 535, 700, 900},       // 140-160
    {43, 68, 108, 146, 210, 310, 465, 600, 780, 1000},      // 160-180
    {50, 77, 122, 166, 236, 350, 520, 670, 880, 1150},      // 180-200
    {50, 80, 130, 180, 258, 385, 575, 740, 960, 1250},      // 200-225
    {50, 84, 140, 196, 284, 425, 640, 820, 1050, 1350},     // 225-250
    {56, 94, 158, 218, 315, 475, 710, 920, 1200, 1550},     // 250-280
    {56, 98, 170, 240, 350, 525, 790, 1000, 1300, 1700},    // 280-315
    {62, 108, 190, 268, 390, 590, 900, 1150, 1500, 1900},   // 315-355
    {62, 114, 208, 294, 435, 660, 1000, 1300, 1650, 2100},  // 355-400
    {68, 126, 232, 330, 490, 740, 1100, 1450, 1850, 2400},  // 400-450
    {68, 132, 252, 360, 540, 820, 1250, 1600, 2100, 2600},  // 450-500
};

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
constexpr std::uint32_t masqueEtendue(Cote cote, int classe)
{
    for (const Etendue &e : etendues(cote)) {
        if (e.classe != textes(cote)[classe])
            continue;
        std::uint32_t m = 0;
        for (const auto &[lo, hi] : e.morceaux) {
            if (lo == 0 && hi == 0)
                continue;
            for (int s = indexBorne(lo); s < indexBorne(hi); ++s)
                m |= 1u << s;
        }
        return m;
    }
    return (1u << NbSousEtapes) - 1;
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
        const std::uint32_t m = masqueEtendue(Side, c);
        for (int s = 0; s < NbSousEtapes; ++s) {
            t.position[c][s] = -1;
            if (!(m & (1u << s)))
                continue;
            const Valeurs v = regle(Side, c, s);
            t.cellules[n] = {static_cast<std::int16_t>(c), static_cast<std::int8_t>(s), v.sup2, v.inf2};
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

std::optional<PaireEcarts> chercherEcarts(Cote cote, std::string_view classe, double d)
{
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
