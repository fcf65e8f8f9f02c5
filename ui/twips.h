#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vestrel {

// The window is laid out in twips (1/1440 inch). At 96 dpi 15 twips make one
// logical pixel; Qt scales logical pixels on high-dpi screens.
constexpr int twips(int t)
{
    return t >= 0 ? (t + 7) / 15 : -((-t + 7) / 15);
}

constexpr QPoint pointTwips(int gauche, int haut) { return {twips(gauche), twips(haut)}; }
constexpr QSize tailleTwips(int largeur, int hauteur) { return {twips(largeur), twips(hauteur)}; }
constexpr QRect rectTwips(int gauche, int haut, int largeur, int hauteur)
{
    return {twips(gauche), twips(haut), twips(largeur), twips(hauteur)};
}

} // namespace vestrel
