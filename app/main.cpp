#include "app/principale.h"
#include "ui/langue.h"
#include "ui/palette.h"

#include <QApplication>
#include <QToolTip>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vestrel::installerTraductionQt(&app);
    // Desktops link the running window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vestrel.Vestrel"));
    // The lists' tool tips keep the program's light look too.
    QToolTip::setPalette(vestrel::paletteProgramme());
    vestrel::Principale fenetre;
    fenetre.show();
    return app.exec();
}
