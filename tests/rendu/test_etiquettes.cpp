#include "rendu/schema.h"

#include "calcul/service.h"
#include "tables/materiaux.h"
#include "tables/offerts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace vestrel;

// The first clash in the plan, described, or empty.
std::string conflit(const PlanSchema &p)
{
    const std::vector<Segment> lignes = traitsDuPlan(p);
    for (std::size_t i = 0; i < p.textes.size(); ++i) {
        const Rectangle a = encombrement(p.textes[i]);
        for (std::size_t j = i + 1; j < p.textes.size(); ++j)
            if (chevauchent(a, encombrement(p.textes[j])))
                return "\"" + p.textes[i].texte + "\" overlaps \"" + p.textes[j].texte + "\"";
        for (const Segment &s : lignes)
            if (traverse(s, a)) {
                std::ostringstream o;
                o << "\"" << p.textes[i].texte << "\" crossed by (" << s.a.x << "," << s.a.y << ")-(" << s.b.x << ","
                  << s.b.y << ")";
                return o.str();
            }
    }
    return {};
}

struct Taille {
    double largeur, hauteur;
};
constexpr Taille Tailles[] = {{LargeurSchema, HauteurSchema}, {400, 300}, {1400, 1000}};

void verifier(const ModeleSchema &m, const std::string &nom, int &echecs)
{
    for (const Taille &t : Tailles) {
        const std::string c = conflit(planSchema(m, t.largeur, t.hauteur));
        if (!c.empty() && ++echecs <= 10)
            ADD_FAILURE() << nom << " at " << t.largeur << "x" << t.hauteur << ": " << c;
    }
}

// The box of a text holds its glyphs: wider for more characters and bold,
// placed by its anchor, its baseline inside.
TEST(EtiquettesSchema, BoiteTexte)
{
    TextePlace t{{100, 50}, "+21", Ancre::Fin, 12, false, CouleurEncre, std::nullopt};
    const Rectangle b = boiteTexte(t);
    EXPECT_NEAR(b.x + b.largeur, 100, 1e-9);
    EXPECT_LT(b.y, 50 - 0.7 * 12);
    EXPECT_GT(b.y + b.hauteur, 50);
    EXPECT_GE(b.largeur, 3 * 0.55 * 12);
    t.ancre = Ancre::Milieu;
    EXPECT_NEAR(boiteTexte(t).x + boiteTexte(t).largeur / 2, 100, 1e-9);
    t.gras = true;
    EXPECT_GT(boiteTexte(t).largeur, b.largeur);
    t.texte = "+21,5";
    t.gras = false;
    EXPECT_GT(boiteTexte(t).largeur, b.largeur);
}

// The two checks the layout and this test rely on, on boxes drawn by hand.
TEST(EtiquettesSchema, CroisementsEtChevauchements)
{
    const Rectangle r{10, 10, 20, 10}; // x 10 … 30, y 10 … 20
    EXPECT_TRUE(traverse({{0, 15}, {40, 15}}, r));   // straight through
    EXPECT_TRUE(traverse({{15, 0}, {25, 30}}, r));   // slanted, through top and bottom
    EXPECT_TRUE(traverse({{20, 15}, {21, 15}}, r));  // wholly inside
    EXPECT_FALSE(traverse({{0, 10}, {40, 10}}, r));  // along the top edge
    EXPECT_FALSE(traverse({{0, 0}, {9, 30}}, r));    // beside it
    EXPECT_FALSE(traverse({{0, 5}, {40, 5}}, r));    // above it
    EXPECT_FALSE(traverse({{0, 15}, {10, 15}}, r));  // ends on the left edge
    EXPECT_FALSE(traverse({{0, 0}, {10, 10}}, r));   // ends on a corner
    EXPECT_TRUE(chevauchent(r, {29, 19, 5, 5}));
    EXPECT_FALSE(chevauchent(r, {30, 10, 5, 5}));    // sharing an edge
    EXPECT_FALSE(chevauchent(r, {10, 20, 20, 5}));
    EXPECT_TRUE(chevauchent(r, {12, 12, 1, 1}));     // one inside the other
}

// Every class pair offered at a sample of diameters, in both catalogues:
// no text crosses a line or another text.
class EtiquettesCatalogue : public testing::TestWithParam<Systeme> {};

TEST_P(EtiquettesCatalogue, AucunChevauchement)
{
    const Systeme s = GetParam();
    const std::vector<double> diametres = s == Systeme::Defaut ? std::vector<double>{1, 3, 6.5, 25, 80, 123.456789, 315, 500}
                                                               : std::vector<double>{0.5, 10, 50, 250, 630, 1600, 3150};
    int echecs = 0, ajustements = 0;
    for (double d : diametres) {
        const auto alesages = classesOffertes(Cote::Alesage, d, s);
        const auto arbres = classesOffertes(Cote::Arbre, d, s);
        // A pair in every few, stepping through both lists differently, so
        // that every bore class and every shaft class come in.
        const std::size_t pas = std::max<std::size_t>(1, alesages.size() * arbres.size() / 400);
        for (std::size_t k = 0; k < alesages.size() * arbres.size(); k += pas) {
            const auto a = alesages[k % alesages.size()], b = arbres[(k / alesages.size() + k) % arbres.size()];
            const ModeleSchema m = construireSchema(ajustementClasses(d, a, b, s), ",");
            verifier(m, std::string(a) + "/" + std::string(b) + " at " + std::to_string(d), echecs);
            ++ajustements;
        }
    }
    EXPECT_GT(ajustements, 1000);
    EXPECT_EQ(echecs, 0);
}

