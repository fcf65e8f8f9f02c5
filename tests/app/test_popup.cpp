#include "aide.h"

#include "ui/liste_classes.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>

using vestrel::Cote;

namespace {

const QStringList Resultats = {"Af_Ec_Sup_Al", "Af_Ec_Inf_Al", "Af_Ec_Sup_Ar", "Af_Ec_Inf_Ar",
                               "Res_Al_Max",   "Res_Al_Min",   "Res_Ar_Max",   "Res_Ar_Min",
                               "J_Max",        "J_Min",        "Aj_Ale",       "Aj_Arb"};

// What a side without a class leaves empty: its four labels and both
// clearances.
const QStringList CotesVides[] = {
    {"Af_Ec_Sup_Al", "Af_Ec_Inf_Al", "Res_Al_Max", "Res_Al_Min", "J_Max", "J_Min"},
    {"Af_Ec_Sup_Ar", "Af_Ec_Inf_Ar", "Res_Ar_Max", "Res_Ar_Min", "J_Max", "J_Min"},
};

QLineEdit *diametre(const vestrel::Principale &f)
{
    return controle<QLineEdit>(f, "Diametre");
}

// Replaces the diameter by typing, as a user does.
void taper(const vestrel::Principale &f, const QString &texte)
{
    QLineEdit *d = diametre(f);
    d->selectAll();
    QTest::keyClick(d, Qt::Key_Backspace);
    QTest::keyClicks(d, texte);
}

// Types into a class list; '\b' stands for Backspace.
void taperListe(vestrel::ListeClasses *liste, const QString &touches)
{
    for (const QChar c : touches) {
        if (c == QLatin1Char('\b'))
            QTest::keyClick(liste, Qt::Key_Backspace);
        else
            QTest::keyClick(liste, c.toLatin1());
    }
}

QColor fond(const vestrel::ListeClasses *liste)
{
    return liste->lineEdit()->palette().color(QPalette::Base);
}

} // namespace

class TestPopup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void demandeType();
    void changementDiametreVide();
    void choixALaSouris_data();
    void choixALaSouris();
    void plage_data();
    void plage();
    void filtreTouches_data();
    void filtreTouches();
    void filtreToucheEntree();
    void saisieAnticipee_data();
    void saisieAnticipee();
    void saisieFlechesLaissentPrefixe();
    void saisieTouchesSansTexte_data();
    void saisieTouchesSansTexte();
    void couleurs_data();
    void couleurs();
    void coteSansClasseVide();
    void ecartsIntrouvesVides();
    void ecartsDAutreDiametreVides();
    void collage_data();
    void collage();
    void virguleFrancais_data();
    void virguleFrancais();
    void saisieSansClasse();
    void fermetureAvertissement_data();
    void fermetureAvertissement();
};

void TestPopup::demandeType()
{
    vestrel::Principale f;
    taper(f, "25");
    QCOMPARE(f.etat().Dia_Nominal, 25.0);
    for (const QString &nom : Resultats)
        QVERIFY2(texte(f, nom).isEmpty(), qPrintable(nom));
    QCOMPARE(controle<QComboBox>(f, "Aj_Alesage")->currentIndex(), -1);
    QCOMPARE(controle<QComboBox>(f, "Aj_Arbre")->currentText(), QString());
    QVERIFY(f.etat().Cl_Alesage.empty());
    QVERIFY(f.etat().Cl_Arbre.empty());

    choisir(f, "Aj_Alesage", "H7");
    QCOMPARE(f.etat().Cl_Alesage, std::string("H7"));
    QCOMPARE(texte(f, "Af_Ec_Sup_Al"), QString("0.021"));
    QCOMPARE(texte(f, "Af_Ec_Inf_Al"), QString("0"));
    QCOMPARE(texte(f, "Res_Al_Max"), QString("25.021"));
    QCOMPARE(texte(f, "Res_Al_Min"), QString("25"));
    QCOMPARE(texte(f, "J_Max"), QString());

    choisir(f, "Aj_Arbre", "g6");
    QCOMPARE(f.etat().Ec_Sup_Ar, -0.007);
    QCOMPARE(texte(f, "Af_Ec_Sup_Ar"), QString("-0.007"));
    QCOMPARE(texte(f, "Af_Ec_Inf_Ar"), QString("-0.02"));
    QCOMPARE(texte(f, "Res_Ar_Max"), QString("24.993"));
    QCOMPARE(texte(f, "Res_Ar_Min"), QString("24.98"));
    QCOMPARE(texte(f, "J_Max"), QString("0.0410"));
    QCOMPARE(texte(f, "J_Min"), QString("0.0070"));
    QCOMPARE(couleurTexte(f, "J_Max"), QColor(0, 0, 255));
    QCOMPARE(couleurTexte(f, "J_Min"), QColor(0, 0, 255));
}

