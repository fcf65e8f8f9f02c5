// The whole ISO 286 system in the main window: the Outils item and its
// check mark, the diameter range and its warning, the lists, the toolbar,
// switching back to the default catalogue and the finder.
#include "aide.h"
#include "tests/fiab/coherence.h"

#include "app/outils.h"
#include "tables/catalogue.h"
#include "tables/classe.h"
#include "ui/barre_outils.h"
#include "ui/cellule.h"
#include "ui/liste_classes.h"
#include "ui/menu_deroulant.h"
#include "ui/recherche.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableView>

using vestrel::Cote;
using vestrel::Principale;
using vestrel::Systeme;

namespace {

constexpr int ItemSysteme = 4;

vestrel::MenuDeroulant *menuOutils(const Principale &f)
{
    return f.findChild<vestrel::MenuDeroulant *>("Mnu_Outils");
}

// Chooses the item with the mouse: the title "Outils", then the item.
void basculer(Principale &f)
{
    QTest::mousePress(controle<vestrel::Cellule>(f, "MNU(3)"), Qt::LeftButton);
    vestrel::MenuDeroulant *menu = menuOutils(f);
    QVERIFY(menu && menu->isVisible());
    auto *item = controle<vestrel::Cellule>(*menu, QStringLiteral("Mnu_Outils_1(%1)").arg(ItemSysteme));
    QVERIFY(item);
    QTest::mousePress(item, Qt::LeftButton);
    QTest::mouseRelease(item, Qt::LeftButton);
}

bool coche(const Principale &f) { return !menuOutils(f)->icone(ItemSysteme)->pixmap().isNull(); }

QStringList items(const Principale &f, const QString &liste)
{
    QStringList l;
    auto *c = controle<QComboBox>(f, liste);
    for (int i = 0; i < c->count(); ++i)
        l << c->itemText(i);
    return l;
}

void taperDiametre(Principale &f, const QString &d)
{
    auto *diametre = controle<QLineEdit>(f, "Diametre");
    diametre->selectAll();
    QTest::keyClicks(diametre, d);
}

void verifierCoherence(const Principale &f)
{
    const QStringList e = fiab::incoherences(f, fiab::Suivi{});
    QVERIFY2(e.isEmpty(), qPrintable(e.join('\n')));
    const QString s = fiab::incoherenceSchema(f);
    QVERIFY2(s.isEmpty(), qPrintable(s));
}

} // namespace

class TestSysteme : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void itemEtCoche();
    void plageEtAvertissement_data();
    void plageEtAvertissement();
    void listes_data();
    void listes();
    void barreAuDelaDe500();
    void cellulesDeLaBarre_data();
    void cellulesDeLaBarre();
    void retourAuCatalogue_data();
    void retourAuCatalogue();
    void rechercheAppliquee();
    void saisieDevenueClasse_data();
    void saisieDevenueClasse();
};

// Off at start, checked while on, the other items where they were.
void TestSysteme::itemEtCoche()
{
    Principale f;
    f.show();
    QCOMPARE(menuOutils(f)->texte(ItemSysteme)->text(), QString("Système ISO 286 complet"));
    QCOMPARE(f.systeme(), Systeme::Defaut);
    QVERIFY(!coche(f));
    basculer(f);
    QCOMPARE(f.systeme(), Systeme::Complet);
    QVERIFY(coche(f));
    QVERIFY(!menuOutils(f)->isVisible());
    basculer(f);
    QCOMPARE(f.systeme(), Systeme::Defaut);
    QVERIFY(!coche(f));
    // A new window starts off: nothing is kept.
    basculer(f);
    Principale g;
    QCOMPARE(g.systeme(), Systeme::Defaut);
    QVERIFY(!coche(g));
}

