#pragma once

// Class texts: the letter codes of both catalogues and the one breakdown of
// a class text into letter, grade and star that every room uses.

#include "tables/cote.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vestrel {

// The two catalogues: the default one (119 bore and 123 shaft classes,
// 1 < D <= 500 mm) and the whole ISO 286 system (every letter, IT01 to
// IT18, 0 < D <= 3150 mm), which holds every class of the default one.
enum class Systeme { Defaut, Complet };

// Grade IT01 is written "01"; it comes before IT0 in every order.
inline constexpr int Grade01 = -1;

// A set of grades as a bit mask: bit g for grade g (0..18), bit 19 for IT01.
constexpr std::uint32_t bitGrade(int grade) { return grade == Grade01 ? 1u << 19 : 1u << grade; }

namespace lettres_iso {
// Letter codes of the whole system in the standard's order.
inline constexpr std::array<std::string_view, 28> CompletAlesage{
    "A", "B", "C", "CD", "D", "E", "EF", "F", "FG", "G", "H", "J", "JS", "K",
    "M", "N", "P", "R", "S", "T", "U", "V", "X", "Y", "Z", "ZA", "ZB", "ZC"};
inline constexpr std::array<std::string_view, 28> CompletArbre{
    "a", "b", "c", "cd", "d", "e", "ef", "f", "fg", "g", "h", "j", "js", "k",
    "m", "n", "p", "r", "s", "t", "u", "v", "x", "y", "z", "za", "zb", "zc"};
// Letter codes of the default catalogue, in the same order.
inline constexpr std::array<std::string_view, 23> DefautAlesage{
    "A", "B", "C", "D", "E", "F", "G", "H", "J", "JS", "K", "M",
    "N", "P", "R", "S", "T", "U", "X", "Z", "ZA", "ZB", "ZC"};
inline constexpr std::array<std::string_view, 23> DefautArbre{
    "a", "b", "c", "d", "e", "f", "g", "h", "j", "js", "k", "m",
    "n", "p", "r", "s", "t", "u", "x", "z", "za", "zb", "zc"};
} // namespace lettres_iso

// The letter codes of a side of a catalogue, in list order.
constexpr std::span<const std::string_view> lettresDe(Cote cote, Systeme systeme = Systeme::Defaut)
{
    if (systeme == Systeme::Complet)
        return cote == Cote::Alesage ? std::span<const std::string_view>(lettres_iso::CompletAlesage)
                                     : std::span<const std::string_view>(lettres_iso::CompletArbre);
    return cote == Cote::Alesage ? std::span<const std::string_view>(lettres_iso::DefautAlesage)
                                 : std::span<const std::string_view>(lettres_iso::DefautArbre);
}

// A class text split into its letter code (index in lettresDe(cote,
// systeme)), its grade (Grade01 for "01") and its star.
struct ClasseDecomposee {
    int lettre = -1;
    int grade = 0;
    bool etoile = false;

    friend bool operator==(const ClasseDecomposee &, const ClasseDecomposee &) = default;
};

// Breaks a class text down: a letter code of the side, then the grade
// written "01", "0" or 1 to 18 without a leading zero, then an optional
// "*". Nothing for any other text. Whether the class exists is the
// catalogue's business.
constexpr std::optional<ClasseDecomposee> decomposerClasse(Cote cote, std::string_view texte,
                                                          Systeme systeme = Systeme::Defaut)
{
    std::size_t n = 0;
    while (n < texte.size() && !(texte[n] >= '0' && texte[n] <= '9'))
        ++n;
    ClasseDecomposee r;
    const auto codes = lettresDe(cote, systeme);
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (codes[i] == texte.substr(0, n))
            r.lettre = static_cast<int>(i);
    if (r.lettre < 0)
        return std::nullopt;
    std::string_view reste = texte.substr(n);
    if (reste.ends_with('*')) {
        r.etoile = true;
        reste.remove_suffix(1);
    }
    if (reste == "01") {
        r.grade = Grade01;
        return r;
    }
    if (reste.empty() || reste.size() > 2 || (reste.size() == 2 && reste[0] == '0'))
        return std::nullopt;
    r.grade = 0;
    for (char c : reste) {
        if (c < '0' || c > '9')
            return std::nullopt;
        r.grade = r.grade * 10 + (c - '0');
    }
    if (r.grade > 18)
        return std::nullopt;
    return r;
}

// The grade as a class text writes it: "01", "0", "7", "18".
inline std::string texteGrade(int grade) { return grade == Grade01 ? std::string("01") : std::to_string(grade); }

static_assert(decomposerClasse(Cote::Alesage, "E11*") == ClasseDecomposee{4, 11, true});
static_assert(decomposerClasse(Cote::Alesage, "H01", Systeme::Complet) == ClasseDecomposee{10, Grade01, false});
static_assert(decomposerClasse(Cote::Arbre, "h0", Systeme::Complet) == ClasseDecomposee{10, 0, false});
static_assert(decomposerClasse(Cote::Alesage, "CD7", Systeme::Complet) == ClasseDecomposee{3, 7, false});
static_assert(!decomposerClasse(Cote::Alesage, "CD7") && !decomposerClasse(Cote::Alesage, "H07")
              && !decomposerClasse(Cote::Alesage, "H19") && !decomposerClasse(Cote::Alesage, "h7")
              && !decomposerClasse(Cote::Arbre, "k") && !decomposerClasse(Cote::Arbre, "k7x"));

} // namespace vestrel