// The fit in service adds a dashed zone, its arrows and texts: with no
// change at all (the same conditions on both parts), in the cold and in
// the warm, over a sample of the default catalogue's fits and free fits.
TEST(EtiquettesSchema, EnService)
{
    struct Cas {
        const char *nom;
        double alpha_al, t_al, t_ar;
    };
    const double acier = acierParDefaut().alpha_chauffe_par_K, alu = materiau("alu-6082")->alpha_chauffe_par_K;
    const Cas cas[] = {{"sans effet", acier, 20, 20}, {"froid", alu, -40, -40}, {"chaud", alu, 80, 20},
                       {"acier chaud", acier, 150, 20}};
    int echecs = 0, ajustements = 0;
    auto essayer = [&](const AjustementAffiche &f, const std::string &nom) {
        for (const Cas &c : cas) {
            ConditionsService conditions;
            conditions.piece(Cote::Alesage) = {c.alpha_al, c.t_al};
            conditions.piece(Cote::Arbre).temperature_C = c.t_ar;
            const auto e = etatService(f, conditions, 3);
            if (!e)
                continue;
            verifier(construireSchema(f, ",", &*e), nom + ", " + c.nom, echecs);
            ++ajustements;
        }
    };
    for (double d : {2.0, 25.0, 50.0, 123.456789, 400.0}) {
        const auto alesages = classesOffertes(Cote::Alesage, d);
        const auto arbres = classesOffertes(Cote::Arbre, d);
        const std::size_t pas = std::max<std::size_t>(1, alesages.size() * arbres.size() / 60);
        for (std::size_t k = 0; k < alesages.size() * arbres.size(); k += pas) {
            const auto a = alesages[k % alesages.size()], b = arbres[(k / alesages.size() + k) % arbres.size()];
            essayer(ajustementClasses(d, a, b), std::string(a) + "/" + std::string(b) + " at " + std::to_string(d));
        }
    }
    for (const auto &l : std::vector<std::array<double, 6>>{{12.3, 0.03, 0.02, 12.2, 0.03, 0.02},
                                                           {50, 0.025, 0, 50, -0.025, -0.05},
                                                           {40, 0, -0.01, 40.03, 0.006, 0}})
        essayer(ajustementLibre(l[0], l[1], l[2], l[3], l[4], l[5]), "libre " + std::to_string(l[0]));
    EXPECT_GT(ajustements, 1000);
    EXPECT_EQ(echecs, 0);
}

INSTANTIATE_TEST_SUITE_P(Catalogues, EtiquettesCatalogue, testing::Values(Systeme::Defaut, Systeme::Complet));

// Symmetric classes, zero deviations, one side alone, free fits with long
// sizes and deviations, and the fit in service.
TEST(EtiquettesSchema, CasParticuliers)
{
    int echecs = 0;
    for (const auto &[a, b] : std::vector<std::pair<const char *, const char *>>{
             {"JS7", "js6"}, {"JS9", "h9"}, {"H7", "js6"}, {"H7", "h6"}, {"H7", ""}, {"", "g6"}, {"H7", "s6"}, {"K7", "h6"}})
        for (double d : {2.0, 12.5, 25.0, 123.456789, 400.0})
            verifier(construireSchema(ajustementClasses(d, a, b), ","), std::string(a) + "/" + b, echecs);
    for (const auto &l : std::vector<std::array<double, 6>>{{123.456789, 0.0315, -0.0315, 123.456789, 0.0215, -0.0215},
                                                           {123.456789, 0.0315, -0.0315, 123.4, 0.0135, -0.0135},
                                                           {12.3, 0.03, 0.02, 12.2, 0.03, 0.02},
                                                           {10, 0.01, -0.01, 10, 0.01, -0.02},
                                                           {5, 0.0001, 0, 5, 0, 0},
                                                           {99.99, 0.123456, 0.001234, 100.0123, -0.004567, -0.098765}})
        verifier(construireSchema(ajustementLibre(l[0], l[1], l[2], l[3], l[4], l[5]), ","), "libre", echecs);
    for (const auto &[a, b] : std::vector<std::pair<const char *, const char *>>{{"H7", "g6"}, {"H7", "s6"}, {"H8", "f7"}}) {
        const AjustementAffiche f = ajustementClasses(25, a, b);
        ConditionsService c;
        c.piece(Cote::Alesage) = {materiau("alu-6082")->alpha_chauffe_par_K, -40};
        c.piece(Cote::Arbre).temperature_C = -40;
        const auto e = etatService(f, c, 3);
        ASSERT_TRUE(e);
        verifier(construireSchema(f, ",", &*e), std::string("service ") + a + "/" + b, echecs);
    }
    EXPECT_EQ(echecs, 0);
}

} // namespace