// The diameter is checked at the next class choice, against the range of
// the catalogue in force; the warning names that range.
void TestSysteme::plageEtAvertissement_data()
{
    QTest::addColumn<bool>("complet");
    QTest::addColumn<bool>("francais");
    QTest::addColumn<QString>("diametre");
    QTest::addColumn<QString>("avertissement"); // empty: none

    const QString defaut = "Le diamètre doit être supérieur\nà 1 et inférieur ou égal à 500";
    const QString complet = "Le diamètre doit être supérieur\nà 0 et inférieur ou égal à 3150";
    QTest::newRow("default 0.5") << false << false << "0.5" << defaut;
    QTest::newRow("default 1") << false << false << "1" << defaut;
    QTest::newRow("default 500") << false << false << "500" << QString();
    QTest::newRow("default 600") << false << false << "600" << defaut;
    QTest::newRow("whole 0.5") << true << false << "0.5" << QString();
    QTest::newRow("whole 600") << true << false << "600" << QString();
    QTest::newRow("whole 3150") << true << false << "3150" << QString();
    QTest::newRow("whole 0") << true << false << "0" << complet;
    QTest::newRow("whole 3150.01") << true << false << "3150.01" << complet;
    QTest::newRow("whole 4000, French") << true << true << "4000" << complet;
    QTest::newRow("whole 3150,5, French") << true << true << "3150,5" << complet;
}

void TestSysteme::plageEtAvertissement()
{
    QFETCH(bool, complet);
    QFETCH(bool, francais);
    QFETCH(QString, diametre);
    QFETCH(QString, avertissement);
    if (francais)
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Principale f;
    Avertissements avertissements;
    f.show();
    if (complet)
        basculer(f);
    taperDiametre(f, diametre);
    choisir(f, "Aj_Alesage", "H8");

    if (avertissement.isEmpty()) {
        QVERIFY(avertissements.vues.isEmpty());
        QCOMPARE(controle<QLineEdit>(f, "Diametre")->text(), diametre);
        QCOMPARE(f.etat().Cl_Alesage, std::string("H8"));
        QVERIFY(!texte(f, "Af_Ec_Sup_Al").isEmpty());
    } else {
        QCOMPARE(avertissements.vues.size(), 1);
        QCOMPARE(avertissements.vues[0].titre, QString("Vestrel"));
        QCOMPARE(avertissements.vues[0].icone, QMessageBox::Warning);
        QCOMPARE(avertissements.vues[0].texte, avertissement);
        // The default fit comes back, in the catalogue in force.
        QCOMPARE(controle<QLineEdit>(f, "Diametre")->text(), QString("2"));
        QCOMPARE(f.etat().Cl_Alesage, std::string("H7"));
        QCOMPARE(f.etat().Cl_Arbre, std::string("f7"));
        QCOMPARE(f.systeme(), complet ? Systeme::Complet : Systeme::Defaut);
    }
    verifierCoherence(f);
}

// The lists of the whole system at a diameter: classes that must be there
// and classes the standard does not define there, by its restrictions.
void TestSysteme::listes_data()
{
    QTest::addColumn<QString>("diametre");
    QTest::addColumn<QStringList>("presentes");
    QTest::addColumn<QStringList>("absentes");
    QTest::addColumn<QString>("premiereAlesage");
    QTest::addColumn<QString>("premiereArbre");

    // Up to 1 mm: no A, B, N9 and above, no IT14 .. IT18; IT01 and CD are.
    QTest::newRow("0.5") << "0.5" << QStringList{"H01", "h0", "JS1", "k4", "CD5", "ef3", "H13", "C8"}
                         << QStringList{"A9", "b9", "H14", "h18", "T7", "v6", "Y6", "N9"} << "C"
                         << "c";
    // Every default class offered at 2 mm stays, with the new ones.
    QTest::newRow("2") << "2" << QStringList{"H7", "f7", "E11*", "c12*", "A9", "H01", "fg4", "JS1", "h18"}
                       << QStringList{"T7", "t6", "V7", "y6"} << "A" << "a";
    // Above 500 mm only D .. U and d .. u, from IT1 up; no IT01 and IT0.
    QTest::newRow("600") << "600" << QStringList{"H7", "g6", "H1", "h3", "D8", "U7", "u7", "R7"}
                         << QStringList{"C11", "c11", "V7", "ZC11", "H01", "h0", "CD7", "E11"} << "D"
                         << "d";
    QTest::newRow("3150") << "3150" << QStringList{"H7", "g6", "H18", "d18", "u7"}
                          << QStringList{"H01", "H0", "x8", "A11"} << "D" << "d";
}

