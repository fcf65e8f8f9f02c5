// Child program of test_menus: shows the main window, then either clicks
// "Quitter" in the "Fichier" menu or closes the window, as the first argument
// says. The process must end with status 0 inside that step; whatever it
// would print afterwards shows that it did not.
#include "app/principale.h"
#include "ui/cellule.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool parMenu = argc > 1 && std::strcmp(argv[1], "quitter") == 0;
    vestrel::Principale fenetre;
    fenetre.show();
    if (!QTest::qWaitForWindowExposed(&fenetre))
        return 2;

    QWidget *quitter = nullptr;
    if (parMenu) {
        QTest::mousePress(fenetre.findChild<vestrel::Cellule *>(QStringLiteral("MNU(0)")),
                          Qt::LeftButton);
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("Mnu_File"))
                quitter = w->findChild<QWidget *>(QStringLiteral("Mnu_File_1(0)"));
        }
        if (!quitter || !quitter->isVisible())
            return 3;
    }

    // Queued before the last step: it must never run.
    QTimer::singleShot(0, [] { std::printf("evenement\n"); });
    std::printf("avant\n");
    std::fflush(stdout);
    if (parMenu)
        QTest::mouseClick(quitter, Qt::LeftButton, {}, QPoint(3, 3));
    else
        fenetre.close();

    std::printf("apres\n");
    app.processEvents();
    return 4;
}
