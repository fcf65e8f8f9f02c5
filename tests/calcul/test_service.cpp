#include "calcul/resultat.h"
#include "calcul/service.h"
#include "calcul/thermique.h"
#include "tables/materiaux.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using namespace vestrel;

ConditionsService conditions(double alphaAl, double tAl, double alphaAr, double tAr)
{
    ConditionsService c;
    c.piece(Cote::Alesage) = {alphaAl, tAl};
    c.piece(Cote::Arbre) = {alphaAr, tAr};
    return c;
}

double alpha(const char *cle) { return materiau(cle)->alpha_chauffe_par_K; }

// The kind of fit judged again in service: each row a fit at 20 °C, the
// parts' materials and temperatures, and the clearances worked out by hand.
struct CasService {
    const char *nom;
    double d;
    const char *alesage, *arbre;
    const char *matAl;
    double tAl;
    const char *matAr;
    double tAr;
    double deltaS_mm;
    const char *max, *min;
    Nature avant, apres;
};

class Service : public ::testing::TestWithParam<CasService> {};

TEST_P(Service, ClearancesAndKindInService)
{
    const CasService &c = GetParam();
    const AjustementAffiche a = ajustementClasses(c.d, c.alesage, c.arbre);
    ASSERT_EQ(ResultatAjustement(a).jeux->nature, c.avant);
    const auto s = jeuxEnService(a, conditions(alpha(c.matAl), c.tAl, alpha(c.matAr), c.tAr));
    ASSERT_TRUE(s);
    EXPECT_NEAR(s->deltaS_mm, c.deltaS_mm, 1e-12);
    EXPECT_EQ(s->jeux.max.texte, c.max);
    EXPECT_EQ(s->jeux.min.texte, c.min);
    EXPECT_EQ(s->jeux.nature, c.apres);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Service,
    ::testing::Values(
        // H7/g6 at 25 mm, 0.041 … 0.007, an aluminium housing on a steel
        // shaft, both at −40 °C: ΔS = 25 · (23e-6 − 11e-6) · (−60) = −0.018;
        // 0.041 − 0.018 = 0.023, 0.007 − 0.018 = −0.011: a transition fit.
        CasService{"froid", 25, "H7", "g6", "alu-6082", -40, "acier", -40, -0.018, "0.0230", "-0.0110",
                   Nature::Jeu, Nature::Incertain},
        // H7/s6 at 25 mm, −0.014 … −0.048, the aluminium hub at 120 °C and
        // the steel shaft at 20 °C: ΔS = 25 · 23e-6 · 100 = 0.0575;
        // −0.014 + 0.0575 = 0.0435, −0.048 + 0.0575 = 0.0095: loose.
        CasService{"chaud", 25, "H7", "s6", "alu-6082", 120, "acier", 20, 0.0575, "0.0435", "0.0095",
                   Nature::Serrage, Nature::Jeu},
        // The same hub warmed to 60 °C only: ΔS = 25 · 23e-6 · 40 = 0.023;
        // 0.009 … −0.025, a transition fit: some pairs come loose.
        CasService{"tiede", 25, "H7", "s6", "alu-6082", 60, "acier", 20, 0.023, "0.0090", "-0.0250",
                   Nature::Serrage, Nature::Incertain},
        // A steel shaft at 80 °C in a cold steel housing at 20 °C:
        // ΔS = −50 · 11e-6 · 60 = −0.033; H7/h6 0.041 … 0 becomes 0.008 … −0.033.
        CasService{"arbre_chaud", 50, "H7", "h6", "acier", 20, "acier", 80, -0.033, "0.0080", "-0.0330",
                   Nature::Jeu, Nature::Incertain}),
    [](const auto &cas) { return std::string(cas.param.nom); });

// Equal materials at one temperature expand alike: nothing changes.
class ServiceMemeMateriau : public ::testing::TestWithParam<double> {};

TEST_P(ServiceMemeMateriau, NoChange)
{
    const double t = GetParam();
    for (const char *mat : {"acier", "alu-6082", "titane"}) {
        const AjustementAffiche a = ajustementClasses(50, "H7", "k6");
        const auto s = jeuxEnService(a, conditions(alpha(mat), t, alpha(mat), t));
        ASSERT_TRUE(s);
        EXPECT_EQ(s->deltaS_mm, 0) << mat << ' ' << t;
        EXPECT_EQ(s->jeux, *ResultatAjustement(a).jeux) << mat << ' ' << t;
    }
}

INSTANTIATE_TEST_SUITE_P(Temperatures, ServiceMemeMateriau, ::testing::Values(-273.15, -40, 20, 85, 400));

