#include "ui/images.h"

#include <QImage>
#include <QImageReader>

#include <cmath>

namespace vestrel {

namespace {

// The pictures are drawn at scales 1 and 2 (name@2x.png). At any other
// ratio the drawing at 2 is resampled once, smoothly, to the exact number
// of device pixels: the painter then copies it pixel for pixel instead of
// stretching a small picture on screen, which blurs it.
// The pictures are PNG files, read by the reader built into Qt. Left to
// find the format itself (even told it), the reader loads every image plugin
// installed to ask each whether it reads the file first: the start-up paid a
// few milliseconds and a few megabytes of libraries it never uses for it.
QImage lirePng(const QString &chemin)
{
    QImageReader lecteur(chemin, "png");
    lecteur.setAutoDetectImageFormat(false);
    return lecteur.read();
}

QPixmap image(const char *nom, qreal ratio)
{
    const bool double_ = ratio > 1.01;
    const qreal echelle = double_ ? 2 : 1;
    QImage source = lirePng(QStringLiteral(":/images/%1%2.png")
                                .arg(QLatin1String(nom), double_ ? QStringLiteral("@2x") : QString()));
    if (std::abs(ratio - echelle) > 0.01) {
        const QSize appareil(qRound(source.width() / echelle * ratio),
                             qRound(source.height() / echelle * ratio));
        source = source.scaled(appareil, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(source);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

QIcon iconeProgramme()
{
    QIcon icone;
    for (const QString &chemin : {QStringLiteral(":/images/icone.png"), QStringLiteral(":/images/icone@2x.png")})
        icone.addPixmap(QPixmap::fromImage(lirePng(chemin)));
    return icone;
}

QPixmap imageCoche(qreal ratio)
{
    return image("coche", ratio);
}

QPixmap imageApropos(qreal ratio)
{
    return image("apropos", ratio);
}

QPixmap imageDecor(qreal ratio)
{
    return image("decor", ratio);
}

QCursor curseurMain()
{
    // The tip of the index finger, where the drawing puts it.
    return QCursor(QPixmap::fromImage(lirePng(QStringLiteral(":/images/main.png"))), 11, 1);
}

} // namespace vestrel
