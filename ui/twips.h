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

constexpr QPoint pointTwips(int left, int top) { return {twips(left), twips(top)}; }
constexpr QSize tailleTwips(int width, int height) { return {twips(width), twips(height)}; }
constexpr QRect rectTwips(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

} // namespace vestrel
