#include "cli/frettage.h"

#include "cli/service.h"

#include "calcul/ajustement_affiche.h"
#include "calcul/frettage.h"
#include "calcul/nombres.h"
#include "calcul/resultat.h"
#include "rendu/couleur.h"
#include "tables/materiaux.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <map>
#include <sstream>

namespace vestrel::ligne {

const std::string_view AideFrettage = R"(
Press fits and free fits:
       vestrel-fit D BORE SHAFT --press --hub-od MM --length MM [OPTIONS] [--json]
       vestrel-fit --free DIA1 ES1 EI1 DIA2 ES2 EI2 [--press ...] [--json]
       vestrel-fit --free DIA1 ES1 EI1 DIA2 ES2 EI2 [--service SERVICE] [--probable [K]] [--json]
       vestrel-fit --materials [--json]

  --free DIA1 ES1 EI1 DIA2 ES2 EI2
              a free fit, as the window's "Libre": the bore size and its
              upper and lower deviation, the shaft size and its deviations
              (mm); prints the four sizes, both clearances and the kind of fit;
              --service and --probable add their lines (or JSON keys) as for
              D BORE SHAFT, the joint diameter of ΔS being the bore size
  --press     the interference fit after DIN 7190-1 (elastic, plane stress)
              for both limits of the fit: interference U, effective
              interference Z, pressure p, transmissible torque and axial
              force (at p min), stresses at p max (compressive negative),
              yield pressures and safeties, press-in force, joining
              temperatures, the joint in service and, with a load, the
              interference it needs (U_requis) and the largest that stays
              elastic (U_admissible). The joint diameter is D (with --free,
              DIA1). Units: mm, um, MPa, N, N.m, degrees C, min-1.
  --hub-od MM         hub outer diameter (required)
  --length MM         joint length (required)
  --shaft-bore MM     shaft bore, 0 for a solid shaft (default)
  --hub MAT, --shaft MAT
              a key of --materials, or E=...,nu=...,Re=...[,alpha=...]
              [,alpha_cool=...][,rho=...] (MPa, 1/K, kg/m3; "." as
              separator; omitted ones are structural steel's). Default acier
  --rz HUB,SHAFT      roughness Rz of each surface, um (default 4,4)
  --smoothing K       0.4 (DIN 7190-1:2017, default) or 0.8 (earlier editions)
  --friction NU       friction coefficient for slipping (default 0.12)
  --friction-press NU friction coefficient for pressing in (default 0.08)
  --torque NM, --axial N
              a load to transmit; with it --ka K (application factor),
              --slip-safety S and --yield-safety S (wanted safeties), each 1
              by default
  --temp-hub C, --temp-shaft C   service temperatures (default 20)
  --speed RPM         service speed (default 0)
  --cool-shaft C      joining: the shaft pre-cooled to C, the hub heated
  --materials the built-in materials, one per line: key, name, values as
              --hub takes them, source, separated by tabs
  With --json, --press gives one object with the keys D_F, Q_A, Q_I, K,
  lissage, U, Z, p, couple, effort_axial, moyeu, arbre, effort_emmanchement,
  temperature_montage, service and charge; a value that does not apply is
  null. A press fit with clearance at both limits, a hub no wider than the
  joint, a length or modulus <= 0, nu outside (0, 0.5)... is bad input.
)";

namespace {

// The options of --press that take a value.
constexpr std::array<std::string_view, 18> OptionsValeur{
    "--hub-od", "--length", "--shaft-bore", "--hub",         "--shaft",        "--rz",
    "--smoothing", "--friction", "--friction-press", "--torque", "--axial",     "--ka",
    "--slip-safety", "--yield-safety", "--temp-hub", "--temp-shaft", "--speed", "--cool-shaft"};

constexpr std::array<std::string_view, 4> OptionsCharge{"--ka", "--slip-safety", "--yield-safety", "--torque"};

bool estOptionValeur(std::string_view a)
{
    return std::find(OptionsValeur.begin(), OptionsValeur.end(), a) != OptionsValeur.end();
}

// A number of an option: a plain decimal number or one with an exponent
// (2.3e-5), "." or, where it separates nothing else, "," as separator.
double lireNombre(std::string_view texte, std::string_view quoi, bool virgule = true)
{
    std::string t(texte);
    if (virgule)
        std::replace(t.begin(), t.end(), ',', '.');
    const bool propre = !t.empty() && std::count(t.begin(), t.end(), '.') <= 1 &&
                        std::all_of(t.begin(), t.end(), [](char c) {
                            return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
                        });
    double v = 0;
    const char *debut = t.data() + (t.starts_with('+') ? 1 : 0);
    const auto [fin, erreur] = std::from_chars(debut, t.data() + t.size(), v, std::chars_format::general);
    if (!propre || erreur != std::errc() || fin != t.data() + t.size() || !std::isfinite(v))
        throw MauvaiseEntree{std::string(quoi) + ": " + cite(texte) + " is not a number"};
    return v;
}

ValeursMateriau lireMateriau(std::string_view texte, std::string_view option)
{
    if (const auto m = materiau(texte))
        return valeursMateriau(*m);
    if (texte.find('=') == std::string_view::npos)
        throw MauvaiseEntree{std::string(option) + ": unknown material " + cite(texte) + " (see --materials)"};
    ValeursMateriau v = valeursMateriau(acierParDefaut());
    struct Champ {
        std::string_view nom;
        double ValeursMateriau::*valeur;
        bool requis;
    };
    constexpr std::array<Champ, 6> Champs{{{"E", &ValeursMateriau::E_MPa, true},
                                           {"nu", &ValeursMateriau::nu, true},
                                           {"Re", &ValeursMateriau::Re_MPa, true},
                                           {"alpha", &ValeursMateriau::alpha_chauffe_par_K, false},
                                           {"alpha_cool", &ValeursMateriau::alpha_refroidi_par_K, false},
                                           {"rho", &ValeursMateriau::rho_kg_m3, false}}};
    std::array<bool, 6> vus{};
    std::string_view reste = texte;
    while (true) {
        const std::size_t virgule = reste.find(',');
        const std::string_view paire = reste.substr(0, virgule);
        const std::size_t egal = paire.find('=');
        const std::string_view nom = paire.substr(0, egal);
        const auto c = std::find_if(Champs.begin(), Champs.end(), [&](const Champ &ch) { return ch.nom == nom; });
        if (egal == std::string_view::npos || c == Champs.end())
            throw MauvaiseEntree{std::string(option) + ": " + cite(paire) +
                                 " is not one of E=, nu=, Re=, alpha=, alpha_cool=, rho="};
        const std::size_t i = static_cast<std::size_t>(c - Champs.begin());
        if (vus[i])
            throw MauvaiseEntree{std::string(option) + ": " + std::string(nom) + " is given twice"};
        vus[i] = true;
        v.*(c->valeur) = lireNombre(paire.substr(egal + 1), std::string(option) + ' ' + std::string(nom), false);
        if (virgule == std::string_view::npos)
            break;
        reste = reste.substr(virgule + 1);
    }
    for (std::size_t i = 0; i < Champs.size(); ++i)
        if (Champs[i].requis && !vus[i])
            throw MauvaiseEntree{std::string(option) + ": " + std::string(Champs[i].nom) + "= is missing"};
    return v;
}

// What the command line asked for.
struct Demande {
    bool frettage = false, json = false, materiaux = false;
    std::optional<std::array<std::string, 6>> libre;
    std::vector<std::string> positionnels;
    std::map<std::string_view, std::string> valeurs;
    OptionsService service; // --service, --probable and the parts' conditions
};

Demande lireDemande(std::span<const std::string> args)
{
    Demande d;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a == "--press") {
            uneFois(d.frettage, a);
        } else if (a == "--json") {
            uneFois(d.json, a);
        } else if (a == "--materials") {
            uneFois(d.materiaux, a);
        } else if (a == "--free") {
            if (d.libre)
                throw MauvaiseEntree{"--free is given twice"};
            if (args.size() - i - 1 < 6)
                throw MauvaiseEntree{"--free needs six values: DIA1 ES1 EI1 DIA2 ES2 EI2"};
            d.libre.emplace();
            std::copy_n(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, 6, d.libre->begin());
            i += 6;
        } else if (estOptionValeur(a)) {
            if (i + 1 == args.size())
                throw MauvaiseEntree{a + " needs a value"};
            const auto option = *std::find(OptionsValeur.begin(), OptionsValeur.end(), a);
            if (!d.valeurs.emplace(option, args[++i]).second)
                throw MauvaiseEntree{a + " is given twice"};
        } else if (lireOptionService(args, i, d.service)) {
        } else if (estOption(a)) {
            throw MauvaiseEntree{"unknown option " + cite(a) + " with --press, --free or --materials (see --help)"};
        } else {
            d.positionnels.push_back(a);
        }
    }
    return d;
}

