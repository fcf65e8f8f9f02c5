#include "aide.h"

#include "app/disposition.h"
#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QScreen>

using vestrel::Cote;

class TestPrincipale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void demarrageTextes_data();
    void demarrageTextes();
    void demarrageEtat();
    void demarrageListes();
    void demarrageFenetre();
    void demarrageCadres();
    void placement_data();
    void placement();
    void demarrageFrancais();
    void activation();
    void focusDemarrage();
    void dansEcran_data();
    void dansEcran();
    void barreOutilDansEcran();
};

void TestPrincipale::demarrageTextes_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("attendu");

    QTest::newRow("diametre") << "Diametre" << "2";
    QTest::newRow("ES") << "Af_Ec_Sup_Al" << "0.01";
    QTest::newRow("EI") << "Af_Ec_Inf_Al" << "0";
    QTest::newRow("es") << "Af_Ec_Sup_Ar" << "-0.006";
    QTest::newRow("ei") << "Af_Ec_Inf_Ar" << "-0.016";
    QTest::newRow("alesage maxi") << "Res_Al_Max" << "2.01";
    QTest::newRow("alesage mini") << "Res_Al_Min" << "2";
    QTest::newRow("arbre maxi") << "Res_Ar_Max" << "1.994";
    QTest::newRow("arbre mini") << "Res_Ar_Min" << "1.984";
    QTest::newRow("jeu maxi") << "J_Max" << "0.0260";
    QTest::newRow("jeu mini") << "J_Min" << "0.0060";
    QTest::newRow("classe barre alesage") << "Aj_Ale" << "H7";
    QTest::newRow("classe barre arbre") << "Aj_Arb" << "f7";
    QTest::newRow("Dia1") << "Dia1" << "12.3";
    QTest::newRow("Ec_Sup_Dia1") << "Ec_Sup_Dia1" << "0.03";
    QTest::newRow("Ec_Inf_Dia1") << "Ec_Inf_Dia1" << "0.02";
    QTest::newRow("Dia2") << "Dia2" << "12.2";
    QTest::newRow("Ec_Sup_Dia2") << "Ec_Sup_Dia2" << "0.03";
    QTest::newRow("Ec_Inf_Dia2") << "Ec_Inf_Dia2" << "0.02";
    QTest::newRow("Calcul") << "Calcul" << "Calculer";
    QTest::newRow("Label7") << "Label7" << "Alésage maxi :";
    QTest::newRow("Label10") << "Label10" << "Arbre mini :";
    QTest::newRow("Label1") << "Label1" << "Jeu maxi :";
    QTest::newRow("signe") << "Label5" << "∅";
    QTest::newRow("MNU(0)") << "MNU(0)" << "Fichier";
    QTest::newRow("MNU(1)") << "MNU(1)" << "Selection";
    QTest::newRow("MNU(2)") << "MNU(2)" << "?";
    QTest::newRow("recup_curseur") << "recup_curseur" << "";
}

void TestPrincipale::demarrageTextes()
{
    QFETCH(QString, nom);
    QFETCH(QString, attendu);
    vestrel::Principale f;
    QWidget *w = controle(f, nom);
    QVERIFY(w);
    QCOMPARE(w->property("text").toString(), attendu);
}

void TestPrincipale::demarrageEtat()
{
    vestrel::Principale f;
    const vestrel::EtatAjustement &e = f.etat();
    QCOMPARE(e.Dia_Nominal, 2.0);
    QCOMPARE(e.Cl_Alesage, std::string("H7"));
    QCOMPARE(e.Cl_Arbre, std::string("f7"));
    QCOMPARE(e.Ec_Sup_Al, 0.01);
    QCOMPARE(e.Ec_Inf_Al, 0.0);
    QCOMPARE(e.Ec_Sup_Ar, -0.006);
    QCOMPARE(e.Ec_Inf_Ar, -0.016);
    QCOMPARE(e.Methode_Selection, 0);

    const vestrel::ValeursLibres &v = f.valeursLibres();
    QCOMPARE(v.Val_Dia1, 12.3);
    QCOMPARE(v.Val_Ec_Sup_Dia1, 0.03);
    QCOMPARE(v.Val_Ec_Inf_Dia1, 0.02);
    QCOMPARE(v.Val_Dia2, 12.2);
    QCOMPARE(v.Val_Ec_Sup_Dia2, 0.03);
    QCOMPARE(v.Val_Ec_Inf_Dia2, 0.02);
    QVERIFY(f.saisie(Cote::Alesage).isEmpty());
    QVERIFY(f.saisie(Cote::Arbre).isEmpty());

    for (const char *nom : {"J_Max", "J_Min"})
        QCOMPARE(couleurTexte(f, nom), QColor(0, 0, 255));
}

