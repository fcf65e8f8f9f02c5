#include "calcul/recherche.h"
#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/recherche.h"
#include "ui/textes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QClipboard>
#include <QtTest>

#include <memory>

using namespace vestrel;

// The search window on its own, offscreen: its inputs, messages, table and
// the signal that hands a fit to the main window.
class TestRecherche : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void ouverture();
    void resultats_data();
    void resultats();
    void messages_data();
    void messages();
    void touchesFiltrees_data();
    void touchesFiltrees();
    void suitChaqueSaisie();
    void tri_data();
    void tri();
    void appliquer_data();
    void appliquer();
    void rienAAppliquer();
    void paletteClaire();
    void placement();
    void nombresDeLaLangue_data();
    void nombresDeLaLangue();
    void colonnesEnService();

private:
    QLineEdit *boite(const char *nom) const { return m_fenetre->findChild<QLineEdit *>(QLatin1String(nom)); }
    QTableView *table() const { return m_fenetre->findChild<QTableView *>(QStringLiteral("Rech_Resultats")); }
    QString message() const { return m_fenetre->findChild<QLabel *>(QStringLiteral("Rech_Message"))->text(); }
    QString cellule(int ligne, int colonne) const
    {
        return table()->model()->index(ligne, colonne).data().toString();
    }
    void saisir(const char *nom, const QString &texte)
    {
        boite(nom)->clear();
        QTest::keyClicks(boite(nom), texte);
    }

    std::unique_ptr<Recherche> m_fenetre;
};

void TestRecherche::init()
{
    QLocale::setDefault(QLocale::c());
    m_fenetre = std::make_unique<Recherche>(nullptr, QStringLiteral("25"));
    m_fenetre->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_fenetre.get()));
}

void TestRecherche::cleanup()
{
    m_fenetre.reset();
    QLocale::setDefault(QLocale::c());
}

void TestRecherche::ouverture()
{
    QCOMPARE(m_fenetre->objectName(), QStringLiteral("Recherche"));
    QCOMPARE(m_fenetre->windowTitle(), QStringLiteral("Rechercher un ajustement"));
    QVERIFY(!m_fenetre->isModal());
    QCOMPARE(m_fenetre->windowType(), Qt::Tool);
    QCOMPARE(boite("Rech_Diametre")->text(), QStringLiteral("25"));
    QCOMPARE(boite("Rech_Jeu_Mini")->text(), QStringLiteral("0.01"));
    QCOMPARE(boite("Rech_Jeu_Maxi")->text(), QStringLiteral("0.04"));
    auto *base = m_fenetre->findChild<QComboBox *>(QStringLiteral("Rech_Base"));
    QCOMPARE(base->count(), 3);
    QCOMPARE(base->itemText(0), QStringLiteral("Alésage normal (H)"));
    QCOMPARE(base->itemText(1), QStringLiteral("Arbre normal (h)"));
    QCOMPARE(base->itemText(2), QStringLiteral("Toutes les classes"));
    auto *preferes = m_fenetre->findChild<QCheckBox *>(QStringLiteral("Rech_Preferes"));
    QCOMPARE(preferes->text(), QStringLiteral("Ajustements recommandés seulement"));
    QVERIFY(!preferes->isChecked());
    QCOMPARE(m_fenetre->findChild<Cellule *>(QStringLiteral("Rech_Appliquer"))->text(), QStringLiteral("Appliquer"));
    const QStringList colonnes{"Ajustement", "Jeu maxi", "Jeu mini", "Jeu moyen", "Nature", "Qualités", "Recommandé"};
    for (int c = 0; c < colonnes.size(); ++c)
        QCOMPARE(table()->model()->headerData(c, Qt::Horizontal).toString(), colonnes[c]);
}