// A size of --free: a positive plain decimal number; a deviation: any.
double lireValeurLibre(std::string_view texte, bool taille)
{
    double v = 0;
    const Lecture l = lireDecimal(texte, v);
    if (l != Lecture::Nombre || (taille && !(v > 0)))
        throw MauvaiseEntree{"--free: " + cite(texte) +
                             (taille ? " is not a size: write a positive number in mm"
                                     : " is not a deviation: write a number in mm such as -0.012")};
    return v;
}

AjustementAffiche lireAjustement(const Demande &d)
{
    if (d.libre) {
        if (!d.positionnels.empty())
            throw MauvaiseEntree{"extra argument " + cite(d.positionnels[0]) + " with --free"};
        const auto &l = *d.libre;
        std::array<double, 6> v{};
        for (std::size_t i = 0; i < 6; ++i)
            v[i] = lireValeurLibre(l[i], i % 3 == 0);
        return ajustementLibre(v[0], v[1], v[2], v[3], v[4], v[5]);
    }
    if (d.positionnels.size() != 3)
        throw MauvaiseEntree{"--press needs a fit: D BORE SHAFT or --free DIA1 ES1 EI1 DIA2 ES2 EI2"};
    const double D = lireDiametre(d.positionnels[0]);
    const std::string texteD = texteNombre(D);
    const PaireEcarts al = ecartsClasse(Cote::Alesage, d.positionnels[1], D, texteD);
    const PaireEcarts ar = ecartsClasse(Cote::Arbre, d.positionnels[2], D, texteD);
    return ajustementTables(D, d.positionnels[1], al, d.positionnels[2], ar);
}

