#pragma once

#include "calcul/ajustement.h"
#include "calcul/ajustement_affiche.h"
#include "calcul/resultat.h"
#include "calcul/service.h"
#include "tables/cote.h"
#include "rendu/couleur.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vestrel {

// The drawing's other colours: lines and texts, the scale, the bore's
// hatching, the shaft's fill.
inline constexpr Couleur CouleurEncre{32, 32, 32};
inline constexpr Couleur CouleurGris{96, 96, 96};
inline constexpr Couleur CouleurHachure{80, 80, 80};
inline constexpr Couleur CouleurZoneArbre{170, 190, 225};
inline constexpr Couleur CouleurFond{255, 255, 255};

// The vertical scale, in micrometres from the zero line (the nominal size).
struct Echelle {
    double min = 0;
    double max = 0;
    double pas = 0;                    // between two ticks: 1, 2 or 5 times a power of ten
    std::vector<double> graduations;   // from min to max, zero among them
};

// The zone of one side, in micrometres on the scale. In "Libre" the shaft
// zone is moved by Dia2 - Dia1, its own deviations stay those typed.
struct ZoneSchema {
    double haut = 0;  // position of the upper deviation
    double bas = 0;   // position of the lower deviation
    double reference = 0;             // position of the side's own size (0 but for the moved shaft)
    std::string titre;                // "H7", or "Alésage ∅ 12,3" in "Libre"
    std::string texteSup, texteInf;   // "+21", "0", "−7"; symmetric: texteSup "±12,5", texteInf empty
    std::string texteLargeur;         // "IT7 = 21 µm" ("T = 10 µm" without a class)
    std::string texteReference;       // "∅ 12,2" when the reference is not the zero line
};

// A dimension between an edge of the bore and an edge of the shaft.
struct CotationSchema {
    double alesage = 0; // position of the bore edge, µm
    double arbre = 0;   // position of the shaft edge, µm
    double valeur = 0;  // the clearance, µm (as shown by the window, four decimals in mm)
    std::string texte;  // "41 µm", "−4 µm"
};

// The fit in service over the drawing: the bore zone moved by ΔS against
// the shaft (dashed), the clearances in service between it and the shaft,
// and the probable clearance as a band, measured from the middle of the
// shaft zone (so that it is centred on the bore zone in service).
struct ServiceSchema {
    double decalage = 0;               // ΔS, µm
    double haut = 0, bas = 0;          // the bore zone in service, µm on the scale
    CotationSchema jeuMax, jeuMin;     // in service
    Nature nature = Nature::Incertain; // in service
    double probableHaut = 0, probableBas = 0; // the band, µm on the scale
    std::string legende;   // "En service (ΔS −18 µm) : jeu maxi 23 µm ; jeu mini −11 µm ; incertain"
    std::string legendeProbable; // "Jeu probable (± 3 σ) −2,2 à 14,2 µm ; 7,2 % des paires avec serrage"
};

// Everything the diagram shows, without geometry: the scale, the zones, the
// clearances and every text, numbers written with the caller's separator.
struct ModeleSchema {
    Echelle echelle;
    std::vector<std::string> textesGraduations;     // one per tick, "0" at the zero line
    std::string texteDiametre;                       // "∅ 25" at the zero line
    std::array<std::optional<ZoneSchema>, 2> zones;  // by Cote; empty: side left out
    std::optional<CotationSchema> jeuMax, jeuMin;
    std::optional<Nature> nature;
    std::string titre;                               // the kind of fit in words
    std::string legende;                             // "Jeu maxi 41 µm ; jeu mini 7 µm ; jeu moyen 24 µm"
    std::vector<std::string> manques;                // "Choisissez une classe d'alésage", or why a side has no zone
    std::string description;                         // all of it as one line of text
    std::optional<ServiceSchema> service;            // while the fit in service is shown

    const std::optional<ZoneSchema> &zone(Cote c) const { return zones[static_cast<int>(c)]; }
};

// With `service`, the drawing also shows the fit in service.
ModeleSchema construireSchema(const ResultatAjustement &r, std::string_view separateur,
                              const EtatService *service = nullptr);

