#pragma once

#include "tables/cote.h"

#include <optional>
#include <string_view>
#include <vector>

namespace vestrel {

// Class texts offered in the class list at diameter d, in list order. Outside
// every sub-step (d <= 1, d > 500, NaN) the whole catalogue is offered.
std::vector<std::string_view> classesOffertes(Cote cote, double d);

// Whether catalogue class `classe` is offered in sub-step s (0..24).
bool estOfferte(Cote cote, int classe, int sousEtape);

// Grades enabled on the toolbar for letter code `lettre` (0..22) at d, as a
// bit mask (bit g set: grade g enabled). Empty when no range of the letter
// holds d (d outside 1 < D <= 500). A mask of 0 means every grade disabled
// (T/t up to 24 mm).
std::optional<unsigned> gradesActifs(Cote cote, int lettre, double d);

// The grades of gradesActifs whose class has deviations at d: those a
// toolbar may compose there. 0 outside 1 < D <= 500 (T9 and t9, enabled
// from 180 to 200 mm where they have no deviations, are left out).
unsigned gradesComposables(Cote cote, int lettre, double d);

} // namespace vestrel