void TestSysteme::listes()
{
    QFETCH(QString, diametre);
    QFETCH(QStringList, presentes);
    QFETCH(QStringList, absentes);
    QFETCH(QString, premiereAlesage);
    QFETCH(QString, premiereArbre);
    Principale f;
    Avertissements avertissements;
    f.show();
    taperDiametre(f, diametre);
    const QStringList defautAl = items(f, "Aj_Alesage");
    const QStringList defautAr = items(f, "Aj_Arbre");
    basculer(f);
    taperDiametre(f, diametre);
    const QStringList al = items(f, "Aj_Alesage");
    const QStringList ar = items(f, "Aj_Arbre");
    for (const QString &c : presentes)
        QVERIFY2((c.at(0).isUpper() ? al : ar).contains(c), qPrintable(c));
    for (const QString &c : absentes)
        QVERIFY2(!(c.at(0).isUpper() ? al : ar).contains(c), qPrintable(c));
    // The first letter offered (without its grade).
    QCOMPARE(QString(al.first()).remove(QRegularExpression("[0-9*]")), premiereAlesage);
    QCOMPARE(QString(ar.first()).remove(QRegularExpression("[0-9*]")), premiereArbre);

    // By letter in the standard's order, then by grade 01, 0, 1 .. 18.
    for (const auto &[cote, liste] : {std::pair{Cote::Alesage, al}, std::pair{Cote::Arbre, ar}}) {
        std::pair<int, int> avant{-1, -2};
        for (const QString &c : liste) {
            const auto d = vestrel::decomposerClasse(cote, c.toStdString(), Systeme::Complet);
            QVERIFY2(d, qPrintable(c));
            const std::pair<int, int> cle{d->lettre, d->grade};
            QVERIFY2(cle > avant, qPrintable(c));
            avant = cle;
        }
    }
    // The default catalogue's classes offered here, where it has a range.
    if (diametre == "2") {
        for (const QString &c : defautAl)
            QVERIFY2(al.contains(c), qPrintable(c));
        for (const QString &c : defautAr)
            QVERIFY2(ar.contains(c), qPrintable(c));
        QVERIFY(al.size() > defautAl.size() && ar.size() > defautAr.size());
    }
    QVERIFY(avertissements.vues.isEmpty());
}