ParametresFrettage lireParametres(const Demande &d)
{
    ParametresFrettage p;
    auto valeur = [&](std::string_view option) -> const std::string * {
        const auto it = d.valeurs.find(option);
        return it == d.valeurs.end() ? nullptr : &it->second;
    };
    auto nombre = [&](std::string_view option, double &cible) {
        if (const std::string *t = valeur(option))
            cible = lireNombre(*t, option);
    };
    for (std::string_view requise : {"--hub-od", "--length"})
        if (!valeur(requise))
            throw MauvaiseEntree{"--press needs " + std::string(requise) + " MM"};
    nombre("--hub-od", p.D_aA_mm);
    nombre("--length", p.l_F_mm);
    nombre("--shaft-bore", p.D_iI_mm);
    if (const std::string *t = valeur("--hub"))
        p.moyeu = lireMateriau(*t, "--hub");
    if (const std::string *t = valeur("--shaft"))
        p.arbre = lireMateriau(*t, "--shaft");
    if (const std::string *t = valeur("--rz")) {
        const std::size_t virgule = t->find(',');
        if (virgule == std::string::npos)
            throw MauvaiseEntree{"--rz: " + cite(*t) + " is not HUB,SHAFT in um, e.g. 4,6.3"};
        p.Rz_moyeu_um = lireNombre(std::string_view(*t).substr(0, virgule), "--rz", false);
        p.Rz_arbre_um = lireNombre(std::string_view(*t).substr(virgule + 1), "--rz", false);
    }
    if (const std::string *t = valeur("--smoothing")) {
        const double k = lireNombre(*t, "--smoothing");
        if (k != facteurLissage(Lissage::Din2017) && k != facteurLissage(Lissage::Anterieur))
            throw MauvaiseEntree{"--smoothing: " + cite(*t) + " is neither 0.4 nor 0.8"};
        p.lissage = k == facteurLissage(Lissage::Din2017) ? Lissage::Din2017 : Lissage::Anterieur;
    }
    nombre("--friction", p.frottementGlissement);
    nombre("--friction-press", p.frottementEmmanchement);
    if (valeur("--torque") || valeur("--axial")) {
        Charge c;
        nombre("--torque", c.couple_Nm);
        nombre("--axial", c.effortAxial_N);
        nombre("--ka", c.K_A);
        nombre("--slip-safety", c.securiteGlissement);
        nombre("--yield-safety", c.securitePlastification);
        p.charge = c;
    } else {
        for (std::string_view option : OptionsCharge)
            if (valeur(option))
                throw MauvaiseEntree{std::string(option) + " goes with a load: --torque NM or --axial N"};
    }
    nombre("--temp-hub", p.tempServiceMoyeu_C);
    nombre("--temp-shaft", p.tempServiceArbre_C);
    nombre("--speed", p.vitesse_tr_min);
    if (valeur("--cool-shaft")) {
        double t = 0;
        nombre("--cool-shaft", t);
        p.tempArbreRefroidi_C = t;
    }
    return p;
}

