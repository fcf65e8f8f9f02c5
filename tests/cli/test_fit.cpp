#include "lancer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace vestrel;

namespace {

int compter(const std::string &texte, char c) { return static_cast<int>(std::count(texte.begin(), texte.end(), c)); }

TEST(Fit, PrintsBothSidesClearancesAndKind)
{
    const Sortie s = lancer({"25", "H7", "g6"});
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.out, "alesage H7 ES=0.021 EI=0 max=25.021 min=25\n"
                     "arbre g6 es=-0.007 ei=-0.02 max=24.993 min=24.98\n"
                     "jeu max=0.0410 min=0.0070\n"
                     "nature jeu\n");
    EXPECT_EQ(s.err, "");
}

TEST(Fit, DiameterWithADecimalComma)
{
    // A French user writes 12,5: the same fit as 12.5, not 125 nor 12.
    const Sortie virgule = lancer({"12,5", "H7", "g6"});
    ASSERT_EQ(virgule.code, 0) << virgule.err;
    EXPECT_EQ(virgule.out, lancer({"12.5", "H7", "g6"}).out);
    EXPECT_NE(virgule.out.find("max=12.518 min=12.5\n"), std::string::npos) << virgule.out;
}

struct Nature_ {
    std::vector<std::string> args;
    std::string jeu;
    std::string nature;
};

void PrintTo(const Nature_ &n, std::ostream *os) { *os << n.args[0] << ' ' << n.args[1] << ' ' << n.args[2]; }

class Natures : public testing::TestWithParam<Nature_> {};

TEST_P(Natures, ClearancesFromTheShownSizes)
{
    const Sortie s = lancer(GetParam().args);
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_NE(s.out.find(GetParam().jeu + "\nnature " + GetParam().nature + "\n"), std::string::npos) << s.out;
}

INSTANTIATE_TEST_SUITE_P(
    Ajustements, Natures,
    testing::Values(Nature_{{"2", "H7", "f7"}, "jeu max=0.0260 min=0.0060", "jeu"},
                    Nature_{{"2", "H7", "h6"}, "jeu max=0.0160 min=0.0000", "jeu"},
                    Nature_{{"2", "H7", "s6"}, "jeu max=-0.0040 min=-0.0200", "serrage"},
                    Nature_{{"2", "H7", "k6"}, "jeu max=0.0100 min=-0.0060", "incertain"},
                    Nature_{{"500", "E11*", "e11*"}, "jeu max=1.0700 min=0.2700", "jeu"},
                    Nature_{{"12", "JS9", "js8"}, "jeu max=0.0350 min=-0.0350", "incertain"}));

TEST(Fit, JsonCarriesTheSameTexts)
{
    const Sortie s = lancer({"25", "H7", "g6", "--json"});
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.out, "{\"diametre\":25,\"alesage\":{\"classe\":\"H7\",\"ES\":0.021,\"EI\":0,\"max\":25.021,\"min\":25},"
                     "\"arbre\":{\"classe\":\"g6\",\"es\":-0.007,\"ei\":-0.02,\"max\":24.993,\"min\":24.98},"
                     "\"jeu\":{\"max\":0.0410,\"min\":0.0070},\"nature\":\"jeu\"}\n");
    EXPECT_NE(lancer({"--json", "12.5", "JS9", "js8"}).out.find("\"ES\":0.0215,\"EI\":-0.0215,\"max\":12.5215"),
              std::string::npos);
}

TEST(Fit, DrawingNotationWithAPoint)
{
    const Sortie s = lancer({"25", "H7", "g6", "--drawing"});
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.err, "");
    EXPECT_EQ(s.out, "Ajustement \u220525 H7/g6 : avec jeu\n"
                     "Alésage \u220525 H7 : ES +0.021 ; EI 0 ; maxi 25.021 ; mini 25\n"
                     "Arbre \u220525 g6 : es \u22120.007 ; ei \u22120.020 ; maxi 24.993 ; mini 24.98\n"
                     "Jeu maxi 0.0410 ; jeu mini 0.0070 ; jeu moyen 0.0240\n");
    // The option may stand anywhere, and the starred classes keep their star.
    const Sortie e = lancer({"--drawing", "500", "E11*", "e11*"});
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(e.out.rfind("Ajustement \u2205500 E11*/e11* : avec jeu\n", 0), 0u) << e.out;
}

