#include "calcul/ajustement_affiche.h"
#include "ui/cellule.h"
#include "ui/export.h"
#include "ui/frettage.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace vestrel;

// The press fit window on its own, offscreen, in French: its defaults, the
// materials, the results and verdicts, the finder's range, its accessible
// text and the PDF page.
class TestFrettage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void defauts_data();
    void defauts();
    void suitLeDiametre();
    void changementDeMateriau();
    void nomsDeMateriauxEntiers();
    void verdicts_data();
    void verdicts();
    void chercherLesAjustements();
    void texteAccessible();
    void erreurs_data();
    void erreurs();
    void pagePdf();
    void boitesSansNombre_data();
    void boitesSansNombre();
    void collerGardeLaSaisie_data();
    void collerGardeLaSaisie();
    void libreIncomplet();
    void lissageDeLaLangue_data();
    void lissageDeLaLangue();

private:
    template <class T>
    T *controle(const char *nom) const
    {
        return m_fenetre->findChild<T *>(QLatin1String(nom));
    }
    QLineEdit *boite(const char *nom) const { return controle<QLineEdit>(nom); }
    void saisir(const char *nom, const QString &texte)
    {
        boite(nom)->selectAll();
        QTest::keyClick(boite(nom), Qt::Key_Backspace);
        QTest::keyClicks(boite(nom), texte);
    }
    // The value columns of the result line with that caption.
    QStringList ligne(const QString &libelle) const
    {
        auto *t = controle<QTableWidget>("Fr_Resultats");
        for (int i = 0; i < t->rowCount(); ++i)
            if (t->item(i, 0)->text() == libelle)
                return {t->item(i, 1) ? t->item(i, 1)->text() : QString(),
                        t->item(i, 2) ? t->item(i, 2)->text() : QString()};
        return {};
    }

    std::unique_ptr<Frettage> m_fenetre;
};

void TestFrettage::initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

void TestFrettage::init()
{
    m_fenetre = std::make_unique<Frettage>();
    // 50 H7/u6: U = 45 … 86 µm.
    m_fenetre->montrer(ajustementClasses(50, "H7", "u6"));
    m_fenetre->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_fenetre.get()));
}

void TestFrettage::cleanup() { m_fenetre.reset(); }

void TestFrettage::defauts_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");
    QTest::newRow("hub twice D") << "Fr_Dia_Ext" << "100";
    QTest::newRow("solid shaft") << "Fr_Dia_Int" << "0";
    QTest::newRow("length D") << "Fr_Longueur" << "50";
    QTest::newRow("steel hub E") << "Fr_E_Moyeu" << "210000";
    QTest::newRow("steel shaft nu") << "Fr_Nu_Arbre" << "0,3";
    QTest::newRow("alpha in 1e-6/K") << "Fr_Alpha_Moyeu" << "11";
    QTest::newRow("alpha cooling") << "Fr_Alpha_Froid_Arbre" << "8,5";
    QTest::newRow("Rz hub") << "Fr_Rz_Moyeu" << "4";
    QTest::newRow("Rz shaft") << "Fr_Rz_Arbre" << "4";
    QTest::newRow("friction") << "Fr_Frottement" << "0,12";
    QTest::newRow("press-in friction") << "Fr_Frottement_Emm" << "0,08";
    QTest::newRow("no torque") << "Fr_Couple" << "0";
    QTest::newRow("no force") << "Fr_Effort_Axial" << "0";
    QTest::newRow("20 C") << "Fr_Temp_Moyeu" << "20";
    QTest::newRow("no speed") << "Fr_Vitesse" << "0";
    QTest::newRow("no cooling") << "Fr_Temp_Refroidi" << "";
}

void TestFrettage::defauts()
{
    QFETCH(QString, nom);
    QFETCH(QString, texte);
    QVERIFY2(boite(nom.toLatin1().constData()), qPrintable(nom));
    QCOMPARE(boite(nom.toLatin1().constData())->text(), texte);
    QCOMPARE(m_fenetre->windowTitle(), QStringLiteral("Assemblage serré"));
    QCOMPARE(controle<QComboBox>("Fr_Mat_Moyeu")->currentText(), QStringLiteral("Acier de construction S235"));
    QCOMPARE(controle<QComboBox>("Fr_Mat_Arbre")->currentText(), QStringLiteral("Acier de construction S235"));
    QCOMPARE(controle<QComboBox>("Fr_Lissage")->currentText(), QStringLiteral("0,4 (DIN 7190-1:2017)"));
    // No load: nothing to search for.
    QVERIFY(!controle<Cellule>("Fr_Chercher")->isEnabled());
}

