#include "rendu/schema.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace vestrel;

constexpr const char *Moins = "\u2212";

// A tick step is 1, 2 or 5 times a power of ten.
bool pasRond(double pas)
{
    const double m = pas / std::pow(10.0, std::floor(std::log10(pas)));
    return std::abs(m - 1) < 1e-9 || std::abs(m - 2) < 1e-9 || std::abs(m - 5) < 1e-9;
}

// What every diagram must hold, whatever the fit: a round scale that holds
// both zones and the zero line with room to spare, dimensions that measure
// the clearance they are labelled with, and a layout inside the drawing.
void verifierSchema(const ModeleSchema &m)
{
    const Echelle &e = m.echelle;
    ASSERT_GT(e.pas, 0);
    EXPECT_TRUE(pasRond(e.pas)) << e.pas;
    EXPECT_GE(e.graduations.size(), 4u);
    EXPECT_LE(e.graduations.size(), 13u);
    EXPECT_NE(std::find(e.graduations.begin(), e.graduations.end(), 0.0), e.graduations.end());
    EXPECT_EQ(e.graduations.front(), e.min);
    EXPECT_NEAR(e.graduations.back(), e.max, e.pas * 1e-9);
    EXPECT_EQ(m.textesGraduations.size(), e.graduations.size());
    double lo = 0, hi = 0;
    for (const auto &z : m.zones)
        if (z) {
            lo = std::min({lo, z->bas, z->haut});
            hi = std::max({hi, z->bas, z->haut});
        }
    const double marge = (hi - lo) / 20;
    EXPECT_LT(e.min, lo - marge);
    EXPECT_GT(e.max, hi + marge);
    for (const auto &c : {m.jeuMax, m.jeuMin}) {
        if (c) {
            EXPECT_NEAR(c->alesage - c->arbre, c->valeur, 1e-6 * std::max(1.0, std::abs(c->valeur)));
        }
    }

    const PlanSchema p = planSchema(m, LargeurSchema, HauteurSchema);
    for (const auto &r : p.zones) {
        if (!r)
            continue;
        EXPECT_GT(r->y, p.yHaut + 5);
        EXPECT_LT(r->y + r->hauteur, p.yBas - 5);
        EXPECT_GE(r->hauteur, 1);
        EXPECT_GT(r->x, p.xAxe);
        EXPECT_LT(r->x + r->largeur, p.largeur);
    }
    for (const TextePlace &t : p.textes) {
        EXPECT_GT(t.position.y, 0) << t.texte;
        EXPECT_LT(t.position.y, p.hauteur) << t.texte;
    }
}

struct Cas {
    const char *nom;
    double d;
    const char *alesage, *arbre;
    double alHaut, alBas, arHaut, arBas; // µm
    double jeuMax, jeuMin;               // µm
    Nature nature;
    Couleur couleur;
    const char *titre;
};

void PrintTo(const Cas &c, std::ostream *os) { *os << c.nom; }

class Modele : public testing::TestWithParam<Cas> {};

TEST_P(Modele, ZonesClearancesAndKind)
{
    const Cas &c = GetParam();
    const ModeleSchema m = construireSchema(ajustementClasses(c.d, c.alesage, c.arbre), ",");
    ASSERT_TRUE(m.zone(Cote::Alesage) && m.zone(Cote::Arbre));
    const ZoneSchema &al = *m.zone(Cote::Alesage), &ar = *m.zone(Cote::Arbre);
    EXPECT_NEAR(al.haut, c.alHaut, 1e-9);
    EXPECT_NEAR(al.bas, c.alBas, 1e-9);
    EXPECT_NEAR(ar.haut, c.arHaut, 1e-9);
    EXPECT_NEAR(ar.bas, c.arBas, 1e-9);
    EXPECT_EQ(al.titre, c.alesage);
    EXPECT_EQ(ar.titre, c.arbre);
    ASSERT_TRUE(m.jeuMax && m.jeuMin && m.nature);
    EXPECT_NEAR(m.jeuMax->valeur, c.jeuMax, 1e-9);
    EXPECT_NEAR(m.jeuMin->valeur, c.jeuMin, 1e-9);
    // The maximum clearance runs from the bore's upper edge to the shaft's
    // lower edge, the minimum from the bore's lower to the shaft's upper.
    EXPECT_EQ(m.jeuMax->alesage, al.haut);
    EXPECT_EQ(m.jeuMax->arbre, ar.bas);
    EXPECT_EQ(m.jeuMin->alesage, al.bas);
    EXPECT_EQ(m.jeuMin->arbre, ar.haut);
    EXPECT_EQ(*m.nature, c.nature);
    EXPECT_EQ(couleurNature(*m.nature), c.couleur);
    EXPECT_EQ(m.titre, c.titre);
    EXPECT_TRUE(m.manques.empty());
    verifierSchema(m);
}

