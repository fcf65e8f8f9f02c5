#pragma once

#include <QColor>
#include <QRect>
#include <QTransform>

class QPainter;

namespace vestrel {

// Draws lines along the edges of a rectangle on whole device pixels. At a
// fractional scale factor (1.5) a widget's edges fall between device pixels,
// and a one-pixel pen there lands half outside the widget and is lost; these
// lines lie on the pixels wholly inside it, so a frame keeps its four sides.
class BordsPixels
{
public:
    enum class Bord { Haut, Bas, Gauche, Droite };

    BordsPixels(QPainter &p, const QRect &zone);

    // Device pixels in a line one logical pixel wide: 1 at 1 and 1.5, 2 at 2.
    int trait() const { return m_trait; }
    // The line `rang` lines in from the edge (0 the outermost), spanning the
    // edge less `rang` lines at each end.
    void ligne(Bord bord, int rang, const QColor &couleur);
    // A one-line frame on the four edges.
    void cadre(const QColor &couleur);

private:
    QPainter &m_p;
    QTransform m_inverse;
    QRect m_pixels; // the device pixels wholly inside the rectangle
    int m_trait = 1;
};

} // namespace vestrel
