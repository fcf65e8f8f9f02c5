#pragma once

#include "tables/cote.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vestrel {

inline constexpr int NbLettres = 23;

// The 119 bore or 123 shaft class texts in list order, stars included.
std::span<const std::string_view> catalogue(Cote cote);
// The 23 letter codes of a side in list order ("A" .. "ZC" or "a" .. "zc").
std::span<const std::string_view> lettres(Cote cote);
// Position of a class text in the catalogue; exact, case-sensitive
// comparison ("E11" without its star is no class).
std::optional<int> indexClasse(Cote cote, std::string_view texte);

// Toolbar grades: bore cells are grades 6..18 (13 cells), shaft cells 5..18
// (14 cells).
int premierGrade(Cote cote);
int nbGrades(Cote cote);

// Text of the class composed from letter code `lettre` (0..22) and a grade:
// letter code, grade, and "*" for the classes outside the DIN standard
// (E11*, E12*, c12*, e10*, e11*, e12*).
std::string composerClasse(Cote cote, int lettre, int grade);

} // namespace vestrel
