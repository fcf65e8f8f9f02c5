// A seeded random walk of user actions over the whole main window: typing and
// pasting, list choices and type-ahead, toolbar presses, "Calculer", method
// switches by option and by menu, menu hovers, the about box, the diagram
// window (opened, closed, the main window moved, resized) and the finder
// (typed into, a fit applied), copying the fit, "Jeu en service" (opened,
// closed, typed into, a material chosen). After every action the
// display, and the diagram when open, must agree with the fit state and the
// tables.
//
//   VESTREL_SINGE_GRAINE   seed (default 20261207); the same seed replays
//                          the same walk
//   VESTREL_SINGE_ACTIONS  number of actions (default 20000)
//   VESTREL_SINGE_EXPLORER 1: report each kind of finding once and go on
#include "tests/fiab/coherence.h"

#include "app/outils.h"
#include "ui/cellule.h"
#include "ui/frettage.h"
#include "ui/menu_deroulant.h"
#include "ui/menus.h"
#include "ui/recherche.h"
#include "ui/schema.h"
#include "ui/menus.h"
#include "ui/service.h"
#include "calcul/nombres.h"
#include "ui/textes.h"

#include <QApplication>
#include <QScreen>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <array>
#include <cstdio>
#include <map>
#include <numeric>
#include <random>

using vestrel::Cote;

namespace {

qulonglong variable(const char *nom, qulonglong parDefaut)
{
    bool ok = false;
    const qulonglong v = qEnvironmentVariable(nom).toULongLong(&ok);
    return ok ? v : parDefaut;
}

const char *const BoitesLibres[] = {"Dia1", "Ec_Sup_Dia1", "Ec_Inf_Dia1", "Dia2", "Ec_Sup_Dia2", "Ec_Inf_Dia2"};
const char *const Listes[] = {"Aj_Alesage", "Aj_Arbre"};

struct Rangee {
    const char *nom;
    int cellules;
};
constexpr Rangee Rangees[] = {{"Lbl_TB_Cl_Al", 23}, {"Lbl_TB_Ql_Al", 13}, {"Lbl_TB_Cl_Ar", 23}, {"Lbl_TB_Ql_Ar", 14}};

// Diameters users type, and the edges of the tables.
const char *const Diametres[] = {"2",   "25",  "1",    "1.001", "500", "500.5", "0",   "24",  "24.5", "30",
                                 "180", "200", "180.5", "3",    "6",   "10",    "110", "130", "300", "12.5.3",
                                 "12,5", "0,5", "600", "12,5,3", "--0.1", "1.2.3", "0.1-", "-"};
const char *const Collages[] = {"", " ", "1e400", "-0", "0x10", "25,4", "２５", "nan", "inf", "\x01\t\r\n",
                                "H7", "g6", "e11*", "-25", "99999999999999999999999999999999999999999",
                                "12,5", "-0,025", "12,5,3", ",5", "1.2.3", "--0.1", "0.1-", "-", "5-3",
                                "-,", " 12,5\t"};

// The row of "Jeu en service" in the Outils menu.
int itemService()
{
    const auto items = vestrel::OutilsPrincipale::items();
    for (int k = 0; k < int(items.size()); ++k)
        if (QString::fromUtf8(items[std::size_t(k)].texte) == QStringLiteral("Jeu en service"))
            return k;
    return -1;
}

class Singe
{
public:
    Singe(vestrel::Principale &f, qulonglong graine)
        : m_f(f), m_alea(graine), m_aleaService(graine ^ 0x5e7u)
    {
    }

    fiab::Suivi suivi;
    fiab::Fermeur fermeur;
    std::map<QString, int> parGenre;
    QStringList journal;