void TestRecherche::resultats_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("diametre");
    QTest::addColumn<int>("base");
    QTest::addColumn<QStringList>("premiere");
    QTest::newRow("C, H7/g6 a 25") << QLocale::c() << "25" << 0
                                   << QStringList{"H7/g6", "0.0410", "0.0070", "0.0240", "Jeu", "7 + 6", "glissant"};
    QTest::newRow("francais") << QLocale(QLocale::French, QLocale::France) << "25" << 0
                              << QStringList{"H7/g6", "0,0410", "0,0070", "0,0240", "Jeu", "7 + 6", "glissant"};
    // Shaft basis: G7/h6, the twin with the same clearances.
    QTest::newRow("arbre normal") << QLocale::c() << "25" << 1
                                  << QStringList{"G7/h6", "0.0410", "0.0070", "0.0240", "Jeu", "7 + 6", "glissant"};
    // 2 mm, every class: F8/h7 and H8/f7 are the coarsest recommended fits.
    QTest::newRow("2 mm") << QLocale::c() << "2" << 2
                          << QStringList{"F8/h7", "0.0300", "0.0060", "0.0180", "Jeu", "8 + 7", "tournant"};
}

void TestRecherche::resultats()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, diametre);
    QFETCH(int, base);
    QFETCH(QStringList, premiere);
    QLocale::setDefault(locale);
    m_fenetre->findChild<QComboBox *>(QStringLiteral("Rech_Base"))->setCurrentIndex(base);
    m_fenetre->setDiametreTexte(diametre);
    saisir("Rech_Jeu_Mini", QStringLiteral("0.001"));
    saisir("Rech_Jeu_Maxi", QStringLiteral("0.045"));
    for (int c = 0; c < premiere.size(); ++c)
        QCOMPARE(cellule(0, c), premiere[c]);
    // The clearances carry the colours of the main window's labels.
    QCOMPARE(table()->model()->index(0, 1).data(Qt::ForegroundRole).value<QColor>(), couleurs::Jeu);
    // As many rows as the search finds.
    const ResultatRecherche r = rechercherAjustements({lireSaisie(diametre), 0.001, 0.045, Base(base), false});
    QCOMPARE(table()->model()->rowCount(), int(r.ajustements.size()));
    QCOMPARE(message(), QStringLiteral("%1 ajustements conviennent").arg(r.ajustements.size()));
    // Every description of a recommended fit is readable whole: shown in its
    // column, or held whole by the cell's tooltip.
    // A wide range lists the transition and interference fits too.
    saisir("Rech_Jeu_Mini", QStringLiteral("-0.2"));
    saisir("Rech_Jeu_Maxi", QStringLiteral("0.2"));
    const int colonne = premiere.size() - 1;
    const QFontMetrics fm(table()->font());
    for (int ligne = 0; ligne < table()->model()->rowCount(); ++ligne) {
        const QString description = cellule(ligne, colonne);
        if (description.isEmpty())
            continue;
        const bool entiere = fm.horizontalAdvance(description) + 8 <= table()->columnWidth(colonne);
        QVERIFY2(entiere || table()->model()->index(ligne, colonne).data(Qt::ToolTipRole).toString() == description,
                 qPrintable(description));
    }
}

void TestRecherche::messages_data()
{
    QTest::addColumn<QString>("diametre");
    QTest::addColumn<QString>("mini");
    QTest::addColumn<QString>("maxi");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("lignes");
    const QString diametre = QStringLiteral("Le diamètre doit être supérieur à 1 et inférieur ou égal à 500");
    QTest::newRow("vide") << "" << "0.01" << "0.04" << diametre << 0;
    QTest::newRow("un") << "1" << "0.01" << "0.04" << diametre << 0;
    QTest::newRow("500.5") << "500.5" << "0.01" << "0.04" << diametre << 0;
    QTest::newRow("point seul") << "." << "0.01" << "0.04" << diametre << 0;
    QTest::newRow("diametre avant jeux") << "0" << "0.05" << "0.01" << diametre << 0;
    QTest::newRow("jeux inverses") << "25" << "0.05" << "0.01"
                                   << "Le jeu mini dépasse le jeu maxi" << 0;
    QTest::newRow("negatifs inverses") << "25" << "-0.01" << "-0.02"
                                       << "Le jeu mini dépasse le jeu maxi" << 0;
    QTest::newRow("hors de portee") << "25" << "5" << "6"
                                    << "Aucun ajustement ne tient dans ces limites : les plus proches" << 10;
    QTest::newRow("plage vide") << "25" << "0.0123" << "0.0123"
                                << "Aucun ajustement ne tient dans ces limites : les plus proches" << 10;
    QTest::newRow("un seul") << "25" << "0.007" << "0.03" << "1 ajustement convient" << 1; // H6/g5
    QTest::newRow("500 accepte") << "500" << "-0.2" << "0.2" << "" << -1;
    // An empty box, or a lone "-", is no 0.
    QTest::newRow("jeu mini vide") << "25" << "" << "0.04" << "Saisissez le jeu mini" << 0;
    QTest::newRow("jeu maxi moins") << "25" << "0.01" << "-" << "Saisissez le jeu maxi" << 0;
    QTest::newRow("deux vides") << "25" << "" << "" << "Saisissez le jeu mini" << 0;
    QTest::newRow("jeu maxi point") << "25" << "0" << "." << "Saisissez le jeu maxi" << 0;
}

