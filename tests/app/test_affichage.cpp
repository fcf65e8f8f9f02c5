// What the main window tells other windows: affichage() and the signal
// resultatsChanges, checked against the labels on screen after each action.
#include "aide.h"

#include "calcul/nombres.h"
#include "ui/cellule.h"
#include "ui/textes.h"

#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QSignalSpy>

using vestrel::AjustementAffiche;
using vestrel::Cote;

namespace {

struct NomsCote {
    const char *max, *min;
};
constexpr NomsCote Noms[] = {{"Res_Al_Max", "Res_Al_Min"}, {"Res_Ar_Max", "Res_Ar_Min"}};

// Every difference between affichage() and the labels of Frame2.
QStringList ecarts(const vestrel::Principale &f)
{
    QStringList e;
    const AjustementAffiche &a = f.affichage();
    const vestrel::ResultatAjustement r(a);
    if (!(f.resultat() == r))
        e << QString("the result printed is not that of the fit shown");
    const bool libre = f.etat().Methode_Selection == 2;
    if (a.libre != libre)
        e << QString("free %1, method %2").arg(a.libre).arg(f.etat().Methode_Selection);
    // In "Libre" the sizes are those of the last "Calculer", checked below
    // against the labels.
    const double d = f.etat().Dia_Nominal;
    if (!libre && (a.taille(Cote::Alesage) != d || a.taille(Cote::Arbre) != d))
        e << QString("sizes %1 %2 told at %3").arg(a.taille(Cote::Alesage)).arg(a.taille(Cote::Arbre)).arg(d);
    for (const Cote c : {Cote::Alesage, Cote::Arbre}) {
        const NomsCote &n = Noms[static_cast<int>(c)];
        const auto &t = r.tailles(c);
        const QString max = t ? vestrel::texteNombreLocal(t->max) : QString();
        const QString min = t ? vestrel::texteNombreLocal(t->min) : QString();
        if (texte(f, n.max) != max || texte(f, n.min) != min)
            e << QString("%1: '%2' '%3' shown, '%4' '%5' told")
                     .arg(n.max, texte(f, n.max), texte(f, n.min), max, min);
        if (!libre && a.cote(c).classe != vestrel::classeDe(f.etat(), c))
            e << QString("%1: class %2 told, %3 in the state")
                     .arg(n.max, QString::fromStdString(a.cote(c).classe),
                          QString::fromStdString(vestrel::classeDe(f.etat(), c)));
        if (!libre && a.cote(c).ecarts.has_value() != f.ecartsAJour(c))
            e << QString("%1: deviations told for a class not looked up").arg(n.max);
    }
    const auto &j = r.jeux;
    const QString jMax = j ? vestrel::texteJeuLocal(j->max.valeur) : QString();
    const QString jMin = j ? vestrel::texteJeuLocal(j->min.valeur) : QString();
    if (texte(f, "J_Max") != jMax || texte(f, "J_Min") != jMin)
        e << QString("clearances '%1' '%2' shown, '%3' '%4' told")
                 .arg(texte(f, "J_Max"), texte(f, "J_Min"), jMax, jMin);
    return e;
}

} // namespace

class TestAffichage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void demarrage();
    void actions_data();
    void actions();
    void signalApresLesEtiquettes();
    void enFrancais();
    void nombresEntiers_data();
    void nombresEntiers();
};

void TestAffichage::demarrage()
{
    vestrel::Principale f;
    const AjustementAffiche &a = f.affichage();
    QVERIFY(!a.libre);
    QCOMPARE(a.diametre, 2.0);
    QCOMPARE(a.cote(Cote::Alesage).classe, std::string("H7"));
    QCOMPARE(a.cote(Cote::Alesage).ecarts, (std::optional<vestrel::PaireEcarts>{{0.01, 0}}));
    QCOMPARE(a.cote(Cote::Arbre).classe, std::string("f7"));
    QCOMPARE(f.resultat().tailles(Cote::Arbre)->min, 1.984);
    const auto &j = f.resultat().jeux;
    QVERIFY(j);
    QCOMPARE(j->max.texte, std::string("0.0260"));
    QCOMPARE(j->min.texte, std::string("0.0060"));
    QCOMPARE(j->nature, vestrel::Nature::Jeu);
    QCOMPARE(ecarts(f), QStringList());
}

void TestAffichage::actions_data()
{
    QTest::addColumn<QStringList>("suite");
    // How many times resultatsChanges is emitted by each action.
    QTest::addColumn<QList<int>>("signaux");

    QTest::newRow("diametre puis classes") << QStringList{"d:25", "al:H7", "ar:g6"} << QList<int>{1, 1, 1};
    QTest::newRow("saisie anticipee") << QStringList{"d:25", "tape:g"} << QList<int>{1, 1};
    QTest::newRow("meme diametre retape") << QStringList{"d:25", "al:H7", "d:25.0"} << QList<int>{1, 1, 1};
    QTest::newRow("hors plage puis choix")
        << QStringList{"d:600", "al:H7"} << QList<int>{1, 1};
    QTest::newRow("libre, calcul sans changement") << QStringList{"m:2", "calcul"} << QList<int>{1, 0};
    QTest::newRow("libre, valeur changee") << QStringList{"m:2", "dia1:20", "calcul"} << QList<int>{1, 0, 1};
    QTest::newRow("libre puis popup") << QStringList{"m:2", "m:0"} << QList<int>{1, 1};
    // The toolbar shows the same fit as the lists: nothing changed.
    QTest::newRow("barre puis presses") << QStringList{"m:1", "tb:G", "grade:6"} << QList<int>{0, 1, 1};
    QTest::newRow("barre, diametre change") << QStringList{"m:1", "d:30"} << QList<int>{0, 1};
    // The free calculator's results do not depend on the hidden diameter.
    QTest::newRow("libre, diametre change") << QStringList{"m:2", "d:30"} << QList<int>{1, 0};
    QTest::newRow("libre, puis barre") << QStringList{"m:2", "dia1:20", "calcul", "m:1"} << QList<int>{1, 0, 1, 1};
}

