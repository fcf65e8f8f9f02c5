#include "cli/fit.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace vestrel;

namespace {

struct Sortie {
    int code;
    std::string out;
    std::string err;
};

Sortie lancer(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int code = executerFit(args, out, err);
    return {code, out.str(), err.str()};
}

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
    EXPECT_EQ(lancer({"--version"}).out, "1.1\n");
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
                    Arguments{{"25,4", "H7", "g6"}}, Arguments{{" 25", "H7", "g6"}},
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
                    Arguments{{"--offered", "abc"}}, Arguments{{"25", "--offered"}}));

} // namespace
