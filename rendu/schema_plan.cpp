// The diagram laid out at a size, and written as SVG.
#include "rendu/schema.h"

#include "rendu/xml.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vestrel {

namespace {


// Horizontal places, as fractions of the width: the scale on the left, the
// bore zone, the two dimensions between the zones, the shaft zone, its
// deviations on the right.
constexpr double XAxe = 0.10;
constexpr double XAlesage = 0.22;
constexpr double XArbre = 0.66;
constexpr double LargeurZone = 0.14;
constexpr double XJeuMax = 0.47;
constexpr double XJeuMin = 0.55;
constexpr double XFin = 0.97;
// The clearances in service outside those at 20 °C, the probable band
// between them.
constexpr double XServiceMax = 0.415;
constexpr double XServiceMin = 0.605;
constexpr double XBande = 0.51;
constexpr double LargeurBande = 0.012;

// Code points of a UTF-8 text, to size the white box behind it.
double longueur(const std::string &t)
{
    return static_cast<double>(std::count_if(t.begin(), t.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// Lines at 45 degrees across a rectangle, `ecart` apart.
void hachurer(const Rectangle &r, double ecart, std::vector<Segment> &sortie)
{
    const double x0 = r.x, x1 = r.x + r.largeur, y0 = r.y, y1 = r.y + r.hauteur;
    for (double c = x0 + y0 + ecart / 2; c < x1 + y1; c += ecart) {
        const double xa = std::max(x0, c - y1);
        const double xb = std::min(x1, c - y0);
        if (xb > xa)
            sortie.push_back({{xa, c - xa}, {xb, c - xb}});
    }
}

// A vertical dimension from ya to yb at x: arrowheads inside when there is
// room for them, outside (pointing in) when the two edges are close.
FlechePlacee fleche(double x, double ya, double yb, double echelle, Couleur couleur)
{
    FlechePlacee f;
    f.couleur = couleur;
    const double longueurPointe = 7 * echelle, demiLargeur = 3 * echelle;
    const double sens = yb >= ya ? 1 : -1;
    const bool dedans = std::abs(yb - ya) >= 2.2 * longueurPointe;
    auto pointe = [&](double y, double versBase) {
        f.pointes.push_back({Point{x, y}, Point{x - demiLargeur, y + versBase * longueurPointe},
                             Point{x + demiLargeur, y + versBase * longueurPointe}});
    };
    if (dedans) {
        f.trait = {{x, ya}, {x, yb}};
        pointe(ya, sens);
        pointe(yb, -sens);
    } else {
        f.trait = {{x, ya - sens * 2.2 * longueurPointe}, {x, yb + sens * 2.2 * longueurPointe}};
        pointe(ya, -sens);
        pointe(yb, sens);
    }
    return f;
}

} // namespace

// Whether the open interiors of two boxes meet.
bool chevauchent(const Rectangle &a, const Rectangle &b)
{
    return a.x < b.x + b.largeur && b.x < a.x + a.largeur && a.y < b.y + b.hauteur && b.y < a.y + a.hauteur;
}

// Whether a segment passes through the interior of a box (clipped to it
// one side at a time).
bool traverse(const Segment &s, const Rectangle &r)
{
    double t0 = 0, t1 = 1;
    const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {s.a.x - r.x, r.x + r.largeur - s.a.x, s.a.y - r.y, r.y + r.hauteur - s.a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] <= 0)
                return false;
        } else if (p[i] < 0) {
            t0 = std::max(t0, q[i] / p[i]);
        } else {
            t1 = std::min(t1, q[i] / p[i]);
        }
    }
    return t1 - t0 > 1e-9;
}

