#include "lancer.h"
#include "tables/materiaux.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace vestrel;

namespace {

// 50 H7/u6 (U 45 … 86 µm) in a steel hub 100 mm outside, 40 mm long, solid
// steel shaft, Rz 4 + 4: Q_A = 0.5, K = 5/3 + 0.3 + (1 − 0.3) = 2.66667,
// Z = 41.8 … 82.8 µm, p = 65.835 … 130.41 MPa.
const std::vector<std::string> Base{"50", "H7", "u6", "--press", "--hub-od", "100", "--length", "40", "--json"};

// Each option against the JSON piece it changes, worked by hand:
struct Option {
    const char *nom;
    std::vector<std::string> args;
    std::string attendu;
};

void PrintTo(const Option &o, std::ostream *os) { *os << o.nom; }

class Options : public testing::TestWithParam<Option> {};

TEST_P(Options, ChangeTheResultAsWorkedByHand)
{
    const Sortie r = lancer(avec(Base, GetParam().args));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find(GetParam().attendu), std::string::npos) << r.out;
    EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Frettage, Options,
    testing::Values(
        Option{"Defaults", {}, R"("K":2.66667,"lissage":0.4,"U":{"min":45,"max":86},"Z":{"min":41.8,"max":82.8})"},
        // Q_I = 0.5: K = 5/3 + 0.3 + (5/3 − 0.3) = 3.33333
        Option{"ShaftBore", {"--shaft-bore", "25"}, R"("Q_I":0.5,"K":3.33333)"},
        // K = 5/3 + 0.3 + (70 000/210 000)(1 − 0.3) = 2.2
        Option{"HubMaterialKey", {"--hub", "alu-6082"}, R"("K":2.2,)"},
        // K = 5/3 + 0.3 + 2 (1 − 0.3) = 3.36667
        Option{"ShaftMaterialValues", {"--shaft", "E=105000,nu=0.3,Re=300"}, R"("K":3.36667,)"},
        Option{"Roughness", {"--rz", "0,0"}, R"("Z":{"min":45,"max":86})"},
        // ΔU = 0.8 · 8 = 6.4
        Option{"Smoothing", {"--smoothing", "0.8"}, R"("lissage":0.8,"U":{"min":45,"max":86},"Z":{"min":38.6,"max":79.6})"},
        // 1240.96 · 0.1/0.12
        Option{"Friction", {"--friction", "0.1"}, R"("couple":1034.13,)"},
        // 65 551.2 · 0.1/0.08
        Option{"PressFriction", {"--friction-press", "0,1"}, R"("effort_emmanchement":81939,)"},
        // p_req = 40 000/(0.12 π 50 · 40) = 53.0516, U_req = 53.0516 · 2.66667 · 50/210 + 3.2 = 36.8836;
        // U_perm = (0.75 · 235/√3) · 2.66667 · 50/210 + 3.2 = 67.8082
        Option{"Torque",
               {"--torque", "1000"},
               R"("charge":{"U_requis":36.8836,"U_admissible":67.8082,"tient":true,"elastique":false})"},
        // p_req = 50 000/(0.12 π 2000) = 66.3146: U_req = 45.3045 > 45
        Option{"Axial", {"--axial", "50000"}, R"("U_requis":45.3045,"U_admissible":67.8082,"tient":false)"},
        Option{"ApplicationFactor", {"--torque", "1000", "--ka", "2"}, R"("U_requis":70.5672,)"},
        Option{"SlipSafety", {"--torque", "1000", "--slip-safety", "2"}, R"("U_requis":70.5672,)"},
        // U_perm = 101.758/2 · 2.66667 · 50/210 + 3.2 = 35.5041
        Option{"YieldSafety", {"--torque", "100", "--yield-safety", "2"}, R"("U_requis":6.56836,"U_admissible":35.5041)"},
        // ΔS = 50 · 11e-6 · 60 = 33 µm
        Option{"HubTemperature", {"--temp-hub", "80"}, R"("perte_thermique":33,"perte_centrifuge":0,"Z":{"min":8.8,"max":49.8})"},
        Option{"ShaftTemperature", {"--temp-shaft", "80"}, R"("perte_thermique":-33,)"},
        // ΔU_ω = 2 (2.00319e-4 − 1.00880e-5) mm; n_ab = 3000 √(41.8/0.380464)
        Option{"Speed", {"--speed", "3000"}, R"("perte_centrifuge":0.380464,)"},
        Option{"SpeedLoose", {"--speed", "3000"}, R"("desserre":false,"vitesse_decollement":31445.1})"},
        // e = 0.136/50; hub 20 + (0.00272 − 8.5e-6 · 170)/11e-6
        Option{"CooledShaft", {"--cool-shaft", "-150"}, R"("moyeu_arbre_refroidi":135.909})"}),
    [](const testing::TestParamInfo<Option> &i) { return i.param.nom; });