void TestPopup::changementDiametreVide()
{
    vestrel::Principale f;
    auto *al = controle<QComboBox>(f, "Aj_Alesage");
    diametre(f)->setText("30");
    // Lists rebuilt for 24-30 mm: T7 appears, and no class is chosen for the user.
    QVERIFY(al->findText("T7") >= 0);
    QCOMPARE(al->currentIndex(), -1);
    QVERIFY(f.etat().Cl_Alesage.empty());
    // The deviations of the former fit stay in the state, not on screen.
    QCOMPARE(f.etat().Ec_Sup_Al, 0.01);
    QCOMPARE(texte(f, "Af_Ec_Sup_Al"), QString());
}

void TestPopup::choixALaSouris_data()
{
    QTest::addColumn<QString>("diametre");
    QTest::addColumn<QString>("attendu");
    QTest::addColumn<int>("avertissements");

    QTest::newRow("dans la plage") << "25" << "H8" << 0;
    QTest::newRow("hors plage") << "600" << "H7" << 1;
}

void TestPopup::choixALaSouris()
{
    QFETCH(QString, diametre);
    QFETCH(QString, attendu);
    QFETCH(int, avertissements);

    vestrel::Principale f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    Avertissements vues;
    ::diametre(f)->setText(diametre);
    auto *l = controle<QComboBox>(f, "Aj_Alesage");
    l->showPopup();
    QAbstractItemView *vue = l->view();
    QTRY_VERIFY_WITH_TIMEOUT(vue->isVisible(), 1000);
    const QModelIndex h8 = vue->model()->index(l->findText("H8"), 0);
    vue->scrollTo(h8);
    const QPoint centre = vue->visualRect(h8).center();
    QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, centre);
    QTRY_VERIFY_WITH_TIMEOUT(!vue->isVisible(), 1000);

    QCOMPARE(vues.vues.size(), avertissements);
    QCOMPARE(QString::fromStdString(f.etat().Cl_Alesage), attendu);
    QCOMPARE(l->currentText(), attendu);
}

void TestPopup::plage_data()
{
    QTest::addColumn<QString>("saisi");
    QTest::addColumn<double>("lu");
    QTest::addColumn<QString>("liste");
    QTest::addColumn<bool>("avertit");

    QTest::newRow("1 refuse") << "1" << 1.0 << "Aj_Alesage" << true;
    QTest::newRow("1.001 accepte") << "1.001" << 1.001 << "Aj_Arbre" << false;
    QTest::newRow("500 accepte") << "500" << 500.0 << "Aj_Alesage" << false;
    QTest::newRow("500.5 refuse") << "500.5" << 500.5 << "Aj_Arbre" << true;
    QTest::newRow("vide refuse") << "" << 0.0 << "Aj_Alesage" << true;
    // The second separator is refused as it is typed.
    QTest::newRow("12.5.3 lu 12.53") << "12.5.3" << 12.53 << "Aj_Arbre" << false;
}

