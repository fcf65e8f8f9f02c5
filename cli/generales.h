#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace vestrel {

// Whether the arguments ask for the general tolerances of ISO 2768-1
// (--general, --class or --kind among them).
bool demandeGenerale(std::span<const std::string> args);

// vestrel-fit --general SIZE [--class f|m|c|v] [--kind linear|edge|angle]
// [--json]: the deviation and limits of one class, or of the four. Same
// contract as executerFit: results to `out`, or one line to `err` and
// status 2 with nothing on `out`.
int executerGenerale(std::span<const std::string> args, std::ostream &out, std::ostream &err);

// The help text of these options, part of vestrel-fit --help.
extern const std::string_view AideGenerale;

} // namespace vestrel
