// Bad input in every text box and class list of the main window: typed keys
// outside the accepted set and pasted texts of every kind. Each input is read
// by its leading number (lireNombre), the window neither crashes nor hangs,
// and afterwards everything it shows agrees with the fit state and the tables.
#include "tests/fiab/coherence.h"

#include "calcul/nombres.h"
#include "ui/textes.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTest>

using vestrel::Cote;

namespace {

// The boxes, the method in which they are used and what they feed.
enum class Cible { Diametre, Libre, Liste };
struct Boite {
    const char *ligne;
    const char *nom;
    int methode;
    Cible cible;
    double vestrel::ValeursLibres::*valeur;
    bool moinsAccepte;
};
constexpr Boite Boites[] = {
    {"Diametre", "Diametre", 0, Cible::Diametre, nullptr, false},
    // In "Barre outil" the limits shown must follow the new diameter at once.
    {"Diametre_barre", "Diametre", 1, Cible::Diametre, nullptr, false},
    {"Dia1", "Dia1", 2, Cible::Libre, &vestrel::ValeursLibres::Val_Dia1, false},
    {"Ec_Sup_Dia1", "Ec_Sup_Dia1", 2, Cible::Libre, &vestrel::ValeursLibres::Val_Ec_Sup_Dia1, true},
    {"Ec_Inf_Dia1", "Ec_Inf_Dia1", 2, Cible::Libre, &vestrel::ValeursLibres::Val_Ec_Inf_Dia1, true},
    {"Dia2", "Dia2", 2, Cible::Libre, &vestrel::ValeursLibres::Val_Dia2, false},
    {"Ec_Sup_Dia2", "Ec_Sup_Dia2", 2, Cible::Libre, &vestrel::ValeursLibres::Val_Ec_Sup_Dia2, true},
    {"Ec_Inf_Dia2", "Ec_Inf_Dia2", 2, Cible::Libre, &vestrel::ValeursLibres::Val_Ec_Inf_Dia2, true},
    {"Aj_Alesage", "Aj_Alesage", 0, Cible::Liste, nullptr, false},
    {"Aj_Arbre", "Aj_Arbre", 0, Cible::Liste, nullptr, false},
};

struct Collage {
    const char *nom;
    QString texte;
};

QList<Collage> collages()
{
    return {
        {"empty", QString()},
        {"blanks", QStringLiteral("   \t ")},
        {"exponent", QStringLiteral("1e400")},
        {"minus_zero", QStringLiteral("-0")},
        {"negative", QStringLiteral("-25")},
        {"plus", QStringLiteral("+3")},
        {"hexadecimal", QStringLiteral("0x10")},
        {"comma", QStringLiteral("25,4")},
        {"comma_12_5", QStringLiteral("12,5")},
        {"comma_deviation", QStringLiteral("-0,025")},
        {"two_commas", QStringLiteral("12,5,3")},
        {"comma_then_point", QStringLiteral("12,5.3")},
        {"comma_first", QStringLiteral(",5")},
        {"two_points", QStringLiteral("12.5.3")},
        {"leading_blank", QStringLiteral(" 12.5")},
        {"full_width", QStringLiteral("２５")},
        {"nan", QStringLiteral("nan")},
        {"inf", QStringLiteral("inf")},
        {"control", QStringLiteral("\x01\x02\x1b[2J\r\n7\x7f")},
        {"class_text", QStringLiteral("h7")},
        // Texts that cannot form a number are refused whole.
        {"three_parts", QStringLiteral("1.2.3")},
        {"two_minus", QStringLiteral("--0.1")},
        {"minus_last", QStringLiteral("0.1-")},
        {"minus_inside", QStringLiteral("5-3")},
        {"lone_minus", QStringLiteral("-")},
        {"minus_comma", QStringLiteral("-,")},
        {"blanks_around", QStringLiteral(" 12,5\t")},
        // Forty nines and more round up to 1e40, a 41-digit text.
        {"digits_100000", QString(100000, QLatin1Char('9'))},
        {"fraction_100000", QStringLiteral("0.") + QString(100000, QLatin1Char('0')) + QStringLiteral("1")},
        {"one_megabyte", QStringLiteral("12.5") + QString(1 << 20, QLatin1Char('7'))},
    };
}

const QList<QChar> ToucheRefusees = {u'a', u'e', u'E', u'+', u' ', u'x', u'*', u'/', u'é',
                                     u'€', QChar(0xFF12) /* full-width 2 */, u'\x01'};

vestrel::Filtre filtreDe(const Boite &b)
{
    return b.cible == Cible::Diametre ? vestrel::Filtre::Diametre
           : b.moinsAccepte           ? vestrel::Filtre::Ecart
                                      : vestrel::Filtre::Taille;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void init()
    {
        m_fenetre = std::make_unique<vestrel::Principale>();
        m_fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_fenetre.get()));
        m_suivi = {};
        m_fermeur = std::make_unique<fiab::Fermeur>();
    }

    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        m_fenetre.reset();
        m_fermeur.reset();
    }

    void collage_data();
    void collage();
    void toucheRefusee_data();
    void toucheRefusee();
    void filtreCaracteres_data();
    void filtreCaracteres();
    void virguleTapee_data();
    void virguleTapee();
    void francais();

