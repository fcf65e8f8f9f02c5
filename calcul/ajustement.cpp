#include "calcul/ajustement.h"

#include "calcul/nombres.h"

namespace vestrel {

Nature natureAjustement(double jeuMax, double jeuMin)
{
    if (jeuMax < 0 && jeuMin <= 0)
        return Nature::Serrage;
    if (jeuMax > 0 && jeuMin >= 0)
        return Nature::Jeu;
    return Nature::Incertain;
}

namespace {

// A clearance as shown: its four-decimal text and the value of that text.
Jeu jeu(std::string_view decimal)
{
    Jeu j;
    j.texte = texteJeuDecimal(decimal);
    j.valeur = lireTexteNombre(j.texte);
    return j;
}

} // namespace

// The differences of the sizes as shown, exact in decimal, then rounded to
// four decimals once.
Jeux calculerJeux(double alesageMax, double alesageMin, double arbreMax, double arbreMin)
{
    Jeux j;
    const std::string max = differenceAffichee(alesageMax, arbreMin);
    const std::string min = differenceAffichee(alesageMin, arbreMax);
    j.max = jeu(max);
    j.min = jeu(min);
    j.moyen = jeu(moyenneDecimale(max, min));
    j.nature = natureAjustement(j.max.valeur, j.min.valeur);
    return j;
}

// The exact decimal differences decide ties, so the values are those of
// calculerJeux's texts.
ValeursJeux valeursJeux(double alesageMax, double alesageMin, double arbreMax, double arbreMin)
{
    const Jeux j = calculerJeux(alesageMax, alesageMin, arbreMax, arbreMin);
    return {j.max.valeur, j.min.valeur, j.moyen.valeur};
}

} // namespace vestrel
