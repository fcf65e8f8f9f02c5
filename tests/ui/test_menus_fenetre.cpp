#include "app/principale.h"
#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/twips.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QtTest>

#include "aide_menus.h"

using namespace vestrel;

// The menu bar inside the main window: the Selection menu drives the option
// buttons, and the window's activation closes the menus.
class TestMenusFenetre : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void choixMethode_data();
    void choixMethode();
    void optionDeplaceLaCoche();
    void activationFermeLesMenus();
    void retirerSurvol();

private:
    QWidget *ouvrir(int titre);

    vestrel::Principale *m_fenetre = nullptr;
};

void TestMenusFenetre::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void TestMenusFenetre::init()
{
    m_fenetre = new vestrel::Principale;
    m_fenetre->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_fenetre));
}

void TestMenusFenetre::cleanup()
{
    delete m_fenetre;
    m_fenetre = nullptr;
}

QWidget *TestMenusFenetre::ouvrir(int titre)
{
    static const char *const Noms[] = {"Mnu_File", "Mnu_Select", "Mnu_Apropos"};
    // The title acts on the press; the release leaves no button held down
    // for the moves that follow.
    QWidget *t = enfant(m_fenetre, QStringLiteral("MNU(%1)").arg(titre));
    QTest::mousePress(t, Qt::LeftButton);
    QTest::mouseRelease(t, Qt::LeftButton);
    QWidget *m = menu(Noms[titre]);
    if (m && !QTest::qWaitForWindowExposed(m))
        return nullptr;
    return m;
}

void TestMenusFenetre::choixMethode_data()
{
    QTest::addColumn<int>("methode");
    QTest::addColumn<int>("hauteur"); // twips
    QTest::newRow(" Barre outil") << 1 << 8950;
    QTest::newRow(" Libre") << 2 << 5650;
}

void TestMenusFenetre::choixMethode()
{
    QFETCH(int, methode);
    QFETCH(int, hauteur);

    QWidget *select = ouvrir(1);
    QVERIFY(select && select->isVisible());
    // At start the mark is on " Popup".
    const QPixmap coche = enfant<QLabel>(select, QStringLiteral("PIC"))->pixmap();
    QCOMPARE(enfant<QLabel>(select, QStringLiteral("Pict(0)"))->pixmap().cacheKey(),
             coche.cacheKey());

    QTest::mouseClick(enfant(select, QStringLiteral("Mnu_Select_1(%1)").arg(methode)),
                      Qt::LeftButton, {}, QPoint(3, 3));

    QVERIFY(!select->isVisible());
    // The option button's handling switched the method.
    QCOMPARE(int(m_fenetre->etat().Methode_Selection), methode);
    QCOMPARE(m_fenetre->height(), twips(hauteur));
    QCOMPARE(enfant(m_fenetre, QStringLiteral("Toolbars"))->isVisible(), methode == 1);
    QCOMPARE(enfant(m_fenetre, QStringLiteral("Quelconque"))->isVisible(), methode == 2);
    for (int k = 0; k < 3; ++k) {
        auto *option = enfant<QRadioButton>(m_fenetre, QStringLiteral("Ch_opt(%1)").arg(k));
        QCOMPARE(option->isChecked(), k == methode);
        const QPixmap icone = enfant<QLabel>(select, QStringLiteral("Pict(%1)").arg(k))->pixmap();
        QCOMPARE(icone.cacheKey() == coche.cacheKey(), k == methode);
    }
    // Back to " Popup" through the menu.
    QVERIFY(ouvrir(1));
    QTest::mouseClick(enfant(select, QStringLiteral("Pict(0)")), Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(enfant<QRadioButton>(m_fenetre, QStringLiteral("Ch_opt(0)"))->isChecked());
    QCOMPARE(int(m_fenetre->etat().Methode_Selection), 0);
    QCOMPARE(m_fenetre->height(), twips(5650));
}

void TestMenusFenetre::optionDeplaceLaCoche()
{
    // A click on an option button moves the mark of the Selection menu too.
    QTest::mouseClick(enfant(m_fenetre, QStringLiteral("Ch_opt(2)")), Qt::LeftButton);
    QWidget *select = menu("Mnu_Select");
    const QPixmap coche = enfant<QLabel>(select, QStringLiteral("PIC"))->pixmap();
    QCOMPARE(enfant<QLabel>(select, QStringLiteral("Pict(2)"))->pixmap().cacheKey(),
             coche.cacheKey());
    QVERIFY(enfant<QLabel>(select, QStringLiteral("Pict(0)"))->pixmap().isNull());
}

void TestMenusFenetre::activationFermeLesMenus()
{
    QWidget *select = ouvrir(1);
    QVERIFY(select && select->isVisible());
    survoler(enfant(m_fenetre, QStringLiteral("MNU(1)")), QPoint(3, 3));
    auto *calcul = enfant<Cellule>(m_fenetre, QStringLiteral("Calcul"));
    calcul->setBackColor(couleurs::Survol);
    QVERIFY(QApplication::activeWindow() != m_fenetre);

    m_fenetre->activateWindow();
    QTRY_VERIFY_WITH_TIMEOUT(!select->isVisible(), 1000);
    QVERIFY(!enfant(m_fenetre, QStringLiteral("Selection"))->isVisible());
    QCOMPARE(calcul->backColor(), couleurs::Blanc);
}

void TestMenusFenetre::retirerSurvol()
{
    for (int i = 0; i < 3; ++i)
        survoler(enfant(m_fenetre, QStringLiteral("MNU(%1)").arg(i)), QPoint(2, 2));
    // Passing straight from title to title leaves the earlier ones lit ...
    QCOMPARE(enfant<Cellule>(m_fenetre, QStringLiteral("MNU(0)"))->backColor(), couleurs::Survol);
    // ... until the pointer crosses the window background.
    survoler(m_fenetre, QPoint(m_fenetre->width() - 10, 15));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(enfant<Cellule>(m_fenetre, QStringLiteral("MNU(%1)").arg(i))->backColor(),
                 couleurs::Gris);
    QVERIFY(!enfant(m_fenetre, QStringLiteral("Selection"))->isVisible());
}

QTEST_MAIN(TestMenusFenetre)
#include "test_menus_fenetre.moc"
