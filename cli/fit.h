#pragma once

#include <ostream>
#include <span>
#include <string>

namespace vestrel {

// Exit codes of vestrel-fit.
inline constexpr int SortieOk = 0;
inline constexpr int SortieAucunAjustement = 1; // --find: no fit matches, the nearest are printed
inline constexpr int SortieEcriture = 1;   // the output could not be written
inline constexpr int SortieMauvaiseEntree = 2;

// Runs vestrel-fit with its arguments (without the program name). Results go
// to `out`, a single diagnostic line to `err`; on bad input nothing at all is
// written to `out`.
int executerFit(std::span<const std::string> args, std::ostream &out, std::ostream &err);

} // namespace vestrel
