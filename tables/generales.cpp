#include "tables/generales.h"

#include <cmath>

namespace vestrel {

namespace {

constexpr std::optional<EcartGeneral> Aucun = std::nullopt;

constexpr std::optional<EcartGeneral> mm(int um) { return EcartGeneral{um, 0}; }
constexpr std::optional<EcartGeneral> deg(int degres, int minutes) { return EcartGeneral{0, degres * 60 + minutes}; }

// Linear dimensions except broken edges, ISO 2768-1 Table 1 (µm).
constexpr BandeGenerale Lineaires[] = {
    {0.5, 3, {mm(50), mm(100), mm(200), Aucun}},
    {3, 6, {mm(50), mm(100), mm(300), mm(500)}},
    {6, 30, {mm(100), mm(200), mm(500), mm(1000)}},
    {30, 120, {mm(150), mm(300), mm(800), mm(1500)}},
    {120, 400, {mm(200), mm(500), mm(1200), mm(2500)}},
    {400, 1000, {mm(300), mm(800), mm(2000), mm(4000)}},
    {1000, 2000, {mm(500), mm(1200), mm(3000), mm(6000)}},
    {2000, 4000, {Aucun, mm(2000), mm(4000), mm(8000)}},
};

// Broken edges, external radii and chamfer heights, ISO 2768-1 Table 2 (µm):
// f and m share a column, c and v another.
constexpr BandeGenerale Aretes[] = {
    {0.5, 3, {mm(200), mm(200), mm(400), mm(400)}},
    {3, 6, {mm(500), mm(500), mm(1000), mm(1000)}},
    {6, SansFin_mm, {mm(1000), mm(1000), mm(2000), mm(2000)}},
};

// Angular dimensions by the length of the shorter side, ISO 2768-1 Table 3.
constexpr BandeGenerale Angles[] = {
    {0, 10, {deg(1, 0), deg(1, 0), deg(1, 30), deg(3, 0)}},
    {10, 50, {deg(0, 30), deg(0, 30), deg(1, 0), deg(2, 0)}},
    {50, 120, {deg(0, 20), deg(0, 20), deg(0, 30), deg(1, 0)}},
    {120, 400, {deg(0, 10), deg(0, 10), deg(0, 15), deg(0, 30)}},
    {400, SansFin_mm, {deg(0, 5), deg(0, 5), deg(0, 10), deg(0, 20)}},
};

// The bands follow one another without gap, and a coarser class never has
// a smaller deviation than a finer one in the same band.
template <std::size_t N>
constexpr bool tableOrdonnee(const BandeGenerale (&t)[N])
{
    for (std::size_t i = 0; i < N; ++i) {
        if (!(t[i].de_mm < t[i].a_mm) || (i + 1 < N && t[i].a_mm != t[i + 1].de_mm))
            return false;
        int precedent = 0;
        for (const auto &e : t[i].ecarts) {
            if (!e)
                continue;
            const int v = e->ecart_um + e->ecart_minutes;
            if (v <= 0 || v < precedent)
                return false;
            precedent = v;
        }
    }
    return true;
}
static_assert(tableOrdonnee(Lineaires) && tableOrdonnee(Aretes) && tableOrdonnee(Angles));

std::size_t indexClasse(ClasseGenerale classe) { return static_cast<std::size_t>(classe); }

} // namespace

std::string_view lettreClasse(ClasseGenerale classe)
{
    switch (classe) {
    case ClasseGenerale::f: return "f";
    case ClasseGenerale::m: return "m";
    case ClasseGenerale::c: return "c";
    case ClasseGenerale::v: break;
    }
    return "v";
}

std::optional<ClasseGenerale> classeDeLettre(std::string_view lettre)
{
    for (ClasseGenerale c : ClassesGenerales)
        if (lettreClasse(c) == lettre)
            return c;
    return std::nullopt;
}

std::string designationGenerale(ClasseGenerale classe) { return "ISO 2768-" + std::string(lettreClasse(classe)); }

std::span<const BandeGenerale> bandesGenerales(GenreGeneral genre)
{
    switch (genre) {
    case GenreGeneral::Lineaire: return Lineaires;
    case GenreGeneral::Arete: return Aretes;
    case GenreGeneral::Angle: break;
    }
    return Angles;
}

std::optional<EcartGeneral> ecartGeneral(GenreGeneral genre, ClasseGenerale classe, double taille_mm)
{
    if (!(taille_mm > 0) || std::isinf(taille_mm))
        return std::nullopt;
    const auto bandes = bandesGenerales(genre);
    // The first band of the lengths starts at 0.5 mm itself.
    if (genre != GenreGeneral::Angle && taille_mm == bandes.front().de_mm)
        return bandes.front().ecarts[indexClasse(classe)];
    for (const BandeGenerale &b : bandes)
        if (taille_mm > b.de_mm && taille_mm <= b.a_mm)
            return b.ecarts[indexClasse(classe)];
    return std::nullopt;
}

} // namespace vestrel