void TestPrincipale::demarrageListes()
{
    vestrel::Principale f;
    auto *al = controle<QComboBox>(f, "Aj_Alesage");
    auto *ar = controle<QComboBox>(f, "Aj_Arbre");
    // The default fit sits at these positions of the lists built for 2 mm.
    QCOMPARE(al->currentIndex(), 36);
    QCOMPARE(al->currentText(), QString("H7"));
    QCOMPARE(ar->currentIndex(), 29);
    QCOMPARE(ar->currentText(), QString("f7"));
    const QString infobulle("Les valeurs suivies d'une étoile ne sont pas comprises dans la norme DIN");
    for (QComboBox *l : {al, ar}) {
        QCOMPARE(l->toolTip(), infobulle);
        QVERIFY(l->isEditable());
        QCOMPARE(l->insertPolicy(), QComboBox::NoInsert);
        QVERIFY(!l->completer());
    }
    // Classes that have no deviations at 2 mm are not offered.
    QCOMPARE(al->findText("H17"), -1);
    QCOMPARE(ar->findText("js17"), -1);
}

void TestPrincipale::demarrageFenetre()
{
    vestrel::Principale f;
    QCOMPARE(f.windowTitle(), QString("Vestrel"));
    QVERIFY(!f.windowIcon().isNull());
    const Qt::WindowFlags drapeaux = f.windowFlags();
    QVERIFY(drapeaux & Qt::WindowCloseButtonHint);
    QVERIFY(!(drapeaux & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(drapeaux & Qt::WindowMaximizeButtonHint));
    const QSize taille = vestrel::tailleTwips(5550, 5650);
    QCOMPARE(f.minimumSize(), taille);
    QCOMPARE(f.maximumSize(), taille);
    QCOMPARE(f.palette().color(QPalette::Window), QColor(224, 224, 224));

    auto *calcul = controle<vestrel::Cellule>(f, "Calcul");
    QVERIFY(calcul);
    QCOMPARE(calcul->backColor(), QColor(255, 255, 255));
    QVERIFY(calcul->alignment() & Qt::AlignHCenter);
    QCOMPARE(calcul->font().pointSizeF(), 12.0);
    QVERIFY(!calcul->font().bold());
    QCOMPARE(controle<QLineEdit>(f, "Diametre")->font().pointSizeF(), 7.8);
    QVERIFY(controle<QRadioButton>(f, "Ch_opt(0)")->font().bold());
}

void TestPrincipale::demarrageCadres()
{
    vestrel::Principale f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QVERIFY(controle<QRadioButton>(f, "Ch_opt(0)")->isChecked());
    QVERIFY(!controle<QRadioButton>(f, "Ch_opt(1)")->isChecked());
    QVERIFY(!controle<QRadioButton>(f, "Ch_opt(2)")->isChecked());
    for (const char *nom : {"Popup", "Frame2", "Frame3", "Aj_Alesage", "Aj_Arbre", "MNU(0)"})
        QVERIFY2(controle(f, nom)->isVisible(), nom);
    for (const char *nom : {"Quelconque", "Toolbars", "Selection"})
        QVERIFY2(!controle(f, nom)->isVisible(), nom);
    QCOMPARE(controle<QGroupBox>(f, "Popup")->title(), QString("Choix de l'ajustement"));
    QCOMPARE(controle<QGroupBox>(f, "Toolbars")->title(), QString("Choix de l'ajustement"));
    QCOMPARE(controle<QGroupBox>(f, "Frame3")->title(), QString("Méthode de sélection"));
    QCOMPARE(controle<QGroupBox>(f, "Frame2")->title(), QString("Calcul des jeux"));
    QCOMPARE(controle<QGroupBox>(f, "Quelconque")->title(), QString("Quelconque"));
}

void TestPrincipale::placement_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("conteneur");
    QTest::addColumn<QRect>("twips");

    QTest::newRow("MNU(1)") << "MNU(1)" << "" << QRect(860, 60, 850, 280);
    QTest::newRow("Frame3") << "Frame3" << "" << QRect(60, 450, 5350, 735);
    QTest::newRow("Ch_opt(2)") << "Ch_opt(2)" << "Frame3" << QRect(3400, 360, 1500, 195);
    QTest::newRow("Diametre") << "Diametre" << "Popup" << QRect(645, 885, 1500, 315);
    QTest::newRow("Aj_Arbre") << "Aj_Arbre" << "Popup" << QRect(2385, 1065, 900, 315);
    QTest::newRow("Af_Ec_Inf_Ar") << "Af_Ec_Inf_Ar" << "Popup" << QRect(3465, 1530, 900, 195);
    QTest::newRow("Ec_Sup_Dia2") << "Ec_Sup_Dia2" << "Quelconque" << QRect(4095, 315, 900, 405);
    QTest::newRow("Calcul") << "Calcul" << "Quelconque" << QRect(2520, 1320, 1455, 465);
    QTest::newRow("Toolbars") << "Toolbars" << "" << QRect(60, 3100, 5350, 3255);
    QTest::newRow("Res_Ar_Min") << "Res_Ar_Min" << "Frame2" << QRect(4305, 720, 900, 195);
    QTest::newRow("J_Min") << "J_Min" << "Frame2" << QRect(2580, 1725, 1995, 195);
    QTest::newRow("recup_curseur") << "recup_curseur" << "" << QRect(3990, 6000, 1170, 330);
}

