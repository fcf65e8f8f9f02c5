// The fit in service on the diagram, in its SVG and in drawing notation.
#include "calcul/service.h"
#include "rendu/notation.h"
#include "rendu/schema.h"
#include "tables/materiaux.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace vestrel;

// H7/g6 at 25 mm, an aluminium housing on a steel shaft, both at −40 °C:
// ΔS = −0.018 mm, 0.023 … −0.011 in service.
EtatService froid(const AjustementAffiche &a, double k = 3)
{
    ConditionsService c;
    c.piece(Cote::Alesage) = {materiau("alu-6082")->alpha_chauffe_par_K, -40};
    c.piece(Cote::Arbre).temperature_C = -40;
    return *etatService(a, c, k);
}

TEST(SchemaService, ZonesClearancesAndBand)
{
    const AjustementAffiche a = ajustementClasses(25, "H7", "g6");
    const EtatService e = froid(a);
    const ModeleSchema m = construireSchema(a, ",", &e);
    ASSERT_TRUE(m.service);
    // The bore zone 0 … +21 µm moved by −18 µm.
    EXPECT_DOUBLE_EQ(m.service->haut, 3);
    EXPECT_DOUBLE_EQ(m.service->bas, -18);
    EXPECT_EQ(m.service->jeuMax.texte, "23 \u00B5m");
    EXPECT_EQ(m.service->jeuMin.texte, "\u221211 \u00B5m");
    EXPECT_EQ(m.service->nature, Nature::Incertain);
    // The band: μ ± 3σ = 6 ∓ 12.349 µm from the middle of the shaft zone,
    // −13.5 µm: −19.85 … 4.85, centred on the bore zone in service.
    EXPECT_NEAR(m.service->probableBas, -19.849, 1e-3);
    EXPECT_NEAR(m.service->probableHaut, 4.849, 1e-3);
    EXPECT_NEAR((m.service->probableBas + m.service->probableHaut) / 2, (3 - 18) / 2.0, 1e-9);
    // The scale holds the moved zone.
    EXPECT_LE(m.echelle.min, -19.85);
    EXPECT_NE(m.description.find("en service (\u0394S \u221218 \u00B5m) : jeu maxi 23 \u00B5m ; jeu mini \u221211 \u00B5m ; incertain"),
              std::string::npos)
        << m.description;

    const PlanSchema p = planSchema(m, LargeurSchema, HauteurSchema);
    ASSERT_TRUE(p.bandeProbable);
    EXPECT_NEAR(p.bandeProbable->y, p.y(4.849), 0.01);
    EXPECT_NEAR(p.bandeProbable->y + p.bandeProbable->hauteur, p.y(-19.849), 0.01);
    EXPECT_EQ(p.fleches.size(), 4u);
    const std::string svg = svgSchema(m);
    for (const char *id : {"zone-alesage-service", "jeu-probable", "jeu-maxi-service", "jeu-mini-service"})
        EXPECT_NE(svg.find(id), std::string::npos) << id;

    // Without the service: none of it.
    const ModeleSchema sans = construireSchema(a, ",");
    EXPECT_FALSE(sans.service);
    EXPECT_EQ(svgSchema(sans).find("service"), std::string::npos);
}

TEST(SchemaService, NeedsBothSides)
{
    const AjustementAffiche a = ajustementClasses(25, "H7", "g6");
    const EtatService e = froid(a);
    const ModeleSchema m = construireSchema(ajustementClasses(25, "H7", ""), ".", &e);
    EXPECT_FALSE(m.service);
}

TEST(NotationService, TwoMoreLines)
{
    const AjustementAffiche a = ajustementClasses(25, "H7", "g6");
    const EtatService e = froid(a, 2);
    const std::string t = notationTexte(a, ".", &e);
    // k = 2: 0.006 ∓ 2 · 0.0041164 = −0.0022 … 0.0142; Φ(−1.4576) = 7.2 %.
    EXPECT_NE(t.find("Jeu maxi 0.0410 ; jeu mini 0.0070 ; jeu moyen 0.0240\n"
                     "En service : \u0394S \u22120.0180 ; jeu maxi 0.0230 ; jeu mini \u22120.0110 : incertain\n"
                     "Jeu probable (\u00B1 2 \u03C3) : de \u22120.0022 \u00E0 0.0142 ; jeu moyen 0.0060 ; "
                     "avec serrage 7.2 % ; avec jeu 92.8 %\n"),
              std::string::npos)
        << t;
    EXPECT_NE(notationHtml(a, ",", &e).find("En service : \u0394S \u22120,0180"), std::string::npos);
    EXPECT_EQ(notationTexte(a, "."), notationTexte(a, ".", nullptr));
}

TEST(NotationService, SharesWithOneDecimal)
{
    // Rounded half up on the tenth of a percent, never "-0.0".
    EXPECT_EQ(textePart(0), "0.0");
    EXPECT_EQ(textePart(1), "100.0");
    EXPECT_EQ(textePart(0.30665), "30.7");
    EXPECT_EQ(textePart(0.0004), "0.0");
    EXPECT_EQ(textePart(0.99996), "100.0");
    EXPECT_EQ(textePart(6e-17), "0.0");
}

} // namespace