// Six significant digits are more than any input of the model carries.
std::string nombre(double v)
{
    if (std::abs(v) < 1e-12)
        return "0";
    const int decimales = std::max(0, 5 - static_cast<int>(std::floor(std::log10(std::abs(v)))));
    const double echelle = std::pow(10.0, decimales);
    return texteNombre(std::round(v * echelle) / echelle);
}

std::string nombre(std::optional<double> v, std::string_view sinon) { return v ? nombre(*v) : std::string(sinon); }

std::string json(const ResultatFrettage &r)
{
    std::ostringstream o;
    auto n = [](std::optional<double> v) { return nombre(v, "null"); };
    auto limites = [&](const ParLimite &l) { return "{\"min\":" + n(l.min) + ",\"max\":" + n(l.max) + '}'; };
    auto oui = [](bool b) { return b ? "true" : "false"; };
    const ResultatMoyeu &m = r.moyeu;
    const ResultatArbre &a = r.arbre;
    const ResultatService &s = r.service;
    o << "{\"D_F\":" << n(r.D_F_mm) << ",\"Q_A\":" << n(r.Q_A) << ",\"Q_I\":" << n(r.Q_I) << ",\"K\":" << n(r.K)
      << ",\"lissage\":" << n(r.facteurLissage) << ",\"U\":" << limites(r.U_um) << ",\"Z\":" << limites(r.Z_um)
      << ",\"p\":" << limites(r.p_MPa) << ",\"couple\":" << n(r.couple_Nm.min) << ",\"effort_axial\":" << n(r.effortAxial_N.min)
      << ",\"moyeu\":{\"sigma_t_alesage\":" << n(m.sigmaT_alesage_MPa) << ",\"sigma_t_exterieur\":"
      << n(m.sigmaT_exterieur_MPa) << ",\"sigma_v\":" << n(m.sigmaV_MPa) << ",\"p_plastification\":"
      << n(m.pPlastification_MPa) << ",\"p_plastique_total\":" << n(m.pPlastiqueTotal_MPa)
      << ",\"securite\":" << n(m.securite) << "},\"arbre\":{\"sigma_t_surface\":" << n(a.sigmaT_surface_MPa)
      << ",\"sigma_t_alesage\":" << n(a.sigmaT_alesage_MPa) << ",\"sigma_v\":" << n(a.sigmaV_MPa)
      << ",\"p_plastification\":" << n(a.pPlastification_MPa) << ",\"securite\":" << n(a.securite)
      << "},\"effort_emmanchement\":" << n(r.effortEmmanchement_N) << ",\"temperature_montage\":{\"moyeu\":"
      << n(r.montage.moyeu_C) << ",\"arbre\":" << n(r.montage.arbre_C)
      << ",\"moyeu_arbre_refroidi\":" << n(r.montage.moyeuArbreRefroidi_C) << "},\"service\":{\"perte_thermique\":"
      << n(s.perteThermique_um) << ",\"perte_centrifuge\":" << n(s.perteCentrifuge_um) << ",\"Z\":" << limites(s.Z_um)
      << ",\"p\":" << limites(s.p_MPa) << ",\"couple\":" << n(s.couple_Nm.min) << ",\"desserre\":" << oui(s.desserre)
      << ",\"vitesse_decollement\":" << n(s.vitesseDecollement_tr_min) << "},\"charge\":{";
    if (r.charge)
        o << "\"U_requis\":" << n(r.charge->U_requis_um) << ",\"U_admissible\":" << n(r.charge->U_admissible_um)
          << ",\"tient\":" << oui(r.charge->tient) << ",\"elastique\":" << oui(r.charge->elastique);
    else
        o << "\"U_requis\":null,\"U_admissible\":null,\"tient\":null,\"elastique\":null";
    o << "}}\n";
    return o.str();
}

