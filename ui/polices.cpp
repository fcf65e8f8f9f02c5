#include "ui/polices.h"

#include <QStringList>

namespace vestrel::polices {

namespace {

QFont police(const QStringList &familles, qreal points, bool gras)
{
    QFont f;
    f.setFamilies(familles);
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}

} // namespace

QFont comic(qreal points, bool gras)
{
    return police({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                   QStringLiteral("DejaVu Sans")},
                  points, gras);
}

QFont sans()
{
    return police({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")}, 7.8, true);
}

QFont symbole()
{
    return police({QStringLiteral("DejaVu Sans")}, 9.6, true);
}

} // namespace vestrel::polices
