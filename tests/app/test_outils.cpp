// The Outils menu wired into the main window: the diagram window follows
// the fit shown, the keys Ctrl+C, Ctrl+E and Ctrl+F, the results' context
// menu, and the finder applying a fit to the window.
#include "aide.h"
#include "tests/fiab/coherence.h"
#include "tests/aide_modale.h"

#include "app/outils.h"
#include "ui/export.h"
#include "calcul/ajustement_affiche.h"
#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/fenetre_outil.h"
#include "ui/menu_deroulant.h"
#include "ui/menus.h"
#include "ui/recherche.h"
#include "ui/schema.h"

#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QMimeData>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <functional>
#include <QTableView>

using vestrel::Cote;
using vestrel::Principale;

namespace {

// The items of the Outils menu, in menu order.
constexpr int ItemSchema = 0;
constexpr int ItemRecherche = 1;
constexpr int ItemCopie = 2;
constexpr int ItemExport = 3;

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
    void ecartsSelectionnables_data();
    void ecartsSelectionnables();
    void dossierRetenu();
    void dossierApresEchec();
    void cheminEntier();

    void schemaOuvertFerme();
    void schemaSuitLesResultats_data();
    void schemaSuitLesResultats();
    void copierAuClavier();
    void menuContextuel();
    void exporterOuvreLeDialogue();
    void rechercheAppliquee();
    void raccourcisAffiches();
    void echapFerme_data();
    void echapFerme();
    void sansNombresRienACopier();
    void surUnPetitEcran_data();
    void surUnPetitEcran();
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

void TestOutils::ecartsSelectionnables_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");
    // The start fit, 2 mm H7/f7.
    QTest::newRow("ES") << "Af_Ec_Sup_Al" << "0.01";
    QTest::newRow("EI") << "Af_Ec_Inf_Al" << "0";
    QTest::newRow("es") << "Af_Ec_Sup_Ar" << "-0.006";
    QTest::newRow("ei") << "Af_Ec_Inf_Ar" << "-0.016";
}