    // One action; false when the drawn control was not on screen.
    bool agir()
    {
        const int avant = m_faites;
        // Weights of the kinds of action.
        static constexpr std::array Poids{20, 8, 10, 10, 16, 5, 5, 4, 6, 1, 8, 3, 3, 3, 1, 2, 2};
        int tirage = entier(std::accumulate(Poids.begin(), Poids.end(), 0));
        int genre = 0;
        while (tirage >= Poids[genre])
            tirage -= Poids[genre++];
        // Keys reach an open menu: with "Fichier" open, Down and Enter would
        // choose "Quitter" and end the walk. It is closed by Escape first.
        if (genre == 0 || genre == 1 || genre == 3 || genre >= 13)
            fermerFichier();
        switch (genre) {
        case 0: taper(); break;
        case 1: coller(); break;
        case 2: choisirDansListe(); break;
        case 3: toucheListe(); break;
        case 4: presserCellule(); break;
        case 5: calculer(); break;
        case 6: option(); break;
        case 7: menuSelection(); break;
        case 8: survolerMenus(); break;
        case 9: aPropos(); break;
        case 10: survoler(); break;
        case 11: cliquerFond(); break;
        case 12: schema(); break;
        case 13: rechercher(); break;
        case 14: copier(); break;
        case 15: basculerSysteme(); break;
        default: frettage(); break;
        }
        // "Jeu en service" changes nothing of the main window: its actions
        // come from their own stream, so that a seed walks the main window
        // as it did before they existed.
        std::swap(m_alea, m_aleaService);
        if (entier(8) == 0)
            service();
        std::swap(m_alea, m_aleaService);
        return m_faites > avant;
    }

private:
    int entier(int n) { return static_cast<int>(m_alea() % static_cast<unsigned>(n)); }
    bool pile(int pourCent) { return entier(100) < pourCent; }

    template <class T = QWidget>
    T *enfant(const QString &nom) const
    {
        return m_f.findChild<T *>(nom);
    }
    bool visible(const QWidget *w) const { return w && w->isVisibleTo(&m_f); }

    void noter(const QString &genre, const QString &detail)
    {
        ++parGenre[genre];
        ++m_faites;
        journal << genre + QStringLiteral(" ") + detail;
        if (journal.size() > 40)
            journal.removeFirst();
    }

    QString texteAuHasard(bool moins)
    {
        if (pile(50))
            return QString::fromUtf8(Diametres[entier(std::size(Diametres))]);
        // Some keys of other layouts too: soft hyphen, zero-width space,
        // full-width 2, minus sign.
        static const QString Touches = QStringLiteral("0123456789.....,eE a+*\u00AD\u200B\uFF12\u2212");
        QString t;
        for (int n = 1 + entier(6); n > 0; --n)
            t += pile(8) ? QChar(u'\b') : moins && pile(10) ? QChar(u'-') : Touches[entier(Touches.size())];
        return t;
    }