void TestRecherche::messages()
{
    QFETCH(QString, diametre);
    QFETCH(QString, mini);
    QFETCH(QString, maxi);
    QFETCH(QString, message);
    QFETCH(int, lignes);
    saisir("Rech_Diametre", diametre);
    saisir("Rech_Jeu_Mini", mini);
    saisir("Rech_Jeu_Maxi", maxi);
    if (lignes >= 0) {
        QCOMPARE(this->message(), message);
        QCOMPARE(table()->model()->rowCount(), lignes);
    } else {
        QVERIFY(this->message().endsWith(QStringLiteral(" ajustements conviennent")));
        QVERIFY(table()->model()->rowCount() > 1);
    }
    // Never a message box: the window is the only one.
    const QWidgetList fenetres = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(fenetres.begin(), fenetres.end(), [](const QWidget *w) { return w->isVisible(); }), 1);
    QCOMPARE(m_fenetre->findChild<Cellule *>(QStringLiteral("Rech_Appliquer"))->isEnabled(), lignes != 0);
    if (lignes == 10) // the nearest fits say how far they lie
        QVERIFY(table()->model()->index(0, 0).data(Qt::ToolTipRole).toString().startsWith(
            QStringLiteral("Hors des limites de ")));
}

void TestRecherche::touchesFiltrees_data()
{
    QTest::addColumn<QString>("boite");
    QTest::addColumn<QString>("frappe");
    QTest::addColumn<QString>("texte");
    QTest::newRow("diametre: lettres") << "Rech_Diametre" << "2a5" << "25";
    QTest::newRow("diametre: moins") << "Rech_Diametre" << "-25" << "25";
    QTest::newRow("diametre: exposant") << "Rech_Diametre" << "2e1" << "21";
    QTest::newRow("diametre: blancs") << "Rech_Diametre" << " 12.5 " << "12.5";
    QTest::newRow("jeu: moins") << "Rech_Jeu_Mini" << "-0.02" << "-0.02";
    QTest::newRow("jeu: lettres") << "Rech_Jeu_Maxi" << "0x.0y4" << "0.04";
    QTest::newRow("jeu: plus") << "Rech_Jeu_Maxi" << "+0.04" << "0.04";
    // What cannot form a number is refused: a second separator, a "-" not
    // first.
    QTest::newRow("jeu: deux points") << "Rech_Jeu_Mini" << "1.2.3" << "1.23";
    QTest::newRow("jeu: deux moins") << "Rech_Jeu_Mini" << "--0.1" << "-0.1";
    QTest::newRow("jeu: moins au milieu") << "Rech_Jeu_Maxi" << "0.1-2" << "0.12";
    QTest::newRow("diametre: deux virgules") << "Rech_Diametre" << "25,5,5" << "25,55";
}

