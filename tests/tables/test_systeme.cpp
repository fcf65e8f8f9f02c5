#include "tables/catalogue.h"
#include "tables/ecarts.h"
#include "tables/etapes.h"
#include "tables/offerts.h"
#include "tables/systeme.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using namespace vestrel;

namespace {

// The public sets of the whole system, beside the repository.
const std::filesystem::path Dossier = std::filesystem::path(VESTREL_PARTAGE) / "iso286-reference" / "system";

std::vector<std::string> champs(const std::string &ligne)
{
    std::vector<std::string> r;
    std::stringstream flux(ligne);
    for (std::string c; std::getline(flux, c, ',');)
        r.push_back(c);
    return r;
}

// (set, kind, class, lo, hi) of the cells each set is known to get wrong.
using Cle = std::tuple<std::string, std::string, std::string, int, int>;

std::set<Cle> erreursConnues()
{
    std::set<Cle> r;
    std::ifstream f(Dossier / "known_source_errors.csv");
    std::string ligne;
    std::getline(f, ligne);
    while (std::getline(f, ligne)) {
        const auto c = champs(ligne);
        if (c.size() >= 5)
            r.insert({c[0], c[1], c[2], std::stoi(c[3]), std::stoi(c[4])});
    }
    return r;
}

// A fault of a set that its list records only in part: rf-tolerance's n is
// 92 instead of 110 at 2000-2500 mm, listed for N1 .. N8 but not for N9 ..
// N18, which no other set holds there. ES = -n above IT8 above 500 mm, and
// the published check N7 at 2100 mm is -110/-285.
bool erreurNonListee(const std::string &jeu, const std::string &genre, const std::string &classe, int lo)
{
    if (jeu != "rf-tolerance" || genre != "bore" || classe.size() < 2 || classe[0] != 'N' || (lo != 2000 && lo != 2240))
        return false;
    const int grade = std::stoi(classe.substr(1));
    return grade >= 9 && grade <= 18;
}

std::vector<std::string> jeux()
{
    std::vector<std::string> r;
    if (!std::filesystem::is_directory(Dossier))
        return r;
    for (const auto &e : std::filesystem::directory_iterator(Dossier))
        if (e.path().extension() == ".csv" && e.path().stem() != "known_source_errors")
            r.push_back(e.path().stem().string());
    std::sort(r.begin(), r.end());
    return r;
}

// Every cell that a set holds and the whole system offers agrees with the
// set, except the set's listed errors; each disagreement is reported with
// its class and range.
TEST(SystemeComplet, AgreesWithEveryPublicSetExceptItsListedErrors)
{
    if (!std::filesystem::is_directory(Dossier))
        GTEST_SKIP() << "public sets not found in " << Dossier << ": the whole system is not compared";
    const auto erreurs = erreursConnues();
    ASSERT_FALSE(erreurs.empty());
    const auto noms = jeux();
    ASSERT_GE(noms.size(), 4u);
    for (const std::string &nom : noms) {
        std::ifstream f(Dossier / (nom + ".csv"));
        std::string ligne;
        std::getline(f, ligne);
        int comparees = 0, desaccords = 0, excusees = 0;
        while (std::getline(f, ligne)) {
            const auto c = champs(ligne);
            ASSERT_EQ(c.size(), 6u) << nom << ": " << ligne;
            const Cote cote = c[0] == "bore" ? Cote::Alesage : Cote::Arbre;
            // The sets write the classes outside the DIN standard without their star.
            int i = indexComplet(cote, c[1]);
            if (i < 0)
                i = indexComplet(cote, c[1] + "*");
            if (i < 0)
                continue;
            const int lo = std::stoi(c[2]), hi = std::stoi(c[3]);
            const double sup = std::stod(c[4]), inf = std::stod(c[5]);
            const bool excusee = erreurs.count({nom, c[0], c[1], lo, hi}) > 0 || erreurNonListee(nom, c[0], c[1], lo);
            for (int s = 0; s < NbSousEtapesCompletes; ++s) {
                if (BornesSousEtapesCompletes[s] < lo || BornesSousEtapesCompletes[s + 1] > hi)
                    continue;
                const auto e = ecartsComplets(cote, i, s);
                if (!e)
                    continue;
                if (excusee) {
                    ++excusees;
                    continue;
                }
                ++comparees;
                if (std::abs(e->sup / 100.0 - sup) > 1e-6 || std::abs(e->inf / 100.0 - inf) > 1e-6) {
                    ++desaccords;
                    ADD_FAILURE() << nom << ": " << c[0] << ' ' << c[1] << " at " << BornesSousEtapesCompletes[s]
                                  << '-' << BornesSousEtapesCompletes[s + 1] << " mm: set " << sup << '/' << inf
                                  << ", whole system " << e->sup / 100.0 << '/' << e->inf / 100.0;
                    if (desaccords > 40)
                        FAIL() << nom << ": too many disagreements, stopped";
                }
            }
        }
        EXPECT_GT(comparees, 100) << nom << " shares too few cells with the whole system";
        std::printf("%s: %d cells compared, %d listed errors skipped\n", nom.c_str(), comparees, excusees);
    }
}

// The whole system holds the default catalogue: every default cell has the
// same deviations there.
TEST(SystemeComplet, HoldsEveryDefaultCellUnchanged)
{
    for (Cote cote : {Cote::Alesage, Cote::Arbre}) {
        int n = 0;
        for (const CelluleEcart &e : cellules(cote)) {
            const std::string_view texte = catalogue(cote)[e.classe];
            const int i = indexComplet(cote, texte);
            ASSERT_GE(i, 0) << texte;
            const auto c = ecartsComplets(cote, i, e.sousEtape + DecalageSousEtapes);
            ASSERT_TRUE(c) << texte << " sub-step " << e.sousEtape;
            EXPECT_EQ(c->sup, 50 * e.sup2) << texte << " sub-step " << e.sousEtape;
            EXPECT_EQ(c->inf, 50 * e.inf2) << texte << " sub-step " << e.sousEtape;
            ++n;
        }
        EXPECT_EQ(n, cote == Cote::Alesage ? 2586 : 2633);
    }
}

TEST(SystemeComplet, ListOrderIsLetterThenGradeWithTheDefaultTextsKept)
{
    for (Cote cote : {Cote::Alesage, Cote::Arbre}) {
        const auto tout = catalogue(cote, Systeme::Complet);
        for (std::size_t i = 1; i < tout.size(); ++i) {
            const auto a = decomposerClasse(cote, tout[i - 1], Systeme::Complet);
            const auto b = decomposerClasse(cote, tout[i], Systeme::Complet);
            ASSERT_TRUE(a && b) << tout[i];
            EXPECT_TRUE(a->lettre < b->lettre || (a->lettre == b->lettre && a->grade < b->grade))
                << tout[i - 1] << " before " << tout[i];
        }
        for (std::string_view t : catalogue(cote))
            EXPECT_TRUE(indexClasse(cote, t, Systeme::Complet)) << t;
    }
    EXPECT_FALSE(indexClasse(Cote::Alesage, "E11", Systeme::Complet));
    EXPECT_FALSE(indexClasse(Cote::Arbre, "e10", Systeme::Complet));
    EXPECT_TRUE(indexClasse(Cote::Alesage, "E13", Systeme::Complet));
}

struct Controle {
    const char *classe;
    double d;
    bool existe;
    double sup = 0, inf = 0; // um
};

class Controles : public testing::TestWithParam<Controle> {};

TEST_P(Controles, WholeSystemGivesOrRefuses)
{
    const Controle &c = GetParam();
    const Cote cote = c.classe[0] >= 'A' && c.classe[0] <= 'Z' ? Cote::Alesage : Cote::Arbre;
    const auto e = chercherEcarts(cote, c.classe, c.d, Systeme::Complet);
    ASSERT_EQ(e.has_value(), c.existe) << c.classe << " at " << c.d;
    if (!e)
        return;
    EXPECT_NEAR(e->sup * 1000, c.sup, 1e-9) << c.classe << " at " << c.d;
    EXPECT_NEAR(e->inf * 1000, c.inf, 1e-9) << c.classe << " at " << c.d;
}

// The checks that the whole system must pass, as published with it.
INSTANTIATE_TEST_SUITE_P(Publies, Controles,
                         testing::Values(Controle{"K7", 20, true, 6, -15}, Controle{"M6", 300, true, -9, -41},
                                         Controle{"N9", 2, true, -4, -29}, Controle{"N9", 5, true, 0, -30},
                                         Controle{"N9", 600, true, -44, -219}, Controle{"k6", 600, true, 44, 0},
                                         Controle{"JS7", 1100, true, 52.5, -52.5},
                                         Controle{"H12", 600, true, 700, 0}, Controle{"H5", 2600, true, 96, 0},
                                         Controle{"M7", 2600, true, -76, -286},
                                         Controle{"N7", 2100, true, -110, -285}, Controle{"K2", 2, true, 0, -1.2},
                                         Controle{"H01", 600, false}, Controle{"a11", 600, false},
                                         Controle{"t7", 20, false}, Controle{"A11", 0.8, false},
                                         Controle{"N9", 0.8, false}, Controle{"h14", 0.5, false},
                                         Controle{"CD7", 12, false}, Controle{"K9", 5, false}));

// Each restriction at both sides of its bound, worked by hand from the rules:
// h01 at 2 mm is 0/-IT01 = 0/-0.3; JS01 at 2 mm is +-0.15; CD7 at 10 mm is
// EI 56, ES 56 + 15; t7 at 24.5 mm is ei 41, es 41 + 21; v6 at 14.5 mm ei
// 39, es 39 + 11; y6 at 18.5 mm ei 63, es 63 + 13; j8 at 3 mm -6 + 14;
// K9 at 3 mm 0/-25; H18 at 2 mm IT18 = 1400; u7 at 3150 mm ei 3200, es 3200
// + 210; E11* keeps its star and gains 3150 mm: EI 290, ES 290 + 1350.
INSTANTIATE_TEST_SUITE_P(Restrictions, Controles,
                         testing::Values(Controle{"h01", 2, true, 0, -0.3}, Controle{"JS01", 2, true, 0.15, -0.15},
                                         Controle{"H01", 500, true, 4, 0}, Controle{"H01", 500.5, false},
                                         Controle{"h0", 501, false}, Controle{"H1", 3150, true, 26, 0},
                                         Controle{"H1", 3150.01, false}, Controle{"CD7", 10, true, 71, 56},
                                         Controle{"cd7", 10.01, false}, Controle{"t7", 24.5, true, 62, 41},
                                         Controle{"t7", 24, false}, Controle{"v6", 14.5, true, 50, 39},
                                         Controle{"v6", 14, false}, Controle{"v6", 501, false},
                                         Controle{"y6", 18.5, true, 76, 63}, Controle{"y6", 18, false},
                                         Controle{"j8", 3, true, 8, -6}, Controle{"j8", 3.5, false},
                                         Controle{"J7", 501, false}, Controle{"K9", 3, true, 0, -25},
                                         Controle{"K9", 0.5, true, 0, -25}, Controle{"N9", 1.5, true, -4, -29},
                                         Controle{"a11", 1.5, true, -270, -330}, Controle{"a9", 1, false},
                                         Controle{"C11", 0.5, true, 120, 60}, Controle{"H18", 2, true, 1400, 0},
                                         Controle{"H18", 1, false}, Controle{"u7", 3150, true, 3410, 3200},
                                         Controle{"x7", 501, false}, Controle{"E11*", 3150, true, 1640, 290},
                                         Controle{"E11", 25, false}, Controle{"H7", 0, false}));

struct Decomposition {
    Cote cote;
    const char *texte;
    Systeme systeme;
    bool valide;
    const char *lettre = "";
    int grade = 0;
    bool etoile = false;
};

class Decompositions : public testing::TestWithParam<Decomposition> {};

TEST_P(Decompositions, LetterGradeAndStar)
{
    const Decomposition &d = GetParam();
    const auto c = decomposerClasse(d.cote, d.texte, d.systeme);
    ASSERT_EQ(c.has_value(), d.valide) << d.texte;
    if (!c)
        return;
    EXPECT_EQ(lettres(d.cote, d.systeme)[c->lettre], d.lettre) << d.texte;
    EXPECT_EQ(c->grade, d.grade) << d.texte;
    EXPECT_EQ(c->etoile, d.etoile) << d.texte;
    EXPECT_EQ(composerClasse(d.cote, c->lettre, c->grade, d.systeme), d.texte);
}

INSTANTIATE_TEST_SUITE_P(
    Textes, Decompositions,
    testing::Values(Decomposition{Cote::Alesage, "H01", Systeme::Complet, true, "H", Grade01},
                    Decomposition{Cote::Arbre, "h0", Systeme::Complet, true, "h", 0},
                    Decomposition{Cote::Alesage, "JS1", Systeme::Complet, true, "JS", 1},
                    Decomposition{Cote::Alesage, "CD7", Systeme::Complet, true, "CD", 7},
                    Decomposition{Cote::Arbre, "k18", Systeme::Complet, true, "k", 18},
                    Decomposition{Cote::Alesage, "E11*", Systeme::Defaut, true, "E", 11, true},
                    Decomposition{Cote::Arbre, "c12*", Systeme::Complet, true, "c", 12, true},
                    Decomposition{Cote::Alesage, "CD7", Systeme::Defaut, false},
                    Decomposition{Cote::Alesage, "H07", Systeme::Complet, false},
                    Decomposition{Cote::Alesage, "H19", Systeme::Complet, false},
                    Decomposition{Cote::Alesage, "h7", Systeme::Complet, false},
                    Decomposition{Cote::Arbre, "zc", Systeme::Complet, false},
                    Decomposition{Cote::Arbre, "g6 ", Systeme::Complet, false}));

struct Liste {
    double d;
    std::size_t alesages, arbres;
};

class Listes : public testing::TestWithParam<Liste> {};

// The offered lists follow the restrictions: counted by hand from the
// letters and grades defined at each diameter.
TEST_P(Listes, OfferedClassesOfTheWholeSystem)
{
    const Liste &l = GetParam();
    for (Cote cote : {Cote::Alesage, Cote::Arbre}) {
        const auto liste = classesOffertes(cote, l.d, Systeme::Complet);
        EXPECT_EQ(liste.size(), cote == Cote::Alesage ? l.alesages : l.arbres) << l.d;
        for (std::string_view t : liste)
            EXPECT_TRUE(chercherEcarts(cote, t, l.d, Systeme::Complet)) << t << " at " << l.d;
    }
}

// 0.5 mm: 23 letters (no A, B, T, V, Y) in IT01 .. IT13 (15 grades), but
// J in 6 .. 8, N only up to IT8 (10 grades), j in 5 .. 8: 21 * 15 + 3 + 10
// bores, 22 * 15 + 4 shafts. 2 mm: A and B join, grades up to IT18 (20),
// N in every grade: 24 * 20 + 3 bores, 24 * 20 + 4 shafts. 600 mm: d .. u
// (14 letters: D E F G H JS K M N P R S T U) in IT1 .. IT18, without K
// above IT8 (10 grades): 14 * 18 - 10 bores; shafts have k in every grade:
// 14 * 18. 3150 mm: the same.
INSTANTIATE_TEST_SUITE_P(Diametres, Listes,
                         testing::Values(Liste{0.5, 21 * 15 + 3 + 10, 22 * 15 + 4}, Liste{2, 24 * 20 + 3, 24 * 20 + 4},
                                         Liste{600, 14 * 18 - 10, 14 * 18}, Liste{3150, 14 * 18 - 10, 14 * 18}));

} // namespace
