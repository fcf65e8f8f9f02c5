#pragma once

#include <QDateTime>
#include <QString>

class QCoreApplication;

namespace vestrel {

// The program speaks French: Qt's own texts (the file dialog, the buttons of
// a message box, its questions) are loaded in French whatever the locale.
// False when Qt's French translation is not installed (they stay English).
bool installerTraductionQt(QCoreApplication *application);

// A moment as a French sentence writes it, whatever the locale: "mardi
// 8 décembre 2026 à 22:18".
QString texteDateHeure(const QDateTime &moment);

} // namespace vestrel
