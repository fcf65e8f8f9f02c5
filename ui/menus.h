#pragma once

#include "calcul/etat.h"

#include <QList>
#include <QObject>

#include <span>

class QKeyEvent;
class QLabel;
class QWidget;

namespace vestrel {

class Cellule;
class Forme;
class MenuDeroulant;

// Ends the program at once: no event of any window runs after it and
// nothing is asked. "Quitter" and the closing of the main window use it.
[[noreturn]] void terminerProgramme();

// One item of the "Outils" menu as its drop-down shows it: the caption, the
// key that does the same (in QKeySequence's portable text, "Ctrl+F"; empty
// for none), shown at the right of the caption, and whether the item shows
// a check mark while what it opens shows. Item k lies at k times one item's
// height: the drop-down grows with the list.
struct ItemOutil {
    const char *texte; // UTF-8
    const char *raccourci;
    bool coche;
};

// The main window's own menu bar: the titles "Fichier", "Selection", "Outils"
// and "?", the highlight rectangle around the hovered title, and the
// drop-down windows Mnu_File, Mnu_Select, Mnu_Apropos and Mnu_Outils.
// From the keyboard: F10 opens "Fichier", Alt and the first letter of a title
// opens its menu; in an open menu the arrows move between items and menus,
// Enter chooses and Escape closes.
class BarreMenus : public QObject
{
    Q_OBJECT

public:
    // Indices of the titles and of their drop-downs.
    enum Menu { Fichier = 0, Methodes = 1, Aide = 2, Outils = 3 };

    // Creates the titles MNU(0..3) and the rectangle "Selection" on the main
    // window, and the drop-downs, hidden, the check mark on "Popup"; the
    // Outils drop-down holds the items `outils`, in their order.
    explicit BarreMenus(QWidget *fenetre, std::span<const ItemOutil> outils = {});
    ~BarreMenus() override;

    // Title backgrounds back to grey, title rectangle hidden.
    void retirerSurvol();
    // Activation of the main window: hides every visible drop-down and the
    // title rectangle.
    void masquerMenus();
    // Moves the check mark of the Selection menu to the method.
    void cocher(Methode methode);
    // The check mark of item k of the Outils menu (an item that shows one).
    void cocherOutil(int k, bool coche);
    // Item k of the Outils menu enabled, or drawn disabled and inert.
    void activerOutil(int k, bool actif);

    Cellule *titre(int i) const { return m_titres.at(i); }
    MenuDeroulant *deroulant(int i) const { return m_deroulants.at(i); }
    // Once a title has been pressed, hovering a title opens its menu.
    bool menuOuvert() const { return m_menuOuvert != 0; }

signals:
    // An item of the Selection menu was chosen.
    void methodeChoisie(Methode methode);
    // Item k of the Outils menu was chosen.
    void outilChoisi(int k);

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    void survolerTitre(int i);
    void presserTitre(int i);
    void ouvrir(int i);
    void choisir(int menu, int item);

    // The drop-down on screen, -1 when none is.
    int menuVisible() const;
    // Whether the menus take this key; when `agir` is set, also does what
    // the key does.
    bool traiterTouche(const QKeyEvent &cle, bool agir);
    // Opens menu i with its title lit and no item lit, as a press on the
    // title would open it.
    void ouvrirAuClavier(int i);
    void fermerAuClavier();
    // The title whose first letter is this key code, -1 when none.
    int titreDeLettre(int touche) const;

    QWidget *m_fenetre;
    QList<Cellule *> m_titres;
    // The indices of the titles from left to right on the window.
    QList<int> m_ordre;
    Forme *m_selection = nullptr;
    QList<MenuDeroulant *> m_deroulants;
    QLabel *m_pic = nullptr;
    QList<ItemOutil> m_outils;
    // Menu_Ouvert: 0 until the first press on a title, then 1 for good.
    qint16 m_menuOuvert = 0;
};

} // namespace vestrel
