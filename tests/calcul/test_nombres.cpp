#include "calcul/nombres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace vestrel;

namespace {

struct Lecture {
    std::string texte;
    double valeur;
};

void PrintTo(const Lecture &l, std::ostream *os) { *os << testing::PrintToString(l.texte); }

class LireNombre : public testing::TestWithParam<Lecture> {};

TEST_P(LireNombre, ReadsTheLeadingNumberOnly)
{
    const double v = lireNombre(GetParam().texte);
    EXPECT_EQ(v, GetParam().valeur);
    EXPECT_FALSE(std::signbit(v) && v == 0) << "-0 must read as 0";
}

INSTANTIATE_TEST_SUITE_P(
    Textes, LireNombre,
    testing::Values(Lecture{"25", 25}, Lecture{"2.5", 2.5}, Lecture{"  12.5", 12.5}, Lecture{"\t-0.03", -0.03},
                    Lecture{"+4", 4}, Lecture{".5", 0.5}, Lecture{"5.", 5}, Lecture{"12.5.3", 12.5},
                    Lecture{"25,4", 25.4}, Lecture{"12,5.3", 12.5}, Lecture{"12.5,3", 12.5},
                    Lecture{",5", 0.5}, Lecture{"-0,025", -0.025}, Lecture{"1,,5", 1}, Lecture{"25abc", 25}, Lecture{"1e400", 1}, Lecture{"0x10", 0},
                    Lecture{"-0", 0}, Lecture{"", 0}, Lecture{".", 0}, Lecture{"-", 0}, Lecture{"--5", 0},
                    Lecture{"abc", 0}, Lecture{"nan", 0}, Lecture{"inf", 0}, Lecture{"-inf", 0},
                    Lecture{"\xEF\xBC\x92\xEF\xBC\x95", 0}, // full-width "25"
                    Lecture{"\xFF\xFE", 0}, Lecture{"3\xC3\xA9", 3}));

TEST(LireNombre, HugeTextsStayFinite)
{
    const std::string chiffres(100000, '9');
    const double v = lireNombre(chiffres);
    EXPECT_TRUE(std::isfinite(v));
    EXPECT_DOUBLE_EQ(v, 1e40);
    EXPECT_DOUBLE_EQ(lireNombre("-" + chiffres), -1e40);
    EXPECT_EQ(lireNombre("0." + std::string(100000, '0') + "1"), 0);
    // The first LongueurNombreMax characters are read, the rest ignored.
    EXPECT_EQ(lireNombre(std::string(LongueurNombreMax - 1, '0') + "75"), 7);
}

struct Ecriture {
    double valeur;
    std::string texte;
};

void PrintTo(const Ecriture &e, std::ostream *os) { *os << e.texte; }

class TexteNombre : public testing::TestWithParam<Ecriture> {};

TEST_P(TexteNombre, FifteenDigitsPlainDecimal)
{
    EXPECT_EQ(texteNombre(GetParam().valeur), GetParam().texte);
}

INSTANTIATE_TEST_SUITE_P(
    Valeurs, TexteNombre,
    testing::Values(Ecriture{0.01, "0.01"}, Ecriture{0, "0"}, Ecriture{-0.0, "0"}, Ecriture{-0.006, "-0.006"},
                    Ecriture{2 + 0.01, "2.01"}, Ecriture{2 + -0.016, "1.984"}, Ecriture{25 + 0.021, "25.021"},
                    Ecriture{24.993, "24.993"}, Ecriture{0.0125, "0.0125"}, Ecriture{500, "500"},
                    Ecriture{1e30, "1000000000000000000000000000000"},
                    Ecriture{1e-20, "0.00000000000000000001"}, Ecriture{-1.5e-7, "-0.00000015"},
                    Ecriture{1.0 / 3, "0.333333333333333"}, Ecriture{2.0 / 3, "0.666666666666667"},
                    Ecriture{999999999999999.9, "1000000000000000"}, Ecriture{123456.789, "123456.789"},
                    // 15 significant digits keep the tail of a difference.
                    Ecriture{2.01 - 1.984, "0.0259999999999998"}, Ecriture{12.3 + 0.03, "12.33"}));

TEST(TexteNombre, ReadsBackToTheValueShown)
{
    for (double v : {0.021, -0.0375, 24.98, 1.984, 123.456789012345, 1e-12, 3e25})
        EXPECT_DOUBLE_EQ(lireNombre(texteNombre(v)), v) << texteNombre(v);
}

class TexteJeu : public testing::TestWithParam<Ecriture> {};

TEST_P(TexteJeu, FourDecimals) { EXPECT_EQ(texteJeu(GetParam().valeur), GetParam().texte); }

INSTANTIATE_TEST_SUITE_P(
    Valeurs, TexteJeu,
    testing::Values(Ecriture{0.026, "0.0260"}, Ecriture{-0.004, "-0.0040"}, Ecriture{0, "0.0000"},
                    Ecriture{-0.0, "0.0000"}, Ecriture{1.5, "1.5000"}, Ecriture{-0.00004, "0.0000"},
                    Ecriture{0.00006, "0.0001"}, Ecriture{-0.00006, "-0.0001"}, Ecriture{123.45678, "123.4568"},
                    Ecriture{1e20, "100000000000000000000.0000"}));

// Ties of the fifth decimal round away from zero on the decimal text, never
// on the binary value (0.00015 is 1.49999999999999993e-4 in binary, 0.00025
// is 2.50000000000000005e-4: rounding the doubles gave 0.0001 and 0.0003).
class TexteJeuEgalite : public testing::TestWithParam<Ecriture> {};

TEST_P(TexteJeuEgalite, HalfAwayFromZero) { EXPECT_EQ(texteJeu(GetParam().valeur), GetParam().texte); }

INSTANTIATE_TEST_SUITE_P(
    Egalites, TexteJeuEgalite,
    testing::Values(Ecriture{0.00015, "0.0002"}, Ecriture{0.00025, "0.0003"}, Ecriture{0.00035, "0.0004"},
                    Ecriture{-0.00015, "-0.0002"}, Ecriture{-0.00025, "-0.0003"}, Ecriture{0.00005, "0.0001"},
                    Ecriture{-0.00005, "-0.0001"}, Ecriture{2.00045, "2.0005"}, Ecriture{-12.34565, "-12.3457"},
                    // A tie that carries into the units and the tens.
                    Ecriture{0.99995, "1.0000"}, Ecriture{-9.99995, "-10.0000"}, Ecriture{99.99995, "100.0000"},
                    // Just under a tie in the 15 digits, and past the fifth decimal.
                    Ecriture{0.000149999999999999, "0.0001"}, Ecriture{-0.0000499999, "0.0000"},
                    Ecriture{0.000250000000001, "0.0003"}));

struct Difference {
    double a, b;
    const char *texte;
};

class DifferenceAffichee : public testing::TestWithParam<Difference> {};

// The difference of two shown numbers is exact: no binary digit of either
// shows in it.
TEST_P(DifferenceAffichee, ExactDecimal)
{
    EXPECT_EQ(differenceAffichee(GetParam().a, GetParam().b), GetParam().texte);
}

INSTANTIATE_TEST_SUITE_P(
    Tailles, DifferenceAffichee,
    testing::Values(Difference{2.01, 1.984, "0.026"}, Difference{1.984, 2.01, "-0.026"},
                    Difference{12.30025, 12.3, "0.00025"}, Difference{12.3, 12.30025, "-0.00025"},
                    Difference{25, 25, "0"}, Difference{0.5, -0.25, "0.75"}, Difference{-0.5, 0.25, "-0.75"},
                    Difference{-0.5, -0.75, "0.25"}, Difference{1e23, 1e-5, "99999999999999999999999.99999"},
                    Difference{99.9999, -0.0001, "100"}));

TEST(DifferenceAffichee, MiddleOfTwoDecimals)
{
    EXPECT_EQ(moyenneDecimale("0.026", "0.006"), "0.016");
    EXPECT_EQ(moyenneDecimale("0.00025", "0"), "0.000125");
    EXPECT_EQ(moyenneDecimale("-0.0003", "0.0001"), "-0.0001");
    EXPECT_EQ(moyenneDecimale("1", "-1"), "0");
}

TEST(TexteJeu, DisplayedDifferenceOfDisplayedSizes)
{
    // Clearances are computed from the shown sizes: 2.01 - 1.984 shows 0.0260.
    const double jeu = lireNombre(texteNombre(lireNombre("2.01") - lireNombre("1.984")));
    EXPECT_EQ(texteJeu(jeu), "0.0260");
    const std::string grand = texteJeu(1e300);
    EXPECT_EQ(grand.find('e'), std::string::npos);
    EXPECT_EQ(grand.substr(grand.size() - 5), ".0000");
}

TEST(CaractereAccepte, KeysPerField)
{
    // Both decimal separators, in every locale: a French user types ",".
    for (char32_t c : U"0123456789.,") {
        if (c == 0)
            continue;
        EXPECT_TRUE(caractereAccepte(Filtre::Diametre, c));
        EXPECT_TRUE(caractereAccepte(Filtre::Taille, c));
        EXPECT_TRUE(caractereAccepte(Filtre::Ecart, c));
    }
    for (Filtre f : {Filtre::Diametre, Filtre::Taille, Filtre::Ecart})
        EXPECT_TRUE(caractereAccepte(f, 8));
    EXPECT_TRUE(caractereAccepte(Filtre::Ecart, U'-'));
    EXPECT_FALSE(caractereAccepte(Filtre::Diametre, U'-'));
    EXPECT_FALSE(caractereAccepte(Filtre::Taille, U'-'));
    for (char32_t c : {U';', U'e', U'+', U' ', U'\r', U'\uFF12', U'\u0660', char32_t(0x10031)})
        for (Filtre f : {Filtre::Diametre, Filtre::Taille, Filtre::Ecart})
            EXPECT_FALSE(caractereAccepte(f, c)) << static_cast<unsigned>(c);
}

struct CasForme {
    const char *texte;
    bool taille;  // a diameter or size box may hold it
    bool ecart;   // a deviation box may hold it
    bool nombre;  // it gives a number
};

class FormeNombre : public ::testing::TestWithParam<CasForme>
{
};

TEST_P(FormeNombre, OneSignFirstOneSeparator)
{
    const CasForme &c = GetParam();
    EXPECT_EQ(formeNombre(Filtre::Diametre, c.texte), c.taille) << c.texte;
    EXPECT_EQ(formeNombre(Filtre::Taille, c.texte), c.taille) << c.texte;
    EXPECT_EQ(formeNombre(Filtre::Ecart, c.texte), c.ecart) << c.texte;
    EXPECT_EQ(nombreSaisi(c.texte), c.nombre) << c.texte;
}

INSTANTIATE_TEST_SUITE_P(
    Saisies, FormeNombre,
    ::testing::Values(CasForme{"", true, true, false}, CasForme{"-", false, true, false},
                      CasForme{".", true, true, false}, CasForme{"-,", false, true, false},
                      CasForme{"25", true, true, true}, CasForme{"25,5", true, true, true},
                      CasForme{",5", true, true, true}, CasForme{"-0.025", false, true, true},
                      CasForme{"25,5,5", false, false, true}, CasForme{"1.2.3", false, false, true},
                      CasForme{"12,5.3", false, false, true}, CasForme{"--0.1", false, false, true},
                      CasForme{"0.1-", false, false, true}, CasForme{"5-3", false, false, true},
                      CasForme{"+3", false, false, true}, CasForme{"1e4", false, false, true},
                      CasForme{" 12", false, false, true}));

} // namespace