TEST(Fit, SvgIsTheDiagramOfTheFit)
{
    const Sortie s = lancer({"25", "H7", "s6", "--svg"});
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.err, "");
    EXPECT_EQ(s.out.rfind("<?xml", 0), 0u);
    EXPECT_TRUE(s.out.ends_with("</svg>\n"));
    EXPECT_NE(s.out.find("width=\"560\" height=\"400\""), std::string::npos);
    for (const char *t : {">Ajustement avec serrage</text>", ">+48</text>", ">+35</text>", ">H7</text>", ">s6</text>",
                          ">\u221214 \u00B5m</text>", "fill=\"#ff0000\""})
        EXPECT_NE(s.out.find(t), std::string::npos) << t;
    // "." whatever the locale: no comma in any number.
    EXPECT_EQ(lancer({"12.5", "JS9", "js9", "--svg"}).out.find("21,5"), std::string::npos);
}

TEST(Fit, TableListsEveryCellInMicrometres)
{
    const Sortie s = lancer({"--table"});
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(compter(s.out, '\n'), 5220);
    EXPECT_EQ(s.out.rfind("kind,class,lo,hi,upper_um,lower_um\nbore,A9,1,3,295,270\n", 0), 0u);
    for (const char *ligne : {"\nbore,JS9,1,3,12.5,-12.5\n", "\nbore,M6,250,280,-9,-41\n", "\nbore,E11*,180,200,390,100\n",
                              "\nshaft,js17,6,10,750,-750\n", "\nshaft,js9,1,3,12.5,-12.5\n",
                              "\nshaft,zc11,450,500,3000,2600\n"})
        EXPECT_NE(s.out.find(ligne), std::string::npos) << ligne;
    EXPECT_EQ(s.out.find('+'), std::string::npos);
    EXPECT_EQ(s.out.find("-0.5"), std::string::npos);
    EXPECT_TRUE(s.out.ends_with("\nshaft,zc11,450,500,3000,2600\n"));
}

TEST(Fit, OfferedListsCountFromZeroPerSide)
{
    const Sortie s = lancer({"--offered", "2"});
    EXPECT_EQ(s.code, 0);
    EXPECT_NE(s.out.find("\nbore,36,H7\n"), std::string::npos);
    EXPECT_NE(s.out.find("\nshaft,29,f7\n"), std::string::npos);
    EXPECT_EQ(s.out.rfind("bore,0,A9\n", 0), 0u);
    EXPECT_NE(s.out.find("\nbore,93,ZC11\nshaft,0,a9\n"), std::string::npos);
    EXPECT_TRUE(s.out.ends_with("\nshaft,99,zc11\n"));
    EXPECT_EQ(compter(lancer({"--offered", "500"}).out, '\n'), 100 + 101);
}

TEST(Fit, HelpAndVersion)
{
    const Sortie aide = lancer({"--help"});
    EXPECT_EQ(aide.code, 0);
    EXPECT_NE(aide.out.find("kind,class,lo,hi,upper_um,lower_um"), std::string::npos);
    EXPECT_NE(aide.out.find("--drawing"), std::string::npos);
    EXPECT_NE(aide.out.find("--svg"), std::string::npos);
    EXPECT_EQ(lancer({"--version"}).out, "1.1\n");
}

std::vector<std::string> lignes(const std::string &texte)
{
    std::vector<std::string> r;
    std::istringstream in(texte);
    for (std::string l; std::getline(in, l);)
        r.push_back(l);
    return r;
}

