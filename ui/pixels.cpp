#include "ui/pixels.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vestrel {

BordsPixels::BordsPixels(QPainter &p, const QRect &zone)
    : m_p(p)
{
    const QTransform versAppareil = p.deviceTransform();
    m_inverse = versAppareil.inverted();
    const QRectF r = versAppareil.mapRect(QRectF(zone));
    // A hair of tolerance: mapped edges at whole pixels come back as
    // 19.9999 or 20.0001.
    constexpr qreal Tolerance = 1e-3;
    const int gauche = int(std::ceil(r.left() - Tolerance));
    const int haut = int(std::ceil(r.top() - Tolerance));
    const int droite = int(std::floor(r.right() + Tolerance));
    const int bas = int(std::floor(r.bottom() + Tolerance));
    m_pixels = QRect(QPoint(gauche, haut), QPoint(droite - 1, bas - 1));
    m_trait = std::max(1, int(std::floor(versAppareil.m22() + Tolerance)));
}

void BordsPixels::ligne(Bord bord, int rang, const QColor &couleur)
{
    const int t = m_trait;
    const QRect in = m_pixels.adjusted(rang * t, rang * t, -rang * t, -rang * t);
    if (in.isEmpty())
        return;
    QRect bande;
    switch (bord) {
    case Bord::Haut: bande = QRect(in.left(), in.top(), in.width(), t); break;
    case Bord::Bas: bande = QRect(in.left(), in.bottom() + 1 - t, in.width(), t); break;
    case Bord::Gauche: bande = QRect(in.left(), in.top(), t, in.height()); break;
    case Bord::Droite: bande = QRect(in.right() + 1 - t, in.top(), t, in.height()); break;
    }
    // Back to the painter's coordinates, which it maps onto those very pixels.
    m_p.fillRect(m_inverse.mapRect(QRectF(bande)), couleur);
}

void BordsPixels::cadre(const QColor &couleur)
{
    for (const Bord b : {Bord::Haut, Bord::Bas, Bord::Gauche, Bord::Droite})
        ligne(b, 0, couleur);
}

} // namespace vestrel
