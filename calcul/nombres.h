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

// A number as the windows show it: rounded to 15 significant digits, the
// value of texteNombre(v) read back, without writing the text where the
// rounding is plain. Limit sizes are shown this way.
double arrondi15(double v);

// The difference a - b of two numbers as shown (their general number
// texts), exact, as a plain decimal text: 2.01 - 1.984 is "0.026", and
// 12.30025 - 12.3 is "0.00025", where the binary differences are
// 0.0259999999999998 and 0.000249999999999062.
std::string differenceAffichee(double a, double b);
// The middle of two plain decimal texts, exact: "0.026" and "0.006" give
// "0.016".
std::string moyenneDecimale(std::string_view a, std::string_view b);

// Clearance text, pattern "##0.0000": four decimals, "." as separator. The
// decimal text (for a double, its general number text) is rounded to four
// decimals, half away from zero: 0.00015 is "0.0002", -0.00025 is
// "-0.0003", whatever the binary value lying near the tie. A value that
// rounds to zero is "0.0000", never "-0.0000". From about 1e11 on, the
// digits of a double past the fifteenth are zeros, not those of the binary
// value.
std::string texteJeu(double v);
std::string texteJeuDecimal(std::string_view decimal);
// The value of texteJeu(v) read back, without writing the text where its
// rounding is plain; the two follow one rule.
double valeurJeu(double v);

// Keys accepted while typing: the diameter and the two sizes take digits and
// either decimal separator, "." or "," (kept as typed: lireNombre reads both);
// the four deviations also take "-". Backspace (8) is always accepted.
enum class Filtre { Diametre, Taille, Ecart };
bool caractereAccepte(Filtre filtre, char32_t c);

// Whether a box of `filtre` may hold `texte` (UTF-8): what can still become
// a number there, an optional "-" first (deviations only), then digits with
// at most one decimal separator, "." or ",". The empty text and a lone "-"
// may (the number is being typed); "25,5,5", "--0.1" and "0.1-" may not.
bool formeNombre(Filtre filtre, std::string_view texte);

// Whether a text a box may hold gives a number, not the 0 of an empty box:
// it has a digit ("", "-", "." and "-," have none).
bool nombreSaisi(std::string_view texte);

} // namespace vestrel
