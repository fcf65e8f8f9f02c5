#include "cli/service.h"

#include "cli/arguments.h"
#include "calcul/nombres.h"
#include "tables/materiaux.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace vestrel {

namespace {

std::string suivant(std::span<const std::string> args, std::size_t &i, std::string_view attendu)
{
    if (i + 1 == args.size())
        throw MauvaiseEntree{args[i] + " needs " + std::string(attendu)};
    return args[++i];
}

// A material: a key of the table (vestrel-fit --materials), or its values
// as E=...,nu=...,Re=...[,alpha=...][,alpha_cool=...][,rho=...]. Only the
// expansion counts in service; without alpha= it is that of steel.
double lireDilatation(std::string_view texte)
{
    if (const auto m = materiau(texte))
        return m->alpha_chauffe_par_K;
    if (texte.find('=') == std::string_view::npos)
        throw MauvaiseEntree{"unknown material " + cite(texte) +
                             ": write a key such as acier or alu-6082, or E=...,nu=...,Re=...,alpha=..."};
    constexpr std::string_view Cles[] = {"E", "nu", "Re", "alpha", "alpha_cool", "rho"};
    double alpha = acierParDefaut().alpha_chauffe_par_K;
    std::size_t debut = 0;
    while (debut <= texte.size()) {
        const std::size_t fin = std::min(texte.find(',', debut), texte.size());
        const std::string_view paire = texte.substr(debut, fin - debut);
        const std::size_t egal = paire.find('=');
        const std::string_view cle = paire.substr(0, egal), valeur = egal == paire.npos ? "" : paire.substr(egal + 1);
        if (egal == paire.npos || std::find(std::begin(Cles), std::end(Cles), cle) == std::end(Cles))
            throw MauvaiseEntree{"unknown material value " + cite(paire) +
                                 ": write E=, nu=, Re=, alpha=, alpha_cool= or rho= and a number"};
        double v = 0;
        const auto [p, e] = std::from_chars(valeur.data(), valeur.data() + valeur.size(), v);
        if (valeur.empty() || e != std::errc() || p != valeur.data() + valeur.size() || !std::isfinite(v))
            throw MauvaiseEntree{"material value " + cite(paire) + " is not a number"};
        if (cle == "alpha")
            alpha = v;
        debut = fin + 1;
    }
    if (!(std::abs(alpha) <= DilatationMax_par_K))
        throw MauvaiseEntree{"expansion coefficient alpha in " + cite(texte) + " is not a coefficient in 1/K"};
    return alpha;
}

double lireTemperature(std::string_view option, std::string_view texte)
{
    double t = 0;
    const Lecture l = lireDecimal(texte, t);
    if (l == Lecture::Malforme)
        throw MauvaiseEntree{std::string(option) + " " + cite(texte) + " is not a temperature: write degrees C such as 80 or -20"};
    if (l == Lecture::HorsLimites || t > TemperatureMax_C)
        throw MauvaiseEntree{std::string(option) + " " + cite(texte) + " is above " + texteNombre(TemperatureMax_C) +
                             " C, where no part stays solid"};
    if (t < ZeroAbsolu_C)
        throw MauvaiseEntree{std::string(option) + " " + cite(texte) + " is below absolute zero, -273.15 C"};
    return t;
}

std::optional<JeuxService> service(const AjustementAffiche &a, const OptionsService &o)
{
    return o.service ? jeuxEnService(a, o.conditions) : std::nullopt;
}

std::optional<JeuProbable> probable(const AjustementAffiche &a, const OptionsService &o,
                                    const std::optional<JeuxService> &s)
{
    return o.k ? jeuProbable(a, *o.k, s ? s->deltaS_mm : 0) : std::nullopt;
}

} // namespace

