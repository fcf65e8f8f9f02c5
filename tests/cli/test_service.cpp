// vestrel-fit --service, --probable and --find … --service.
#include "lancer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

using namespace vestrel;

namespace {

const std::vector<std::string> AluFroid{"--service", "--bore-material", "alu-6082", "--bore-temp", "-40",
                                        "--shaft-temp", "-40"};

TEST(FitService, ClearanceFitTurnsTransitionInTheCold)
{
    // H7/g6 at 25 mm, aluminium housing on a steel shaft, both at −40 °C:
    // ΔS = 25 · (23e-6 − 11e-6) · (−60) = −0.018 mm; 0.041 and 0.007 become
    // 0.023 and −0.011.
    const Sortie s = lancer(avec({"25", "H7", "g6"}, AluFroid));
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, "alesage H7 ES=0.021 EI=0 max=25.021 min=25\n"
                     "arbre g6 es=-0.007 ei=-0.02 max=24.993 min=24.98\n"
                     "jeu max=0.0410 min=0.0070\n"
                     "nature jeu\n"
                     "service delta=-0.018 max=0.0230 min=-0.0110 nature incertain\n");
    // Options in any order, materials as values.
    const Sortie v = lancer({"--shaft-temp", "-40", "--service", "25", "--bore-material",
                             "E=70000,nu=0.33,Re=250,alpha=23e-6", "H7", "--bore-temp", "-40", "g6"});
    EXPECT_EQ(v.out, s.out) << v.err;
}

TEST(FitService, JsonKeys)
{
    // The probable clearance in service: μ = (0.041 + 0.007)/2 − 0.018 =
    // 0.006, σ = √(21² + 13²)/6 µm = 4.1164 µm, k = 2: 0.006 ∓ 0.0082327.
    const Sortie s = lancer(avec({"25", "H7", "g6", "--json", "--probable", "2"}, AluFroid));
    ASSERT_EQ(s.code, 0) << s.err;
    const std::string debut = "{\"diametre\":25,";
    const std::string suite = "\"jeu\":{\"max\":0.0410,\"min\":0.0070},\"nature\":\"jeu\","
                              "\"service\":{\"delta\":-0.018,\"jeu\":{\"max\":0.0230,\"min\":-0.0110},"
                              "\"nature\":\"incertain\"},\"probable\":{\"moyen\":0.006,\"sigma\":0.00411636";
    EXPECT_EQ(s.out.rfind(debut, 0), 0u) << s.out;
    EXPECT_NE(s.out.find(suite), std::string::npos) << s.out;
    for (const char *cle : {"\"min\":-0.0022327", "\"max\":0.0142327", "\"part_serrage\":0.07247",
                            "\"part_jeu\":0.92752"})
        EXPECT_NE(s.out.find(cle), std::string::npos) << cle << ' ' << s.out;
    EXPECT_TRUE(s.out.ends_with("}}\n")) << s.out;
}