INSTANTIATE_TEST_SUITE_P(
    Ajustements, Modele,
    testing::Values(
        Cas{"jeu_25_H7_g6", 25, "H7", "g6", 21, 0, -7, -20, 41, 7, Nature::Jeu, {0, 0, 255}, "Ajustement avec jeu"},
        Cas{"incertain_25_H7_k6", 25, "H7", "k6", 21, 0, 15, 2, 19, -15, Nature::Incertain, {0, 0, 0},
            "Ajustement incertain"},
        Cas{"serrage_25_H7_s6", 25, "H7", "s6", 21, 0, 48, 35, -14, -48, Nature::Serrage, {255, 0, 0},
            "Ajustement avec serrage"},
        Cas{"js_12_JS9_h9", 12, "JS9", "h9", 21.5, -21.5, 0, -43, 64.5, -21.5, Nature::Incertain, {0, 0, 0},
            "Ajustement incertain"},
        Cas{"enorme_450_ZC11_h6", 450, "ZC11", "h6", -2400, -2800, 0, -40, -2360, -2800, Nature::Serrage,
            {255, 0, 0}, "Ajustement avec serrage"},
        Cas{"minuscule_2_H6_h5", 2, "H6", "h5", 6, 0, 0, -4, 10, 0, Nature::Jeu, {0, 0, 255},
            "Ajustement avec jeu"}));

TEST(Modele, TextsOfAClearanceFit)
{
    const ModeleSchema m = construireSchema(ajustementClasses(25, "H7", "g6"), ",");
    const ZoneSchema &al = *m.zone(Cote::Alesage), &ar = *m.zone(Cote::Arbre);
    EXPECT_EQ(al.texteSup, "+21");
    EXPECT_EQ(al.texteInf, "0");
    EXPECT_EQ(ar.texteSup, std::string(Moins) + "7");
    EXPECT_EQ(ar.texteInf, std::string(Moins) + "20");
    EXPECT_EQ(al.texteLargeur, "IT7 = 21 \u00B5m");
    EXPECT_EQ(ar.texteLargeur, "IT6 = 13 \u00B5m");
    EXPECT_EQ(m.texteDiametre, "\u2205 25");
    EXPECT_EQ(m.jeuMax->texte, "41 \u00B5m");
    EXPECT_EQ(m.legende, "Jeu maxi 41 \u00B5m ; jeu mini 7 \u00B5m ; jeu moyen 24 \u00B5m");
    EXPECT_EQ(m.echelle.pas, 10);
    EXPECT_EQ(m.echelle.min, -30);
    EXPECT_EQ(m.echelle.max, 30);
    EXPECT_EQ(m.textesGraduations.front(), std::string(Moins) + "30");
    EXPECT_EQ(m.description, "\u2205 25 H7/g6, ajustement avec jeu ; alésage H7 de 0 à +21 \u00B5m (IT7 = 21 \u00B5m) ; "
                             "arbre g6 de \u221220 à \u22127 \u00B5m (IT6 = 13 \u00B5m) ; jeu maxi 41 \u00B5m ; "
                             "jeu mini 7 \u00B5m ; jeu moyen 24 \u00B5m.");
}