    // Types a text, '\b' being Backspace, into a box shown to the user.
    void taper()
    {
        const bool libre = m_f.etat().Methode_Selection == 2;
        const QString nom = libre ? QString::fromLatin1(BoitesLibres[entier(6)]) : QStringLiteral("Diametre");
        auto *boite = enfant<QLineEdit>(nom);
        if (!visible(boite))
            return;
        const QString t = texteAuHasard(libre);
        boite->setFocus();
        QTest::keyClick(boite, pile(50) ? Qt::Key_End : Qt::Key_Home);
        if (pile(50))
            QTest::keyClick(boite, Qt::Key_A, Qt::ControlModifier);
        for (const QChar c : t) {
            if (c == u'\b')
                QTest::keyClick(boite, Qt::Key_Backspace);
            else if (c.unicode() < 0x7F)
                QTest::keyClick(boite, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::KeyAction::Click, boite, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        if (pile(10))
            QTest::keyClick(boite, Qt::Key_Return);
        noter(QStringLiteral("type"), nom + QStringLiteral(" \"") + QString(t).replace(u'\b', u'<') + u'"');
        suiviDiametre(nom);
    }

    void coller()
    {
        const int methode = m_f.etat().Methode_Selection;
        QString nom;
        if (methode == 2)
            nom = QString::fromLatin1(BoitesLibres[entier(6)]);
        else if (methode == 0 && pile(30))
            nom = QString::fromLatin1(Listes[entier(2)]);
        else
            nom = QStringLiteral("Diametre");
        QWidget *cible = enfant(nom);
        if (!visible(cible))
            return;
        const QString t = pile(70) ? QString::fromUtf8(Collages[entier(std::size(Collages))])
                                   : QString(1 + entier(200), QChar(u'0' + entier(10)));
        QApplication::clipboard()->setText(t);
        cible->setFocus();
        if (pile(70))
            QTest::keyClick(cible, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(cible, Qt::Key_V, Qt::ControlModifier);
        noter(QStringLiteral("paste"), nom + QStringLiteral(" \"") + t.left(20) + u'"');
        suiviDiametre(nom);
    }

    // A change of diameter in "Popup" empties the results of both sides.
    void suiviDiametre(const QString &nom)
    {
        if (nom == u"Diametre" && m_f.etat().Methode_Selection == 0)
            suivi.tables();
    }

    void choisirDansListe()
    {
        const int cote = entier(2);
        auto *liste = enfant<QComboBox>(QString::fromLatin1(Listes[cote]));
        if (!visible(liste) || liste->count() == 0)
            return;
        const int i = entier(liste->count());
        liste->setCurrentIndex(i);
        noter(QStringLiteral("choose"), QStringLiteral("%1 item %2 \"%3\"").arg(QLatin1String(Listes[cote])).arg(i).arg(liste->itemText(i)));
        suivi.tables();
    }

    void toucheListe()
    {
        const int cote = entier(2);
        auto *liste = enfant<QComboBox>(QString::fromLatin1(Listes[cote]));
        if (!visible(liste))
            return;
        liste->setFocus();
        static const QString Touches = QStringLiteral("HhGgFfJjSsZzEeCc0123456789*-");
        QString journalTouches;
        // Validation keys, and releases of keys pressed elsewhere (as when a
        // warning closed by Enter hands the focus back), type nothing.
        static constexpr Qt::Key Speciales[] = {Qt::Key_Backspace, Qt::Key_Up,     Qt::Key_Down,
                                                Qt::Key_Left,      Qt::Key_Return, Qt::Key_Escape};
        static constexpr Qt::Key Relachees[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_H};
        constexpr int NbSpeciales = int(std::size(Speciales));
        for (int n = 1 + entier(3); n > 0; --n) {
            const int t = entier(Touches.size() + NbSpeciales + 1);
            if (t < Touches.size()) {
                QTest::keyClick(liste, Touches[t].toLatin1());
                journalTouches += Touches[t];
            } else if (t < Touches.size() + NbSpeciales) {
                QTest::keyClick(liste, Speciales[t - Touches.size()]);
                journalTouches += QStringLiteral("<%1>").arg(t - Touches.size());
            } else {
                const int r = entier(int(std::size(Relachees)));
                const std::string avant[] = {m_f.etat().Cl_Alesage, m_f.etat().Cl_Arbre};
                QTest::keyRelease(liste, Relachees[r]);
                if (m_f.etat().Cl_Alesage != avant[0] || m_f.etat().Cl_Arbre != avant[1])
                    journal << QStringLiteral("!! a key released without its press changed the classes");
                journalTouches += QStringLiteral("<release %1>").arg(r);
            }
        }
        noter(QStringLiteral("list-keys"), QStringLiteral("%1 \"%2\"").arg(QLatin1String(Listes[cote]), journalTouches));
        suivi.tables();
    }

    void presserCellule()
    {
        const Rangee &r = Rangees[entier(4)];
        const int i = entier(r.cellules);
        auto *cellule = enfant(QStringLiteral("%1(%2)").arg(QLatin1String(r.nom)).arg(i));
        if (!visible(cellule))
            return;
        if (!cellule->isEnabled()) {
            // A disabled cell takes no press: nothing may change.
            const vestrel::EtatAjustement avant = m_f.etat();
            QTest::mouseClick(cellule, Qt::LeftButton);
            noter(QStringLiteral("disabled-cell"), cellule->objectName());
            if (m_f.etat().Cl_Alesage != avant.Cl_Alesage || m_f.etat().Cl_Arbre != avant.Cl_Arbre)
                journal << QStringLiteral("!! a disabled cell changed the classes");
            return;
        }
        QTest::mouseClick(cellule, Qt::LeftButton);
        noter(QStringLiteral("cell"), cellule->objectName());
        suivi.tables();
    }

    void calculer()
    {
        auto *calcul = enfant(QStringLiteral("Calcul"));
        if (!visible(calcul))
            return;
        QTest::mouseClick(calcul, Qt::LeftButton);
        noter(QStringLiteral("calculer"), QString());
        suivi.calculLibre(m_f);
    }

    // A new method shows the fit of the tables ("Popup", "Barre outil") or
    // the free results ("Libre"); choosing the current one again changes
    // nothing.
    void methodeChoisie(int avant, int k)
    {
        if (k == avant)
            return;
        if (k == 2)
            suivi.calculLibre(m_f);
        else
            suivi.tables();
    }

    void option()
    {
        const int k = entier(3);
        const int avant = m_f.etat().Methode_Selection;
        auto *bouton = enfant<QRadioButton>(QStringLiteral("Ch_opt(%1)").arg(k));
        QTest::mouseClick(bouton, Qt::LeftButton);
        noter(QStringLiteral("option"), QString::number(k));
        methodeChoisie(avant, k);
    }

    QWidget *deroulant(const char *nom) const
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(nom))
                return w;
        return nullptr;
    }

    void menuSelection()
    {
        QTest::mouseClick(enfant(QStringLiteral("MNU(1)")), Qt::LeftButton);
        QWidget *menu = deroulant("Mnu_Select");
        if (!menu || !menu->isVisible()) {
            noter(QStringLiteral("menu"), QStringLiteral("Selection did not open"));
            return;
        }
        const int k = entier(3);
        const int avant = m_f.etat().Methode_Selection;
        static const char *const Parties[] = {"Mnu_Select_1(%1)", "Pict(%1)", "Image1(%1)"};
        auto *partie = menu->findChild<QWidget *>(QString::fromLatin1(Parties[entier(3)]).arg(k));
        QTest::mouseMove(partie);
        QTest::mouseClick(partie, Qt::LeftButton);
        noter(QStringLiteral("menu"), QStringLiteral("Selection item %1 (%2)").arg(k).arg(partie->objectName()));
        methodeChoisie(avant, k);
    }

    void survolerMenus()
    {
        const int i = entier(3);
        auto *titre = enfant(QStringLiteral("MNU(%1)").arg(i));
        QTest::mouseMove(titre);
        QString detail = titre->objectName();
        if (pile(30)) {
            // Opening a menu and leaving it open; "Quitter" is never clicked.
            QTest::mouseClick(titre, Qt::LeftButton);
            detail += QStringLiteral(" pressed");
        }
        static const char *const Menus[] = {"Mnu_File", "Mnu_Select", "Mnu_Apropos"};
        if (QWidget *menu = deroulant(Menus[i]); menu && menu->isVisible() && pile(50)) {
            const auto parties = menu->findChildren<vestrel::Cellule *>();
            if (!parties.isEmpty()) {
                QWidget *p = parties[entier(parties.size())];
                QTest::mouseMove(p);
                detail += QStringLiteral(", over ") + p->objectName();
            }
        }
        noter(QStringLiteral("menu-hover"), detail);
    }

    void aPropos()
    {
        QTest::mouseClick(enfant(QStringLiteral("MNU(2)")), Qt::LeftButton);
        QWidget *menu = deroulant("Mnu_Apropos");
        if (!menu || !menu->isVisible()) {
            noter(QStringLiteral("about"), QStringLiteral("menu did not open"));
            return;
        }
        const int avant = fermeur.aPropos;
        // Modal: the closer clicks the picture from its timer.
        QTest::mouseClick(menu->findChild<QWidget *>(QStringLiteral("Mnu_apropos_1(0)")), Qt::LeftButton);
        noter(QStringLiteral("about"), fermeur.aPropos > avant ? QStringLiteral("opened and closed")
                                                             : QStringLiteral("did not open"));
    }

    void survoler()
    {
        const QPoint p(entier(qMax(1, m_f.width())), entier(qMax(1, m_f.height())));
        QTest::mouseMove(&m_f, p);
        noter(QStringLiteral("hover"), QStringLiteral("%1,%2").arg(p.x()).arg(p.y()));
    }

    void cliquerFond()
    {
        QWidget *cadre = enfant(QStringLiteral("Frame2"));
        QTest::mouseClick(cadre, Qt::LeftButton, {}, QPoint(3, cadre->height() - 3));
        noter(QStringLiteral("background"), QStringLiteral("Frame2"));
    }

    void fermerFichier()
    {
        QWidget *fichier = deroulant("Mnu_File");
        if (!fichier || !fichier->isVisible())
            return;
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &m_f, Qt::Key_Escape);
        noter(QStringLiteral("escape"), fichier->isVisible() ? QStringLiteral("!! Fichier still open")
                                                             : QStringLiteral("Fichier closed"));
    }