void TestFrettage::suitLeDiametre()
{
    // Q_A = 0.5, K = 5/3 + 0.3 + 0.7 = 2.66667, Z = 41.8 … 82.8 µm:
    // p = 41.8/1000/50 · 210 000/2.66667 = 65.8 … 130.4 MPa.
    QCOMPARE(ligne(QStringLiteral("Pression de contact")),
             QStringList({QStringLiteral("65,8\u00a0MPa"), QStringLiteral("130,4\u00a0MPa")}));
    m_fenetre->montrer(ajustementClasses(25, "H7", "s6"));
    QCOMPARE(boite("Fr_Dia_Ext")->text(), QStringLiteral("50"));
    QCOMPARE(boite("Fr_Longueur")->text(), QStringLiteral("25"));
    QCOMPARE(ligne(QStringLiteral("Serrage avant montage U")),
             QStringList({QStringLiteral("14,0\u00a0µm"), QStringLiteral("48,0\u00a0µm")}));
    // Typed, the hub diameter stays; the length still follows.
    saisir("Fr_Dia_Ext", QStringLiteral("60"));
    m_fenetre->montrer(ajustementClasses(40, "H7", "s6"));
    QCOMPARE(boite("Fr_Dia_Ext")->text(), QStringLiteral("60"));
    QCOMPARE(boite("Fr_Longueur")->text(), QStringLiteral("40"));
}

void TestFrettage::changementDeMateriau()
{
    auto *liste = controle<QComboBox>("Fr_Mat_Moyeu");
    liste->setFocus();
    QTest::keyClicks(liste, QStringLiteral("Alliage d"));
    QCOMPARE(liste->currentText(), QStringLiteral("Alliage d'aluminium EN AW-6082 T6"));
    QCOMPARE(boite("Fr_E_Moyeu")->text(), QStringLiteral("70000"));
    QCOMPARE(boite("Fr_Alpha_Moyeu")->text(), QStringLiteral("23"));
    QCOMPARE(boite("Fr_E_Arbre")->text(), QStringLiteral("210000"));
    // K = 5/3 + 0.3 + (1/3)(1 − 0.3) = 2.2: p min = 41.8/1000/50 · 70 000/2.2 = 26.6
    QCOMPARE(ligne(QStringLiteral("Pression de contact")).value(0), QStringLiteral("26,6\u00a0MPa"));
    // An edited value counts: E of the hub 140 000, K = 5/3 + 0.3 + (2/3)(0.7) = 2.43333,
    // p min = 0.000836 · 140 000/2.43333 = 48.1.
    saisir("Fr_E_Moyeu", QStringLiteral("140000"));
    QCOMPARE(ligne(QStringLiteral("Pression de contact")).value(0), QStringLiteral("48,1\u00a0MPa"));
}

// Every material name, chosen on either part, shows whole: in the box when
// it fits, else in the box's tooltip; and whole in the open list.
void TestFrettage::nomsDeMateriauxEntiers()
{
    for (const char *nom : {"Fr_Mat_Moyeu", "Fr_Mat_Arbre"}) {
        auto *liste = controle<QComboBox>(nom);
        QVERIFY(liste->count() > 1);
        QStyleOptionComboBox option;
        option.initFrom(liste);
        const QRect champ = liste->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, liste);
        for (int i = liste->count() - 1; i >= 0; --i) {
            liste->setCurrentIndex(i);
            const QString texte = liste->currentText();
            const int largeur = liste->fontMetrics().horizontalAdvance(texte);
            if (largeur > champ.width())
                QCOMPARE(liste->toolTip(), texte);
            QVERIFY2(liste->view()->minimumWidth() > largeur, qPrintable(texte));
        }
    }
    // The hub in S355, the shaft in S235.
    controle<QComboBox>("Fr_Mat_Moyeu")->setCurrentIndex(1);
    QCOMPARE(controle<QComboBox>("Fr_Mat_Moyeu")->toolTip(), QStringLiteral("Acier de construction S355"));
    QCOMPARE(controle<QComboBox>("Fr_Mat_Arbre")->toolTip(), QStringLiteral("Acier de construction S235"));
}