TEST(Modele, SeparatorAndSymmetricZone)
{
    const ModeleSchema virgule = construireSchema(ajustementClasses(12.5, "JS9", "js9"), ",");
    EXPECT_EQ(virgule.texteDiametre, "\u2205 12,5");
    EXPECT_EQ(virgule.zone(Cote::Alesage)->texteSup, "\u00B121,5");
    EXPECT_EQ(virgule.zone(Cote::Alesage)->texteInf, "");
    EXPECT_EQ(virgule.zone(Cote::Arbre)->texteLargeur, "IT9 = 43 \u00B5m");
    EXPECT_NE(virgule.description.find("alésage JS9 \u00B121,5 \u00B5m"), std::string::npos) << virgule.description;
    const ModeleSchema point = construireSchema(ajustementClasses(12.5, "JS9", "js9"), ".");
    EXPECT_EQ(point.zone(Cote::Arbre)->texteSup, "\u00B121.5");
    EXPECT_EQ(point.description.find(','), point.description.find(", ajustement"));
}

TEST(Modele, StarredClassKeepsItsGrade)
{
    const ModeleSchema m = construireSchema(ajustementClasses(500, "E11*", "e11*"), ".");
    EXPECT_EQ(m.zone(Cote::Alesage)->texteLargeur, "IT11 = 400 \u00B5m");
    EXPECT_EQ(m.zone(Cote::Alesage)->titre, "E11*");
    verifierSchema(m);
}

TEST(Modele, SideWithoutNumbersIsLeftOut)
{
    struct Manque {
        AjustementAffiche a;
        Cote absent;
        std::string message;
    };
    const Manque cas[] = {
        {ajustementClasses(25, "H7", ""), Cote::Arbre, "Choisissez une classe d'arbre"},
        {ajustementClasses(25, "", "g6"), Cote::Alesage, "Choisissez une classe d'alésage"},
        {ajustementClasses(110, "P9", "h6"), Cote::Alesage, "Alésage P9 : pas d'écarts à \u2205 110"},
        {ajustementClasses(20, "H7", "t6"), Cote::Arbre, "Arbre t6 : pas d'écarts à \u2205 20"},
        // Deviations left over from another class are no numbers of this fit.
        {ajustementTables(25, "H7", PaireEcarts{0.021, 0}, "", PaireEcarts{-0.007, -0.02}), Cote::Arbre,
         "Choisissez une classe d'arbre"},
    };
    for (const Manque &c : cas) {
        const ModeleSchema m = construireSchema(c.a, ",");
        EXPECT_FALSE(m.zone(c.absent)) << c.message;
        EXPECT_TRUE(m.zone(c.absent == Cote::Alesage ? Cote::Arbre : Cote::Alesage)) << c.message;
        ASSERT_EQ(m.manques.size(), 1u);
        EXPECT_EQ(m.manques[0], c.message);
        EXPECT_FALSE(m.jeuMax || m.jeuMin || m.nature);
        EXPECT_TRUE(m.titre.empty() && m.legende.empty());
        EXPECT_NE(m.description.find(c.message), std::string::npos) << m.description;
        EXPECT_EQ(m.description.find("jeu"), std::string::npos) << m.description;
        verifierSchema(m);
        const PlanSchema p = planSchema(m, LargeurSchema, HauteurSchema);
        EXPECT_TRUE(p.fleches.empty());
        EXPECT_FALSE(p.zones[static_cast<int>(c.absent)]);
    }
    const ModeleSchema vide = construireSchema(ajustementClasses(25, "", ""), ",");
    EXPECT_EQ(vide.manques.size(), 2u);
    EXPECT_EQ(vide.description, "\u2205 25 ; Choisissez une classe d'alésage ; Choisissez une classe d'arbre.");
    verifierSchema(vide);
}

