#include "cli/fit.h"

#include "tables/ajustement.h"
#include "tables/catalogue.h"
#include "tables/ecarts.h"
#include "tables/etapes.h"
#include "tables/nombres.h"
#include "tables/offerts.h"

#include <charconv>
#include <optional>
#include <sstream>
#include <string_view>

namespace vestrel {

namespace {

constexpr std::string_view Aide =
    R"(Usage: vestrel-fit D BORE SHAFT [--json]
       vestrel-fit --offered D
       vestrel-fit --table
       vestrel-fit --help | --version

Limit deviations, limit sizes and clearances of an ISO 286 fit between a bore
and a shaft of nominal diameter D (mm, 1 < D <= 500, written like 25 or 12.5
with "." as separator). Class texts are exact and case-sensitive: upper case
for bores (H7, JS9, E11*), lower case for shafts (g6, js8, e10*); the classes
outside the DIN standard keep their star.

vestrel-fit 25 H7 g6 prints four lines:
  alesage H7 ES=0.021 EI=0 max=25.021 min=25
  arbre g6 es=-0.007 ei=-0.02 max=24.993 min=24.98
  jeu max=0.0410 min=0.0070
  nature jeu
Deviations and sizes are in mm, at most 15 significant digits, no exponent.
The clearances (max = bore max - shaft min, min = bore min - shaft max) have
four decimals; negative values are interference. The kind of fit is "jeu"
(clearance), "incertain" (transition) or "serrage" (interference).

