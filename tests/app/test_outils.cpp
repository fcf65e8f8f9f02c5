// The Outils menu wired into the main window: the diagram window follows
// the fit shown, the keys Ctrl+C, Ctrl+E and Ctrl+F, the results' context
// menu, and the finder applying a fit to the window.
#include "aide.h"
#include "tests/fiab/coherence.h"

#include "app/outils.h"
#include "calcul/ajustement_affiche.h"
#include "ui/cellule.h"
#include "ui/menu_deroulant.h"
#include "ui/menus.h"
#include "ui/recherche.h"
#include "ui/schema.h"

#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>

using vestrel::Cote;
using vestrel::Principale;

namespace {

// The items of the Outils menu, in menu order.
constexpr int ItemSchema = 0;

vestrel::MenuDeroulant *menuOutils(const Principale &f)
{
    for (auto *m : f.findChildren<vestrel::MenuDeroulant *>())
        if (m->objectName() == "Mnu_Outils")
            return m;
    return nullptr;
}

// Chooses item k of the Outils menu with the mouse: the title, then the item.
void outil(Principale &f, int k)
{
    QTest::mousePress(controle<vestrel::Cellule>(f, "MNU(3)"), Qt::LeftButton);
    vestrel::MenuDeroulant *menu = menuOutils(f);
    QVERIFY(menu && menu->isVisible());
    vestrel::Cellule *item = menu->texte(k);
    QTest::mousePress(item, Qt::LeftButton);
    QTest::mouseRelease(item, Qt::LeftButton);
}

bool coche(const Principale &f)
{
    return !menuOutils(f)->icone(ItemSchema)->pixmap().isNull();
}

QString incoherence(const Principale &f, const vestrel::Schema &s)
{
    if (!s.isVisible())
        return "the diagram is not open";
    return fiab::incoherenceSchema(f);
}

} // namespace

class TestOutils : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void schemaOuvertFerme();
    void schemaSuitLesResultats_data();
    void schemaSuitLesResultats();
    void copierAuClavier();
    void menuContextuel();
    void exporterOuvreLeDialogue();
    void rechercheAppliquee();
};

void TestOutils::schemaOuvertFerme()
{
    Principale f;
    f.show();
    QVERIFY(!f.outils()->schema());
    QVERIFY(!coche(f));
    outil(f, ItemSchema);
    vestrel::Schema *s = f.outils()->schema();
    QVERIFY(s && s->isVisible());
    QVERIFY(coche(f));
    QVERIFY(!menuOutils(f)->isVisible());
    QCOMPARE(s->windowTitle(), QString::fromUtf8("Schéma des tolérances"));
    // Against the right edge of the main window, at its top.
    QCOMPARE(s->pos(), QPoint(f.frameGeometry().right() + 1, f.frameGeometry().top()));
    QVERIFY2(incoherence(f, *s).isEmpty(), qPrintable(incoherence(f, *s)));

    outil(f, ItemSchema);
    QVERIFY(!s->isVisible());
    QVERIFY(!coche(f));

    // Closed by its own title bar: only hidden, the check mark cleared.
    outil(f, ItemSchema);
    QVERIFY(s->isVisible());
    QVERIFY(s->close());
    QVERIFY(!s->isVisible());
    QCOMPARE(f.outils()->schema(), s);
    QVERIFY(!coche(f));
}

void TestOutils::schemaSuitLesResultats_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::newRow("classes") << QStringList{"d:25", "al:H7", "ar:g6"};
    QTest::newRow("serrage") << QStringList{"d:25", "al:H7", "ar:s6"};
    QTest::newRow("saisie anticipee") << QStringList{"d:40", "tape:F"};
    QTest::newRow("barre outil") << QStringList{"m:1", "tb:G", "tb:k", "d:30"};
    QTest::newRow("libre") << QStringList{"m:2", "dia1:20", "calcul", "m:0"};
    QTest::newRow("hors plage") << QStringList{"d:25", "al:H7", "d:600", "ar:g6"};
}

void TestOutils::schemaSuitLesResultats()
{
    QFETCH(QStringList, actions);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Principale f;
    Avertissements avertissements;
    f.show();
    f.outils()->basculerSchema();
    vestrel::Schema *s = f.outils()->schema();
    for (const QString &a : actions) {
        agir(f, a);
        const QString e = incoherence(f, *s);
        QVERIFY2(e.isEmpty(), qPrintable(a + ": " + e));
    }
}