// The JSON object holds exactly the documented keys, in that order.
TEST(FitFrettage, JsonKeysExactly)
{
    const Sortie r = lancer(Base);
    ASSERT_EQ(r.code, 0) << r.err;
    std::vector<std::string> cles;
    // Every "name": of the text, in order (the values are numbers, null or
    // booleans, never texts, so a quoted word followed by ':' is a key).
    for (std::size_t i = r.out.find('"'); i != std::string::npos; i = r.out.find('"', i + 1)) {
        const std::size_t fin = r.out.find('"', i + 1);
        if (fin == std::string::npos)
            break;
        if (fin + 1 < r.out.size() && r.out[fin + 1] == ':')
            cles.push_back(r.out.substr(i + 1, fin - i - 1));
        i = fin;
    }
    const std::vector<std::string> attendues{
        "D_F", "Q_A", "Q_I", "K", "lissage", "U", "min", "max", "Z", "min", "max", "p", "min", "max", "couple",
        "effort_axial", "moyeu", "sigma_t_alesage", "sigma_t_exterieur", "sigma_v", "p_plastification",
        "p_plastique_total", "securite", "arbre", "sigma_t_surface", "sigma_t_alesage", "sigma_v", "p_plastification",
        "securite", "effort_emmanchement", "temperature_montage", "moyeu", "arbre", "moyeu_arbre_refroidi", "service",
        "perte_thermique", "perte_centrifuge", "Z", "min", "max", "p", "min", "max", "couple", "desserre",
        "vitesse_decollement", "charge", "U_requis", "U_admissible", "tient", "elastique"};
    EXPECT_EQ(cles, attendues);
    // What does not apply is null: no load, no cooling, no speed, a solid
    // shaft's bore; a 50 mm steel shaft cannot be cooled enough alone.
    EXPECT_NE(r.out.find(R"("sigma_t_alesage":null)"), std::string::npos);
    EXPECT_NE(r.out.find(R"("arbre":null,"moyeu_arbre_refroidi":null)"), std::string::npos);
    EXPECT_NE(r.out.find(R"("vitesse_decollement":null)"), std::string::npos);
    EXPECT_NE(r.out.find(R"("U_requis":null,"U_admissible":null,"tient":null,"elastique":null)"), std::string::npos);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);
}

TEST(FitFrettage, ReadableLinesWithVerdicts)
{
    std::vector<std::string> args(Base.begin(), Base.end() - 1);
    const Sortie r = lancer(avec(args, {"--axial", "50000", "--temp-hub", "80"}));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with("assemblage D_F=50 Q_A=0.5 Q_I=0 K=2.66667\n"
                                  "lissage k=0.4 (DIN 7190-1:2017) dU=3.2 um\n"
                                  "serrage U min=45 max=86 um\n"))
        << r.out;
    // The hub yields at 130.41 MPa (p_PA = 101.758); 33 µm lost when warm.
    EXPECT_TRUE(r.out.ends_with("verdict glisse, plastification du moyeu\n")) << r.out;
    EXPECT_NE(r.out.find("pression p min=65.835 max=130.41 MPa\n"), std::string::npos);
}