TEST(Fit, FindPrintsTheMatchingFitsInOrder)
{
    const Sortie s = lancer({"--find", "25", "0.005:0.045", "--basis", "hole"});
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.out, "H7/g6 max=0.0410 min=0.0070 nature jeu\n"
                     "H7/g5 max=0.0370 min=0.0070 nature jeu\n"
                     "H6/g6 max=0.0330 min=0.0070 nature jeu\n"
                     "H6/g5 max=0.0290 min=0.0070 nature jeu\n");
    EXPECT_EQ(s.err, "");
    // Options in any order, and the decimal comma of the diameter also in
    // the range.
    EXPECT_EQ(lancer({"--basis", "hole", "--find", "25", "0,005:0,045"}).out, s.out);
    // Shaft basis, recommended only: G7/h6, the twin of H7/g6.
    EXPECT_EQ(lancer({"--find", "25", "0.005:0.045", "--basis", "shaft", "--preferred"}).out,
              "G7/h6 max=0.0410 min=0.0070 nature jeu\n");
}

// Every line of --find shows the clearances of the four-line output of the
// same fit, which are those of the window.
TEST(Fit, FindAgreesWithTheFitItself)
{
    for (const char *d : {"25", "12,5", "3", "250.5", "500"}) {
        const Sortie s = lancer({"--find", d, "-0.05:0.2", "--basis", "any"});
        ASSERT_EQ(s.code, 0) << d;
        const auto l = lignes(s.out);
        ASSERT_GT(l.size(), 50u) << d;
        for (const std::string &ligne : l) {
            const std::size_t barre = ligne.find('/'), blanc = ligne.find(' ');
            const Sortie f = lancer({d, ligne.substr(0, barre), ligne.substr(barre + 1, blanc - barre - 1)});
            ASSERT_EQ(f.code, 0) << ligne;
            const auto quatre = lignes(f.out);
            EXPECT_EQ(ligne.substr(blanc), quatre[2].substr(3) + " " + quatre[3]) << d;
        }
    }
}

TEST(Fit, FindShowsTheNearestWhenNothingMatches)
{
    const Sortie s = lancer({"--find", "25", "5:6"});
    EXPECT_EQ(s.code, 1);
    EXPECT_EQ(s.err, "");
    const auto l = lignes(s.out);
    ASSERT_EQ(l.size(), 10u);
    for (const std::string &ligne : l)
        EXPECT_TRUE(ligne.ends_with(" nature jeu proche")) << ligne;
    // A point range holds no fit either.
    EXPECT_EQ(lancer({"--find", "25", "0.01:0.01", "--preferred"}).code, 1);
}

TEST(Fit, FindAsJson)
{
    const Sortie s = lancer({"--find", "25", "0.005:0.045", "--preferred", "--json"});
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.out, "{\"diametre\":25,\"jeu\":{\"mini\":0.005,\"maxi\":0.045},\"base\":\"any\","
                     "\"recommandes\":true,\"proches\":false,\"ajustements\":["
                     "{\"alesage\":\"G7\",\"arbre\":\"h6\",\"max\":0.0410,\"min\":0.0070,\"moyen\":0.0240,"
                     "\"nature\":\"jeu\",\"qualites\":13,\"recommande\":true},"
                     "{\"alesage\":\"H7\",\"arbre\":\"g6\",\"max\":0.0410,\"min\":0.0070,\"moyen\":0.0240,"
                     "\"nature\":\"jeu\",\"qualites\":13,\"recommande\":true}]}\n");
    const Sortie p = lancer({"--find", "25", "-1:-0.9", "--json", "--basis", "hole"});
    EXPECT_EQ(p.code, 1);
    EXPECT_NE(p.out.find("\"proches\":true"), std::string::npos);
    EXPECT_NE(p.out.find("\"ecart\":"), std::string::npos);
}

