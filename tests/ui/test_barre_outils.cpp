#include "tables/catalogue.h"
#include "ui/barre_outils.h"
#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/twips.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace vestrel;
using Rang = BarreOutils::Rang;

Q_DECLARE_METATYPE(vestrel::Cote)

namespace {

// The grades whose cells are enabled, as texts.
QStringList gradesActives(const BarreOutils &barre, Cote cote)
{
    QStringList actives;
    for (const Cellule *c : barre.rangee(cote, Rang::Grade))
        if (c->isEnabled())
            actives << c->text();
    return actives;
}

QStringList suite(int de, int a)
{
    QStringList l;
    for (int g = de; g <= a; ++g)
        l << QString::number(g);
    return l;
}

bool estChoisie(const Cellule *c)
{
    return c->borderStyle() == 1 && c->appearance() == 1 && c->backColor() == couleurs::Selection;
}

bool estPreselectionnee(const Cellule *c)
{
    return c->borderStyle() == 1 && c->appearance() == 0 && c->backColor() == couleurs::Selection;
}

bool estSimple(const Cellule *c)
{
    return c->borderStyle() == 0 && c->appearance() == 0 && c->backColor() == couleurs::Blanc;
}

} // namespace

class TestBarreOutils : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<BarreOutils> m_barre;

    Cellule *cellule(Cote cote, Rang rang, const QString &texte) const
    {
        for (Cellule *c : m_barre->rangee(cote, rang))
            if (c->text() == texte)
                return c;
        return nullptr;
    }
    Cellule *parNom(const QString &nom) const { return m_barre->findChild<Cellule *>(nom); }

