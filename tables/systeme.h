#pragma once

// The whole ISO 286 system: every letter with every grade IT01 to IT18 where
// the standard defines the class, 0 < D <= 3150 mm, on the sub-steps of
// etapes.h (BornesSousEtapesCompletes).

#include "tables/cote.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vestrel {

// Limit deviations in hundredths of a micrometre: the IT01 and IT0 values
// have tenths, and JS01 halves them.
struct EcartsCentiemes {
    std::int32_t sup = 0;
    std::int32_t inf = 0;

    friend bool operator==(const EcartsCentiemes &, const EcartsCentiemes &) = default;
};
inline constexpr double CentiemesParMm = 100000;
// The double nearest the decimal value (2.5 um -> 0.0025 mm).
constexpr double centiemesEnMm(std::int32_t c) { return c / CentiemesParMm; }

// The whole system's class texts in list order: by letter in the standard's
// order, then by grade (01, 0, 1 .. 18); the default catalogue's starred
// classes keep their star.
std::span<const std::string_view> catalogueComplet(Cote cote);
// Position of a class text in catalogueComplet(cote), or -1.
int indexComplet(Cote cote, std::string_view texte);

// The deviations of whole-system class `classe` in whole-system sub-step
// `sousEtape` (0..41), or nothing where the standard does not define it.
std::optional<EcartsCentiemes> ecartsComplets(Cote cote, int classe, int sousEtape);

// Standard tolerance grade ITn (n = Grade01, 0 .. 18) of whole-system step
// k (0..20), hundredths of a micrometre; -1 where the standard gives none.
int itComplet(int grade, int etape);

// Grades of letter `lettre` (index in lettresDe(cote, Systeme::Complet))
// defined in whole-system sub-step s, one bit per grade (bitGrade).
std::uint32_t masqueGradesComplet(Cote cote, int lettre, int sousEtape);

// The same class in the other catalogue: the whole-system index of a default
// class, and the default index of a whole-system class (-1 for none).
int completDeDefaut(Cote cote, int classeDefaut);
int defautDeComplet(Cote cote, int classeComplete);

} // namespace vestrel
