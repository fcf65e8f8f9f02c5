#include "app/principale.h"
#include "tables/catalogue.h"
#include "ui/apropos.h"
#include "ui/polices.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QStyle>
#include <QtTest>

#include <cmath>

#include "aide_menus.h"

using namespace vestrel;

namespace {

bool estComic(const QString &famille)
{
    return famille.contains(QLatin1String("comic"), Qt::CaseInsensitive);
}

// The width a control leaves its text: its own, cut by the box it stands in,
// less the round mark of an option button.
int place(const QWidget *w)
{
    QRect r = w->rect();
    if (const QWidget *parent = w->parentWidget(); parent && !w->isWindow())
        r &= QRect(w->mapFrom(parent, QPoint(0, 0)), parent->size());
    int largeur = r.width();
    if (qobject_cast<const QRadioButton *>(w))
        largeur -= w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w)
                   + w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w);
    return largeur;
}

int largeurTexte(const QFont &police, const QString &texte)
{
    const QFontMetricsF mesure(police);
    qreal plus = 0;
    for (const QString &ligne : texte.split(u'\n'))
        plus = std::max(plus, mesure.horizontalAdvance(ligne));
    return int(std::ceil(plus));
}

// Every label, option button and frame title drawn in the Comic font (or
// what stands in for it) under `racine`, with its text, fits its control.
void verifierTextes(QWidget *racine, QStringList &coupes)
{
    const QString famille = polices::comic().family();
    QList<QWidget *> controles = racine->findChildren<QWidget *>();
    controles.prepend(racine);
    for (QWidget *w : std::as_const(controles)) {
        if (w->font().family() != famille)
            continue;
        QString texte;
        if (auto *l = qobject_cast<QLabel *>(w))
            texte = l->text();
        else if (auto *b = qobject_cast<QRadioButton *>(w))
            texte = b->text();
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            texte = g->title();
        if (texte.trimmed().isEmpty())
            continue;
        const int largeur = largeurTexte(w->font(), texte);
        if (largeur > place(w))
            coupes << QStringLiteral("%1 \"%2\": %3 px in %4 px")
                          .arg(w->objectName(), texte)
                          .arg(largeur)
                          .arg(place(w));
    }
}

} // namespace

// Without a Comic font the windows take another face at a size where every
// text still fits its box. Run once with the fonts of the machine and once
// with a font configuration that hides every Comic face
// (VESTREL_SANS_COMIC set).
class TestPolices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void faceChoisie();
    void textesTiennent_data();
    void textesTiennent();
    void classesTiennent_data();
    void classesTiennent();
    void remplacement_data();
    void remplacement();
    void policesDesControles_data();
    void policesDesControles();

private:
    bool m_sansComic = false;
};

void TestPolices::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    m_sansComic = qEnvironmentVariableIsSet("VESTREL_SANS_COMIC");
}

void TestPolices::faceChoisie()
{
    const QStringList installees = QFontDatabase::families();
    const bool comicInstallee = std::any_of(installees.cbegin(), installees.cend(), estComic);
    const QFontInfo info(polices::comic());
    qInfo("Comic text in %s %.1f pt", qPrintable(info.family()), polices::comic().pointSizeF());
    if (m_sansComic) {
        // The font configuration really hides them, or this run proves nothing.
        QVERIFY2(!comicInstallee, qPrintable(installees.join(u',')));
        QVERIFY2(!estComic(info.family()), qPrintable(info.family()));
        QVERIFY(polices::comic().pointSizeF() <= 9.6);
    } else if (comicInstallee) {
        QVERIFY2(estComic(info.family()), qPrintable(info.family()));
        QCOMPARE(polices::comic().pointSizeF(), 9.6);
    }
    QVERIFY(info.bold());
}

void TestPolices::textesTiennent_data()
{
    QTest::addColumn<int>("methode");
    QTest::newRow("Popup") << 0;
    QTest::newRow("Barre outil") << 1;
    QTest::newRow("Libre") << 2;
}

// The main window with its drop-downs, and the about box.
void TestPolices::textesTiennent()
{
    QFETCH(int, methode);
    Principale fenetre;
    fenetre.Changer_Methode(vestrel::methodeIndex(methode));
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    QStringList coupes;
    verifierTextes(&fenetre, coupes);
    for (const char *nom : {"Mnu_File", "Mnu_Select", "Mnu_Apropos"}) {
        QWidget *m = menu(nom);
        QVERIFY2(m, nom);
        verifierTextes(m, coupes);
    }
    BoiteApropos boite(&fenetre);
    verifierTextes(&boite, coupes);
    QVERIFY2(coupes.isEmpty(), qPrintable(coupes.join(QStringLiteral("; "))));
}