// H7/g6 at 600 mm composed on the toolbar. By hand, step 500 .. 630:
// IT7 = 70 um, IT6 = 44 um, g: es = -22 um, so ei = -66 um; clearances
// 0.070 + 0.066 = 0.1360 and 0 + 0.022 = 0.0220.
void TestSysteme::barreAuDelaDe500()
{
    Principale f;
    Avertissements avertissements;
    f.show();
    basculer(f);
    controle<QRadioButton>(f, "Ch_opt(1)")->setChecked(true);
    taperDiametre(f, "600");

    QTest::mousePress(cellule(f, "Lbl_TB_Cl_Al", "H"), Qt::LeftButton);
    // IT01 and IT0 stop at 500 mm: H1 is the smallest grade, preselected.
    QVERIFY(!cellule(f, "Lbl_TB_Ql_Al", "01")->isEnabled());
    QVERIFY(!cellule(f, "Lbl_TB_Ql_Al", "0")->isEnabled());
    QVERIFY(cellule(f, "Lbl_TB_Ql_Al", "1")->isEnabled());
    QVERIFY(cellule(f, "Lbl_TB_Ql_Al", "18")->isEnabled());
    QCOMPARE(texte(f, "Aj_Ale"), QString("H1"));
    QTest::mousePress(cellule(f, "Lbl_TB_Ql_Al", "7"), Qt::LeftButton);
    QTest::mousePress(cellule(f, "Lbl_TB_Cl_Ar", "g"), Qt::LeftButton);
    QTest::mousePress(cellule(f, "Lbl_TB_Ql_Ar", "6"), Qt::LeftButton);

    QCOMPARE(texte(f, "Aj_Ale"), QString("H7"));
    QCOMPARE(texte(f, "Aj_Arb"), QString("g6"));
    QCOMPARE(texte(f, "Af_Ec_Sup_Al"), QString("0.07"));
    QCOMPARE(texte(f, "Af_Ec_Inf_Al"), QString("0"));
    QCOMPARE(texte(f, "Af_Ec_Sup_Ar"), QString("-0.022"));
    QCOMPARE(texte(f, "Af_Ec_Inf_Ar"), QString("-0.066"));
    QCOMPARE(texte(f, "J_Max"), QString("0.1360"));
    QCOMPARE(texte(f, "J_Min"), QString("0.0220"));
    // No letter beyond U above 500 mm: V has no grade there.
    QTest::mousePress(cellule(f, "Lbl_TB_Cl_Al", "V"), Qt::LeftButton);
    for (vestrel::Cellule *c : f.findChildren<vestrel::Cellule *>())
        if (c->objectName().startsWith("Lbl_TB_Ql_Al("))
            QVERIFY2(!c->isEnabled(), qPrintable(c->text()));
    QVERIFY(avertissements.vues.isEmpty());
    verifierCoherence(f);
}

// Every letter and grade of both catalogues has a cell of its own, inside
// the toolbar, which lies above the results, wholly in the window.
void TestSysteme::cellulesDeLaBarre_data()
{
    QTest::addColumn<bool>("complet");
    QTest::newRow("default") << false;
    QTest::newRow("whole system") << true;
}

void TestSysteme::cellulesDeLaBarre()
{
    QFETCH(bool, complet);
    Principale f;
    f.show();
    controle<QRadioButton>(f, "Ch_opt(1)")->setChecked(true);
    const int hauteurDefaut = f.height();
    if (complet)
        basculer(f);
    const Systeme s = complet ? Systeme::Complet : Systeme::Defaut;
    auto *barre = controle<vestrel::BarreOutils>(f, "Toolbars");
    QList<QRect> places;
    for (const Cote cote : {Cote::Alesage, Cote::Arbre}) {
        const bool al = cote == Cote::Alesage;
        const auto lettres = vestrel::lettres(cote, s);
        QCOMPARE(barre->rangee(cote, vestrel::BarreOutils::Rang::Lettre).size(), qsizetype(lettres.size()));
        QCOMPARE(barre->rangee(cote, vestrel::BarreOutils::Rang::Grade).size(),
                 qsizetype(complet ? 20 : (al ? 13 : 14)));
        for (const std::string_view l : lettres)
            QVERIFY(cellule(f, al ? "Lbl_TB_Cl_Al" : "Lbl_TB_Cl_Ar", QString::fromUtf8(l.data(), l.size())));
        if (complet) {
            QCOMPARE(cellule(f, al ? "Lbl_TB_Ql_Al" : "Lbl_TB_Ql_Ar", "01")->objectName(),
                     QString(al ? "Lbl_TB_Ql_Al(0)" : "Lbl_TB_Ql_Ar(0)"));
            QVERIFY(cellule(f, al ? "Lbl_TB_Cl_Al" : "Lbl_TB_Cl_Ar", al ? "CD" : "fg"));
        }
        for (const auto rang : {vestrel::BarreOutils::Rang::Lettre, vestrel::BarreOutils::Rang::Grade})
            for (const vestrel::Cellule *c : barre->rangee(cote, rang)) {
                QVERIFY(c->isVisible());
                QVERIFY(barre->rect().contains(c->geometry()));
                for (const QRect &r : places)
                    QVERIFY2(!r.intersects(c->geometry()), qPrintable(c->objectName()));
                places << c->geometry();
            }
    }
    const QWidget *resultats = controle<QWidget>(f, "Frame2");
    QVERIFY(barre->geometry().bottom() < resultats->geometry().top());
    QVERIFY(f.rect().contains(resultats->geometry()));
    QCOMPARE(f.height() > hauteurDefaut, complet);
    // Back to the default catalogue, the window and the toolbar too.
    if (complet) {
        basculer(f);
        QCOMPARE(f.height(), hauteurDefaut);
        QCOMPARE(barre->rangee(Cote::Alesage, vestrel::BarreOutils::Rang::Grade).size(), 13);
    }
}

