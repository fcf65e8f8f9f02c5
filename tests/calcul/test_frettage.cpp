#include "calcul/frettage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace vestrel;

namespace {

// The value as published: rounded to that many decimals (negative: to tens,
// hundreds…).
double arrondi(double v, int decimales) { return std::round(v * std::pow(10.0, decimales)) / std::pow(10.0, decimales); }

ValeursMateriau acier(double E_MPa)
{
    ValeursMateriau m = valeursMateriau(acierParDefaut());
    m.E_MPa = E_MPa;
    m.nu = 0.3;
    return m;
}

// Same material for both parts, smooth surfaces: the textbook examples.
ParametresFrettage exemple(double D_aA, double l_F, double E_MPa, double frottement)
{
    ParametresFrettage p;
    p.D_aA_mm = D_aA;
    p.l_F_mm = l_F;
    p.moyeu = p.arbre = acier(E_MPa);
    p.Rz_moyeu_um = p.Rz_arbre_um = 0;
    p.frottementGlissement = frottement;
    return p;
}

ResultatFrettage evaluer(double D_F, ParLimite U, const ParametresFrettage &p)
{
    const EvaluationFrettage e = evaluerFrettage(D_F, U, p);
    EXPECT_FALSE(e.erreur.has_value()) << messageFrettage(e.erreur.value_or(ErreurFrettage::HorsDomaine));
    return e.resultat.value_or(ResultatFrettage{});
}

// Published same-material joints, solid steel shaft, ν = 0.3, no roughness:
// D_F / D_aA / l_F / U / ν, E → p, F_ax, M_t, hub bore σ_t, each with the
// rounding it was published with.
struct Publie {
    double D_F, D_aA, l_F, U_um, frottement, E;
    double p_MPa;
    int decimalesP;
    double F_N;
    int decimalesF;
    double M_Nm;
    double sigmaT_MPa;
};

class ExemplesPublies : public testing::TestWithParam<Publie> {};

TEST_P(ExemplesPublies, PressureForceTorqueAndHubStress)
{
    const Publie &x = GetParam();
    const ResultatFrettage r = evaluer(x.D_F, {x.U_um, x.U_um}, exemple(x.D_aA, x.l_F, x.E, x.frottement));
    EXPECT_EQ(arrondi(r.p_MPa.min, x.decimalesP), x.p_MPa);
    EXPECT_EQ(arrondi(r.p_MPa.max, x.decimalesP), x.p_MPa);
    EXPECT_EQ(arrondi(r.effortAxial_N.min, x.decimalesF), x.F_N);
    if (x.M_Nm > 0) {
        EXPECT_EQ(arrondi(r.couple_Nm.min, 0), x.M_Nm);
    }
    EXPECT_EQ(arrondi(r.moyeu.sigmaT_alesage_MPa, 0), x.sigmaT_MPa);
}

INSTANTIATE_TEST_SUITE_P(Frettage, ExemplesPublies,
                         testing::Values(Publie{50, 80, 40, 40, 0.12, 210000, 51.2, 1, 38600, -2, 965, 117},
                                         Publie{50, 80, 40, 40, 0.15, 200000, 48.8, 1, 45900, -2, 1149, 111},
                                         Publie{25, 50, 20, 20, 0.10, 210000, 63, 0, 9900, -2, 0, 105}));

// Steel shaft 40.026 mm in a 40.000 mm bore of a collar 80 mm outside,
// E = 205 000, ν = 0.3: p ≈ 50 MPa (49.97); half the interference, 25 MPa.
TEST(Frettage, CollarPublishedPressure)
{
    const ParametresFrettage p = exemple(80, 20, 205000, 0.12);
    EXPECT_EQ(arrondi(evaluer(40, {26, 26}, p).p_MPa.max, 2), 49.97);
    EXPECT_EQ(arrondi(evaluer(40, {13, 13}, p).p_MPa.max, 0), 25);
}

// Two steel tubes 58/63/68 mm, E = 207 000, ν = 0.3, diametral interference
// 0.062 mm: p = 8.07 MPa, inner tube bore σ_t = −105.9, outer tube bore
// σ_t = +105.9. Read as radial, 0.062 would give twice the pressure.
TEST(Frettage, TubesPublishedDiametralInterference)
{
    ParametresFrettage p = exemple(68, 30, 207000, 0.12);
    p.D_iI_mm = 58;
    const ResultatFrettage r = evaluer(63, {62, 62}, p);
    EXPECT_EQ(arrondi(r.p_MPa.max, 2), 8.07);
    ASSERT_TRUE(r.arbre.sigmaT_alesage_MPa.has_value());
    EXPECT_EQ(arrondi(*r.arbre.sigmaT_alesage_MPa, 1), -105.9);
    EXPECT_EQ(arrondi(r.moyeu.sigmaT_alesage_MPa, 1), 105.9);
}

// Hollow steel shaft (S235, 25 mm bore) in an aluminium EN AW-6082 hub
// 100 mm outside, 50 H7/u6 (U 45 … 86 µm), l_F = 40, Rz 4 + 4, k = 0.4,
// hub at 60 °C and shaft at 50 °C, 6000 min⁻¹, shaft pre-cooled to −80 °C,
// a load of 300 N·m and 2000 N, K_A 1.25, S_r 1.5, S_F 1.2. By hand:
//   Q_A = Q_I = 0.5, (1 + Q²)/(1 − Q²) = 5/3;
//   K = 5/3 + 0.3 + (70 000/210 000)(5/3 − 0.3) = 2.42222;
//   ΔU = 0.4 · 8 = 3.2 µm, Z = 41.8 … 82.8 µm;
//   p = Z/1000/50 · 70 000/2.42222: p_min = 24.160, p_max = 47.857 MPa;
//   F_ax = 0.12 · 24.160 · π · 50 · 40 = 18 216 N, M_t = F_ax · 0.025 = 455.4 N·m;
//   hub σ_t bore = 47.857 · 5/3 = 79.76, outside = 2 · 47.857 · 0.25/0.75 = 31.90,
//   σ_v = √3 · 47.857/0.75 = 110.52, p_PA = 0.75 · 250/√3 = 108.25,
//   fully plastic (2/√3) · 250 · ln 2 = 200.09, S = 108.25/47.857 = 2.262;
//   shaft σ_t surface = −79.76, bore = −2 · 47.857/0.75 = −127.62, σ_v = 110.52,
//   p_PI = 0.75 · 235/√3 = 101.76, S = 2.126;
//   F_e = 0.08 · 47.857 · π · 50 · 40 = 24 055 N;
//   e = (0.086 + 0.05)/50 = 0.00272: hub 20 + e/23e-6 = 138.26 °C; shaft
//   20 − e/8.5e-6 = −300 °C, below absolute zero: none; with the shaft at
//   −80 °C the hub needs (e − 8.5e-6 · 100)/23e-6 more = 101.30 °C;
//   ΔS = 50 (23e-6 · 40 − 11e-6 · 30) = 29.5 µm;
//   ω = 628.32 rad/s, u_A = 2.7e-9 · ω² · 25/(4 · 70 000) · (3.3 · 2500 + 0.7 · 625)
//   = 0.0008300 mm, u_I = 7.85e-9 · ω² · 25/(4 · 210 000) · (3.3 · 156.25 + 0.7 · 625)
//   = 0.0000911 mm, ΔU_ω = 2 (u_A − u_I) = 1.4778 µm;
//   Z in service 41.8 − 30.978 = 10.822 … 51.822, p = 6.255 … 29.952,
//   M_t = 455.40 · 6.255/24.160 = 117.90 N·m; n_ab = 6000 √(12.3/1.4778) = 17 310;
//   F_res = √(2000² + (2 · 300 000/50)²) = 12 165.5 N,
//   p_req = 1.5 · 1.25 · 12 165.5/(0.12 · π · 50 · 40) = 30.253,
//   U_req = 30.253 · 2.42222 · 50/70 000 · 1000 + 3.2 + 30.978 = 86.52 > 45: slips;
//   U_perm = 101.76/1.2 · 2.42222 · 50/70 000 · 1000 + 3.2 = 149.91 ≥ 86: elastic.
TEST(Frettage, HollowSteelShaftInAluminiumHubInService)
{
    ParametresFrettage p;
    p.D_aA_mm = 100;
    p.D_iI_mm = 25;
    p.l_F_mm = 40;
    p.moyeu = valeursMateriau(*materiau("alu-6082"));
    p.tempServiceMoyeu_C = 60;
    p.tempServiceArbre_C = 50;
    p.vitesse_tr_min = 6000;
    p.tempArbreRefroidi_C = -80;
    p.charge = Charge{300, 2000, 1.25, 1.5, 1.2};
    const EvaluationFrettage e = evaluerFrettage(ajustementClasses(50, "H7", "u6"), p);
    ASSERT_TRUE(e.resultat);
    const ResultatFrettage &r = *e.resultat;
    EXPECT_EQ(r.D_F_mm, 50);
    EXPECT_DOUBLE_EQ(r.Q_A, 0.5);
    EXPECT_DOUBLE_EQ(r.Q_I, 0.5);
    EXPECT_NEAR(r.K, 2.42222, 1e-5);
    EXPECT_EQ(r.facteurLissage, 0.4);
    EXPECT_NEAR(r.lissage_um, 3.2, 1e-9);
    EXPECT_NEAR(r.U_um.min, 45, 1e-9);
    EXPECT_NEAR(r.U_um.max, 86, 1e-9);
    EXPECT_NEAR(r.Z_um.min, 41.8, 1e-9);
    EXPECT_NEAR(r.Z_um.max, 82.8, 1e-9);
    EXPECT_NEAR(r.p_MPa.min, 24.160, 5e-4);
    EXPECT_NEAR(r.p_MPa.max, 47.857, 5e-4);
    EXPECT_NEAR(r.effortAxial_N.min, 18216, 0.5);
    EXPECT_NEAR(r.couple_Nm.min, 455.40, 0.005);
    EXPECT_NEAR(r.moyeu.sigmaT_alesage_MPa, 79.76, 0.005);
    EXPECT_NEAR(r.moyeu.sigmaR_alesage_MPa, -47.857, 5e-4);
    EXPECT_NEAR(r.moyeu.sigmaT_exterieur_MPa, 31.90, 0.005);
    EXPECT_NEAR(r.moyeu.sigmaV_MPa, 110.52, 0.005);
    EXPECT_NEAR(r.moyeu.pPlastification_MPa, 108.25, 0.005);
    EXPECT_NEAR(r.moyeu.pPlastiqueTotal_MPa, 200.09, 0.005);
    EXPECT_NEAR(r.moyeu.securite.value_or(0), 2.262, 5e-4);
    EXPECT_NEAR(r.arbre.sigmaT_surface_MPa, -79.76, 0.005);
    EXPECT_NEAR(r.arbre.sigmaR_surface_MPa, -47.857, 5e-4);
    EXPECT_NEAR(r.arbre.sigmaT_alesage_MPa.value_or(0), -127.62, 0.005);
    EXPECT_NEAR(r.arbre.sigmaV_MPa, 110.52, 0.005);
    EXPECT_NEAR(r.arbre.pPlastification_MPa, 101.76, 0.005);
    EXPECT_NEAR(r.arbre.securite.value_or(0), 2.126, 5e-4);
    EXPECT_FALSE(r.plastificationMoyeu || r.plastificationArbre || r.moyeuEntierementPlastique);
    EXPECT_NEAR(r.effortEmmanchement_N, 24055, 0.5);
    EXPECT_NEAR(r.montage.moyeu_C, 138.26, 0.005);
    EXPECT_FALSE(r.montage.arbre_C.has_value());
    EXPECT_NEAR(r.montage.moyeuArbreRefroidi_C.value_or(0), 101.30, 0.005);
    EXPECT_NEAR(r.service.perteThermique_um, 29.5, 1e-9);
    EXPECT_NEAR(r.service.perteCentrifuge_um, 1.4778, 5e-5);
    EXPECT_NEAR(r.service.Z_um.min, 10.822, 5e-4);
    EXPECT_NEAR(r.service.Z_um.max, 51.822, 5e-4);
    EXPECT_NEAR(r.service.p_MPa.min, 6.255, 5e-4);
    EXPECT_NEAR(r.service.p_MPa.max, 29.952, 5e-4);
    EXPECT_NEAR(r.service.couple_Nm.min, 117.90, 0.005);
    EXPECT_FALSE(r.service.desserre);
    EXPECT_NEAR(r.service.vitesseDecollement_tr_min.value_or(0), 17310, 0.5);
    ASSERT_TRUE(r.charge);
    EXPECT_NEAR(r.charge->pRequise_MPa, 30.253, 5e-4);
    EXPECT_NEAR(r.charge->U_requis_um, 86.52, 0.005);
    EXPECT_NEAR(r.charge->U_admissible_um, 149.91, 0.005);
    EXPECT_FALSE(r.charge->tient);
    EXPECT_TRUE(r.charge->elastique);
}

// The smoothing rule of the earlier editions: 50/80/40, U = 40 µm, Rz 6.3
// on each surface. k = 0.8: ΔU = 0.8 · 12.6 = 10.08 µm, Z = 29.92,
// p = 29.92/1000/50 · 210 000/3.28205 = 38.288 MPa; k = 0.4 loses half as
// much: Z = 34.96, p = 44.74.
TEST(Frettage, SmoothingOfEarlierEditions)
{
    ParametresFrettage p = exemple(80, 40, 210000, 0.12);
    p.Rz_moyeu_um = p.Rz_arbre_um = 6.3;
    p.lissage = Lissage::Anterieur;
    const ResultatFrettage ancien = evaluer(50, {40, 40}, p);
    EXPECT_EQ(ancien.facteurLissage, 0.8);
    EXPECT_NEAR(ancien.lissage_um, 10.08, 1e-9);
    EXPECT_NEAR(ancien.Z_um.min, 29.92, 1e-9);
    EXPECT_NEAR(ancien.p_MPa.min, 38.288, 5e-4);
    p.lissage = Lissage::Din2017;
    const ResultatFrettage actuel = evaluer(50, {40, 40}, p);
    EXPECT_NEAR(actuel.Z_um.min, 34.96, 1e-9);
    EXPECT_NEAR(actuel.p_MPa.min, 44.74, 0.005);
}

// 30 H7/p6 (U 1 … 35 µm) in an aluminium hub 60 mm outside, solid steel
// shaft, Rz 4 + 4: Z = −2.2 … 31.8 µm, so no pressure at the smallest
// interference. Hub at 100 °C: ΔS = 30 · 23e-6 · 80 = 55.2 µm, more than
// Z_max: loose at both limits, no pressure, no torque, loose at any speed.
TEST(Frettage, LooseWhenWarm)
{
    ParametresFrettage p;
    p.D_aA_mm = 60;
    p.l_F_mm = 30;
    p.moyeu = valeursMateriau(*materiau("alu-6082"));
    p.tempServiceMoyeu_C = 100;
    p.vitesse_tr_min = 1000;
    const EvaluationFrettage e = evaluerFrettage(ajustementClasses(30, "H7", "p6"), p);
    ASSERT_TRUE(e.resultat);
    const ResultatFrettage &r = *e.resultat;
    EXPECT_NEAR(r.Z_um.min, -2.2, 1e-9);
    EXPECT_EQ(r.p_MPa.min, 0);
    EXPECT_EQ(r.couple_Nm.min, 0);
    EXPECT_NEAR(r.couple_Nm.max, 0.12 * 33.727 * std::numbers::pi * 900 * 30 / 2000, 0.01);
    EXPECT_NEAR(r.p_MPa.max, 33.727, 5e-4); // 31.8/1000/30 · 70 000/2.2
    EXPECT_NEAR(r.service.perteThermique_um, 55.2, 1e-9);
    EXPECT_TRUE(r.service.desserre);
    EXPECT_EQ(r.service.p_MPa.max, 0);
    EXPECT_EQ(r.service.couple_Nm.max, 0);
    EXPECT_EQ(r.service.vitesseDecollement_tr_min, 0.0);
    // The same fit at 20 °C is tight at its largest interference only.
    p.tempServiceMoyeu_C = 20;
    p.vitesse_tr_min = 0;
    const ResultatFrettage froid = *evaluerFrettage(ajustementClasses(30, "H7", "p6"), p).resultat;
    EXPECT_TRUE(froid.service.desserre); // Z_min < 0 already
    EXPECT_GT(froid.service.p_MPa.max, 33);
    EXPECT_FALSE(froid.service.vitesseDecollement_tr_min.has_value());
}

// 50/80/40, U = 40 µm, steel S235, ν = 0.12, M_t transmissible 964.9 N·m.
// 2000 N·m with K_A 1.25 and S_r 1.5: F_res = 2 · 2 000 000/50 = 80 000 N,
// p_req = 1.5 · 1.25 · 80 000/(0.12 π 50 · 40) = 198.94 MPa,
// U_req = 198.94 · 3.28205 · 50/210 000 · 1000 = 155.46 µm > 40: slips.
// U_perm = p_PA/S_F · K D_F/E_A = 82.678/1.2 · 3.28205 · 50/210 · 1000 = 53.84.
// 500 N·m without factors: U_req = 20.73 µm ≤ 40: holds.
TEST(Frettage, LoadHeldOrNot)
{
    ParametresFrettage p = exemple(80, 40, 210000, 0.12);
    p.charge = Charge{2000, 0, 1.25, 1.5, 1.2};
    const ResultatFrettage lourd = evaluer(50, {40, 40}, p);
    ASSERT_TRUE(lourd.charge);
    EXPECT_NEAR(lourd.charge->pRequise_MPa, 198.94, 0.005);
    EXPECT_NEAR(lourd.charge->U_requis_um, 155.46, 0.005);
    EXPECT_NEAR(lourd.charge->U_admissible_um, 53.84, 0.005);
    EXPECT_FALSE(lourd.charge->tient);
    EXPECT_TRUE(lourd.charge->elastique);
    EXPECT_FALSE(jeuxQuiTiennent(*lourd.charge).has_value()); // 155.46 > 53.84
    p.charge = Charge{500, 0, 1, 1, 1};
    const ResultatFrettage leger = evaluer(50, {40, 40}, p);
    // U_perm = 82.678 · 3.28205 · 50/210 · 1000 = 64.608 µm, U_req = 20.728:
    // clearances −0.0646 … −0.0208 mm, rounded inwards.
    const auto plage = jeuxQuiTiennent(*leger.charge);
    ASSERT_TRUE(plage);
    EXPECT_DOUBLE_EQ(plage->mini_mm, -0.0646);
    EXPECT_DOUBLE_EQ(plage->maxi_mm, -0.0208);
    EXPECT_NEAR(leger.charge->U_requis_um, 20.73, 0.005);
    EXPECT_TRUE(leger.charge->tient);
    p.charge.reset();
    EXPECT_FALSE(evaluer(50, {40, 40}, p).charge.has_value());
}

// Too much interference: 50/80 S235 hub, U = 100 µm: p = 0.002 · 210 000/
// 3.28205 = 127.97 MPa, above p_PA = 82.68 and above the fully plastic
// (2/√3) 235 ln 1.6 = 127.54. A thin hollow shaft (45 mm bore) instead:
// K = 2.28205 + 0.3 + (1.81/0.19 − 0.3) = 11.808, p = 35.57 MPa above
// p_PI = 0.19 · 235/√3 = 25.78: the shaft yields, the hub does not.
TEST(Frettage, PlasticWarnings)
{
    ParametresFrettage p = exemple(80, 40, 210000, 0.12);
    const ResultatFrettage plein = evaluer(50, {100, 100}, p);
    EXPECT_NEAR(plein.p_MPa.max, 127.97, 0.005);
    EXPECT_TRUE(plein.plastificationMoyeu);
    EXPECT_TRUE(plein.moyeuEntierementPlastique);
    EXPECT_FALSE(plein.plastificationArbre);
    EXPECT_LT(plein.moyeu.securite.value_or(9), 1);
    p.D_iI_mm = 45;
    const ResultatFrettage creux = evaluer(50, {100, 100}, p);
    EXPECT_NEAR(creux.K, 11.808, 5e-4);
    EXPECT_NEAR(creux.p_MPa.max, 35.57, 0.005);
    EXPECT_NEAR(creux.arbre.pPlastification_MPa, 25.78, 0.005);
    EXPECT_TRUE(creux.plastificationArbre);
    EXPECT_FALSE(creux.plastificationMoyeu);
}

// Joining 25/50, U = 20 µm, steel: e = (0.020 + 0.025)/25 = 0.0018; hub
// 20 + 0.0018/11e-6 = 183.64 °C; shaft 20 − 0.0018/8.5e-6 = −191.76 °C;
// shaft at −80 °C: hub 20 + (0.0018 − 8.5e-6 · 100)/11e-6 = 106.36 °C. A
// shaft cold enough alone leaves the hub at room temperature.
TEST(Frettage, JoiningTemperatures)
{
    ParametresFrettage p = exemple(50, 20, 210000, 0.1);
    p.tempArbreRefroidi_C = -80;
    const ResultatFrettage r = evaluer(25, {20, 20}, p);
    EXPECT_NEAR(r.montage.moyeu_C, 183.64, 0.005);
    EXPECT_NEAR(r.montage.arbre_C.value_or(0), -191.76, 0.005);
    EXPECT_NEAR(r.montage.moyeuArbreRefroidi_C.value_or(0), 106.36, 0.005);
    p.tempArbreRefroidi_C = -195;
    EXPECT_EQ(evaluer(25, {20, 20}, p).montage.moyeuArbreRefroidi_C, 20.0);
}

// A free fit: D_F is the bore size, the interferences those of the typed
// sizes: bore 40 +0.000/−0.010, shaft 40.030 +0.006/0: U = 30 … 46 µm.
TEST(Frettage, FreeFitFromTheBoreSize)
{
    const ResultatFrettage r =
        *evaluerFrettage(ajustementLibre(40, 0, -0.01, 40.03, 0.006, 0), exemple(80, 20, 205000, 0.12)).resultat;
    EXPECT_EQ(r.D_F_mm, 40);
    EXPECT_NEAR(r.U_um.min, 30, 1e-9);
    EXPECT_NEAR(r.U_um.max, 46, 1e-9);
}

// Each bad input gives its message and no result.
struct Refus {
    const char *nom;
    void (*modifier)(ParametresFrettage &, double &D_F, ParLimite &U);
    ErreurFrettage erreur;
    const char *message;
};

class EntreesRefusees : public testing::TestWithParam<Refus> {};

TEST_P(EntreesRefusees, OneMessageNoNumber)
{
    ParametresFrettage p = exemple(80, 40, 210000, 0.12);
    double D_F = 50;
    ParLimite U{20, 40};
    ASSERT_TRUE(evaluerFrettage(D_F, U, p).resultat);
    GetParam().modifier(p, D_F, U);
    const EvaluationFrettage e = evaluerFrettage(D_F, U, p);
    EXPECT_FALSE(e.resultat.has_value());
    ASSERT_TRUE(e.erreur.has_value());
    EXPECT_EQ(*e.erreur, GetParam().erreur);
    EXPECT_NE(messageFrettage(*e.erreur).find(GetParam().message), std::string_view::npos)
        << messageFrettage(*e.erreur);
}

INSTANTIATE_TEST_SUITE_P(
    Frettage, EntreesRefusees,
    testing::Values(
        Refus{"HubNotLargerThanJoint", [](ParametresFrettage &p, double &, ParLimite &) { p.D_aA_mm = 50; }, ErreurFrettage::DiametreMoyeu,
              "diamètre extérieur du moyeu"},
        Refus{"ShaftBoreTooLarge", [](ParametresFrettage &p, double &, ParLimite &) { p.D_iI_mm = 50; }, ErreurFrettage::AlesageArbre,
              "alésage de l'arbre"},
        Refus{"ShaftBoreNegative", [](ParametresFrettage &p, double &, ParLimite &) { p.D_iI_mm = -1; }, ErreurFrettage::AlesageArbre,
              "alésage de l'arbre"},
        Refus{"ZeroLength", [](ParametresFrettage &p, double &, ParLimite &) { p.l_F_mm = 0; }, ErreurFrettage::Longueur, "longueur"},
        Refus{"ZeroModulus", [](ParametresFrettage &p, double &, ParLimite &) { p.arbre.E_MPa = 0; }, ErreurFrettage::ModuleArbre,
              "module d'élasticité de l'arbre"},
        Refus{"PoissonHalf", [](ParametresFrettage &p, double &, ParLimite &) { p.moyeu.nu = 0.5; }, ErreurFrettage::PoissonMoyeu,
              "coefficient de Poisson du moyeu"},
        Refus{"PoissonZero", [](ParametresFrettage &p, double &, ParLimite &) { p.arbre.nu = 0; }, ErreurFrettage::PoissonArbre,
              "coefficient de Poisson de l'arbre"},
        Refus{"NoYield", [](ParametresFrettage &p, double &, ParLimite &) { p.moyeu.Re_MPa = 0; }, ErreurFrettage::LimiteMoyeu,
              "limite d'élasticité du moyeu"},
        Refus{"ClearanceAtBothLimits", [](ParametresFrettage &, double &, ParLimite &U) { U = {-20, -5}; }, ErreurFrettage::PasSerre,
              "ce n'est pas un ajustement serré"},
        Refus{"NoInterferenceAtAll", [](ParametresFrettage &, double &, ParLimite &U) { U = {-20, 0}; }, ErreurFrettage::PasSerre,
              "ce n'est pas un ajustement serré"},
        Refus{"LimitsSwapped", [](ParametresFrettage &, double &, ParLimite &U) { U = {40, 20}; }, ErreurFrettage::LimitesInversees, "inversées"},
        Refus{"ZeroDiameter", [](ParametresFrettage &, double &D, ParLimite &) { D = 0; }, ErreurFrettage::DiametreAssemblage, "diamètre de l'assemblage"},
        Refus{"NaNDiameter", [](ParametresFrettage &, double &D, ParLimite &) { D = std::nan(""); }, ErreurFrettage::DiametreAssemblage,
              "diamètre de l'assemblage"},
        Refus{"NegativeRoughness", [](ParametresFrettage &p, double &, ParLimite &) { p.Rz_arbre_um = -1; }, ErreurFrettage::Rugosite, "Rz"},
        Refus{"ZeroFriction", [](ParametresFrettage &p, double &, ParLimite &) { p.frottementGlissement = 0; }, ErreurFrettage::FrottementGlissement,
              "frottement au glissement"},
        Refus{"ZeroPressFriction", [](ParametresFrettage &p, double &, ParLimite &) { p.frottementEmmanchement = 0; }, ErreurFrettage::FrottementEmmanchement,
              "frottement à l'emmanchement"},
        Refus{"NegativeTorque", [](ParametresFrettage &p, double &, ParLimite &) { p.charge = Charge{-1, 0, 1, 1, 1}; }, ErreurFrettage::Charge,
              "couple"},
        Refus{"ZeroSafety", [](ParametresFrettage &p, double &, ParLimite &) { p.charge = Charge{1, 0, 1, 0, 1}; }, ErreurFrettage::Securites,
              "sécurités"},
        Refus{"ZeroKA", [](ParametresFrettage &p, double &, ParLimite &) { p.charge = Charge{1, 0, 0, 1, 1}; }, ErreurFrettage::FacteurApplication,
              "K_A"},
        Refus{"BelowAbsoluteZero", [](ParametresFrettage &p, double &, ParLimite &) { p.tempServiceArbre_C = -300; }, ErreurFrettage::TemperatureService,
              "zéro absolu"},
        Refus{"NegativeSpeed", [](ParametresFrettage &p, double &, ParLimite &) { p.vitesse_tr_min = -1; }, ErreurFrettage::Vitesse,
              "vitesse"},
        Refus{"CoolingAboveRoom", [](ParametresFrettage &p, double &, ParLimite &) { p.tempArbreRefroidi_C = 25; }, ErreurFrettage::ArbreRefroidi,
              "arbre refroidi"},
        Refus{"NoExpansion", [](ParametresFrettage &p, double &, ParLimite &) { p.arbre.alpha_refroidi_par_K = 0; },
              ErreurFrettage::DilatationArbre, "dilatation de l'arbre"},
        Refus{"NegativeDensity", [](ParametresFrettage &p, double &, ParLimite &) { p.moyeu.rho_kg_m3 = -1; },
              ErreurFrettage::MasseVolumiqueMoyeu, "masse volumique du moyeu"},
        Refus{"ModulusOutOfAnyRange",
              [](ParametresFrettage &p, double &, ParLimite &) {
                  p.moyeu.E_MPa = 1e300;
                  p.arbre.E_MPa = 1e-300;
                  p.charge = Charge{};
              },
              ErreurFrettage::HorsDomaine, "domaine"},
        Refus{"InfiniteLength", [](ParametresFrettage &p, double &, ParLimite &) { p.l_F_mm = INFINITY; }, ErreurFrettage::Longueur,
              "longueur"}),
    [](const testing::TestParamInfo<Refus> &i) { return i.param.nom; });

TEST(Frettage, FitWithoutBothSidesIsRefused)
{
    ParametresFrettage p = exemple(80, 40, 210000, 0.12);
    const EvaluationFrettage e = evaluerFrettage(ajustementClasses(50, "H7", ""), p);
    EXPECT_FALSE(e.resultat.has_value());
    EXPECT_EQ(e.erreur, ErreurFrettage::PasDAjustement);
    EXPECT_FALSE(evaluerFrettage(ajustementClasses(50, "H7", "g6"), p).resultat.has_value());
}

} // namespace
