#include "lancer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace vestrel;

namespace {

// The four classes of a 25 mm length: ± 0.1, 0.2, 0.5 and 1 mm (ISO 2768-1
// Table 1, 6-30 mm), limits 25 ∓ each.
TEST(Generales, FourClassesOfALength)
{
    const Sortie s = lancer({"--general", "25"});
    EXPECT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.err, "");
    EXPECT_EQ(s.out, "genre linear dimension=25\n"
                     "f ecart=0.1 min=24.9 max=25.1\n"
                     "m ecart=0.2 min=24.8 max=25.2\n"
                     "c ecart=0.5 min=24.5 max=25.5\n"
                     "v ecart=1 min=24 max=26\n");
}

struct Cas {
    std::vector<std::string> args;
    std::string sortie;
};

void PrintTo(const Cas &c, std::ostream *os)
{
    for (const auto &a : c.args)
        *os << a << ' ';
}

class Lignes : public testing::TestWithParam<Cas> {};

TEST_P(Lignes, OneClassOrKind)
{
    const Sortie s = lancer(GetParam().args);
    EXPECT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, GetParam().sortie);
}

// Hand-checked against the three tables: 3 mm is the top of 0.5-3 (c ± 0.2),
// 3.001 mm the bottom of 3-6 (c ± 0.3); a 2 mm chamfer in v is ± 0.4; an
// angle's shorter side of 10 mm is in "up to 10" (m ± 1°), of 60 mm in
// 50-120 (f ± 0°20', a third of a degree); "12,5" is 12.5 as elsewhere.
INSTANTIATE_TEST_SUITE_P(
    Iso2768, Lignes,
    testing::Values(
        Cas{{"--general", "3", "--class", "c"}, "genre linear dimension=3\nc ecart=0.2 min=2.8 max=3.2\n"},
        Cas{{"--class", "c", "--general", "3.001"}, "genre linear dimension=3.001\nc ecart=0.3 min=2.701 max=3.301\n"},
        Cas{{"--general", "2", "--kind", "edge", "--class", "v"}, "genre edge dimension=2\nv ecart=0.4 min=1.6 max=2.4\n"},
        Cas{{"--general", "10", "--kind", "angle", "--class", "m"}, "genre angle dimension=10\nm ecart=1°00' deg=1\n"},
        Cas{{"--general", "60", "--kind", "angle", "--class", "f"},
            "genre angle dimension=60\nf ecart=0°20' deg=0.333333333333333\n"},
        Cas{{"--general", "12,5", "--class", "m"}, "genre linear dimension=12.5\nm ecart=0.2 min=12.3 max=12.7\n"},
        Cas{{"--kind", "linear", "--general", "1500", "--class", "m"},
            "genre linear dimension=1500\nm ecart=1.2 min=1498.8 max=1501.2\n"}));

// Where the standard gives nothing, the line says so and prints no number.
INSTANTIATE_TEST_SUITE_P(
    Indefinis, Lignes,
    testing::Values(Cas{{"--general", "0.3"}, "genre linear dimension=0.3\nf non defini\nm non defini\nc non defini\n"
                                              "v non defini\n"},
                    Cas{{"--general", "2", "--class", "v"}, "genre linear dimension=2\nv non defini\n"},
                    Cas{{"--general", "2500"}, "genre linear dimension=2500\nf non defini\nm ecart=2 min=2498 max=2502\n"
                                               "c ecart=4 min=2496 max=2504\nv ecart=8 min=2492 max=2508\n"},
                    Cas{{"--general", "4000.5", "--class", "v"}, "genre linear dimension=4000.5\nv non defini\n"},
                    Cas{{"--general", "0.4", "--kind", "edge", "--class", "f"}, "genre edge dimension=0.4\nf non defini\n"}));

