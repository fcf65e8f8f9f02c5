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

// The clearances with 15 significant digits, before their four decimals.
struct Arrondis {
    double max, min, moyen;
};
Arrondis arrondis(double alesageMax, double alesageMin, double arbreMax, double arbreMin)
{
    const double max = arrondi15(alesageMax - arbreMin);
    const double min = arrondi15(alesageMin - arbreMax);
    return {max, min, arrondi15((max + min) / 2)};
}

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
    const Arrondis a = arrondis(alesageMax, alesageMin, arbreMax, arbreMin);
    Jeux j;
    j.max = jeu(a.max);
    j.min = jeu(a.min);
    j.moyen = jeu(a.moyen);
    j.nature = natureAjustement(j.max.valeur, j.min.valeur);
    return j;
}

ValeursJeux valeursJeux(double alesageMax, double alesageMin, double arbreMax, double arbreMin)
{
    const Arrondis a = arrondis(alesageMax, alesageMin, arbreMax, arbreMin);
    return {valeurJeu(a.max), valeurJeu(a.min), valeurJeu(a.moyen)};
}

} // namespace vestrel