TEST(Fit, PreferredListsTheTwentyFitsWithTheirClearances)
{
    const Sortie s = lancer({"--preferred", "25"});
    EXPECT_EQ(s.code, 0);
    const auto l = lignes(s.out);
    ASSERT_EQ(l.size(), 20u);
    EXPECT_EQ(l[0], "H11/c11 max=0.3700 min=0.1100 nature jeu basis=hole jeu libre large");
    EXPECT_EQ(l[5], "H7/k6 max=0.0190 min=-0.0150 nature incertain basis=hole incertain, positionnement");
    EXPECT_EQ(l[9], "H7/u6 max=-0.0270 min=-0.0610 nature serrage basis=hole serré fort");
    EXPECT_EQ(l[15], "K7/h6 max=0.0190 min=-0.0150 nature incertain basis=shaft incertain, positionnement");
    for (std::size_t i = 0; i < 10; ++i) {
        // A shaft-basis fit has the description of its hole-basis twin.
        const auto description = [](const std::string &ligne) {
            return ligne.substr(ligne.find(' ', ligne.find("basis=")) + 1);
        };
        EXPECT_EQ(description(l[i]), description(l[i + 10])) << l[i];
    }
    const Sortie j = lancer({"--json", "--preferred", "2"});
    EXPECT_EQ(j.code, 0);
    EXPECT_EQ(j.out.rfind("{\"diametre\":2,\"recommandes\":[{\"alesage\":\"H11\",\"arbre\":\"c11\",\"base\":\"hole\","
                          "\"max\":0.1800,\"min\":0.0600,\"nature\":\"jeu\",\"description\":\"jeu libre large\"},",
                          0),
              0u)
        << j.out;
}

struct Arguments {
    std::vector<std::string> liste;
};

// Short printable test names, whatever bytes the arguments hold.
void PrintTo(const Arguments &a, std::ostream *os)
{
    for (const std::string &arg : a.liste) {
        *os << '[';
        for (char c : arg.substr(0, 12))
            *os << (c >= 0x21 && c < 0x7F ? c : '?');
        *os << (arg.size() > 12 ? "...]" : "]");
    }
}

class MauvaiseEntree : public testing::TestWithParam<Arguments> {};

// Bad input is refused with one line on stderr and nothing on stdout, never
// answered with a guess.
TEST_P(MauvaiseEntree, OneLineOnStderrNothingOnStdout)
{
    const Sortie s = lancer(GetParam().liste);
    EXPECT_EQ(s.code, 2);
    EXPECT_EQ(s.out, "");
    EXPECT_EQ(compter(s.err, '\n'), 1) << s.err;
    EXPECT_EQ(s.err.rfind("vestrel-fit: ", 0), 0u);
    EXPECT_LT(s.err.size(), 200u);
    for (char c : s.err)
        EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << s.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, MauvaiseEntree,
    testing::Values(Arguments{{}}, Arguments{{"25"}},
                    Arguments{{"25", "H7"}}, Arguments{{"25", "H7", "g6", "g6"}},
                    Arguments{{"1", "H7", "g6"}}, Arguments{{"500.01", "H7", "g6"}},
                    Arguments{{"0", "H7", "g6"}}, Arguments{{"-25", "H7", "g6"}},
                    Arguments{{"25abc", "H7", "g6"}}, Arguments{{"", "H7", "g6"}},
                    Arguments{{"nan", "H7", "g6"}}, Arguments{{"inf", "H7", "g6"}},
                    Arguments{{"1e400", "H7", "g6"}}, Arguments{{"2.5e1", "H7", "g6"}},
                    Arguments{{"25,4,1", "H7", "g6"}}, Arguments{{"12,5.3", "H7", "g6"}}, Arguments{{" 25", "H7", "g6"}},
                    Arguments{{"0x19", "H7", "g6"}}, Arguments{{"12.5.3", "H7", "g6"}},
                    Arguments{{".", "H7", "g6"}}, Arguments{{"2\xFF", "H7", "g6"}},
                    Arguments{{"\xEF\xBC\x92\xEF\xBC\x95", "H7", "g6"}},
                    Arguments{{std::string(100000, '9'), "H7", "g6"}},
                    Arguments{{"0." + std::string(1000, '0') + "1", "H7", "g6"}},
                    Arguments{{"25", "h7", "g6"}}, Arguments{{"25", "E11", "g6"}},
                    Arguments{{"25", "H7", "G6"}}, Arguments{{"25", "H7", "e10"}},
                    Arguments{{"25", "H7\n", "g6"}}, Arguments{{"25", "H\xC3\xA9" "7", "g6"}},
                    Arguments{{"25", std::string(5000, 'H'), "g6"}},
                    Arguments{{"110", "P9", "h6"}}, Arguments{{"20", "H7", "t6"}},
                    Arguments{{"--foo"}},
                    Arguments{{"-h"}}, Arguments{{"25", "H7", "g6", "--jsonn"}},
                    Arguments{{"--json"}}, Arguments{{"--json", "--json", "25", "H7", "g6"}},
                    Arguments{{"--table", "25"}}, Arguments{{"--table", "--json"}},
                    Arguments{{"--help", "--version"}}, Arguments{{"--offered"}},
                    Arguments{{"--offered", "600"}}, Arguments{{"--offered", "2", "3"}},
                    Arguments{{"--offered", "abc"}}, Arguments{{"25", "--offered"}},
                    Arguments{{"25", "H7", "g6", "--svg", "--svg"}}, Arguments{{"25", "H7", "g6", "--drawing", "--svg"}},
                    Arguments{{"25", "H7", "g6", "--json", "--drawing"}}, Arguments{{"--svg"}},
                    Arguments{{"--drawing", "25", "H7"}}, Arguments{{"--table", "--svg"}},
                    Arguments{{"--offered", "25", "--drawing"}}, Arguments{{"110", "P9", "h6", "--svg"}},
                    Arguments{{"20", "H7", "t6", "--drawing"}}, Arguments{{"0", "H7", "g6", "--svg"}},
                    Arguments{{"25", "h7", "g6", "--drawing"}}, Arguments{{"25", "H7", "g6", "--svgg"}}));

