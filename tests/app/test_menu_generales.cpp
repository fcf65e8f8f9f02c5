// The general tolerances window opened from the Outils menu of the main
// window: its item, built on first opening, on the diameter shown, and
// taking the diameter again when reopened after being closed.
#include "aide.h"

#include "ui/generales.h"
#include "ui/menu_deroulant.h"

#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QTableWidget>

using vestrel::Principale;

namespace {

vestrel::MenuDeroulant *menuOutils(const Principale &f)
{
    for (auto *m : f.findChildren<vestrel::MenuDeroulant *>())
        if (m->objectName() == "Mnu_Outils")
            return m;
    return nullptr;
}

// Chooses "Tolérances générales" with the mouse: the title, then the item,
// the last of the Outils menu.
vestrel::Generales *ouvrir(Principale &f)
{
    QTest::mousePress(controle<vestrel::Cellule>(f, "MNU(3)"), Qt::LeftButton);
    vestrel::MenuDeroulant *menu = menuOutils(f);
    if (!menu || !menu->isVisible())
        return nullptr;
    const int dernier = menu->nombreItems() - 1;
    vestrel::Cellule *item = menu->texte(dernier);
    if (item->objectName() != QStringLiteral("Mnu_Outils_1(%1)").arg(dernier)
        || item->text() != QString::fromUtf8("Tolérances générales"))
        return nullptr;
    QTest::mousePress(item, Qt::LeftButton);
    QTest::mouseRelease(item, Qt::LeftButton);
    return f.findChild<vestrel::Generales *>(QStringLiteral("Generales"));
}

QString dimension(const vestrel::Generales &g)
{
    return g.findChild<QLineEdit *>(QStringLiteral("Tg_Dimension"))->text();
}

} // namespace

class TestMenuGenerales : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void ouvertSurLeDiametre();
};

void TestMenuGenerales::ouvertSurLeDiametre()
{
    Principale f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    // Built on first opening, never at start-up.
    QVERIFY(!f.findChild<vestrel::Generales *>());
    agir(f, QStringLiteral("d:12,5"));
    vestrel::Generales *g = ouvrir(f);
    QVERIFY(g);
    QVERIFY(g->isVisible());
    QVERIFY(!g->isModal());
    QCOMPARE(dimension(*g), QStringLiteral("12,5"));
    auto *table = g->findChild<QTableWidget *>(QStringLiteral("Tg_Table"));
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("12,3"));
    QCOMPARE(table->item(1, 3)->text(), QStringLiteral("12,7"));
    // Wholly on the main window's screen (the base of the tool windows
    // places it beside the main window where the screen has room).
    QVERIFY(f.screen()->availableGeometry().contains(g->frameGeometry()));

    // Still open, it keeps what the user typed; closed (Escape) and reopened, it
    // takes the main window's diameter again, the same window.
    agir(f, QStringLiteral("d:40"));
    QCOMPARE(ouvrir(f), g);
    QCOMPARE(dimension(*g), QStringLiteral("12,5"));
    QTest::keyClick(g->findChild<QLineEdit *>(QStringLiteral("Tg_Dimension")), Qt::Key_Escape);
    QVERIFY(!g->isVisible());
    QCOMPARE(ouvrir(f), g);
    QVERIFY(g->isVisible());
    QCOMPARE(dimension(*g), QStringLiteral("40"));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("±0,3"));
}

QTEST_MAIN(TestMenuGenerales)
#include "test_menu_generales.moc"