void TestRecherche::touchesFiltrees()
{
    QFETCH(QString, boite);
    QFETCH(QString, frappe);
    QFETCH(QString, texte);
    saisir(boite.toLatin1().constData(), frappe);
    QLineEdit *b = this->boite(boite.toLatin1().constData());
    QCOMPARE(b->text(), texte);
    // Pasted over the whole text: refused unless it can form a number
    // (blanks around it removed).
    if (texte != frappe) {
        QApplication::clipboard()->setText(frappe);
        b->setFocus();
        QTest::keyClick(b, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(b->text(), texte);
    }
}

void TestRecherche::suitChaqueSaisie()
{
    m_fenetre->findChild<QComboBox *>(QStringLiteral("Rech_Base"))->setCurrentIndex(2);
    saisir("Rech_Jeu_Mini", QStringLiteral("-0.05"));
    saisir("Rech_Jeu_Maxi", QStringLiteral("0.05"));
    const int toutes = table()->model()->rowCount();
    QVERIFY(toutes > 20);
    // Recommended only: every row has a description, and fewer rows.
    QTest::mouseClick(m_fenetre->findChild<QCheckBox *>(QStringLiteral("Rech_Preferes")), Qt::LeftButton);
    const int recommandes = table()->model()->rowCount();
    QVERIFY(recommandes > 0 && recommandes < toutes);
    for (int i = 0; i < recommandes; ++i)
        QVERIFY2(!cellule(i, 6).isEmpty(), qPrintable(cellule(i, 0)));
    // Shaft basis: h shafts only.
    m_fenetre->findChild<QComboBox *>(QStringLiteral("Rech_Base"))->setCurrentIndex(1);
    for (int i = 0; i < table()->model()->rowCount(); ++i)
        QVERIFY2(cellule(i, 0).section(u'/', 1).startsWith(u'h'), qPrintable(cellule(i, 0)));
    // One more key in a box changes the results at once.
    QTest::keyClick(boite("Rech_Diametre"), Qt::Key_Backspace); // 25 -> 2
    QCOMPARE(cellule(0, 0), QStringLiteral("F8/h7"));
    QCOMPARE(cellule(0, 1), QStringLiteral("0.0300"));
}

void TestRecherche::tri_data()
{
    QTest::addColumn<int>("colonne");
    QTest::addColumn<bool>("montant");
    for (int c : {1, 2, 3})
        for (bool montant : {true, false})
            QTest::addRow("colonne %d %s", c, montant ? "montant" : "descendant") << c << montant;
}

// Numbers sort as numbers: negative clearances, and grades of two digits.
void TestRecherche::tri()
{
    QFETCH(int, colonne);
    QFETCH(bool, montant);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    m_fenetre->findChild<QComboBox *>(QStringLiteral("Rech_Base"))->setCurrentIndex(2);
    saisir("Rech_Jeu_Mini", QStringLiteral("-0.2"));
    saisir("Rech_Jeu_Maxi", QStringLiteral("0.2"));
    table()->sortByColumn(colonne, montant ? Qt::AscendingOrder : Qt::DescendingOrder);
    const int n = table()->model()->rowCount();
    QVERIFY(n > 100);
    double avant = lireNombreLocal(cellule(0, colonne));
    bool negatifs = avant < 0;
    for (int i = 1; i < n; ++i) {
        const double v = lireNombreLocal(cellule(i, colonne));
        QVERIFY2(montant ? v >= avant : v <= avant, qPrintable(cellule(i - 1, colonne) + " " + cellule(i, colonne)));
        negatifs = negatifs || v < 0;
        avant = v;
    }
    QVERIFY(negatifs);

    // Grades: their sums, in order, and the sort stays when the inputs change.
    table()->sortByColumn(5, Qt::AscendingOrder);
    saisir("Rech_Jeu_Maxi", QStringLiteral("0.3"));
    auto somme = [](const QString &t) { return t.section(u'+', 0, 0).trimmed().toInt() + t.section(u'+', 1).trimmed().toInt(); };
    for (int i = 1; i < table()->model()->rowCount(); ++i)
        QVERIFY2(somme(cellule(i - 1, 5)) <= somme(cellule(i, 5)), qPrintable(cellule(i - 1, 5) + " " + cellule(i, 5)));
}

void TestRecherche::appliquer_data()
{
    QTest::addColumn<int>("moyen"); // 0 button, 1 Enter in the table, 2 Enter in a box, 3 double click
    QTest::newRow("bouton") << 0;
    QTest::newRow("entree dans la table") << 1;
    QTest::newRow("entree dans le jeu mini") << 2;
    QTest::newRow("double clic") << 3;
}

void TestRecherche::appliquer()
{
    QFETCH(int, moyen);
    saisir("Rech_Diametre", QStringLiteral("12.5"));
    saisir("Rech_Jeu_Mini", QStringLiteral("0"));
    saisir("Rech_Jeu_Maxi", QStringLiteral("0.1"));
    QVERIFY(table()->model()->rowCount() > 3);
    QSignalSpy spy(m_fenetre.get(), &Recherche::appliquer);
    const int ligne = 2;
    const QString fit = cellule(ligne, 0);
    QTableView *t = table();
    const QRect r = t->visualRect(t->model()->index(ligne, 0));
    switch (moyen) {
    case 0:
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mousePress(m_fenetre->findChild<Cellule *>(QStringLiteral("Rech_Appliquer")), Qt::LeftButton);
        break;
    case 1:
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, r.center());
        QTest::keyClick(t, Qt::Key_Return);
        break;
    case 2:
        t->setCurrentIndex(t->model()->index(ligne, 3));
        QTest::keyClick(boite("Rech_Jeu_Mini"), Qt::Key_Enter);
        break;
    case 3:
        // A double click is a press, a release, then the double-click press.
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, r.center());
        break;
    }
    QCOMPARE(spy.count(), 1);
    const QList<QVariant> args = spy.takeFirst();
    QCOMPARE(args.at(0).toString(), QStringLiteral("12.5"));
    QCOMPARE(args.at(1).toString() + u'/' + args.at(2).toString(), fit);
    // Enter never reaches the box as text.
    QCOMPARE(boite("Rech_Jeu_Mini")->text(), QStringLiteral("0"));
}