void TestFrettage::verdicts_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("mot");
    QTest::addColumn<bool>("mauvais");
    // Transmissible at p min 65.8 MPa: 0.12 · 65.835 · π · 50 · 50 · 0.025 = 1551 N·m.
    QTest::newRow("holds") << "Fr_Couple" << "1000" << "tient" << false;
    QTest::newRow("slips") << "Fr_Couple" << "2000" << "glisse" << true;
    // 130.4 MPa above p_PA = 0.75 · 235/√3 = 101.8: the hub yields.
    QTest::newRow("hub yields") << "Fr_Vitesse" << "0" << "plastification du moyeu" << true;
    // ΔS = 50 · 11e-6 · 130 = 71.5 µm > Z min 41.8.
    QTest::newRow("loose when warm") << "Fr_Temp_Moyeu" << "150" << "se desserre en service" << true;
    // A hub of Re 750 MPa: p_PA = 0.75 · 750/√3 = 324.8, the solid shaft's
    // 2 · 235/√3 = 271.4, both above 130.4.
    QTest::newRow("elastic") << "Fr_Re_Moyeu" << "750" << "élastique" << false;
}

void TestFrettage::verdicts()
{
    QFETCH(QString, nom);
    QFETCH(QString, texte);
    QFETCH(QString, mot);
    QFETCH(bool, mauvais);
    saisir(nom.toLatin1().constData(), texte);
    const QString html = controle<QLabel>("Fr_Verdicts")->text();
    const QString couleur = mauvais ? QStringLiteral("#b00000") : QStringLiteral("#007600");
    QVERIFY2(html.contains(QStringLiteral("color:%1\">%2<").arg(couleur, mot.toHtmlEscaped())), qPrintable(html));
    QVERIFY(m_fenetre->accessibleDescription().contains(mot));
}

void TestFrettage::chercherLesAjustements()
{
    QSignalSpy espion(m_fenetre.get(), &Frettage::chercher);
    saisir("Fr_Couple", QStringLiteral("500"));
    auto *bouton = controle<Cellule>("Fr_Chercher");
    QVERIFY(bouton->isEnabled());
    QTest::mousePress(bouton, Qt::LeftButton);
    QCOMPARE(espion.count(), 1);
    // U_perm = 101.758 · 2.66667 · 50/210 000 · 1000 + 3.2 = 67.81 µm;
    // F = 2 · 500 000/50 = 20 000 N, p_req = 20 000/(0.12 π 50 · 50) = 21.22 MPa,
    // U_req = 21.22 · 2.66667 · 50/210 + 3.2 = 16.67 µm: −0.0678 … −0.0167 mm.
    QCOMPARE(espion.at(0).at(0).toString(), QStringLiteral("50"));
    QCOMPARE(espion.at(0).at(1).toDouble(), -0.0678);
    QCOMPARE(espion.at(0).at(2).toDouble(), -0.0167);
    // A load no fit can hold elastically: the button says nothing.
    saisir("Fr_Couple", QStringLiteral("50000"));
    QVERIFY(!bouton->isEnabled());
    QTest::mousePress(bouton, Qt::LeftButton);
    QCOMPARE(espion.count(), 1);
}

void TestFrettage::texteAccessible()
{
    const QString t = m_fenetre->accessibleDescription();
    for (const char *ligne : {"Pression de contact : 65,8\u00a0MPa (serrage mini) ; 130,4\u00a0MPa (serrage maxi)",
                              "Effort d'emmanchement : 81939\u00a0N (serrage maxi)",
                              "Température de montage du moyeu : 267\u00a0°C",
                              "Verdict : plastification du moyeu",
                              "Lissage des rugosités : k = 0,4 (DIN 7190-1:2017)"})
        QVERIFY2(t.contains(QString::fromUtf8(ligne)), qPrintable(t));
}