    // Opens or closes the diagram from the Outils menu, or moves the main
    // window or resizes the diagram while it shows.
    void schema()
    {
        vestrel::Schema *s = m_f.outils()->schema();
        const bool ouvert = s && s->isVisible();
        const int choix = ouvert ? entier(3) : 0;
        if (choix == 0) {
            QTest::mouseClick(enfant(QStringLiteral("MNU(3)")), Qt::LeftButton);
            auto *menu = static_cast<vestrel::MenuDeroulant *>(deroulant("Mnu_Outils"));
            if (!menu || !menu->isVisible()) {
                noter(QStringLiteral("diagram"), QStringLiteral("!! the Outils menu did not open"));
                return;
            }
            QTest::mouseClick(menu->texte(0), Qt::LeftButton);
            s = m_f.outils()->schema();
            const bool coche = !menu->icone(0)->pixmap().isNull();
            const bool montre = s && s->isVisible();
            noter(QStringLiteral("diagram"), montre == ouvert || coche != montre
                                                 ? QStringLiteral("!! toggled from %1: shown %2, check mark %3")
                                                       .arg(ouvert).arg(montre).arg(coche)
                                                 : QString::fromLatin1(montre ? "opened" : "closed"));
        } else if (choix == 1) {
            const QPoint p(entier(400), entier(300));
            m_f.move(p);
            // Against the main window's right edge when it fits on the
            // screen there; else the place the tool windows' rule picks on
            // this screen (a 560 pixel wide diagram beside a main window
            // moved to x = 300 would leave an 800 pixel screen).
            const QScreen *ecran = QGuiApplication::screenAt(m_f.frameGeometry().center());
            if (!ecran)
                ecran = m_f.screen();
            const QPoint attendu = vestrel::placerOutil(m_f.frameGeometry(), s->frameGeometry().size(),
                                                        ecran->availableGeometry(), {});
            noter(QStringLiteral("diagram"), s->pos() == attendu
                                                 ? QStringLiteral("main window moved to %1,%2").arg(p.x()).arg(p.y())
                                                 : QStringLiteral("!! the diagram did not follow the main window"));
        } else {
            const QSize t(200 + entier(900), 150 + entier(700));
            s->resize(t);
            noter(QStringLiteral("diagram"), QStringLiteral("resized to %1x%2").arg(t.width()).arg(t.height()));
        }
    }

