// Draws Vestrel's pictures with QPainter and writes them as PNG files into the
// directory given on the command line. Every picture is made here, from
// shapes and text, so the program carries only images of its own.
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cstdio>

namespace {

const QColor Encre{8, 32, 107};      // the program's outline colour
const QColor Lavande{231, 227, 239}; // the hover colour
const QColor Acier{190, 196, 210};
const QColor Hachure{110, 120, 145};
const QColor BleuClair{110, 155, 230};
const QColor BleuFonce{25, 55, 140};
const QColor Axe{200, 40, 40};

// Every picture is drawn in its own pixel coordinates and written at scale
// 1 (name.png) and 2 (name@2x.png), for screens of twice the density.
qreal echelle = 1;

QImage toile(int largeur, int hauteur, const QColor &fond = Qt::transparent)
{
    QImage image(qRound(largeur * echelle), qRound(hauteur * echelle), QImage::Format_ARGB32);
    image.setDevicePixelRatio(echelle);
    image.fill(fond);
    return image;
}

QFont comic(int pixels, bool gras = true)
{
    QFont f;
    f.setFamilies({QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

// Parallel 45° lines over a region, the drawing convention for a cut part.
void hachurer(QPainter &p, const QPainterPath &region, qreal pas)
{
    p.save();
    p.setClipPath(region, Qt::IntersectClip);
    p.setPen(QPen(Hachure, 1.0));
    const QRectF r = region.boundingRect();
    for (qreal x = r.left() - r.height(); x < r.right(); x += pas)
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    p.restore();
}

// Window icon: a bore ring cut in section around its shaft, with the
// clearance between them showing as a thin white ring.
QImage iconeProgramme()
{
    QImage image = toile(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(16, 16);

    QPainterPath anneau;
    anneau.addEllipse(c, 14.5, 14.5);
    QPainterPath trou;
    trou.addEllipse(c, 9, 9);
    anneau = anneau.subtracted(trou);
    p.fillPath(anneau, Acier);
    hachurer(p, anneau, 3.0);
    p.setPen(QPen(Encre, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 14.5, 14.5);
    p.drawEllipse(c, 9, 9);
    p.fillPath(trou, Qt::white);

    QRadialGradient degrade(c - QPointF(2.5, 2.5), 9);
    degrade.setColorAt(0, BleuClair);
    degrade.setColorAt(1, BleuFonce);
    p.setBrush(degrade);
    p.setPen(QPen(Encre, 1.0));
    p.drawEllipse(c, 7.3, 7.3);

    p.setPen(QPen(Axe, 1.0));
    p.drawLine(QPointF(16, 11), QPointF(16, 21));
    p.drawLine(QPointF(11, 16), QPointF(21, 16));
    return image;
}

// Check mark of the Selection menu. The menu's icon cells are smaller than
// the picture and show its middle, so the mark stays inside the centre.
QImage coche()
{
    QImage image = toile(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath trait;
    trait.moveTo(9.5, 16.5);
    trait.lineTo(14, 21.5);
    trait.lineTo(22.5, 10);
    p.setPen(QPen(Encre, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(trait);
    return image;
}

// Decorative icon of the about box: the diameter sign on a small disc, kept
// inside the middle of the picture like the check mark.
QImage decor()
{
    QImage image = toile(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(16, 16);
    p.setPen(QPen(Encre, 1.2));
    p.setBrush(Lavande);
    p.drawEllipse(c, 10.5, 10.5);
    p.setPen(QPen(BleuFonce, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 5.5, 5.5);
    p.drawLine(QPointF(10, 22), QPointF(22, 10));
    return image;
}

// Pointing hand shown over the about picture. The tip of the index finger is
// the hot spot (11, 1); the program sets the same point when it loads it.
QImage curseurMain()
{
    QImage image = toile(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath main;
    main.addRoundedRect(QRectF(8.5, 0.5, 5, 17), 2.5, 2.5);
    main.addRoundedRect(QRectF(13.5, 9.5, 4.5, 9), 2.2, 2.2);
    main.addRoundedRect(QRectF(18, 10.5, 4.5, 9), 2.2, 2.2);
    main.addRoundedRect(QRectF(22.5, 12, 4, 9), 2, 2);
    main.addRoundedRect(QRectF(8.5, 14, 18, 11.5), 3, 3);
    main.addRect(QRectF(11, 24, 14, 6.5));
    QPainterPath pouce;
    pouce.addRoundedRect(QRectF(-2.25, -7, 4.5, 11), 2.2, 2.2);
    main.addPath(QTransform().translate(7.5, 20).rotate(-40).map(pouce));
    main = main.simplified();

    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::white);
    p.drawPath(main);
    p.drawLine(QPointF(13.5, 14), QPointF(13.5, 17));
    p.drawLine(QPointF(18, 14), QPointF(18, 17.5));
    p.drawLine(QPointF(22.5, 15), QPointF(22.5, 18));
    return image;
}

void texteAjuste(QPainter &p, const QRectF &zone, const QString &texte, QFont police,
                 const QColor &couleur)
{
    while (QFontMetrics(police).horizontalAdvance(texte) > zone.width()
           && police.pixelSize() > 6)
        police.setPixelSize(police.pixelSize() - 1);
    p.setFont(police);
    p.setPen(couleur);
    p.drawText(zone, Qt::AlignCenter, texte);
}

// About picture: the logo (a shaft fitted in a bore, drawn in section) with
// the program's name and the credit lines. The box that shows it is a few
// pixels narrower, so nothing is drawn in the outer 8 pixels.
QImage apropos()
{
    QImage image = toile(337, 193, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Bore: a block cut through its axis, hatched, with its hole.
    const QRectF bloc(36, 22, 78, 104);
    const QRectF alesage(36, 56, 78, 36);
    QPainterPath matiere;
    matiere.addRect(bloc);
    QPainterPath trou;
    trou.addRect(alesage);
    matiere = matiere.subtracted(trou);
    p.fillPath(matiere, Acier);
    hachurer(p, matiere, 6.0);
    p.setPen(QPen(Encre, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(bloc);
    p.drawLine(alesage.topLeft(), alesage.topRight());
    p.drawLine(alesage.bottomLeft(), alesage.bottomRight());

    // Shaft: a cylinder slid into the hole, slightly smaller than it.
    const QRectF arbre(14, 59, 94, 30);
    QLinearGradient cylindre(arbre.topLeft(), arbre.bottomLeft());
    cylindre.setColorAt(0, BleuFonce);
    cylindre.setColorAt(0.35, BleuClair);
    cylindre.setColorAt(1, BleuFonce);
    p.setBrush(cylindre);
    p.setPen(QPen(Encre, 1.6));
    p.drawRoundedRect(arbre, 2, 2);

    p.setPen(QPen(Axe, 1.0, Qt::DashDotLine));
    p.drawLine(QPointF(9, 74), QPointF(122, 74));

    texteAjuste(p, QRectF(14, 130, 108, 20), QStringLiteral("H7 / f7"), comic(15), Encre);

    // Name of the program, with a soft shadow in the selection colour.
    const QRectF titre(126, 18, 200, 62);
    texteAjuste(p, titre.translated(2, 2), QStringLiteral("Vestrel"), comic(46),
                QColor(181, 190, 214));
    texteAjuste(p, titre, QStringLiteral("Vestrel"), comic(46), Encre);
    texteAjuste(p, QRectF(126, 82, 200, 18), QStringLiteral("alésage et arbre"),
                comic(14, false), BleuFonce);
    texteAjuste(p, QRectF(126, 102, 200, 18), QStringLiteral("ISO 286"), comic(14),
                BleuFonce);

    p.setPen(QPen(QColor(181, 190, 214), 1.0));
    p.drawLine(QPointF(12, 156), QPointF(325, 156));
    texteAjuste(p, QRectF(9, 158, 319, 16),
                QStringLiteral("Vestrel " VESTREL_VERSION " \u2014 calcul des ajustements ISO 286"), comic(13),
                Encre);
    texteAjuste(p, QRectF(9, 174, 319, 14), QStringLiteral("Les développeurs de Vestrel"),
                comic(11, false), QColor(90, 90, 110));
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    const struct {
        const char *nom;
        QImage (*dessin)();
        bool double_; // also drawn at scale 2
    } images[] = {
        {"icone", iconeProgramme, true},
        {"coche", coche, true},
        {"decor", decor, true},
        {"main", curseurMain, false},
        {"apropos", apropos, true},
    };
    for (const auto &i : images) {
        for (const qreal e : {1.0, 2.0}) {
            if (e > 1 && !i.double_)
                continue;
            echelle = e;
            const QString nom = QString::fromLatin1(i.nom) + (e > 1 ? QStringLiteral("@2x") : QString());
            const QString chemin = dossier.filePath(nom + QStringLiteral(".png"));
            if (!i.dessin().save(chemin, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(chemin));
                return 1;
            }
        }
    }
    return 0;
}