TEST(FitService, ProbableTextAndDefaultK)
{
    // H7/k6 at 50 mm: μ = 2.5 µm, σ = √881/6 = 4.9469 µm, μ ± 3σ = −12.34 …
    // 17.34 µm, Φ(−0.50536) = 30.7 % with interference.
    const Sortie s = lancer({"50", "H7", "k6", "--probable"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_TRUE(s.out.ends_with("nature incertain\n"
                                "probable moyen=0.0025 sigma=0.0049 min=-0.0123 max=0.0173 serrage=30.7% jeu=69.3%\n"))
        << s.out;
    EXPECT_EQ(lancer({"50", "H7", "k6", "--probable", "3"}).out, s.out);
    // K = 1: 2.5 ∓ 4.9469 µm.
    EXPECT_NE(lancer({"50", "H7", "k6", "--probable", "1"}).out.find("min=-0.0024 max=0.0074 "), std::string::npos);
    // A clearance fit never interferes, to the printed decimal.
    EXPECT_NE(lancer({"25", "H7", "f7", "--probable"}).out.find(" serrage=0.0% jeu=100.0%\n"), std::string::npos);
}

TEST(FitService, EqualMaterialsChangeNothing)
{
    for (const char *t : {"-273.15", "-40", "150"}) {
        const Sortie s = lancer({"50", "H7", "h6", "--service", "--bore-material", "inox", "--shaft-material", "inox",
                                 "--bore-temp", t, "--shaft-temp", t});
        ASSERT_EQ(s.code, 0) << s.err;
        EXPECT_TRUE(s.out.ends_with("jeu max=0.0410 min=0.0000\nnature jeu\n"
                                    "service delta=0 max=0.0410 min=0.0000 nature jeu\n"))
            << t << '\n' << s.out;
    }
}

TEST(FitService, FindSearchesTheShiftedRange)
{
    // Wanted 0 … 0.06 in service with ΔS = −0.018: the fits at 20 °C in
    // 0.018 … 0.078, searched by hand below.
    const Sortie service = lancer(avec({"--find", "25", "0:0.06", "--basis", "hole"}, AluFroid));
    const Sortie main = lancer({"--find", "25", "0.018:0.078", "--basis", "hole"});
    ASSERT_EQ(service.code, 0) << service.err;
    ASSERT_EQ(main.code, 0) << main.err;
    std::istringstream a(service.out), b(main.out);
    int n = 0;
    for (std::string la, lb; std::getline(a, la);) {
        ASSERT_TRUE(std::getline(b, lb));
        // Same fits in the same order, each with its clearances in service.
        const std::size_t fin = la.find(" service ");
        ASSERT_NE(fin, std::string::npos) << la;
        EXPECT_EQ(la.substr(0, fin), lb);
        ++n;
    }
    EXPECT_GT(n, 0);
    // Each fit's clearances in service lie in the wanted range.
    std::istringstream c(service.out);
    for (std::string l; std::getline(c, l);) {
        const std::size_t p = l.find(" service max=");
        const double max = std::stod(l.substr(p + 13)), min = std::stod(l.substr(l.find(" min=", p) + 5));
        EXPECT_GE(min, 0) << l;
        EXPECT_LE(max, 0.06) << l;
    }
    const Sortie json = lancer(avec({"--find", "25", "0:0.06", "--basis", "hole", "--json"}, AluFroid));
    EXPECT_NE(json.out.find("\"service\":{\"delta\":-0.018}"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find(",\"service\":{\"max\":"), std::string::npos) << json.out;
}

TEST(FitService, FreeFitTakesTheSameOptions)
{
    // H7/g6 at 25 mm typed by hand: the same lines in service and the same
    // probable clearance as the classes give.
    const std::vector<std::string> libre{"--free", "25", "0.021", "0", "25", "-0.007", "-0.02"};
    for (const std::vector<std::string> &options :
         {avec(AluFroid, {"--probable", "2"}), avec(AluFroid, {"--json"}), std::vector<std::string>{"--probable"}}) {
        const Sortie classes = lancer(avec({"25", "H7", "g6"}, options));
        const Sortie main = lancer(avec(libre, options));
        ASSERT_EQ(main.code, 0) << main.err;
        const std::string cle = options.back() == "--json" ? ",\"service\":" : "\nservice ";
        const std::string fin = options.front() == "--probable" ? "\nprobable " : cle;
        ASSERT_NE(classes.out.find(fin), std::string::npos) << classes.out;
        EXPECT_EQ(main.out.substr(main.out.find(fin)), classes.out.substr(classes.out.find(fin))) << main.out;
    }
    // ΔS is taken on the bore size: bore 40 +0/−0.01 in aluminium at 80 °C,
    // shaft 40.03 +0.006/0 in steel at 20 °C, ΔS = 40 · 23e-6 · 60 = 0.0552;
    // −0.030 and −0.046 become 0.0252 and 0.0092.
    const Sortie chaud = lancer({"--free", "40", "0", "-0.01", "40.03", "0.006", "0", "--service", "--bore-material",
                                 "alu-6082", "--bore-temp", "80"});
    ASSERT_EQ(chaud.code, 0) << chaud.err;
    EXPECT_TRUE(chaud.out.ends_with("jeu max=-0.0300 min=-0.0460\nnature serrage\n"
                                    "service delta=0.0552 max=0.0252 min=0.0092 nature jeu\n"))
        << chaud.out;
    // Each press fit has its own service temperatures; a condition needs
    // --service; the materials list takes none of these.
    const std::vector<std::string> serre{"--free", "40", "0", "-0.01", "40.03", "0.006", "0",
                                         "--press", "--hub-od", "80", "--length", "40"};
    for (const std::vector<std::string> &mauvais :
         {avec(serre, {"--service"}), avec(serre, {"--probable"}), avec(serre, {"--bore-temp", "80"}),
          avec(libre, {"--bore-temp", "80"}), avec(libre, {"--probable", "0"}),
          avec(libre, {"--service", "--shaft-material", "unobtainium"}), {"--materials", "--service"}}) {
        const Sortie s = lancer(mauvais);
        EXPECT_EQ(s.code, 2) << mauvais.back();
        EXPECT_TRUE(s.out.empty());
        EXPECT_EQ(std::count(s.err.begin(), s.err.end(), '\n'), 1) << s.err;
    }
}

TEST(FitService, HelpTellsTheOptions)
{
    const std::string aide = lancer({"--help"}).out;
    for (const char *o : {"--service", "--bore-material", "--bore-temp", "--shaft-material", "--shaft-temp",
                          "--probable [K]", "part_serrage"})
        EXPECT_NE(aide.find(o), std::string::npos) << o;
}

} // namespace
