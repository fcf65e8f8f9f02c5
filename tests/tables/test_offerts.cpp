#include "tables/catalogue.h"
#include "tables/ecarts.h"
#include "tables/etapes.h"
#include "tables/offerts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace vestrel;

namespace {

bool contient(const std::vector<std::string_view> &liste, std::string_view classe)
{
    return std::find(liste.begin(), liste.end(), classe) != liste.end();
}

// Number of classes left out of each list, per sub-step, from the published
// lists of the ISO 286-2 preferred classes.
constexpr std::array<int, NbSousEtapes> RetiresAlesage{25, 21, 16, 14, 13, 16, 11, 12, 11, 10, 12, 12, 12,
                                                       15, 15, 17, 16, 16, 17, 17, 17, 17, 19, 19, 19};
constexpr std::array<int, NbSousEtapes> RetiresArbre{23, 20, 17, 15, 14, 16, 12, 13, 13, 12, 16, 16, 15,
                                                     18, 18, 21, 19, 19, 20, 20, 20, 20, 22, 22, 22};

TEST(ClassesOffertes, CountAndOrderAtTheBoundsOfEverySubStep)
{
    for (Cote cote : {Cote::Alesage, Cote::Arbre}) {
        const auto tout = catalogue(cote);
        const auto &retires = cote == Cote::Alesage ? RetiresAlesage : RetiresArbre;
        for (int s = 0; s < NbSousEtapes; ++s) {
            const double lo = BornesSousEtapes[s], hi = BornesSousEtapes[s + 1];
            for (double d : {std::nextafter(lo, 1000.0), (lo + hi) / 2, hi}) {
                SCOPED_TRACE(testing::Message() << (cote == Cote::Alesage ? "bore " : "shaft ") << d);
                const auto liste = classesOffertes(cote, d);
                ASSERT_EQ(liste.size(), tout.size() - retires[s]);
                // Catalogue order, each class once, and exactly the offered ones.
                std::size_t j = 0;
                for (std::size_t i = 0; i < tout.size(); ++i) {
                    const bool offerte = estOfferte(cote, static_cast<int>(i), s);
                    ASSERT_EQ(offerte, j < liste.size() && liste[j] == tout[i]) << tout[i];
                    j += offerte;
                }
            }
        }
    }
}

// A class is offered exactly where the tables hold its deviations, so a
// class chosen from a list always finds values; js17 alone has values in
// 6-10 mm without being offered there.
TEST(ClassesOffertes, OfferedExactlyWhereDeviationsExist)
{
    for (Cote cote : {Cote::Alesage, Cote::Arbre})
        for (int c = 0; c < static_cast<int>(catalogue(cote).size()); ++c)
            for (int s = 0; s < NbSousEtapes; ++s) {
                const bool js17En6_10 = cote == Cote::Arbre && catalogue(cote)[c] == "js17" && s == 2;
                EXPECT_EQ(estOfferte(cote, c, s), celluleEcart(cote, c, s) != nullptr && !js17En6_10)
                    << catalogue(cote)[c] << " " << s;
            }
    EXPECT_FALSE(estOfferte(Cote::Arbre, 54, 2));
    EXPECT_TRUE(estOfferte(Cote::Arbre, 54, 3));
}

TEST(ClassesOffertes, WholeCatalogueOutsideTheDiameterRange)
{
    for (double d : {0.0, 1.0, 500.01, 600.0, -3.0, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(classesOffertes(Cote::Alesage, d).size(), 119u) << d;
        EXPECT_EQ(classesOffertes(Cote::Arbre, d).size(), 123u) << d;
    }
}

struct Presence {
    Cote cote;
    double d;
    std::vector<std::string_view> presentes;
    std::vector<std::string_view> absentes;
};

void PrintTo(const Presence &p, std::ostream *os)
{
    *os << (p.cote == Cote::Alesage ? "bore at " : "shaft at ") << p.d;
}

class ListeNommee : public testing::TestWithParam<Presence> {};

TEST_P(ListeNommee, HoldsAndLacksTheNamedClasses)
{
    const Presence &p = GetParam();
    const auto liste = classesOffertes(p.cote, p.d);
    for (auto c : p.presentes)
        EXPECT_TRUE(contient(liste, c)) << c << " at " << p.d;
    for (auto c : p.absentes)
        EXPECT_FALSE(contient(liste, c)) << c << " at " << p.d;
}

INSTANTIATE_TEST_SUITE_P(
    Listes, ListeNommee,
    testing::Values(
        Presence{Cote::Alesage, 3, {"M7", "U7"}, {"M8", "U8", "U11", "ZA8"}},
        Presence{Cote::Alesage, 3.0001, {"M8", "ZB9"}, {"ZA8", "U11"}},
        Presence{Cote::Alesage, 10, {"H17", "ZA8"}, {"H18", "JS18", "ZA9"}},
        Presence{Cote::Alesage, 10.5, {"H18", "JS18"}, {"X10", "ZA9"}},
        Presence{Cote::Alesage, 20, {"U7", "ZA8"}, {"U8", "U9", "U10", "U11", "ZA7"}},
        Presence{Cote::Alesage, 25, {"U8", "U9", "T6", "Z11"}, {"U10", "U11", "T8"}},
        Presence{Cote::Alesage, 45, {"U10"}, {"Z7", "U11"}},
        Presence{Cote::Alesage, 100, {"P9", "ZB9"}, {"T8"}},
        Presence{Cote::Alesage, 110, {"T8", "U11", "ZA11"}, {"P9", "ZB9"}},
        Presence{Cote::Alesage, 120, {"S6", "T6", "U6", "X7"}, {"R8"}},
        Presence{Cote::Alesage, 120.5, {"R8"}, {"S6", "T6", "U6", "X7"}},
        Presence{Cote::Alesage, 450.1, {"ZA11", "ZB11", "ZC11"}, {"S6", "T6", "U6", "X7", "X8", "ZA10"}},
        Presence{Cote::Arbre, 3, {"m6"}, {"m7"}},
        Presence{Cote::Arbre, 3.0001, {"m7", "u9"}, {"u11"}},
        Presence{Cote::Arbre, 10, {"js16"}, {"js17", "js18"}},
        Presence{Cote::Arbre, 10.01, {"js17", "js18"}, {}},
        Presence{Cote::Arbre, 20, {"u8"}, {"t5", "t6", "t7", "t8", "t9", "u9", "u10", "u11"}},
        Presence{Cote::Arbre, 25, {"t5", "t6", "t7", "u9"}, {"u10", "t8"}},
        Presence{Cote::Arbre, 45, {"u10"}, {"u11"}},
        Presence{Cote::Arbre, 120, {"s5", "t5", "u5"}, {"s10"}},
        Presence{Cote::Arbre, 121, {"t6"}, {"s5", "t5", "u5"}},
        Presence{Cote::Arbre, 180, {"x8"}, {"r8", "r9", "x7"}},
        Presence{Cote::Arbre, 200, {"r8", "r9"}, {"t9"}},
        Presence{Cote::Arbre, 200.5, {"t9"}, {"zb10"}}));

TEST(ClassesOffertes, DefaultClassesKeepTheirListPosition)
{
    EXPECT_EQ(classesOffertes(Cote::Alesage, 2)[36], "H7");
    EXPECT_EQ(classesOffertes(Cote::Arbre, 2)[29], "f7");
}

// A grade enabled on the toolbar always finds deviations, and every class
// with deviations can be picked: the enabled grades of a letter are exactly
// the classes with an entry, in every sub-step of 1 < D <= 500.
TEST(GradesActifs, MatchTheDeviationTablesInEverySubStep)
{
    for (Cote cote : {Cote::Alesage, Cote::Arbre})
        for (int l = 0; l < NbLettres; ++l)
            for (int s = 0; s < NbSousEtapes; ++s) {
                unsigned attendu = 0;
                for (int g = premierGrade(cote); g < premierGrade(cote) + nbGrades(cote); ++g)
                    if (auto i = indexClasse(cote, composerClasse(cote, l, g)); i && celluleEcart(cote, *i, s))
                        attendu |= 1u << g;
                const double lo = BornesSousEtapes[s], hi = BornesSousEtapes[s + 1];
                for (double d : {std::nextafter(lo, 1000.0), hi})
                    EXPECT_EQ(gradesActifs(cote, l, d), attendu) << lettres(cote)[l] << " at " << d;
            }
}

unsigned masque(std::initializer_list<int> grades)
{
    unsigned m = 0;
    for (int g : grades)
        m |= 1u << g;
    return m;
}

TEST(GradesActifs, NamedCases)
{
    EXPECT_EQ(gradesActifs(Cote::Alesage, 7, 2), masque({6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(gradesActifs(Cote::Alesage, 7, 12), masque({6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
    EXPECT_EQ(gradesActifs(Cote::Arbre, 5, 2), masque({6, 7, 8}));
    EXPECT_EQ(gradesActifs(Cote::Alesage, 21, 300), masque({11}));
    EXPECT_EQ(gradesActifs(Cote::Alesage, 21, 150), masque({10, 11}));
    EXPECT_EQ(gradesActifs(Cote::Alesage, 15, 130), masque({7, 8, 9}));
    EXPECT_EQ(gradesActifs(Cote::Arbre, 15, 150), masque({6, 7, 8, 9, 10}));
    EXPECT_EQ(gradesActifs(Cote::Arbre, 20, 3), masque({6, 7}));
    // T and t: nothing up to 24 mm; grade 9 only above 200 mm.
    EXPECT_EQ(gradesActifs(Cote::Alesage, 16, 2), 0u);
    EXPECT_EQ(gradesActifs(Cote::Arbre, 16, 24), 0u);
    EXPECT_EQ(gradesActifs(Cote::Arbre, 16, 24.5), masque({5, 6, 7}));
    EXPECT_EQ(gradesActifs(Cote::Alesage, 16, 190), masque({7, 8}));
    EXPECT_EQ(gradesActifs(Cote::Alesage, 16, 200.5), masque({7, 8, 9}));
    EXPECT_EQ(gradesActifs(Cote::Arbre, 16, 200), masque({6, 7, 8}));
    EXPECT_EQ(gradesActifs(Cote::Arbre, 16, 201), masque({6, 7, 8, 9}));
}

TEST(GradesActifs, NothingOutsideTheDiameterRangeOrForAnUnknownLetter)
{
    for (Cote cote : {Cote::Alesage, Cote::Arbre}) {
        for (double d : {0.0, 1.0, 500.01, -2.0, std::numeric_limits<double>::quiet_NaN()})
            EXPECT_EQ(gradesActifs(cote, 7, d), std::nullopt) << d;
        EXPECT_EQ(gradesActifs(cote, -1, 25), std::nullopt);
        EXPECT_EQ(gradesActifs(cote, NbLettres, 25), std::nullopt);
    }
}

} // namespace
