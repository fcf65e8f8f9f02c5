#include "tables/catalogue.h"

#include "tables/classes.h"

namespace vestrel {

std::span<const std::string_view> catalogue(Cote cote) { return detail::textes(cote); }

std::span<const std::string_view> lettres(Cote cote) { return detail::lettresDe(cote); }

std::optional<int> indexClasse(Cote cote, std::string_view texte)
{
    const int i = detail::indexTexte(cote, texte);
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
