// The fit search against a brute force over every pair of classes offered at
// a diameter, with the clearances computed the way the main window computes
// its labels.
#include "calcul/ajustement.h"
#include "tables/catalogue.h"
#include "tables/ecarts.h"
#include "tables/etapes.h"
#include "calcul/nombres.h"
#include "tables/offerts.h"
#include "calcul/recherche.h"
#include "tables/recommandes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

using namespace vestrel;

namespace {

// The recommended fits by their texts, written out here on their own.
const std::vector<std::pair<std::string, std::string>> Recommandes{
    {"H11", "c11"}, {"H9", "d9"}, {"H8", "f7"}, {"H7", "g6"}, {"H7", "h6"}, {"H7", "k6"}, {"H7", "n6"},
    {"H7", "p6"},   {"H7", "s6"}, {"H7", "u6"}, {"C11", "h11"}, {"D9", "h9"}, {"F8", "h7"}, {"G7", "h6"},
    {"K7", "h6"},   {"N7", "h6"}, {"P7", "h6"}, {"S7", "h6"}, {"U7", "h6"}};

// Clearances in tenths of a micrometre, for exact comparisons.
std::int64_t dixiemes(double mm) { return std::llround(mm * 10000); }

int grade(Cote cote, std::string_view classe, Systeme systeme)
{
    return decomposerClasse(cote, classe, systeme)->grade;
}

struct Paire {
    std::string alesage, arbre;
    int iAlesage, iArbre;
    Jeux jeux;
    int qualites;
    bool recommande;
};

// Every offered pair at d, with the clearances of the window: sizes written
// with 15 digits and read back, then calculerJeux.
std::vector<Paire> toutesLesPaires(double d, Systeme sys = Systeme::Defaut)
{
    auto taille = [d](double ecart) { return lireTexteNombre(texteNombre(d + ecart)); };
    std::vector<Paire> paires;
    for (std::string_view al : classesOffertes(Cote::Alesage, d, sys)) {
        const auto ea = chercherEcarts(Cote::Alesage, al, d, sys);
        for (std::string_view ar : classesOffertes(Cote::Arbre, d, sys)) {
            const auto eb = chercherEcarts(Cote::Arbre, ar, d, sys);
            Paire p{std::string(al), std::string(ar), *indexClasse(Cote::Alesage, al, sys),
                    *indexClasse(Cote::Arbre, ar, sys),
                    calculerJeux(taille(ea->sup), taille(ea->inf), taille(eb->sup), taille(eb->inf)),
                    grade(Cote::Alesage, al, sys) + grade(Cote::Arbre, ar, sys), false};
            p.recommande = std::find(Recommandes.begin(), Recommandes.end(), std::pair{p.alesage, p.arbre})
                           != Recommandes.end();
            paires.push_back(std::move(p));
        }
    }
    return paires;
}

bool dansLaBase(const Paire &p, Base base)
{
    auto normal = [](const std::string &c, char lettre) { return c.size() > 1 && c[0] == lettre && std::isdigit(c[1]); };
    switch (base) {
    case Base::Alesage: return normal(p.alesage, 'H');
    case Base::Arbre: return normal(p.arbre, 'h');
    case Base::Toutes: break;
    }
    return true;
}

struct Attendu {
    const Paire *paire;
    std::int64_t ecart; // tenths of a micrometre
};

// The expected answer: matching fits in the order of the search, or the ten
// nearest when none matches. Wanted limits are whole tenths of a micrometre.
std::vector<Attendu> attendus(const std::vector<Paire> &paires, const DemandeRecherche &q, bool &proches)
{
    const std::int64_t mini = dixiemes(q.jeuMini), maxi = dixiemes(q.jeuMaxi);
    std::vector<Attendu> r, autres;
    for (const Paire &p : paires) {
        if (!dansLaBase(p, q.base) || (q.recommandesSeulement && !p.recommande))
            continue;
        const std::int64_t jMax = dixiemes(p.jeux.max.valeur), jMin = dixiemes(p.jeux.min.valeur);
        const std::int64_t ecart = std::max<std::int64_t>(0, mini - jMin) + std::max<std::int64_t>(0, jMax - maxi);
        (ecart == 0 ? r : autres).push_back({&p, ecart});
    }
    auto ordre = [&](const Attendu &a, const Attendu &b) {
        if (a.ecart != b.ecart)
            return a.ecart < b.ecart;
        if (a.paire->recommande != b.paire->recommande)
            return a.paire->recommande;
        if (a.paire->qualites != b.paire->qualites)
            return a.paire->qualites > b.paire->qualites;
        const auto da = std::abs(2 * dixiemes(a.paire->jeux.moyen.valeur) - mini - maxi);
        const auto db = std::abs(2 * dixiemes(b.paire->jeux.moyen.valeur) - mini - maxi);
        if (da != db)
            return da < db;
        return std::pair{a.paire->iAlesage, a.paire->iArbre} < std::pair{b.paire->iAlesage, b.paire->iArbre};
    };
    proches = r.empty() && !autres.empty();
    if (proches) {
        std::sort(autres.begin(), autres.end(), ordre);
        autres.resize(std::min<std::size_t>(autres.size(), NbProches));
        return autres;
    }
    std::sort(r.begin(), r.end(), ordre);
    return r;
}

std::vector<double> diametres()
{
    std::vector<double> d{2, 25.123456789012345, 1.0000000000000002, 499.99999999999994, 99.999999999999, 250.5};
    for (int b : BornesSousEtapes) {
        if (b < 500)
            d.push_back(std::nextafter(double(b), 1000.0));
        if (b > 1)
            d.push_back(b);
    }
    return d;
}

struct Plage {
    const char *nom;
    double mini, maxi;
};
constexpr Plage Plages[] = {
    {"typique", 0.01, 0.04},       {"vide en zero", 0, 0},        {"vide", 0.0123, 0.0123},
    {"serrage", -0.05, -0.02},     {"autour de zero", -0.01, 0.02}, {"hors de portee", 3, 4},
    {"tout", -100, 100},
};

void comparer(double d, Systeme sys, std::span<const Plage> plages)
{
        const std::vector<Paire> paires = toutesLesPaires(d, sys);
        for (const Plage &plage : plages)
            for (Base base : {Base::Alesage, Base::Arbre, Base::Toutes})
                for (bool seuls : {false, true}) {
                    const DemandeRecherche q{d, plage.mini, plage.maxi, base, seuls, sys};
                    SCOPED_TRACE(testing::Message() << texteNombre(d) << " mm, " << plage.nom << ", base "
                                                    << int(base) << (seuls ? ", recommandes" : ""));
                    bool proches = false;
                    const std::vector<Attendu> attendu = attendus(paires, q, proches);
                    const ResultatRecherche r = rechercherAjustements(q);
                    ASSERT_EQ(r.refus, RefusRecherche::Aucun);
                    ASSERT_EQ(r.proches, proches);
                    ASSERT_EQ(r.ajustements.size(), attendu.size());
                    for (std::size_t i = 0; i < attendu.size(); ++i) {
                        const AjustementTrouve &t = r.ajustements[i];
                        const Paire &p = *attendu[i].paire;
                        ASSERT_EQ(std::string(catalogue(Cote::Alesage, sys)[t.alesage]) + "/"
                                      + std::string(catalogue(Cote::Arbre, sys)[t.arbre]),
                                  p.alesage + "/" + p.arbre)
                            << "position " << i;
                        // The very values of the window's labels.
                        ASSERT_EQ(t.jeuMax, p.jeux.max.valeur) << p.alesage << '/' << p.arbre;
                        ASSERT_EQ(t.jeuMin, p.jeux.min.valeur) << p.alesage << '/' << p.arbre;
                        ASSERT_EQ(t.jeuMoyen, p.jeux.moyen.valeur) << p.alesage << '/' << p.arbre;
                        ASSERT_EQ(t.nature, p.jeux.nature);
                        ASSERT_EQ(t.qualites, p.qualites);
                        ASSERT_EQ(t.recommande >= 0, p.recommande);
                        ASSERT_NEAR(t.ecart, attendu[i].ecart / 10000.0, 1e-12);
                    }
                }
}

TEST(Recherche, AgreesWithABruteForceOverEveryOfferedPair)
{
    for (double d : diametres())
        comparer(d, Systeme::Defaut, Plages);
}

// The whole system's classes in IT01 .. IT2 have tenths and hundredths of a
// micrometre (JS01 at 2 mm is +-0.15 um): clearances that end on a half of
// the shown tenth must still be those of the window's labels, at a diameter
// whose sizes are exact decimals (25, 12.5) as at one whose are not.
TEST(Recherche, WholeSystemAgreesWithABruteForce)
{
    constexpr Plage Quelques[] = {{"typique", 0.01, 0.04}, {"fin", 0, 0.0005}, {"autour de zero", -0.0002, 0.0002},
                                  {"tout", -100, 100}, {"hors de portee", 30, 40}};
    for (double d : {0.5, 2.0, 12.5, 25.0, 25.123456789012345, 600.0, 3150.0})
        comparer(d, Systeme::Complet, Quelques);
}

TEST(Recherche, LimitsOfTheWantedRangeAreIncluded)
{
    // H7/g6 at 25 mm: 0.0410 / 0.0070.
    auto contient = [](double mini, double maxi) {
        const ResultatRecherche r = rechercherAjustements({25, mini, maxi, Base::Alesage, true});
        return !r.proches && std::any_of(r.ajustements.begin(), r.ajustements.end(), [](const AjustementTrouve &t) {
            return catalogue(Cote::Alesage)[t.alesage] == "H7" && catalogue(Cote::Arbre)[t.arbre] == "g6";
        });
    };
    EXPECT_TRUE(contient(0.007, 0.041));
    EXPECT_FALSE(contient(0.0071, 0.041));
    EXPECT_FALSE(contient(0.007, 0.0409));
}

TEST(Recherche, RecommendedFitsComeFirstThenTheCoarsest)
{
    // 25 mm, 5 to 45 um: H7/g6 and its twin G7/h6 (the same clearances) are
    // the recommended fits that match; equal in all else, catalogue order
    // puts G7 first.
    const ResultatRecherche r = rechercherAjustements({25, 0.005, 0.045, Base::Toutes, false});
    ASSERT_GT(r.ajustements.size(), 2u);
    auto texte = [](const AjustementTrouve &t) {
        return std::string(catalogue(Cote::Alesage)[t.alesage]) + "/" + std::string(catalogue(Cote::Arbre)[t.arbre]);
    };
    EXPECT_EQ(texte(r.ajustements[0]), "G7/h6");
    EXPECT_EQ(texte(r.ajustements[1]), "H7/g6");
    EXPECT_GE(r.ajustements[0].recommande, 0);
    EXPECT_GE(r.ajustements[1].recommande, 0);
    EXPECT_EQ(r.ajustements[0].jeuMax, 0.041);
    EXPECT_EQ(r.ajustements[0].jeuMin, 0.007);
    EXPECT_EQ(r.ajustements[0].jeuMoyen, 0.024);
    for (std::size_t i = 2; i < r.ajustements.size(); ++i) {
        EXPECT_LT(r.ajustements[i].recommande, 0);
        EXPECT_LE(r.ajustements[i].qualites, r.ajustements[i - 1].qualites);
    }
}

TEST(Recherche, NearestFitsWhenNothingMatches)
{
    // No fit holds an interference of exactly 1 mm: the nearest are shown,
    // marked, the closest first.
    const ResultatRecherche r = rechercherAjustements({25, -1, -1, Base::Toutes, false});
    ASSERT_TRUE(r.proches);
    ASSERT_EQ(r.ajustements.size(), std::size_t(NbProches));
    EXPECT_GT(r.ajustements.front().ecart, 0);
    for (std::size_t i = 1; i < r.ajustements.size(); ++i)
        EXPECT_LE(r.ajustements[i - 1].ecart, r.ajustements[i].ecart);
    // Recommended fits only: fewer than ten candidates are all shown.
    const ResultatRecherche seuls = rechercherAjustements({25, 5, 6, Base::Arbre, true});
    EXPECT_TRUE(seuls.proches);
    EXPECT_EQ(seuls.ajustements.size(), 10u);
}

struct Refus {
    const char *nom;
    DemandeRecherche demande;
    RefusRecherche refus;
};

TEST(Recherche, RefusesABadRequest)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Refus cas[] = {
        {"un", {1, 0, 1}, RefusRecherche::Diametre},
        {"zero", {0, 0, 1}, RefusRecherche::Diametre},
        {"au-dela de 500", {500.0001, 0, 1}, RefusRecherche::Diametre},
        {"nan", {nan, 0, 1}, RefusRecherche::Diametre},
        {"diametre avant les jeux", {600, 1, 0}, RefusRecherche::Diametre},
        {"mini au-dessus du maxi", {25, 0.04, 0.01}, RefusRecherche::JeuxInverses},
        {"mini nan", {25, nan, 0.01}, RefusRecherche::JeuxInverses},
        {"maxi infini", {25, 0, inf}, RefusRecherche::JeuxInverses},
        {"500 et egaux", {500, 0.01, 0.01}, RefusRecherche::Aucun},
    };
    for (const Refus &c : cas) {
        const ResultatRecherche r = rechercherAjustements(c.demande);
        EXPECT_EQ(r.refus, c.refus) << c.nom;
        EXPECT_EQ(verifierDemande(c.demande), c.refus) << c.nom;
        if (c.refus != RefusRecherche::Aucun) {
            EXPECT_TRUE(r.ajustements.empty()) << c.nom;
        }
    }
}

} // namespace