TEST(Generales, JsonWithNullWhereNotDefined)
{
    EXPECT_EQ(lancer({"--general", "2", "--json"}).out,
              "{\"dimension\":2,\"genre\":\"linear\",\"classes\":["
              "{\"classe\":\"f\",\"ecart\":0.05,\"min\":1.95,\"max\":2.05},"
              "{\"classe\":\"m\",\"ecart\":0.1,\"min\":1.9,\"max\":2.1},"
              "{\"classe\":\"c\",\"ecart\":0.2,\"min\":1.8,\"max\":2.2},"
              "{\"classe\":\"v\",\"ecart\":null,\"min\":null,\"max\":null}]}\n");
    EXPECT_EQ(lancer({"--json", "--general", "400", "--kind", "angle", "--class", "c"}).out,
              "{\"dimension\":400,\"genre\":\"angle\",\"classes\":[{\"classe\":\"c\",\"ecart\":0.25,\"min\":null,"
              "\"max\":null}]}\n");
    EXPECT_EQ(lancer({"--general", "0.1", "--kind", "edge", "--json", "--class", "m"}).out,
              "{\"dimension\":0.1,\"genre\":\"edge\",\"classes\":[{\"classe\":\"m\",\"ecart\":null,\"min\":null,"
              "\"max\":null}]}\n");
}

TEST(Generales, HelpNamesTheOptions)
{
    const Sortie s = lancer({"--help"});
    EXPECT_EQ(s.code, 0);
    for (const char *t : {"vestrel-fit --general SIZE [--class f|m|c|v] [--kind linear|edge|angle] [--json]\n",
                          "  --general SIZE", "non defini", "\n\nExit status"})
        EXPECT_NE(s.out.find(t), std::string::npos) << t;
    // The options stay before the exit status.
    EXPECT_LT(s.out.find("  --general SIZE"), s.out.find("Exit status"));
}

class Refus : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(Refus, OneLineOnStderrNothingOnStdout)
{
    const Sortie s = lancer(GetParam());
    EXPECT_EQ(s.code, 2);
    EXPECT_EQ(s.out, "");
    EXPECT_EQ(std::count(s.err.begin(), s.err.end(), '\n'), 1) << s.err;
    EXPECT_EQ(s.err.rfind("vestrel-fit: ", 0), 0u) << s.err;
    for (char c : s.err)
        EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << s.err;
}

INSTANTIATE_TEST_SUITE_P(
    Generales, Refus,
    testing::Values(std::vector<std::string>{"--general"}, std::vector<std::string>{"--general", "0"},
                    std::vector<std::string>{"--general", "-0"}, std::vector<std::string>{"--general", "-3"},
                    std::vector<std::string>{"--general", "abc"}, std::vector<std::string>{"--general", ""},
                    std::vector<std::string>{"--general", "1e3"}, std::vector<std::string>{"--general", "nan"},
                    std::vector<std::string>{"--general", std::string(400, '9')},
                    std::vector<std::string>{"--general", "0." + std::string(400, '0') + "1"},
                    std::vector<std::string>{"--general", "25", "--class"},
                    std::vector<std::string>{"--general", "25", "--class", "M"},
                    std::vector<std::string>{"--general", "25", "--class", "h"},
                    std::vector<std::string>{"--general", "25", "--class", "m", "--class", "m"},
                    std::vector<std::string>{"--general", "25", "--kind", "angles"},
                    std::vector<std::string>{"--general", "25", "--kind"},
                    std::vector<std::string>{"--general", "25", "--general", "25"},
                    std::vector<std::string>{"--general", "25", "--json", "--json"},
                    std::vector<std::string>{"--general", "25", "30"},
                    std::vector<std::string>{"--general", "25", "--svg"},
                    std::vector<std::string>{"--general", "25", "--find"},
                    std::vector<std::string>{"25", "H7", "g6", "--general", "25"},
                    std::vector<std::string>{"--class", "m"}, std::vector<std::string>{"--kind", "edge", "25"},
                    std::vector<std::string>{"--general", "2\xC3\xA9"},
                    std::vector<std::string>{"--general", "25", "--class", "m\n"}));

} // namespace
