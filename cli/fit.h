#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

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

// An argument quoted for a diagnostic: at most 40 bytes, every byte that is
// not printable ASCII escaped, so the line stays one clean line.
std::string citerArgument(std::string_view texte);

// A whole plain decimal number: an optional "-", digits with at most one
// "." or "," as separator. Sets `v` when it is a Nombre.
enum class LectureArgument { Nombre, Malforme, HorsLimites };
LectureArgument lireNombreArgument(std::string_view texte, double &v);

} // namespace vestrel
