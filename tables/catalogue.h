#pragma once

#include "tables/classe.h"
#include "tables/cote.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vestrel {

// Letter codes of the default catalogue; the whole system has 28.
inline constexpr int NbLettres = 23;
int nbLettres(Systeme systeme);

// The class texts of a side of a catalogue in list order, stars included:
// 119 bore or 123 shaft classes by default.
std::span<const std::string_view> catalogue(Cote cote, Systeme systeme = Systeme::Defaut);
// The letter codes of a side in list order ("A" .. "ZC" or "a" .. "zc").
std::span<const std::string_view> lettres(Cote cote, Systeme systeme = Systeme::Defaut);
// Position of a class text in the catalogue; exact, case-sensitive
// comparison ("E11" without its star is no class).
std::optional<int> indexClasse(Cote cote, std::string_view texte, Systeme systeme = Systeme::Defaut);

// Toolbar grades: by default bore cells are grades 6..18 (13 cells), shaft
// cells 5..18 (14 cells); the whole system has IT01, IT0 .. IT18 on both
// sides (20 cells, the first one Grade01).
int premierGrade(Cote cote, Systeme systeme = Systeme::Defaut);
int nbGrades(Cote cote, Systeme systeme = Systeme::Defaut);

// Text of the class composed from letter code `lettre` (index in
// lettres(cote, systeme)) and a grade: letter code, grade, and "*" for the
// classes outside the DIN standard (E11*, E12*, c12*, e10*, e11*, e12*).
std::string composerClasse(Cote cote, int lettre, int grade, Systeme systeme = Systeme::Defaut);

} // namespace vestrel