void TestFrettage::erreurs_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("message");
    QTest::newRow("length") << "Fr_Longueur" << "0" << "La longueur de l'assemblage doit être positive.";
    QTest::newRow("hub") << "Fr_Dia_Ext" << "40" << "Le diamètre extérieur du moyeu doit être plus grand";
    QTest::newRow("poisson") << "Fr_Nu_Arbre" << "0,5" << "Le coefficient de Poisson de l'arbre";
    QTest::newRow("modulus") << "Fr_E_Moyeu" << "0" << "Le module d'élasticité du moyeu";
}

void TestFrettage::erreurs()
{
    QFETCH(QString, nom);
    QFETCH(QString, texte);
    QFETCH(QString, message);
    saisir(nom.toLatin1().constData(), texte);
    QVERIFY2(controle<QLabel>("Fr_Message")->text().startsWith(message), qPrintable(controle<QLabel>("Fr_Message")->text()));
    QCOMPARE(controle<QTableWidget>("Fr_Resultats")->rowCount(), 0);
    QCOMPARE(controle<QLabel>("Fr_Verdicts")->text(), QString());
    QVERIFY(m_fenetre->accessibleDescription().startsWith(message));
}

void TestFrettage::pagePdf()
{
    saisir("Fr_Couple", QStringLiteral("500"));
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("fiche.pdf"));
    const AjustementAffiche a = ajustementClasses(50, "H7", "u6");
    QCOMPARE(exporter(a, chemin, FormatExport::Pdf, QDateTime(QDate(2026, 12, 8), QTime(12, 0)), nullptr, {m_fenetre->pageExport()}),
             QString());
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("2"), chemin, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitCode(), 0);
    const QString page2 = QString::fromUtf8(p.readAllStandardOutput());
    for (const char *t : {"Assemblage serré", "Ajustement ∅50 H7/u6", "Diamètre extérieur du moyeu (mm) : 100",
                          "Couple à transmettre (N·m) : 500", "Pression de contact : 65,8", "Verdict : tient",
                          "Serrage requis par la charge U_req : 16,7"})
        QVERIFY2(page2.contains(QString::fromUtf8(t)), qPrintable(t + QStringLiteral("\n") + page2));
    // The first page is still the fit sheet alone.
    QProcess p1;
    p1.start(QStringLiteral("pdftotext"), {QStringLiteral("-l"), QStringLiteral("1"), chemin, QStringLiteral("-")});
    QVERIFY(p1.waitForFinished(20000));
    QVERIFY(!QString::fromUtf8(p1.readAllStandardOutput()).contains(QStringLiteral("Pression de contact")));
}

// A box without a number (empty, or a lone "-") is no 0: no result line,
// and the message names the box.
void TestFrettage::boitesSansNombre_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("message");
    // Read as 0 °C, the hub gave a loss of 50 · 11e-6 · (0 − 20) = −11,0 µm.
    QTest::newRow("hub temp empty") << "Fr_Temp_Moyeu" << "" << "Saisissez la température de service du moyeu";
    QTest::newRow("hub temp -") << "Fr_Temp_Moyeu" << "-" << "Saisissez la température de service du moyeu";
    // Read as 0 °C, the shaft cooled gave the hub 252 °C.
    QTest::newRow("cooled -") << "Fr_Temp_Refroidi" << "-"
                              << "Saisissez la température de l'arbre refroidi, ou videz la case";
    QTest::newRow("length") << "Fr_Longueur" << "" << "Saisissez la longueur de l'assemblage";
    QTest::newRow("hub diameter") << "Fr_Dia_Ext" << "," << "Saisissez le diamètre extérieur du moyeu";
    QTest::newRow("shaft E") << "Fr_E_Arbre" << "" << "Saisissez le module E de l'arbre";
    QTest::newRow("Rz hub") << "Fr_Rz_Moyeu" << "." << "Saisissez la rugosité Rz du moyeu";
    QTest::newRow("torque") << "Fr_Couple" << "" << "Saisissez le couple à transmettre (0 = aucun)";
    QTest::newRow("speed") << "Fr_Vitesse" << "" << "Saisissez la vitesse de rotation (0 = arrêt)";
}