  --json      the same values as one JSON object:
              {"diametre":25,"alesage":{"classe":"H7","ES":0.021,"EI":0,
              "max":25.021,"min":25},"arbre":{"classe":"g6","es":-0.007,
              "ei":-0.02,"max":24.993,"min":24.98},"jeu":{"max":0.0410,
              "min":0.0070},"nature":"jeu"}
  --offered D the classes offered at D, bore list then shaft list, one per
              line as bore,INDEX,CLASS or shaft,INDEX,CLASS (INDEX counts
              from 0 in that list)
  --table     every deviation table entry as CSV with the header
              kind,class,lo,hi,upper_um,lower_um: kind bore or shaft, the
              sub-step lo < D <= hi in mm, deviations in micrometres
  --help      this text
  --version   the version

Exit status: 0 on success, 2 on bad input (one line on stderr, nothing on
stdout): a diameter that is not a number or lies outside 1 < D <= 500, a
class that is not in the catalogue or has no deviations at D, missing or
extra arguments, an unknown option.
)";

struct MauvaiseEntree {
    std::string message;
};

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

// Unlike the diameter box, which reads the leading number of its text, the
// command takes only a whole plain decimal number: anything else is refused
// rather than read as something the user did not write.
double lireDiametre(std::string_view texte)
{
    const bool negatif = texte.starts_with('-');
    const std::string_view corps = texte.substr(negatif ? 1 : 0);
    bool chiffre = false, valide = true;
    int points = 0;
    for (char c : corps) {
        if (c >= '0' && c <= '9')
            chiffre = true;
        else if (c == '.')
            ++points;
        else
            valide = false;
    }
    if (!valide || !chiffre || points > 1)
        throw MauvaiseEntree{cite(texte) + " is not a diameter: write a number in mm such as 25 or 12.5"};
    const MauvaiseEntree horsLimites{"diameter " + cite(texte) + " is outside 1 < D <= 500 mm"};
    double d = 0;
    const auto [fin, erreur] = std::from_chars(corps.data(), corps.data() + corps.size(), d, std::chars_format::fixed);
    if (erreur == std::errc::result_out_of_range) // hundreds of digits, or a tiny fraction
        throw horsLimites;
    if (erreur != std::errc() || fin != corps.data() + corps.size())
        throw MauvaiseEntree{cite(texte) + " is not a diameter: write a number in mm such as 25 or 12.5"};
    if (negatif)
        d = -d;
    if (!diametreValide(d))
        throw horsLimites;
    return d;
}

struct DescriptionCote {
    Cote cote;
    std::string_view nom;     // in diagnostics
    std::string_view sortie;  // in the results
    std::string_view sup, inf;
};
constexpr DescriptionCote Alesage{Cote::Alesage, "bore", "alesage", "ES", "EI"};
constexpr DescriptionCote Arbre{Cote::Arbre, "shaft", "arbre", "es", "ei"};

struct Resultat {
    std::string classe;
    std::string sup, inf, max, min;
};

Resultat chercher(const DescriptionCote &c, std::string_view classe, double d, std::string_view texteD)
{
    if (!indexClasse(c.cote, classe)) {
        std::string m = cite(classe) + " is not a " + std::string(c.nom) + " class";
        const Cote autre = c.cote == Cote::Alesage ? Cote::Arbre : Cote::Alesage;
        if (indexClasse(autre, classe))
            m += c.cote == Cote::Alesage ? " (bore classes are upper case, e.g. H7)"
                                         : " (shaft classes are lower case, e.g. g6)";
        else if (indexClasse(c.cote, std::string(classe) + "*"))
            m += " (it is written with its star: " + std::string(classe) + "*)";
        throw MauvaiseEntree{m};
    }
    const auto e = chercherEcarts(c.cote, classe, d);
    if (!e)
        throw MauvaiseEntree{std::string(c.nom) + " class " + std::string(classe) + " has no deviations at " +
                             std::string(texteD) + " mm"};
    return {std::string(classe), texteNombre(e->sup), texteNombre(e->inf), texteNombre(d + e->sup),
            texteNombre(d + e->inf)};
}

std::string_view texteNature(Nature n)
{
    switch (n) {
    case Nature::Jeu:
        return "jeu";
    case Nature::Serrage:
        return "serrage";
    case Nature::Incertain:
        break;
    }
    return "incertain";
}

std::string ajustement(std::span<const std::string> positionnels, bool json)
{
    const double d = lireDiametre(positionnels[0]);
    const std::string texteD = texteNombre(d);
    const Resultat al = chercher(Alesage, positionnels[1], d, texteD);
    const Resultat ar = chercher(Arbre, positionnels[2], d, texteD);
    // Clearances come from the limit sizes as shown, like in the window, so
    // both give the same four decimals and the same kind of fit.
    const Jeux jeux = calculerJeux(lireTexteNombre(al.max), lireTexteNombre(al.min), lireTexteNombre(ar.max),
                                   lireTexteNombre(ar.min));
    const std::string &jeuMax = jeux.max.texte;
    const std::string &jeuMin = jeux.min.texte;
    const std::string_view nature = texteNature(jeux.nature);

    std::ostringstream o;
    if (json) {
        auto cote = [&](const DescriptionCote &c, const Resultat &r) {
            o << '"' << c.sortie << "\":{\"classe\":\"" << r.classe << "\",\"" << c.sup << "\":" << r.sup
              << ",\"" << c.inf << "\":" << r.inf << ",\"max\":" << r.max << ",\"min\":" << r.min << '}';
        };
        o << "{\"diametre\":" << texteD << ',';
        cote(Alesage, al);
        o << ',';
        cote(Arbre, ar);
        o << ",\"jeu\":{\"max\":" << jeuMax << ",\"min\":" << jeuMin << "},\"nature\":\"" << nature << "\"}\n";
    } else {
        for (const auto &[c, r] : {std::pair{Alesage, al}, std::pair{Arbre, ar}})
            o << c.sortie << ' ' << r.classe << ' ' << c.sup << '=' << r.sup << ' ' << c.inf << '=' << r.inf
              << " max=" << r.max << " min=" << r.min << '\n';
        o << "jeu max=" << jeuMax << " min=" << jeuMin << '\n' << "nature " << nature << '\n';
    }
    return o.str();
}

std::string microns(std::int32_t demi)
{
    const bool negatif = demi < 0;
    const std::int64_t a = negatif ? -std::int64_t(demi) : demi;
    return (negatif ? "-" : "") + std::to_string(a / 2) + (a % 2 ? ".5" : "");
}

std::string table()
{
    std::ostringstream o;
    o << "kind,class,lo,hi,upper_um,lower_um\n";
    for (const DescriptionCote &c : {Alesage, Arbre})
        for (const CelluleEcart &e : cellules(c.cote))
            o << c.nom << ',' << catalogue(c.cote)[e.classe] << ',' << BornesSousEtapes[e.sousEtape] << ','
              << BornesSousEtapes[e.sousEtape + 1] << ',' << microns(e.sup2) << ',' << microns(e.inf2) << '\n';
    return o.str();
}

std::string offertes(std::string_view texteD)
{
    const double d = lireDiametre(texteD);
    std::ostringstream o;
    for (const DescriptionCote &c : {Alesage, Arbre}) {
        int i = 0;
        for (std::string_view classe : classesOffertes(c.cote, d))
            o << c.nom << ',' << i++ << ',' << classe << '\n';
    }
    return o.str();
}

bool estOption(std::string_view a)
{
    // "-5" and "-.5" are (bad) diameters, not options.
    return a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9') && a[1] != '.';
}

std::string executer(std::span<const std::string> args)
{
    bool json = false;
    std::vector<std::string> positionnels;
    std::optional<std::string_view> seule;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (!estOption(a)) {
            positionnels.push_back(a);
        } else if (a == "--json") {
            if (json)
                throw MauvaiseEntree{"--json is given twice"};
            json = true;
        } else if (a == "--help" || a == "--version" || a == "--table" || a == "--offered") {
            if (seule)
                throw MauvaiseEntree{std::string(a) + " cannot be combined with " + std::string(*seule)};
            seule = a;
        } else {
            throw MauvaiseEntree{"unknown option " + cite(a) + " (see --help)"};
        }
    }

    if (seule) {
        if (json)
            throw MauvaiseEntree{"--json goes with D BORE SHAFT only, not with " + std::string(*seule)};
        if (*seule == "--offered") {
            if (args.size() != 2 || args[0] != "--offered")
                throw MauvaiseEntree{"usage: vestrel-fit --offered D"};
            return offertes(args[1]);
        }
        if (!positionnels.empty())
            throw MauvaiseEntree{std::string(*seule) + " takes no argument, got " + cite(positionnels[0])};
        if (*seule == "--help")
            return std::string(Aide);
        if (*seule == "--version")
            return VESTREL_VERSION "\n";
        return table();
    }
    if (positionnels.size() < 3)
        throw MauvaiseEntree{"missing arguments: expected D BORE SHAFT, e.g. vestrel-fit 25 H7 g6 (see --help)"};
    if (positionnels.size() > 3)
        throw MauvaiseEntree{"extra argument " + cite(positionnels[3]) + ": expected D BORE SHAFT"};
    return ajustement(positionnels, json);
}

} // namespace

int executerFit(std::span<const std::string> args, std::ostream &out, std::ostream &err)
{
    std::string sortie;
    try {
        sortie = executer(args);
    } catch (const MauvaiseEntree &e) {
        err << "vestrel-fit: " << e.message << '\n';
        return SortieMauvaiseEntree;
    }
    out << sortie;
    return out ? SortieOk : SortieEcriture;
}

} // namespace vestrel
