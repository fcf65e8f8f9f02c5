#include "calcul/generales.h"
#include "calcul/nombres.h"

#include <gtest/gtest.h>

using namespace vestrel;

namespace {

using G = GenreGeneral;
using C = ClasseGenerale;

// Limits and angle texts as printed, by hand: 25 ± 0.2 is 24.8 to 25.2;
// 3 mm is in the first band (class c ± 0.2, 2.8 to 3.2), 3.001 in the
// second (± 0.3, 2.701 to 3.301); 1500 ± 1.2 in m; a 60 mm shorter side
// gives c ± 0°30' and f ± 0°20' (a third of a degree).
struct Cas {
    G genre;
    C classe;
    double taille_mm;
    const char *ecart, *mini, *maxi; // general number texts, "" when not defined
};

class Limites : public testing::TestWithParam<Cas> {};

TEST_P(Limites, AsPrinted)
{
    const Cas &c = GetParam();
    const ToleranceGenerale t = toleranceGenerale(c.genre, c.classe, c.taille_mm);
    ASSERT_EQ(t.definie(), *c.ecart != '\0');
    if (!t.definie())
        return;
    EXPECT_EQ(texteNombre(t.ecart_mm), c.ecart);
    EXPECT_EQ(texteNombre(t.mini_mm), c.mini);
    EXPECT_EQ(texteNombre(t.maxi_mm), c.maxi);
}

INSTANTIATE_TEST_SUITE_P(Iso2768, Limites,
                         testing::Values(Cas{G::Lineaire, C::m, 25, "0.2", "24.8", "25.2"},
                                         Cas{G::Lineaire, C::c, 3, "0.2", "2.8", "3.2"},
                                         Cas{G::Lineaire, C::c, 3.001, "0.3", "2.701", "3.301"},
                                         Cas{G::Lineaire, C::m, 1500, "1.2", "1498.8", "1501.2"},
                                         Cas{G::Lineaire, C::f, 0.5, "0.05", "0.45", "0.55"},
                                         Cas{G::Lineaire, C::v, 2, "", "", ""},
                                         Cas{G::Arete, C::v, 2, "0.4", "1.6", "2.4"},
                                         Cas{G::Arete, C::m, 0.3, "", "", ""}));

TEST(Generales, AnglesInDegreesAndMinutes)
{
    const auto t = tolerancesGenerales(G::Angle, 60);
    EXPECT_EQ(t[0].classe, C::f);
    EXPECT_EQ(t[3].classe, C::v);
    EXPECT_EQ(t[0].degres, 0);
    EXPECT_EQ(t[0].minutes, 20);
    EXPECT_EQ(t[2].minutes, 30);
    EXPECT_EQ(t[3].degres, 1);
    EXPECT_EQ(t[3].minutes, 0);
    EXPECT_EQ(texteNombre(t[0].ecart_degres), "0.333333333333333");
    const auto court = tolerancesGenerales(G::Angle, 5);
    EXPECT_EQ(court[2].degres, 1);
    EXPECT_EQ(court[2].minutes, 30);
    EXPECT_EQ(texteNombre(court[2].ecart_degres), "1.5");
}

TEST(Generales, DesignationOfTheTitleBlock)
{
    EXPECT_EQ(designationGenerale(C::m), "ISO 2768-m");
    EXPECT_EQ(designationGenerale(C::v), "ISO 2768-v");
}

} // namespace