void TestRecherche::rienAAppliquer()
{
    QSignalSpy spy(m_fenetre.get(), &Recherche::appliquer);
    saisir("Rech_Diametre", QStringLiteral("600"));
    QTest::mousePress(m_fenetre->findChild<Cellule *>(QStringLiteral("Rech_Appliquer")), Qt::LeftButton);
    QTest::keyClick(boite("Rech_Diametre"), Qt::Key_Return);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(table()->model()->rowCount(), 0);
}

// The window's own light colours, whatever the desktop's palette.
void TestRecherche::paletteClaire()
{
    QPalette sombre;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        sombre.setColor(role, QColor(30, 30, 30));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        sombre.setColor(role, QColor(230, 230, 230));
    const QPalette ancienne = QApplication::palette();
    QApplication::setPalette(sombre);
    Recherche fenetre(nullptr, QStringLiteral("25"));
    QApplication::setPalette(ancienne);
    const QPalette p = fenetre.findChild<QTableView *>(QStringLiteral("Rech_Resultats"))->palette();
    QCOMPARE(p.color(QPalette::Base), couleurs::Blanc);
    QCOMPARE(p.color(QPalette::Text), QColor(Qt::black));
    QCOMPARE(fenetre.palette().color(QPalette::Window), couleurs::Gris);
    QCOMPARE(fenetre.findChild<QLineEdit *>(QStringLiteral("Rech_Jeu_Mini"))->palette().color(QPalette::Base),
             couleurs::Blanc);
}

void TestRecherche::placement()
{
    const QRect ecran = m_fenetre->screen()->availableGeometry();
    QWidget gauche;
    gauche.setGeometry(ecran.left(), ecran.top() + 20, 150, 100);
    gauche.show();
    QVERIFY(QTest::qWaitForWindowExposed(&gauche));
    Recherche aDroite(&gauche, QStringLiteral("25"));
    QVERIFY(aDroite.x() > gauche.frameGeometry().right());
    QCOMPARE(aDroite.y(), gauche.frameGeometry().top());

    // No room on the right: on the left, inside the screen.
    QWidget droite;
    droite.setGeometry(ecran.right() - 150, ecran.top() + 20, 150, 100);
    droite.show();
    QVERIFY(QTest::qWaitForWindowExposed(&droite));
    Recherche aGauche(&droite, QStringLiteral("25"));
    QVERIFY(aGauche.x() + aGauche.width() <= droite.frameGeometry().left());
    QVERIFY(aGauche.x() >= ecran.left());
}