void TestPrincipale::placement()
{
    QFETCH(QString, nom);
    QFETCH(QString, conteneur);
    QFETCH(QRect, twips);
    vestrel::Principale f;
    QWidget *w = controle(f, nom);
    QVERIFY(w);
    QWidget *parent = conteneur.isEmpty() ? static_cast<QWidget *>(&f) : controle(f, conteneur);
    QCOMPARE(w->parentWidget(), parent);
    QCOMPARE(w->geometry(), vestrel::rectTwips(twips.x(), twips.y(), twips.width(), twips.height()));
}

void TestPrincipale::demarrageFrancais()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    vestrel::Principale f;
    QCOMPARE(texte(f, "Af_Ec_Sup_Al"), QString("0,01"));
    QCOMPARE(texte(f, "Af_Ec_Sup_Ar"), QString("-0,006"));
    QCOMPARE(texte(f, "Res_Ar_Min"), QString("1,984"));
    QCOMPARE(texte(f, "J_Max"), QString("0,0260"));
    QCOMPARE(texte(f, "J_Min"), QString("0,0060"));
    QCOMPARE(couleurTexte(f, "J_Max"), QColor(0, 0, 255));
    QCOMPARE(couleurTexte(f, "J_Min"), QColor(0, 0, 255));
    // The diameter is typed with "." whatever the locale.
    controle<QLineEdit>(f, "Diametre")->setText("25.5");
    QCOMPARE(f.etat().Dia_Nominal, 25.5);
    choisir(f, "Aj_Alesage", "H7");
    QCOMPARE(texte(f, "Res_Al_Max"), QString("25,521"));
}

void TestPrincipale::activation()
{
    vestrel::Principale f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto *selection = controle(f, "Selection");
    auto *calcul = controle<vestrel::Cellule>(f, "Calcul");
    selection->show();
    calcul->setBackColor(vestrel::couleurs::Survol);

    QEvent activee(QEvent::WindowActivate);
    QApplication::sendEvent(&f, &activee);
    QVERIFY(!selection->isVisible());
    QCOMPARE(calcul->backColor(), QColor(255, 255, 255));
    // Activation changes nothing of the fit.
    QCOMPARE(texte(f, "J_Max"), QString("0.0260"));
}

// The first keys typed go to the diameter, and Tab never stops on the
// hidden box that takes the focus from pressed cells.
void TestPrincipale::focusDemarrage()
{
    vestrel::Principale f;
    f.show();
    QApplication::setActiveWindow(&f);
    QTRY_VERIFY_WITH_TIMEOUT(f.isActiveWindow(), 1000);
    auto *diametre = controle<QLineEdit>(f, "Diametre");
    QCOMPARE(QApplication::focusWidget(), diametre);
    QCOMPARE(diametre->selectedText(), QString("2"));
    QTest::keyClicks(diametre, "25");
    QCOMPARE(diametre->text(), QString("25"));
    auto *recup = controle(f, "recup_curseur");
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != recup);
    }
}

void TestPrincipale::dansEcran_data()
{
    QTest::addColumn<QRect>("cadre");
    QTest::addColumn<QRect>("disponible");
    QTest::addColumn<QPoint>("coin");

    const QRect ecran(0, 0, 1366, 740); // a 768 px screen less a bottom panel
    QTest::newRow("already inside") << QRect(400, 100, 380, 600) << ecran << QPoint(400, 100);
    QTest::newRow("bottom past the panel") << QRect(493, 200, 380, 620) << ecran << QPoint(493, 120);
    QTest::newRow("right edge") << QRect(1200, 10, 380, 400) << ecran << QPoint(986, 10);
    QTest::newRow("taller than the screen") << QRect(100, 50, 380, 900) << ecran << QPoint(100, 0);
    QTest::newRow("top panel") << QRect(10, 700, 380, 620) << QRect(0, 30, 1366, 738) << QPoint(10, 148);
}

void TestPrincipale::dansEcran()
{
    QFETCH(QRect, cadre);
    QFETCH(QRect, disponible);
    QFETCH(QPoint, coin);
    QCOMPARE(vestrel::placerDansEcran(cadre, disponible), coin);
}

// The toolbar method makes the window taller: it moves up to stay on the
// screen (the offscreen screen is 800 x 600).
void TestPrincipale::barreOutilDansEcran()
{
    vestrel::Principale f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    controle<QRadioButton>(f, "Ch_opt(1)")->setChecked(true);
    const QRect disponible = f.screen()->availableGeometry();
    QVERIFY2(disponible.contains(f.frameGeometry()),
             qPrintable(QString("%1,%2 %3x%4").arg(f.frameGeometry().x()).arg(f.frameGeometry().y())
                            .arg(f.frameGeometry().width()).arg(f.frameGeometry().height())));
}

QTEST_MAIN(TestPrincipale)
#include "test_principale.moc"
