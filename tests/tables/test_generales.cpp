#include "tables/generales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace vestrel;

namespace {

// The published tables of ISO 2768-1 as CSV, kept beside the sources
// (VESTREL_ISO2768: one folder, three files), read here rather than copied.
struct Ligne {
    std::string de, a;              // the band, "" for an open end
    std::vector<std::string> cases; // f, m, c, v (degrees-minutes for the angles)
    std::vector<std::string> degres; // the angles' decimal degrees
};

std::vector<std::string> champs(const std::string &ligne)
{
    std::vector<std::string> r;
    std::stringstream s(ligne);
    for (std::string c; std::getline(s, c, ',');)
        r.push_back(c);
    if (!ligne.empty() && ligne.back() == ',')
        r.emplace_back();
    return r;
}

std::filesystem::path dossier() { return VESTREL_ISO2768; }

std::vector<Ligne> lire(const char *fichier)
{
    std::ifstream f(dossier() / fichier);
    EXPECT_TRUE(f) << "cannot read " << (dossier() / fichier);
    std::vector<Ligne> lignes;
    bool entete = true;
    for (std::string l; std::getline(f, l);) {
        if (l.empty() || l.starts_with('#'))
            continue;
        if (entete) { // the column names
            entete = false;
            continue;
        }
        const auto c = champs(l);
        EXPECT_TRUE(c.size() == 6 || c.size() == 10) << l;
        if (c.size() < 6)
            continue;
        Ligne ligne{c[0], c[1], {c.begin() + 2, c.begin() + 6}, {}};
        if (c.size() == 10)
            ligne.degres.assign(c.begin() + 6, c.end());
        lignes.push_back(ligne);
    }
    return lignes;
}

const char *fichierDe(GenreGeneral g)
{
    switch (g) {
    case GenreGeneral::Lineaire: return "iso2768_1_linear.csv";
    case GenreGeneral::Arete: return "iso2768_1_broken_edges.csv";
    case GenreGeneral::Angle: break;
    }
    return "iso2768_1_angular.csv";
}

// A cell as the tables give it: "0.05" is 50 µm, "0°30'" is 30 minutes of
// arc, "" is a class the standard leaves undefined.
std::optional<EcartGeneral> attendu(GenreGeneral g, const std::string &cellule)
{
    if (cellule.empty())
        return std::nullopt;
    if (g != GenreGeneral::Angle)
        return EcartGeneral{static_cast<int>(std::lround(std::stod(cellule) * 1000)), 0};
    const auto signe = cellule.find("°");
    EXPECT_NE(signe, std::string::npos) << cellule;
    EXPECT_TRUE(cellule.ends_with('\'')) << cellule;
    const int degres = std::stoi(cellule.substr(0, signe));
    const int minutes = std::stoi(cellule.substr(signe + std::string("°").size()));
    return EcartGeneral{0, degres * 60 + minutes};
}

class Reference : public testing::TestWithParam<GenreGeneral> {
protected:
    void SetUp() override
    {
        if (!std::filesystem::is_directory(dossier()))
            GTEST_SKIP() << "the reference tables are not at " << dossier()
                         << " (configure with -DVESTREL_PARTAGE=<folder holding iso2768/>)";
    }
};


std::string nom(const testing::TestParamInfo<GenreGeneral> &i)
{
    switch (i.param) {
    case GenreGeneral::Lineaire: return "Lineaire";
    case GenreGeneral::Arete: return "Arete";
    case GenreGeneral::Angle: break;
    }
    return "Angle";
}

// Every band of the program's table is a row of the reference, with the
// same bounds and the same four cells.
TEST_P(Reference, SameBandsAndCells)
{
    const GenreGeneral g = GetParam();
    const auto lignes = lire(fichierDe(g));
    const auto bandes = bandesGenerales(g);
    ASSERT_EQ(bandes.size(), lignes.size());
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        SCOPED_TRACE(lignes[i].de + ".." + lignes[i].a);
        EXPECT_EQ(bandes[i].de_mm, std::stod(lignes[i].de));
        EXPECT_EQ(bandes[i].a_mm, lignes[i].a.empty() ? SansFin_mm : std::stod(lignes[i].a));
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_EQ(bandes[i].ecarts[k], attendu(g, lignes[i].cases[k])) << "class " << lettreClasse(ClassesGenerales[k]);
    }
}

// The lookup at every edge of every band: on the upper bound and just over
// the lower one the band's own cells; just over the upper bound the next
// band's (or none after the last bounded band).
TEST_P(Reference, LookupAtEveryBandEdge)
{
    const GenreGeneral g = GetParam();
    const auto lignes = lire(fichierDe(g));
    ASSERT_FALSE(lignes.empty());
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const Ligne &l = lignes[i];
        const double de = std::stod(l.de);
        std::vector<double> dedans{std::nextafter(de, 1e9), de + 0.001};
        if (l.a.empty()) {
            dedans.push_back(de + 1);
            dedans.push_back(1e6);
        } else {
            dedans.push_back(std::stod(l.a));
            dedans.push_back(std::nextafter(std::stod(l.a), 0.0));
        }
        for (double t : dedans)
            for (std::size_t k = 0; k < 4; ++k)
                EXPECT_EQ(ecartGeneral(g, ClassesGenerales[k], t), attendu(g, l.cases[k]))
                    << "size " << t << " class " << lettreClasse(ClassesGenerales[k]);
        if (l.a.empty())
            continue;
        const double a = std::stod(l.a);
        for (double t : {std::nextafter(a, 1e9), a + 0.001})
            for (std::size_t k = 0; k < 4; ++k) {
                const auto suivante =
                    i + 1 < lignes.size() ? attendu(g, lignes[i + 1].cases[k]) : std::optional<EcartGeneral>{};
                EXPECT_EQ(ecartGeneral(g, ClassesGenerales[k], t), suivante)
                    << "size " << t << " class " << lettreClasse(ClassesGenerales[k]);
            }
    }
}