// The clearance boxes show their numbers in the locale: the starting
// range, and a range set by another window (four decimals, as results).
void TestRecherche::nombresDeLaLangue_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("textes");
    QTest::newRow("C") << QLocale::c() << QStringList{"0.01", "0.04", "-0.1733", "-0.0830"};
    QTest::newRow("fr") << QLocale(QLocale::French, QLocale::France)
                        << QStringList{"0,01", "0,04", "-0,1733", "-0,0830"};
}

void TestRecherche::nombresDeLaLangue()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, textes);
    QLocale::setDefault(locale);
    Recherche r(nullptr, QStringLiteral("25"));
    auto *mini = r.findChild<QLineEdit *>(QStringLiteral("Rech_Jeu_Mini"));
    auto *maxi = r.findChild<QLineEdit *>(QStringLiteral("Rech_Jeu_Maxi"));
    QCOMPARE(mini->text(), textes[0]);
    QCOMPARE(maxi->text(), textes[1]);
    r.setDemande(QStringLiteral("50"), -0.17325, -0.083);
    QCOMPARE(mini->text(), textes[2]);
    QCOMPARE(maxi->text(), textes[3]);
    // The boxes read back what they show: the search runs on that range.
    QVERIFY(r.findChild<QLabel *>(QStringLiteral("Rech_Message"))->text().contains(QStringLiteral("ajustement")));
}

// Ticking "En service" adds two columns: the window widens to show every
// column with its whole header, without a horizontal scroll bar, stays on
// the screen, and takes its width back when they go.
void TestRecherche::colonnesEnService()
{
    const QRect ecran = m_fenetre->screen()->availableGeometry();
    QWidget principale;
    principale.setGeometry(ecran.left(), ecran.top() + 20, 150, 100);
    principale.show();
    QVERIFY(QTest::qWaitForWindowExposed(&principale));
    Recherche r(&principale, QStringLiteral("25"));
    r.show();
    QVERIFY(QTest::qWaitForWindowExposed(&r));
    auto *t = r.findChild<QTableView *>(QStringLiteral("Rech_Resultats"));
    auto *appliquer = r.findChild<Cellule *>(QStringLiteral("Rech_Appliquer"));
    auto *enService = r.findChild<QCheckBox *>(QStringLiteral("Rech_En_Service"));
    const int avant = r.width();
    r.setService(vestrel::ConditionsService{});
    QVERIFY(enService->isEnabled());
    enService->setChecked(true);
    QCOMPARE(t->model()->columnCount(), 9);
    QCOMPARE(t->model()->headerData(7, Qt::Horizontal).toString(), QStringLiteral("Maxi en service"));
    QApplication::processEvents();
    QHeaderView *h = t->horizontalHeader();
    for (int c = 0; c < 9; ++c)
        QVERIFY2(h->sectionSize(c) >= h->sectionSizeHint(c),
                 qPrintable(t->model()->headerData(c, Qt::Horizontal).toString()));
    QCOMPARE(t->horizontalScrollBar()->maximum(), 0);
    QVERIFY(r.width() > avant);
    QVERIFY(r.rect().contains(t->geometry()));
    QCOMPARE(appliquer->geometry().right(), t->geometry().right());
    QVERIFY(ecran.contains(r.frameGeometry()));

    enService->setChecked(false);
    QCOMPARE(t->model()->columnCount(), 7);
    QCOMPARE(r.width(), avant);
    QCOMPARE(appliquer->geometry().right(), t->geometry().right());
}

QTEST_MAIN(TestRecherche)
#include "test_recherche.moc"
