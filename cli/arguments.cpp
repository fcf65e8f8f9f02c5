#include "cli/arguments.h"

#include "calcul/ajustement.h"
#include "cli/complet.h"
#include "tables/catalogue.h"
#include "rendu/couleur.h"

#include <algorithm>
#include <charconv>

namespace vestrel {

// Arguments come from anywhere: quote them back with every byte that is not
// printable ASCII escaped, so the diagnostic stays one clean line.
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

// A whole plain decimal number: an optional "-", digits with at most one
// "." or "," as separator ("12,5" is 12.5, as in the window).
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

// Unlike the diameter box, which reads the leading number of its text, the
// command takes only a whole plain decimal number: anything else is refused
// rather than read as something the user did not write.
double lireDiametre(std::string_view texte, Systeme systeme)
{
    double d = 0;
    const Lecture l = lireDecimal(texte, d);
    if (l == Lecture::Malforme)
        throw MauvaiseEntree{cite(texte) + " is not a diameter: write a number in mm such as 25 or 12.5"};
    if (l == Lecture::HorsLimites || !diametreValide(d, systeme)) {
        std::string m = "diameter " + cite(texte) + " is outside " + std::string(texteDomaine(systeme)) + " mm";
        if (l == Lecture::Nombre && diametreValide(d, Systeme::Complet))
            m += " (--complete accepts " + std::string(texteDomaine(Systeme::Complet)) + ")";
        throw MauvaiseEntree{m};
    }
    return d;
}

PaireEcarts ecartsClasse(Cote cote, std::string_view classe, double d, std::string_view texteD, Systeme systeme)
{
    const std::string_view nom = cote == Cote::Alesage ? "bore" : "shaft";
    if (!indexClasse(cote, classe, systeme)) {
        std::string m = cite(classe) + " is not a " + std::string(nom) + " class";
        const Cote autre = cote == Cote::Alesage ? Cote::Arbre : Cote::Alesage;
        if (systeme == Systeme::Defaut && !indiceComplet(cote, classe).empty())
            m += indiceComplet(cote, classe);
        else if (indexClasse(autre, classe, systeme))
            m += cote == Cote::Alesage ? " (bore classes are upper case, e.g. H7)"
                                       : " (shaft classes are lower case, e.g. g6)";
        else if (indexClasse(cote, std::string(classe) + "*", systeme))
            m += " (it is written with its star: " + std::string(classe) + "*)";
        throw MauvaiseEntree{m};
    }
    const auto e = chercherEcarts(cote, classe, d, systeme);
    if (!e)
        throw MauvaiseEntree{std::string(nom) + " class " + std::string(classe) + " has no deviations at " +
                             std::string(texteD) + " mm"};
    return *e;
}

std::string_view motNature(Nature n) { return description(n).mot; }

bool estOption(std::string_view a)
{
    return a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9') && a[1] != '.';
}

void uneFois(bool &vue, std::string_view option)
{
    if (vue)
        throw MauvaiseEntree{std::string(option) + " is given twice"};
    vue = true;
}

} // namespace vestrel
