// The window "Jeu en service" wired into the main window: its inputs and
// results, the diagram's drawing in service, the finder's "En service",
// copying and the PDF sheet.
#include "aide.h"

#include "app/outils.h"
#include "calcul/recherche.h"
#include "tables/catalogue.h"
#include "ui/export.h"
#include "ui/menu_deroulant.h"
#include "ui/menus.h"
#include "ui/recherche.h"
#include "ui/schema.h"
#include "ui/service.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLocale>
#include <QMimeData>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>

using vestrel::Cote;
using vestrel::Principale;

namespace {

// The row of "Jeu en service" in the Outils menu.
int itemService()
{
    const auto items = vestrel::OutilsPrincipale::items();
    for (int k = 0; k < int(items.size()); ++k)
        if (QString::fromUtf8(items[std::size_t(k)].texte) == QString("Jeu en service"))
            return k;
    return -1;
}

vestrel::Service *ouvrir(Principale &f)
{
    f.outils()->choisir(itemService());
    return f.outils()->service();
}

// Types into a box as a user does: everything selected, then the keys.
void taper(QWidget &fenetre, const QString &nom, const QString &t)
{
    auto *boite = controle<QLineEdit>(fenetre, nom);
    boite->setFocus();
    boite->selectAll();
    if (t.isEmpty())
        QTest::keyClick(boite, Qt::Key_Delete);
    else
        QTest::keyClicks(boite, t);
}

void materiau(QWidget &fenetre, const QString &liste, const QString &cle)
{
    auto *l = controle<QComboBox>(fenetre, liste);
    const int i = l->findData(cle);
    QVERIFY2(i >= 0, qPrintable(cle));
    l->setCurrentIndex(i);
}

void h7g6(Principale &f)
{
    agir(f, "d:25");
    agir(f, "al:H7");
    agir(f, "ar:g6");
}

// An aluminium housing on a steel shaft, both at −40 °C.
void froid(vestrel::Service &s)
{
    materiau(s, "Sv_Mat_Alesage", "alu-6082");
    taper(s, "Sv_Temp_Alesage", "-40");
    taper(s, "Sv_Temp_Arbre", "-40");
}

QString pdfTexte(const QString &chemin)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), chemin, QStringLiteral("-")});
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return QStringLiteral("pdftotext failed");
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestService : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void ouvreSurLesValeursParDefaut();
    void resultatsEnService_data();
    void resultatsEnService();
    void suitLaFenetrePrincipale();
    void entreesRefusees_data();
    void entreesRefusees();
    void boitesSansNombre_data();
    void boitesSansNombre();
    void libreIncomplet();
    void signeVisible();
    void schemaEnService();
    void rechercheEnService();
    void copieEtPdf();
};

void TestService::ouvreSurLesValeursParDefaut()
{
    Principale f;
    f.show();
    QVERIFY(!f.outils()->service()); // built on first opening
    h7g6(f);
    // From the Outils menu, with the mouse: the title, then the item.
    QTest::mousePress(controle<vestrel::Cellule>(f, "MNU(3)"), Qt::LeftButton);
    vestrel::MenuDeroulant *menu = f.findChild<vestrel::MenuDeroulant *>("Mnu_Outils");
    QVERIFY(menu && menu->isVisible());
    // After "Assemblage serré", before "Tolérances générales".
    const int k = itemService();
    QCOMPARE(k, 6);
    QCOMPARE(menu->texte(k)->objectName(), QString("Mnu_Outils_1(%1)").arg(k));
    QTest::mousePress(menu->texte(k), Qt::LeftButton);
    QTest::mouseRelease(menu->texte(k), Qt::LeftButton);
    vestrel::Service *s = f.outils()->service();
    QVERIFY(s && s->isVisible());
    QVERIFY(!menu->icone(k)->pixmap().isNull()); // checked while open
    QCOMPARE(s->windowTitle(), QString("Jeu en service"));
    QVERIFY(!s->isModal());
    for (const char *liste : {"Sv_Mat_Alesage", "Sv_Mat_Arbre"})
        QCOMPARE(controle<QComboBox>(*s, liste)->currentData().toString(), QString("acier"));
    for (const char *boite : {"Sv_Temp_Alesage", "Sv_Temp_Arbre"})
        QCOMPARE(controle<QLineEdit>(*s, boite)->text(), QString("20"));
    QCOMPARE(controle<QLineEdit>(*s, "Sv_Alpha_Alesage")->text(), QString("11"));
    QCOMPARE(controle<QLineEdit>(*s, "Sv_K")->text(), QString("3"));
    // Steel and steel at 20 °C: the fit of the drawing.
    QCOMPARE(texte(*s, "Sv_Jeu_Max"), QString("0,0410"));
    QCOMPARE(texte(*s, "Sv_Jeu_Min"), QString("0,0070"));
    QCOMPARE(texte(*s, "Sv_Delta"), QString("0,0000"));
    QCOMPARE(texte(*s, "Sv_Nature"), QString("Ajustement avec jeu"));
    QCOMPARE(couleurTexte(*s, "Sv_Jeu_Max"), QColor(0, 0, 255));

    // Closing only hides it; the menu item opens it again, the same window.
    QVERIFY(s->close());
    QVERIFY(!s->isVisible());
    QCOMPARE(ouvrir(f), s);
    QVERIFY(s->isVisible());
    QTest::keyClick(s, Qt::Key_Escape);
    QVERIFY(!s->isVisible());
    QVERIFY(menu->icone(k)->pixmap().isNull());
}

