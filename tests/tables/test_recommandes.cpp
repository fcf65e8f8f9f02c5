#include "tables/catalogue.h"
#include "tables/etapes.h"
#include "tables/offerts.h"
#include "tables/recommandes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

using namespace vestrel;

namespace {

struct Attendu {
    const char *alesage, *arbre, *description;
};
const Attendu TrouNormal[] = {
    {"H11", "c11", "jeu libre large"}, {"H9", "d9", "jeu libre"},
    {"H8", "f7", "tournant"},          {"H7", "g6", "glissant"},
    {"H7", "h6", "glissant juste"},    {"H7", "k6", "incertain, positionnement"},
    {"H7", "n6", "incertain serré"},   {"H7", "p6", "serré léger"},
    {"H7", "s6", "serré"},             {"H7", "u6", "serré fort"},
};
const Attendu ArbreNormal[] = {
    {"C11", "h11", "jeu libre large"}, {"D9", "h9", "jeu libre"},
    {"F8", "h7", "tournant"},          {"G7", "h6", "glissant"},
    {"H7", "h6", "glissant juste"},    {"K7", "h6", "incertain, positionnement"},
    {"N7", "h6", "incertain serré"},   {"P7", "h6", "serré léger"},
    {"S7", "h6", "serré"},             {"U7", "h6", "serré fort"},
};

TEST(Recommandes, TwentyFitsOfTheTwoBases)
{
    const auto t = ajustementsRecommandes();
    ASSERT_EQ(t.size(), 20u);
    for (int i = 0; i < 20; ++i) {
        const Attendu &a = i < 10 ? TrouNormal[i] : ArbreNormal[i - 10];
        SCOPED_TRACE(i);
        EXPECT_EQ(t[i].alesage, a.alesage);
        EXPECT_EQ(t[i].arbre, a.arbre);
        EXPECT_EQ(t[i].description, a.description);
        EXPECT_EQ(t[i].base, i < 10 ? Cote::Alesage : Cote::Arbre);
        // Both classes are catalogue classes, found by the pair index.
        const auto al = indexClasse(Cote::Alesage, t[i].alesage), ar = indexClasse(Cote::Arbre, t[i].arbre);
        ASSERT_TRUE(al && ar);
        EXPECT_EQ(indexRecommande(*al, *ar), i == 14 ? 4 : i); // H7/h6 is listed under the hole basis
        EXPECT_TRUE(alesageRecommande(*al));
    }
    EXPECT_EQ(indexRecommande(*indexClasse(Cote::Alesage, "H7"), *indexClasse(Cote::Arbre, "f7")), -1);
    EXPECT_EQ(indexRecommande(*indexClasse(Cote::Alesage, "H6"), *indexClasse(Cote::Arbre, "h6")), -1);
    EXPECT_EQ(indexRecommande(-1, 0), -1);
    EXPECT_EQ(indexRecommande(0, 123), -1);
    EXPECT_FALSE(alesageRecommande(*indexClasse(Cote::Alesage, "H6")));
    EXPECT_FALSE(alesageRecommande(119));
}

// A fit is offered exactly where both its classes are in the lists.
TEST(Recommandes, OfferedWhereBothListsHoldTheClasses)
{
    const auto t = ajustementsRecommandes();
    for (int s = 0; s < NbSousEtapes; ++s) {
        const double lo = BornesSousEtapes[s], hi = BornesSousEtapes[s + 1];
        for (double d : {std::nextafter(lo, 1000.0), hi}) {
            const auto alesages = classesOffertes(Cote::Alesage, d);
            const auto arbres = classesOffertes(Cote::Arbre, d);
            std::vector<int> attendus;
            for (int i = 0; i < 20; ++i)
                if (std::count(alesages.begin(), alesages.end(), t[i].alesage)
                    && std::count(arbres.begin(), arbres.end(), t[i].arbre))
                    attendus.push_back(i);
            EXPECT_EQ(recommandesOfferts(d), attendus) << d;
        }
    }
    for (double d : {1.0, 0.0, 500.5, -3.0, std::nan("")})
        EXPECT_TRUE(recommandesOfferts(d).empty()) << d;
}

} // namespace
