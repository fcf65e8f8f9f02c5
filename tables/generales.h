#pragma once

#include <array>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vestrel {

// The three tables of general tolerances of ISO 2768-1: linear dimensions,
// broken edges (external radii and chamfer heights), angles (keyed by the
// length of the shorter side).
enum class GenreGeneral { Lineaire, Arete, Angle };
inline constexpr std::array<GenreGeneral, 3> GenresGeneraux{GenreGeneral::Lineaire, GenreGeneral::Arete,
                                                            GenreGeneral::Angle};

// The four tolerance classes, finest first: f fine, m medium, c coarse,
// v very coarse.
enum class ClasseGenerale { f, m, c, v };
inline constexpr std::array<ClasseGenerale, 4> ClassesGenerales{ClasseGenerale::f, ClasseGenerale::m,
                                                                ClasseGenerale::c, ClasseGenerale::v};

// The letter of a class ("f", "m", "c", "v") and back; nothing for any other text.
std::string_view lettreClasse(ClasseGenerale classe);
std::optional<ClasseGenerale> classeDeLettre(std::string_view lettre);
// The title-block note of a class: "ISO 2768-m".
std::string designationGenerale(ClasseGenerale classe);

// A permissible deviation ±, in the unit of its table, which gives whole
// numbers of it: micrometres for a length (linear dimension, broken edge),
// minutes of arc for an angle. The other member is 0.
struct EcartGeneral {
    int ecart_um = 0;
    int ecart_minutes = 0;
    friend bool operator==(const EcartGeneral &, const EcartGeneral &) = default;
};

// One band of a table: sizes over de_mm up to and including a_mm (the last
// band of the broken edges and of the angles has no end: a_mm is infinite),
// with the deviation of each class, none where the standard defines none.
// The first band of the lengths also holds de_mm itself (0.5 mm); below it
// no general tolerance applies.
struct BandeGenerale {
    double de_mm;
    double a_mm;
    std::array<std::optional<EcartGeneral>, 4> ecarts; // in the order of ClassesGenerales
};

inline constexpr double SansFin_mm = std::numeric_limits<double>::infinity();

// The bands of a table, smallest sizes first.
std::span<const BandeGenerale> bandesGenerales(GenreGeneral genre);

// The deviation of a class at a size (for an angle, the length of its
// shorter side), in mm: nothing where the standard defines no general
// tolerance (below 0.5 mm for lengths; for linear dimensions class v up to
// 3 mm, class f over 2000 mm and every class over 4000 mm), nor for a size
// that is not a positive number. Broken edges over 6 mm and angles over
// 400 mm have no upper end. A size on a bound belongs to the lower band:
// 3 mm is in 0.5–3, 3.001 mm in 3–6.
std::optional<EcartGeneral> ecartGeneral(GenreGeneral genre, ClasseGenerale classe, double taille_mm);

} // namespace vestrel