namespace {

// The values read back from the texts, against the ones computed without
// them: sizes differences of the kind the finder meets (d + k hundredths of a
// micrometre, 15-digit sizes), their halves, and values on either side of
// every tie of the four decimals and of the fifteenth digit.
TEST(ValeursSansTexte, SameAsTheTextsReadBack)
{
    std::vector<double> valeurs{0.00015, -0.00015, 0.00045, 0.00025, 1e-7, 5e-5, -5e-5, 123456.78905, 0.1 + 0.2,
                                999999.99999, 1e6, 9.9999999999999995e-7, 0.03125, -0.03125, 1.59375, -1.59375,
                                0.15625, 2.00005, 0.00005 * 5};
    for (double d : {0.5, 2.0, 25.0, 25.123456789012345, 600.0, 3150.0})
        for (int a = -300; a <= 300; a += 7)
            for (int b = -300; b <= 300; b += 11) {
                const double sa = lireTexteNombre(texteNombre(d + a / 100000.0));
                const double sb = lireTexteNombre(texteNombre(d + b / 100000.0));
                valeurs.push_back(sa - sb);
                valeurs.push_back((arrondi15(sa - sb) + arrondi15(sb - d)) / 2);
            }
    for (double base : {0.00005, 0.00015, 0.04125, 1.00005, 2.5e-5, 123.45675})
        for (double v = std::nextafter(base, 0.0), n = 0; n < 5; ++n, v = std::nextafter(v, 1.0)) {
            valeurs.push_back(v);
            valeurs.push_back(-v);
        }
    for (double v : valeurs) {
        ASSERT_EQ(arrondi15(v), lireTexteNombre(texteNombre(v))) << texteNombre(v);
        ASSERT_EQ(valeurJeu(v), lireTexteNombre(texteJeu(v))) << texteJeu(v) << " from " << texteNombre(v);
    }
}

} // namespace
