#include "calcul/etat.h"
#include "tables/ecarts.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string_view>

using namespace vestrel;

namespace {

std::string_view texteCote(Cote c) { return c == Cote::Alesage ? "bore" : "shaft"; }

struct Cas {
    Cote cote;
    const char *classe;
    double d;
    bool trouve;
    double sup = 0;
    double inf = 0;
};

void PrintTo(const Cas &c, std::ostream *os)
{
    *os << texteCote(c.cote) << ' ' << c.classe << " at " << c.d;
}

class Recherche : public testing::TestWithParam<Cas> {};

// Looking up through the fit state writes both deviations when an entry is
// found and leaves the previous ones otherwise, as the windows rely on.
TEST_P(Recherche, WritesTheStateOnlyWhenFound)
{
    const Cas &c = GetParam();
    EtatAjustement etat;
    etat.Dia_Nominal = c.d;
    etat.Cl_Alesage = c.cote == Cote::Alesage ? c.classe : "H7";
    etat.Cl_Arbre = c.cote == Cote::Arbre ? c.classe : "f7";
    etat.Ec_Sup_Al = etat.Ec_Sup_Ar = 7.25;
    etat.Ec_Inf_Al = etat.Ec_Inf_Ar = -7.25;
    const bool trouve = ecrireEcarts(c.cote, etat);
    EXPECT_EQ(trouve, c.trouve);
    const bool alesage = c.cote == Cote::Alesage;
    EXPECT_EQ(alesage ? etat.Ec_Sup_Al : etat.Ec_Sup_Ar, c.trouve ? c.sup : 7.25);
    EXPECT_EQ(alesage ? etat.Ec_Inf_Al : etat.Ec_Inf_Ar, c.trouve ? c.inf : -7.25);
    // The other side is never touched.
    EXPECT_EQ(alesage ? etat.Ec_Sup_Ar : etat.Ec_Sup_Al, 7.25);
    EXPECT_EQ(alesage ? etat.Ec_Inf_Ar : etat.Ec_Inf_Al, -7.25);
    EXPECT_EQ(chercherEcarts(c.cote, c.classe, c.d).has_value(), c.trouve);
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Alesage, Recherche,
    testing::Values(Cas{Cote::Alesage, "H7", 25, true, 0.021, 0}, Cas{Cote::Alesage, "H7", 30, true, 0.021, 0},
                    Cas{Cote::Alesage, "H7", 30.5, true, 0.025, 0}, Cas{Cote::Alesage, "H7", 3, true, 0.01, 0},
                    Cas{Cote::Alesage, "H7", 3.0001, true, 0.012, 0}, Cas{Cote::Alesage, "H7", 10, true, 0.015, 0},
                    Cas{Cote::Alesage, "H7", 10.5, true, 0.018, 0}, Cas{Cote::Alesage, "H7", 500, true, 0.063, 0},
                    Cas{Cote::Alesage, "H7", 1, false}, Cas{Cote::Alesage, "H7", 500.01, false},
                    Cas{Cote::Alesage, "H7", 0, false}, Cas{Cote::Alesage, "H7", -25, false},
                    Cas{Cote::Alesage, "H7", NaN, false}, Cas{Cote::Alesage, "H7", Inf, false},
                    Cas{Cote::Alesage, "E11*", 200, true, 0.39, 0.1}, Cas{Cote::Alesage, "E11", 200, false},
                    Cas{Cote::Alesage, "e11*", 200, false}, Cas{Cote::Alesage, "h7", 25, false},
                    Cas{Cote::Alesage, "", 25, false}, Cas{Cote::Alesage, "H7 ", 25, false},
                    Cas{Cote::Alesage, "M6", 300, true, -0.009, -0.041}, Cas{Cote::Alesage, "M6", 250, true, -0.008, -0.037},
                    Cas{Cote::Alesage, "M7", 300, true, 0, -0.052}, Cas{Cote::Alesage, "JS9", 2, true, 0.0125, -0.0125},
                    Cas{Cote::Alesage, "JS11", 4, true, 0.0375, -0.0375}, Cas{Cote::Alesage, "N9", 2, true, -0.004, -0.029},
                    Cas{Cote::Alesage, "N9", 4, true, 0, -0.03}, Cas{Cote::Alesage, "J8", 4, true, 0.01, -0.008},
                    Cas{Cote::Alesage, "P9", 110, false}, Cas{Cote::Alesage, "P9", 100, true, -0.037, -0.124},
                    Cas{Cote::Alesage, "U8", 20, false}, Cas{Cote::Alesage, "T9", 190, false},
                    Cas{Cote::Alesage, "S7", 130, true, -0.077, -0.117}, Cas{Cote::Alesage, "P7", 2, true, -0.006, -0.016},
                    Cas{Cote::Alesage, "ZC11", 450, true, -2.4, -2.8}, Cas{Cote::Alesage, "ZC11", 450.1, true, -2.6, -3}));

INSTANTIATE_TEST_SUITE_P(
    Arbre, Recherche,
    testing::Values(Cas{Cote::Arbre, "f7", 2, true, -0.006, -0.016}, Cas{Cote::Arbre, "g6", 25, true, -0.007, -0.02},
                    Cas{Cote::Arbre, "g6", 30, true, -0.007, -0.02}, Cas{Cote::Arbre, "g6", 30.5, true, -0.009, -0.025},
                    Cas{Cote::Arbre, "x6", 14, true, 0.051, 0.04}, Cas{Cote::Arbre, "x6", 14.5, true, 0.056, 0.045},
                    Cas{Cote::Arbre, "r6", 12, true, 0.034, 0.023}, Cas{Cote::Arbre, "r6", 16, true, 0.034, 0.023},
                    Cas{Cote::Arbre, "js8", 12, true, 0.0135, -0.0135}, Cas{Cote::Arbre, "js9", 2, true, 0.0125, -0.0125},
                    Cas{Cote::Arbre, "k6", 50, true, 0.018, 0.002}, Cas{Cote::Arbre, "k8", 50, true, 0.039, 0},
                    Cas{Cote::Arbre, "j6", 300, true, 0.016, -0.016}, Cas{Cote::Arbre, "j7", 450, true, 0.031, -0.032},
                    Cas{Cote::Arbre, "js17", 8, true, 0.75, -0.75}, Cas{Cote::Arbre, "js17", 6, false},
                    Cas{Cote::Arbre, "t6", 20, false}, Cas{Cote::Arbre, "u9", 20, false},
                    Cas{Cote::Arbre, "t9", 190, false}, Cas{Cote::Arbre, "t9", 200.5, true, 0.295, 0.18},
                    Cas{Cote::Arbre, "zc11", 450, true, 2.8, 2.4}, Cas{Cote::Arbre, "zc11", 450.1, true, 3, 2.6},
                    Cas{Cote::Arbre, "e10", 25, false}, Cas{Cote::Arbre, "G6", 25, false},
                    Cas{Cote::Arbre, "h6", 1, false}, Cas{Cote::Arbre, "h6", 500.01, false}));

} // namespace