// --free computes what "Libre" shows: bore 40 +0/−0.01, shaft 40.03 +0.006/0.
TEST(FitFrettage, FreeFitAloneAndAsJson)
{
    const std::vector<std::string> libre{"--free", "40", "0", "-0.01", "40.03", "0.006", "0"};
    const Sortie lignes = lancer(libre);
    ASSERT_EQ(lignes.code, 0) << lignes.err;
    EXPECT_EQ(lignes.out, "alesage dia=40 ES=0 EI=-0.01 max=40 min=39.99\n"
                          "arbre dia=40.03 es=0.006 ei=0 max=40.036 min=40.03\n"
                          "jeu max=-0.0300 min=-0.0460\n"
                          "nature serrage\n");
    const Sortie json = lancer(avec(libre, {"--json"}));
    EXPECT_EQ(json.out, R"({"alesage":{"diametre":40,"ES":0,"EI":-0.01,"max":40,"min":39.99},)"
                        R"("arbre":{"diametre":40.03,"es":0.006,"ei":0,"max":40.036,"min":40.03},)"
                        R"("jeu":{"max":-0.0300,"min":-0.0460},"nature":"serrage"})"
                        "\n");
    // A press fit of the free fit: D_F is the bore size, U = 30 … 46 µm.
    const Sortie serre = lancer(avec(libre, {"--press", "--hub-od", "80", "--length", "20", "--json"}));
    ASSERT_EQ(serre.code, 0) << serre.err;
    EXPECT_TRUE(serre.out.starts_with(R"({"D_F":40,"Q_A":0.5,)")) << serre.out;
    EXPECT_NE(serre.out.find(R"("U":{"min":30,"max":46})"), std::string::npos) << serre.out;
}

// Each material of --materials, given back to --hub by its values, gives
// the same results as by its key.
TEST(FitFrettage, MaterialsListedWithValuesThatReadBack)
{
    const Sortie liste = lancer({"--materials"});
    ASSERT_EQ(liste.code, 0) << liste.err;
    std::istringstream lignes(liste.out);
    std::size_t n = 0;
    for (std::string ligne; std::getline(lignes, ligne); ++n) {
        ASSERT_LT(n, materiaux().size());
        const Materiau &m = materiaux()[n];
        std::vector<std::string> champs;
        std::istringstream l(ligne);
        for (std::string c; std::getline(l, c, '\t');)
            champs.push_back(c);
        ASSERT_EQ(champs.size(), 4u) << ligne;
        EXPECT_EQ(champs[0], m.cle);
        EXPECT_EQ(champs[1], m.nom);
        EXPECT_EQ(champs[3], m.source);
        std::vector<std::string> args(Base.begin(), Base.end());
        const Sortie parCle = lancer(avec(args, {"--hub", std::string(m.cle), "--speed", "3000"}));
        const Sortie parValeurs = lancer(avec(args, {"--hub", champs[2], "--speed", "3000"}));
        ASSERT_EQ(parCle.code, 0) << parCle.err;
        EXPECT_EQ(parValeurs.out, parCle.out) << champs[2];
    }
    EXPECT_EQ(n, materiaux().size());
    const Sortie json = lancer({"--materials", "--json"});
    EXPECT_TRUE(json.out.starts_with(R"({"materiaux":[{"cle":"acier","nom":"Acier de construction S235","E":210000,)"))
        << json.out;
}

TEST(FitFrettage, HelpTellsThePressFit)
{
    const Sortie r = lancer({"--help"});
    for (const char *mot : {"--press", "--free", "--materials", "--hub-od", "--cool-shaft", "--yield-safety"})
        EXPECT_NE(r.out.find(mot), std::string::npos) << mot;
}

// Bad input: exit status 2, one line on stderr, nothing on stdout.
struct Mauvaise {
    const char *nom;
    std::vector<std::string> args;
    std::string message;
};

void PrintTo(const Mauvaise &m, std::ostream *os) { *os << m.nom; }

class MauvaisesEntrees : public testing::TestWithParam<Mauvaise> {};

TEST_P(MauvaisesEntrees, ExitTwoOneLine)
{
    const Sortie r = lancer(GetParam().args);
    EXPECT_EQ(r.code, SortieMauvaiseEntree);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
}

const std::vector<std::string> Serre{"50", "H7", "u6", "--press", "--hub-od", "100", "--length", "40"};