// Table 3 gives each angle as degrees-minutes and as decimal degrees: both
// say the same minutes.
TEST_P(Reference, AnglesInDecimalDegrees)
{
    if (GetParam() != GenreGeneral::Angle)
        return;
    for (const Ligne &l : lire(fichierDe(GenreGeneral::Angle))) {
        ASSERT_EQ(l.degres.size(), 4u);
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_NEAR(attendu(GenreGeneral::Angle, l.cases[k])->ecart_minutes / 60.0, std::stod(l.degres[k]), 1e-6)
                << l.cases[k];
    }
}

INSTANTIATE_TEST_SUITE_P(Iso2768, Reference,
                         testing::Values(GenreGeneral::Lineaire, GenreGeneral::Arete, GenreGeneral::Angle), nom);

// The cells the standard leaves empty are said to be empty, never 0 or a
// neighbour's value.
struct Indefini {
    GenreGeneral genre;
    ClasseGenerale classe;
    double taille_mm;
};

class Indefinis : public testing::TestWithParam<Indefini> {};

TEST_P(Indefinis, NoDeviation)
{
    EXPECT_FALSE(ecartGeneral(GetParam().genre, GetParam().classe, GetParam().taille_mm).has_value());
}

using G = GenreGeneral;
using C = ClasseGenerale;
INSTANTIATE_TEST_SUITE_P(
    Iso2768, Indefinis,
    testing::Values(
        // Below 0.5 mm, lengths take no general tolerance.
        Indefini{G::Lineaire, C::m, 0.499}, Indefini{G::Lineaire, C::f, 0.1}, Indefini{G::Arete, C::c, 0.4999},
        Indefini{G::Arete, C::f, 0.001},
        // Class v at 0.5-3 mm, class f over 2000 mm, every class over 4000 mm.
        Indefini{G::Lineaire, C::v, 0.5}, Indefini{G::Lineaire, C::v, 1}, Indefini{G::Lineaire, C::v, 3},
        Indefini{G::Lineaire, C::f, 2000.001}, Indefini{G::Lineaire, C::f, 4000},
        Indefini{G::Lineaire, C::m, 4000.001}, Indefini{G::Lineaire, C::v, 1e9},
        // Not a positive size.
        Indefini{G::Lineaire, C::m, 0}, Indefini{G::Angle, C::m, 0}, Indefini{G::Angle, C::m, -5},
        Indefini{G::Arete, C::m, std::numeric_limits<double>::quiet_NaN()},
        Indefini{G::Arete, C::m, SansFin_mm}, Indefini{G::Angle, C::v, -SansFin_mm}));

// Published examples: a 25 mm length in class m is 25 ± 0.2; 0.5 mm, the
// first size of the table, is in 0.5-3; a chamfer of 2 mm in class c is
// ± 0.4; an angle whose shorter side is 10 mm is ± 1° in m, 10.5 mm ± 0°30'.
TEST(Generales, HandChecks)
{
    EXPECT_EQ(ecartGeneral(G::Lineaire, C::m, 25), (EcartGeneral{200, 0}));
    EXPECT_EQ(ecartGeneral(G::Lineaire, C::f, 0.5), (EcartGeneral{50, 0}));
    EXPECT_EQ(ecartGeneral(G::Lineaire, C::c, 3), (EcartGeneral{200, 0}));
    EXPECT_EQ(ecartGeneral(G::Lineaire, C::c, 3.001), (EcartGeneral{300, 0}));
    EXPECT_EQ(ecartGeneral(G::Arete, C::c, 2), (EcartGeneral{400, 0}));
    EXPECT_EQ(ecartGeneral(G::Arete, C::v, 5000), (EcartGeneral{2000, 0}));
    EXPECT_EQ(ecartGeneral(G::Angle, C::m, 10), (EcartGeneral{0, 60}));
    EXPECT_EQ(ecartGeneral(G::Angle, C::m, 10.5), (EcartGeneral{0, 30}));
    EXPECT_EQ(ecartGeneral(G::Angle, C::v, 0.2), (EcartGeneral{0, 180}));
}

TEST(Generales, ClassLetters)
{
    for (ClasseGenerale c : ClassesGenerales)
        EXPECT_EQ(classeDeLettre(lettreClasse(c)), c);
    for (const char *t : {"M", "", "mm", "h", " m"})
        EXPECT_FALSE(classeDeLettre(t).has_value()) << t;
}

} // namespace