std::string lignes(const ResultatFrettage &r, Lissage lissage)
{
    std::ostringstream o;
    auto n = [](std::optional<double> v) { return nombre(v, "-"); };
    auto limites = [&](const ParLimite &l) { return "min=" + n(l.min) + " max=" + n(l.max); };
    const ResultatMoyeu &m = r.moyeu;
    const ResultatArbre &a = r.arbre;
    const ResultatService &s = r.service;
    o << "assemblage D_F=" << n(r.D_F_mm) << " Q_A=" << n(r.Q_A) << " Q_I=" << n(r.Q_I) << " K=" << n(r.K) << '\n'
      << "lissage k=" << n(r.facteurLissage) << " (" << regleLissage(lissage) << ") dU=" << n(r.lissage_um)
      << " um\n"
      << "serrage U " << limites(r.U_um) << " um\n"
      << "serrage effectif Z " << limites(r.Z_um) << " um\n"
      << "pression p " << limites(r.p_MPa) << " MPa\n"
      << "transmissible couple " << limites(r.couple_Nm) << " N.m effort_axial " << limites(r.effortAxial_N) << " N\n"
      << "moyeu sigma_t_alesage=" << n(m.sigmaT_alesage_MPa) << " sigma_t_exterieur=" << n(m.sigmaT_exterieur_MPa)
      << " sigma_v=" << n(m.sigmaV_MPa) << " p_plastification=" << n(m.pPlastification_MPa)
      << " p_plastique_total=" << n(m.pPlastiqueTotal_MPa) << " MPa securite=" << n(m.securite) << '\n'
      << "arbre sigma_t_surface=" << n(a.sigmaT_surface_MPa) << " sigma_t_alesage=" << n(a.sigmaT_alesage_MPa)
      << " sigma_v=" << n(a.sigmaV_MPa) << " p_plastification=" << n(a.pPlastification_MPa)
      << " MPa securite=" << n(a.securite) << '\n'
      << "effort_emmanchement=" << n(r.effortEmmanchement_N) << " N\n"
      << "temperature_montage moyeu=" << n(r.montage.moyeu_C) << " arbre=" << n(r.montage.arbre_C)
      << " moyeu_arbre_refroidi=" << n(r.montage.moyeuArbreRefroidi_C) << " C\n"
      << "service perte_thermique=" << n(s.perteThermique_um) << " perte_centrifuge=" << n(s.perteCentrifuge_um)
      << " um Z " << limites(s.Z_um) << " um p " << limites(s.p_MPa) << " MPa couple " << limites(s.couple_Nm)
      << " N.m vitesse_decollement=" << n(s.vitesseDecollement_tr_min) << " min-1\n";
    if (r.charge)
        o << "charge U_requis=" << n(r.charge->U_requis_um) << " U_admissible=" << n(r.charge->U_admissible_um)
          << " um\n";
    const std::vector<std::string> v = verdictsFrettage(r);
    o << "verdict";
    for (std::size_t i = 0; i < v.size(); ++i)
        o << (i ? ", " : " ") << v[i];
    o << '\n';
    return o.str();
}