TEST(Modele, FreeSizesMoveTheShaftZone)
{
    // 12.3 +0.03/+0.02 against 12.2 +0.03/+0.02: the shaft is drawn 100 µm
    // below the bore's size, and labelled with its own deviations.
    const ModeleSchema m = construireSchema(ajustementLibre(12.3, 0.03, 0.02, 12.2, 0.03, 0.02), ",");
    const ZoneSchema &al = *m.zone(Cote::Alesage), &ar = *m.zone(Cote::Arbre);
    EXPECT_NEAR(al.haut, 30, 1e-9);
    EXPECT_NEAR(al.bas, 20, 1e-9);
    EXPECT_NEAR(ar.reference, -100, 1e-9);
    EXPECT_NEAR(ar.haut, -70, 1e-9);
    EXPECT_NEAR(ar.bas, -80, 1e-9);
    EXPECT_EQ(ar.texteSup, "+30");
    EXPECT_EQ(ar.texteInf, "+20");
    EXPECT_EQ(ar.texteReference, "\u2205 12,2");
    EXPECT_EQ(al.texteReference, "");
    EXPECT_EQ(al.titre, "Alésage \u2205 12,3");
    EXPECT_EQ(ar.titre, "Arbre \u2205 12,2");
    EXPECT_EQ(al.texteLargeur, "T = 10 \u00B5m");
    EXPECT_EQ(m.texteDiametre, "\u2205 12,3");
    EXPECT_NEAR(m.jeuMax->valeur, 110, 1e-9);
    EXPECT_NEAR(m.jeuMin->valeur, 90, 1e-9);
    EXPECT_EQ(*m.nature, Nature::Jeu);
    EXPECT_LT(m.echelle.min, -100);
    verifierSchema(m);
    EXPECT_EQ(m.description.rfind("Libre, ajustement avec jeu ; alésage \u2205 12,3 de +20 à +30 \u00B5m", 0), 0u)
        << m.description;

    // Equal sizes: nothing moved.
    const ModeleSchema egal = construireSchema(ajustementLibre(10, 0.01, -0.01, 10, 0.01, -0.02), ".");
    ASSERT_TRUE(egal.zone(Cote::Arbre));
    EXPECT_EQ(egal.zone(Cote::Arbre)->reference, 0);
    EXPECT_EQ(egal.zone(Cote::Arbre)->texteReference, "");
    EXPECT_EQ(egal.zone(Cote::Arbre)->texteInf, "\u221220");
    EXPECT_EQ(egal.zone(Cote::Arbre)->texteLargeur, "T = 30 \u00B5m");
    verifierSchema(egal);
    // All zero: still a scale to draw on.
    verifierSchema(construireSchema(ajustementLibre(0, 0, 0, 0, 0, 0), "."));
    // Typed sizes far apart, or numbers of forty digits, keep a bounded scale.
    verifierSchema(construireSchema(ajustementLibre(1e39, 1e39, 0, 0, 0, -1e39), "."));
}

struct Inverse {
    Cote cote;
    AjustementAffiche ajustement;
    const char *message;
};

void PrintTo(const Inverse &i, std::ostream *os) { *os << i.message; }

class SchemaInverse : public testing::TestWithParam<Inverse> {};

// An upper deviation typed below the lower one: that side has no zone, the
// fit no dimensions, and the diagram says why in the side's place.
TEST_P(SchemaInverse, NothingDrawnForThatSide)
{
    const Inverse &i = GetParam();
    const Cote autre = i.cote == Cote::Alesage ? Cote::Arbre : Cote::Alesage;
    const ModeleSchema m = construireSchema(i.ajustement, ",");
    EXPECT_FALSE(m.zone(i.cote));
    EXPECT_TRUE(m.zone(autre));
    EXPECT_FALSE(m.jeuMax);
    EXPECT_FALSE(m.nature);
    EXPECT_EQ(m.manques, std::vector<std::string>{i.message});
    EXPECT_NE(m.description.find(i.message), std::string::npos) << m.description;
    const PlanSchema p = planSchema(m, LargeurSchema, HauteurSchema);
    EXPECT_FALSE(p.zones[static_cast<int>(i.cote)]);
    EXPECT_TRUE(p.fleches.empty());
    verifierSchema(m);
}

INSTANTIATE_TEST_SUITE_P(
    Libre, SchemaInverse,
    testing::Values(Inverse{Cote::Alesage, ajustementLibre(10, 0.01, 0.02, 10, 0, -0.01),
                            "L'écart supérieur de l'alésage est inférieur à l'écart inférieur"},
                    Inverse{Cote::Arbre, ajustementLibre(10, 0.02, 0.01, 10, -0.02, 0.01),
                            "L'écart supérieur de l'arbre est inférieur à l'écart inférieur"}));

