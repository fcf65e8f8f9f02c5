#include "app/principale.h"
#include "ui/barre_outils.h"
#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/menu_deroulant.h"
#include "ui/menus.h"
#include "ui/twips.h"

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
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
    void clavier_data();
    void clavier();
    void saisieSansMenu();
    void barreSansSurvol();

private:
    QWidget *ouvrir(int titre);
    // Typed into the focused control of the main window: "Alt+S Down Num+Enter".
    void taper(const QString &touches);

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

void TestMenusFenetre::taper(const QString &touches)
{
    for (const QString &t : touches.split(u' ')) {
        const QKeyCombination c = QKeySequence::fromString(t)[0];
        QTest::keyClick(m_fenetre->focusWidget(), c.key(), c.keyboardModifiers());
    }
}

void TestMenusFenetre::clavier_data()
{
    QTest::addColumn<QString>("touches");
    QTest::addColumn<int>("ouvert"); // title of the menu on screen, -1 none
    QTest::addColumn<int>("item");   // item lit, -1 none
    QTest::addColumn<int>("methode");
    QTest::newRow("F10") << "F10" << 0 << -1 << 0;
    QTest::newRow("Alt+S") << "Alt+S" << 1 << -1 << 0;
    QTest::newRow("Alt+O") << "Alt+O" << 3 << -1 << 0;
    QTest::newRow("premier Bas") << "Alt+S Down" << 1 << 0 << 0;
    QTest::newRow("Bas apres le dernier") << "Alt+S Down Down Down Down" << 1 << 0 << 0;
    QTest::newRow("Haut depuis le premier") << "Alt+S Down Up" << 1 << 2 << 0;
    // On screen: Fichier, Selection, Outils, ?
    QTest::newRow("Selection -> Outils") << "Alt+S Down Right" << 3 << -1 << 0;
    QTest::newRow("Outils -> ? -> Fichier") << "Alt+O Right Right" << 0 << -1 << 0;
    QTest::newRow("Fichier <- ?") << "F10 Left" << 2 << -1 << 0;
    QTest::newRow("Entree: Libre") << "Alt+S Up Return" << -1 << -1 << 2;
    QTest::newRow("Entree du pave") << "Alt+S Down Down Num+Enter" << -1 << -1 << 1;
    QTest::newRow("Entree sans item") << "Alt+S Return" << 1 << -1 << 0;
    QTest::newRow("Echap") << "Alt+S Down Escape" << -1 << -1 << 0;
    QTest::newRow("F10 ferme") << "Alt+O F10" << -1 << -1 << 0;
}

void TestMenusFenetre::clavier()
{
    QFETCH(QString, touches);
    QFETCH(int, ouvert);
    QFETCH(int, item);
    QFETCH(int, methode);

    // Hidden drop-downs keep the item the pointer lit last.
    auto *barre = m_fenetre->findChild<BarreMenus *>();
    for (int i = 0; i < 4; ++i)
        barre->deroulant(i)->survolerItem(0);
    taper(touches);

    const int gauches[] = {120, 860, 2480, 1780};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(barre->deroulant(i)->isVisible(), i == ouvert);
        QCOMPARE(barre->titre(i)->backColor(), i == ouvert ? couleurs::Survol : couleurs::Gris);
    }
    QCOMPARE(enfant(m_fenetre, QStringLiteral("Selection"))->isVisible(), ouvert >= 0);
    QVERIFY(enfant<QRadioButton>(m_fenetre, QStringLiteral("Ch_opt(%1)").arg(methode))->isChecked());
    if (ouvert < 0)
        return;
    MenuDeroulant *m = barre->deroulant(ouvert);
    QCOMPARE(m->pos(), m_fenetre->pos() + pointTwips(gauches[ouvert], 700));
    QVERIFY(barre->menuOuvert());
    QWidget *selection = enfant(m, QStringLiteral("Selection"));
    QCOMPARE(selection->isVisible(), item >= 0);
    for (int k = 0; k < m->nombreItems(); ++k)
        QCOMPARE(m->texte(k)->backColor(), k == item ? couleurs::Survol : couleurs::Blanc);
    // The keys give an item the very look the pointer gives it.
    const QRect place = selection->geometry();
    if (item >= 0)
        survoler(m->texte(item), QPoint(3, 3));
    QCOMPARE(selection->geometry(), place);
}

// With no menu open these keys belong to the diameter box; a key the menus
// do not use still types while one is open.
void TestMenusFenetre::saisieSansMenu()
{
    auto *diametre = enfant<QLineEdit>(m_fenetre, QStringLiteral("Diametre"));
    taper(QStringLiteral("2 5 Escape Return Down Up Left 1"));
    QCOMPARE(diametre->text(), QStringLiteral("215"));
    taper(QStringLiteral("Alt+O 0"));
    QCOMPARE(diametre->text(), QStringLiteral("2105"));
    QVERIFY(menu("Mnu_Outils")->isVisible());
}


// The toolbar opened from the keyboard, the pointer left alone: no cell is
// hovered, so no cell has the hover look and no hover frame shows.
void TestMenusFenetre::barreSansSurvol()
{
    taper(QStringLiteral("Alt+S Down Down Return"));
    auto *barre = m_fenetre->findChild<BarreOutils *>();
    QVERIFY(barre->isVisible());
    QVERIFY(!barre->cadreSel()->isVisible());
    for (const Cellule *c : barre->findChildren<Cellule *>())
        QVERIFY2(c->backColor() != couleurs::Survol, qPrintable(c->objectName()));
}

QTEST_MAIN(TestMenusFenetre)
#include "test_menus_fenetre.moc"
