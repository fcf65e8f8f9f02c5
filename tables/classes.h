#pragma once

// Compile-time description of the two class catalogues, shared by the
// catalogue, the deviation tables and the toolbar data. Not part of the
// library's interface.

#include "tables/classe.h"
#include "tables/cote.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace vestrel::detail {

inline constexpr const auto &LettresAlesage = lettres_iso::DefautAlesage;
inline constexpr const auto &LettresArbre = lettres_iso::DefautArbre;

// Letter indexes, the same on both sides.
enum Lettre : int { A, B, C, D, E, F, G, H, J, JS, K, M, N, P, R, S, T, U, X, Z, ZA, ZB, ZC };

// List order: by letter code, then by rising grade. A "*" marks the classes
// outside the DIN standard.
inline constexpr std::array<std::string_view, 119> TextesAlesage{
    "A9", "A11", "A12", "A13",
    "B8", "B9", "B10", "B11", "B12", "B13",
    "C8", "C9", "C10", "C11",
    "D6", "D7", "D8", "D9", "D10", "D11", "D12", "D13",
    "E6", "E7", "E8", "E9", "E10", "E11*", "E12*",
    "F6", "F7", "F8", "F9",
    "G6", "G7",
    "H6", "H7", "H8", "H9", "H10", "H11", "H12", "H13", "H14", "H15", "H16", "H17", "H18",
    "J6", "J7", "J8",
    "JS9", "JS10", "JS11", "JS12", "JS13", "JS14", "JS15", "JS16", "JS17", "JS18",
    "K6", "K7", "K8",
    "M6", "M7", "M8",
    "N6", "N7", "N8", "N9", "N10", "N11",
    "P6", "P7", "P8", "P9",
    "R6", "R7", "R8", "R9",
    "S6", "S7", "S8", "S9", "S10",
    "T6", "T7", "T8", "T9",
    "U6", "U7", "U8", "U9", "U10", "U11",
    "X7", "X8", "X9", "X10", "X11",
    "Z7", "Z8", "Z9", "Z10", "Z11",
    "ZA7", "ZA8", "ZA9", "ZA10", "ZA11",
    "ZB8", "ZB9", "ZB10", "ZB11",
    "ZC8", "ZC9", "ZC10", "ZC11"};
inline constexpr std::array<std::string_view, 123> TextesArbre{
    "a9", "a11", "a12", "a13",
    "b8", "b9", "b10", "b11", "b12", "b13",
    "c9", "c10", "c11", "c12*",
    "d6", "d7", "d8", "d9", "d10", "d11", "d12",
    "e6", "e7", "e8", "e9", "e10*", "e11*", "e12*",
    "f6", "f7", "f8",
    "g5", "g6",
    "h5", "h6", "h7", "h8", "h9", "h10", "h11", "h12", "h13",
    "j5", "j6", "j7",
    "js8", "js9", "js10", "js11", "js12", "js13", "js14", "js15", "js16", "js17", "js18",
    "k5", "k6", "k7", "k8", "k9", "k10", "k11",
    "m5", "m6", "m7",
    "n5", "n6", "n7",
    "p5", "p6", "p7", "p8",
    "r5", "r6", "r7", "r8", "r9",
    "s5", "s6", "s7", "s8", "s9", "s10",
    "t5", "t6", "t7", "t8", "t9",
    "u5", "u6", "u7", "u8", "u9", "u10", "u11",
    "x6", "x7", "x8", "x9", "x10", "x11",
    "z6", "z7", "z8", "z9", "z10", "z11",
    "za6", "za7", "za8", "za9", "za10", "za11",
    "zb7", "zb8", "zb9", "zb10", "zb11",
    "zc8", "zc9", "zc10", "zc11"};

constexpr std::span<const std::string_view> textes(Cote cote)
{
    if (cote == Cote::Alesage)
        return TextesAlesage;
    return TextesArbre;
}
constexpr int nbClasses(Cote cote) { return static_cast<int>(textes(cote).size()); }

constexpr bool estEtoilee(Cote cote, int lettre, int grade)
{
    if (cote == Cote::Alesage)
        return lettre == E && (grade == 11 || grade == 12);
    return (lettre == C && grade == 12) || (lettre == E && grade >= 10 && grade <= 12);
}

using Decomposee = ClasseDecomposee;

// The breakdown of a default catalogue text; letter -1 when it is none.
constexpr Decomposee decomposer(Cote cote, std::string_view texte)
{
    return decomposerClasse(cote, texte).value_or(Decomposee{});
}