// Every line of the plan a text must keep off.
std::vector<Segment> traitsDuPlan(const PlanSchema &p)
{
    std::vector<Segment> t = p.graduations;
    t.push_back(p.ligneZero);
    auto bords = [&](const Rectangle &r) {
        const Point a{r.x, r.y}, b{r.x + r.largeur, r.y}, c{r.x + r.largeur, r.y + r.hauteur}, d{r.x, r.y + r.hauteur};
        t.insert(t.end(), {{a, b}, {b, c}, {c, d}, {d, a}});
    };
    for (const auto &z : p.zones)
        if (z)
            bords(*z);
    if (p.bandeProbable)
        bords(*p.bandeProbable);
    t.insert(t.end(), p.hachures.begin(), p.hachures.end());
    t.insert(t.end(), p.rappels.begin(), p.rappels.end());
    t.insert(t.end(), p.traitsService.begin(), p.traitsService.end());
    for (const FlechePlacee &f : p.fleches) {
        t.push_back(f.trait);
        for (const auto &q : f.pointes)
            t.insert(t.end(), {{q[0], q[1]}, {q[1], q[2]}, {q[2], q[0]}});
    }
    return t;
}

namespace {

// The texts are kept in drawing order; each one whose room (its glyphs and
// its white box) crosses a line or a text already kept is moved up or down
// (its white box with it) by the least step that clears it, so that it
// stays beside what it labels, and no line is hidden under a white box.
void degager(PlanSchema &p)
{
    const std::vector<Segment> lignes = traitsDuPlan(p);
    std::vector<Rectangle> gardees;
    auto libre = [&](const Rectangle &b) {
        return std::none_of(gardees.begin(), gardees.end(), [&](const Rectangle &g) { return chevauchent(b, g); })
               && std::none_of(lignes.begin(), lignes.end(), [&](const Segment &s) { return traverse(s, b); });
    };
    for (TextePlace &t : p.textes) {
        // The box is taken of the text as it would be moved, so that the
        // box kept is the very one checked, to the last bit.
        auto deplacer = [](TextePlace &u, double dx, double dy) {
            u.position.x += dx;
            u.position.y += dy;
            if (u.fond) {
                u.fond->x += dx;
                u.fond->y += dy;
            }
        };
        auto boiteDeplacee = [&](double dx, double dy) {
            TextePlace u = t;
            deplacer(u, dx, dy);
            return encombrement(u);
        };
        // Up or down first, then also sideways when no height will do.
        const double pas = 0.1 * t.taille;
        const int n = static_cast<int>(p.hauteur / pas), m = static_cast<int>(p.largeur / 4 / pas);
        double dx = 0, dy = 0;
        bool trouve = false;
        for (int j = 0; j <= 2 * m && !trouve; ++j) {
            dx = (j % 2 ? -1 : 1) * ((j + 1) / 2) * pas;
            for (int k = 0; k <= 2 * n && !trouve; ++k) {
                dy = (k % 2 ? -1 : 1) * ((k + 1) / 2) * pas;
                trouve = libre(boiteDeplacee(dx, dy));
            }
        }
        if (!trouve)
            dx = dy = 0;
        deplacer(t, dx, dy);
        gardees.push_back(encombrement(t));
    }
}

} // namespace

Rectangle encombrement(const TextePlace &t)
{
    Rectangle b = boiteTexte(t);
    if (t.fond) {
        const double x0 = std::min(b.x, t.fond->x), y0 = std::min(b.y, t.fond->y);
        const double x1 = std::max(b.x + b.largeur, t.fond->x + t.fond->largeur);
        const double y1 = std::max(b.y + b.hauteur, t.fond->y + t.fond->hauteur);
        b = Rectangle{x0, y0, x1 - x0, y1 - y0};
    }
    return b;
}

Rectangle boiteTexte(const TextePlace &t)
{
    // Advance widths of the drawing font, in ems: digits and most letters
    // about 0.64 (0.70 in bold), spaces and punctuation half that, the
    // symbols outside ASCII up to 0.84.
    double ems = 0;
    for (std::size_t i = 0; i < t.texte.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(t.texte[i]);
        if ((c & 0xC0) == 0x80)
            continue;
        if (c >= 0x80)
            ems += 0.84;
        else if (c == ' ' || c == ',' || c == '.' || c == ':' || c == ';' || c == 'i' || c == 'l' || c == '(' || c == ')')
            ems += 0.36;
        else
            ems += t.gras ? 0.72 : 0.66;
    }
    const double l = ems * t.taille;
    const double x = t.ancre == Ancre::Debut ? t.position.x : t.ancre == Ancre::Milieu ? t.position.x - l / 2 : t.position.x - l;
    return {x, t.position.y - 0.8 * t.taille, l, 1.02 * t.taille};
}