// The reasons of the model, in the command's words.
std::string_view raison(ErreurFrettage e)
{
    using E = ErreurFrettage;
    switch (e) {
    case E::PasDAjustement: return "the fit has no deviations";
    case E::DiametreAssemblage: return "the joint diameter must be positive";
    case E::LimitesAjustement: return "the limits of the fit are not numbers";
    case E::PasSerre: return "the fit has clearance at both limits: it is not an interference fit";
    case E::LimitesInversees: return "the limits of the fit are swapped: maximum clearance below the minimum";
    case E::DiametreMoyeu: return "--hub-od must exceed the joint diameter";
    case E::AlesageArbre: return "--shaft-bore must be 0 (solid shaft) or below the joint diameter";
    case E::Longueur: return "--length must be positive";
    case E::ModuleMoyeu: return "--hub: E must be positive";
    case E::ModuleArbre: return "--shaft: E must be positive";
    case E::PoissonMoyeu: return "--hub: nu must lie between 0 and 0.5, both excluded";
    case E::PoissonArbre: return "--shaft: nu must lie between 0 and 0.5, both excluded";
    case E::LimiteMoyeu: return "--hub: Re must be positive";
    case E::LimiteArbre: return "--shaft: Re must be positive";
    case E::DilatationMoyeu: return "--hub: alpha and alpha_cool must be positive";
    case E::DilatationArbre: return "--shaft: alpha and alpha_cool must be positive";
    case E::MasseVolumiqueMoyeu: return "--hub: rho cannot be negative";
    case E::MasseVolumiqueArbre: return "--shaft: rho cannot be negative";
    case E::Rugosite: return "--rz: a roughness cannot be negative";
    case E::FrottementGlissement: return "--friction must be positive";
    case E::FrottementEmmanchement: return "--friction-press must be positive";
    case E::Charge: return "--torque and --axial cannot be negative";
    case E::FacteurApplication: return "--ka must be positive";
    case E::Securites: return "--slip-safety and --yield-safety must be positive";
    case E::TemperatureService: return "--temp-hub and --temp-shaft cannot be below absolute zero (-273.15 C)";
    case E::Vitesse: return "--speed cannot be negative";
    case E::ArbreRefroidi: return "--cool-shaft must lie between absolute zero (-273.15 C) and room temperature (20 C)";
    case E::HorsDomaine: return "these values are outside any real part: a result would be infinite";
    }
    return "bad input";
}

// A free fit as the window's "Libre" computes it: the four sizes, both
// clearances and the kind of fit.
std::string libre(const ResultatAjustement &r, bool enJson, const OptionsService &service)
{
    const AjustementAffiche &a = r.ajustement;
    if (!r.jeux)
        throw MauvaiseEntree{"--free: an upper deviation lies below its lower deviation"};
    const Jeux &j = *r.jeux;
    std::ostringstream o;
    struct Cote_ {
        Cote cote;
        std::string_view nom, sup, inf;
    };
    constexpr std::array<Cote_, 2> Cotes{{{Cote::Alesage, "alesage", "ES", "EI"}, {Cote::Arbre, "arbre", "es", "ei"}}};
    if (enJson)
        o << '{';
    for (const Cote_ &c : Cotes) {
        const PaireEcarts e = *a.cote(c.cote).ecarts;
        const Tailles t = *r.tailles(c.cote);
        if (enJson)
            o << '"' << c.nom << "\":{\"diametre\":" << texteNombre(a.taille(c.cote)) << ",\"" << c.sup
              << "\":" << texteNombre(e.sup) << ",\"" << c.inf << "\":" << texteNombre(e.inf)
              << ",\"max\":" << texteNombre(t.max) << ",\"min\":" << texteNombre(t.min) << "},";
        else
            o << c.nom << " dia=" << texteNombre(a.taille(c.cote)) << ' ' << c.sup << '=' << texteNombre(e.sup) << ' '
              << c.inf << '=' << texteNombre(e.inf) << " max=" << texteNombre(t.max) << " min=" << texteNombre(t.min)
              << '\n';
    }
    if (enJson)
        o << "\"jeu\":{\"max\":" << j.max.texte << ",\"min\":" << j.min.texte << "},\"nature\":\""
          << description(j.nature).mot << '"' << jsonService(a, service) << "}\n";
    else
        o << "jeu max=" << j.max.texte << " min=" << j.min.texte << '\n' << "nature " << description(j.nature).mot << '\n'
          << lignesService(a, service);
    return o.str();
}

