#include "cli/arguments.h"

#include "rendu/couleur.h"

#include <algorithm>
#include <charconv>

namespace vestrel {

std::string cite(std::string_view texte)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    constexpr std::size_t Longueur = 40;
    std::string r = "'";
    for (char c : texte.substr(0, Longueur)) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F && c != '\\' && c != '\'') {
            r += c;
        } else {
            r += "\\x";
            r += Hex[u >> 4];
            r += Hex[u & 15];
        }
    }
    return r + (texte.size() > Longueur ? "'..." : "'");
}

Lecture lireDecimal(std::string_view texte, double &v)
{
    const bool negatif = texte.starts_with('-');
    const std::string_view corps = texte.substr(negatif ? 1 : 0);
    bool chiffre = false, valide = true;
    int points = 0;
    for (char c : corps) {
        if (c >= '0' && c <= '9')
            chiffre = true;
        else if (c == '.' || c == ',')
            ++points;
        else
            valide = false;
    }
    if (!valide || !chiffre || points > 1)
        return Lecture::Malforme;
    std::string point(corps);
    std::replace(point.begin(), point.end(), ',', '.');
    const auto [fin, erreur] = std::from_chars(point.data(), point.data() + point.size(), v, std::chars_format::fixed);
    if (erreur == std::errc::result_out_of_range) // hundreds of digits, or a tiny fraction
        return Lecture::HorsLimites;
    if (erreur != std::errc() || fin != point.data() + point.size())
        return Lecture::Malforme;
    if (negatif)
        v = -v;
    return Lecture::Nombre;
}


std::string_view motNature(Nature n) { return description(n).mot; }

} // namespace vestrel
