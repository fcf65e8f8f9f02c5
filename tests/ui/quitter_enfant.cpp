// Child program of test_menus: builds the menu bar on a window, opens
// "Fichier" and clicks "Quitter". The process must end with status 0 inside
// the click; whatever it would print afterwards shows that it did not.
#include "ui/cellule.h"
#include "ui/menus.h"
#include "ui/twips.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget fenetre;
    fenetre.setFixedSize(vestrel::tailleTwips(5550, 5650));
    auto *menus = new vestrel::BarreMenus(&fenetre);
    fenetre.show();
    if (!QTest::qWaitForWindowExposed(&fenetre))
        return 2;

    QTest::mousePress(menus->titre(0), Qt::LeftButton);
    QWidget *quitter = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("Mnu_File"))
            quitter = w->findChild<QWidget *>(QStringLiteral("Mnu_File_1(0)"));
    }
    if (!quitter)
        return 3;

    // Queued before the click: it must never run.
    QTimer::singleShot(0, [] { std::printf("evenement\n"); });
    std::printf("clic sur Quitter\n");
    std::fflush(stdout);
    QTest::mouseClick(quitter, Qt::LeftButton, {}, QPoint(3, 3));

    std::printf("apres\n");
    app.processEvents();
    return 4;
}