// The scale for values from lo to hi (µm, lo <= 0 <= hi): round ticks, with
// a margin beyond both ends.
Echelle echelleSchema(double lo, double hi);

// A micrometre value as shown on the drawing: 15 significant digits, no
// trailing zeros, the separator given, U+2212 for negatives, and "+" before
// positives when `signe` is set.
std::string texteMicrons(double microns, std::string_view separateur, bool signe);

// The drawing laid out at a size in pixels: what every renderer draws.
struct Point {
    double x = 0, y = 0;
};
struct Segment {
    Point a, b;
};
struct Rectangle {
    double x = 0, y = 0, largeur = 0, hauteur = 0;
};
enum class Ancre { Debut, Milieu, Fin };
struct TextePlace {
    Point position; // baseline point at the anchor
    std::string texte;
    Ancre ancre = Ancre::Debut;
    double taille = 12;
    bool gras = false;
    Couleur couleur;
    // A text over lines is written on a white box of about its size.
    std::optional<Rectangle> fond;
};
// The box a text's glyphs take in the drawing font, from its size, its
// characters, its weight and its anchor: what the layout keeps clear.
Rectangle boiteTexte(const TextePlace &t);
// The room a text takes: its glyphs' box, with its white box when it has
// one, so that no line is hidden under it either.
Rectangle encombrement(const TextePlace &t);

struct FlechePlacee {
    Segment trait;
    std::vector<std::array<Point, 3>> pointes;
    Couleur couleur;
};

inline constexpr double LargeurSchema = 560; // default size, px
inline constexpr double HauteurSchema = 400;

// Line widths and the dashes of the extension lines, in units of
// PlanSchema::unite (1 at the default size).
struct Traits {
    double graduation = 1, zone = 1.2, hachure = 0.8, rappel = 0.8, zero = 1.8, fleche = 1.2;
    double tiret = 4, blanc = 3;
    double service = 1.4, tiretService = 6, blancService = 3;
};
// The probable band: the colour of the kind in service, this opaque.
inline constexpr double OpaciteBande = 0.35;
inline constexpr Traits TraitsSchema{};
inline constexpr std::string_view PoliceSchema = "DejaVu Sans";

struct PlanSchema {
    double largeur = 0, hauteur = 0;
    double unite = 1; // how much the drawing is scaled from its default size
    double xAxe = 0;
    double yHaut = 0, yBas = 0;        // where the scale's max and min fall
    double valeurHaut = 0, valeurBas = 0; // the scale's max and min, µm
    double yZero = 0;
    Segment ligneZero;
    std::vector<Segment> graduations;
    std::array<std::optional<Rectangle>, 2> zones; // by Cote
    std::vector<Segment> hachures;     // inside the bore zone
    std::vector<Segment> rappels;      // extension lines of the dimensions, and moved references
    std::vector<FlechePlacee> fleches; // maximum then minimum clearance, then the same in service
    std::vector<Segment> traitsService; // the bore zone in service, dashed
    std::optional<Rectangle> bandeProbable;
    Couleur couleurService;
    std::vector<TextePlace> textes;

    // Vertical position of a value of the scale.
    double y(double microns) const;
};

// What the texts of a plan keep clear of, shared with its checks: every
// line it draws (scale, zero line, zones' edges and hatching, extension
// lines, arrows, the fit in service); whether two boxes' open interiors
// meet; whether a segment passes through a box's interior.
std::vector<Segment> traitsDuPlan(const PlanSchema &p);
bool chevauchent(const Rectangle &a, const Rectangle &b);
bool traverse(const Segment &s, const Rectangle &r);

PlanSchema planSchema(const ModeleSchema &m, double largeur, double hauteur);

// The diagram as an SVG document (SVG Tiny 1.2, which Qt SVG renders): the
// plan written out, element for element.
std::string svgSchema(const PlanSchema &p, std::string_view description);
std::string svgSchema(const ModeleSchema &m, double largeur = LargeurSchema, double hauteur = HauteurSchema);

} // namespace vestrel