TEST(Service, ThermalFormula)
{
    // ΔS = D [α_h (ϑ_h − 20) − α_s (ϑ_s − 20)] = 100 · [2e-5 · 30 − 1e-5 · (−10)]
    //    = 100 · (6e-4 + 1e-4) = 0.07 mm.
    EXPECT_NEAR(variationJeuThermique_mm(100, 2e-5, 50, 1e-5, 10), 0.07, 1e-15);
    // Both parts at 20 °C: no change, whatever the materials.
    EXPECT_EQ(variationJeuThermique_mm(100, 2e-5, 20, 1e-5, 20), 0);
}

TEST(Service, DefaultsAreSteelAt20)
{
    const ConditionsService c;
    for (Cote cote : {Cote::Alesage, Cote::Arbre}) {
        EXPECT_EQ(c.piece(cote).alpha_par_K, acierParDefaut().alpha_chauffe_par_K);
        EXPECT_EQ(c.piece(cote).temperature_C, 20);
    }
}

TEST(Service, FreeFitUsesTheBoreSize)
{
    // The free calculator's first values: 12.33 … 12.32 against 12.23 … 12.22,
    // 0.11 … 0.09. Steel bore part at 100 °C, steel shaft at 20 °C:
    // ΔS = 12.3 · 11e-6 · 80 = 0.010824; 0.120824 and 0.100824.
    const AjustementAffiche a = ajustementLibre(12.3, 0.03, 0.02, 12.2, 0.03, 0.02);
    const auto s = jeuxEnService(a, conditions(11e-6, 100, 11e-6, 20));
    ASSERT_TRUE(s);
    EXPECT_NEAR(s->deltaS_mm, 0.010824, 1e-12);
    EXPECT_EQ(s->jeux.max.texte, "0.1208");
    EXPECT_EQ(s->jeux.min.texte, "0.1008");
    EXPECT_EQ(s->jeux.nature, Nature::Jeu);

    // μ = (12.33 + 12.32)/2 − (12.23 + 12.22)/2 = 0.1; σ = √(0.01² + 0.01²)/6
    // = 0.0023570; μ ± 3σ = 0.0929289 … 0.1070711. No pair with interference.
    const auto p = jeuProbable(a, 3);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->moyen_mm, 0.1, 1e-12);
    EXPECT_NEAR(p->sigma_mm, 0.0023570226, 1e-10);
    EXPECT_NEAR(p->min_mm, 0.0929289322, 1e-10);
    EXPECT_NEAR(p->max_mm, 0.1070710678, 1e-10);
    EXPECT_LT(p->partSerrage, 1e-100);
}

TEST(Service, RefusedConditions)
{
    const AjustementAffiche a = ajustementClasses(25, "H7", "g6");
    struct Cas {
        ConditionsService c;
        RefusService refus;
        Cote cote;
    };
    const Cas cas[] = {
        {conditions(11e-6, -273.16, 11e-6, 20), RefusService::TemperatureBasse, Cote::Alesage},
        {conditions(11e-6, 20, 11e-6, -300), RefusService::TemperatureBasse, Cote::Arbre},
        {conditions(11e-6, 20, 11e-6, NAN), RefusService::TemperatureBasse, Cote::Arbre},
        {conditions(11e-6, 1e300, 11e-6, 20), RefusService::TemperatureHaute, Cote::Alesage},
        {conditions(11e-6, 20, 0.5, 20), RefusService::Dilatation, Cote::Arbre},
        {conditions(INFINITY, 20, 11e-6, 20), RefusService::Dilatation, Cote::Alesage},
    };
    for (const Cas &k : cas) {
        const VerificationService v = verifierConditions(k.c);
        EXPECT_EQ(v.refus, k.refus);
        EXPECT_EQ(v.cote, k.cote);
        EXPECT_FALSE(jeuxEnService(a, k.c));
    }
    // Absolute zero itself is a temperature.
    EXPECT_EQ(verifierConditions(conditions(11e-6, -273.15, 11e-6, 20)).refus, RefusService::Aucun);
    // A side without numbers has no clearance in service.
    EXPECT_FALSE(jeuxEnService(ajustementClasses(25, "H7", ""), ConditionsService{}));
}

TEST(Service, FinderRangeShiftedBack)
{
    // Wanted 0.01 … 0.04 in service where ΔS = −0.018: the fits at 20 °C
    // must give 0.028 … 0.058.
    const PlageJeu p = plageAVingtDegres({0.01, 0.04}, -0.018);
    EXPECT_NEAR(p.mini_mm, 0.028, 1e-15);
    EXPECT_NEAR(p.maxi_mm, 0.058, 1e-15);
}