private:
    const Boite &boite(const QString &nom) const
    {
        for (const Boite &b : Boites)
            if (QLatin1String(b.ligne) == nom)
                return b;
        return Boites[0];
    }

    // Shows the method in which a box can be used, as a user does.
    void preparer(const Boite &b)
    {
        if (b.methode == 0)
            return;
        QTest::mouseClick(m_fenetre->findChild<QRadioButton *>(QStringLiteral("Ch_opt(%1)").arg(b.methode)),
                          Qt::LeftButton);
        QCOMPARE(m_fenetre->etat().Methode_Selection, b.methode);
        if (b.methode == 2)
            m_suivi.calculLibre(*m_fenetre);
    }

    QLineEdit *champ(const Boite &b) const
    {
        if (b.cible == Cible::Liste)
            return m_fenetre->findChild<QComboBox *>(QLatin1String(b.nom))->lineEdit();
        return m_fenetre->findChild<QLineEdit *>(QLatin1String(b.nom));
    }

    // Shows what the box fed: a class chosen on each side for the diameter
    // (which checks its range), a class chosen in a list, "Calculer" for the
    // free values.
    void afficher(const Boite &b)
    {
        if (b.cible == Cible::Diametre && b.methode == 0) {
            for (const char *nom : {"Aj_Alesage", "Aj_Arbre"}) {
                auto *liste = m_fenetre->findChild<QComboBox *>(QLatin1String(nom));
                liste->setCurrentIndex(liste->count() - 1);
            }
            m_suivi.tables();
        } else if (b.cible == Cible::Liste) {
            // A class chosen after a text that names none.
            auto *liste = m_fenetre->findChild<QComboBox *>(QLatin1String(b.nom));
            liste->setCurrentIndex(liste->count() - 1);
            m_suivi.tables();
        } else if (b.cible == Cible::Libre) {
            QTest::mouseClick(m_fenetre->findChild<QWidget *>(QStringLiteral("Calcul")), Qt::LeftButton);
            m_suivi.calculLibre(*m_fenetre);
        }
    }

    void verifierCoherence()
    {
        const QStringList p = fiab::incoherences(*m_fenetre, m_suivi);
        QVERIFY2(p.isEmpty(), qPrintable(p.join(QStringLiteral("\n  "))));
    }

    std::unique_ptr<vestrel::Principale> m_fenetre;
    std::unique_ptr<fiab::Fermeur> m_fermeur;
    fiab::Suivi m_suivi;
};

void TestCatalogue::collage_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");
    for (const Boite &b : Boites)
        for (const Collage &c : collages())
            QTest::addRow("%s/%s", b.ligne, c.nom) << QString::fromLatin1(b.ligne) << c.texte;
}