INSTANTIATE_TEST_SUITE_P(
    Recherche, MauvaiseEntree,
    testing::Values(Arguments{{"--find"}}, Arguments{{"--find", "25"}}, Arguments{{"--find", "25", "0:1", "x"}},
                    Arguments{{"--find", "600", "0:1"}}, Arguments{{"--find", "1", "0:1"}},
                    Arguments{{"--find", "25", "0.04:0.01"}}, Arguments{{"--find", "25", "-0.01:-0.02"}},
                    Arguments{{"--find", "25", "0.01"}}, Arguments{{"--find", "25", "0.01:"}},
                    Arguments{{"--find", "25", ":0.04"}}, Arguments{{"--find", "25", "0:0.01:0.02"}},
                    Arguments{{"--find", "25", "a:b"}}, Arguments{{"--find", "25", "1e-3:1"}},
                    Arguments{{"--find", "25", "0.01-0.04"}}, Arguments{{"--find", "25", "0..1:2"}},
                    Arguments{{"--find", "25", "0:" + std::string(5000, '9')}},
                    Arguments{{"--find", "25", "0:1", "--basis"}}, Arguments{{"--find", "25", "0:1", "--basis", "both"}},
                    Arguments{{"--find", "25", "0:1", "--basis", "HOLE"}},
                    Arguments{{"--find", "25", "0:1", "--basis", "hole", "--basis", "hole"}},
                    Arguments{{"--find", "--find", "25", "0:1"}}, Arguments{{"--find", "25", "0:1", "--table"}},
                    Arguments{{"--find", "25", "0:1", "--preferred", "--preferred"}},
                    Arguments{{"25", "H7", "g6", "--basis", "hole"}}, Arguments{{"--preferred"}},
                    Arguments{{"--preferred", "600"}}, Arguments{{"--preferred", "25", "x"}},
                    Arguments{{"--preferred", "25", "--basis", "hole"}}, Arguments{{"--preferred", "--offered", "25"}}));