    // Switches the whole ISO 286 system on or off from the Outils menu: the
    // catalogue changes and the check mark says which is in force.
    void basculerSysteme()
    {
        constexpr int Item = 4;
        const bool avant = m_f.systeme() == vestrel::Systeme::Complet;
        QTest::mouseClick(enfant(QStringLiteral("MNU(3)")), Qt::LeftButton);
        auto *menu = static_cast<vestrel::MenuDeroulant *>(deroulant("Mnu_Outils"));
        if (!menu || !menu->isVisible()) {
            noter(QStringLiteral("system"), QStringLiteral("!! the Outils menu did not open"));
            return;
        }
        QTest::mouseClick(menu->texte(Item), Qt::LeftButton);
        const bool apres = m_f.systeme() == vestrel::Systeme::Complet;
        const bool coche = !menu->icone(Item)->pixmap().isNull();
        noter(QStringLiteral("system"), apres == avant || coche != apres
                                            ? QStringLiteral("!! toggled from %1: whole system %2, check mark %3")
                                                  .arg(avant).arg(apres).arg(coche)
                                            : QString::fromLatin1(apres ? "whole system" : "default catalogue"));
    }

    // Ctrl+F, then a text typed into one of the finder's boxes; sometimes
    // the fit of a row applied to the main window.
    void rechercher()
    {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == &m_f ? focus : &m_f, Qt::Key_F, Qt::ControlModifier);
        vestrel::Recherche *r = m_f.outils()->recherche();
        if (!r || !r->isVisible()) {
            noter(QStringLiteral("finder"), QStringLiteral("!! Ctrl+F did not open it"));
            return;
        }
        static const char *const Boites[] = {"Rech_Diametre", "Rech_Jeu_Mini", "Rech_Jeu_Maxi"};
        auto *boite = r->findChild<QLineEdit *>(QString::fromLatin1(Boites[entier(3)]));
        const QString t = texteAuHasard(true);
        if (pile(50))
            boite->clear();
        for (const QChar c : t)
            QTest::sendKeyEvent(QTest::KeyAction::Click, boite, c == u'\b' ? Qt::Key_Backspace : Qt::Key_unknown,
                                c == u'\b' ? QString() : QString(c), Qt::NoModifier);
        auto *table = r->findChild<QTableView *>(QStringLiteral("Rech_Resultats"));
        const int lignes = table->model()->rowCount();
        if (lignes == 0 || pile(60)) {
            noter(QStringLiteral("finder"), QStringLiteral("%1 typed \"%2\", %3 rows").arg(boite->objectName(), t).arg(lignes));
            return;
        }
        const int ligne = entier(lignes);
        table->setCurrentIndex(table->model()->index(ligne, 0));
        const QString ajustement = table->model()->index(ligne, 0).data().toString();
        const QString diametre = r->findChild<QLineEdit *>(QStringLiteral("Rech_Diametre"))->text();
        QTest::mousePress(r->findChild<vestrel::Cellule *>(QStringLiteral("Rech_Appliquer")), Qt::LeftButton);
        suivi.tables();
        const QString montre = enfant<QComboBox>(QStringLiteral("Aj_Alesage"))->currentText() + u'/'
                               + enfant<QComboBox>(QStringLiteral("Aj_Arbre"))->currentText();
        const bool juste = m_f.etat().Methode_Selection == 0 && montre == ajustement
                           && enfant<QLineEdit>(QStringLiteral("Diametre"))->text() == diametre;
        noter(QStringLiteral("finder"), juste ? QStringLiteral("applied %1 at \"%2\"").arg(ajustement, diametre)
                                              : QStringLiteral("!! applied %1 at \"%2\", the window shows %3")
                                                    .arg(ajustement, diametre, montre));
    }

