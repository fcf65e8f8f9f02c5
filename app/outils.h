#pragma once

#include "ui/menus.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <span>

class QKeyEvent;
class QPoint;

namespace vestrel {

class FenetreOutil;
class Frettage;
class Principale;
class Recherche;
class Schema;
class Service;
struct EtatService;

// The "Outils" menu of the main window and what its items open or do: the
// tool windows (the diagram, the fit finder, each built on first opening),
// copying and exporting the fit shown. Also the items' keys in the main
// window (Ctrl+C only when no text is selected) and the results frame's
// context menu, and the switch to the whole ISO 286 system. Every item is one row of the table in outils.cpp.
class OutilsPrincipale : public QObject
{
    Q_OBJECT

public:
    OutilsPrincipale(Principale &fenetre, BarreMenus &menus);
    ~OutilsPrincipale() override;

    // The items as the menu shows them, in the order of the table.
    static std::span<const ItemOutil> items();

    // Item k of the Outils menu, as chosen there: an item with a check mark
    // opens its window when hidden and hides it when shown; another opens
    // its window (or brings it forward) or does what it does. A disabled
    // item does nothing.
    void choisir(int k);
    // Whether item k may act: copying and exporting need a fit with numbers.
    bool actif(int k) const;

    // Opens the diagram window when hidden, hides it when shown.
    void basculerSchema();
    void ouvrirRecherche();
    // Opens "Assemblage serré" on the fit shown.
    void ouvrirFrettage();
    void copier();
    void exporter();
    // Switches between the default catalogue and the whole ISO 286 system.
    void basculerSysteme();
    bool systemeComplet() const;

    // The tool window of item k once opened, else null.
    FenetreOutil *fenetre(int k) const;
    // The windows once opened, else null.
    Schema *schema() const;
    Recherche *recherche() const;
    Frettage *frettage() const;
    Service *service() const;
    // The fit in service while "Jeu en service" shows and has results,
    // which the diagram, copy and export then add; else null.
    const EtatService *etatService() const;
    // The fit in service changed, or its window opened or closed.
    void serviceChange();

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    // The item whose key this is, -1 when none.
    static int itemDeTouche(const QObject *cible, const QKeyEvent &touche);
    void menuResultats(const QPoint &position);
    void resultatsChanges();
    void ouvrir(int k);

    Principale &m_fenetre;
    BarreMenus &m_menus;
    QList<QPointer<FenetreOutil>> m_fenetres;
};

} // namespace vestrel