TEST(Echelle, RoundTicksAroundTheValues)
{
    struct Bornes {
        double lo, hi, pas, min, max;
    };
    const Bornes cas[] = {
        {-20, 21, 10, -30, 30},
        {-2800, 0, 1000, -4000, 1000},
        {-4, 6, 2, -6, 8},
        {0, 0.1, 0.02, -0.02, 0.12},
        {0, 0, 2, -6, 6},
    };
    for (const Bornes &c : cas) {
        const Echelle e = echelleSchema(c.lo, c.hi);
        EXPECT_DOUBLE_EQ(e.pas, c.pas) << c.lo << ' ' << c.hi;
        EXPECT_DOUBLE_EQ(e.min, c.min) << c.lo << ' ' << c.hi;
        EXPECT_NEAR(e.max, c.max, 1e-12) << c.lo << ' ' << c.hi;
    }
    // Positive values only: the zero line stays on the scale.
    EXPECT_LT(echelleSchema(35, 48).min, 0);
    // Tick texts carry no binary rounding noise (3 x 0.02 is 0.06).
    const ModeleSchema m = construireSchema(ajustementLibre(5, 0.0001, 0, 5, 0, 0), ",");
    for (const std::string &t : m.textesGraduations)
        EXPECT_LE(t.size(), 8u) << t;
}

TEST(Plan, PositionsFollowTheScale)
{
    const ModeleSchema m = construireSchema(ajustementClasses(25, "H7", "g6"), ".");
    for (const auto &[l, h] : {std::pair{560.0, 400.0}, std::pair{1200.0, 900.0}, std::pair{320.0, 240.0}}) {
        const PlanSchema p = planSchema(m, l, h);
        EXPECT_NEAR(p.y(m.echelle.max), p.yHaut, 1e-9);
        EXPECT_NEAR(p.y(m.echelle.min), p.yBas, 1e-9);
        EXPECT_NEAR(p.yZero, p.y(0), 1e-9);
        const Rectangle &al = *p.zones[0], &ar = *p.zones[1];
        EXPECT_NEAR(al.y, p.y(21), 1e-9);
        EXPECT_NEAR(al.y + al.hauteur, p.y(0), 1e-9);
        EXPECT_NEAR(ar.y, p.y(-7), 1e-9);
        EXPECT_NEAR(ar.y + ar.hauteur, p.y(-20), 1e-9);
        EXPECT_LT(al.x + al.largeur, ar.x); // bore on the left, shaft on the right
        // The two dimensions lie between the zones and end on their edges.
        ASSERT_EQ(p.fleches.size(), 2u);
        for (const FlechePlacee &f : p.fleches) {
            EXPECT_GT(f.trait.a.x, al.x + al.largeur);
            EXPECT_LT(f.trait.a.x, ar.x);
            EXPECT_EQ(f.couleur, CouleurJeu);
            EXPECT_EQ(f.pointes.size(), 2u);
        }
        EXPECT_NEAR(p.fleches[0].pointes[0][0].y, p.y(21), 1e-9);
        EXPECT_NEAR(p.fleches[0].pointes[1][0].y, p.y(-20), 1e-9);
        EXPECT_NEAR(p.fleches[1].pointes[0][0].y, p.y(0), 1e-9);
        EXPECT_NEAR(p.fleches[1].pointes[1][0].y, p.y(-7), 1e-9);
        // Hatching stays inside the bore zone.
        EXPECT_FALSE(p.hachures.empty());
        for (const Segment &s : p.hachures)
            for (const Point &q : {s.a, s.b}) {
                EXPECT_GE(q.x, al.x - 1e-9);
                EXPECT_LE(q.x, al.x + al.largeur + 1e-9);
                EXPECT_GE(q.y, al.y - 1e-9);
                EXPECT_LE(q.y, al.y + al.hauteur + 1e-9);
            }
    }
}