void TestService::resultatsEnService_data()
{
    QTest::addColumn<QString>("arbre");
    QTest::addColumn<QString>("matAlesage");
    QTest::addColumn<QString>("tAlesage");
    QTest::addColumn<QString>("tArbre");
    QTest::addColumn<QStringList>("attendus"); // ΔS, max, min, kind, probable, mean, interference, clearance
    QTest::addColumn<QColor>("couleur");
    // H7/g6 at 25 mm, aluminium housing and steel shaft at −40 °C:
    // ΔS = 25 · 12e-6 · (−60) = −0.018; μ = 0.024 − 0.018 = 0.006,
    // σ = √(21² + 13²)/6 = 4.1164 µm, ± 3σ = 12.349 µm; Φ(−1.4576) = 7.2 %.
    QTest::newRow("froid") << "g6" << "alu-6082" << "-40" << "-40"
                           << QStringList{"-0,0180", "0,0230", "-0,0110", "Ajustement incertain",
                                          "de -0,0063 à 0,0183", "0,0060", "7,2 %", "92,8 %"}
                           << QColor(0, 0, 0);
    // H7/s6, the aluminium hub at 120 °C: ΔS = 25 · 23e-6 · 100 = 0.0575;
    // loose: 0.0435 … 0.0095; μ = −0.031 + 0.0575 = 0.0265, σ = √(21² + 13²)/6.
    QTest::newRow("chaud") << "s6" << "alu-6082" << "120" << "20"
                           << QStringList{"0,0575", "0,0435", "0,0095", "Ajustement avec jeu",
                                          "de 0,0142 à 0,0388", "0,0265", "0,0 %", "100,0 %"}
                           << QColor(0, 0, 255);
}

void TestService::resultatsEnService()
{
    QFETCH(QString, arbre);
    QFETCH(QString, matAlesage);
    QFETCH(QString, tAlesage);
    QFETCH(QString, tArbre);
    QFETCH(QStringList, attendus);
    QFETCH(QColor, couleur);
    Principale f;
    f.show();
    agir(f, "d:25");
    agir(f, "al:H7");
    agir(f, "ar:" + arbre);
    vestrel::Service *s = ouvrir(f);
    materiau(*s, "Sv_Mat_Alesage", matAlesage);
    QCOMPARE(controle<QLineEdit>(*s, "Sv_Alpha_Alesage")->text(), QString("23"));
    taper(*s, "Sv_Temp_Alesage", tAlesage);
    taper(*s, "Sv_Temp_Arbre", tArbre);
    const char *noms[] = {"Sv_Delta", "Sv_Jeu_Max", "Sv_Jeu_Min", "Sv_Nature", "Sv_Probable", "Sv_Jeu_Moyen",
                          "Sv_Part_Serrage", "Sv_Part_Jeu"};
    for (int i = 0; i < 8; ++i) {
        QString attendu = attendus[i];
        attendu.replace('-', QLocale().negativeSign());
        QCOMPARE(texte(*s, noms[i]), attendu);
        if (i < 4 && i > 0)
            QCOMPARE(couleurTexte(*s, noms[i]), couleur);
        // The accessible description holds every result as text.
        QVERIFY2(s->accessibleDescription().contains(attendu), qPrintable(s->accessibleDescription()));
    }
    QCOMPARE(texte(*s, "Sv_Message"), QString());
}

