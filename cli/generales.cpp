#include "cli/generales.h"

#include "calcul/generales.h"
#include "calcul/nombres.h"
#include "cli/fit.h"

#include <algorithm>
#include <array>
#include <optional>
#include <sstream>

namespace vestrel {

const std::string_view AideGenerale =
    R"(  --general SIZE [--class f|m|c|v] [--kind linear|edge|angle]
              the general tolerance of ISO 2768-1 at SIZE (mm, > 0): of
              one class, or of the four (f fine, m medium, c coarse, v very
              coarse) without --class, one per line:
                genre linear dimension=25
                m ecart=0.2 min=24.8 max=25.2
              the deviation is +/- ecart and the limits are SIZE -/+ ecart.
              --kind linear (the default) is a linear dimension, edge a
              broken edge (external radius, chamfer height), angle an angle
              whose shorter side is SIZE, its deviation in degrees and
              minutes, then decimal degrees:
                m ecart=0°30' deg=0.5
              Where the standard defines no general tolerance (below 0.5 mm
              for lengths, v up to 3 mm, f over 2000 mm, every class of a
              linear dimension over 4000 mm) the line says "non defini": the
              dimension needs a tolerance of its own. A size on a bound
              belongs to the lower band (3 is in 0.5-3). With --json:
              {"dimension":25,"genre":"linear","classes":[{"classe":"m",
              "ecart":0.2,"min":24.8,"max":25.2}]}, null where not defined
              (an angle's "ecart" in decimal degrees, its "min" and "max"
              null). Bad input (status 2): a SIZE that is not a number
              greater than 0, a class or kind not in these lists, an
              option of the fits beside --general
)";

namespace {

struct Refus {
    std::string message;
};

struct Genre_ {
    GenreGeneral genre;
    std::string_view mot;
};
constexpr std::array<Genre_, 3> Genres{{
    {GenreGeneral::Lineaire, "linear"},
    {GenreGeneral::Arete, "edge"},
    {GenreGeneral::Angle, "angle"},
}};

std::string_view motGenre(GenreGeneral g)
{
    for (const Genre_ &x : Genres)
        if (x.genre == g)
            return x.mot;
    return "linear";
}

GenreGeneral lireGenre(std::string_view texte)
{
    for (const Genre_ &x : Genres)
        if (x.mot == texte)
            return x.genre;
    throw Refus{"unknown kind " + citerArgument(texte) + ": write linear, edge or angle"};
}

ClasseGenerale lireClasse(std::string_view texte)
{
    if (const auto c = classeDeLettre(texte))
        return *c;
    throw Refus{"unknown general tolerance class " + citerArgument(texte) + ": write f, m, c or v"};
}

double lireTaille(std::string_view texte)
{
    double v = 0;
    switch (lireNombreArgument(texte, v)) {
    case LectureArgument::Malforme:
        throw Refus{citerArgument(texte) + " is not a size: write a number in mm such as 25 or 12.5"};
    case LectureArgument::HorsLimites: throw Refus{"size " + citerArgument(texte) + " is out of range"};
    case LectureArgument::Nombre: break;
    }
    if (!(v > 0))
        throw Refus{"size " + citerArgument(texte) + " must be greater than 0 mm"};
    return v;
}

std::string texteAngle(const ToleranceGenerale &t)
{
    std::string r = std::to_string(t.degres) + "°";
    if (t.minutes < 10)
        r += '0';
    return r + std::to_string(t.minutes) + "'";
}

// The classes whose lines are printed: all, or the one of --class.
using Choix = std::array<bool, ClassesGenerales.size()>;

std::string imprimer(GenreGeneral genre, double taille, const Choix &choix, bool json)
{
    std::ostringstream o;
    const std::string texteTaille = texteNombre(taille);
    const bool angle = genre == GenreGeneral::Angle;
    if (json)
        o << "{\"dimension\":" << texteTaille << ",\"genre\":\"" << motGenre(genre) << "\",\"classes\":[";
    else
        o << "genre " << motGenre(genre) << " dimension=" << texteTaille << '\n';
    bool premier = true;
    for (const ToleranceGenerale &t : tolerancesGenerales(genre, taille)) {
        if (!choix[static_cast<std::size_t>(t.classe)])
            continue;
        const std::string_view lettre = lettreClasse(t.classe);
        if (json) {
            o << (premier ? "" : ",") << "{\"classe\":\"" << lettre << "\",\"ecart\":";
            if (!t.definie())
                o << "null,\"min\":null,\"max\":null}";
            else if (angle)
                o << texteNombre(t.ecart_degres) << ",\"min\":null,\"max\":null}";
            else
                o << texteNombre(t.ecart_mm) << ",\"min\":" << texteNombre(t.mini_mm)
                  << ",\"max\":" << texteNombre(t.maxi_mm) << '}';
        } else if (!t.definie()) {
            o << lettre << " non defini\n";
        } else if (angle) {
            o << lettre << " ecart=" << texteAngle(t) << " deg=" << texteNombre(t.ecart_degres) << '\n';
        } else {
            o << lettre << " ecart=" << texteNombre(t.ecart_mm) << " min=" << texteNombre(t.mini_mm)
              << " max=" << texteNombre(t.maxi_mm) << '\n';
        }
        premier = false;
    }
    if (json)
        o << "]}\n";
    return o.str();
}

std::string executer(std::span<const std::string> args)
{
    std::optional<std::string> taille, classe, genre;
    bool json = false;
    auto valeur = [&](std::optional<std::string> &v, std::size_t &i, const char *attendu) {
        const std::string &option = args[i];
        if (v)
            throw Refus{option + " is given twice"};
        if (i + 1 == args.size())
            throw Refus{option + " needs " + attendu};
        v = args[++i];
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a == "--general")
            valeur(taille, i, "a size in mm, e.g. --general 25");
        else if (a == "--class")
            valeur(classe, i, "f, m, c or v");
        else if (a == "--kind")
            valeur(genre, i, "linear, edge or angle");
        else if (a == "--json" && !json)
            json = true;
        else if (a == "--json")
            throw Refus{"--json is given twice"};
        else if (a.starts_with("--"))
            throw Refus{citerArgument(a) + " cannot be combined with --general"};
        else
            throw Refus{"extra argument " + citerArgument(a) + ": expected --general SIZE"};
    }
    if (!taille)
        throw Refus{"--class and --kind go with --general SIZE"};
    const GenreGeneral g = genre ? lireGenre(*genre) : GenreGeneral::Lineaire;
    Choix choix;
    choix.fill(!classe);
    if (classe)
        choix[static_cast<std::size_t>(lireClasse(*classe))] = true;
    return imprimer(g, lireTaille(*taille), choix, json);
}

} // namespace

bool demandeGenerale(std::span<const std::string> args)
{
    return std::any_of(args.begin(), args.end(),
                       [](const std::string &a) { return a == "--general" || a == "--class" || a == "--kind"; });
}

int executerGenerale(std::span<const std::string> args, std::ostream &out, std::ostream &err)
{
    std::string texte;
    try {
        texte = executer(args);
    } catch (const Refus &r) {
        err << "vestrel-fit: " << r.message << '\n';
        return SortieMauvaiseEntree;
    }
    out << texte;
    return out ? SortieOk : SortieEcriture;
}

} // namespace vestrel