// Switching on keeps the fit; switching off keeps it when the default
// catalogue has it, else shows the default fit without a warning.
void TestSysteme::retourAuCatalogue_data()
{
    QTest::addColumn<int>("methode");
    QTest::addColumn<QString>("diametre");
    QTest::addColumn<QString>("alesage");
    QTest::addColumn<QString>("arbre");
    QTest::addColumn<bool>("retabli");

    QTest::newRow("600 H7/g6, Popup") << 0 << "600" << "H7" << "g6" << true;
    QTest::newRow("600 H7/g6, Barre outil") << 1 << "600" << "H7" << "g6" << true;
    QTest::newRow("0.5 H7/h6, Popup") << 0 << "0.5" << "H7" << "h6" << true;
    QTest::newRow("25 H7/h3, Popup") << 0 << "25" << "H7" << "h3" << true;
    QTest::newRow("25 JS1/g6, Barre outil") << 1 << "25" << "JS1" << "g6" << true;
    // zc10 is a default class, but the default catalogue has none at 450 mm.
    QTest::newRow("450 H7/zc10, Popup") << 0 << "450" << "H7" << "zc10" << true;
    QTest::newRow("25 H7/g6, Popup") << 0 << "25" << "H7" << "g6" << false;
    QTest::newRow("25 E11*/g6, Barre outil") << 1 << "25" << "E11*" << "g6" << false;
}

void TestSysteme::retourAuCatalogue()
{
    QFETCH(int, methode);
    QFETCH(QString, diametre);
    QFETCH(QString, alesage);
    QFETCH(QString, arbre);
    QFETCH(bool, retabli);
    Principale f;
    Avertissements avertissements;
    f.show();
    if (!retabli) {
        // Switching on keeps the diameter and the classes shown.
        taperDiametre(f, diametre);
        choisir(f, "Aj_Alesage", alesage);
        choisir(f, "Aj_Arbre", arbre);
        const QString jeu = texte(f, "J_Max");
        basculer(f);
        QCOMPARE(controle<QComboBox>(f, "Aj_Alesage")->currentText(), alesage);
        QCOMPARE(controle<QComboBox>(f, "Aj_Arbre")->currentText(), arbre);
        QCOMPARE(texte(f, "J_Max"), jeu);
        verifierCoherence(f);
    } else {
        basculer(f);
        taperDiametre(f, diametre);
        choisir(f, "Aj_Alesage", alesage);
        choisir(f, "Aj_Arbre", arbre);
    }
    controle<QRadioButton>(f, QStringLiteral("Ch_opt(%1)").arg(methode))->setChecked(true);
    const QString jeu = texte(f, "J_Max");
    QVERIFY(!jeu.isEmpty());
    QSignalSpy changes(&f, &Principale::resultatsChanges);

    basculer(f);
    QCOMPARE(f.systeme(), Systeme::Defaut);
    QVERIFY(avertissements.vues.isEmpty());
    QCOMPARE(f.etat().Methode_Selection, methode);
    if (retabli) {
        QCOMPARE(controle<QLineEdit>(f, "Diametre")->text(), QString("2"));
        QCOMPARE(f.etat().Cl_Alesage, std::string("H7"));
        QCOMPARE(f.etat().Cl_Arbre, std::string("f7"));
        // 2 mm H7/f7: IT7 = 10 um, f: es = -6 um, ei = -16 um; 0.010 + 0.016.
        QCOMPARE(texte(f, "J_Max"), QString("0.0260"));
        QCOMPARE(changes.count(), 1);
    } else {
        QCOMPARE(controle<QLineEdit>(f, "Diametre")->text(), diametre);
        QCOMPARE(f.etat().Cl_Alesage, alesage.toStdString());
        QCOMPARE(texte(f, "J_Max"), jeu);
        QCOMPARE(changes.count(), 0);
    }
    if (methode == 1) {
        QCOMPARE(texte(f, "Aj_Ale"), QString::fromStdString(f.etat().Cl_Alesage));
        QCOMPARE(controle<vestrel::BarreOutils>(f, "Toolbars")->classeComposee(Cote::Alesage),
                 QString::fromStdString(f.etat().Cl_Alesage));
    }
    verifierCoherence(f);
    // The lists hold the default catalogue again.
    controle<QRadioButton>(f, "Ch_opt(0)")->setChecked(true);
    QVERIFY(!items(f, "Aj_Alesage").contains("H01"));
}