void TestService::suitLaFenetrePrincipale()
{
    Principale f;
    f.show();
    h7g6(f);
    vestrel::Service *s = ouvrir(f);
    froid(*s);
    QCOMPARE(texte(*s, "Sv_Jeu_Min"), QString("-0,0110").replace('-', QLocale().negativeSign()));
    // A new shaft class: −0.018 on H7/h6 0.034 … 0 gives 0.016 … −0.018.
    agir(f, "ar:h6");
    QCOMPARE(texte(*s, "Sv_Jeu_Max"), QString("0,0160"));
    // α typed by hand: 0 in the housing, so ΔS = −25 · 11e-6 · (−60) = 0.0165.
    taper(*s, "Sv_Alpha_Alesage", "0");
    QCOMPARE(texte(*s, "Sv_Delta"), QString("0,0165"));
    // A change of diameter empties the classes: no results, a message.
    agir(f, "d:30");
    QCOMPARE(texte(*s, "Sv_Jeu_Max"), QString());
    QVERIFY(!texte(*s, "Sv_Message").isEmpty());
    // The free calculator: 0.11 … 0.09 at 12.3 mm, steel bore part at 100 °C.
    agir(f, "m:2");
    agir(f, "calcul");
    taper(*s, "Sv_Alpha_Alesage", "11");
    materiau(*s, "Sv_Mat_Alesage", "acier");
    taper(*s, "Sv_Temp_Alesage", "100");
    taper(*s, "Sv_Temp_Arbre", "20");
    QCOMPARE(texte(*s, "Sv_Jeu_Max"), QString("0,1208"));
    QCOMPARE(texte(*s, "Sv_Jeu_Min"), QString("0,1008"));
}

void TestService::entreesRefusees_data()
{
    QTest::addColumn<QString>("boite");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("message");
    QTest::newRow("zero absolu") << "Sv_Temp_Alesage" << "-274" << "La température de l'alésage est sous le zéro absolu";
    QTest::newRow("trop chaud") << "Sv_Temp_Arbre" << "3001" << "La température de l'arbre dépasse";
    QTest::newRow("k nul") << "Sv_K" << "0" << "k doit être supérieur à 0";
    QTest::newRow("k grand") << "Sv_K" << "11" << "k doit être supérieur à 0";
    QTest::newRow("dilatation") << "Sv_Alpha_Arbre" << "2000" << "Le coefficient de dilatation de l'arbre";
}

void TestService::entreesRefusees()
{
    QFETCH(QString, boite);
    QFETCH(QString, texte);
    QFETCH(QString, message);
    Principale f;
    f.show();
    h7g6(f);
    f.outils()->basculerSchema();
    vestrel::Service *s = ouvrir(f);
    taper(*s, boite, texte);
    QVERIFY2(::texte(*s, "Sv_Message").startsWith(message), qPrintable(::texte(*s, "Sv_Message")));
    // No number is shown for refused input, and the diagram draws no service.
    QCOMPARE(::texte(*s, "Sv_Jeu_Max"), QString());
    QVERIFY(!s->etat());
    QVERIFY(!f.outils()->schema()->modele().service);
}

// A box without a number (empty, or a lone "-") is no 0: no result, no
// service line anywhere, and the message names the box.
void TestService::boitesSansNombre_data()
{
    QTest::addColumn<QString>("boite");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("message");
    QTest::newRow("temp alesage vide") << "Sv_Temp_Alesage" << "" << "Saisissez la température de l'alésage";
    QTest::newRow("temp alesage -") << "Sv_Temp_Alesage" << "-" << "Saisissez la température de l'alésage";
    QTest::newRow("temp arbre -,") << "Sv_Temp_Arbre" << "-," << "Saisissez la température de l'arbre";
    QTest::newRow("alpha alesage vide") << "Sv_Alpha_Alesage" << ""
                                        << "Saisissez le coefficient de dilatation de l'alésage";
    QTest::newRow("alpha arbre ,") << "Sv_Alpha_Arbre" << "," << "Saisissez le coefficient de dilatation de l'arbre";
    QTest::newRow("k vide") << "Sv_K" << "" << "Saisissez k";
}