INSTANTIATE_TEST_SUITE_P(
    Frettage, MauvaisesEntrees,
    testing::Values(
        Mauvaise{"NoHubDiameter", {"50", "H7", "u6", "--press", "--length", "40"}, "--press needs --hub-od"},
        Mauvaise{"NoLength", {"50", "H7", "u6", "--press", "--hub-od", "100"}, "--press needs --length"},
        Mauvaise{"ClearanceFit", {"25", "H7", "g6", "--press", "--hub-od", "50", "--length", "20"},
                 "not an interference fit"},
        Mauvaise{"OptionTwice", avec(Serre, {"--hub-od", "50"}), "--hub-od is given twice"},
        Mauvaise{"HubNoWiderThanJoint", {"50", "H7", "u6", "--press", "--hub-od", "50", "--length", "40"},
                 "--hub-od must exceed"},
        Mauvaise{"ZeroLength", {"50", "H7", "u6", "--press", "--hub-od", "80", "--length", "0"}, "--length must"},
        Mauvaise{"UnknownMaterial", avec(Serre, {"--hub", "acier-inconnu"}), "unknown material"},
        Mauvaise{"MaterialWithoutRe", avec(Serre, {"--shaft", "E=210000,nu=0.3"}), "Re= is missing"},
        Mauvaise{"MaterialUnknownField", avec(Serre, {"--shaft", "E=1,nu=0.3,Re=1,G=2"}), "is not one of"},
        Mauvaise{"PoissonHalf", avec(Serre, {"--hub", "E=210000,nu=0.5,Re=235"}), "--hub: nu must"},
        Mauvaise{"ZeroModulus", avec(Serre, {"--shaft", "E=0,nu=0.3,Re=235"}), "--shaft: E must"},
        Mauvaise{"Smoothing", avec(Serre, {"--smoothing", "0.5"}), "neither 0.4 nor 0.8"},
        Mauvaise{"RoughnessOneValue", avec(Serre, {"--rz", "4"}), "HUB,SHAFT"},
        Mauvaise{"NotANumber", avec(Serre, {"--friction", "nan"}), "is not a number"},
        Mauvaise{"Infinite", avec(Serre, {"--speed", "1e999"}), "is not a number"},
        Mauvaise{"FactorWithoutLoad", avec(Serre, {"--ka", "1.5"}), "--ka goes with a load"},
        Mauvaise{"NegativeTorque", avec(Serre, {"--torque", "-5"}), "cannot be negative"},
        Mauvaise{"BelowAbsoluteZero", avec(Serre, {"--temp-hub", "-300"}), "absolute zero"},
        Mauvaise{"CoolingTooWarm", avec(Serre, {"--cool-shaft", "30"}), "--cool-shaft must"},
        Mauvaise{"NoValue", avec(Serre, {"--speed"}), "--speed needs a value"},
        Mauvaise{"OptionWithoutPress", {"50", "H7", "u6", "--hub-od", "100"}, "--hub-od goes with --press"},
        Mauvaise{"PressWithoutFit", {"--press", "--hub-od", "100", "--length", "40"}, "--press needs a fit"},
        Mauvaise{"FreeShort", {"--free", "40", "0", "-0.01", "40.03", "0.006"}, "--free needs six values"},
        Mauvaise{"FreeZeroSize", {"--free", "0", "0", "-0.01", "40.03", "0.006", "0"}, "is not a size"},
        Mauvaise{"FreeBadDeviation", {"--free", "40", "x", "-0.01", "40.03", "0.006", "0"}, "is not a deviation"},
        Mauvaise{"FreeAndClasses", {"50", "--free", "40", "0", "-0.01", "40.03", "0.006", "0"}, "extra argument"},
        Mauvaise{"MaterialsWithMore", {"--materials", "25"}, "--materials takes no other argument"},
        Mauvaise{"UnknownOption", avec(Serre, {"--drawing"}), "unknown option"},
        Mauvaise{"BadClass", {"50", "H7", "U6", "--press", "--hub-od", "100", "--length", "40"}, "not a shaft class"}),
    [](const testing::TestParamInfo<Mauvaise> &i) { return i.param.nom; });

} // namespace
