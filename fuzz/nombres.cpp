// The number reader and the two number texts: whatever the user types or
// pastes reads as a finite number, and every number the program writes is a
// plain decimal text (no exponent, no "inf" or "nan") that reads back as the
// value shown.
#include "fuzz/verifier.h"
#include "calcul/nombres.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <regex>
#include <string>

using vestrel::fuzz::verifier;

namespace {

// Reads a whole text written by texteNombre or texteJeu, at full length
// (lireNombre stops after LongueurNombreMax characters, as typing needs).
double lireTout(const std::string &t)
{
    double v = std::numeric_limits<double>::quiet_NaN();
    const char *debut = t.data() + (t.starts_with('-') ? 1 : 0);
    const auto [fin, erreur] = std::from_chars(debut, t.data() + t.size(), v, std::chars_format::fixed);
    verifier(erreur == std::errc() && fin == t.data() + t.size(), "text reads back whole", t);
    return t.starts_with('-') ? -v : v;
}

void verifierTextes(double v)
{
    static const std::regex nombre(R"(-?(0|[1-9][0-9]*)(\.[0-9]*[1-9])?)");
    static const std::regex jeu(R"(-?[0-9]+\.[0-9]{4})");

    const std::string t = vestrel::texteNombre(v);
    verifier(std::regex_match(t, nombre) && t != "-0", "texteNombre is plain decimal", t);
    const double relu = lireTout(t);
    verifier(std::fabs(relu - v) <= std::fabs(v) * 1e-14 + std::numeric_limits<double>::denorm_min(),
             "texteNombre keeps 15 significant digits", t);
    verifier(vestrel::texteNombre(relu) == t, "texteNombre is stable once shown", t);

    const std::string j = vestrel::texteJeu(v);
    verifier(std::regex_match(j, jeu) && j != "-0.0000", "texteJeu has the ##0.0000 form", j);
    // Four decimals of the value, or, where its 15 significant digits end
    // before them, those digits padded with zeros.
    verifier(std::fabs(lireTout(j) - v) <= 0.00005 + std::fabs(v) * 1e-14, "texteJeu rounds to 4 decimals", j);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view texte(reinterpret_cast<const char *>(data), size);
    const double v = vestrel::lireNombre(texte);
    verifier(std::isfinite(v), "lireNombre is finite", texte);
    verifier(!(v == 0 && std::signbit(v)), "lireNombre never gives -0", texte);
    verifierTextes(v);
    // A shown number that fits in the reader's length reads back as itself
    // (a typed 40-digit number can round up to a 41-digit text: the window
    // must read its own texts whole).
    const std::string t = vestrel::texteNombre(v);
    if (t.size() - t.starts_with('-') <= static_cast<std::size_t>(vestrel::LongueurNombreMax))
        verifier(vestrel::lireNombre(t) == lireTout(t), "a shown number reads back through lireNombre", t);

    // The texts must also hold for values that only arise from sums and
    // differences of typed numbers (below 1e41): any such double.
    if (size >= sizeof(double)) {
        double w;
        std::memcpy(&w, data, sizeof w);
        if (std::fabs(w) < 1e300)
            verifierTextes(w);
    }
    return 0;
}
