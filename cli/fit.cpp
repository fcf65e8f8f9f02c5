#include "cli/fit.h"

#include "cli/arguments.h"
#include "cli/service.h"
#include "cli/complet.h"
#include "cli/frettage.h"
#include "cli/generales.h"

#include "calcul/ajustement.h"
#include "tables/catalogue.h"
#include "tables/ecarts.h"
#include "tables/etapes.h"
#include "calcul/nombres.h"
#include "rendu/notation.h"
#include "tables/offerts.h"
#include "rendu/schema.h"
#include "calcul/recherche.h"
#include "calcul/resultat.h"
#include "rendu/couleur.h"
#include "tables/recommandes.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <sstream>
#include <string_view>

namespace vestrel {

namespace {

using namespace ligne;

constexpr std::string_view Aide =
    R"(Usage: vestrel-fit D BORE SHAFT [--json | --drawing | --svg] [--complete]
       vestrel-fit D BORE SHAFT [--service SERVICE] [--probable [K]] [--json] [--complete]
       vestrel-fit --find D MIN:MAX [--basis hole|shaft|any] [--preferred] [--json] [--complete]
                   [--service SERVICE]
       vestrel-fit --preferred D [--json]
       vestrel-fit --offered D [--complete]
       vestrel-fit --table [--complete]
       vestrel-fit --general SIZE [--class f|m|c|v] [--kind linear|edge|angle] [--json]
       vestrel-fit --help | --version

Limit deviations, limit sizes and clearances of an ISO 286 fit between a bore
and a shaft of nominal diameter D (mm, 1 < D <= 500, written like 25, 12.5 or
12,5: "." or "," as separator). Class texts are exact and case-sensitive: upper case
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
  --drawing   the fit in drawing notation, as the window copies it ("."
              as separator, deviations with their sign and three decimals):
              Ajustement ∅25 H7/g6 : avec jeu
              Alésage ∅25 H7 : ES +0.021 ; EI 0 ; maxi 25.021 ; mini 25
              Arbre ∅25 g6 : es −0.007 ; ei −0.020 ; maxi 24.993 ; mini 24.98
              Jeu maxi 0.0410 ; jeu mini 0.0070 ; jeu moyen 0.0240
  --svg       the tolerance-zone diagram of the fit as an SVG document, the
              drawing the window shows
  --find D MIN:MAX
              the fits at D whose whole clearance range lies in MIN:MAX
              (mm, negative for interference, e.g. 0.01:0.04 or -0.05:-0.02):
              min clearance >= MIN and max clearance <= MAX. Every pair of
              classes offered at D is searched, one fit per line:
                H7/g6 max=0.0410 min=0.0070 nature jeu
              recommended fits first, then the coarsest (larger sum of the
              two grades, cheaper to make), then the mean clearance nearest
              the middle of MIN:MAX. When none matches, the 10 nearest fits
              (least widening of MIN:MAX to hold them) end with " proche"
              and the exit status is 1. With --json, one object whose
              "ajustements" list also gives "moyen", "qualites",
              "recommande" and, for the nearest, "ecart" (mm).
  --basis B   with --find: hole (bore classes H only), shaft (shaft classes
              h only) or any (the default)
  --preferred with --find: the recommended fits only. Alone, --preferred D
              lists the recommended fits offered at D (ten of the hole
              basis, then ten of the shaft basis), one per line:
                H7/g6 max=0.0410 min=0.0070 nature jeu basis=hole glissant
              the description ending the line
  --offered D the classes offered at D, bore list then shaft list, one per
              line as bore,INDEX,CLASS or shaft,INDEX,CLASS (INDEX counts
              from 0 in that list)
  --table     every deviation table entry as CSV with the header
              kind,class,lo,hi,upper_um,lower_um: kind bore or shaft, the
              sub-step lo < D <= hi in mm, deviations in micrometres
  --complete  the whole ISO 286 system instead of the default catalogue:
              every letter (A ... ZC with CD, EF, FG, V, Y) in every grade
              IT01, IT0, IT1 ... IT18 where the standard defines it, and
              0 < D <= 3150 (class texts such as H01, h0, JS1, CD7, k18;
              E11*, e10* ... keep their star). With D BORE SHAFT, --find,
              --offered and --table. With --table, each class starts at
              0,3 (1,3 for a class not defined for D <= 1 mm) and goes on
              the sub-steps to 500 mm, then on the main steps 500,630 ...
              2500,3150, or on their sub-steps 500,560 ... 2800,3150 for
              a class that changes by sub-step there (R, S, T, U)
  --service   adds the fit in service, each part at its own temperature:
                service delta=-0.018 max=0.0230 min=-0.0110 nature incertain
              delta is the change of both clearances (mm), ΔS = D [a_bore
              (t_bore - 20) - a_shaft (t_shaft - 20)], the kind of fit judged
              again on the clearances in service. With --json:
              "service":{"delta":...,"jeu":{"max":...,"min":...},"nature":...}
              SERVICE is any of (defaults: steel, 20 C):
    --bore-material MAT, --shaft-material MAT
              a material key of the built-in table (acier, acier-s355,
              acier-c45, acier-42crmo4, inox, fonte-gjs400, alu-6082, bronze,
              laiton, titane), or E=...,nu=...,Re=...,alpha=... (alpha in 1/K,
              e.g. alpha=23e-6; only alpha counts here)
    --bore-temp C, --shaft-temp C
              the part's temperature in degrees C, -273.15 <= C <= 3000
              With --find, MIN:MAX is the range wanted in service: the fits
              whose clearances in service lie in it, each line ending with
              its clearances in service ("service max=... min=... nature
              ..."); with --json a "service" object in each fit.
  --probable [K]
              adds the probable clearance, each part's size normally
              distributed in its zone (tolerance = 6 sigma), in service when
              --service is given; K (default 3, 0 < K <= 10) is the argument
              after --probable when it is a number:
                probable moyen=0.0240 sigma=0.0049 min=0.0091 max=0.0389
                serrage=0.0% jeu=100.0%
              mean, sigma, the range mean -/+ K sigma (mm), the shares of
              pairs with interference and with clearance. With --json:
              "probable":{"moyen","sigma","min","max","part_serrage",
              "part_jeu"}, the shares as fractions 0 to 1.
  --help      this text
  --version   the version

Exit status: 0 on success; 1 when --find finds no fit in MIN:MAX (the
nearest are printed), or when the output cannot be written; 2 on bad input
(one line on stderr, nothing on stdout): a diameter that is not a number or
lies outside 1 < D <= 500 (0 < D <= 3150 with --complete), a class that is
not in the catalogue or has no deviations at D (a class of the whole system
asked without --complete says that --complete offers it), --complete with
--preferred alone, --help or --version, a malformed MIN:MAX or MIN greater than MAX, an unknown
basis, missing or extra arguments, an unknown option, two of --json,
--drawing and --svg, an unknown material, a temperature below absolute zero
(-273.15 C) or above 3000 C, K <= 0 or above 10.
)";

// The wanted clearance range MIN:MAX, in mm.
std::pair<double, double> lirePlage(std::string_view texte)
{
    const std::size_t deuxPoints = texte.find(':');
    const MauvaiseEntree malforme{cite(texte) +
                                  " is not a clearance range: write MIN:MAX in mm such as 0.01:0.04 or -0.05:-0.02"};
    if (deuxPoints == std::string_view::npos)
        throw malforme;
    double bornes[2] = {0, 0};
    const std::string_view textes[2] = {texte.substr(0, deuxPoints), texte.substr(deuxPoints + 1)};
    for (int i = 0; i < 2; ++i) {
        const Lecture l = lireDecimal(textes[i], bornes[i]);
        if (l == Lecture::Malforme)
            throw malforme;
        if (l == Lecture::HorsLimites)
            throw MauvaiseEntree{"clearance " + cite(textes[i]) + " is out of range"};
    }
    if (bornes[0] > bornes[1])
        throw MauvaiseEntree{"minimum clearance " + cite(textes[0]) + " exceeds the maximum " + cite(textes[1])};
    return {bornes[0], bornes[1]};
}

struct DescriptionCote {
    Cote cote;
    std::string_view nom;     // in diagnostics
    std::string_view sortie;  // in the results
    std::string_view sup, inf;
};
constexpr DescriptionCote Alesage{Cote::Alesage, "bore", "alesage", "ES", "EI"};
constexpr DescriptionCote Arbre{Cote::Arbre, "shaft", "arbre", "es", "ei"};

// Refuses a class that is not in the side's catalogue or has no deviations
// at d.
void verifierClasse(const DescriptionCote &c, std::string_view classe, double d, std::string_view texteD,
                    Systeme systeme)
{
    ecartsClasse(c.cote, classe, d, texteD, systeme);
}

// The result of a fit of two classes that both have deviations at d.
ResultatAjustement resultatClasses(double d, std::string_view alesage, std::string_view arbre, Systeme systeme)
{
    const std::string texteD = texteNombre(d);
    verifierClasse(Alesage, alesage, d, texteD, systeme);
    verifierClasse(Arbre, arbre, d, texteD, systeme);
    return ajustementClasses(d, alesage, arbre, systeme);
}

// The output forms of a fit.
enum class Forme { Lignes, Json, Dessin, Svg };

std::string ajustement(std::span<const std::string> positionnels, Forme forme, Systeme systeme,
                       const OptionsService &service)
{
    const double d = lireDiametre(positionnels[0], systeme);
    // The window's result: clearances from the limit sizes as shown, so both
    // give the same four decimals and the same kind of fit.
    const ResultatAjustement r = resultatClasses(d, positionnels[1], positionnels[2], systeme);
    if (forme == Forme::Dessin)
        return notationTexte(r, ".");
    if (forme == Forme::Svg)
        return svgSchema(construireSchema(r, "."));

    // Each side's texts: class, deviations, sizes.
    struct Textes {
        std::string classe, sup, inf, max, min;
    };
    auto textes = [&r](const DescriptionCote &c) {
        const CoteAffichee &cote = r.ajustement.cote(c.cote);
        const Tailles &t = *r.tailles(c.cote);
        return Textes{cote.classe, texteNombre(cote.ecarts->sup), texteNombre(cote.ecarts->inf), texteNombre(t.max),
                      texteNombre(t.min)};
    };
    const Jeux &jeux = *r.jeux;
    const std::string_view nature = motNature(jeux.nature);
    std::ostringstream o;
    if (forme == Forme::Json) {
        auto cote = [&](const DescriptionCote &c) {
            const Textes t = textes(c);
            o << '"' << c.sortie << "\":{\"classe\":\"" << t.classe << "\",\"" << c.sup << "\":" << t.sup
              << ",\"" << c.inf << "\":" << t.inf << ",\"max\":" << t.max << ",\"min\":" << t.min << '}';
        };
        o << "{\"diametre\":" << texteNombre(d) << ',';
        cote(Alesage);
        o << ',';
        cote(Arbre);
        o << ",\"jeu\":{\"max\":" << jeux.max.texte << ",\"min\":" << jeux.min.texte << "},\"nature\":\"" << nature
          << '"'
          << jsonService(r.ajustement, service) << "}\n";
    } else {
        for (const DescriptionCote &c : {Alesage, Arbre}) {
            const Textes t = textes(c);
            o << c.sortie << ' ' << t.classe << ' ' << c.sup << '=' << t.sup << ' ' << c.inf << '=' << t.inf
              << " max=" << t.max << " min=" << t.min << '\n';
        }
        o << "jeu max=" << jeux.max.texte << " min=" << jeux.min.texte << '\n' << "nature " << nature << '\n';
        o << lignesService(r.ajustement, service);
    }
    return o.str();
}

std::string microns(std::int32_t demi)
{
    const bool negatif = demi < 0;
    const std::int64_t a = negatif ? -std::int64_t(demi) : demi;
    // Appended piece by piece: g++ 12 sees a false overlap in
    // const char* + std::string&& at -O2 (-Wrestrict).
    std::string t = negatif ? "-" : "";
    t += std::to_string(a / 2);
    if (a % 2)
        t += ".5";
    return t;
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

std::string offertes(std::string_view texteD, Systeme systeme)
{
    const double d = lireDiametre(texteD, systeme);
    std::ostringstream o;
    for (const DescriptionCote &c : {Alesage, Arbre}) {
        int i = 0;
        for (std::string_view classe : classesOffertes(c.cote, d, systeme))
            o << c.nom << ',' << i++ << ',' << classe << '\n';
    }
    return o.str();
}

struct Base_ {
    Base base;
    std::string_view nom;
};
constexpr Base_ Bases[] = {{Base::Alesage, "hole"}, {Base::Arbre, "shaft"}, {Base::Toutes, "any"}};

Base lireBase(std::string_view texte)
{
    for (const Base_ &b : Bases)
        if (b.nom == texte)
            return b.base;
    throw MauvaiseEntree{"unknown basis " + cite(texte) + ": write hole, shaft or any"};
}

std::string_view nomBase(Base base)
{
    for (const Base_ &b : Bases)
        if (b.base == base)
            return b.nom;
    return "any";
}

std::string_view nomBase(Cote base) { return nomBase(base == Cote::Alesage ? Base::Alesage : Base::Arbre); }

std::string nomAjustement(std::string_view alesage, std::string_view arbre)
{
    return std::string(alesage) + '/' + std::string(arbre);
}

// The fits whose clearances lie in MIN:MAX, one per line in the order of the
// search; the nearest ones, marked "proche", when none does.
Sortie trouver(const std::vector<std::string> &positionnels, Base base, bool recommandes, bool json, Systeme systeme,
               const OptionsService &service)
{
    if (positionnels.size() != 2)
        throw MauvaiseEntree{"usage: vestrel-fit --find D MIN:MAX [--basis hole|shaft|any] [--preferred] [--json]"
                             " [--complete] [--service ...]"};
    const double d = lireDiametre(positionnels[0], systeme);
    const auto [mini, maxi] = lirePlage(positionnels[1]);
    // With --service, MIN:MAX is a range in service.
    const double delta = deltaRecherche_mm(d, service);
    const ResultatRecherche r =
        rechercherAjustements(demandeEnService({d, mini, maxi, base, recommandes, systeme}, delta));
    if (r.refus != RefusRecherche::Aucun) // already refused above; kept in step with the search
        throw MauvaiseEntree{"the search refused D or MIN:MAX"};

    std::ostringstream o;
    const auto alesages = catalogue(Cote::Alesage, systeme);
    const auto arbres = catalogue(Cote::Arbre, systeme);
    if (json) {
        o << "{\"diametre\":" << texteNombre(d) << ",\"jeu\":{\"mini\":" << texteNombre(mini)
          << ",\"maxi\":" << texteNombre(maxi) << "},\"base\":\"" << nomBase(base)
          << "\",\"recommandes\":" << (recommandes ? "true" : "false")
          << ",\"proches\":" << (r.proches ? "true" : "false");
        if (service.service)
            o << ",\"service\":{\"delta\":" << texteNombre(delta) << '}';
        o << ",\"ajustements\":[";
        for (std::size_t i = 0; i < r.ajustements.size(); ++i) {
            const AjustementTrouve &t = r.ajustements[i];
            o << (i ? "," : "") << "{\"alesage\":\"" << alesages[t.alesage] << "\",\"arbre\":\""
              << arbres[t.arbre] << "\",\"max\":" << texteJeu(t.jeuMax) << ",\"min\":" << texteJeu(t.jeuMin)
              << ",\"moyen\":" << texteJeu(t.jeuMoyen) << ",\"nature\":\"" << motNature(t.nature)
              << "\",\"qualites\":" << t.qualites << ",\"recommande\":" << (t.recommande >= 0 ? "true" : "false");
            if (service.service)
                o << jsonTrouveService(t, delta);
            if (r.proches)
                o << ",\"ecart\":" << texteNombre(t.ecart);
            o << '}';
        }
        o << "]}\n";
    } else {
        for (const AjustementTrouve &t : r.ajustements)
            o << nomAjustement(alesages[t.alesage], arbres[t.arbre]) << " max=" << texteJeu(t.jeuMax)
              << " min=" << texteJeu(t.jeuMin) << " nature " << motNature(t.nature)
              << (service.service ? ligneTrouveService(t, delta) : "") << (r.proches ? " proche" : "") << '\n';
    }
    return {o.str(), r.ajustements.empty() || r.proches ? SortieAucunAjustement : SortieOk};
}

// The recommended fits offered at D, with the clearances of the four-line
// output and their descriptions.
std::string recommandes(const std::vector<std::string> &positionnels, bool json)
{
    if (positionnels.size() != 1)
        throw MauvaiseEntree{"usage: vestrel-fit --preferred D [--json]"};
    const double d = lireDiametre(positionnels[0], Systeme::Defaut);
    const std::string texteD = texteNombre(d);
    std::ostringstream o;
    if (json)
        o << "{\"diametre\":" << texteD << ",\"recommandes\":[";
    bool premier = true;
    for (int i : recommandesOfferts(d)) {
        const AjustementRecommande &a = ajustementsRecommandes()[i];
        const Jeux j = *resultatClasses(d, a.alesage, a.arbre, Systeme::Defaut).jeux;
        if (json) {
            o << (premier ? "" : ",") << "{\"alesage\":\"" << a.alesage << "\",\"arbre\":\"" << a.arbre
              << "\",\"base\":\"" << nomBase(a.base) << "\",\"max\":" << j.max.texte << ",\"min\":" << j.min.texte
              << ",\"nature\":\"" << motNature(j.nature) << "\",\"description\":\"" << a.description << "\"}";
        } else {
            o << nomAjustement(a.alesage, a.arbre) << " max=" << j.max.texte << " min=" << j.min.texte << " nature "
              << motNature(j.nature) << " basis=" << nomBase(a.base) << ' ' << a.description << '\n';
        }
        premier = false;
    }
    if (json)
        o << "]}\n";
    return o.str();
}

Sortie executer(std::span<const std::string> args)
{
    if (std::optional<Sortie> s = executerFrettage(args))
        return *s;
    // The forms of a fit exclude one another.
    std::optional<std::string_view> forme;
    Forme choisie = Forme::Lignes;
    bool trouve = false, preferes = false, complet = false;
    std::optional<Base> base;
    std::vector<std::string> positionnels;
    std::optional<std::string_view> seule;
    OptionsService service;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (!estOption(a)) {
            positionnels.push_back(a);
        } else if (a == "--json" || a == "--drawing" || a == "--svg") {
            if (forme)
                throw MauvaiseEntree{*forme == a ? a + " is given twice"
                                                 : a + " cannot be combined with " + std::string(*forme)};
            forme = a;
            choisie = a == "--json" ? Forme::Json : a == "--drawing" ? Forme::Dessin : Forme::Svg;
        } else if (a == "--find") {
            uneFois(trouve, a);
        } else if (a == "--preferred") {
            uneFois(preferes, a);
        } else if (a == "--complete") {
            uneFois(complet, a);
        } else if (a == "--basis") {
            if (base)
                throw MauvaiseEntree{"--basis is given twice"};
            if (i + 1 == args.size())
                throw MauvaiseEntree{"--basis needs hole, shaft or any"};
            base = lireBase(args[++i]);
        } else if (a == "--help" || a == "--version" || a == "--table" || a == "--offered") {
            if (seule)
                throw MauvaiseEntree{std::string(a) + " cannot be combined with " + std::string(*seule)};
            seule = a;
        } else if (!lireOptionService(args, i, service)) {
            throw MauvaiseEntree{"unknown option " + cite(a) + " (see --help)"};
        }
    }

    const bool json = choisie == Forme::Json;
    const Systeme systeme = complet ? Systeme::Complet : Systeme::Defaut;
    if (complet && ((preferes && !trouve) || (seule && *seule != "--offered" && *seule != "--table")))
        throw MauvaiseEntree{"--complete goes with D BORE SHAFT, --find, --offered or --table only"};
    verifierOptionsService(service);
    if (service.k && trouve)
        throw MauvaiseEntree{"--probable goes with D BORE SHAFT only"};
    if (service.demandees() && ((preferes && !trouve) || seule || (forme && !json)))
        throw MauvaiseEntree{std::string(service.service ? "--service" : "--probable") +
                             " goes with D BORE SHAFT [--json] or --find only"};
    if ((trouve || preferes) && forme && !json)
        throw MauvaiseEntree{std::string(*forme) + " goes with D BORE SHAFT only"};
    if ((trouve || preferes) && seule)
        throw MauvaiseEntree{std::string(trouve ? "--find" : "--preferred") + " cannot be combined with " +
                             std::string(*seule)};
    if (trouve)
        return trouver(positionnels, base.value_or(Base::Toutes), preferes, json, systeme, service);
    if (base)
        throw MauvaiseEntree{"--basis goes with --find only"};
    if (preferes)
        return {recommandes(positionnels, json)};
    if (seule) {
        if (forme)
            throw MauvaiseEntree{std::string(*forme) + " goes with D BORE SHAFT only, not with " + std::string(*seule)};
        if (*seule == "--offered") {
            std::vector<std::string_view> sans;
            for (const std::string &a : args)
                if (a != "--complete")
                    sans.push_back(a);
            if (sans.size() != 2 || sans[0] != "--offered")
                throw MauvaiseEntree{"usage: vestrel-fit --offered D [--complete]"};
            return {offertes(sans[1], systeme)};
        }
        if (!positionnels.empty())
            throw MauvaiseEntree{std::string(*seule) + " takes no argument, got " + cite(positionnels[0])};
        if (*seule == "--help") {
            // The general tolerances' options go last among the options; the
            // press and free fits follow the exit status, as their own part.
            const std::size_t fin = Aide.find("\n\nExit status") + 1;
            return {std::string(Aide.substr(0, fin)) + std::string(AideGenerale) + std::string(Aide.substr(fin)) +
                    std::string(AideFrettage)};
        }
        if (*seule == "--version")
            return {VESTREL_VERSION "\n"};
        return {complet ? tableComplete() : table()};
    }
    if (positionnels.size() < 3)
        throw MauvaiseEntree{"missing arguments: expected D BORE SHAFT, e.g. vestrel-fit 25 H7 g6 (see --help)"};
    if (positionnels.size() > 3)
        throw MauvaiseEntree{"extra argument " + cite(positionnels[3]) + ": expected D BORE SHAFT"};
    return {ajustement(positionnels, choisie, systeme, service)};
}

} // namespace

int executerFit(std::span<const std::string> args, std::ostream &out, std::ostream &err)
{
    if (demandeGenerale(args))
        return executerGenerale(args, out, err);
    Sortie sortie;
    try {
        sortie = executer(args);
    } catch (const MauvaiseEntree &e) {
        err << "vestrel-fit: " << e.message << '\n';
        return SortieMauvaiseEntree;
    }
    out << sortie.texte;
    return out ? sortie.code : SortieEcriture;
}

std::string citerArgument(std::string_view texte) { return cite(texte); }

LectureArgument lireNombreArgument(std::string_view texte, double &v)
{
    switch (lireDecimal(texte, v)) {
    case Lecture::Nombre: return LectureArgument::Nombre;
    case Lecture::HorsLimites: return LectureArgument::HorsLimites;
    case Lecture::Malforme: break;
    }
    return LectureArgument::Malforme;
}

} // namespace vestrel
