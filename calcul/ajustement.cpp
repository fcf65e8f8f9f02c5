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

// The difference with 15 significant digits, then its four decimals.
double arrondi15(double difference) { return lireTexteNombre(texteNombre(difference)); }

Jeu jeu(double arrondi)
{
    Jeu j;
    j.texte = texteJeu(arrondi);
    j.valeur = lireTexteNombre(j.texte);
    return j;
}

} // namespace

Jeux calculerJeux(double alesageMax, double alesageMin, double arbreMax, double arbreMin)
{
    Jeux j;
    const double max = arrondi15(alesageMax - arbreMin);
    const double min = arrondi15(alesageMin - arbreMax);
    j.max = jeu(max);
    j.min = jeu(min);
    j.moyen = jeu(arrondi15((max + min) / 2));
    j.nature = natureAjustement(j.max.valeur, j.min.valeur);
    return j;
}

} // namespace vestrel