INSTANTIATE_TEST_SUITE_P(
    Service, MauvaiseEntree,
    testing::Values(Arguments{{"25", "H7", "g6", "--probable", "0"}}, Arguments{{"25", "H7", "g6", "--probable", "-1"}},
                    Arguments{{"25", "H7", "g6", "--probable", "10.5"}}, Arguments{{"25", "H7", "g6", "--probable", "0,0"}},
                    Arguments{{"25", "H7", "g6", "--probable", "--probable"}},
                    Arguments{{"25", "H7", "g6", "--service", "--bore-temp", "-273.16"}},
                    Arguments{{"25", "H7", "g6", "--service", "--shaft-temp", "-300"}},
                    Arguments{{"25", "H7", "g6", "--service", "--shaft-temp", "3000.5"}},
                    Arguments{{"25", "H7", "g6", "--service", "--shaft-temp", std::string(400, '9')}},
                    Arguments{{"25", "H7", "g6", "--service", "--bore-temp", "hot"}},
                    Arguments{{"25", "H7", "g6", "--service", "--bore-temp", "1e3"}},
                    Arguments{{"25", "H7", "g6", "--service", "--bore-temp"}},
                    Arguments{{"25", "H7", "g6", "--service", "--bore-material", "unobtainium"}},
                    Arguments{{"25", "H7", "g6", "--service", "--bore-material", "Acier"}},
                    Arguments{{"25", "H7", "g6", "--service", "--shaft-material", "alpha=0.5"}},
                    Arguments{{"25", "H7", "g6", "--service", "--shaft-material", "alpha=nan"}},
                    Arguments{{"25", "H7", "g6", "--service", "--shaft-material", "alpha=,E=1"}},
                    Arguments{{"25", "H7", "g6", "--service", "--shaft-material", "beta=1"}},
                    Arguments{{"25", "H7", "g6", "--service", "--shaft-material"}},
                    Arguments{{"25", "H7", "g6", "--bore-temp", "80"}},
                    Arguments{{"25", "H7", "g6", "--shaft-material", "inox"}},
                    Arguments{{"25", "H7", "g6", "--service", "--service"}},
                    Arguments{{"25", "H7", "g6", "--service", "--drawing"}},
                    Arguments{{"25", "H7", "g6", "--probable", "--svg"}},
                    Arguments{{"--find", "25", "0:1", "--probable"}}, Arguments{{"--table", "--service"}},
                    Arguments{{"--preferred", "25", "--service"}}, Arguments{{"--offered", "25", "--probable"}},
                    Arguments{{"25", "H7", "--service"}}));

// Without --complete nothing changes; with it the whole system's range and
// classes, and still nothing guessed.
INSTANTIATE_TEST_SUITE_P(
    Complet, MauvaiseEntree,
    testing::Values(Arguments{{"600", "H7", "g6"}}, Arguments{{"25", "H01", "h6"}}, Arguments{{"2", "CD7", "h6"}},
                    Arguments{{"0.5", "H7", "g6"}}, Arguments{{"--offered", "600"}}, Arguments{{"--find", "600", "0:1"}},
                    Arguments{{"3150.01", "H7", "g6", "--complete"}}, Arguments{{"0", "H7", "g6", "--complete"}},
                    Arguments{{"600", "H01", "h6", "--complete"}}, Arguments{{"600", "H7", "a11", "--complete"}},
                    Arguments{{"12", "CD7", "h6", "--complete"}}, Arguments{{"5", "K9", "h6", "--complete"}},
                    Arguments{{"25", "E11", "h6", "--complete"}}, Arguments{{"25", "H07", "h6", "--complete"}},
                    Arguments{{"25", "H7", "g6", "--complete", "--complete"}},
                    Arguments{{"--preferred", "25", "--complete"}}, Arguments{{"--help", "--complete"}},
                    Arguments{{"--version", "--complete"}}, Arguments{{"--offered", "3151", "--complete"}},
                    Arguments{{"--offered", "25", "26", "--complete"}}, Arguments{{"--find", "3200", "0:1", "--complete"}}));

struct CasComplet {
    std::vector<std::string> args;
    std::string debut; // the output starts with it
};

class Complet : public testing::TestWithParam<CasComplet> {};

TEST_P(Complet, WholeSystemInEveryForm)
{
    const Sortie s = lancer(GetParam().args);
    EXPECT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.err, "");
    EXPECT_EQ(s.out.substr(0, GetParam().debut.size()), GetParam().debut);
}

