#pragma once

#include <string>
#include <string_view>

namespace vestrel {

// Reads the leading number of a text, with "." or "," as decimal separator
// (a French user types a comma): optional blanks (spaces, tabs), an optional
// sign, digits with at most one separator; a second one ends the number.
// Reading stops at the first character that cannot continue the number, and
// after at most LongueurNombreMax characters of digits and ".": further
// digits are ignored, so the value stays below 1e40 and is never infinite.
// A text without a leading number reads as 0 (never -0). Exponents,
// hexadecimal, "nan", "inf" and non-ASCII digits are not part of a number
// ("1e400" reads 1, "25,4" reads 25.4, "12,5.3" reads 12.5, "0x10" reads 0).
inline constexpr int LongueurNombreMax = 40;
double lireNombre(std::string_view texte);

// General number text: rounded to 15 significant digits, plain decimal
// notation (never an exponent), "." as separator, no trailing zeros, "-" for
// negatives, no "+". Zero (also -0) is "0".
std::string texteNombre(double v);

// Reads a text written by texteNombre or texteJeu back whole, whatever its
// length (a shown size may have more digits than typing can give). Anything
// else is read as lireNombre reads it.
double lireTexteNombre(std::string_view texte);

// The value of texteNombre(v) read back (v rounded to 15 significant
// digits), without writing the text where the rounding is plain.
double arrondi15(double v);

// Clearance text, pattern "##0.0000": four decimals, "." as separator.
// A value that rounds to zero is "0.0000", never "-0.0000". The text never
// shows more significant digits than the general number text of the value:
// from about 1e11 on, the digits past the fifteenth are zeros, not those of
// the binary value.
std::string texteJeu(double v);
// The value of texteJeu(v) read back, without writing the text where its
// rounding is plain; the two follow one rule.
double valeurJeu(double v);

// Keys accepted while typing: the diameter and the two sizes take digits and
// either decimal separator, "." or "," (kept as typed: lireNombre reads both);
// the four deviations also take "-". Backspace (8) is always accepted.
enum class Filtre { Diametre, Taille, Ecart };
bool caractereAccepte(Filtre filtre, char32_t c);

} // namespace vestrel
