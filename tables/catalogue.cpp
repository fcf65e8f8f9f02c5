#include "tables/catalogue.h"

#include "tables/classes.h"

#include <array>
#include <cstdint>

namespace vestrel {

namespace {

// Class texts are looked up on every choice and by the benchmarks: an
// open-addressing hash of the text (at most 8 bytes) finds the index in one
// or two probes instead of comparing against every text.
constexpr int TailleHachage = 256;

constexpr std::uint64_t cle(std::string_view texte)
{
    std::uint64_t k = texte.size();
    for (std::size_t i = 0; i < texte.size() && i < 8; ++i)
        k ^= std::uint64_t(static_cast<unsigned char>(texte[i])) << (8 * i);
    return k;
}

constexpr int case0(std::string_view texte)
{
    return static_cast<int>((cle(texte) * 0x9E3779B97F4A7C15ull) >> 56);
}

using Hachage = std::array<std::int16_t, TailleHachage>;

constexpr Hachage construireHachage(Cote cote)
{
    Hachage h{};
    for (auto &c : h)
        c = -1;
    const auto t = detail::textes(cote);
    for (std::size_t i = 0; i < t.size(); ++i) {
        int c = case0(t[i]);
        while (h[c] >= 0)
            c = (c + 1) % TailleHachage;
        h[c] = static_cast<std::int16_t>(i);
    }
    return h;
}

constexpr Hachage HachageAlesage = construireHachage(Cote::Alesage);
constexpr Hachage HachageArbre = construireHachage(Cote::Arbre);

constexpr int chercher(const Hachage &h, std::span<const std::string_view> t, std::string_view texte)
{
    for (int c = case0(texte);; c = (c + 1) % TailleHachage) {
        const int i = h[c];
        if (i < 0)
            return -1;
        if (t[i] == texte)
            return i;
    }
}

constexpr bool hachageComplet(Cote cote, const Hachage &h)
{
    const auto t = detail::textes(cote);
    for (std::size_t i = 0; i < t.size(); ++i)
        if (chercher(h, t, t[i]) != static_cast<int>(i))
            return false;
    return true;
}
static_assert(hachageComplet(Cote::Alesage, HachageAlesage));
static_assert(hachageComplet(Cote::Arbre, HachageArbre));

} // namespace

std::span<const std::string_view> catalogue(Cote cote) { return detail::textes(cote); }

std::span<const std::string_view> lettres(Cote cote) { return detail::lettresDe(cote); }

std::optional<int> indexClasse(Cote cote, std::string_view texte)
{
    const int i = cote == Cote::Alesage ? chercher(HachageAlesage, detail::TextesAlesage, texte)
                                        : chercher(HachageArbre, detail::TextesArbre, texte);
    if (i < 0)
        return std::nullopt;
    return i;
}

int premierGrade(Cote cote) { return cote == Cote::Alesage ? 6 : 5; }

int nbGrades(Cote cote) { return 18 - premierGrade(cote) + 1; }

std::string composerClasse(Cote cote, int lettre, int grade)
{
    std::string texte;
    if (lettre >= 0 && lettre < NbLettres)
        texte = detail::lettresDe(cote)[lettre];
    texte += std::to_string(grade);
    if (detail::estEtoilee(cote, lettre, grade))
        texte += '*';
    return texte;
}

} // namespace vestrel