void TestOutils::copierAuClavier()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Principale f;
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    auto *diametre = controle<QLineEdit>(f, "Diametre");
    QTest::keyClicks(diametre, "25");
    choisir(f, "Aj_Alesage", "H7");
    choisir(f, "Aj_Arbre", "g6");
    QClipboard *presse = QGuiApplication::clipboard();

    // A selected text is copied as usual.
    diametre->setFocus();
    diametre->selectAll();
    QTest::keyClick(diametre, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(presse->text(), QString("25"));

    // Without a selection, the fit, in text and in HTML.
    diametre->deselect();
    QTest::keyClick(diametre, Qt::Key_C, Qt::ControlModifier);
    const QStringList lignes = presse->text().split('\n');
    QCOMPARE(lignes.value(0), QString::fromUtf8("Ajustement ∅25 H7/g6 : avec jeu"));
    QCOMPARE(lignes.value(3), QString("Jeu maxi 0,0410 ; jeu mini 0,0070 ; jeu moyen 0,0240"));
    QVERIFY(presse->mimeData()->hasHtml());
    QVERIFY(presse->mimeData()->html().contains("<table"));

    // From a list, the same.
    presse->clear();
    auto *liste = controle<QComboBox>(f, "Aj_Arbre");
    liste->setFocus();
    QTest::keyClick(liste, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(presse->text().startsWith(QString::fromUtf8("Ajustement ∅25")));
    QCOMPARE(liste->currentText(), QString("g6"));
}

void TestOutils::menuContextuel()
{
    Principale f;
    f.show();
    QStringList vus;
    QTimer::singleShot(50, &f, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *a : menu->actions())
            vus << a->text();
        menu->actions().value(0)->trigger();
        menu->close();
    });
    QGuiApplication::clipboard()->clear();
    auto *jeu = controle<QLabel>(f, "J_Max");
    // A right click on a result label opens the frame's menu.
    QContextMenuEvent clic(QContextMenuEvent::Mouse, QPoint(2, 2), jeu->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(jeu, &clic);
    QCOMPARE(vus, QStringList{"Copier l'ajustement"});
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(QString::fromUtf8("Ajustement ∅2 H7/f7")));
    QVERIFY(jeu->textInteractionFlags() & Qt::TextSelectableByMouse);
}

void TestOutils::exporterOuvreLeDialogue()
{
    Principale f;
    f.show();
    QString propose;
    QTimer::singleShot(50, &f, [&] {
        auto *dialogue = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialogue)
            return;
        propose = dialogue->selectedFiles().value(0);
        dialogue->reject();
    });
    auto *diametre = controle<QLineEdit>(f, "Diametre");
    diametre->setFocus();
    QTest::keyClick(diametre, Qt::Key_E, Qt::ControlModifier);
    QVERIFY2(propose.endsWith("ajustement-2-H7-f7.pdf"), qPrintable(propose));
    // The key never reaches the box as text.
    QCOMPARE(diametre->text(), QString("2"));
}

void TestOutils::rechercheAppliquee()
{
    Principale f;
    Avertissements avertissements;
    f.show();
    controle<QRadioButton>(f, "Ch_opt(2)")->setChecked(true);
    controle<QLineEdit>(f, "Diametre")->setText("12.5");
    f.outils()->basculerSchema();
    auto *diametre = controle<QLineEdit>(f, "Diametre");
    QTest::keyClick(diametre, Qt::Key_F, Qt::ControlModifier);
    vestrel::Recherche *r = f.outils()->recherche();
    QVERIFY(r && r->isVisible());
    auto *rechDiametre = r->findChild<QLineEdit *>("Rech_Diametre");
    QCOMPARE(rechDiametre->text(), QString("12.5"));

    auto *maxi = r->findChild<QLineEdit *>("Rech_Jeu_Maxi");
    maxi->selectAll();
    QTest::keyClicks(maxi, "0.1");
    auto *table = r->findChild<QTableView *>("Rech_Resultats");
    QVERIFY(table->model()->rowCount() > 1);
    const int ligne = 1;
    const QString ajustement = table->model()->index(ligne, 0).data().toString();
    table->setCurrentIndex(table->model()->index(ligne, 0));
    QSignalSpy changes(&f, &Principale::resultatsChanges);
    QTest::mousePress(r->findChild<vestrel::Cellule *>("Rech_Appliquer"), Qt::LeftButton);

    QCOMPARE(changes.count(), 1);
    QVERIFY(controle<QRadioButton>(f, "Ch_opt(0)")->isChecked());
    QCOMPARE(diametre->text(), QString("12.5"));
    QCOMPARE(controle<QComboBox>(f, "Aj_Alesage")->currentText() + '/' + controle<QComboBox>(f, "Aj_Arbre")->currentText(),
             ajustement);
    QCOMPARE(texte(f, "J_Max"), table->model()->index(ligne, 1).data().toString());
    QCOMPARE(texte(f, "J_Min"), table->model()->index(ligne, 2).data().toString());
    const QString e = incoherence(f, *f.outils()->schema());
    QVERIFY2(e.isEmpty(), qPrintable(e));
    QVERIFY(avertissements.vues.isEmpty());

    // Opened again after a close, it starts from the window's diameter.
    r->close();
    diametre->setText("40");
    f.outils()->ouvrirRecherche();
    QCOMPARE(rechDiametre->text(), QString("40"));
}

QTEST_MAIN(TestOutils)
#include "test_outils.moc"