// A paste replaces the whole text (Ctrl+A, then Ctrl+V, as users do).
void TestCatalogue::collage()
{
    QFETCH(QString, nom);
    QFETCH(QString, texte);
    const Boite &b = boite(nom);
    preparer(b);
    if (QTest::currentTestFailed())
        return;
    QLineEdit *c = champ(b);
    QApplication::clipboard()->setText(texte);
    QWidget *cible = b.cible == Cible::Liste ? c->parentWidget() : c;
    cible->setFocus();
    // (In a class list, Ctrl+A already completes the empty prefix to the
    // first class, as any key does.)
    QTest::keyClick(cible, Qt::Key_A, Qt::ControlModifier);
    const std::string classesAvant[] = {m_fenetre->etat().Cl_Alesage, m_fenetre->etat().Cl_Arbre};
    const QString texteAvant = c->text();
    QTest::keyClick(cible, Qt::Key_V, Qt::ControlModifier);

    if (b.cible != Cible::Liste) {
        // The box holds the pasted text, cut to its length limit and without
        // blanks around it, when that text can form a number; otherwise
        // the paste is refused and the box keeps its text. Its value is the
        // leading number of what it holds.
        const QString colle = texte.left(c->maxLength()).trimmed();
        QCOMPARE(c->text(), vestrel::formeNombre(filtreDe(b), colle.toStdString()) ? colle : texteAvant);
        const double attendu = vestrel::lireNombre(c->text().toStdString());
        const double lu = b.cible == Cible::Diametre ? m_fenetre->etat().Dia_Nominal
                                                     : m_fenetre->valeursLibres().*b.valeur;
        QCOMPARE(lu, attendu);
    } else {
        // A text that begins no class name selects nothing: that side has no
        // class, the other keeps its own.
        const int position = static_cast<QComboBox *>(c->parentWidget())->currentIndex();
        if (position < 0) {
            const bool alesage = QLatin1String(b.nom) == u"Aj_Alesage";
            QCOMPARE(m_fenetre->etat().Cl_Alesage, alesage ? std::string() : classesAvant[0]);
            QCOMPARE(m_fenetre->etat().Cl_Arbre, alesage ? classesAvant[1] : std::string());
        }
    }
    verifierCoherence();
    if (QTest::currentTestFailed())
        return;

    const double d = m_fenetre->etat().Dia_Nominal;
    const int avertissementsAvant = m_fermeur->avertissements;
    afficher(b);
    if (b.cible == Cible::Diametre && b.methode == 0) {
        // One warning for a diameter outside 1 < D <= 500, then the default fit.
        const bool dehors = !(d > 1 && d <= 500);
        QCOMPARE(m_fermeur->avertissements - avertissementsAvant, dehors ? 1 : 0);
        if (dehors)
            QCOMPARE(m_fenetre->etat().Dia_Nominal, 2.0);
    }
    verifierCoherence();
}

void TestCatalogue::toucheRefusee_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("touches");
    for (const Boite &b : Boites) {
        QString touches;
        for (const QChar t : ToucheRefusees)
            touches += t;
        // Typed after "12.5": a second separator, a "-" that is not first.
        touches += QStringLiteral(".,-");
        QTest::addRow("%s", b.ligne) << QString::fromLatin1(b.ligne) << touches;
    }
}

// Keys that cannot form a number change nothing in a box; in a class list,
// keys that begin no class select nothing and leave the fit as it was.
void TestCatalogue::toucheRefusee()
{
    QFETCH(QString, nom);
    QFETCH(QString, touches);
    const Boite &b = boite(nom);
    preparer(b);
    if (QTest::currentTestFailed())
        return;
    QLineEdit *c = champ(b);
    QWidget *cible = b.cible == Cible::Liste ? c->parentWidget() : c;
    cible->setFocus();

    if (b.cible != Cible::Liste) {
        QTest::keyClick(cible, Qt::Key_End);
        QTest::keyClicks(cible, QStringLiteral("12.5"));
        const QString avant = c->text();
        for (const QChar t : touches) {
            if (t.unicode() >= 0x20 && t.unicode() < 0x7F)
                QTest::keyClick(cible, char(t.unicode()));
            QTest::sendKeyEvent(QTest::KeyAction::Click, cible, Qt::Key_unknown, QString(t), Qt::NoModifier);
            QCOMPARE(c->text(), avant);
        }
        if (b.cible == Cible::Diametre) {
            QTest::keyClick(cible, Qt::Key_Return);
            QCOMPARE(c->text(), avant);
        }
        afficher(b);
    } else {
        // The side of the list is left without a class; the other keeps its.
        const vestrel::EtatAjustement avant = m_fenetre->etat();
        const bool alesage = QLatin1String(b.nom) == u"Aj_Alesage";
        QTest::keyClick(cible, Qt::Key_End);
        for (const QChar t : touches) {
            QTest::sendKeyEvent(QTest::KeyAction::Click, cible, Qt::Key_unknown, QString(t), Qt::NoModifier);
            QCOMPARE(static_cast<QComboBox *>(cible)->currentIndex(), -1);
            QCOMPARE(m_fenetre->etat().Cl_Alesage, alesage ? std::string() : avant.Cl_Alesage);
            QCOMPARE(m_fenetre->etat().Cl_Arbre, alesage ? avant.Cl_Arbre : std::string());
            verifierCoherence();
        }
    }
    verifierCoherence();
}

void TestCatalogue::filtreCaracteres_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("filtre");
    for (const Boite &b : Boites) {
        if (b.cible == Cible::Liste || b.methode == 1)
            continue;
        const auto filtre = filtreDe(b);
        QTest::addRow("%s", b.ligne) << QString::fromLatin1(b.ligne) << static_cast<int>(filtre);
    }
}