constexpr bool catalogueBienForme(Cote cote)
{
    int lettrePrecedente = 0, gradePrecedent = 0;
    for (std::string_view t : textes(cote)) {
        const Decomposee c = decomposer(cote, t);
        const int premier = cote == Cote::Alesage ? 6 : 5;
        if (c.lettre < 0 || c.grade < premier || c.grade > 18)
            return false;
        if (c.etoile != estEtoilee(cote, c.lettre, c.grade))
            return false;
        const std::size_t longueur = lettresDe(cote)[c.lettre].size() + (c.grade >= 10 ? 2 : 1) + c.etoile;
        if (t.size() != longueur)
            return false;
        if (c.lettre < lettrePrecedente || (c.lettre == lettrePrecedente && c.grade <= gradePrecedent))
            return false;
        lettrePrecedente = c.lettre;
        gradePrecedent = c.grade;
    }
    return true;
}
static_assert(catalogueBienForme(Cote::Alesage) && catalogueBienForme(Cote::Arbre));

constexpr int chercherTexte(Cote cote, std::string_view texte)
{
    const auto t = textes(cote);
    for (std::size_t i = 0; i < t.size(); ++i)
        if (t[i] == texte)
            return static_cast<int>(i);
    return -1;
}
static_assert(chercherTexte(Cote::Alesage, "H7") == 36 && chercherTexte(Cote::Arbre, "f7") == 29);

// Class texts are looked up on every choice and by the benchmarks: an
// open-addressing hash of the text, packed with its length into one integer,
// finds the index in one or two probes without comparing strings. Catalogue
// texts have at most 4 characters; longer ones cannot match.
constexpr std::size_t LongueurTexteMax = 7;

constexpr std::uint64_t cleTexte(std::string_view texte)
{
    std::uint64_t k = std::uint64_t(texte.size()) << 56;
    for (std::size_t i = 0; i < texte.size(); ++i)
        k |= std::uint64_t(static_cast<unsigned char>(texte[i])) << (8 * i);
    return k;
}

// Bucket of a key in a table of 2^Bits buckets.
template <int Bits>
constexpr int caseDe(std::uint64_t cle) { return static_cast<int>((cle * 0x9E3779B97F4A7C15ull) >> (64 - Bits)); }

struct Case {
    std::uint64_t cle = 0; // 0: empty (no text has length 0)
    std::int16_t index = -1;
};
template <int Bits>
using HachageDe = std::array<Case, std::size_t(1) << Bits>;
using Hachage = HachageDe<8>;

template <int Bits>
constexpr HachageDe<Bits> construireHachage(std::span<const std::string_view> t)
{
    HachageDe<Bits> h{};
    constexpr int Taille = 1 << Bits;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i].empty() || t[i].size() > LongueurTexteMax)
            throw "catalogue text too long for the hash";
        int c = caseDe<Bits>(cleTexte(t[i]));
        while (h[c].cle != 0)
            c = (c + 1) % Taille;
        h[c] = {cleTexte(t[i]), static_cast<std::int16_t>(i)};
    }
    return h;
}

// Position of a text in the catalogue a hash was built from, or -1.
template <int Bits>
constexpr int chercherHachage(const HachageDe<Bits> &h, std::string_view texte)
{
    if (texte.empty() || texte.size() > LongueurTexteMax)
        return -1;
    const std::uint64_t k = cleTexte(texte);
    for (int c = caseDe<Bits>(k);; c = (c + 1) % (1 << Bits)) {
        if (h[c].cle == k)
            return h[c].index;
        if (h[c].cle == 0)
            return -1;
    }
}

inline constexpr Hachage HachageAlesage = construireHachage<8>(textes(Cote::Alesage));
inline constexpr Hachage HachageArbre = construireHachage<8>(textes(Cote::Arbre));

// Position of a class text in the catalogue, or -1.
constexpr int indexTexte(Cote cote, std::string_view texte)
{
    return chercherHachage<8>(cote == Cote::Alesage ? HachageAlesage : HachageArbre, texte);
}

constexpr bool hachageComplet(Cote cote)
{
    const auto t = textes(cote);
    for (std::size_t i = 0; i < t.size(); ++i)
        if (indexTexte(cote, t[i]) != static_cast<int>(i))
            return false;
    return true;
}
static_assert(hachageComplet(Cote::Alesage) && hachageComplet(Cote::Arbre));
static_assert(indexTexte(Cote::Alesage, "E11") < 0 && indexTexte(Cote::Arbre, "H7") < 0);

} // namespace vestrel::detail