void TestService::boitesSansNombre()
{
    QFETCH(QString, boite);
    QFETCH(QString, texte);
    QFETCH(QString, message);
    Principale f;
    f.show();
    // 50 H7/u6, steel on steel: read as 0 °C the empty bore temperature
    // gave ΔS = 50 · 11e-6 · (0 − 20) = −0.0110.
    agir(f, "d:50");
    agir(f, "al:H7");
    agir(f, "ar:u6");
    f.outils()->basculerSchema();
    f.outils()->ouvrirRecherche();
    vestrel::Service *s = ouvrir(f);
    QVERIFY(s->etat());
    auto *enService = controle<QCheckBox>(*f.outils()->recherche(), "Rech_En_Service");
    QVERIFY(enService->isEnabled());
    taper(*s, boite, texte);
    QCOMPARE(::texte(*s, "Sv_Message"), message);
    for (const char *resultat : {"Sv_Delta", "Sv_Jeu_Max", "Sv_Jeu_Min", "Sv_Probable", "Sv_Jeu_Moyen", "Sv_Part_Jeu"})
        QCOMPARE(::texte(*s, resultat), QString());
    QVERIFY(!s->etat());
    QVERIFY(!s->conditionsSaisies());
    QVERIFY(!f.outils()->schema()->modele().service);
    QVERIFY(!enService->isEnabled());
    QCOMPARE(s->accessibleDescription(), message);
    // A number again: the results are back.
    taper(*s, boite, QStringLiteral("3"));
    QVERIFY(s->etat());
    QCOMPARE(::texte(*s, "Sv_Message"), QString());
}

// "Libre" with a box left empty: no numbers in the tool windows, and a
// message about the free entry, never one about classes.
void TestService::libreIncomplet()
{
    Principale f;
    f.show();
    agir(f, "m:2");
    agir(f, "calcul");
    f.outils()->basculerSchema();
    vestrel::Service *s = ouvrir(f);
    QVERIFY(s->etat());
    auto *b = controle<QLineEdit>(f, "Ec_Sup_Dia2");
    b->setFocus();
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Delete);
    agir(f, "calcul");
    QCOMPARE(::texte(f, "Msg_Libre"), QStringLiteral("Saisissez l'écart supérieur de l'arbre"));
    QCOMPARE(::texte(*s, "Sv_Message"), QStringLiteral("Complétez la saisie libre"));
    QCOMPARE(::texte(*s, "Sv_Delta"), QString());
    QVERIFY(!s->etat());
    const vestrel::ModeleSchema &m = f.outils()->schema()->modele();
    QCOMPARE(m.manques, std::vector<std::string>{"Complétez la saisie libre"});
    QCOMPARE(m.texteDiametre, std::string());
    QVERIFY(!f.outils()->schema()->accessibleDescription().contains(QStringLiteral("Choisissez")));
}

// The temperature box is narrow: once left, it shows the start of its
// number, so a minus sign stays in view.
void TestService::signeVisible()
{
    Principale f;
    f.show();
    h7g6(f);
    vestrel::Service *s = ouvrir(f);
    s->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s));
    for (const char *nom : {"Sv_Temp_Alesage", "Sv_Temp_Arbre"}) {
        auto *boite = controle<QLineEdit>(*s, nom);
        taper(*s, nom, QStringLiteral("-123,45"));
        QCOMPARE(boite->cursorPosition(), 7);
        QTest::keyClick(boite, Qt::Key_Tab);
        QVERIFY(!boite->hasFocus());
        QCOMPARE(boite->cursorPosition(), 0);
        QCOMPARE(boite->text(), QStringLiteral("-123,45"));
    }
}

void TestService::schemaEnService()
{
    Principale f;
    f.show();
    h7g6(f);
    f.outils()->basculerSchema();
    vestrel::Schema *schema = f.outils()->schema();
    QVERIFY(!schema->modele().service);
    vestrel::Service *s = ouvrir(f);
    froid(*s);
    const auto &sv = schema->modele().service;
    QVERIFY(sv);
    // The bore zone in service 18 µm lower: 0 … 21 µm becomes −18 … 3 µm.
    QCOMPARE(sv->haut, 3.0);
    QCOMPARE(sv->bas, -18.0);
    const QString d = schema->accessibleDescription();
    QVERIFY2(d.contains(QString::fromUtf8("en service (ΔS −18 µm) : jeu maxi 23 µm ; jeu mini −11 µm ; incertain")),
             qPrintable(d));
    QVERIFY2(d.contains(QString::fromUtf8("jeu probable (± 3 σ) −6,3 à 18,3 µm ; 7,2 % des paires avec serrage")),
             qPrintable(d));
    QVERIFY(schema->plan().bandeProbable);
    QCOMPARE(schema->plan().traitsService.size(), std::size_t(6));
    // Closing the service window takes the service drawing away.
    s->close();
    QVERIFY(!schema->modele().service);
    QVERIFY(!schema->accessibleDescription().contains("service"));
}