double PlanSchema::y(double microns) const
{
    return yHaut + (valeurHaut - microns) / (valeurHaut - valeurBas) * (yBas - yHaut);
}

PlanSchema planSchema(const ModeleSchema &m, double largeur, double hauteur)
{
    PlanSchema p;
    p.largeur = largeur;
    p.hauteur = hauteur;
    const double e = std::clamp(std::min(largeur / LargeurSchema, hauteur / HauteurSchema), 0.5, 4.0);
    p.unite = e;
    const double police = 12 * e, petite = 11 * e, grande = 14 * e;
    const double lignes = (m.legende.empty() ? 0 : 1) + (m.service ? 2 : 0) + static_cast<double>(m.manques.size());

    const double yTitre = 8 * e + grande;
    p.yHaut = yTitre + 2.6 * police;
    p.yBas = std::max(hauteur - 8 * e - lignes * 1.5 * police - 1.9 * police, p.yHaut + 20 * e);
    const Echelle &ech = m.echelle;
    p.valeurHaut = ech.max;
    p.valeurBas = ech.min;
    auto y = [&](double v) { return p.y(v); };
    p.yZero = y(0);
    p.xAxe = XAxe * largeur;

    auto texte = [&](Point pos, std::string t, Ancre ancre, double taille, bool gras, Couleur c) {
        p.textes.push_back({pos, std::move(t), ancre, taille, gras, c, std::nullopt});
    };

    if (!m.titre.empty())
        texte({largeur / 2, yTitre}, m.titre, Ancre::Milieu, grande, true, couleurNature(*m.nature));

    // The scale: its axis, a tick and a value per graduation, the unit on top.
    p.graduations.push_back({{p.xAxe, p.yHaut}, {p.xAxe, p.yBas}});
    for (std::size_t i = 0; i < ech.graduations.size(); ++i) {
        const double yg = y(ech.graduations[i]);
        p.graduations.push_back({{p.xAxe - 5 * e, yg}, {p.xAxe, yg}});
        const bool zero = ech.graduations[i] == 0;
        texte({p.xAxe - 7 * e, yg + 0.35 * petite}, m.textesGraduations[i], Ancre::Fin, petite, zero, zero ? CouleurEncre : CouleurGris);
    }
    texte({p.xAxe - 7 * e, p.yHaut - 1.1 * police}, "\u00B5m", Ancre::Fin, petite, false, CouleurGris);

    p.ligneZero = {{p.xAxe, p.yZero}, {XFin * largeur, p.yZero}};
    texte({XFin * largeur, p.yZero - 4 * e}, m.texteDiametre, Ancre::Fin, police, false, CouleurEncre);

    for (Cote c : {Cote::Alesage, Cote::Arbre}) {
        const auto &z = m.zone(c);
        if (!z)
            continue;
        const bool alesage = c == Cote::Alesage;
        const double haut = std::max(z->haut, z->bas), bas = std::min(z->haut, z->bas);
        Rectangle r{(alesage ? XAlesage : XArbre) * largeur, y(haut), LargeurZone * largeur, 0};
        r.hauteur = std::max(y(bas) - r.y, 1.0);
        p.zones[static_cast<int>(c)] = r;
        if (alesage)
            hachurer(r, 6 * e, p.hachures);
        const double milieu = r.x + r.largeur / 2;
        texte({milieu, r.y - 0.6 * police}, z->titre, Ancre::Milieu, police, true, CouleurEncre);
        texte({milieu, r.y + r.hauteur + 1.3 * petite}, z->texteLargeur, Ancre::Milieu, petite, false, CouleurEncre);

        // Deviations beside the zone's outer side, kept a line apart when
        // the zone is thinner than a line.
        const double xTexte = alesage ? r.x - 5 * e : r.x + r.largeur + 5 * e;
        const Ancre ancre = alesage ? Ancre::Fin : Ancre::Debut;
        const double decalage = 0.35 * police;
        if (z->texteInf.empty()) {
            texte({xTexte, y((z->haut + z->bas) / 2) + decalage}, z->texteSup, ancre, police, false, CouleurEncre);
        } else {
            double ySup = y(z->haut) + decalage, yInf = y(z->bas) + decalage;
            if (std::abs(ySup - yInf) < 1.1 * police) {
                const double mi = (ySup + yInf) / 2, s = z->haut >= z->bas ? 1 : -1;
                ySup = mi - s * 0.55 * police;
                yInf = mi + s * 0.55 * police;
            }
            texte({xTexte, ySup}, z->texteSup, ancre, police, false, CouleurEncre);
            texte({xTexte, yInf}, z->texteInf, ancre, police, false, CouleurEncre);
        }
        if (!z->texteReference.empty()) {
            const double yr = y(z->reference);
            p.rappels.push_back({{(XArbre - 0.06) * largeur, yr}, {XFin * largeur, yr}});
            texte({XFin * largeur, yr - 4 * e}, z->texteReference, Ancre::Fin, police, false, CouleurEncre);
        }
    }

    const auto &al = p.zones[0];
    const auto &ar = p.zones[1];
    if (m.jeuMax && m.jeuMin && al && ar && m.nature) {
        const Couleur couleur = couleurNature(*m.nature);
        const double droiteAlesage = al->x + al->largeur, gaucheArbre = ar->x;
        for (const bool maxi : {true, false}) {
            const CotationSchema &cot = maxi ? *m.jeuMax : *m.jeuMin;
            const double x = (maxi ? XJeuMax : XJeuMin) * largeur;
            const double ya = y(cot.alesage), yb = y(cot.arbre);
            p.rappels.push_back({{droiteAlesage, ya}, {x + 4 * e, ya}});
            p.rappels.push_back({{gaucheArbre, yb}, {x - 4 * e, yb}});
            p.fleches.push_back(fleche(x, ya, yb, e, couleur));
            const double yt = (ya + yb) / 2 + 0.35 * petite;
            const double xt = maxi ? x - 5 * e : x + 5 * e;
            texte({xt, yt}, cot.texte, maxi ? Ancre::Fin : Ancre::Debut, petite, true, couleur);
            const double l = 0.62 * petite * longueur(cot.texte) + 2 * e;
            p.textes.back().fond = Rectangle{maxi ? xt - l : xt - 2 * e, yt - 0.95 * petite, l + 2 * e, 1.25 * petite};
        }
    }

    if (m.service && al && ar) {
        const ServiceSchema &sv = *m.service;
        const Couleur couleur = couleurNature(sv.nature);
        p.couleurService = couleur;
        // The bore zone in service: its outline, dashed.
        const double x0 = al->x, x1 = al->x + al->largeur;
        const double ya = y(std::max(sv.haut, sv.bas)), yb = y(std::min(sv.haut, sv.bas));
        p.traitsService = {{{x0, ya}, {x1, ya}}, {{x1, ya}, {x1, yb}}, {{x1, yb}, {x0, yb}}, {{x0, yb}, {x0, ya}}};
        const double droiteAlesage = x1, gaucheArbre = ar->x;
        for (const bool maxi : {true, false}) {
            const CotationSchema &cot = maxi ? sv.jeuMax : sv.jeuMin;
            const double x = (maxi ? XServiceMax : XServiceMin) * largeur;
            const double yA = y(cot.alesage), yB = y(cot.arbre);
            // From the bore zone in service; the shaft's edge line of the
            // 20 °C dimension is carried on to the outer one.
            p.traitsService.push_back({{droiteAlesage, yA}, {x + 4 * e, yA}});
            if (maxi)
                p.rappels.push_back({{gaucheArbre, yB}, {x - 4 * e, yB}});
            p.fleches.push_back(fleche(x, yA, yB, e, couleur));
            // The clearance in service beyond the arrow's end, out of the
            // way of the texts of the clearances at 20 °C: above the maximum,
            // below the minimum.
            const double yt = maxi ? std::min(yA, yB) - 2.2 * 7 * e - 0.3 * petite
                                   : std::max(yA, yB) + 2.2 * 7 * e + 1.0 * petite;
            texte({x, yt}, cot.texte, Ancre::Milieu, petite, false, couleur);
            const double l = 0.62 * petite * longueur(cot.texte) + 2 * e;
            p.textes.back().fond = Rectangle{x - l / 2 - e, yt - 0.95 * petite, l + 2 * e, 1.25 * petite};
        }
        const double yh = y(sv.probableHaut), yl = y(sv.probableBas);
        p.bandeProbable = Rectangle{(XBande - LargeurBande / 2) * largeur, yh, LargeurBande * largeur,
                                    std::max(yl - yh, 1.0)};
    }

    double yLigne = hauteur - 8 * e - (lignes - 1) * 1.5 * police;
    if (!m.legende.empty()) {
        texte({largeur / 2, yLigne}, m.legende, Ancre::Milieu, police, false, couleurNature(*m.nature));
        yLigne += 1.5 * police;
    }
    if (m.service) {
        const Couleur couleur = couleurNature(m.service->nature);
        texte({largeur / 2, yLigne}, "- - -  " + m.service->legende, Ancre::Milieu, police, false, couleur);
        yLigne += 1.5 * police;
        texte({largeur / 2, yLigne}, "\u2590  " + m.service->legendeProbable, Ancre::Milieu, police, false, couleur);
        yLigne += 1.5 * police;
    }
    for (const std::string &t : m.manques) {
        texte({largeur / 2, yLigne}, t, Ancre::Milieu, police, false, CouleurGris);
        yLigne += 1.5 * police;
    }
    degager(p);
    return p;
}