// Every character of Latin-1 and its neighbours, and the other digits,
// separators and minus signs of Unicode, typed as a key: the box takes
// exactly the characters the program's filter accepts.
void TestCatalogue::filtreCaracteres()
{
    QFETCH(QString, nom);
    QFETCH(int, filtre);
    const Boite &b = boite(nom);
    preparer(b);
    if (QTest::currentTestFailed())
        return;
    QLineEdit *c = champ(b);
    c->setFocus();
    QList<char32_t> caracteres;
    for (char32_t u = 0x20; u < 0x300; ++u)
        caracteres << u;
    caracteres << 0x066B << 0x0660 << 0x0969 << 0x2009 << 0x2024 << 0x2212 << 0x2796 << 0x3002 << 0xFE52 << 0xFF0C
               << 0xFF0D << 0xFF0E << 0xFF10 << 0xFF19 << 0x1D7CE;
    for (const char32_t u : caracteres) {
        // Typed first, where a "-" may stand.
        c->clear();
        const QString t = QString::fromUcs4(&u, 1);
        QTest::sendKeyEvent(QTest::KeyAction::Click, c, Qt::Key_unknown, t, Qt::NoModifier);
        const bool accepte = vestrel::caractereAccepte(static_cast<vestrel::Filtre>(filtre), u);
        QCOMPARE(c->text(), accepte ? t : QString());
    }
}

// The same pastes under a French locale, whose decimal separator is ",":
// what the window shows still reads back, and a pasted "," still ends the
// number.
void TestCatalogue::francais()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    m_fenetre = std::make_unique<vestrel::Principale>();
    for (const Collage &c : collages()) {
        auto *diametre = m_fenetre->findChild<QLineEdit *>(QStringLiteral("Diametre"));
        QApplication::clipboard()->setText(c.texte);
        diametre->setFocus();
        QTest::keyClick(diametre, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(diametre, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_fenetre->etat().Dia_Nominal, vestrel::lireNombre(diametre->text().toStdString()));
        afficher(Boites[0]);
        const QStringList p = fiab::incoherences(*m_fenetre, m_suivi);
        QVERIFY2(p.isEmpty(), qPrintable(QLatin1String(c.nom) + QStringLiteral(": ") + p.join(u'\n')));
    }
}

void TestCatalogue::virguleTapee_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<double>("valeur");
    QTest::addColumn<bool>("francais");
    QTest::addColumn<QString>("tape");
    // A second separator is refused as it is typed.
    struct Texte {
        const char *nom, *texte, *tape;
        double valeur;
    };
    const Texte textes[] = {
        {"12_5", "12,5", "12,5", 12.5},
        {"deviation", "0,025", "0,025", 0.025},
        {"two_commas", "12,5,3", "12,53", 12.53},
        {"comma_point", "12,5.3", "12,53", 12.53},
        {"point_comma", "12.5,3", "12.53", 12.53},
        {"comma_first", ",5", ",5", 0.5},
        {"negative", "-0,025", "-0,025", -0.025},
        {"two_minus", "--0,025", "-0,025", -0.025},
    };
    for (const Boite &b : Boites) {
        if (b.cible == Cible::Liste)
            continue;
        for (const Texte &t : textes) {
            if (t.valeur < 0 && !b.moinsAccepte)
                continue;
            for (const bool francais : {false, true})
                QTest::addRow("%s/%s/%s", b.ligne, t.nom, francais ? "fr" : "C")
                    << QString::fromLatin1(b.ligne) << QString::fromLatin1(t.texte) << t.valeur << francais
                    << QString::fromLatin1(t.tape);
        }
    }
}

// A "," is typed as the decimal separator in every box and every locale,
// and reads as "." does: one separator, a second one is refused.
void TestCatalogue::virguleTapee()
{
    QFETCH(QString, nom);
    QFETCH(QString, texte);
    QFETCH(double, valeur);
    QFETCH(bool, francais);
    QFETCH(QString, tape);
    if (francais) {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        m_fenetre = std::make_unique<vestrel::Principale>();
        m_fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_fenetre.get()));
    }
    const Boite &b = boite(nom);
    preparer(b);
    if (QTest::currentTestFailed())
        return;
    QLineEdit *c = champ(b);
    c->setFocus();
    QTest::keyClick(c, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(c, Qt::Key_Backspace);
    QTest::keyClicks(c, texte);
    QCOMPARE(c->text(), tape);
    const double lu = b.cible == Cible::Diametre ? m_fenetre->etat().Dia_Nominal : m_fenetre->valeursLibres().*b.valeur;
    QCOMPARE(lu, valeur);
    afficher(b);
    verifierCoherence();
}

QTEST_MAIN(TestCatalogue)
#include "test_catalogue.moc"
