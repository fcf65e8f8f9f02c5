#include "ui/dessin_schema.h"

#include "ui/couleurs.h"
#include "ui/textes.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QVarLengthArray>

namespace vestrel {

namespace {

using couleurs::qt;

QLineF ligne(const Segment &s) { return QLineF(s.a.x, s.a.y, s.b.x, s.b.y); }

QRectF rectangle(const Rectangle &r) { return QRectF(r.x, r.y, r.largeur, r.hauteur); }

// Lines end square-cut at their points and corners are mitred, as SVG draws
// them by default.
QPen trait(Couleur c, double largeur)
{
    QPen pen(qt(c), largeur);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void lignes(QPainter &p, const std::vector<Segment> &segments)
{
    QVarLengthArray<QLineF, 128> l;
    for (const Segment &s : segments)
        l.append(ligne(s));
    p.drawLines(l.constData(), static_cast<int>(l.size()));
}

} // namespace

void peindreSchema(QPainter &p, const PlanSchema &plan)
{
    constexpr Traits T = TraitsSchema;
    const double e = plan.unite;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRectF(0, 0, plan.largeur, plan.hauteur), qt(CouleurFond));
    p.setBrush(Qt::NoBrush);

    p.setPen(trait(CouleurGris, T.graduation * e));
    lignes(p, plan.graduations);

    const QPen contour = trait(CouleurEncre, T.zone * e);
    if (const auto &r = plan.zones[static_cast<int>(Cote::Alesage)]) {
        p.setPen(contour);
        p.setBrush(qt(CouleurFond));
        p.drawRect(rectangle(*r));
        p.setPen(trait(CouleurHachure, T.hachure * e));
        lignes(p, plan.hachures);
        // The outline again over the ends of the hatching.
        p.setPen(contour);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rectangle(*r));
    }
    if (const auto &r = plan.zones[static_cast<int>(Cote::Arbre)]) {
        p.setPen(contour);
        p.setBrush(qt(CouleurZoneArbre));
        p.drawRect(rectangle(*r));
        p.setBrush(Qt::NoBrush);
    }

    // A pen counts its dashes in line widths, SVG in pixels.
    QPen rappel = trait(CouleurGris, T.rappel * e);
    rappel.setDashPattern({T.tiret / T.rappel, T.blanc / T.rappel});
    p.setPen(rappel);
    lignes(p, plan.rappels);
    p.setPen(trait(CouleurEncre, T.zero * e));
    p.drawLine(ligne(plan.ligneZero));

    if (!plan.traitsService.empty()) {
        QPen service = trait(plan.couleurService, T.service * e);
        service.setDashPattern({T.tiretService / T.service, T.blancService / T.service});
        p.setPen(service);
        lignes(p, plan.traitsService);
    }
    if (plan.bandeProbable) {
        QColor fond = qt(plan.couleurService);
        fond.setAlphaF(OpaciteBande);
        p.setPen(trait(plan.couleurService, T.graduation * e));
        p.setBrush(fond);
        p.drawRect(rectangle(*plan.bandeProbable));
        p.setBrush(Qt::NoBrush);
    }

    for (const FlechePlacee &f : plan.fleches) {
        p.setPen(trait(f.couleur, T.fleche * e));
        p.drawLine(ligne(f.trait));
        p.setPen(Qt::NoPen);
        p.setBrush(qt(f.couleur));
        for (const auto &t : f.pointes) {
            const QPointF points[] = {{t[0].x, t[0].y}, {t[1].x, t[1].y}, {t[2].x, t[2].y}};
            p.drawPolygon(points, 3);
        }
        p.setBrush(Qt::NoBrush);
    }

    // Text sizes are pixels of the plan, as in SVG. A font is sized in points
    // of the device, so that a scaled painter (PDF, PNG at 2x) scales the
    // texts with the lines.
    QPaintDevice *support = p.device();
    const double pointsParPixel = support ? 72.0 / support->logicalDpiY() : 0.75;
    QFont police(texte(PoliceSchema));
    police.setHintingPreference(QFont::PreferNoHinting);
    for (const TextePlace &t : plan.textes) {
        if (t.fond)
            p.fillRect(rectangle(*t.fond), qt(CouleurFond));
        police.setPointSizeF(t.taille * pointsParPixel);
        police.setBold(t.gras);
        p.setFont(police);
        p.setPen(qt(t.couleur));
        const QString texte = QString::fromStdString(t.texte);
        double x = t.position.x;
        if (t.ancre != Ancre::Debut) {
            const double l = QFontMetricsF(police, support).horizontalAdvance(texte);
            x -= t.ancre == Ancre::Milieu ? l / 2 : l;
        }
        p.drawText(QPointF(x, t.position.y), texte);
    }
    p.restore();
}

} // namespace vestrel
