#include "ui/langue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vestrel {

bool installerTraductionQt(QCoreApplication *application)
{
    auto *traduction = new QTranslator(application);
    if (!traduction->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduction;
        return false;
    }
    return QCoreApplication::installTranslator(traduction);
}

QString texteDateHeure(const QDateTime &moment)
{
    const QLocale francais(QLocale::French, QLocale::France);
    return QStringLiteral("%1 à %2").arg(francais.toString(moment.date(), QLocale::LongFormat),
                                          francais.toString(moment.time(), QStringLiteral("HH:mm")));
}

} // namespace vestrel
