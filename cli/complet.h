#pragma once

// vestrel-fit --complete: what the whole ISO 286 system adds to the command.

#include "tables/classe.h"
#include "tables/cote.h"

#include <string>
#include <string_view>

namespace vestrel {

// The diameter range of a catalogue as the diagnostics write it.
std::string_view texteDomaine(Systeme systeme);

// Why a class text is refused without --complete when the whole system
// offers it ("" when it does not).
std::string indiceComplet(Cote cote, std::string_view classe);

// Every cell of the whole system as CSV (kind,class,lo,hi,upper_um,lower_um),
// in list order: the first step as 0,3 (1,3 for a class not defined for
// D <= 1 mm), the default sub-steps up to 500 mm, then the main steps above
// 500, or their sub-steps for a class that changes by sub-step there.
std::string tableComplete();

} // namespace vestrel
