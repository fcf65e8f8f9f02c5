#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/menu_deroulant.h"
#include "ui/menus.h"
#include "ui/twips.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "aide_menus.h"

using namespace vestrel;

namespace {

const char *const NomsMenus[] = {"Mnu_File", "Mnu_Select", "Mnu_Apropos"};

QColor fond(QWidget *w)
{
    return w->property("backColor").value<QColor>();
}

} // namespace

// The menu bar on a bare window the size of the main window: the titles, the
// drop-downs and their items, without the rest of the program.
class TestMenus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void creation();
    void survolAvantPression_data();
    void survolAvantPression();
    void survolApresPression_data();
    void survolApresPression();
    void pressionFermeLesAutres_data();
    void pressionFermeLesAutres();
    void survolItem_data();
    void survolItem();
    void survolTitreEffaceLesItems();
    void choixMethode_data();
    void choixMethode();
    void clicFenetreFermeLeMenu();
    void retirerSurvol();
    void aproposOuvreLaBoite();
    void finDuProgramme_data();
    void finDuProgramme();

private:
    void ouvrirParPression(int titre);

    QWidget *m_fenetre = nullptr;
    BarreMenus *m_menus = nullptr;
};

void TestMenus::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void TestMenus::init()
{
    m_fenetre = new QWidget;
    m_fenetre->setObjectName(QStringLiteral("Principale"));
    m_fenetre->setFixedSize(tailleTwips(5550, 5650));
    m_fenetre->move(200, 150);
    m_menus = new BarreMenus(m_fenetre);
    m_fenetre->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_fenetre));
}

void TestMenus::cleanup()
{
    delete m_fenetre;
    m_fenetre = nullptr;
    m_menus = nullptr;
}

void TestMenus::ouvrirParPression(int titre)
{
    // The title acts on the press; the release leaves no button held down
    // for the moves that follow.
    QTest::mousePress(m_menus->titre(titre), Qt::LeftButton);
    QTest::mouseRelease(m_menus->titre(titre), Qt::LeftButton);
    QWidget *m = menu(NomsMenus[titre]);
    QVERIFY(m);
    QVERIFY(QTest::qWaitForWindowExposed(m));
}

