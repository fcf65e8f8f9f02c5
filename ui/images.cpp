#include "ui/images.h"

namespace vestrel {

QIcon iconeProgramme()
{
    return QIcon(QStringLiteral(":/images/icone.png"));
}

QPixmap imageCoche()
{
    return QPixmap(QStringLiteral(":/images/coche.png"));
}

QPixmap imageApropos()
{
    return QPixmap(QStringLiteral(":/images/apropos.png"));
}

QPixmap imageDecor()
{
    return QPixmap(QStringLiteral(":/images/decor.png"));
}

QCursor curseurMain()
{
    // The tip of the index finger, where the drawing puts it.
    return QCursor(QPixmap(QStringLiteral(":/images/main.png")), 11, 1);
}

} // namespace vestrel