void TestPopup::plage()
{
    QFETCH(QString, saisi);
    QFETCH(double, lu);
    QFETCH(QString, liste);
    QFETCH(bool, avertit);

    vestrel::Principale f;
    Avertissements avertissements;
    taper(f, saisi);
    const QString tape = saisi == "12.5.3" ? QString("12.53") : saisi;
    QCOMPARE(diametre(f)->text(), tape);
    QCOMPARE(f.etat().Dia_Nominal, lu);
    // Typing alone never warns: the check waits for the next class choice.
    QVERIFY(avertissements.vues.isEmpty());

    auto *l = controle<QComboBox>(f, liste);
    const QString choisie = l->itemText(0);
    l->setCurrentIndex(0);

    const bool alesage = liste == "Aj_Alesage";
    const std::string &classe = alesage ? f.etat().Cl_Alesage : f.etat().Cl_Arbre;
    if (!avertit) {
        QVERIFY(avertissements.vues.isEmpty());
        QCOMPARE(QString::fromStdString(classe), choisie);
        QCOMPARE(diametre(f)->text(), tape);
        return;
    }
    QCOMPARE(avertissements.vues.size(), 1);
    const Avertissements::Boite &b = avertissements.vues.first();
    QCOMPARE(b.titre, QString("Vestrel"));
    QCOMPARE(b.icone, QMessageBox::Warning);
    QCOMPARE(b.boutons, 1);
    const QStringList lignes = b.texte.split('\n');
    QCOMPARE(lignes.size(), 2);
    QCOMPARE(lignes[0].trimmed(), QString("Le diamètre doit être supérieur"));
    QCOMPARE(lignes[1], QString("à 1 et inférieur ou égal à 500"));

    // The default fit is back; the class chosen for the bad diameter is not applied.
    QCOMPARE(diametre(f)->text(), QString("2"));
    QCOMPARE(f.etat().Dia_Nominal, 2.0);
    QCOMPARE(f.etat().Cl_Alesage, std::string("H7"));
    QCOMPARE(f.etat().Cl_Arbre, std::string("f7"));
    QCOMPARE(controle<QComboBox>(f, "Aj_Alesage")->currentText(), QString("H7"));
    QCOMPARE(controle<QComboBox>(f, "Aj_Arbre")->currentText(), QString("f7"));
    QCOMPARE(texte(f, "Af_Ec_Sup_Al"), QString("0.01"));
    QCOMPARE(texte(f, "Res_Ar_Min"), QString("1.984"));
    QCOMPARE(texte(f, "J_Max"), QString("0.0260"));
    QCOMPARE(texte(f, "J_Min"), QString("0.0060"));
}

void TestPopup::filtreTouches_data()
{
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("attendu");

    QTest::newRow("chiffres et point") << "12.5" << "12.5";
    QTest::newRow("lettres") << "abc" << "";
    // Both decimal separators are typed as they are.
    QTest::newRow("virgule") << "2,5" << "2,5";
    QTest::newRow("moins") << "-3" << "3";
    QTest::newRow("exposant") << "1e5" << "15";
    QTest::newRow("blanc") << " 7 " << "7";
    QTest::newRow("plus") << "+8" << "8";
}

void TestPopup::filtreTouches()
{
    QFETCH(QString, tape);
    QFETCH(QString, attendu);
    vestrel::Principale f;
    taper(f, tape);
    QCOMPARE(diametre(f)->text(), attendu);
}

