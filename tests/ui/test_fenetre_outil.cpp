// The base of the tool windows: where it places a window beside the main
// window (on the small and the large screen of the test screens, at every
// scale factor the suite runs), Escape, and closing that only hides.
#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/fenetre_outil.h"
#include "ui/menu_deroulant.h"
#include "ui/menus.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QtTest>

using vestrel::FenetreOutil;
using vestrel::placerOutil;

namespace {

// The smallest tool window there is: a box to hold the focus.
class Essai : public FenetreOutil
{
public:
    Essai(QWidget *principale, Suivi suivi, QSize taille)
        : FenetreOutil(principale, QStringLiteral("Essai"), QStringLiteral("Essai"), suivi)
    {
        resize(taille);
        auto *boite = new QLineEdit(this);
        boite->setObjectName(QStringLiteral("Boite"));
        boite->setGeometry(10, 10, 100, 24);
    }
    int preparations = 0;
    int actualisations = 0;

protected:
    void preparer(const vestrel::VuePrincipale &) override { ++preparations; }
    void actualiser(const vestrel::VuePrincipale &) override { ++actualisations; }
};

QScreen *ecranNomme(const QString &nom)
{
    for (QScreen *e : QGuiApplication::screens())
        if (e->name() == nom)
            return e;
    return nullptr;
}

QString texte(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

class TestFenetreOutil : public QObject
{
    Q_OBJECT

private slots:
    void place_data();
    void place();
    void surLEcranDeLaPrincipale_data();
    void surLEcranDeLaPrincipale();
    void defileSiTropGrande_data();
    void defileSiTropGrande();
    void echapFerme();
    void ouvertureEtSuivi();
    void menuGranditAvecLaTable_data();
    void menuGranditAvecLaTable();
    void listesClaires(); // last: it leaves the Fusion style in force
};

// Screen 0..1366 x 0..768 unless given; main window 370 x 400.
void TestFenetreOutil::place_data()
{
    QTest::addColumn<QRect>("principale");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<QRect>("ecran");
    QTest::addColumn<QList<QRect>>("voisines");
    QTest::addColumn<QPoint>("attendu");
    const QRect petit(0, 0, 1366, 768);
    // 100 + 370 = 470: room on the right at the main window's top.
    QTest::newRow("a droite") << QRect(100, 50, 370, 400) << QSize(560, 400) << petit << QList<QRect>{}
                              << QPoint(470, 50);
    // 900 + 370 + 560 > 1366, 900 - 560 = 340 >= 0: on the left.
    QTest::newRow("a gauche") << QRect(900, 50, 370, 400) << QSize(560, 400) << petit << QList<QRect>{}
                              << QPoint(340, 50);
    // Low on the screen: beside, pulled up so that its bottom is the
    // screen's (768 - 400 = 368).
    QTest::newRow("remonte") << QRect(100, 600, 370, 160) << QSize(560, 400) << petit << QList<QRect>{}
                             << QPoint(470, 368);
    // A 1000 x 300 window beside a centred main window (498..867 x
    // 100..499) fits on neither side, nor below (500 + 300 > 768) nor above
    // (100 < 300): wherever it goes it covers the main window's whole
    // width; at the screen's bottom (768 - 300 = 468) only 32 of its rows,
    // at the top 200. The bottom, at the first place tried across (the
    // right edge pulled in, 1366 - 1000 = 366).
    QTest::newRow("ni a gauche ni a droite") << QRect(498, 100, 370, 400) << QSize(1000, 300) << petit
                                             << QList<QRect>{} << QPoint(366, 468);
    // The same 1000 x 300 window with the main window near the top: below
    // it (420 + 300 <= 768), left-aligned with it and pulled in (366).
    QTest::newRow("dessous") << QRect(498, 20, 370, 400) << QSize(1000, 300) << petit << QList<QRect>{}
                             << QPoint(366, 420);
    // The diagram against the main window's right edge: the next window
    // goes against the diagram's right edge (470 + 560 = 1030).
    QTest::newRow("a cote du schema") << QRect(100, 50, 370, 400) << QSize(300, 390) << petit
                                      << QList<QRect>{QRect(470, 50, 560, 400)} << QPoint(1030, 50);
    // No room beyond the diagram (1030 + 600 > 1366): on the main window's
    // left when there is room there (500 - 400 = 100).
    QTest::newRow("schema, puis a gauche") << QRect(500, 50, 370, 400) << QSize(400, 390) << petit
                                           << QList<QRect>{QRect(870, 50, 480, 400)} << QPoint(100, 50);
    // The finder (602 x 415) on a 1366 x 768 screen, the main window
    // centred (498..869 x 195..592), the diagram at the top left corner
    // (0..561 x 0..424): no place leaves the main window free. At the top
    // right (764, 0) it covers 106 x 220 px of the main window and nothing
    // of the diagram; at the top left 104 x 220 of the main window but the
    // whole diagram; at the bottom right 106 x 240.
    QTest::newRow("ecran plein") << QRect(498, 195, 372, 398) << QSize(602, 415) << petit
                                 << QList<QRect>{QRect(0, 0, 562, 425)} << QPoint(764, 0);
    // Larger than the screen: its top left corner at the screen's.
    QTest::newRow("plus grand que l'ecran") << QRect(100, 50, 370, 400) << QSize(1500, 900) << petit
                                            << QList<QRect>{} << QPoint(0, 0);
    // A screen that does not start at 0 (the second screen on the right).
    QTest::newRow("second ecran") << QRect(3500, 100, 370, 400) << QSize(560, 400) << QRect(2560, 0, 1366, 768)
                                  << QList<QRect>{} << QPoint(2940, 100);
}

void TestFenetreOutil::place()
{
    QFETCH(QRect, principale);
    QFETCH(QSize, taille);
    QFETCH(QRect, ecran);
    QFETCH(QList<QRect>, voisines);
    QFETCH(QPoint, attendu);
    const QPoint p = placerOutil(principale, taille, ecran, voisines);
    QCOMPARE(p, attendu);
    if (taille.width() <= ecran.width() && taille.height() <= ecran.height())
        QVERIFY(ecran.contains(QRect(p, taille)));
}

// Real windows on the test screens: wherever the main window lies, the tool
// window opens wholly on the main window's screen, and stays so when the
// main window moves; beside it whenever the screen has room.
void TestFenetreOutil::surLEcranDeLaPrincipale_data()
{
    QTest::addColumn<QString>("ecran");
    QTest::addColumn<double>("x"); // left of the main window, as a share of the free width
    QTest::addColumn<double>("y");
    for (const char *nom : {"Petit", "Large"}) {
        for (const double x : {0.0, 0.5, 1.0}) {
            for (const double y : {0.0, 1.0})
                QTest::addRow("%s %g %g", nom, x, y) << QString::fromLatin1(nom) << x << y;
        }
    }
}

void TestFenetreOutil::surLEcranDeLaPrincipale()
{
    QFETCH(QString, ecran);
    QFETCH(double, x);
    QFETCH(double, y);
    QScreen *e = ecranNomme(ecran);
    QVERIFY(e);
    const QRect zone = e->availableGeometry();

    QWidget principale;
    principale.resize(370, 377);
    principale.move(zone.topLeft());
    principale.show();
    QVERIFY(QTest::qWaitForWindowExposed(&principale));
    const auto placerPrincipale = [&](double fx, double fy) {
        const QSize cadre = principale.frameGeometry().size();
        principale.move(zone.left() + int(fx * (zone.width() - cadre.width())),
                        zone.top() + int(fy * (zone.height() - cadre.height())));
    };
    placerPrincipale(x, y);

    // The diagram's size.
    Essai outil(&principale, FenetreOutil::Suivi::Toujours, QSize(560, 400));
    const vestrel::AjustementAffiche affichage;
    outil.ouvrir({affichage, QStringLiteral("2")});
    QVERIFY(QTest::qWaitForWindowExposed(&outil));
    const auto verifier = [&](const char *quand) {
        const QRect p = principale.frameGeometry();
        const QRect o = outil.frameGeometry();
        QVERIFY2(zone.contains(o), qPrintable(QStringLiteral("%1: %2 off %3").arg(quand, texte(o), texte(zone))));
        const bool placeADroite = p.right() + o.width() <= zone.right();
        const bool placeAGauche = p.left() - o.width() >= zone.left();
        if (placeADroite || placeAGauche)
            QVERIFY2(!o.intersects(p), qPrintable(QStringLiteral("%1: %2 over %3").arg(quand, texte(o), texte(p))));
        if (placeADroite)
            QCOMPARE(o.left(), p.right() + 1);
    };
    verifier("opened");
    // It follows the main window to the other corners of its screen.
    placerPrincipale(1 - x, 1 - y);
    QTRY_VERIFY(zone.contains(outil.frameGeometry()));
    verifier("followed");
    placerPrincipale(0.5, 0.5);
    QTRY_VERIFY(zone.contains(outil.frameGeometry()));
    verifier("followed to the middle");
}

void TestFenetreOutil::defileSiTropGrande_data()
{
    QTest::addColumn<QString>("ecran");
    QTest::addColumn<QSize>("taille");
    for (const char *nom : {"Petit", "Large"}) {
        // Larger than the small screen at every scale, than the large one
        // at scale 2; the diagram's size fits but at scale 2 on the small.
        QTest::addRow("%s 1500x1000", nom) << QString::fromLatin1(nom) << QSize(1500, 1000);
        QTest::addRow("%s 600x1100", nom) << QString::fromLatin1(nom) << QSize(600, 1100);
        QTest::addRow("%s 560x400", nom) << QString::fromLatin1(nom) << QSize(560, 400);
    }
}

// A window of fixed size larger than its screen is no larger than the
// screen: its controls scroll, the farthest one can be scrolled to, and the
// user may resize it. One that fits keeps its size, without scroll area.
void TestFenetreOutil::defileSiTropGrande()
{
    QFETCH(QString, ecran);
    QFETCH(QSize, taille);
    QScreen *e = ecranNomme(ecran);
    QVERIFY(e);
    const QRect zone = e->availableGeometry();
    QWidget principale;
    principale.setGeometry(QRect(zone.topLeft() + QPoint(20, 40), QSize(370, 377)));
    principale.show();
    QVERIFY(QTest::qWaitForWindowExposed(&principale));
    const QMargins cadre(principale.geometry().left() - principale.frameGeometry().left(),
                         principale.geometry().top() - principale.frameGeometry().top(),
                         principale.frameGeometry().right() - principale.geometry().right(),
                         principale.frameGeometry().bottom() - principale.geometry().bottom());

    Essai outil(&principale, FenetreOutil::Suivi::Ouverture, taille);
    outil.setFixedSize(taille);
    // A button: a line edit would be scrolled to its cursor only.
    auto *bas = new QPushButton(QStringLiteral("Bas"), &outil);
    bas->setObjectName(QStringLiteral("Bas"));
    bas->setGeometry(taille.width() - 110, taille.height() - 34, 100, 24);
    auto *liste = new QComboBox(&outil);
    liste->addItems({QStringLiteral("un"), QStringLiteral("deux"), QStringLiteral("trois")});
    liste->setGeometry(10, 100, 100, 24);
    const vestrel::AjustementAffiche affichage;
    outil.ouvrir({affichage, QStringLiteral("2")});
    QVERIFY(QTest::qWaitForWindowExposed(&outil));
    QVERIFY2(zone.contains(outil.frameGeometry()),
             qPrintable(QStringLiteral("%1 off %2").arg(texte(outil.frameGeometry()), texte(zone))));

    const bool tient = zone.size().shrunkBy(cadre).expandedTo(taille) == zone.size().shrunkBy(cadre);
    QCOMPARE(outil.defilement() != nullptr, !tient);
    QCOMPARE(outil.findChild<QScrollArea *>() != nullptr, !tient);
    QCOMPARE(outil.findChild<QPushButton *>(QStringLiteral("Bas")), bas);
    QVERIFY(bas->isVisible());
    QVERIFY(outil.findChild<QLineEdit *>(QStringLiteral("Boite"))->isVisible());
    if (tient) {
        QCOMPARE(outil.size(), taille);
        return;
    }
    QVERIFY(outil.width() < taille.width() || outil.height() < taille.height());
    QVERIFY(outil.minimumSize() != outil.maximumSize());
    // The farthest control, scrolled to, shows wholly.
    QApplication::processEvents();
    outil.defilement()->ensureWidgetVisible(bas);
    const QRect vu(bas->mapTo(&outil, QPoint(0, 0)), bas->size());
    const QRect fenetre = outil.defilement()->viewport()->geometry();
    QVERIFY2(fenetre.contains(vu), qPrintable(texte(vu) + QStringLiteral(" out of ") + texte(fenetre)));

    // The wheel over a list without the focus scrolls, the choice stays.
    if (outil.defilement()->verticalScrollBar()->maximum() == 0)
        return;
    outil.defilement()->verticalScrollBar()->setValue(0);
    outil.defilement()->horizontalScrollBar()->setValue(0);
    QApplication::processEvents();
    const int avant = outil.defilement()->verticalScrollBar()->value();
    const QPoint p = liste->rect().center();
    QWheelEvent roue(p, liste->mapToGlobal(p), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(liste, &roue);
    QCOMPARE(liste->currentIndex(), 0);
    QVERIFY(outil.defilement()->verticalScrollBar()->value() > avant);
}

// Under a dark desktop palette a drop-down list of a tool window opens in
// the program's light palette, as the window itself, in the style that
// desktop themes bring, whose lists take the colours of the menus.
void TestFenetreOutil::listesClaires()
{
    QPalette sombre;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        sombre.setColor(role, QColor(30, 30, 30));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        sombre.setColor(role, QColor(230, 230, 230));
    // A desktop theme gives menus and lists palettes of their own.
    const char *const classes[] = {"QMenu", "QAbstractItemView"};
    const QPalette ancienne = QApplication::palette();
    QList<QPalette> anciennes;
    for (const char *c : classes)
        anciennes << QApplication::palette(c);
    QApplication::setPalette(sombre);
    for (const char *c : classes)
        QApplication::setPalette(sombre, c);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QWidget principale;
    principale.setGeometry(100, 100, 370, 377);
    principale.show();
    Essai outil(&principale, FenetreOutil::Suivi::Ouverture, QSize(300, 200));
    auto *liste = new QComboBox(&outil);
    liste->setObjectName(QStringLiteral("Liste"));
    liste->addItems({QStringLiteral("Acier"), QStringLiteral("Bronze")});
    liste->setGeometry(10, 50, 150, 24);
    const vestrel::AjustementAffiche affichage;
    outil.ouvrir({affichage, QString()});
    QVERIFY(QTest::qWaitForWindowExposed(&outil));
    liste->showPopup();
    QAbstractItemView *vue = outil.findChild<QComboBox *>(QStringLiteral("Liste"))->view();
    QTRY_VERIFY(vue->isVisible());
    const QPalette p = vue->palette();
    const QPalette cadre = vue->window()->palette();
    // As drawn: the item not chosen on a light background, its text dark.
    const QImage image = vue->grab().toImage();
    const QRect item = vue->visualRect(vue->model()->index(1, 0));
    QVERIFY(!item.isEmpty());
    int clairs = 0, sombres = 0;
    for (int x = item.left(); x <= item.right(); ++x) {
        const int l = image.pixelColor(x * image.width() / vue->width(), item.center().y() * image.height() / vue->height()).lightness();
        clairs += l > 200;
        sombres += l < 60;
    }
    liste->hidePopup();
    QApplication::setPalette(ancienne);
    for (int i = 0; i < anciennes.size(); ++i)
        QApplication::setPalette(anciennes[i], classes[i]);
    QCOMPARE(p.color(QPalette::Base), vestrel::couleurs::Blanc);
    QCOMPARE(p.color(QPalette::Text), QColor(Qt::black));
    QCOMPARE(p.color(QPalette::Window), vestrel::couleurs::Gris);
    QCOMPARE(p.color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(cadre.color(QPalette::Window), vestrel::couleurs::Gris);
    QVERIFY2(clairs > item.width() / 2, qPrintable(QStringLiteral("%1 light of %2").arg(clairs).arg(item.width())));
    QVERIFY(sombres > 0);
}

void TestFenetreOutil::echapFerme()
{
    QWidget principale;
    principale.setGeometry(100, 100, 370, 377);
    principale.show();
    auto *outil = new Essai(&principale, FenetreOutil::Suivi::Ouverture, QSize(300, 200));
    QPointer<Essai> garde(outil);
    QSignalSpy ferme(outil, &FenetreOutil::ferme);
    const vestrel::AjustementAffiche affichage;
    outil->ouvrir({affichage, QString()});
    QVERIFY(QTest::qWaitForWindowActive(outil));
    auto *boite = outil->findChild<QLineEdit *>(QStringLiteral("Boite"));
    boite->setFocus();
    QTest::keyClick(boite, Qt::Key_Escape);
    QVERIFY(!outil->isVisible());
    // Hidden, not deleted; the menu hears of it once.
    QVERIFY(garde);
    QCOMPARE(ferme.count(), 1);
    QVERIFY(principale.isVisible());
}

// A hidden window takes the main window's state when it opens; a shown one
// hears of every change, a hidden one of none.
void TestFenetreOutil::ouvertureEtSuivi()
{
    QWidget principale;
    principale.setGeometry(100, 100, 370, 377);
    principale.show();
    Essai outil(&principale, FenetreOutil::Suivi::Ouverture, QSize(300, 200));
    const vestrel::ResultatAjustement resultat;
    const vestrel::VuePrincipale vue{resultat, QStringLiteral("25")};
    outil.resultatsChanges(vue);
    QCOMPARE(outil.actualisations, 0);
    outil.ouvrir(vue);
    QCOMPARE(outil.preparations, 1);
    outil.ouvrir(vue); // already shown: brought forward only
    QCOMPARE(outil.preparations, 1);
    outil.resultatsChanges(vue);
    QCOMPARE(outil.actualisations, 1);
    // Placed at its opening only: the main window's moves leave it.
    const QPoint avant = outil.pos();
    principale.move(150, 120);
    QApplication::processEvents();
    QCOMPARE(outil.pos(), avant);
}

void TestFenetreOutil::menuGranditAvecLaTable_data()
{
    QTest::addColumn<int>("n");
    for (int n : {1, 4, 8})
        QTest::addRow("%d items", n) << n;
}

// The Outils drop-down holds as many items as it is given, one under the
// other, each with its key at its right, all inside the drop-down; the
// last one is chosen with the mouse as the first.
void TestFenetreOutil::menuGranditAvecLaTable()
{
    QFETCH(int, n);
    static const vestrel::ItemOutil Tous[] = {
        {"Schéma des tolérances", "", true},     {"Rechercher un ajustement", "Ctrl+F", false},
        {"Copier l'ajustement", "Ctrl+C", false}, {"Exporter…", "Ctrl+E", false},
        {"Système ISO 286 complet", "", true},    {"Assemblage serré", "Ctrl+Shift+A", false},
        {"Jeu en service", "", false},             {"Tolérances générales", "Ctrl+G", false},
    };
    QWidget fenetre;
    fenetre.resize(400, 300);
    vestrel::BarreMenus barre(&fenetre, std::span(Tous, std::size_t(n)));
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    vestrel::MenuDeroulant *menu = barre.deroulant(vestrel::BarreMenus::Outils);
    QCOMPARE(menu->nombreItems(), n);
    QTest::mousePress(barre.titre(vestrel::BarreMenus::Outils), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    const QRect dedans = menu->rect();
    QRect precedent;
    for (int k = 0; k < n; ++k) {
        vestrel::Cellule *t = menu->texte(k);
        QCOMPARE(t->text(), QString::fromUtf8(Tous[k].texte));
        QVERIFY2(dedans.contains(t->geometry()), qPrintable(texte(t->geometry())));
        QVERIFY(dedans.contains(menu->icone(k)->geometry()));
        // Under the item above it, never over it.
        QVERIFY(t->geometry().top() > precedent.bottom());
        precedent = t->geometry();
        // The caption is not cut.
        QVERIFY(t->fontMetrics().horizontalAdvance(t->text()) <= t->width());
        vestrel::Cellule *touche = menu->raccourci(k);
        QCOMPARE(touche != nullptr, *Tous[k].raccourci != '\0');
        if (!touche)
            continue;
        QVERIFY(dedans.contains(touche->geometry()));
        QVERIFY(touche->geometry().left() > t->geometry().right());
        QCOMPARE(touche->text(), QKeySequence(QString::fromLatin1(Tous[k].raccourci)).toString(QKeySequence::NativeText));
        QVERIFY(touche->fontMetrics().horizontalAdvance(touche->text()) <= touche->width());
        QCOMPARE(touche->font(), t->font());
    }
    QSignalSpy choisi(&barre, &vestrel::BarreMenus::outilChoisi);
    QTest::mouseClick(menu->texte(n - 1), Qt::LeftButton);
    QCOMPARE(choisi.count(), 1);
    QCOMPARE(choisi.at(0).at(0).toInt(), n - 1);
}

QTEST_MAIN(TestFenetreOutil)
#include "test_fenetre_outil.moc"