    // Opens "Assemblage serré" from the Outils menu and types into one of its boxes: it shows the
    // main window's fit, and either its results or one message; sometimes
    // it is closed again.
    void frettage()
    {
        QTest::mouseClick(enfant(QStringLiteral("MNU(3)")), Qt::LeftButton);
        auto *menu = static_cast<vestrel::MenuDeroulant *>(deroulant("Mnu_Outils"));
        if (!menu || !menu->isVisible()) {
            noter(QStringLiteral("press fit"), QStringLiteral("!! the Outils menu did not open"));
            return;
        }
        const auto items = vestrel::OutilsPrincipale::items();
        const auto item = std::find_if(items.begin(), items.end(), [](const vestrel::ItemOutil &i) {
            return QString::fromUtf8(i.texte) == QStringLiteral("Assemblage serré");
        });
        QTest::mouseClick(menu->texte(int(item - items.begin())), Qt::LeftButton);
        vestrel::Frettage *w = m_f.outils()->frettage();
        if (!w || !w->isVisible()) {
            noter(QStringLiteral("press fit"), QStringLiteral("!! the window did not open"));
            return;
        }
        QList<QLineEdit *> boites;
        for (QLineEdit *b : w->findChildren<QLineEdit *>())
            if (b->objectName().startsWith(QStringLiteral("Fr_")))
                boites.append(b);
        QLineEdit *boite = boites.at(entier(static_cast<int>(boites.size())));
        const QString t = texteAuHasard(true);
        if (pile(50))
            boite->clear();
        for (const QChar c : t)
            QTest::sendKeyEvent(QTest::KeyAction::Click, boite, c == u'\b' ? Qt::Key_Backspace : Qt::Key_unknown,
                                c == u'\b' ? QString() : QString(c), Qt::NoModifier);
        const bool resultats = w->evaluation().resultat.has_value();
        const bool message = !w->findChild<QLabel *>(QStringLiteral("Fr_Message"))->text().isEmpty();
        const bool suit = w->ajustement() == m_f.resultat();
        noter(QStringLiteral("press fit"),
              !suit                      ? QStringLiteral("!! the window does not show the main window's fit")
              : resultats == message     ? QStringLiteral("!! %1 typed \"%2\": results %3, message %4")
                                               .arg(boite->objectName(), t).arg(resultats).arg(message)
                                         : QStringLiteral("%1 typed \"%2\", %3").arg(boite->objectName(), t,
                                                          resultats ? QStringLiteral("computed") : QStringLiteral("refused")));
        if (pile(30))
            w->hide();
    }

