#include "calcul/nombres.h"
#include "calcul/resultat.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using namespace vestrel;

TEST(Resultat, TablesGiveTheSizesAsShown)
{
    // 2 mm H7/f7: ES +10, EI 0, es -6, ei -16 µm. The bore max 2 + 0.01 and
    // the shaft min 2 - 0.016 are taken as shown, 2.01 and 1.984, so the
    // maximum clearance is 2.01 - 1.984 = 0.026 exactly (the binary
    // difference of the sums is 0.0259999999999998).
    const ResultatAjustement r(ajustementClasses(2, "H7", "f7"));
    ASSERT_TRUE(r.tailles(Cote::Alesage) && r.tailles(Cote::Arbre));
    EXPECT_EQ(*r.tailles(Cote::Alesage), (Tailles{2.01, 2}));
    EXPECT_EQ(*r.tailles(Cote::Arbre), (Tailles{1.994, 1.984}));
    ASSERT_TRUE(r.jeux);
    EXPECT_EQ(r.jeux->max.texte, "0.0260");
    EXPECT_EQ(r.jeux->max.valeur, 0.026);
    EXPECT_EQ(r.jeux->min.texte, "0.0060");
    EXPECT_EQ(r.jeux->nature, Nature::Jeu);
    EXPECT_EQ(r.ajustement, ajustementClasses(2, "H7", "f7"));
}

TEST(Resultat, ASideWithoutNumbersGivesNoClearances)
{
    const ResultatAjustement r(ajustementClasses(25, "H7", ""));
    EXPECT_TRUE(r.tailles(Cote::Alesage));
    EXPECT_EQ(*r.tailles(Cote::Alesage), (Tailles{25.021, 25}));
    EXPECT_FALSE(r.tailles(Cote::Arbre));
    EXPECT_FALSE(r.cote(Cote::Arbre).ecartsInverses);
    EXPECT_FALSE(r.jeux);
}

TEST(Resultat, FreeSizesArePlainSums)
{
    // 12.3 + 0.03 and 12.2 + 0.02, not rounded: the free sizes are typed.
    const ResultatAjustement r(ajustementLibre(12.3, 0.03, 0.02, 12.2, 0.03, 0.02));
    EXPECT_EQ(r.tailles(Cote::Alesage)->max, 12.3 + 0.03);
    EXPECT_EQ(r.tailles(Cote::Arbre)->min, 12.2 + 0.02);
    ASSERT_TRUE(r.jeux);
    EXPECT_EQ(r.jeux->max.texte, "0.1100"); // 12.33 - 12.22
    EXPECT_EQ(r.jeux->min.texte, "0.0900"); // 12.32 - 12.23
}

struct Inversion {
    const char *nom;
    double supAl, infAl, supAr, infAr;
    bool alesage, arbre; // which side is reversed
};

void PrintTo(const Inversion &i, std::ostream *os) { *os << i.nom; }

class EcartsInverses : public testing::TestWithParam<Inversion> {};

// In "Libre" an upper deviation below the lower one gives that side no
// sizes and the fit no clearances; the other side keeps its sizes.
TEST_P(EcartsInverses, NoSizesForThatSideNoClearances)
{
    const Inversion &i = GetParam();
    const ResultatAjustement r(ajustementLibre(10, i.supAl, i.infAl, 10, i.supAr, i.infAr));
    EXPECT_EQ(r.cote(Cote::Alesage).ecartsInverses, i.alesage);
    EXPECT_EQ(r.cote(Cote::Arbre).ecartsInverses, i.arbre);
    EXPECT_EQ(r.tailles(Cote::Alesage).has_value(), !i.alesage);
    EXPECT_EQ(r.tailles(Cote::Arbre).has_value(), !i.arbre);
    EXPECT_EQ(r.jeux.has_value(), !i.alesage && !i.arbre);
}

INSTANTIATE_TEST_SUITE_P(
    Libre, EcartsInverses,
    testing::Values(Inversion{"bore ES 0.01 EI 0.02", 0.01, 0.02, 0.03, 0.02, true, false},
                    Inversion{"shaft es -0.01 ei 0.02", 0.03, 0.02, -0.01, 0.02, false, true},
                    Inversion{"both", -0.02, -0.01, 0, 0.001, true, true},
                    Inversion{"equal deviations, a zone of width 0", 0.02, 0.02, -0.01, -0.01, false, false},
                    Inversion{"negative, in order", -0.01, -0.02, -0.03, -0.04, false, false}));

} // namespace
