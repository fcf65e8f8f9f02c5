#pragma once

#include "calcul/resultat.h"
#include "calcul/service.h"

#include <string>
#include <string_view>

namespace vestrel {

// The shown fit in drawing notation, to paste into a drawing, a report or a
// spreadsheet: deviations with "+" when positive, none on zero, at least
// three decimals in mm and U+2212 for a minus ("+0,021", "0", "−0,020",
// "±0,0125" for a symmetric zone), limit sizes as the window shows them,
// clearances with four decimals. Only the sides that have numbers are given;
// the fit line and the clearances need both. Empty when no side has numbers.
//   Ajustement ∅25 H7/g6 : avec jeu
//   Alésage ∅25 H7 : ES +0,021 ; EI 0 ; maxi 25,021 ; mini 25
//   Arbre ∅25 g6 : es −0,007 ; ei −0,020 ; maxi 24,993 ; mini 24,98
//   Jeu maxi 0,0410 ; jeu mini 0,0070 ; jeu moyen 0,0240
// With `service`, two more lines give the fit in service and the probable
// clearance there:
//   En service : ΔS −0,0180 ; jeu maxi 0,0230 ; jeu mini −0,0110 : incertain
//   Jeu probable (± 3 σ) : de −0,0022 à 0,0142 ; jeu moyen 0,0060 ; avec serrage 7,2 % ; avec jeu 92,8 %
std::string notationTexte(const ResultatAjustement &r, std::string_view separateur,
                          const EtatService *service = nullptr);
// The same values as a small HTML table (pastes as a table).
std::string notationHtml(const ResultatAjustement &r, std::string_view separateur,
                         const EtatService *service = nullptr);

// A deviation in drawing notation ("+0,021", "0", "−0,007").
std::string texteEcartNotation(double mm, std::string_view separateur);

// The line that replaces the results of the free calculator when a side's
// upper deviation is typed below its lower one.
std::string_view texteEcartsInverses(Cote c);

} // namespace vestrel