void TestFrettage::boitesSansNombre()
{
    QFETCH(QString, nom);
    QFETCH(QString, texte);
    QFETCH(QString, message);
    saisir(nom.toLatin1().constData(), texte);
    QCOMPARE(boite(nom.toLatin1().constData())->text(), texte);
    QCOMPARE(controle<QLabel>("Fr_Message")->text(), message);
    QCOMPARE(controle<QTableWidget>("Fr_Resultats")->rowCount(), 0);
    QCOMPARE(controle<QLabel>("Fr_Verdicts")->text(), QString());
    QVERIFY(!m_fenetre->evaluation().resultat);
    QCOMPARE(m_fenetre->texteResultats(), QStringList{message});
    // An empty cooled-shaft box is the default "non", with results.
    if (nom == QLatin1String("Fr_Temp_Refroidi")) {
        saisir("Fr_Temp_Refroidi", QString());
        QVERIFY(m_fenetre->evaluation().resultat);
        QCOMPARE(controle<QLabel>("Fr_Message")->text(), QString());
    }
}

// A pasted number counts as typed, blanks around it or not: it no longer
// follows the diameter.
void TestFrettage::collerGardeLaSaisie_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("colle");
    QTest::addColumn<QString>("garde");
    QTest::newRow("length, blanks") << "Fr_Longueur" << "  120 " << "120";
    QTest::newRow("length") << "Fr_Longueur" << "120" << "120";
    QTest::newRow("hub, blanks") << "Fr_Dia_Ext" << "  90 " << "90";
    QTest::newRow("hub, leading blank") << "Fr_Dia_Ext" << " 90" << "90";
}

void TestFrettage::collerGardeLaSaisie()
{
    QFETCH(QString, nom);
    QFETCH(QString, colle);
    QFETCH(QString, garde);
    QLineEdit *b = boite(nom.toLatin1().constData());
    QGuiApplication::clipboard()->setText(colle);
    b->setFocus();
    b->selectAll();
    QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(b->text(), garde);
    m_fenetre->montrer(ajustementClasses(40, "H7", "s6"));
    QCOMPARE(b->text(), garde);
    QCOMPARE(nom == QLatin1String("Fr_Longueur") ? m_fenetre->parametres().l_F_mm : m_fenetre->parametres().D_aA_mm,
             garde.toDouble());
}

// "Libre" with a box left empty has no diameter: the automatic hub
// diameter and length keep their last values, and no result shows.
void TestFrettage::libreIncomplet()
{
    AjustementAffiche incomplet;
    incomplet.libre = true;
    m_fenetre->montrer(incomplet);
    QCOMPARE(boite("Fr_Dia_Ext")->text(), QStringLiteral("100"));
    QCOMPARE(boite("Fr_Longueur")->text(), QStringLiteral("50"));
    QCOMPARE(controle<QLabel>("Fr_Message")->text(), QStringLiteral("Complétez la saisie libre"));
    QCOMPARE(controle<QTableWidget>("Fr_Resultats")->rowCount(), 0);
    // Complete again, the sizes follow the bore size.
    m_fenetre->montrer(ajustementLibre(30, 0.021, 0, 30, 0.048, 0.035));
    QCOMPARE(boite("Fr_Dia_Ext")->text(), QStringLiteral("60"));
    QCOMPARE(boite("Fr_Longueur")->text(), QStringLiteral("30"));
    QVERIFY(m_fenetre->evaluation().resultat);
}

// The smoothing factors follow the locale as every box does.
void TestFrettage::lissageDeLaLangue_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("textes");
    QTest::newRow("C") << QLocale::c()
                       << QStringList{"0.4 (DIN 7190-1:2017)", QString::fromUtf8("0.8 (éditions antérieures)")};
    QTest::newRow("fr") << QLocale(QLocale::French, QLocale::France)
                        << QStringList{"0,4 (DIN 7190-1:2017)", QString::fromUtf8("0,8 (éditions antérieures)")};
}

void TestFrettage::lissageDeLaLangue()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, textes);
    QLocale::setDefault(locale);
    Frettage f;
    f.montrer(ajustementClasses(50, "H7", "u6"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto *liste = f.findChild<QComboBox *>(QStringLiteral("Fr_Lissage"));
    QCOMPARE(liste->count(), 2);
    for (int i = 0; i < 2; ++i)
        QCOMPARE(liste->itemText(i), textes[i]);
    QCOMPARE(f.findChild<QLineEdit *>(QStringLiteral("Fr_Frottement"))->text(), locale.toString(0.12));
}

QTEST_MAIN(TestFrettage)
#include "test_frettage.moc"