void TestPolices::classesTiennent_data()
{
    QTest::addColumn<int>("cote");
    QTest::addColumn<QString>("label");
    QTest::newRow("alesage") << int(Cote::Alesage) << QStringLiteral("Aj_Ale");
    QTest::newRow("arbre") << int(Cote::Arbre) << QStringLiteral("Aj_Arb");
}

// Every class the toolbar can compose shows whole in "Barre outil".
void TestPolices::classesTiennent()
{
    QFETCH(int, cote);
    QFETCH(QString, label);
    Principale fenetre;
    auto *l = fenetre.findChild<QLabel *>(label);
    QVERIFY(l);
    QStringList coupes;
    for (const std::string_view c : catalogue(Cote(cote))) {
        const QString texte = QString::fromUtf8(c.data(), qsizetype(c.size()));
        if (largeurTexte(l->font(), texte) > place(l))
            coupes << texte;
    }
    QVERIFY2(coupes.isEmpty(), qPrintable(coupes.join(u' ')));
}

void TestPolices::remplacement_data()
{
    QTest::addColumn<QStringList>("familles");
    QTest::addColumn<QString>("attendue");
    QTest::addColumn<bool>("reduite");
    QTest::newRow("Comic Neue installed") << QStringList{"DejaVu Sans", "Comic Neue"}
                                          << "Comic Neue" << false;
    QTest::newRow("Comic Sans MS first") << QStringList{"Comic Neue", "comic sans ms"}
                                         << "Comic Sans MS" << false;
    // DejaVu Sans bold at 9.6 pt is wider than the boxes: it has to shrink.
    QTest::newRow("DejaVu Sans only") << QStringList{"DejaVu Sans", "DejaVu Serif"}
                                      << "DejaVu Sans" << true;
}

void TestPolices::remplacement()
{
    QFETCH(QStringList, familles);
    QFETCH(QString, attendue);
    QFETCH(bool, reduite);
    if (reduite && !QFontDatabase::families().contains(attendue))
        QSKIP("the face is not installed here");
    const polices::Remplacement r = polices::remplacementComic(familles);
    qInfo("%s at %.1f pt", qPrintable(r.famille), 9.6 * r.echelle);
    QCOMPARE(r.famille, attendue);
    QCOMPARE(r.echelle < 1, reduite);
    QVERIFY(r.echelle > 0.6);
}

// Each control keeps the font it is drawn in, whether it is given its own or
// has it from its frame: a control left to inherit from a frame of another
// font, or from the window, would show its text in the wrong face or size.
void TestPolices::policesDesControles_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QFont>("attendue");
    const QFont comic = polices::comic();
    const QFont sans = polices::sans();
    const QFont symbole = polices::symbole();
    // The frames, then what lies in them: captions and option buttons in
    // the frame's font, numbers and boxes in others.
    for (const char *nom : {"Frame3", "Popup", "Quelconque", "Frame2", "Toolbars", "Ch_opt(0)", "Ch_opt(2)",
                            "Aj_Ale", "Label14", "Dia1", "Ec_Inf_Dia2", "Lbl_TB_Cl_Al(0)", "Lbl_TB_Ql_Ar(3)",
                            "MNU(0)", "MNU(3)", "Mnu_File_1(0)", "Mnu_Select_1(2)", "Mnu_Outils_1(1)"})
        QTest::newRow(nom) << QString::fromLatin1(nom) << comic;
    for (const char *nom : {"Diametre", "Aj_Alesage", "Aj_Arbre", "Af_Ec_Sup_Al", "Af_Ec_Inf_Ar", "Label7",
                            "Res_Al_Max", "J_Min"})
        QTest::newRow(nom) << QString::fromLatin1(nom) << sans;
    for (const char *nom : {"Label5", "Label12", "Label3", "Label11"})
        QTest::newRow(nom) << QString::fromLatin1(nom) << symbole;
    QTest::newRow("Calcul") << QStringLiteral("Calcul") << polices::comic(12, false);
    // The focus box takes the font of any box the program leaves alone.
    QTest::newRow("recup_curseur") << QStringLiteral("recup_curseur") << QApplication::font("QLineEdit");
}

void TestPolices::policesDesControles()
{
    QFETCH(QString, nom);
    QFETCH(QFont, attendue);
    Principale f;
    // The drop-down menus are windows of their own, children of the window.
    auto *w = f.findChild<QWidget *>(nom);
    QVERIFY2(w, qPrintable(nom));
    const QFont police = w->font();
    QCOMPARE(police.families(), attendue.families());
    QCOMPARE(police.pointSizeF(), attendue.pointSizeF());
    QCOMPARE(police.bold(), attendue.bold());
}

QTEST_MAIN(TestPolices)
#include "test_polices.moc"