// Worked by hand: H7 at 600 mm is +70/0 (IT7 500-630), g6 -22/-22-44, so
// the clearance runs 0.022 .. 0.136; H01 at 25 mm +0.6/0, h0 0/-1; JS01 at
// 2 mm +-0.15 with h01 0/-0.3: max 0.15 + 0.3 = 0.45 um, shown 0.0005 (the
// 15-digit text rounded half away), min -0.15 um, shown -0.0002; CD7 at 5 mm
// +46 .. +58.
INSTANTIATE_TEST_SUITE_P(
    Formes, Complet,
    testing::Values(CasComplet{{"600", "H7", "g6", "--complete"},
                               "alesage H7 ES=0.07 EI=0 max=600.07 min=600\n"
                               "arbre g6 es=-0.022 ei=-0.066 max=599.978 min=599.934\n"
                               "jeu max=0.1360 min=0.0220\nnature jeu\n"},
                    CasComplet{{"--complete", "25", "H01", "h0"},
                               "alesage H01 ES=0.0006 EI=0 max=25.0006 min=25\n"
                               "arbre h0 es=0 ei=-0.001 max=25 min=24.999\n"},
                    CasComplet{{"5", "CD7", "h6", "--complete", "--json"},
                               "{\"diametre\":5,\"alesage\":{\"classe\":\"CD7\",\"ES\":0.058,\"EI\":0.046,"},
                    CasComplet{{"600", "E11*", "h11", "--complete", "--drawing"}, "Ajustement ∅600 E11*/h11 : avec jeu\n"},
                    CasComplet{{"3150", "H7", "g6", "--complete", "--svg"}, "<?xml"},
                    CasComplet{{"--offered", "600", "--complete"}, "bore,0,D1\nbore,1,D2\n"},
                    CasComplet{{"--complete", "--offered", "0.5"}, "bore,0,C01\nbore,1,C0\n"},
                    CasComplet{{"--find", "600", "0.022:0.136", "--basis", "hole", "--complete"}, "H7/g6 max=0.1360"},
                    CasComplet{{"--table", "--complete"}, "kind,class,lo,hi,upper_um,lower_um\nbore,A01,1,3,270.3,270\n"},
                    CasComplet{{"2", "JS01", "h01", "--complete"},
                               "alesage JS01 ES=0.00015 EI=-0.00015 max=2.00015 min=1.99985\n"
                               "arbre h01 es=0 ei=-0.0003 max=2 min=1.9997\n"
                               "jeu max=0.0005 min=-0.0002\nnature incertain\n"}));

// Every cell of the whole system is written once: the first step as 0,3
// (1,3 where the class starts above 1 mm), the main steps above 500 mm, the
// sub-steps there for r, s, t, u.
TEST(Fit, CompleteTableRows)
{
    const Sortie s = lancer({"--table", "--complete"});
    ASSERT_EQ(s.code, 0);
    auto a = [&](const std::string &ligne) { return s.out.find("\n" + ligne + "\n") != std::string::npos; };
    EXPECT_TRUE(a("bore,H7,0,3,10,0"));
    EXPECT_TRUE(a("bore,H7,500,630,70,0"));
    EXPECT_FALSE(a("bore,H7,500,560,70,0"));
    EXPECT_TRUE(a("shaft,r6,500,560,194,150"));
    EXPECT_TRUE(a("shaft,r6,560,630,199,155"));
    EXPECT_TRUE(a("bore,H14,1,3,250,0"));
    EXPECT_TRUE(a("bore,JS01,0,3,0.15,-0.15"));
    EXPECT_TRUE(a("bore,JS7,1000,1250,52.5,-52.5"));
    EXPECT_TRUE(a("bore,A11,1,3,330,270"));
    EXPECT_TRUE(a("shaft,u7,2800,3150,3410,3200"));
    EXPECT_TRUE(s.out.ends_with("\n"));
    // The default table is unchanged without the option.
    EXPECT_EQ(compter(lancer({"--table"}).out, '\n'), 5220);
}

TEST(Fit, ClassOfTheWholeSystemNamesTheOption)
{
    const Sortie s = lancer({"25", "H01", "h6"});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.err.find("--complete offers it"), std::string::npos) << s.err;
    const Sortie d = lancer({"600", "H7", "g6"});
    EXPECT_NE(d.err.find("--complete accepts 0 < D <= 3150"), std::string::npos) << d.err;
}

} // namespace