void TestService::rechercheEnService()
{
    Principale f;
    f.show();
    h7g6(f);
    f.outils()->ouvrirRecherche();
    vestrel::Recherche *r = f.outils()->recherche();
    auto *enService = controle<QCheckBox>(*r, "Rech_En_Service");
    QCOMPARE(enService->text(), QString("En service"));
    QVERIFY(!enService->isEnabled());
    vestrel::Service *s = ouvrir(f);
    froid(*s);
    QVERIFY(enService->isEnabled());
    taper(*r, "Rech_Diametre", "25");
    taper(*r, "Rech_Jeu_Mini", "0");
    taper(*r, "Rech_Jeu_Maxi", "0.06");
    controle<QComboBox>(*r, "Rech_Base")->setCurrentIndex(0);
    QTest::mouseClick(enService, Qt::LeftButton);
    QVERIFY(enService->isChecked());

    // The search done by hand: 0 … 0.06 in service with ΔS = −0.018 is
    // 0.018 … 0.078 at 20 °C.
    const vestrel::ResultatRecherche main = vestrel::rechercherAjustements({25, 0.018, 0.078, vestrel::Base::Alesage});
    auto *table = controle<QTableView>(*r, "Rech_Resultats");
    QAbstractItemModel *m = table->model();
    QCOMPARE(m->rowCount(), int(main.ajustements.size()));
    QCOMPARE(m->columnCount(), 9);
    for (int i = 0; i < m->rowCount(); ++i) {
        const auto &t = main.ajustements[std::size_t(i)];
        const QString nom = QString::fromLatin1(vestrel::catalogue(Cote::Alesage)[std::size_t(t.alesage)]) + '/'
                            + QString::fromLatin1(vestrel::catalogue(Cote::Arbre)[std::size_t(t.arbre)]);
        QCOMPARE(m->index(i, 0).data().toString(), nom);
        // The clearances at 20 °C, then those in service, in the range.
        QCOMPARE(QLocale().toDouble(m->index(i, 1).data().toString()), t.jeuMax);
        const double maxService = QLocale().toDouble(m->index(i, 7).data().toString().replace(QChar(0x2212), '-'));
        const double minService = QLocale().toDouble(m->index(i, 8).data().toString().replace(QChar(0x2212), '-'));
        QVERIFY(std::abs(maxService - (t.jeuMax - 0.018)) < 1e-9);
        QVERIFY(minService >= 0 && maxService <= 0.06);
    }
    QCOMPARE(m->headerData(7, Qt::Horizontal).toString(), QString("Maxi en service"));

    // Closing the service window unchecks and disables the box: the range
    // is at 20 °C again.
    s->close();
    QVERIFY(!enService->isEnabled());
    QVERIFY(!enService->isChecked());
    QCOMPARE(m->columnCount(), 7);
    QCOMPARE(m->rowCount(), int(vestrel::rechercherAjustements({25, 0, 0.06, vestrel::Base::Alesage}).ajustements.size()));
}

void TestService::copieEtPdf()
{
    Principale f;
    f.show();
    h7g6(f);
    vestrel::Service *s = ouvrir(f);
    froid(*s);
    QTest::keyClick(controle<QLineEdit>(f, "Diametre"), Qt::Key_C, Qt::ControlModifier);
    const QStringList lignes = QGuiApplication::clipboard()->text().split('\n');
    QCOMPARE(lignes.value(4), QString::fromUtf8("En service : ΔS −0,0180 ; jeu maxi 0,0230 ; jeu mini −0,0110 : incertain"));
    QCOMPARE(lignes.value(5), QString::fromUtf8("Jeu probable (± 3 σ) : de −0,0063 à 0,0183 ; jeu moyen 0,0060 ; "
                                                "avec serrage 7,2 % ; avec jeu 92,8 %"));
    QVERIFY(QGuiApplication::clipboard()->mimeData()->html().contains("En service"));

    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("service.pdf");
    QCOMPARE(vestrel::exporter(f.affichage(), chemin, vestrel::FormatExport::Pdf, QDateTime::currentDateTime(),
                               f.outils()->etatService()),
             QString());
    const QString pdf = pdfTexte(chemin).simplified();
    QVERIFY2(pdf.contains(QString::fromUtf8("En service : ΔS −0,0180 ; jeu maxi 0,0230")), qPrintable(pdf));
    QVERIFY2(pdf.contains(QString::fromUtf8("de −0,0063 à 0,0183")), qPrintable(pdf));

    // Closed, copy gives the fit alone.
    s->close();
    QTest::keyClick(controle<QLineEdit>(f, "Diametre"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts).size(), 4);
}

QTEST_MAIN(TestService)
#include "test_service.moc"