TEST(Probable, PublishedExample)
{
    // Bearing μ = 1.005 cm, σ = 0.003; shaft μ = 0.995, σ = 0.004:
    // σ = √(0.003² + 0.004²) = 0.005, μ = 0.010, P(interference) = Φ(−2) = 0.02275.
    const double sigma = sigmaJeu_mm(0.003, 0.004);
    EXPECT_NEAR(sigma, 0.005, 1e-15);
    const JeuProbable p = repartitionJeu(1.005 - 0.995, sigma, 3);
    EXPECT_NEAR(p.partSerrage, 0.02275, 0.000005);
    EXPECT_NEAR(p.partJeu, 1 - 0.02275, 0.000005);
    EXPECT_NEAR(p.min_mm, -0.005, 1e-12);
    EXPECT_NEAR(p.max_mm, 0.025, 1e-12);
}

TEST(Probable, TransitionFitH7k6At50)
{
    // H7 at 50 mm: 0 … +25 µm; k6: +2 … +18 µm.
    // μ = 12.5 − 10 = 2.5 µm; σ = √(25² + 16²)/6 = √881/6 = 4.9469 µm;
    // μ/σ = 0.50536; Φ(−0.50536) = 1 − (0.6915 + 0.536 · 0.0035) = 0.3066
    // (normal table, Φ(0.50) = 0.6915, Φ(0.51) = 0.6950);
    // μ ± 3σ = 2.5 ∓ 14.8408 = −12.341 … 17.341 µm.
    const auto p = jeuProbable(ajustementClasses(50, "H7", "k6"), 3);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->moyen_mm, 0.0025, 1e-12);
    EXPECT_NEAR(p->sigma_mm, 0.0049469, 1e-7);
    EXPECT_NEAR(p->partSerrage, 0.3066, 0.0001);
    EXPECT_NEAR(p->partSerrage + p->partJeu, 1, 1e-15);
    EXPECT_NEAR(p->min_mm, -0.012341, 1e-6);
    EXPECT_NEAR(p->max_mm, 0.017341, 1e-6);

    // k = 2: μ ± 9.8939 µm.
    const auto k2 = jeuProbable(ajustementClasses(50, "H7", "k6"), 2);
    EXPECT_NEAR(k2->max_mm, 0.0123939, 1e-6);

    // In service the distribution moves by ΔS, its width stays:
    // ΔS = −0.0025 puts the mean on zero, half the pairs with interference.
    const auto s = jeuProbable(ajustementClasses(50, "H7", "k6"), 3, -0.0025);
    EXPECT_NEAR(s->moyen_mm, 0, 1e-12);
    EXPECT_EQ(s->sigma_mm, p->sigma_mm);
    EXPECT_NEAR(s->partSerrage, 0.5, 1e-9);
}

TEST(Probable, ClearanceFitNeverInterferes)
{
    // H7/f7 at 25 mm: 0 … 21 against −41 … −20 µm: μ = 41 µm,
    // σ = √(21² + 21²)/6 = 4.9497 µm, μ/σ = 8.28: P about 6e-17, which
    // shows as 0.0 % and every pair as 100.0 % with clearance.
    const auto p = jeuProbable(ajustementClasses(25, "H7", "f7"), 3);
    ASSERT_TRUE(p);
    EXPECT_LT(p->partSerrage * 100, 0.05);
    EXPECT_GT(p->partSerrage, 0);
    EXPECT_GE(p->partJeu * 100, 99.95);
}

TEST(Probable, NoSpreadAndRefusedFactor)
{
    // Typed sizes without tolerance: every pair has the one clearance.
    const auto a = jeuProbable(ajustementLibre(10, 0, 0, 10.01, 0, 0), 3);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->sigma_mm, 0);
    EXPECT_EQ(a->partSerrage, 1);
    EXPECT_EQ(a->partJeu, 0);
    const auto b = repartitionJeu(0, 0, 3);
    EXPECT_EQ(b.partSerrage + b.partJeu, 0);

    const AjustementAffiche h7g6 = ajustementClasses(25, "H7", "g6");
    for (double k : {0.0, -1.0, 10.5, double(NAN), double(INFINITY)})
        EXPECT_FALSE(jeuProbable(h7g6, k)) << k;
    EXPECT_TRUE(jeuProbable(h7g6, 10));
    EXPECT_TRUE(jeuProbable(h7g6, 0.5));
}

} // namespace
