#include "calcul/ajustement.h"
#include "calcul/nombres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using namespace vestrel;

TEST(Ajustement, ClearancesFromShownSizes)
{
    // H7/f7 at 2 mm: 2.01 - 1.984 is 0.0259999999999998 in binary, shown 0.0260.
    const Jeux j = calculerJeux(2.01, 2, 1.994, 1.984);
    EXPECT_EQ(j.max.texte, "0.0260");
    EXPECT_EQ(j.min.texte, "0.0060");
    EXPECT_EQ(j.max.valeur, 0.026);
    EXPECT_EQ(j.moyen.texte, "0.0160");
    EXPECT_EQ(j.nature, Nature::Jeu);

    // H7/g6 at 25 mm.
    const Jeux g = calculerJeux(25.021, 25, 24.993, 24.98);
    EXPECT_EQ(g.max.texte, "0.0410");
    EXPECT_EQ(g.min.texte, "0.0070");
    EXPECT_EQ(g.moyen.texte, "0.0240");
}

TEST(Ajustement, KindOfFit)
{
    struct Cas {
        double alMax, alMin, arMax, arMin;
        Nature nature;
        const char *max, *min;
    };
    const Cas cas[] = {
        {2.01, 2, 2, 1.994, Nature::Jeu, "0.0160", "0.0000"},          // H7/h6: m = 0 is still a clearance fit
        {2.01, 2, 2.02, 2.014, Nature::Serrage, "-0.0040", "-0.0200"}, // H7/s6
        {2.01, 2, 2.006, 2, Nature::Incertain, "0.0100", "-0.0060"},   // H7/k6
        {2, 1.99, 2, 1.99, Nature::Incertain, "0.0100", "-0.0100"},
        {2, 1.996, 2, 2, Nature::Incertain, "0.0000", "-0.0040"},      // M = 0 is a transition
        {2, 2, 2, 2, Nature::Incertain, "0.0000", "0.0000"},
    };
    for (const Cas &c : cas) {
        const Jeux j = calculerJeux(c.alMax, c.alMin, c.arMax, c.arMin);
        EXPECT_EQ(j.nature, c.nature) << c.max << ' ' << c.min;
        EXPECT_EQ(j.max.texte, c.max);
        EXPECT_EQ(j.min.texte, c.min);
    }
    EXPECT_EQ(natureAjustement(0.016, 0), Nature::Jeu);
    EXPECT_EQ(natureAjustement(-0.004, 0), Nature::Serrage);
    EXPECT_EQ(natureAjustement(0, -0.01), Nature::Incertain);
}

TEST(Ajustement, KindDecidedOnTheFourDecimals)
{
    // 0.00004 of clearance shows as 0.0000: the fit with M = 0.0000 is not a
    // clearance fit, whatever the fifth decimal said.
    const Jeux j = calculerJeux(10.00004, 10, 10, 10);
    EXPECT_EQ(j.max.texte, "0.0000");
    EXPECT_EQ(j.nature, Nature::Incertain);
    // Never "-0.0000".
    EXPECT_EQ(calculerJeux(10, 10, 10, 10.00004).max.texte, "0.0000");
}

TEST(Ajustement, TiesOfFreeSizesRoundAwayFromZero)
{
    // "Libre", bore 12.30025 to 12.3, shaft 12.3: jeu maxi 12.30025 - 12.3 =
    // 0.00025, shown 0.0003; jeu mini 0; jeu moyen 0.000125, shown 0.0001.
    const Jeux j = calculerJeux(12.30025, 12.3, 12.3, 12.3);
    EXPECT_EQ(j.max.texte, "0.0003");
    EXPECT_EQ(j.max.valeur, 0.0003);
    EXPECT_EQ(j.min.texte, "0.0000");
    EXPECT_EQ(j.moyen.texte, "0.0001");
    EXPECT_EQ(j.nature, Nature::Jeu);
    // The shaft 12.30025 to 12.3 in a bore of 12.3: jeu mini -0.00025 shows
    // -0.0003; jeu maxi 0, so the fit is a transition.
    const Jeux s = calculerJeux(12.3, 12.3, 12.30025, 12.3);
    EXPECT_EQ(s.min.texte, "-0.0003");
    EXPECT_EQ(s.max.texte, "0.0000");
    EXPECT_EQ(s.moyen.texte, "-0.0001");
    EXPECT_EQ(s.nature, Nature::Incertain);
}

TEST(Ajustement, HugeSizesShowNoBinaryDigits)
{
    // Free-calculator sizes of 1e23 mm: the clearance text carries the 15
    // significant digits of the difference and zeros, never the binary
    // expansion 99999999999999991611392.
    const Jeux j = calculerJeux(1e23, 1e23, 0, 0);
    EXPECT_EQ(j.max.texte, "100000000000000000000000.0000");
    EXPECT_EQ(texteJeu(123456789012.5), "123456789012.5000");
    EXPECT_EQ(texteJeu(12345678901234567.0), "12345678901234600.0000");
    EXPECT_EQ(texteJeu(-1e20), "-100000000000000000000.0000");
    EXPECT_EQ(texteJeu(1.5), "1.5000");
    EXPECT_EQ(texteJeu(0.00005), "0.0001");
}

TEST(Ajustement, ShownTextsReadBackWhole)
{
    // A 41-digit size text is read whole, where typing stops at 40 characters.
    const std::string long41 = "2" + std::string(40, '0');
    EXPECT_EQ(lireTexteNombre(long41), 2e40);
    EXPECT_EQ(lireNombre(long41), 2e39);
    EXPECT_EQ(lireTexteNombre("-0.007"), -0.007);
    EXPECT_EQ(lireTexteNombre("0"), 0);
    EXPECT_FALSE(std::signbit(lireTexteNombre("-0")));
    EXPECT_EQ(lireTexteNombre("12.5.3"), 12.5); // not a shown text: read as typed text
    EXPECT_EQ(lireTexteNombre(""), 0);
    EXPECT_EQ(lireTexteNombre("inf"), 0);
    const Jeux j = calculerJeux(2e40, 2e40, 0, 0);
    EXPECT_EQ(j.max.valeur, 2e40);
}

TEST(Ajustement, DiameterRange)
{
    EXPECT_FALSE(diametreValide(1));
    EXPECT_TRUE(diametreValide(1.001));
    EXPECT_TRUE(diametreValide(500));
    EXPECT_FALSE(diametreValide(500.5));
    EXPECT_FALSE(diametreValide(0));
    EXPECT_FALSE(diametreValide(-25));
    EXPECT_FALSE(diametreValide(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_TRUE(diametreValide(DiametreDefaut));
}

} // namespace