    // Ctrl+C with no text selected copies the fit: its first line names
    // the classes shown.
    void copier()
    {
        auto *diametre = enfant<QLineEdit>(QStringLiteral("Diametre"));
        if (!visible(diametre))
            return;
        diametre->deselect();
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(diametre, Qt::Key_C, Qt::ControlModifier);
        const QString premiere = QGuiApplication::clipboard()->text().section(u'\n', 0, 0);
        QString attendu;
        for (const Cote c : {Cote::Alesage, Cote::Arbre})
            if (!m_f.affichage().libre && m_f.affichage().cote(c).ecarts)
                attendu += (attendu.isEmpty() ? QString() : QStringLiteral("/"))
                           + QString::fromStdString(vestrel::classeDe(m_f.etat(), c));
        noter(QStringLiteral("copy"), premiere.contains(attendu) ? premiere
                                                                 : QStringLiteral("!! copied \"%1\", shown %2").arg(premiere, attendu));
    }

    // Opens or closes "Jeu en service", or types into one of its boxes, or
    // chooses a material; its results must be those of the fit shown, and
    // the diagram draws the fit in service exactly when they exist.
    void service()
    {
        vestrel::Service *s = m_f.outils()->service();
        if (!s || !s->isVisible() || pile(15)) {
            m_f.outils()->choisir(itemService());
            s = m_f.outils()->service();
        } else if (pile(25)) {
            static const char *const Materiaux[] = {"Sv_Mat_Alesage", "Sv_Mat_Arbre"};
            auto *l = s->findChild<QComboBox *>(QString::fromLatin1(Materiaux[entier(2)]));
            l->setCurrentIndex(entier(l->count()));
        } else {
            static const char *const Boites[] = {"Sv_Temp_Alesage", "Sv_Temp_Arbre", "Sv_Alpha_Alesage",
                                                 "Sv_Alpha_Arbre", "Sv_K"};
            auto *boite = s->findChild<QLineEdit *>(QString::fromLatin1(Boites[entier(5)]));
            if (pile(50))
                boite->clear();
            for (const QChar c : texteAuHasard(true))
                QTest::sendKeyEvent(QTest::KeyAction::Click, boite, c == u'\b' ? Qt::Key_Backspace : Qt::Key_unknown,
                                    c == u'\b' ? QString() : QString(c), Qt::NoModifier);
        }
        if (!s->isVisible()) {
            const vestrel::Schema *schema = m_f.outils()->schema();
            noter(QStringLiteral("service"), schema && schema->modele().service
                                                 ? QStringLiteral("!! closed, the diagram still draws the fit in service")
                                                 : QStringLiteral("closed"));
            return;
        }
        // A box without a number (empty, "-", ",") gives no result.
        bool saisies = true;
        for (const char *nom : {"Sv_Temp_Alesage", "Sv_Temp_Arbre", "Sv_Alpha_Alesage", "Sv_Alpha_Arbre", "Sv_K"})
            saisies = saisies && vestrel::nombreSaisi(s->findChild<QLineEdit *>(QString::fromLatin1(nom))->text().toStdString());
        const auto attendu = saisies ? vestrel::etatService(m_f.affichage(), s->conditions(), s->facteur())
                                     : std::nullopt;
        const QString montre = s->findChild<QLabel *>(QStringLiteral("Sv_Jeu_Max"))->text();
        const QString juste = attendu ? vestrel::texteJeuLocal(attendu->service.jeux.max.valeur) : QString();
        const vestrel::Schema *schema = m_f.outils()->schema();
        const bool dessin = schema && schema->isVisible() && schema->modele().service.has_value();
        const bool dessinAttendu = schema && schema->isVisible() && attendu && m_f.affichage().cote(Cote::Alesage).ecarts;
        noter(QStringLiteral("service"), montre != juste       ? QStringLiteral("!! shows \"%1\", expected \"%2\"").arg(montre, juste)
                                         : dessin != dessinAttendu ? QStringLiteral("!! the diagram does not follow it")
                                                                   : QStringLiteral("shows \"%1\"").arg(montre));
    }