std::string listeMateriaux(bool enJson)
{
    std::ostringstream o;
    if (enJson)
        o << "{\"materiaux\":[";
    bool premier = true;
    for (const Materiau &m : materiaux()) {
        std::ostringstream valeurs;
        valeurs << "E=" << texteNombre(m.E_MPa) << ",nu=" << texteNombre(m.nu) << ",Re=" << texteNombre(m.Re_MPa)
                << ",alpha=" << texteNombre(m.alpha_chauffe_par_K) << ",alpha_cool="
                << texteNombre(m.alpha_refroidi_par_K) << ",rho=" << texteNombre(m.rho_kg_m3);
        if (enJson)
            o << (premier ? "" : ",") << "{\"cle\":\"" << m.cle << "\",\"nom\":\"" << m.nom
              << "\",\"E\":" << texteNombre(m.E_MPa) << ",\"nu\":" << texteNombre(m.nu)
              << ",\"Re\":" << texteNombre(m.Re_MPa) << ",\"alpha\":" << texteNombre(m.alpha_chauffe_par_K)
              << ",\"alpha_cool\":" << texteNombre(m.alpha_refroidi_par_K) << ",\"rho\":" << texteNombre(m.rho_kg_m3)
              << ",\"source\":\"" << m.source << "\"}";
        else
            o << m.cle << '\t' << m.nom << '\t' << valeurs.str() << '\t' << m.source << '\n';
        premier = false;
    }
    if (enJson)
        o << "]}\n";
    return o.str();
}

} // namespace

std::optional<Sortie> executerFrettage(std::span<const std::string> args)
{
    const bool concerne = std::any_of(args.begin(), args.end(), [](const std::string &a) {
        return a == "--press" || a == "--free" || a == "--materials" || estOptionValeur(a);
    });
    if (!concerne)
        return std::nullopt;
    const Demande d = lireDemande(args);
    if (d.materiaux) {
        if (d.frettage || d.libre || !d.positionnels.empty() || !d.valeurs.empty() || d.service.demandees() ||
            !d.service.condition.empty())
            throw MauvaiseEntree{"--materials takes no other argument but --json"};
        return Sortie{listeMateriaux(d.json)};
    }
    if (!d.frettage) {
        if (!d.valeurs.empty())
            throw MauvaiseEntree{std::string(d.valeurs.begin()->first) + " goes with --press"};
        if (!d.positionnels.empty())
            throw MauvaiseEntree{"extra argument " + cite(d.positionnels[0]) + " with --free"};
        verifierOptionsService(d.service);
        return Sortie{libre(lireAjustement(d), d.json, d.service)};
    }
    // The press fit has its own service temperatures (--temp-hub, --temp-shaft).
    if (d.service.demandees() || !d.service.condition.empty())
        throw MauvaiseEntree{std::string(d.service.service ? "--service"
                                         : d.service.k ? "--probable"
                                                       : d.service.condition) +
                             " cannot be combined with --press: use --temp-hub and --temp-shaft"};
    const ResultatAjustement a = lireAjustement(d);
    const ParametresFrettage p = lireParametres(d);
    const EvaluationFrettage e = evaluerFrettage(a, p);
    if (!e.resultat)
        throw MauvaiseEntree{std::string(raison(*e.erreur))};
    return Sortie{d.json ? json(*e.resultat) : lignes(*e.resultat, p.lissage)};
}

} // namespace vestrel::ligne
