#pragma once

#include "tables/classe.h"
#include "tables/cote.h"
#include "tables/systeme.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vestrel {

// Class texts of a catalogue offered in the class list at diameter d, in list
// order. Outside every sub-step of the catalogue (by default d <= 1, d > 500;
// for the whole system d <= 0, d > 3150; NaN) the whole catalogue is offered.
std::vector<std::string_view> classesOffertes(Cote cote, double d, Systeme systeme = Systeme::Defaut);

// Whether catalogue class `classe` is offered in sub-step s (0..24) of the
// default catalogue.
bool estOfferte(Cote cote, int classe, int sousEtape);

// The sub-step of a catalogue holding d (sousEtape or sousEtapeComplete),
// -1 outside its range.
int sousEtapeDe(double d, Systeme systeme);

// The deviations of catalogue class `classe` in the catalogue's sub-step s
// when the list offers it there, hundredths of a micrometre.
std::optional<EcartsCentiemes> ecartsOfferts(Cote cote, int classe, int sousEtape, Systeme systeme);

// Grades enabled on the toolbar for letter code `lettre` (index in
// lettres(cote, systeme)) at d, as a bit mask (bitGrade: bit g set, grade g
// enabled). Empty when d lies outside the catalogue's range. A mask of 0
// means every grade disabled (T/t up to 24 mm).
std::optional<unsigned> gradesActifs(Cote cote, int lettre, double d, Systeme systeme = Systeme::Defaut);

// The grades of gradesActifs whose class has deviations at d: those a
// toolbar may compose there. 0 outside the catalogue's range (T9 and t9,
// enabled from 180 to 200 mm where they have no deviations, are left out).
unsigned gradesComposables(Cote cote, int lettre, double d, Systeme systeme = Systeme::Defaut);

} // namespace vestrel