// The finder searches the whole system and applies a gauge fit the default
// catalogue does not have; it states the whole system's range.
void TestSysteme::rechercheAppliquee()
{
    Principale f;
    Avertissements avertissements;
    f.show();
    basculer(f);
    taperDiametre(f, "5");
    f.outils()->basculerSchema();
    QTest::keyClick(controle<QLineEdit>(f, "Diametre"), Qt::Key_F, Qt::ControlModifier);
    vestrel::Recherche *r = f.outils()->recherche();
    QVERIFY(r && r->isVisible());
    auto *mini = r->findChild<QLineEdit *>("Rech_Jeu_Mini");
    mini->selectAll();
    QTest::keyClicks(mini, "0");
    auto *maxi = r->findChild<QLineEdit *>("Rech_Jeu_Maxi");
    maxi->selectAll();
    QTest::keyClicks(maxi, "0.003");
    auto *table = r->findChild<QTableView *>("Rech_Resultats");
    int ligne = -1;
    QString ajustement;
    for (int i = 0; i < table->model()->rowCount() && ligne < 0; ++i) {
        ajustement = table->model()->index(i, 0).data().toString();
        if (!vestrel::indexClasse(Cote::Alesage, ajustement.section('/', 0, 0).toStdString())
            || !vestrel::indexClasse(Cote::Arbre, ajustement.section('/', 1).toStdString()))
            ligne = i;
    }
    QVERIFY2(ligne >= 0, qPrintable(QString("no fit of the whole system found in %1 rows, first %2, %3")
                                        .arg(table->model()->rowCount())
                                        .arg(table->model()->index(0, 0).data().toString(),
                                             r->findChild<QLabel *>("Rech_Message")->text())));
    table->setCurrentIndex(table->model()->index(ligne, 0));
    QTest::mousePress(r->findChild<vestrel::Cellule *>("Rech_Appliquer"), Qt::LeftButton);
    QCOMPARE(controle<QComboBox>(f, "Aj_Alesage")->currentText() + '/' + controle<QComboBox>(f, "Aj_Arbre")->currentText(),
             ajustement);
    QCOMPARE(texte(f, "J_Max"), table->model()->index(ligne, 1).data().toString());
    QCOMPARE(texte(f, "J_Min"), table->model()->index(ligne, 2).data().toString());
    verifierCoherence(f);
    QVERIFY(avertissements.vues.isEmpty());

    auto *rechDiametre = r->findChild<QLineEdit *>("Rech_Diametre");
    rechDiametre->selectAll();
    QTest::keyClicks(rechDiametre, "3200");
    QCOMPARE(r->findChild<QLabel *>("Rech_Message")->text(),
             QString("Le diamètre doit être supérieur à 0 et inférieur ou égal à 3150"));
    rechDiametre->selectAll();
    QTest::keyClicks(rechDiametre, "600");
    QVERIFY(table->model()->rowCount() > 0);
    // Back to the default catalogue, the open finder follows it.
    basculer(f);
    QCOMPARE(r->findChild<QLabel *>("Rech_Message")->text(),
             QString("Le diamètre doit être supérieur à 1 et inférieur ou égal à 500"));
}