void TestMenus::creation()
{
    // Created at start-up, hidden, as windows of their own without a frame.
    for (const char *nom : NomsMenus) {
        QWidget *m = menu(nom);
        QVERIFY2(m, nom);
        QVERIFY(m->isWindow());
        QVERIFY(!m->isVisible());
        QVERIFY(m->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(m->windowType(), Qt::Tool);
    }
    QCOMPARE(menu("Mnu_Select")->size(), tailleTwips(1750, 1400));
    QVERIFY(!enfant(m_fenetre, QStringLiteral("Selection"))->isVisible());
    QCOMPARE(enfant<QLabel>(menu("Mnu_Select"), QStringLiteral("Mnu_Select_1(1)"))->text(),
             QStringLiteral(" Barre outil"));
    // The start method carries the check mark.
    QWidget *select = menu("Mnu_Select");
    QVERIFY(!enfant<QLabel>(select, QStringLiteral("Pict(0)"))->pixmap().isNull());
    QVERIFY(enfant<QLabel>(select, QStringLiteral("Pict(1)"))->pixmap().isNull());
    QVERIFY(!enfant(select, QStringLiteral("PIC"))->isVisible());
}

void TestMenus::survolAvantPression_data()
{
    QTest::addColumn<int>("titre");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("width");
    QTest::newRow("Fichier") << 0 << 120 << 680;
    QTest::newRow("Selection") << 1 << 860 << 850;
    QTest::newRow("?") << 2 << 2480 << 100;
}

void TestMenus::survolAvantPression()
{
    QFETCH(int, titre);
    QFETCH(int, left);
    QFETCH(int, width);

    Cellule *t = m_menus->titre(titre);
    survoler(t, t->rect().center());
    QCOMPARE(fond(t), couleurs::Survol);
    QWidget *selection = enfant(m_fenetre, QStringLiteral("Selection"));
    QVERIFY(selection->isVisible());
    QCOMPARE(selection->geometry(), rectTwips(left - 50, 10, width + 100, 380));
    // Nothing opens before a title has been pressed.
    for (const char *nom : NomsMenus)
        QVERIFY2(!menu(nom)->isVisible(), nom);
    QVERIFY(!m_menus->menuOuvert());
}

void TestMenus::survolApresPression_data()
{
    QTest::addColumn<int>("presse");
    QTest::addColumn<int>("survole");
    QTest::addColumn<int>("left");
    QTest::newRow("Fichier puis Selection") << 0 << 1 << 860;
    QTest::newRow("? puis Selection") << 2 << 1 << 860;
    QTest::newRow("Selection puis ?") << 1 << 2 << 2480;
    QTest::newRow("Selection puis Fichier") << 1 << 0 << 120;
}

void TestMenus::survolApresPression()
{
    QFETCH(int, presse);
    QFETCH(int, survole);
    QFETCH(int, left);

    ouvrirParPression(presse);
    Cellule *t = m_menus->titre(survole);
    survoler(t, t->rect().center());

    QWidget *ouvert = menu(NomsMenus[survole]);
    QVERIFY(ouvert->isVisible());
    QCOMPARE(ouvert->pos(), m_fenetre->pos() + pointTwips(left, 700));
    for (int i = 0; i < 3; ++i) {
        if (i != survole)
            QVERIFY2(!menu(NomsMenus[i])->isVisible(), NomsMenus[i]);
    }
    // Going straight from one title to the next leaves the first one lit
    // until the pointer crosses the window background.
    if (presse != survole) {
        survoler(m_menus->titre(presse), QPoint(2, 2));
        survoler(t, QPoint(3, 3));
        QCOMPARE(fond(m_menus->titre(presse)), couleurs::Survol);
    }
}

void TestMenus::pressionFermeLesAutres_data()
{
    QTest::addColumn<int>("ouvert");
    QTest::newRow("Mnu_Apropos ouvert") << 2;
    QTest::newRow("Mnu_Select ouvert") << 1;
    QTest::newRow("Mnu_File deja ouvert") << 0;
}

void TestMenus::pressionFermeLesAutres()
{
    QFETCH(int, ouvert);

    ouvrirParPression(ouvert);
    QVERIFY(menu(NomsMenus[ouvert])->isVisible());
    QTest::mousePress(m_menus->titre(0), Qt::LeftButton);

    QWidget *fichier = menu("Mnu_File");
    QVERIFY(fichier->isVisible());
    QCOMPARE(fichier->pos(), m_fenetre->pos() + pointTwips(120, 700));
    QVERIFY(!menu("Mnu_Select")->isVisible());
    QVERIFY(!menu("Mnu_Apropos")->isVisible());
}

void TestMenus::survolItem_data()
{
    QTest::addColumn<QString>("partie");
    QTest::addColumn<int>("item");
    QTest::addColumn<QPoint>("selection"); // twips
    QTest::newRow("texte Popup") << "Mnu_Select_1(0)" << 0 << QPoint(80, 80);
    QTest::newRow("icone Barre outil") << "Pict(1)" << 1 << QPoint(80, 500);
    QTest::newRow("zone Libre") << "Image1(2)" << 2 << QPoint(80, 900);
}

void TestMenus::survolItem()
{
    QFETCH(QString, partie);
    QFETCH(int, item);
    QFETCH(QPoint, selection);

    ouvrirParPression(1);
    QWidget *select = menu("Mnu_Select");
    // Another item hovered first, so that the move has something to clear.
    const int autre = (item + 1) % 3;
    QWidget *texteAutre = enfant(select, QStringLiteral("Mnu_Select_1(%1)").arg(autre));
    survoler(texteAutre, QPoint(3, 3));
    QCOMPARE(fond(texteAutre), couleurs::Survol);

    QWidget *cible = enfant(select, partie);
    QVERIFY(cible);
    // The hit area lies under the icon and the text: aim at its right end.
    survoler(cible, QPoint(cible->width() - 3, cible->height() / 2));

    QWidget *texte = enfant(select, QStringLiteral("Mnu_Select_1(%1)").arg(item));
    QCOMPARE(fond(texte), couleurs::Survol);
    QCOMPARE(fond(enfant(select, QStringLiteral("Pict(%1)").arg(item))), couleurs::Survol);
    QCOMPARE(fond(texteAutre), couleurs::Blanc);
    QCOMPARE(fond(enfant(select, QStringLiteral("Pict(%1)").arg(autre))), couleurs::Gris);
    QWidget *rectangle = enfant(select, QStringLiteral("Selection"));
    QVERIFY(rectangle->isVisible());
    QCOMPARE(rectangle->geometry(),
             rectTwips(selection.x(), selection.y(), 1635, 420));

    // The menu's own background keeps the item lit.
    survoler(select, QPoint(select->width() - 1, select->height() - 1));
    QCOMPARE(fond(texte), couleurs::Survol);
    QVERIFY(rectangle->isVisible());
}

void TestMenus::survolTitreEffaceLesItems()
{
    ouvrirParPression(2);
    QWidget *aide = menu("Mnu_Apropos");
    QWidget *texte = enfant(aide, QStringLiteral("Mnu_apropos_1(0)"));
    survoler(texte, QPoint(3, 3));
    QCOMPARE(fond(texte), couleurs::Survol);

    survoler(m_menus->titre(2), QPoint(2, 2));
    QCOMPARE(fond(texte), couleurs::Blanc);
    QCOMPARE(fond(enfant(aide, QStringLiteral("Pict(0)"))), couleurs::Gris);
    QVERIFY(!enfant(aide, QStringLiteral("Selection"))->isVisible());
}

void TestMenus::choixMethode_data()
{
    QTest::addColumn<int>("methode");
    QTest::addColumn<QString>("partie");
    QTest::newRow("Barre outil, texte") << 1 << "Mnu_Select_1(1)";
    QTest::newRow("Libre, icone") << 2 << "Pict(2)";
    QTest::newRow("Popup, zone") << 0 << "Image1(0)";
}

void TestMenus::choixMethode()
{
    QFETCH(int, methode);
    QFETCH(QString, partie);

    QSignalSpy choix(m_menus, &BarreMenus::methodeChoisie);
    // Start from another method, so that the mark has to move.
    m_menus->cocher(vestrel::methodeIndex((methode + 1) % 3));
    ouvrirParPression(1);
    QWidget *select = menu("Mnu_Select");
    QWidget *cible = enfant(select, partie);
    QTest::mouseClick(cible, Qt::LeftButton, {}, QPoint(cible->width() - 3, 3));

    QCOMPARE(choix.size(), 1);
    QCOMPARE(choix.at(0).at(0).toInt(), methode);
    QVERIFY(!select->isVisible());
    const QPixmap coche = enfant<QLabel>(select, QStringLiteral("PIC"))->pixmap();
    QVERIFY(!coche.isNull());
    for (int k = 0; k < 3; ++k) {
        const QPixmap icone = enfant<QLabel>(select, QStringLiteral("Pict(%1)").arg(k))->pixmap();
        if (k == methode)
            QCOMPARE(icone.cacheKey(), coche.cacheKey());
        else
            QVERIFY2(icone.isNull(), qPrintable(QString::number(k)));
    }

    // Reopened, the menu still shows the mark where it was put.
    ouvrirParPression(1);
    QCOMPARE(enfant<QLabel>(select, QStringLiteral("Pict(%1)").arg(methode))->pixmap().cacheKey(),
             coche.cacheKey());
}

void TestMenus::clicFenetreFermeLeMenu()
{
    ouvrirParPression(1);
    survoler(m_menus->titre(1), QPoint(2, 2));
    QTest::mouseClick(m_fenetre, Qt::LeftButton, {}, QPoint(200, 300));
    QVERIFY(!menu("Mnu_Select")->isVisible());
    QVERIFY(!enfant(m_fenetre, QStringLiteral("Selection"))->isVisible());

    // The activation of the main window closes whatever is open as well.
    ouvrirParPression(2);
    m_menus->masquerMenus();
    QVERIFY(!menu("Mnu_Apropos")->isVisible());
}

void TestMenus::retirerSurvol()
{
    for (int i = 0; i < 3; ++i)
        survoler(m_menus->titre(i), QPoint(2, 2));
    m_menus->retirerSurvol();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(fond(m_menus->titre(i)), couleurs::Gris);
    QVERIFY(!enfant(m_fenetre, QStringLiteral("Selection"))->isVisible());
}

void TestMenus::aproposOuvreLaBoite()
{
    ouvrirParPression(2);
    QString nom;
    QPoint place;
    bool modale = false;
    bool menuVisible = true;
    QPointer<QWidget> boite;
    // The box is modal: inspect it and close it from inside its own loop.
    QTimer::singleShot(0, this, [&] {
        boite = QApplication::activeModalWidget();
        if (!boite)
            return;
        nom = boite->objectName();
        place = boite->pos();
        modale = boite->isModal();
        menuVisible = menu("Mnu_Apropos")->isVisible();
        boite->close();
    });
    // Should the first look miss the box, it is closed all the same.
    QTimer::singleShot(3000, this, [] {
        if (QWidget *w = QApplication::activeModalWidget())
            w->close();
    });
    QWidget *item = enfant(menu("Mnu_Apropos"), QStringLiteral("Mnu_apropos_1(0)"));
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(3, 3));

    QCOMPARE(nom, QStringLiteral("apropos"));
    QVERIFY(modale);
    QVERIFY(!menuVisible);
    QCOMPARE(place, m_fenetre->pos() + pointTwips(180, 1250));
    // Destroyed when closed.
    QVERIFY(boite.isNull());
}

void TestMenus::finDuProgramme_data()
{
    QTest::addColumn<QString>("etape");
    QTest::newRow("Quitter") << "quitter";
    QTest::newRow("fermeture de la fenetre") << "fermer";
}

// Ending the program ends the process, so it runs in a child program.
void TestMenus::finDuProgramme()
{
    QFETCH(QString, etape);
    QProcess enfant;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    enfant.setProcessEnvironment(env);
    enfant.start(QStringLiteral(QUITTER_ENFANT), {etape});
    QVERIFY(enfant.waitForFinished(20000));
    const QByteArray sortie = enfant.readAllStandardOutput();
    QCOMPARE(enfant.exitStatus(), QProcess::NormalExit);
    QCOMPARE(enfant.exitCode(), 0);
    QVERIFY2(sortie.contains("avant"), sortie.constData());
    // Nothing after that step: neither the rest of the caller nor a queued
    // event.
    QVERIFY2(!sortie.contains("apres"), sortie.constData());
    QVERIFY2(!sortie.contains("evenement"), sortie.constData());
}

QTEST_MAIN(TestMenus)
#include "test_menus.moc"
