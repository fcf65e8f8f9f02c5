#pragma once

#include "tables/classe.h"

#include <string>
#include <string_view>

namespace vestrel {

// Nominal diameters the tables cover: 1 < D <= 500 mm.
inline constexpr double DiametreMin = 1;   // excluded
inline constexpr double DiametreMax = 500; // included
// The whole ISO 286 system covers 0 < D <= 3150 mm.
inline constexpr double DiametreMaxComplet = 3150; // included
// The range of a catalogue, lo < D <= hi: what the tables cover and what
// the diameter warning states.
struct PlageDiametres {
    double min = 0; // excluded
    double max = 0; // included
};
constexpr PlageDiametres plageDiametres(Systeme systeme = Systeme::Defaut)
{
    return systeme == Systeme::Complet ? PlageDiametres{0, DiametreMaxComplet} : PlageDiametres{DiametreMin, DiametreMax};
}
constexpr bool diametreValide(double d, Systeme systeme = Systeme::Defaut)
{
    const PlageDiametres p = plageDiametres(systeme);
    return d > p.min && d <= p.max;
}

// The fit the window opens on, and comes back to after a diameter outside
// the range: 2 mm, H7/f7.
inline constexpr std::string_view TexteDiametreDefaut = "2";
inline constexpr double DiametreDefaut = 2;
inline constexpr std::string_view ClasseDefautAlesage = "H7";
inline constexpr std::string_view ClasseDefautArbre = "f7";

// Kind of fit from the maximum clearance M and the minimum m: serrage
// (interference, red) when M < 0 and m <= 0; else jeu (clearance, blue) when
// M > 0 and m >= 0; else incertain (transition, black).
enum class Nature { Jeu, Incertain, Serrage };
Nature natureAjustement(double jeuMax, double jeuMin);

// One clearance as shown: its four-decimal text with "." as separator, and
// the value of that text.
struct Jeu {
    double valeur = 0;
    std::string texte;

    friend bool operator==(const Jeu &, const Jeu &) = default;
};

// The clearances of a fit from its four limit sizes (mm). Each is the
// difference of the two sizes as shown (15 significant digits), exact, so
// 2.01 - 1.984 gives 0.0260 and not the binary rounding error, and a tie of
// the fifth decimal rounds away from zero (12.30025 - 12.3 gives 0.0003); the
// kind of fit is decided on the four-decimal texts. The mean clearance is
// the middle of the two exact clearances.
struct Jeux {
    Jeu max;
    Jeu min;
    Jeu moyen;
    Nature nature = Nature::Incertain;

    friend bool operator==(const Jeux &, const Jeux &) = default;
};
Jeux calculerJeux(double alesageMax, double alesageMin, double arbreMax, double arbreMin);

// The values of calculerJeux's three clearances without their texts, for
// the many pairs of a search.
struct ValeursJeux {
    double max = 0, min = 0, moyen = 0;
};
ValeursJeux valeursJeux(double alesageMax, double alesageMin, double arbreMax, double arbreMin);

} // namespace vestrel