QTEST_MAIN(TestSysteme)
#include "test_systeme.moc"

void TestSysteme::saisieDevenueClasse_data()
{
    QTest::addColumn<QString>("liste");
    QTest::addColumn<QString>("saisie");
    QTest::addColumn<QString>("autre"); // the class chosen on the other side
    QTest::addColumn<QString>("sup");
    QTest::addColumn<QString>("inf");
    QTest::addColumn<QString>("jeuMax");
    QTest::addColumn<QString>("jeuMin");

    // By hand, step 18 .. 30: IT2 = 2.5 um, IT7 = 21 um, IT6 = 13 um.
    // e2: es = -40 um, ei = -42.5 um; with H7 (0 .. +21 um): 0.021 + 0.0425
    // and 0 + 0.040.
    QTest::newRow("e2, shaft") << "Aj_Arbre" << "e2" << "H7" << "-0.04" << "-0.0425" << "0.0635" << "0.0400";
    // d2: es = -65 um, ei = -67.5 um; 0.021 + 0.0675 and 0.065.
    QTest::newRow("d2, shaft") << "Aj_Arbre" << "d2" << "H7" << "-0.065" << "-0.0675" << "0.0885" << "0.0650";
    // E2: EI = +40 um, ES = +42.5 um; g6: es = -7 um, ei = -20 um;
    // 0.0425 + 0.020 and 0.040 + 0.007.
    QTest::newRow("E2, bore") << "Aj_Alesage" << "E2" << "g6" << "0.0425" << "0.04" << "0.0625" << "0.0470";
}

// A text typed into a list that names no class of the default catalogue,
// then the whole system switched on: the side takes the class the list shows,
// with its deviations and the clearances.
void TestSysteme::saisieDevenueClasse()
{
    QFETCH(QString, liste);
    QFETCH(QString, saisie);
    QFETCH(QString, autre);
    QFETCH(QString, sup);
    QFETCH(QString, inf);
    QFETCH(QString, jeuMax);
    QFETCH(QString, jeuMin);
    Principale f;
    Avertissements avertissements;
    f.show();
    taperDiametre(f, "25");
    choisir(f, liste == "Aj_Alesage" ? "Aj_Arbre" : "Aj_Alesage", autre);
    auto *l = controle<vestrel::ListeClasses>(f, liste);
    l->lineEdit()->selectAll();
    for (const QChar c : saisie)
        QTest::keyClick(l, c.toLatin1());
    const Cote cote = liste == "Aj_Alesage" ? Cote::Alesage : Cote::Arbre;
    const QString suffixe = cote == Cote::Alesage ? "Al" : "Ar";
    const auto classe = [&] { return cote == Cote::Alesage ? f.etat().Cl_Alesage : f.etat().Cl_Arbre; };
    QCOMPARE(l->currentText(), saisie);
    QVERIFY(classe().empty()); // no class of the default catalogue
    QCOMPARE(texte(f, "Af_Ec_Sup_" + suffixe), QString());
    QCOMPARE(texte(f, "J_Max"), QString());

    basculer(f);
    QCOMPARE(f.systeme(), Systeme::Complet);
    QCOMPARE(l->currentText(), saisie);
    QCOMPARE(QString::fromStdString(classe()), saisie);
    QCOMPARE(texte(f, "Af_Ec_Sup_" + suffixe), sup);
    QCOMPARE(texte(f, "Af_Ec_Inf_" + suffixe), inf);
    QCOMPARE(texte(f, "J_Max"), jeuMax);
    QCOMPARE(texte(f, "J_Min"), jeuMin);
    verifierCoherence(f);
    QVERIFY(avertissements.vues.isEmpty());
}
