#include "calcul/nombres.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

// Number texts are written and read with "." whatever the C locale is: the
// windows translate the separator themselves, and the process locale set by
// the toolkit must not leak in (so no printf/strtod here).

namespace vestrel {

double lireNombre(std::string_view texte)
{
    std::size_t i = 0;
    while (i < texte.size() && (texte[i] == ' ' || texte[i] == '\t'))
        ++i;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == '-' || texte[i] == '+')) {
        negatif = texte[i] == '-';
        ++i;
    }
    std::array<char, LongueurNombreMax> nombre{};
    std::size_t n = 0;
    bool point = false, chiffre = false;
    for (; i < texte.size() && n < nombre.size(); ++i) {
        const char c = texte[i];
        if (c >= '0' && c <= '9')
            chiffre = true;
        else if ((c == '.' || c == ',') && !point)
            point = true;
        else
            break;
        nombre[n++] = c == ',' ? '.' : c;
    }
    if (!chiffre)
        return 0;
    double v = 0;
    const auto [fin, erreur] = std::from_chars(nombre.data(), nombre.data() + n, v, std::chars_format::fixed);
    if (erreur != std::errc() || !std::isfinite(v) || v == 0)
        return 0;
    return negatif ? -v : v;
}

std::string texteNombre(double v)
{
    if (!std::isfinite(v))
        return std::isnan(v) ? "nan" : (v < 0 ? "-inf" : "inf");
    if (v == 0)
        return "0";
    // d.dddddddddddddde±x: the 15 significant digits and the exponent.
    std::array<char, 32> sci{};
    const auto res = std::to_chars(sci.data(), sci.data() + sci.size(), v, std::chars_format::scientific, 14);
    const std::string_view s(sci.data(), res.ptr - sci.data());
    const bool negatif = s[0] == '-';
    const std::size_t debut = negatif ? 1 : 0;
    const std::size_t e = s.find('e');
    std::string chiffres;
    chiffres += s[debut];
    chiffres.append(s.substr(debut + 2, e - debut - 2));
    int exposant = 0;
    std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), exposant);
    while (chiffres.size() > 1 && chiffres.back() == '0')
        chiffres.pop_back();

    std::string r = negatif ? "-" : "";
    if (exposant < 0) {
        r += "0.";
        r.append(static_cast<std::size_t>(-exposant - 1), '0');
        r += chiffres;
        return r;
    }
    const auto entiers = static_cast<std::size_t>(exposant) + 1;
    if (chiffres.size() <= entiers) {
        r += chiffres;
        r.append(entiers - chiffres.size(), '0');
    } else {
        r.append(chiffres, 0, entiers);
        r += '.';
        r.append(chiffres, entiers);
    }
    return r;
}

double lireTexteNombre(std::string_view texte)
{
    const bool negatif = texte.starts_with('-');
    const std::string_view corps = texte.substr(negatif ? 1 : 0);
    double v = 0;
    const auto [fin, erreur] = std::from_chars(corps.data(), corps.data() + corps.size(), v, std::chars_format::fixed);
    if (corps.empty() || erreur != std::errc() || fin != corps.data() + corps.size() || !std::isfinite(v))
        return lireNombre(texte);
    return negatif && v != 0 ? -v : v;
}

std::string texteJeu(double v)
{
    if (!std::isfinite(v))
        return texteNombre(v);
    // When the 15 significant digits end within four decimals, the text is
    // those digits padded with zeros.
    std::string general = texteNombre(v);
    const std::size_t point = general.find('.');
    const std::size_t decimales = point == std::string::npos ? 0 : general.size() - point - 1;
    if (decimales <= 4) {
        general += point == std::string::npos ? "." : "";
        general.append(4 - decimales, '0');
        return general;
    }
    // Fixed notation of the largest double has 309 digits before the point.
    std::array<char, 320> tampon{};
    const auto res = std::to_chars(tampon.data(), tampon.data() + tampon.size(), v, std::chars_format::fixed, 4);
    std::string r(tampon.data(), res.ptr);
    if (r == "-0.0000")
        r = "0.0000";
    return r;
}

namespace {

// Exact powers of ten of a double, 10^0 .. 10^22.
constexpr std::array<double, 23> Puissances = [] {
    std::array<double, 23> p{};
    double x = 1;
    for (double &v : p) {
        v = x;
        x *= 10;
    }
    return p;
}();

// |v| scaled to 15 digits before the point, rounded to the nearest (an
// exact half to the even one, as the text does): the digits of
// texteNombre(v) and their power of ten. Nothing when |v| is out of the
// plain range.
struct Chiffres15 {
    double entier; // 1e14 <= entier <= 1e15
    int exposant;  // |v| ~ entier / 10^exposant
};
std::optional<Chiffres15> chiffres15(double v)
{
    const double a = std::abs(v);
    if (!(a >= 1e-6 && a < 1e6))
        return std::nullopt;
    // 10^k <= a to within one, corrected below.
    int k = -6;
    while (k < 5 && a >= Puissances[static_cast<std::size_t>(k + 7)] / 1e6)
        ++k;
    int e = 14 - k;
    double s = a * Puissances[static_cast<std::size_t>(e)];
    if (s < 1e14 && e < 22)
        s = a * Puissances[static_cast<std::size_t>(++e)];
    else if (s >= 1e15)
        s = a * Puissances[static_cast<std::size_t>(--e)];
    // The product is rounded; fma gives the exact sign of a 10^e - (n + 1/2).
    const double p = Puissances[static_cast<std::size_t>(e)];
    const double n = std::floor(s);
    const double reste = std::fma(a, p, -(n + 0.5));
    const double entier = reste > 0 || (reste == 0 && std::fmod(n, 2) != 0) ? n + 1 : n;
    return Chiffres15{entier, e};
}

} // namespace

double arrondi15(double v)
{
    if (v == 0)
        return 0;
    const auto c = chiffres15(v);
    if (!c)
        return lireTexteNombre(texteNombre(v));
    // Both exact: the quotient is the double nearest the decimal, as reading
    // the text gives it.
    const double r = c->entier / Puissances[static_cast<std::size_t>(c->exposant)];
    return v < 0 ? -r : r;
}

double valeurJeu(double v)
{
    if (v == 0)
        return 0;
    const auto c = chiffres15(v);
    if (!c)
        return lireTexteNombre(texteJeu(v));
    // The 15 digits end within four decimals: the text is those digits.
    const int decimalesEnTrop = c->exposant - 4;
    if (decimalesEnTrop <= 0
        || static_cast<std::int64_t>(c->entier) % static_cast<std::int64_t>(Puissances[std::size_t(decimalesEnTrop)]) == 0)
        return arrondi15(v);
    // Else four decimals of the binary value: the nearest whole number of
    // ten-thousandths, decided exactly; an exact half (0.03125 is a double)
    // goes to the even one, as the text does.
    const double q = std::floor(v * 10000);
    const double reste = std::fma(v, 10000, -(q + 0.5)); // exact sign of v 10^4 - (q + 1/2)
    const double n = reste > 0 || (reste == 0 && std::fmod(q, 2) != 0) ? q + 1 : q;
    if (n == 0)
        return 0;
    return n / 10000;
}

bool caractereAccepte(Filtre filtre, char32_t c)
{
    if (c == 8 || c == U'.' || c == U',' || (c >= U'0' && c <= U'9'))
        return true;
    return filtre == Filtre::Ecart && c == U'-';
}

} // namespace vestrel
