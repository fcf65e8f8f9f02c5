#pragma once

#include <QList>
#include <QPoint>
#include <QWidget>

#include <span>

namespace vestrel {

class Cellule;
class Forme;

// A rectangle in twips, as the layout of the menus is written.
struct RectTwips {
    int gauche, haut, largeur, hauteur;
};

// One item of a drop-down: its text, the icon cell on the grey strip, the
// hit area that covers the whole item and where the highlight rectangle
// goes while the item is hovered.
struct ItemDeroulant {
    const char *texte; // UTF-8
    RectTwips zoneTexte;
    RectTwips icone;
    RectTwips zone;
    int selectionGauche, selectionHaut;
};

struct DescriptionDeroulant {
    const char *nom;       // object name of the window
    const char *nomTextes; // object name of the item texts, an indexed array
    int largeur, hauteur;
    int largeurSelection, hauteurSelection;
    std::span<const ItemDeroulant> items;
};

// A drop-down menu: a borderless tool window without title bar or taskbar
// entry, shown under its title without taking the activation. Created once,
// then only shown and hidden, so its hover state and icons persist.
class MenuDeroulant : public QWidget
{
    Q_OBJECT

public:
    MenuDeroulant(const DescriptionDeroulant &description, QWidget *fenetre);

    int nombreItems() const { return int(m_textes.size()); }
    Cellule *texte(int k) const { return m_textes.at(k); }
    Cellule *icone(int k) const { return m_icones.at(k); }

    // Every item text white, every icon cell grey, highlight hidden.
    void retirerSurvol();
    // Item k takes the hover colour and the highlight; on a menu of several
    // items the others return to their idle look.
    void survolerItem(int k);
    // The item that has the hover look, by the pointer or the arrow keys;
    // -1 when none has.
    int itemSurvole() const { return m_survole; }
    // Chooses the item that has the hover look, as a click on it would.
    void choisirSurvole();

    // Shows `texte` (a key, "Ctrl+F") at the right of item k, in the item's
    // font and looks, in the place `place`; it reacts as the item does.
    void ajouterRaccourci(int k, const QString &texte, const RectTwips &place);
    Cellule *raccourci(int k) const { return m_raccourcis.value(k); }
    // A disabled item is drawn greyed and a click or Enter on it does
    // nothing; it still takes the hover look.
    void activerItem(int k, bool actif);
    bool itemActif(int k) const { return m_actifs.value(k, false); }

signals:
    // A click (press and release on the same part) on item k.
    void itemChoisi(int k);

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    // The item of which `objet` is a part, -1 when none.
    int itemDe(const QObject *objet) const;
    void choisirItem(int k);

    QList<Cellule *> m_textes;
    QList<Cellule *> m_icones;
    QList<Cellule *> m_zones;
    QList<Cellule *> m_raccourcis; // null where an item has no key
    QList<bool> m_actifs;
    QList<QPoint> m_positionsSelection;
    Forme *m_selection = nullptr;
    int m_survole = -1;
};

} // namespace vestrel
