// "Assemblage serré" wired into the main window: it follows the fit shown
// in every method, hands the finder the clearance range of the fits that
// hold the load, and its page joins the exported fit sheet.
#include "aide.h"

#include "app/outils.h"
#include "calcul/ajustement_affiche.h"
#include "ui/frettage.h"
#include "ui/menu_deroulant.h"
#include "ui/menus.h"
#include "ui/recherche.h"
#include "ui/textes.h"

#include <QLineEdit>
#include <QLocale>
#include <QTableView>

using vestrel::Principale;

namespace {

// The row of "Assemblage serré" in the Outils menu.
int itemFrettage()
{
    const auto items = vestrel::OutilsPrincipale::items();
    for (int k = 0; k < int(items.size()); ++k)
        if (QString::fromUtf8(items[k].texte) == QStringLiteral("Assemblage serré"))
            return k;
    return -1;
}

} // namespace

class TestAssemblage : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void ouvertDepuisLeMenu();
    void suitLAjustement_data();
    void suitLAjustement();
    void ouvreLaRecherche();
};

void TestAssemblage::ouvertDepuisLeMenu()
{
    Principale f;
    f.show();
    QVERIFY(!f.outils()->frettage()); // built on first opening only
    QTest::mousePress(controle<vestrel::Cellule>(f, "MNU(3)"), Qt::LeftButton);
    vestrel::MenuDeroulant *menu = nullptr;
    for (auto *m : f.findChildren<vestrel::MenuDeroulant *>())
        if (m->objectName() == "Mnu_Outils")
            menu = m;
    QVERIFY(menu && menu->isVisible());
    // After "Système ISO 286 complet", before "Tolérances générales".
    const int k = itemFrettage();
    QCOMPARE(k, 5);
    vestrel::Cellule *item = menu->texte(k);
    QCOMPARE(item->objectName(), QStringLiteral("Mnu_Outils_1(%1)").arg(k));
    QCOMPARE(item->text(), QStringLiteral("Assemblage serré"));
    QTest::mousePress(item, Qt::LeftButton);
    QTest::mouseRelease(item, Qt::LeftButton);
    vestrel::Frettage *w = f.outils()->frettage();
    QVERIFY(w && w->isVisible());
    QVERIFY(!w->isModal());
    QCOMPARE(f.outils()->fenetre(k), w);
    // Escape closes it, as every tool window.
    QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(!w->isVisible());
    f.outils()->ouvrirFrettage();
    QVERIFY(w->isVisible());
    // 2 mm H7/f7, the fit at start-up, has clearance: the window says so.
    QVERIFY(w->findChild<QLabel *>("Fr_Message")->text().contains("ce n'est pas un ajustement serré"));
}

void TestAssemblage::suitLAjustement_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("pression");
    // 25 H7/s6, hub 50, length 25: U = 14 … 48, Z = 10.8 … 44.8 µm,
    // p = Z/1000/25 · 210 000/2.66667 = 34.0 … 141.1 MPa.
    QTest::newRow("classes") << QStringList{"d:25", "al:H7", "ar:s6"} << "34,0\u00a0MPa";
    QTest::newRow("toolbar") << QStringList{"m:1", "tb:H", "tb:s", "d:25"} << "";
    // "Libre": bore 20 +0/−0.01 … the default shaft gives clearance: no
    // press fit, its message instead of numbers.
    QTest::newRow("free") << QStringList{"m:2", "dia1:20", "calcul"} << "";
    QTest::newRow("clearance") << QStringList{"d:25", "al:H7", "ar:g6"} << "";
}

void TestAssemblage::suitLAjustement()
{
    QFETCH(QStringList, actions);
    QFETCH(QString, pression);
    Principale f;
    Avertissements avertissements;
    f.show();
    f.outils()->ouvrirFrettage();
    vestrel::Frettage *w = f.outils()->frettage();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Assemblage serré"));
    for (const QString &a : actions) {
        agir(f, a);
        QVERIFY2(w->ajustement() == f.resultat(), qPrintable(a));
        QCOMPARE(w->evaluation().resultat.has_value(), w->findChild<QLabel *>("Fr_Message")->text().isEmpty());
    }
    if (!pression.isEmpty())
        QVERIFY2(w->accessibleDescription().contains("Pression de contact : " + pression), qPrintable(w->accessibleDescription()));
}

void TestAssemblage::ouvreLaRecherche()
{
    Principale f;
    Avertissements avertissements;
    f.show();
    agir(f, "d:50");
    agir(f, "al:H7");
    agir(f, "ar:u6");
    f.outils()->ouvrirFrettage();
    vestrel::Frettage *w = f.outils()->frettage();
    auto *couple = w->findChild<QLineEdit *>("Fr_Couple");
    couple->selectAll();
    QTest::keyClicks(couple, "500");
    QTest::mousePress(w->findChild<vestrel::Cellule *>("Fr_Chercher"), Qt::LeftButton);
    vestrel::Recherche *r = f.outils()->recherche();
    QVERIFY(r && r->isVisible());
    // Hub 100, length 50, steel: U_perm 67.81 µm, U_req 16.67 µm (worked
    // out in the window's own test).
    QCOMPARE(r->findChild<QLineEdit *>("Rech_Diametre")->text(), QString("50"));
    QCOMPARE(r->findChild<QLineEdit *>("Rech_Jeu_Mini")->text(), vestrel::texteJeuLocal(-0.0678));
    QCOMPARE(r->findChild<QLineEdit *>("Rech_Jeu_Maxi")->text(), vestrel::texteJeuLocal(-0.0167));
    // Every fit listed holds: its largest clearance at most −U_req, its
    // smallest at least −U_perm; H7/u6 itself (−0.045 … −0.086) does not.
    auto *table = r->findChild<QTableView *>("Rech_Resultats");
    QVERIFY(table->model()->rowCount() > 0);
    for (int i = 0; i < table->model()->rowCount(); ++i) {
        const double maxi = QLocale().toDouble(table->model()->index(i, 1).data().toString());
        const double mini = QLocale().toDouble(table->model()->index(i, 2).data().toString());
        QVERIFY2(maxi <= -0.0167 && mini >= -0.0678, qPrintable(table->model()->index(i, 0).data().toString()));
        QVERIFY(table->model()->index(i, 0).data().toString() != "H7/u6");
    }
}

QTEST_MAIN(TestAssemblage)
#include "test_assemblage.moc"