void TestAffichage::actions()
{
    QFETCH(QStringList, suite);
    QFETCH(QList<int>, signaux);

    vestrel::Principale f;
    Avertissements avertissements;
    QSignalSpy espion(&f, &vestrel::Principale::resultatsChanges);
    for (int i = 0; i < suite.size(); ++i) {
        espion.clear();
        agir(f, suite[i]);
        QVERIFY2(espion.count() == signaux[i],
                 qPrintable(QString("%1: %2 signals").arg(suite[i]).arg(espion.count())));
        const QStringList e = ecarts(f);
        QVERIFY2(e.isEmpty(), qPrintable(suite[i] + ": " + e.join("; ")));
    }
}

// Listeners read the labels or affichage() when told: both are final then,
// even for the default fit restored after a warning.
void TestAffichage::signalApresLesEtiquettes()
{
    vestrel::Principale f;
    Avertissements avertissements;
    QStringList vus;
    connect(&f, &vestrel::Principale::resultatsChanges, &f, [&] {
        vus << texte(f, "J_Max");
        const QStringList e = ecarts(f);
        if (!e.isEmpty())
            vus << e;
    });
    agir(f, "d:0.5");
    agir(f, "ar:g6");
    QCOMPARE(avertissements.vues.size(), 1);
    QCOMPARE(vus, (QStringList{"", "0.0260"}));
    QCOMPARE(f.affichage().diametre, 2.0);
}

void TestAffichage::enFrancais()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    vestrel::Principale f;
    agir(f, "d:25");
    agir(f, "al:H7");
    agir(f, "ar:g6");
    QCOMPARE(texte(f, "J_Max"), QString("0,0410"));
    QCOMPARE(f.resultat().jeux->max.valeur, 0.041);
    QCOMPARE(ecarts(f), QStringList());
}

void TestAffichage::nombresEntiers_data()
{
    QTest::addColumn<bool>("francais");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("attendu");
    // JS9 at 123.456789: ES +0.05; js8 es +0.0315.
    const QStringList js{"d:123,456789", "al:JS9", "ar:js8"};
    QTest::newRow("JS9 alesage maxi") << true << js << "Res_Al_Max" << "123,506789";
    QTest::newRow("js8 arbre maxi") << true << js << "Res_Ar_Max" << "123,488289";
    QTest::newRow("js8 arbre mini") << true << js << "Res_Ar_Min" << "123,425289";
    const QStringList zc{"d:499.999999999", "al:ZC11", "ar:zc11"};
    // ZC11 from 450 to 500 mm: ES -2.6, EI = ES - IT11 (0.4) = -3; zc11 the
    // mirror, ei +2.6: bore max - shaft min = -5.2.
    QTest::newRow("ZC11 alesage maxi") << false << zc << "Res_Al_Max" << "497.399999999";
    QTest::newRow("ZC11 alesage mini") << false << zc << "Res_Al_Min" << "496.999999999";
    QTest::newRow("zc11 arbre maxi") << false << zc << "Res_Ar_Max" << "502.999999999";
    QTest::newRow("ZC11 jeu maxi") << false << zc << "J_Max" << "-5.2000";
    // Typed by hand, a size may be longer than any label.
    QTest::newRow("libre long") << false << QStringList{"m:2", "dia1:123456789012345678901234567890"}
                                << "Res_Al_Max" << "123456789012346000000000000000";
}

// Every number is shown whole in its label, or ends with "…" with the whole
// number in the label's tooltip and accessible name: never silently cut.
void TestAffichage::nombresEntiers()
{
    QFETCH(bool, francais);
    QFETCH(QStringList, actions);
    QFETCH(QString, nom);
    QFETCH(QString, attendu);
    if (francais)
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    vestrel::Principale f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    for (const QString &a : actions)
        agir(f, a);
    if (actions.last().startsWith("dia1"))
        agir(f, "calcul");
    QCOMPARE(texte(f, nom), attendu);
    for (const char *n : {"Af_Ec_Sup_Al", "Af_Ec_Inf_Al", "Af_Ec_Sup_Ar", "Af_Ec_Inf_Ar", "Res_Al_Max", "Res_Al_Min",
                          "Res_Ar_Max", "Res_Ar_Min", "J_Max", "J_Min"}) {
        const QLabel *l = controle<QLabel>(f, n);
        const QString entier = vestrel::nombreDe(l);
        const int place = l->contentsRect().width();
        const int encre = l->fontMetrics().horizontalAdvance(l->text());
        if (l->text() == entier) {
            QVERIFY2(encre <= place, qPrintable(QString("%1 '%2' %3 px in %4").arg(n, entier).arg(encre).arg(place)));
        } else {
            QVERIFY2(l->text().endsWith(QChar(0x2026)), qPrintable(QString("%1 '%2' for '%3'").arg(n, l->text(), entier)));
            QCOMPARE(l->toolTip(), entier);
            QCOMPARE(l->accessibleName(), entier);
        }
        // It stays inside its frame.
        QVERIFY(l->parentWidget()->rect().contains(l->geometry()));
    }
}

QTEST_MAIN(TestAffichage)
#include "test_affichage.moc"