bool lireOptionService(std::span<const std::string> args, std::size_t &i, OptionsService &o)
{
    const std::string &a = args[i];
    auto une = [&](bool deja) {
        if (deja)
            throw MauvaiseEntree{a + " is given twice"};
    };
    auto condition = [&] {
        if (o.condition.empty())
            o.condition = a;
    };
    if (a == "--service") {
        une(o.service);
        o.service = true;
    } else if (a == "--probable") {
        une(o.k.has_value());
        // K is the next argument when that is a number.
        double k = FacteurSigmaDefaut;
        if (i + 1 < args.size() && lireDecimal(args[i + 1], k) != Lecture::Malforme) {
            ++i;
            if (!facteurSigmaValide(k))
                throw MauvaiseEntree{"--probable " + cite(args[i]) + ": K must be above 0 and at most " +
                                     texteNombre(FacteurSigmaMax)};
        }
        o.k = k;
    } else if (a == "--bore-material" || a == "--shaft-material") {
        condition();
        const Cote c = a == "--bore-material" ? Cote::Alesage : Cote::Arbre;
        o.conditions.piece(c).alpha_par_K = lireDilatation(suivant(args, i, "a material"));
    } else if (a == "--bore-temp" || a == "--shaft-temp") {
        condition();
        const Cote c = a == "--bore-temp" ? Cote::Alesage : Cote::Arbre;
        o.conditions.piece(c).temperature_C = lireTemperature(a, suivant(args, i, "a temperature in degrees C"));
    } else {
        return false;
    }
    return true;
}

void verifierOptionsService(const OptionsService &o)
{
    if (!o.condition.empty() && !o.service)
        throw MauvaiseEntree{o.condition + " goes with --service"};
}

std::string lignesService(const AjustementAffiche &a, const OptionsService &o)
{
    std::ostringstream t;
    const auto s = service(a, o);
    if (s)
        t << "service delta=" << texteNombre(s->deltaS_mm) << " max=" << s->jeux.max.texte
          << " min=" << s->jeux.min.texte << " nature " << motNature(s->jeux.nature) << '\n';
    if (const auto p = probable(a, o, s))
        t << "probable moyen=" << texteJeu(p->moyen_mm) << " sigma=" << texteJeu(p->sigma_mm)
          << " min=" << texteJeu(p->min_mm) << " max=" << texteJeu(p->max_mm) << " serrage=" << textePart(p->partSerrage)
          << "% jeu=" << textePart(p->partJeu) << "%\n";
    return t.str();
}

std::string jsonService(const AjustementAffiche &a, const OptionsService &o)
{
    std::ostringstream t;
    const auto s = service(a, o);
    if (s)
        t << ",\"service\":{\"delta\":" << texteNombre(s->deltaS_mm) << ",\"jeu\":{\"max\":" << s->jeux.max.texte
          << ",\"min\":" << s->jeux.min.texte << "},\"nature\":\"" << motNature(s->jeux.nature) << "\"}";
    if (const auto p = probable(a, o, s))
        t << ",\"probable\":{\"moyen\":" << texteNombre(p->moyen_mm) << ",\"sigma\":" << texteNombre(p->sigma_mm)
          << ",\"min\":" << texteNombre(p->min_mm) << ",\"max\":" << texteNombre(p->max_mm)
          << ",\"part_serrage\":" << texteNombre(p->partSerrage) << ",\"part_jeu\":" << texteNombre(p->partJeu)
          << '}';
    return t.str();
}

double deltaRecherche_mm(double d, const OptionsService &o)
{
    return o.service ? variationJeu_mm(d, o.conditions) : 0;
}

std::string ligneTrouveService(const AjustementTrouve &t, double deltaS_mm)
{
    const Jeux j = jeuxDecales(t.jeuMax, t.jeuMin, deltaS_mm);
    return " service max=" + j.max.texte + " min=" + j.min.texte + " nature " + std::string(motNature(j.nature));
}

std::string jsonTrouveService(const AjustementTrouve &t, double deltaS_mm)
{
    const Jeux j = jeuxDecales(t.jeuMax, t.jeuMin, deltaS_mm);
    return ",\"service\":{\"max\":" + j.max.texte + ",\"min\":" + j.min.texte + ",\"nature\":\"" +
           std::string(motNature(j.nature)) + "\"}";
}

} // namespace vestrel