private slots:
    void init()
    {
        m_barre = std::make_unique<BarreOutils>();
        m_barre->setDiametre(2);
        m_barre->initialiser();
        connect(m_barre.get(), &BarreOutils::survolFond, m_barre.get(), &BarreOutils::retirerSurvol);
        m_barre->move(40, 40);
        m_barre->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_barre.get()));
    }
    void cleanup() { m_barre.reset(); }

    void etatDeDepart()
    {
        QCOMPARE(m_barre->objectName(), QStringLiteral("Toolbars"));
        QCOMPARE(m_barre->title(), QStringLiteral("Choix de l'ajustement"));
        QCOMPARE(m_barre->size(), tailleTwips(5350, 3255));
        QCOMPARE(m_barre->classeComposee(Cote::Alesage), QStringLiteral("H7"));
        QCOMPARE(m_barre->classeComposee(Cote::Arbre), QStringLiteral("f7"));
        QCOMPARE(m_barre->lettre(Cote::Arbre), QStringLiteral("f"));
        QCOMPARE(m_barre->grade(Cote::Alesage), QStringLiteral("7"));

        QCOMPARE(m_barre->indiceChoisi(Cote::Alesage, Rang::Lettre), 7);
        QCOMPARE(m_barre->indiceChoisi(Cote::Alesage, Rang::Grade), 1);
        QCOMPARE(m_barre->indiceChoisi(Cote::Arbre, Rang::Lettre), 5);
        QCOMPARE(m_barre->indiceChoisi(Cote::Arbre, Rang::Grade), 2);
        const QStringList choisies{"Lbl_TB_Cl_Al(7)", "Lbl_TB_Ql_Al(1)", "Lbl_TB_Cl_Ar(5)",
                                   "Lbl_TB_Ql_Ar(2)"};
        for (Cellule *c : m_barre->findChildren<Cellule *>()) {
            if (choisies.contains(c->objectName()))
                QVERIFY2(estChoisie(c), qPrintable(c->objectName()));
            else
                QVERIFY2(estSimple(c), qPrintable(c->objectName()));
        }
        QCOMPARE(gradesActives(*m_barre, Cote::Alesage), suite(6, 16));
        QCOMPARE(gradesActives(*m_barre, Cote::Arbre), suite(6, 8));

        // No cell is under the pointer: no hover frame.
        QVERIFY(!m_barre->cadreSel()->isVisible());
        QCOMPARE(m_barre->cadreSel()->objectName(), QStringLiteral("Cadre_Sel"));
    }

    void disposition_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("gauche");
        QTest::addColumn<int>("haut");
        QTest::newRow("A") << "Lbl_TB_Cl_Al(0)" << "A" << 200 << 360;
        QTest::newRow("H") << "Lbl_TB_Cl_Al(7)" << "H" << 2720 << 360;
        QTest::newRow("N") << "Lbl_TB_Cl_Al(12)" << "N" << 200 << 740;
        QTest::newRow("X") << "Lbl_TB_Cl_Al(18)" << "X" << 2360 << 740;
        QTest::newRow("ZA left of Z") << "Lbl_TB_Cl_Al(20)" << "ZA" << 2720 << 740;
        QTest::newRow("Z") << "Lbl_TB_Cl_Al(19)" << "Z" << 3080 << 740;
        QTest::newRow("ZC") << "Lbl_TB_Cl_Al(22)" << "ZC" << 3800 << 740;
        QTest::newRow("bore 18") << "Lbl_TB_Ql_Al(12)" << "18" << 4520 << 1250;
        QTest::newRow("js") << "Lbl_TB_Cl_Ar(9)" << "js" << 3440 << 1750;
        QTest::newRow("z left of za") << "Lbl_TB_Cl_Ar(19)" << "z" << 2720 << 2130;
        QTest::newRow("za") << "Lbl_TB_Cl_Ar(20)" << "za" << 3080 << 2130;
        QTest::newRow("shaft 5") << "Lbl_TB_Ql_Ar(0)" << "5" << 200 << 2640;
        QTest::newRow("shaft 18") << "Lbl_TB_Ql_Ar(13)" << "18" << 4880 << 2640;
    }
    void disposition()
    {
        QFETCH(QString, nom);
        QFETCH(QString, texte);
        QFETCH(int, gauche);
        QFETCH(int, haut);
        Cellule *c = parNom(nom);
        QVERIFY(c);
        QCOMPARE(c->text(), texte);
        QCOMPARE(c->geometry(), rectTwips(gauche, haut, 350, 350));
    }

    void rangees()
    {
        QCOMPARE(m_barre->rangee(Cote::Alesage, Rang::Lettre).size(), 23);
        QCOMPARE(m_barre->rangee(Cote::Alesage, Rang::Grade).size(), 13);
        QCOMPARE(m_barre->rangee(Cote::Arbre, Rang::Lettre).size(), 23);
        QCOMPARE(m_barre->rangee(Cote::Arbre, Rang::Grade).size(), 14);
        // The frame and the outlines lie under the cells, so they never hide
        // a cell from the pointer.
        for (Cellule *c : m_barre->findChildren<Cellule *>()) {
            const QPoint centre = c->geometry().center();
            QCOMPARE(m_barre->childAt(centre), c);
        }
    }

    void lettre_data()
    {
        QTest::addColumn<Cote>("cote");
        QTest::addColumn<double>("diametre");
        QTest::addColumn<QString>("lettre");
        QTest::addColumn<QString>("classe");
        QTest::addColumn<QStringList>("actives");
        QTest::newRow("H at 2 mm") << Cote::Alesage << 2.0 << "H" << "H6" << suite(6, 16);
        QTest::newRow("H at 12 mm") << Cote::Alesage << 12.0 << "H" << "H6" << suite(6, 18);
        QTest::newRow("ZB at 300 mm") << Cote::Alesage << 300.0 << "ZB" << "ZB11" << suite(11, 11);
        QTest::newRow("ZB at 150 mm") << Cote::Alesage << 150.0 << "ZB" << "ZB10" << suite(10, 11);
        QTest::newRow("S at 130 mm") << Cote::Alesage << 130.0 << "S" << "S7" << suite(7, 9);
        QTest::newRow("s at 150 mm") << Cote::Arbre << 150.0 << "s" << "s6" << suite(6, 10);
        QTest::newRow("za at 3 mm") << Cote::Arbre << 3.0 << "za" << "za6" << suite(6, 7);
        QTest::newRow("T at 30 mm") << Cote::Alesage << 30.0 << "T" << "T6" << suite(6, 7);
        QTest::newRow("t at 30 mm") << Cote::Arbre << 30.0 << "t" << "t5" << suite(5, 7);
        // No T9 or t9 deviations exist between 180 and 200 mm.
        QTest::newRow("T at 190 mm") << Cote::Alesage << 190.0 << "T" << "T7" << suite(7, 8);
        QTest::newRow("t at 190 mm") << Cote::Arbre << 190.0 << "t" << "t6" << suite(6, 8);
        QTest::newRow("T at 210 mm") << Cote::Alesage << 210.0 << "T" << "T7" << suite(7, 9);
        QTest::newRow("t at 210 mm") << Cote::Arbre << 210.0 << "t" << "t6" << suite(6, 9);
    }
    void lettre()
    {
        QFETCH(Cote, cote);
        QFETCH(double, diametre);
        QFETCH(QString, lettre);
        QFETCH(QString, classe);
        QFETCH(QStringList, actives);
        m_barre->setDiametre(diametre);
        QSignalSpy spy(m_barre.get(), &BarreOutils::classeChoisie);
        Cellule *l = cellule(cote, Rang::Lettre, lettre);
        QVERIFY(l);
        QTest::mouseClick(l, Qt::LeftButton);

        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][0].value<Cote>(), cote);
        QCOMPARE(spy[0][1].toString(), classe);
        QCOMPARE(m_barre->classeComposee(cote), classe);
        QCOMPARE(m_barre->lettre(cote), lettre);
        QVERIFY(estChoisie(l));
        QCOMPARE(gradesActives(*m_barre, cote), actives);

        // The smallest enabled grade is preselected, every other grade plain.
        const QString defaut = actives.first();
        QCOMPARE(m_barre->grade(cote), defaut);
        for (const Cellule *g : m_barre->rangee(cote, Rang::Grade)) {
            if (g->text() == defaut)
                QVERIFY(estPreselectionnee(g));
            else
                QVERIFY2(estSimple(g), qPrintable(g->text()));
        }
        QCOMPARE(m_barre->rangee(cote, Rang::Grade)[m_barre->indiceChoisi(cote, Rang::Grade)]->text(),
                 defaut);
        // Only the pressed letter of its row is selected; the other side is
        // untouched.
        for (const Cellule *c : m_barre->rangee(cote, Rang::Lettre))
            if (c != l)
                QVERIFY(estSimple(c));
        const Cote autre = cote == Cote::Alesage ? Cote::Arbre : Cote::Alesage;
        QCOMPARE(m_barre->classeComposee(autre), autre == Cote::Alesage ? "H7" : "f7");
        QVERIFY(!m_barre->cadreSel()->isVisible());
    }

    void classeEtoilee_data()
    {
        QTest::addColumn<Cote>("cote");
        QTest::addColumn<QString>("lettre");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QString>("classe");
        QTest::newRow("E11*") << Cote::Alesage << "E" << "11" << "E11*";
        QTest::newRow("E12*") << Cote::Alesage << "E" << "12" << "E12*";
        QTest::newRow("E10") << Cote::Alesage << "E" << "10" << "E10";
        QTest::newRow("e10*") << Cote::Arbre << "e" << "10" << "e10*";
        QTest::newRow("e9") << Cote::Arbre << "e" << "9" << "e9";
        QTest::newRow("c12*") << Cote::Arbre << "c" << "12" << "c12*";
        QTest::newRow("c11") << Cote::Arbre << "c" << "11" << "c11";
    }
    void classeEtoilee()
    {
        QFETCH(Cote, cote);
        QFETCH(QString, lettre);
        QFETCH(QString, grade);
        QFETCH(QString, classe);
        QTest::mouseClick(cellule(cote, Rang::Lettre, lettre), Qt::LeftButton);
        QSignalSpy spy(m_barre.get(), &BarreOutils::classeChoisie);
        Cellule *g = cellule(cote, Rang::Grade, grade);
        QTest::mouseClick(g, Qt::RightButton);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][1].toString(), classe);
        QCOMPARE(m_barre->grade(cote), grade);
        QVERIFY(estChoisie(g));
        // A grade press changes only the grade: the letter stays selected
        // and the enabled grades stay as they are.
        QVERIFY(estChoisie(cellule(cote, Rang::Lettre, lettre)));
        QCOMPARE(m_barre->lettre(cote), lettre);
    }

    void TSansGrade()
    {
        // Up to 24 mm no T class exists: the grade row is cleared and fully
        // disabled, and no class is composed, not even with the grade picked
        // before.
        m_barre->setDiametre(20);
        QTest::mouseClick(cellule(Cote::Arbre, Rang::Grade, "6"), Qt::LeftButton);
        QSignalSpy spy(m_barre.get(), &BarreOutils::classeChoisie);
        QTest::mouseClick(cellule(Cote::Arbre, Rang::Lettre, "t"), Qt::LeftButton);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][1].toString(), QString());
        QCOMPARE(m_barre->classeComposee(Cote::Arbre), QString());
        QVERIFY(gradesActives(*m_barre, Cote::Arbre).isEmpty());
        for (const Cellule *g : m_barre->rangee(Cote::Arbre, Rang::Grade))
            QVERIFY(estSimple(g));
        QCOMPARE(m_barre->indiceChoisi(Cote::Arbre, Rang::Grade), -1);
    }

    void diametreHorsTables()
    {
        // No range holds the diameter: the letter has no grade there, every
        // grade is disabled and no class is composed.
        m_barre->setDiametre(600);
        QCOMPARE(m_barre->classeComposee(Cote::Alesage), QString());
        QSignalSpy spy(m_barre.get(), &BarreOutils::classeChoisie);
        QTest::mouseClick(cellule(Cote::Alesage, Rang::Lettre, "G"), Qt::LeftButton);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][1].toString(), QString());
        QVERIFY(gradesActives(*m_barre, Cote::Alesage).isEmpty());
        for (const Cellule *g : m_barre->rangee(Cote::Alesage, Rang::Grade))
            QVERIFY(estSimple(g));
        // Back inside the tables, G offers 6 and 7 and waits for a grade.
        m_barre->setDiametre(25);
        QCOMPARE(gradesActives(*m_barre, Cote::Alesage), suite(6, 7));
        QCOMPARE(m_barre->classeComposee(Cote::Alesage), QString());
    }

    void celluleInactive()
    {
        QSignalSpy spy(m_barre.get(), &BarreOutils::classeChoisie);
        Cellule *g17 = cellule(Cote::Alesage, Rang::Grade, "17");
        QVERIFY(!g17->isEnabled());
        QTest::mouseClick(g17, Qt::LeftButton);
        QCOMPARE(spy.size(), 0);
        QVERIFY(estSimple(g17));

        m_barre->activerT(false);
        QVERIFY(!cellule(Cote::Alesage, Rang::Lettre, "T")->isEnabled());
        QVERIFY(!cellule(Cote::Arbre, Rang::Lettre, "t")->isEnabled());
        QTest::mouseClick(cellule(Cote::Alesage, Rang::Lettre, "T"), Qt::LeftButton);
        QCOMPARE(spy.size(), 0);
        m_barre->activerT(true);
        QVERIFY(cellule(Cote::Arbre, Rang::Lettre, "t")->isEnabled());
    }

    void survol()
    {
        Cellule *b = cellule(Cote::Alesage, Rang::Lettre, "B");
        Cellule *c = cellule(Cote::Alesage, Rang::Lettre, "C");
        Cellule *h = cellule(Cote::Alesage, Rang::Lettre, "H");
        Forme *cadre = m_barre->cadreSel();

        QTest::mouseMove(b, b->rect().center());
        QTRY_COMPARE_WITH_TIMEOUT(b->backColor(), couleurs::Survol, 500);
        QVERIFY(cadre->isVisible());
        QCOMPARE(cadre->pos(), b->pos() - QPoint(1, 1));
        QCOMPARE(m_barre->indiceSurvole(Cote::Alesage, Rang::Lettre), 1);

        // The next cell takes the hover look, the one left goes back to white.
        QTest::mouseMove(c, c->rect().center());
        QTRY_COMPARE_WITH_TIMEOUT(c->backColor(), couleurs::Survol, 500);
        QCOMPARE(b->backColor(), couleurs::Blanc);
        QCOMPARE(cadre->pos(), c->pos() - QPoint(1, 1));

        // The selected cell shows neither the hover colour nor the frame.
        QTest::mouseMove(h, h->rect().center());
        QTRY_COMPARE_WITH_TIMEOUT(m_barre->indiceSurvole(Cote::Alesage, Rang::Lettre), 7, 500);
        QVERIFY(estChoisie(h));
        QCOMPARE(c->backColor(), couleurs::Blanc);
        QVERIFY(!cadre->isVisible());

        // Straight to another row: the cell left goes back to white too.
        QTest::mouseMove(c, c->rect().center());
        QTRY_COMPARE_WITH_TIMEOUT(c->backColor(), couleurs::Survol, 500);
        Cellule *d = cellule(Cote::Arbre, Rang::Lettre, "d");
        QTest::mouseMove(d, d->rect().center());
        QTRY_COMPARE_WITH_TIMEOUT(d->backColor(), couleurs::Survol, 500);
        QCOMPARE(c->backColor(), couleurs::Blanc);

        // Over the frame's background every hover effect goes, but the
        // selected cell keeps its look even though it was the last hovered.
        Cellule *g = cellule(Cote::Alesage, Rang::Grade, "9");
        QTest::mouseMove(g, g->rect().center());
        QTRY_COMPARE_WITH_TIMEOUT(g->backColor(), couleurs::Survol, 500);
        QVERIFY(cadre->isVisible());
        QTest::mouseMove(m_barre.get(), pointTwips(5200, 1500));
        QTRY_VERIFY_WITH_TIMEOUT(!cadre->isVisible(), 500);
        QCOMPARE(g->backColor(), couleurs::Blanc);
        QVERIFY(estChoisie(h));
    }

    void survolPuisPression()
    {
        Cellule *d = cellule(Cote::Arbre, Rang::Lettre, "d");
        QTest::mouseMove(d, d->rect().center());
        QTRY_VERIFY_WITH_TIMEOUT(m_barre->cadreSel()->isVisible(), 500);
        QTest::mouseClick(d, Qt::LeftButton, {}, d->rect().center());
        QVERIFY(!m_barre->cadreSel()->isVisible());
        QVERIFY(estChoisie(d));
        // Leaving the freshly selected cell must not paint it white.
        QTest::mouseMove(m_barre.get(), pointTwips(5200, 1500));
        QTRY_VERIFY_WITH_TIMEOUT(m_barre->indiceSurvole(Cote::Arbre, Rang::Lettre) == 3, 500);
        QVERIFY(estChoisie(d));
    }
};

QTEST_MAIN(TestBarreOutils)
#include "test_barre_outils.moc"