// The texts beside a zone thinner than a line are moved apart.
TEST(Plan, DeviationsOfAThinZoneDoNotOverlap)
{
    const ModeleSchema m = construireSchema(ajustementClasses(400, "ZC11", "h5"), ".");
    const PlanSchema p = planSchema(m, LargeurSchema, HauteurSchema);
    const ZoneSchema &ar = *m.zone(Cote::Arbre);
    double ySup = -1, yInf = -1, taille = 0;
    for (const TextePlace &t : p.textes) {
        if (t.position.x > p.zones[1]->x + p.zones[1]->largeur) {
            (t.texte == ar.texteSup ? ySup : yInf) = t.position.y;
            taille = t.taille;
        }
    }
    ASSERT_GT(ySup, 0);
    ASSERT_GT(yInf, 0);
    EXPECT_GE(yInf - ySup, taille);
}

TEST(Plan, CloseEdgesGetArrowsFromOutside)
{
    // H7/h6 at 2 mm: minimum clearance 0, the two edges on one line.
    const ModeleSchema m = construireSchema(ajustementClasses(2, "H7", "h6"), ".");
    const PlanSchema p = planSchema(m, LargeurSchema, HauteurSchema);
    ASSERT_EQ(p.fleches.size(), 2u);
    const FlechePlacee &f = p.fleches[1];
    const double y = p.y(0);
    EXPECT_NEAR(f.pointes[0][0].y, y, 1e-9);
    // Each head points at the edge from beyond it.
    EXPECT_LT(f.pointes[0][1].y, y);
    EXPECT_GT(f.pointes[1][1].y, y);
    EXPECT_LT(std::min(f.trait.a.y, f.trait.b.y), y - 10);
}

TEST(Svg, OneDocumentWithTheModelsTexts)
{
    const ModeleSchema m = construireSchema(ajustementClasses(25, "H7", "g6"), ",");
    const std::string s = svgSchema(m, 600, 300);
    EXPECT_EQ(s.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
    EXPECT_NE(s.find("width=\"600\" height=\"300\" viewBox=\"0 0 600 300\""), std::string::npos);
    EXPECT_TRUE(s.ends_with("</svg>\n"));
    EXPECT_NE(s.find("<desc>" + m.description + "</desc>"), std::string::npos);
    for (const char *t : {">+21</text>", ">\u22127</text>", ">IT7 = 21 \u00B5m</text>", ">Ajustement avec jeu</text>",
                          ">\u2205 25</text>", ">41 \u00B5m</text>", "fill=\"#0000ff\""})
        EXPECT_NE(s.find(t), std::string::npos) << t;
    // Numbers of the geometry never take the locale's separator.
    EXPECT_EQ(s.find("=\"" + std::string("1,")), std::string::npos);
    EXPECT_EQ(s.find("nan"), std::string::npos);
    EXPECT_EQ(s.find("inf\""), std::string::npos);
}

// The window paints the plan it keeps, and the SVG is the same plan
// written out: line widths follow the plan's scale, not the default size.
TEST(Svg, WrittenFromThePlanAtItsScale)
{
    const ModeleSchema m = construireSchema(ajustementClasses(25, "H7", "s6"), ".");
    const PlanSchema p = planSchema(m, 2 * LargeurSchema, 2 * HauteurSchema);
    EXPECT_DOUBLE_EQ(p.unite, 2);
    EXPECT_DOUBLE_EQ(planSchema(m, LargeurSchema / 4, HauteurSchema / 4).unite, 0.5);
    const std::string s = svgSchema(p, m.description);
    EXPECT_EQ(s, svgSchema(m, 2 * LargeurSchema, 2 * HauteurSchema));
    EXPECT_NE(s.find("id=\"zero\""), std::string::npos);
    EXPECT_NE(s.find("stroke=\"#202020\" stroke-width=\"3.6\"/>"), std::string::npos) << s;
    EXPECT_NE(s.find("stroke-dasharray=\"8,6\""), std::string::npos);
    EXPECT_NE(s.find("fill=\"#aabee1\""), std::string::npos);
}

} // namespace