    vestrel::Principale &m_f;
    std::mt19937_64 m_alea;
    std::mt19937_64 m_aleaService;
    int m_faites = 0;
};

} // namespace

class TestSinge : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void marche();
};

void TestSinge::marche()
{
    const qulonglong graine = variable("VESTREL_SINGE_GRAINE", 20261207);
    const int actions = static_cast<int>(variable("VESTREL_SINGE_ACTIONS", 20000));
    vestrel::Principale f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    Singe singe(f, graine);
    // VESTREL_SINGE_EXPLORER=1 reports each kind of finding once and walks on.
    const bool explorer = variable("VESTREL_SINGE_EXPLORER", 0) != 0;
    QSet<QString> vus;

    QElapsedTimer chrono;
    chrono.start();
    for (int n = 1; n <= actions;) {
        if (!singe.agir())
            continue;
        ++n;
        QStringList problemes = fiab::incoherences(f, singe.suivi);
        // A finding is noted "!! ..." alone or after the kind of action.
        if (!singe.journal.isEmpty()
            && (singe.journal.last().startsWith(QStringLiteral("!!")) || singe.journal.last().contains(QStringLiteral(" !! "))))
            problemes << singe.journal.last();
        if (!problemes.isEmpty() && explorer) {
            // Each kind of finding once (numbers and quoted texts aside), and on.
            QString genre = problemes.first();
            genre.replace(QRegularExpression(QStringLiteral("\"[^\"]*\"|[-0-9.]+")), QStringLiteral("#"));
            if (!vus.contains(genre)) {
                vus.insert(genre);
                std::fprintf(stderr, "finding after action %d:\n    %s\n  found:\n    %s\n", n - 1,
                             qPrintable(singe.journal.mid(singe.journal.size() - 12).join(QStringLiteral("\n    "))),
                             qPrintable(problemes.join(QStringLiteral("\n    "))));
            }
            continue;
        }
        if (!problemes.isEmpty()) {
            QFAIL(qPrintable(QStringLiteral("seed %1, after action %2 of %3\n  last actions:\n    %4\n  found:\n    %5")
                                 .arg(graine)
                                 .arg(n - 1)
                                 .arg(actions)
                                 .arg(singe.journal.join(QStringLiteral("\n    ")),
                                      problemes.join(QStringLiteral("\n    ")))));
        }
    }
    QString genres;
    for (const auto &[genre, nombre] : singe.parGenre)
        genres += QStringLiteral(" %1=%2").arg(genre).arg(nombre);
    // Printed past QtTest's message limit, which the platform's warnings fill.
    std::fprintf(stderr, "monkey: seed %llu, %d actions in %lld ms, %d warnings and %d about boxes closed;%s\n",
                 graine, actions, static_cast<long long>(chrono.elapsed()), singe.fermeur.avertissements,
                 singe.fermeur.aPropos, qPrintable(genres));
}

QTEST_MAIN(TestSinge)
#include "test_singe.moc"
