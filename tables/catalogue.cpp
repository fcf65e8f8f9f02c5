#include "tables/catalogue.h"

#include "tables/classes.h"
#include "tables/systeme.h"

namespace vestrel {

int nbLettres(Systeme systeme) { return static_cast<int>(lettresDe(Cote::Alesage, systeme).size()); }

std::span<const std::string_view> catalogue(Cote cote, Systeme systeme)
{
    if (systeme == Systeme::Complet)
        return catalogueComplet(cote);
    return detail::textes(cote);
}

std::span<const std::string_view> lettres(Cote cote, Systeme systeme) { return lettresDe(cote, systeme); }

std::optional<int> indexClasse(Cote cote, std::string_view texte, Systeme systeme)
{
    const int i = systeme == Systeme::Complet ? indexComplet(cote, texte) : detail::indexTexte(cote, texte);
    if (i < 0)
        return std::nullopt;
    return i;
}

int premierGrade(Cote cote, Systeme systeme)
{
    if (systeme == Systeme::Complet)
        return Grade01;
    return cote == Cote::Alesage ? 6 : 5;
}

int nbGrades(Cote cote, Systeme systeme) { return 18 - premierGrade(cote, systeme) + 1; }

std::string composerClasse(Cote cote, int lettre, int grade, Systeme systeme)
{
    const auto codes = lettresDe(cote, systeme);
    std::string texte;
    if (lettre >= 0 && lettre < int(codes.size()))
        texte = codes[lettre];
    texte += texteGrade(grade);
    // The star belongs to the default letters E, e and c, which both
    // catalogues share.
    for (std::size_t i = 0; i < lettres_iso::DefautAlesage.size(); ++i)
        if (lettre >= 0 && lettre < int(codes.size()) && lettresDe(cote)[i] == codes[lettre]
            && detail::estEtoilee(cote, int(i), grade))
            texte += '*';
    return texte;
}

} // namespace vestrel