namespace {

std::string nombre(double v)
{
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, std::round(v * 100) / 100, std::chars_format::fixed, 2);
    std::string s(tampon, r.ptr);
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.')
        s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string couleur(Couleur c)
{
    static constexpr char Hex[] = "0123456789abcdef";
    std::string s = "#";
    for (unsigned char v : {c.r, c.g, c.b}) {
        s += Hex[v >> 4];
        s += Hex[v & 15];
    }
    return s;
}

void ligne(std::string &s, const Segment &g)
{
    s += "<line x1=\"" + nombre(g.a.x) + "\" y1=\"" + nombre(g.a.y) + "\" x2=\"" + nombre(g.b.x) + "\" y2=\""
         + nombre(g.b.y) + "\"/>\n";
}

void rectangle(std::string &s, const Rectangle &r, std::string_view attributs)
{
    s += "<rect x=\"" + nombre(r.x) + "\" y=\"" + nombre(r.y) + "\" width=\"" + nombre(r.largeur) + "\" height=\""
         + nombre(r.hauteur) + "\" " + std::string(attributs) + "/>\n";
}

} // namespace

std::string svgSchema(const PlanSchema &p, std::string_view description)
{
    const double e = p.unite;
    constexpr Traits T = TraitsSchema;
    const std::string l = nombre(p.largeur), h = nombre(p.hauteur);
    std::string s;
    s.reserve(8192);
    s += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    s += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" width=\"" + l
         + "\" height=\"" + h + "\" viewBox=\"0 0 " + l + " " + h + "\">\n";
    s += "<title>Schéma des tolérances</title>\n<desc>" + echapperXml(description) + "</desc>\n";
    s += "<rect x=\"0\" y=\"0\" width=\"" + l + "\" height=\"" + h + "\" fill=\"" + couleur(CouleurFond) + "\" stroke=\"none\"/>\n";

    s += "<g id=\"echelle\" stroke=\"" + couleur(CouleurGris) + "\" stroke-width=\"" + nombre(T.graduation * e) + "\">\n";
    for (const Segment &g : p.graduations)
        ligne(s, g);
    s += "</g>\n";

    const std::string trait = "stroke=\"" + couleur(CouleurEncre) + "\" stroke-width=\"" + nombre(T.zone * e) + "\"";
    if (const auto &r = p.zones[0]) {
        rectangle(s, *r, "id=\"zone-alesage\" fill=\"" + couleur(CouleurFond) + "\" " + trait);
        s += "<g id=\"hachures\" stroke=\"" + couleur(CouleurHachure) + "\" stroke-width=\"" + nombre(T.hachure * e) + "\">\n";
        for (const Segment &g : p.hachures)
            ligne(s, g);
        s += "</g>\n";
        rectangle(s, *r, "fill=\"none\" " + trait);
    }
    if (const auto &r = p.zones[1])
        rectangle(s, *r, "id=\"zone-arbre\" fill=\"" + couleur(CouleurZoneArbre) + "\" " + trait);

    s += "<g id=\"rappels\" stroke=\"" + couleur(CouleurGris) + "\" stroke-width=\"" + nombre(T.rappel * e)
         + "\" stroke-dasharray=\"" + nombre(T.tiret * e) + "," + nombre(T.blanc * e) + "\">\n";
    for (const Segment &g : p.rappels)
        ligne(s, g);
    s += "</g>\n";
    s += "<line id=\"zero\" x1=\"" + nombre(p.ligneZero.a.x) + "\" y1=\"" + nombre(p.ligneZero.a.y) + "\" x2=\""
         + nombre(p.ligneZero.b.x) + "\" y2=\"" + nombre(p.ligneZero.b.y) + "\" stroke=\"" + couleur(CouleurEncre)
         + "\" stroke-width=\"" + nombre(T.zero * e) + "\"/>\n";

    if (!p.traitsService.empty()) {
        s += "<g id=\"zone-alesage-service\" stroke=\"" + couleur(p.couleurService) + "\" stroke-width=\""
             + nombre(T.service * e) + "\" stroke-dasharray=\"" + nombre(T.tiretService * e) + ","
             + nombre(T.blancService * e) + "\">\n";
        for (const Segment &g : p.traitsService)
            ligne(s, g);
        s += "</g>\n";
    }
    if (p.bandeProbable)
        rectangle(s, *p.bandeProbable, "id=\"jeu-probable\" fill=\"" + couleur(p.couleurService) + "\" fill-opacity=\""
                                           + nombre(OpaciteBande) + "\" stroke=\"" + couleur(p.couleurService) + "\" stroke-width=\""
                                           + nombre(T.graduation * e) + "\"");

    static constexpr const char *Noms[] = {"jeu-maxi", "jeu-mini", "jeu-maxi-service", "jeu-mini-service"};
    for (std::size_t i = 0; i < p.fleches.size(); ++i) {
        const FlechePlacee &f = p.fleches[i];
        const std::string c = couleur(f.couleur);
        s += "<g id=\"" + std::string(Noms[i % 4]) + "\" stroke=\"" + c + "\" fill=\"" + c + "\" stroke-width=\""
             + nombre(T.fleche * e) + "\">\n";
        ligne(s, f.trait);
        for (const auto &t : f.pointes)
            s += "<polygon stroke=\"none\" points=\"" + nombre(t[0].x) + "," + nombre(t[0].y) + " " + nombre(t[1].x)
                 + "," + nombre(t[1].y) + " " + nombre(t[2].x) + "," + nombre(t[2].y) + "\"/>\n";
        s += "</g>\n";
    }

    s += "<g font-family=\"" + std::string(PoliceSchema) + "\">\n";
    for (const TextePlace &t : p.textes) {
        if (t.fond)
            rectangle(s, *t.fond, "fill=\"" + couleur(CouleurFond) + "\" stroke=\"none\"");
        const char *ancre = t.ancre == Ancre::Debut ? "start" : t.ancre == Ancre::Milieu ? "middle" : "end";
        s += "<text x=\"" + nombre(t.position.x) + "\" y=\"" + nombre(t.position.y) + "\" font-size=\""
             + nombre(t.taille) + "\" text-anchor=\"" + ancre + "\" fill=\"" + couleur(t.couleur) + "\""
             + (t.gras ? " font-weight=\"bold\"" : "") + ">" + echapperXml(t.texte) + "</text>\n";
    }
    s += "</g>\n</svg>\n";
    return s;
}

std::string svgSchema(const ModeleSchema &m, double largeur, double hauteur)
{
    return svgSchema(planSchema(m, largeur, hauteur), m.description);
}

} // namespace vestrel