void TestPopup::filtreToucheEntree()
{
    vestrel::Principale f;
    QLineEdit *d = diametre(f);
    QSignalSpy entree(d, &QLineEdit::returnPressed);
    QTest::keyClick(d, Qt::Key_Return);
    QTest::keyClick(d, Qt::Key_Enter);
    QCOMPARE(entree.count(), 0);

    // Editing keys still work.
    d->setText("123");
    d->setCursorPosition(3);
    QTest::keyClick(d, Qt::Key_Left);
    QTest::keyClick(d, Qt::Key_Backspace);
    QCOMPARE(d->text(), QString("13"));
    QTest::keyClick(d, Qt::Key_Delete);
    QCOMPARE(d->text(), QString("1"));
    QTest::keyClick(d, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(d->selectedText(), QString("1"));
}

void TestPopup::saisieAnticipee_data()
{
    QTest::addColumn<QString>("liste");
    QTest::addColumn<QString>("touches");
    QTest::addColumn<QString>("attendu");
    QTest::addColumn<QString>("prefixe");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<bool>("rouge");

    QTest::newRow("h complete H6") << "Aj_Alesage" << "h" << "H6" << "h" << "6" << false;
    QTest::newRow("h7") << "Aj_Alesage" << "h7" << "H7" << "H7" << "" << false;
    QTest::newRow("js") << "Aj_Alesage" << "js" << "JS9" << "Js" << "9" << false;
    QTest::newRow("etoile") << "Aj_Alesage" << "e11" << "E11*" << "E11" << "*" << false;
    QTest::newRow("retour arriere") << "Aj_Alesage" << "h7\b" << "H6" << "H" << "6" << false;
    QTest::newRow("prefixe vide") << "Aj_Alesage" << "h\b" << "A9" << "" << "A9" << false;
    QTest::newRow("arbre f7") << "Aj_Arbre" << "f7" << "f7" << "f7" << "" << false;
    QTest::newRow("arbre majuscules") << "Aj_Arbre" << "G" << "g5" << "G" << "5" << false;
    QTest::newRow("rien") << "Aj_Alesage" << "q" << "q" << "q" << "" << true;
    QTest::newRow("rien apres classe") << "Aj_Arbre" << "h6x" << "h6x" << "h6x" << "" << true;
    QTest::newRow("rouge puis retour") << "Aj_Alesage" << "q\b" << "A9" << "" << "A9" << false;
}

void TestPopup::saisieAnticipee()
{
    QFETCH(QString, liste);
    QFETCH(QString, touches);
    QFETCH(QString, attendu);
    QFETCH(QString, prefixe);
    QFETCH(QString, selection);
    QFETCH(bool, rouge);

    vestrel::Principale f;
    auto *l = controle<vestrel::ListeClasses>(f, liste);
    const Cote cote = liste == "Aj_Alesage" ? Cote::Alesage : Cote::Arbre;
    const std::string &classe = cote == Cote::Alesage ? f.etat().Cl_Alesage : f.etat().Cl_Arbre;
    l->lineEdit()->selectAll();
    taperListe(l, touches.chopped(1));
    const std::string avant = classe;
    const QString resultatAvant = texte(f, "J_Max");
    taperListe(l, touches.right(1));

    QCOMPARE(l->currentText(), attendu);
    QCOMPARE(f.saisie(cote), prefixe);
    QCOMPARE(l->lineEdit()->selectedText(), selection);
    if (rouge) {
        QCOMPARE(fond(l), QColor(255, 0, 0));
        QCOMPARE(l->currentIndex(), -1);
        // The typed text names no class: the side has none and shows no
        // numbers, nor do the clearances.
        QVERIFY(classe.empty());
        for (const QString &nom : CotesVides[int(cote)])
            QCOMPARE(texte(f, nom), QString());
        Q_UNUSED(avant);
        Q_UNUSED(resultatAvant);
    } else {
        QVERIFY(fond(l) != QColor(255, 0, 0));
        QCOMPARE(QString::fromStdString(classe), attendu);
    }
    // A Return never adds the typed text to the list.
    const int n = l->count();
    QTest::keyClick(l, Qt::Key_Return);
    QCOMPARE(l->count(), n);
}

void TestPopup::saisieFlechesLaissentPrefixe()
{
    vestrel::Principale f;
    auto *l = controle<vestrel::ListeClasses>(f, "Aj_Alesage");
    l->lineEdit()->selectAll();
    taperListe(l, "q");
    QCOMPARE(fond(l), QColor(255, 0, 0));

    l->setCurrentIndex(36);
    QTest::keyClick(l, Qt::Key_Down);
    // The list's own navigation chooses the next class...
    QCOMPARE(l->currentText(), QString("H8"));
    QCOMPARE(f.etat().Cl_Alesage, std::string("H8"));
    QCOMPARE(texte(f, "Af_Ec_Sup_Al"), QString("0.014"));
    // ...and leaves the prefix and the colour alone.
    QCOMPARE(f.saisie(Cote::Alesage), QString("q"));
    QCOMPARE(fond(l), QColor(255, 0, 0));
}

void TestPopup::saisieTouchesSansTexte_data()
{
    QTest::addColumn<int>("touche");

    QTest::newRow("tab") << int(Qt::Key_Tab);
    QTest::newRow("tab arriere") << int(Qt::Key_Backtab);
    QTest::newRow("majuscule") << int(Qt::Key_Shift);
    QTest::newRow("controle") << int(Qt::Key_Control);
    QTest::newRow("debut") << int(Qt::Key_Home);
    QTest::newRow("gauche") << int(Qt::Key_Left);
    QTest::newRow("haut") << int(Qt::Key_Up);
}

void TestPopup::saisieTouchesSansTexte()
{
    QFETCH(int, touche);
    vestrel::Principale f;
    auto *l = controle<vestrel::ListeClasses>(f, "Aj_Alesage");
    // As after a Tab into the list: its whole text is selected.
    l->lineEdit()->selectAll();
    QTest::keyRelease(l, Qt::Key(touche));
    QCOMPARE(l->currentText(), QString("H7"));
    QCOMPARE(f.etat().Cl_Alesage, std::string("H7"));
    QVERIFY(f.saisie(Cote::Alesage).isEmpty());
    QCOMPARE(l->lineEdit()->selectedText(), QString("H7"));
}

void TestPopup::couleurs_data()
{
    QTest::addColumn<QString>("avant");
    QTest::addColumn<QString>("arbre");
    QTest::addColumn<QString>("jeuMax");
    QTest::addColumn<QString>("jeuMin");
    QTest::addColumn<QColor>("couleur");

    // `avant` gives another colour first, so that a colour left as it was fails.
    QTest::newRow("H7/f7 jeu") << "s6" << "f7" << "0.0260" << "0.0060" << QColor(0, 0, 255);
    QTest::newRow("H7/h6 jeu nul") << "s6" << "h6" << "0.0160" << "0.0000" << QColor(0, 0, 255);
    QTest::newRow("H7/s6 serrage") << "f7" << "s6" << "-0.0040" << "-0.0200" << QColor(255, 0, 0);
    QTest::newRow("H7/k6 incertain") << "s6" << "k6" << "0.0100" << "-0.0060" << QColor(0, 0, 0);
}

void TestPopup::couleurs()
{
    QFETCH(QString, avant);
    QFETCH(QString, arbre);
    QFETCH(QString, jeuMax);
    QFETCH(QString, jeuMin);
    QFETCH(QColor, couleur);

    vestrel::Principale f;
    choisir(f, "Aj_Arbre", avant);
    QVERIFY(couleurTexte(f, "J_Max") != couleur);
    choisir(f, "Aj_Arbre", arbre);
    QCOMPARE(texte(f, "J_Max"), jeuMax);
    QCOMPARE(texte(f, "J_Min"), jeuMin);
    QCOMPARE(couleurTexte(f, "J_Max"), couleur);
    QCOMPARE(couleurTexte(f, "J_Min"), couleur);
}

void TestPopup::coteSansClasseVide()
{
    vestrel::Principale f;
    diametre(f)->setText("25");
    // The free calculator leaves its clearances in these labels.
    controle<QLabel>(f, "J_Max")->setText("0.1100");
    controle<QLabel>(f, "J_Min")->setText("0.0900");
    f.Affiche_Alesage();
    f.Affiche_Arbre();
    for (const QString &nom : Resultats)
        QVERIFY2(texte(f, nom).isEmpty(), qPrintable(nom));

    choisir(f, "Aj_Alesage", "H7");
    QCOMPARE(texte(f, "Res_Al_Max"), QString("25.021"));
    for (const char *nom : {"Af_Ec_Sup_Ar", "Af_Ec_Inf_Ar", "Res_Ar_Max", "Res_Ar_Min", "J_Max", "J_Min"})
        QVERIFY2(texte(f, nom).isEmpty(), nom);
}

void TestPopup::ecartsIntrouvesVides()
{
    vestrel::Principale f;
    // T7 has no deviations up to 24 mm: the toolbar can still compose it.
    f.Choisir_Classe(Cote::Alesage, "T7");
    QCOMPARE(f.etat().Cl_Alesage, std::string("T7"));
    QVERIFY(!f.ecartsAJour(Cote::Alesage));
    for (const char *nom : {"Af_Ec_Sup_Al", "Af_Ec_Inf_Al", "Res_Al_Max", "Res_Al_Min", "J_Max", "J_Min"})
        QVERIFY2(texte(f, nom).isEmpty(), nom);
    QCOMPARE(texte(f, "Af_Ec_Sup_Ar"), QString("-0.006"));

    f.Choisir_Classe(Cote::Alesage, "H7");
    QCOMPARE(texte(f, "Af_Ec_Sup_Al"), QString("0.01"));
    QCOMPARE(texte(f, "J_Max"), QString("0.0260"));

    f.Choisir_Classe(Cote::Arbre, "e11");
    for (const char *nom : {"Af_Ec_Sup_Ar", "Res_Ar_Min", "J_Max", "J_Min"})
        QVERIFY2(texte(f, nom).isEmpty(), nom);
    QCOMPARE(texte(f, "Res_Al_Max"), QString("2.01"));
}

void TestPopup::ecartsDAutreDiametreVides()
{
    vestrel::Principale f;
    diametre(f)->setText("25");
    choisir(f, "Aj_Alesage", "H7");
    choisir(f, "Aj_Arbre", "g6");
    QCOMPARE(texte(f, "J_Max"), QString("0.0410"));

    // Outside the list method a new diameter keeps the classes ("Libre":
    // "Barre outil" looks them up again at once).
    QTest::mouseClick(controle<QAbstractButton>(f, "Ch_opt(2)"), Qt::LeftButton);
    QCOMPARE(f.etat().Methode_Selection, 2);
    diametre(f)->setText("30");
    QCOMPARE(f.etat().Cl_Arbre, std::string("g6"));
    f.Affiche_Arbre();
    for (const char *nom : {"Af_Ec_Sup_Ar", "Res_Ar_Max", "Res_Ar_Min", "J_Max", "J_Min"})
        QVERIFY2(texte(f, nom).isEmpty(), nom);

    f.Choisir_Classe(Cote::Alesage, "H7");
    QCOMPARE(texte(f, "Res_Al_Max"), QString("30.021"));
    QVERIFY(texte(f, "J_Max").isEmpty());
    f.Choisir_Classe(Cote::Arbre, "g6");
    QCOMPARE(texte(f, "Res_Ar_Min"), QString("29.98"));
    QCOMPARE(texte(f, "J_Max"), QString("0.0410"));
}

void TestPopup::collage_data()
{
    QTest::addColumn<QString>("colle");
    QTest::addColumn<double>("lu");
    QTest::addColumn<bool>("avertit");

    QTest::newRow("tres long") << QString(100000, '9') << 999999999999999999999999.0 << true;
    // What cannot form a number is refused whole: the box keeps its 25.
    QTest::newRow("exposant") << "1e400" << 25.0 << false;
    QTest::newRow("inf") << "inf" << 25.0 << false;
    QTest::newRow("nan") << "nan" << 25.0 << false;
    QTest::newRow("hexa") << "0x1p9" << 25.0 << false;
    QTest::newRow("blancs et texte") << "  30 mm" << 25.0 << false;
    QTest::newRow("lignes") << "30\n40" << 25.0 << false;
    QTest::newRow("negatif") << "-25" << 25.0 << false;
    QTest::newRow("deux separateurs") << "30,5.5" << 25.0 << false;
    // Blanks around a number go.
    QTest::newRow("blancs") << "  25 " << 25.0 << false;
    QTest::newRow("minuscule") << "0.000000000000000000001" << 1e-21 << true;
}

void TestPopup::collage()
{
    QFETCH(QString, colle);
    QFETCH(double, lu);
    QFETCH(bool, avertit);

    vestrel::Principale f;
    Avertissements avertissements;
    QLineEdit *d = diametre(f);
    d->setText("25");
    QApplication::clipboard()->setText(colle);
    d->selectAll();
    QTest::keyClick(d, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!d->text().isEmpty());
    QVERIFY(d->text().size() <= 24);
    QCOMPARE(f.etat().Dia_Nominal, lu);

    choisir(f, "Aj_Alesage", avertit ? controle<QComboBox>(f, "Aj_Alesage")->itemText(0) : "H7");
    choisir(f, "Aj_Arbre", avertit ? "f7" : "g6");
    QCOMPARE(avertissements.vues.size(), avertit ? 1 : 0);
    for (const QString &nom : Resultats) {
        const QString t = texte(f, nom);
        QVERIFY2(!t.contains("inf") && !t.contains("nan") && !t.contains('e', Qt::CaseInsensitive),
                 qPrintable(nom + ": " + t));
    }
    QCOMPARE(texte(f, "J_Max"), QString(avertit ? "0.0260" : "0.0410"));
}

void TestPopup::virguleFrancais_data()
{
    QTest::addColumn<bool>("colle");
    QTest::newRow("tapee") << false;
    QTest::newRow("collee") << true;
}

// A French user writes 12,5: it is 12.5 mm, not 125 nor 12.
void TestPopup::virguleFrancais()
{
    QFETCH(bool, colle);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    vestrel::Principale f;
    QLineEdit *d = diametre(f);
    if (colle) {
        QApplication::clipboard()->setText(QStringLiteral("12,5"));
        d->selectAll();
        QTest::keyClick(d, Qt::Key_V, Qt::ControlModifier);
    } else {
        taper(f, QStringLiteral("12,5"));
    }
    QCOMPARE(d->text(), QString("12,5"));
    QCOMPARE(f.etat().Dia_Nominal, 12.5);
    choisir(f, "Aj_Alesage", "H7");
    choisir(f, "Aj_Arbre", "g6");
    QCOMPARE(texte(f, "Res_Al_Max"), QString("12,518"));
    QCOMPARE(texte(f, "Res_Ar_Min"), QString("12,483"));
    QCOMPARE(texte(f, "J_Max"), QString("0,0350"));
    QCOMPARE(texte(f, "J_Min"), QString("0,0060"));
}

// At 12 mm "js7" names no bore class: the bore side shows nothing rather
// than the numbers of JS9, picked while "js" was being typed.
void TestPopup::saisieSansClasse()
{
    vestrel::Principale f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    taper(f, QStringLiteral("12"));
    choisir(f, "Aj_Alesage", "H7");
    choisir(f, "Aj_Arbre", "g6");
    auto *l = controle<vestrel::ListeClasses>(f, "Aj_Alesage");
    diametre(f)->setFocus();
    QTest::keyClick(diametre(f), Qt::Key_Tab);
    QVERIFY(l->hasFocus() || l->lineEdit()->hasFocus());

    taperListe(l, "js");
    QVERIFY(f.etat().Cl_Alesage.starts_with("JS"));
    QVERIFY(!texte(f, "J_Max").isEmpty());
    taperListe(l, "7");
    QCOMPARE(l->currentText().toUpper(), QString("JS7"));
    QCOMPARE(fond(l), QColor(255, 0, 0));
    QCOMPARE(f.etat().Cl_Alesage, std::string());
    for (const QString &nom : CotesVides[0])
        QCOMPARE(texte(f, nom), QString());
    // The shaft keeps its class and numbers.
    QCOMPARE(f.etat().Cl_Arbre, std::string("g6"));
    QCOMPARE(texte(f, "Res_Ar_Max"), QString("11.994"));

    // Back to a prefix that names classes: the first of them is shown.
    taperListe(l, "\b");
    QVERIFY(fond(l) != QColor(255, 0, 0));
    QCOMPARE(QString::fromStdString(f.etat().Cl_Alesage), l->currentText());
    QVERIFY(l->currentText().startsWith("JS"));
    QVERIFY(!texte(f, "Res_Al_Max").isEmpty());
    QVERIFY(!texte(f, "J_Max").isEmpty());

    // Nothing again, then a class chosen with the mouse.
    taperListe(l, "q");
    QCOMPARE(f.etat().Cl_Alesage, std::string());
    QCOMPARE(texte(f, "J_Min"), QString());
    choisir(f, "Aj_Alesage", "H7");
    QCOMPARE(texte(f, "Res_Al_Max"), QString("12.018"));
    QCOMPARE(texte(f, "J_Max"), QString("0.0350"));
    QCOMPARE(texte(f, "J_Min"), QString("0.0060"));
}

void TestPopup::fermetureAvertissement_data()
{
    QTest::addColumn<QString>("saisi");
    QTest::addColumn<QString>("liste");
    QTest::addColumn<char>("touche");
    QTest::addColumn<int>("fermeture"); // the key that closes the box, 0: the mouse

    QTest::newRow("0.5 h souris") << "0.5" << "Aj_Alesage" << 'h' << 0;
    QTest::newRow("0.5 h Entree") << "0.5" << "Aj_Alesage" << 'h' << int(Qt::Key_Return);
    QTest::newRow("600 h Entree pave") << "600" << "Aj_Alesage" << 'h' << int(Qt::Key_Enter);
    QTest::newRow("0.5 h Echap") << "0.5" << "Aj_Alesage" << 'h' << int(Qt::Key_Escape);
    QTest::newRow("600 g souris") << "600" << "Aj_Arbre" << 'g' << 0;
    QTest::newRow("600 g Echap") << "600" << "Aj_Arbre" << 'g' << int(Qt::Key_Escape);
    QTest::newRow("0.5 g Entree") << "0.5" << "Aj_Arbre" << 'g' << int(Qt::Key_Return);
}

// However the warning is closed, the default fit comes back: the release of
// the key that closed it lands in the list and must type nothing there.
void TestPopup::fermetureAvertissement()
{
    QFETCH(QString, saisi);
    QFETCH(QString, liste);
    QFETCH(char, touche);
    QFETCH(int, fermeture);

    vestrel::Principale f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    taper(f, saisi);
    auto *l = controle<vestrel::ListeClasses>(f, liste);
    l->setFocus();

    int vues = 0;
    QTimer fermeur;
    fermeur.setInterval(5);
    connect(&fermeur, &QTimer::timeout, &fermeur, [&] {
        auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!boite || !boite->isVisible())
            return;
        ++vues;
        if (fermeture == 0)
            QTest::mouseClick(boite->button(QMessageBox::Ok), Qt::LeftButton);
        else
            QTest::keyPress(boite, Qt::Key(fermeture));
    });
    fermeur.start();
    QTest::keyClick(l, touche);
    fermeur.stop();
    QCOMPARE(vues, 1);
    if (fermeture != 0)
        QTest::keyRelease(l, Qt::Key(fermeture));
    // Validation keys typed into the list afterwards choose nothing either.
    for (const Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(l, k);

    QCOMPARE(diametre(f)->text(), QString("2"));
    QCOMPARE(f.etat().Cl_Alesage, std::string("H7"));
    QCOMPARE(f.etat().Cl_Arbre, std::string("f7"));
    QCOMPARE(controle<QComboBox>(f, "Aj_Alesage")->currentText(), QString("H7"));
    QCOMPARE(controle<QComboBox>(f, "Aj_Arbre")->currentText(), QString("f7"));
    QCOMPARE(texte(f, "J_Max"), QString("0.0260"));
    QCOMPARE(texte(f, "J_Min"), QString("0.0060"));
}

QTEST_MAIN(TestPopup)
#include "test_popup.moc"
