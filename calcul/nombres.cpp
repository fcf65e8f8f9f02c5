#include "calcul/nombres.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

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

namespace {

// A plain decimal text ("-12.5", "0.026") as sign, digits and how many of
// them are decimals, for exact sums of shown numbers.
struct Decimal {
    bool negatif = false;
    std::string chiffres;
    std::size_t decimales = 0;
};

Decimal decimal(std::string_view t)
{
    Decimal d;
    d.negatif = t.starts_with('-');
    t.remove_prefix(d.negatif ? 1 : 0);
    const std::size_t point = t.find('.');
    d.chiffres = std::string(t.substr(0, point));
    if (point != std::string_view::npos) {
        d.chiffres.append(t.substr(point + 1));
        d.decimales = t.size() - point - 1;
    }
    return d;
}

// Both numbers with as many decimals and digits.
void aligner(Decimal &a, Decimal &b)
{
    const std::size_t decimales = std::max(a.decimales, b.decimales);
    for (Decimal *d : {&a, &b}) {
        d->chiffres.append(decimales - d->decimales, '0');
        d->decimales = decimales;
    }
    const std::size_t longueur = std::max(a.chiffres.size(), b.chiffres.size()) + 1;
    for (Decimal *d : {&a, &b})
        d->chiffres.insert(0, longueur - d->chiffres.size(), '0');
}

// a + b or, with `moins`, a - b, exactly.
Decimal somme(Decimal a, Decimal b, bool moins)
{
    b.negatif = b.negatif != moins;
    aligner(a, b);
    if (a.negatif != b.negatif && a.chiffres < b.chiffres)
        std::swap(a, b);
    Decimal r{a.negatif, a.chiffres, a.decimales};
    int retenue = 0;
    for (std::size_t i = r.chiffres.size(); i-- > 0;) {
        const int y = b.chiffres[i] - '0';
        int x = r.chiffres[i] - '0' + retenue + (a.negatif == b.negatif ? y : -y);
        retenue = x < 0 ? -1 : x / 10;
        x -= retenue * 10;
        r.chiffres[i] = static_cast<char>('0' + x);
    }
    return r;
}

// Half of a number, exactly: one more decimal.
Decimal moitie(Decimal d)
{
    d.chiffres += '0';
    ++d.decimales;
    int reste = 0;
    for (char &c : d.chiffres) {
        const int x = reste * 10 + (c - '0');
        c = static_cast<char>('0' + x / 2);
        reste = x % 2;
    }
    return d;
}

// The plain decimal text: no leading zeros but one before the point, no
// trailing decimal zeros, "-" only before a number that is not zero.
std::string texte(const Decimal &d)
{
    std::string entiers = d.chiffres.substr(0, d.chiffres.size() - d.decimales);
    std::string fraction = d.chiffres.substr(d.chiffres.size() - d.decimales);
    entiers.erase(0, std::min(entiers.find_first_not_of('0'), entiers.size()));
    if (entiers.empty())
        entiers.push_back('0');
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    const bool nul = entiers == "0" && fraction.empty();
    return (d.negatif && !nul ? "-" : "") + entiers + (fraction.empty() ? "" : "." + fraction);
}

bool fini(std::string_view t) { return !t.empty() && t.find_first_not_of("-.0123456789") == std::string_view::npos; }

} // namespace

std::string differenceAffichee(double a, double b)
{
    const std::string ta = texteNombre(a), tb = texteNombre(b);
    if (!fini(ta) || !fini(tb))
        return texteNombre(a - b);
    return texte(somme(decimal(ta), decimal(tb), true));
}

std::string moyenneDecimale(std::string_view a, std::string_view b)
{
    if (!fini(a) || !fini(b))
        return texteNombre(lireTexteNombre(a) / 2 + lireTexteNombre(b) / 2);
    return texte(moitie(somme(decimal(a), decimal(b), false)));
}

std::string texteJeu(double v) { return texteJeuDecimal(texteNombre(v)); }

std::string texteJeuDecimal(std::string_view general)
{
    if (!fini(general))
        return std::string(general);
    constexpr std::size_t Decimales = 4;
    // The decimal text is rounded digit by digit: a tie in that text is a
    // tie, whichever side of it the double lies.
    const bool negatif = general[0] == '-';
    std::string chiffres(general.substr(negatif ? 1 : 0));
    std::size_t point = chiffres.find('.');
    if (point == std::string::npos) {
        point = chiffres.size();
        chiffres += '.';
    }
    const std::size_t fin = point + 1 + Decimales;
    const bool haut = chiffres.size() > fin && chiffres[fin] >= '5';
    chiffres.resize(fin, '0');
    if (haut) {
        // Adds one at the last decimal, carrying through nines.
        std::size_t i = chiffres.size();
        for (;;) {
            if (i == 0) {
                chiffres.insert(chiffres.begin(), '1');
                break;
            }
            --i;
            if (chiffres[i] == '.')
                continue;
            if (chiffres[i] != '9') {
                ++chiffres[i];
                break;
            }
            chiffres[i] = '0';
        }
    }
    const bool nul = chiffres.find_first_not_of("0.") == std::string::npos;
    return negatif && !nul ? "-" + chiffres : chiffres;
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
    if (decimalesEnTrop <= 0)
        return arrondi15(v);
    // Else the 15 digits rounded to four decimals, half away from zero, in
    // whole numbers: exact.
    const auto entier = static_cast<std::int64_t>(c->entier);
    const auto pas = static_cast<std::int64_t>(Puissances[static_cast<std::size_t>(decimalesEnTrop)]);
    std::int64_t n = entier / pas;
    if (2 * (entier % pas) >= pas)
        ++n;
    if (n == 0)
        return 0;
    const double r = static_cast<double>(n) / 10000;
    return v < 0 ? -r : r;
}

bool caractereAccepte(Filtre filtre, char32_t c)
{
    if (c == 8 || c == U'.' || c == U',' || (c >= U'0' && c <= U'9'))
        return true;
    return filtre == Filtre::Ecart && c == U'-';
}

bool formeNombre(Filtre filtre, std::string_view texte)
{
    bool separateur = false;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c == '-' && i == 0 && filtre == Filtre::Ecart)
            continue;
        if (c == '.' || c == ',') {
            if (separateur)
                return false;
            separateur = true;
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

bool nombreSaisi(std::string_view texte)
{
    return texte.find_first_of("0123456789") != std::string_view::npos;
}

} // namespace vestrel
