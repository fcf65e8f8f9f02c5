#include "tables/catalogue.h"
#include "tables/ecarts.h"
#include "tables/etapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace vestrel;

namespace {

std::string_view texteCote(Cote c) { return c == Cote::Alesage ? "bore" : "shaft"; }

int gradeDe(std::string_view texte)
{
    std::size_t i = 0;
    while (i < texte.size() && !(texte[i] >= '0' && texte[i] <= '9'))
        ++i;
    return std::stoi(std::string(texte.substr(i)));
}

TEST(Cellules, EveryCellSpansItsToleranceGradeAndClassesDoNotOverlap)
{
    for (Cote cote : {Cote::Alesage, Cote::Arbre}) {
        const auto cells = cellules(cote);
        EXPECT_EQ(cells.size(), cote == Cote::Alesage ? 2586u : 2633u);
        int classe = -1, s = -1;
        for (const CelluleEcart &e : cells) {
            const std::string_view texte = catalogue(cote)[e.classe];
            SCOPED_TRACE(std::string(texteCote(cote)) + " " + std::string(texte) + " sub-step " +
                         std::to_string(e.sousEtape));
            ASSERT_EQ(e.sup2 - e.inf2, 2 * IT(gradeDe(texte), etapeDeSousEtape(e.sousEtape)));
            ASSERT_TRUE(e.classe > classe || (e.classe == classe && e.sousEtape > s));
            // Only the symmetric classes have half micrometres.
            const bool symetrique = texte.substr(0, 2) == "JS" || texte.substr(0, 2) == "js";
            if (!symetrique)
                ASSERT_EQ(e.sup2 % 2, 0);
            else
                ASSERT_EQ(e.sup2, -e.inf2);
            ASSERT_EQ(celluleEcart(cote, e.classe, e.sousEtape), &e);
            classe = e.classe;
            s = e.sousEtape;
        }
    }
}

struct Valeur {
    int hi;
    int sup;
    int inf;
};
struct Rangee {
    Cote cote;
    const char *classe;
    std::vector<Valeur> valeurs; // by range, each up to its upper bound hi
};

class RangeesTypiques : public testing::TestWithParam<Rangee> {};

// Each value must hold over the whole range: just above its lower bound, in
// the middle and on its upper bound.
TEST_P(RangeesTypiques, HoldInEverySubStep)
{
    const Rangee &r = GetParam();
    for (int s = 0; s < NbSousEtapes; ++s) {
        const double lo = BornesSousEtapes[s], hi = BornesSousEtapes[s + 1];
        std::size_t v = 0;
        while (r.valeurs[v].hi < hi)
            ++v;
        for (double d : {std::nextafter(lo, 1000.0), (lo + hi) / 2, hi}) {
            SCOPED_TRACE(d);
            const auto e = chercherEcarts(r.cote, r.classe, d);
            ASSERT_TRUE(e.has_value());
            EXPECT_EQ(e->sup, r.valeurs[v].sup / 1000.0);
            EXPECT_EQ(e->inf, r.valeurs[v].inf / 1000.0);
        }
    }
}

std::vector<Valeur> n9()
{
    std::vector<Valeur> v{{3, -4, -29}, {6, 0, -30}};
    for (int k = 2; k < NbEtapes; ++k)
        v.push_back({BornesEtapes[k + 1], 0, -IT(9, k)});
    return v;
}

INSTANTIATE_TEST_SUITE_P(
    Tables, RangeesTypiques,
    testing::Values(
        Rangee{Cote::Alesage, "H7", {{3, 10, 0}, {6, 12, 0}, {10, 15, 0}, {18, 18, 0}, {30, 21, 0}, {50, 25, 0}, {80, 30, 0}, {120, 35, 0}, {180, 40, 0}, {250, 46, 0}, {315, 52, 0}, {400, 57, 0}, {500, 63, 0}}},
        Rangee{Cote::Alesage, "E11*", {{3, 74, 14}, {6, 95, 20}, {10, 115, 25}, {18, 142, 32}, {30, 170, 40}, {50, 210, 50}, {80, 250, 60}, {120, 292, 72}, {180, 335, 85}, {250, 390, 100}, {315, 430, 110}, {400, 485, 125}, {500, 535, 135}}},
        Rangee{Cote::Alesage, "ZC11", {{3, -60, -120}, {6, -80, -155}, {10, -97, -187}, {14, -130, -240}, {18, -150, -260}, {24, -188, -318}, {30, -218, -348}, {40, -274, -434}, {50, -325, -485}, {65, -405, -595}, {80, -480, -670}, {100, -585, -805}, {120, -690, -910}, {140, -800, -1050}, {160, -900, -1150}, {180, -1000, -1250}, {200, -1150, -1440}, {225, -1250, -1540}, {250, -1350, -1640}, {280, -1550, -1870}, {315, -1700, -2020}, {355, -1900, -2260}, {400, -2100, -2460}, {450, -2400, -2800}, {500, -2600, -3000}}},
        Rangee{Cote::Alesage, "K7", {{3, 0, -10}, {6, 3, -9}, {10, 5, -10}, {18, 6, -12}, {30, 6, -15}, {50, 7, -18}, {80, 9, -21}, {120, 10, -25}, {180, 12, -28}, {250, 13, -33}, {315, 16, -36}, {400, 17, -40}, {500, 18, -45}}},
        Rangee{Cote::Alesage, "N9", n9()},
        Rangee{Cote::Arbre, "g6", {{3, -2, -8}, {6, -4, -12}, {10, -5, -14}, {18, -6, -17}, {30, -7, -20}, {50, -9, -25}, {80, -10, -29}, {120, -12, -34}, {180, -14, -39}, {250, -15, -44}, {315, -17, -49}, {400, -18, -54}, {500, -20, -60}}},
        Rangee{Cote::Arbre, "c12*", {{3, -60, -160}, {6, -70, -190}, {10, -80, -230}, {18, -95, -275}, {30, -110, -320}, {40, -120, -370}, {50, -130, -380}, {65, -140, -440}, {80, -150, -450}, {100, -170, -520}, {120, -180, -530}, {140, -200, -600}, {160, -210, -610}, {180, -230, -630}, {200, -240, -700}, {225, -260, -720}, {250, -280, -740}, {280, -300, -820}, {315, -330, -850}, {355, -360, -930}, {400, -400, -970}, {450, -440, -1070}, {500, -480, -1110}}},
        Rangee{Cote::Arbre, "zc11", {{3, 120, 60}, {6, 155, 80}, {10, 187, 97}, {14, 240, 130}, {18, 260, 150}, {24, 318, 188}, {30, 348, 218}, {40, 434, 274}, {50, 485, 325}, {65, 595, 405}, {80, 670, 480}, {100, 805, 585}, {120, 910, 690}, {140, 1050, 800}, {160, 1150, 900}, {180, 1250, 1000}, {200, 1440, 1150}, {225, 1540, 1250}, {250, 1640, 1350}, {280, 1870, 1550}, {315, 2020, 1700}, {355, 2260, 1900}, {400, 2460, 2100}, {450, 2800, 2400}, {500, 3000, 2600}}},
        Rangee{Cote::Arbre, "k6", {{3, 6, 0}, {6, 9, 1}, {10, 10, 1}, {18, 12, 1}, {30, 15, 2}, {50, 18, 2}, {80, 21, 2}, {120, 25, 3}, {180, 28, 3}, {250, 33, 4}, {315, 36, 4}, {400, 40, 4}, {500, 45, 5}}},
        Rangee{Cote::Arbre, "j7", {{3, 6, -4}, {6, 8, -4}, {10, 10, -5}, {18, 12, -6}, {30, 13, -8}, {50, 15, -10}, {80, 18, -12}, {120, 20, -15}, {180, 22, -18}, {250, 25, -21}, {315, 26, -26}, {400, 29, -28}, {500, 31, -32}}}),
    [](const testing::TestParamInfo<Rangee> &i) {
        std::string n = std::string(texteCote(i.param.cote)) + "_" + i.param.classe;
        if (n.back() == '*')
            n.back() = 'S';
        return n;
    });

TEST(Catalogue, ComposedTextsNameEveryClassWithItsStar)
{
    for (Cote cote : {Cote::Alesage, Cote::Arbre}) {
        std::size_t trouvees = 0;
        for (int l = 0; l < NbLettres; ++l)
            for (int g = premierGrade(cote); g < premierGrade(cote) + nbGrades(cote); ++g)
                if (auto i = indexClasse(cote, composerClasse(cote, l, g))) {
                    EXPECT_EQ(catalogue(cote)[*i], composerClasse(cote, l, g));
                    ++trouvees;
                }
        EXPECT_EQ(trouvees, catalogue(cote).size());
    }
    EXPECT_EQ(composerClasse(Cote::Alesage, 4, 11), "E11*");
    EXPECT_EQ(composerClasse(Cote::Alesage, 4, 10), "E10");
    EXPECT_EQ(composerClasse(Cote::Arbre, 2, 12), "c12*");
    EXPECT_EQ(composerClasse(Cote::Arbre, 2, 11), "c11");
    EXPECT_EQ(composerClasse(Cote::Arbre, 4, 10), "e10*");
    EXPECT_EQ(composerClasse(Cote::Arbre, 9, 17), "js17");
}

TEST(Catalogue, TextsAreMatchedExactly)
{
    EXPECT_EQ(catalogue(Cote::Alesage).size(), 119u);
    EXPECT_EQ(catalogue(Cote::Arbre).size(), 123u);
    EXPECT_EQ(indexClasse(Cote::Alesage, "H7"), 36);
    EXPECT_EQ(indexClasse(Cote::Arbre, "f7"), 29);
    EXPECT_EQ(indexClasse(Cote::Alesage, "E11*"), 27);
    EXPECT_EQ(indexClasse(Cote::Alesage, "E11"), std::nullopt);
    EXPECT_EQ(indexClasse(Cote::Arbre, "H7"), std::nullopt);
    EXPECT_EQ(indexClasse(Cote::Alesage, std::string_view("H7\0", 3)), std::nullopt);
    EXPECT_EQ(indexClasse(Cote::Alesage, "H7H7H7H7H7"), std::nullopt);
    EXPECT_EQ(indexClasse(Cote::Alesage, ""), std::nullopt);
    EXPECT_EQ(lettres(Cote::Arbre)[9], "js");
}

} // namespace