// A deviation is selected with the mouse, as the results are.
void TestOutils::ecartsSelectionnables()
{
    QFETCH(QString, nom);
    QFETCH(QString, texte);
    Principale f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto *etiquette = controle<QLabel>(f, nom);
    QCOMPARE(etiquette->text(), texte);
    const QPoint debut(1, etiquette->height() / 3);
    const QPoint fin(etiquette->fontMetrics().horizontalAdvance(texte) + 2, etiquette->height() / 3);
    QTest::mousePress(etiquette, Qt::LeftButton, {}, debut);
    QMouseEvent glisse(QEvent::MouseMove, fin, etiquette->mapToGlobal(fin), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(etiquette, &glisse);
    QTest::mouseRelease(etiquette, Qt::LeftButton, {}, fin);
    QCOMPARE(etiquette->selectedText(), texte);
}

// The export dialog opens where the last export was written, for the rest
// of the run.
void TestOutils::dossierRetenu()
{
    QTemporaryDir dossier;
    Principale f;
    f.show();
    QString ouvert;
    auto repondre = [&](bool enregistrer) {
        quandModal(&f, [&, enregistrer] {
            auto *dialogue = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialogue)
                return;
            ouvert = dialogue->directory().absolutePath();
            if (enregistrer) {
                // The name set whole, then Enter: typed key by key, the
                // name opens the box's completer list on a loaded machine,
                // and the list takes the Enter.
                auto *nom = dialogue->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                nom->setText(dossier.filePath("fiche.svg"));
                QTest::keyClick(nom, Qt::Key_Return);
            } else {
                dialogue->reject();
            }
        });
    };
    auto *diametre = controle<QLineEdit>(f, "Diametre");
    diametre->setFocus();
    repondre(true);
    QTest::keyClick(diametre, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(QFileInfo::exists(dossier.filePath("fiche.svg")));
    repondre(false);
    QTest::keyClick(diametre, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(ouvert, QDir(dossier.path()).absolutePath());
}

// Only a folder written to is remembered: after an export that failed
// (a folder where nothing can be created), the dialog opens again where the
// last export succeeded, not in the folder that failed.
void TestOutils::dossierApresEchec()
{
    QTemporaryDir dossier;
    Principale f;
    f.show();
    QString ouvert;
    QString messageErreur;
    std::function<void()> fermerMessage = [&] {
        quandModal(&f, [&] {
            if (auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                messageErreur = m->text();
                m->accept();
            } else {
                fermerMessage();
            }
        });
    };
    auto repondre = [&](const QString &chemin) {
        quandModal(&f, [&, chemin] {
            auto *dialogue = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialogue)
                return;
            ouvert = dialogue->directory().absolutePath();
            if (chemin.isEmpty()) {
                dialogue->reject();
                return;
            }
            auto *nom = dialogue->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            nom->setText(chemin);
            QTest::keyClick(nom, Qt::Key_Return);
        });
    };
    auto *diametre = controle<QLineEdit>(f, "Diametre");
    diametre->setFocus();
    repondre(dossier.filePath("fiche.svg"));
    QTest::keyClick(diametre, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(QFileInfo::exists(dossier.filePath("fiche.svg")));
    repondre(QStringLiteral("/sys/fiche.svg"));
    fermerMessage();
    QTest::keyClick(diametre, Qt::Key_E, Qt::ControlModifier);
    QVERIFY2(messageErreur.contains(QStringLiteral("sys")), qPrintable(messageErreur));
    repondre(QString());
    QTest::keyClick(diametre, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(ouvert, QDir(dossier.path()).absolutePath());
}

// A failed export names its paths in « »: each stays whole on one line of
// the message box, never broken after "« /".
void TestOutils::cheminEntier()
{
    const QString dossier = QStringLiteral("/tmp/un/dossier/assez/long/pour/que/le/message/passe/a/la/ligne");
    const QString fichier = dossier + QStringLiteral("/ajustement-25-H7-g6.pdf");
    const QString erreur = QStringLiteral("Le fichier « %1 » n'a pas été enregistré : le dossier « %2 » n'est pas "
                                          "accessible en écriture.").arg(fichier, dossier);
    QStringList coupes;
    bool vu = false;
    QObject contexte;
    quandModal(&contexte, [&] {
        auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!boite)
            return;
        vu = true;
        const auto *etiquette = boite->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        // The label's text laid out at the label's width, line by line.
        QTextDocument doc;
        doc.setDefaultFont(etiquette->font());
        doc.setDocumentMargin(0);
        doc.setPlainText(etiquette->text());
        doc.setTextWidth(etiquette->contentsRect().width());
        QVERIFY(doc.size().height() > 0);
        QStringList lignes;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            for (int k = 0; k < b.layout()->lineCount(); ++k) {
                const QTextLine l = b.layout()->lineAt(k);
                QString t = b.text().mid(l.textStart(), l.textLength());
                t.remove(QChar(0x2060));
                t.replace(QChar(0x00A0), QLatin1Char(' '));
                lignes << t;
            }
        QVERIFY2(lignes.size() > 1, qPrintable(lignes.join('|')));
        for (const QString &chemin : {fichier, dossier}) {
            const QString entier = QStringLiteral("« %1 »").arg(chemin);
            if (std::none_of(lignes.begin(), lignes.end(), [&](const QString &l) { return l.contains(entier); }))
                coupes << lignes.join('|');
        }
        boite->accept();
    });
    vestrel::montrerErreurExport(nullptr, erreur);
    QVERIFY(vu);
    QVERIFY2(coupes.isEmpty(), qPrintable(coupes.join(", ")));
}

// Each item with a key shows it at its right, in the item's font; it takes
// the hover look with its item.
void TestOutils::raccourcisAffiches()
{
    Principale f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTest::mousePress(controle<vestrel::Cellule>(f, "MNU(3)"), Qt::LeftButton);
    vestrel::MenuDeroulant *menu = menuOutils(f);
    QVERIFY(menu->isVisible());
    QVERIFY(!menu->raccourci(ItemSchema));
    const QStringList attendus{"", "Ctrl+F", "Ctrl+C", "Ctrl+E"};
    for (int k = ItemRecherche; k <= ItemExport; ++k) {
        auto *touche = menu->findChild<vestrel::Cellule *>(QStringLiteral("Mnu_Outils_1_Touche(%1)").arg(k));
        QVERIFY(touche && touche->isVisible());
        QCOMPARE(touche->text(), attendus[k]);
        QCOMPARE(touche->font(), menu->texte(k)->font());
        QVERIFY(touche->x() > menu->texte(k)->geometry().right());
        QVERIFY(menu->rect().contains(touche->geometry()));
        // Sent to the cell: the offscreen platform gives a moving pointer to
        // the main window under the drop-down.
        const QPointF dans(3, 3);
        QMouseEvent bouge(QEvent::MouseMove, dans, touche->mapToGlobal(dans), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(touche, &bouge);
        QCOMPARE(touche->backColor(), vestrel::couleurs::Survol);
        QCOMPARE(menu->texte(k)->backColor(), vestrel::couleurs::Survol);
    }
}

void TestOutils::echapFerme_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("focus"); // the control that has the focus
    QTest::newRow("schema") << ItemSchema << "";
    QTest::newRow("recherche, jeu maxi") << ItemRecherche << "Rech_Jeu_Maxi";
    QTest::newRow("recherche, table") << ItemRecherche << "Rech_Resultats";
    QTest::newRow("recherche, base") << ItemRecherche << "Rech_Base";
}

// Escape closes a tool window whichever control has the focus: hidden, the
// menu's check mark cleared, kept for the next opening.
void TestOutils::echapFerme()
{
    QFETCH(int, item);
    QFETCH(QString, focus);
    Principale f;
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QVERIFY(!f.outils()->fenetre(item));
    outil(f, item);
    QPointer<vestrel::FenetreOutil> w = f.outils()->fenetre(item);
    QVERIFY(w && w->isVisible());
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QWidget *cible = focus.isEmpty() ? w.data() : w->findChild<QWidget *>(focus);
    QVERIFY(cible);
    cible->setFocus();
    QTest::keyClick(cible, Qt::Key_Escape);
    QVERIFY(w);
    QVERIFY(!w->isVisible());
    QVERIFY(!coche(f));
    QVERIFY(f.isVisible());
    outil(f, item);
    QCOMPARE(f.outils()->fenetre(item), w.data());
    QVERIFY(w->isVisible());
}

// With no class on either side there is nothing to copy or export: both
// items drawn disabled in the menu and in the results' context menu, and
// neither their click nor their key touches the clipboard or asks for a
// file. One side with numbers is enough.
void TestOutils::sansNombresRienACopier()
{
    Principale f;
    Avertissements avertissements;
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    auto *diametre = controle<QLineEdit>(f, "Diametre");
    diametre->setFocus();
    diametre->selectAll();
    QTest::keyClicks(diametre, "25");
    QCOMPARE(texte(f, "Res_Al_Max"), QString());
    QGuiApplication::clipboard()->setText("avant");

    vestrel::MenuDeroulant *menu = menuOutils(f);
    for (int k : {ItemCopie, ItemExport}) {
        QVERIFY(!menu->itemActif(k));
        QCOMPARE(menu->texte(k)->palette().color(QPalette::WindowText),
                 menu->palette().color(QPalette::Disabled, QPalette::WindowText));
        QCOMPARE(menu->raccourci(k)->palette().color(QPalette::WindowText),
                 menu->palette().color(QPalette::Disabled, QPalette::WindowText));
    }
    QVERIFY(menu->itemActif(ItemSchema));
    QVERIFY(menu->itemActif(ItemRecherche));

    bool dialogue = false;
    QTimer attente;
    connect(&attente, &QTimer::timeout, &f, [&] {
        if (auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            dialogue = true;
            d->reject();
        }
    });
    attente.start(20);
    outil(f, ItemCopie);
    outil(f, ItemExport);
    diametre->setFocus();
    diametre->deselect();
    QTest::keyClick(diametre, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(diametre, Qt::Key_E, Qt::ControlModifier);
    QTest::qWait(100);
    QVERIFY(!dialogue);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("avant"));
    QCOMPARE(diametre->text(), QString("25"));

    // The context menu of the results, drawn disabled too.
    QList<bool> actives;
    QTimer::singleShot(50, &f, [&] {
        if (auto *m = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (QAction *a : m->actions())
                actives << a->isEnabled();
            m->close();
        }
    });
    auto *jeu = controle<QLabel>(f, "J_Max");
    QContextMenuEvent clic(QContextMenuEvent::Mouse, QPoint(2, 2), jeu->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(jeu, &clic);
    QCOMPARE(actives, QList<bool>{false});

    // The bore chosen: there are numbers to copy.
    choisir(f, "Aj_Alesage", "H7");
    QVERIFY(menu->itemActif(ItemCopie));
    QVERIFY(menu->itemActif(ItemExport));
    QCOMPARE(menu->texte(ItemCopie)->palette().color(QPalette::WindowText),
             menu->palette().color(QPalette::Active, QPalette::WindowText));
    diametre->setFocus();
    diametre->deselect();
    QTest::keyClick(diametre, Qt::Key_C, Qt::ControlModifier);
    const QString copie = QGuiApplication::clipboard()->text();
    QVERIFY2(copie.contains(QString::fromUtf8("Alésage ∅25 H7")), qPrintable(copie));
}

void TestOutils::surUnPetitEcran_data()
{
    QTest::addColumn<double>("x"); // left of the main window, as a share of the free width
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("methode");
    for (double x : {0.0, 0.5, 1.0})
        for (double y : {0.0, 1.0})
            for (int m : {0, 1})
                QTest::addRow("%g %g methode %d", x, y, m) << x << y << m;
}

// On the 1366 x 768 screen of the test screens, wherever the main window
// is: the diagram and the finder open wholly on it, and the diagram stays on
// it when the main window moves.
void TestOutils::surUnPetitEcran()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(int, methode);
    QScreen *petit = nullptr;
    for (QScreen *e : QGuiApplication::screens())
        if (e->name() == "Petit")
            petit = e;
    QVERIFY(petit);
    const QRect zone = petit->availableGeometry();
    Principale f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    controle<QRadioButton>(f, QStringLiteral("Ch_opt(%1)").arg(methode))->setChecked(true);
    const auto placer = [&](double fx, double fy) {
        const QSize c = f.frameGeometry().size();
        f.move(zone.left() + int(fx * (zone.width() - c.width())), zone.top() + int(fy * (zone.height() - c.height())));
    };
    placer(x, y);
    QVERIFY(zone.contains(f.frameGeometry()));
    const auto dedans = [&](const QWidget *w) {
        return QStringLiteral("%1 at %2,%3 %4x%5")
            .arg(w->objectName())
            .arg(w->frameGeometry().x())
            .arg(w->frameGeometry().y())
            .arg(w->frameGeometry().width())
            .arg(w->frameGeometry().height());
    };
    outil(f, ItemSchema);
    vestrel::Schema *s = f.outils()->schema();
    QVERIFY2(zone.contains(s->frameGeometry()), qPrintable(dedans(s)));
    QTest::keyClick(controle<QLineEdit>(f, "Diametre"), Qt::Key_F, Qt::ControlModifier);
    vestrel::Recherche *r = f.outils()->recherche();
    QVERIFY(r && r->isVisible());
    QVERIFY2(zone.contains(r->frameGeometry()), qPrintable(dedans(r)));
    placer(1 - x, 1 - y);
    QTRY_VERIFY2(zone.contains(s->frameGeometry()), qPrintable(dedans(s)));
}

QTEST_MAIN(TestOutils)
#include "test_outils.moc"
