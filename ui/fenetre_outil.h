#pragma once

#include "calcul/resultat.h"

#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class QScrollArea;

namespace vestrel {

// Where a tool window of frame size `taille` goes beside the main window's
// frame `principale`, wholly inside `ecran` (the available part of the main
// window's screen): against its right edge at its top when there is room,
// else against its left edge, else below or above it; beside the other tool
// windows shown (`voisines`) rather than over them. When no place leaves
// the main window free, the place that covers least of it and of them.
QPoint placerOutil(const QRect &principale, const QSize &taille, const QRect &ecran,
                   const QList<QRect> &voisines = {});

// What a tool window reads of the main window: the result of the fit the
// results show, the diameter as typed in its box, and the catalogue in force.
struct VuePrincipale {
    const ResultatAjustement &resultat;
    QString diametreTexte;
    Systeme systeme = Systeme::Defaut;
};

// The base of the windows of the "Outils" menu: a top-level tool window of
// the main window (no taskbar entry, never modal), in the program's palette.
// It opens beside the main window and wholly on its screen, follows the main
// window's moves when asked, closes on Escape, and closing only hides it
// (ferme() tells the menu, whose check mark clears).
class FenetreOutil : public QWidget
{
    Q_OBJECT

public:
    enum class Suivi {
        Ouverture, // placed when it opens, then left where the user puts it
        Toujours,  // kept beside the main window while that one moves
    };

    // A tool window of `principale` (its parent, so that it stays over it),
    // named `nom`, titled `titre`; `drapeaux` are added to Qt::Tool.
    FenetreOutil(QWidget *principale, const QString &nom, const QString &titre, Suivi suivi,
                 Qt::WindowFlags drapeaux = {});
    ~FenetreOutil() override;

    QWidget *principale() const { return m_principale; }
    // Places the window beside `fenetre` and keeps it there while `fenetre`
    // moves or is resized.
    void suivre(QWidget *fenetre);

    // Opens the window (placed beside the main window when it was hidden),
    // raised, and active unless it has Qt::WA_ShowWithoutActivating. A
    // window that was hidden takes the main window's state first.
    void ouvrir(const VuePrincipale &vue);
    // The main window's results changed; only a shown window hears of it.
    void resultatsChanges(const VuePrincipale &vue);
    // Moves the window beside the main window, wholly on its screen (made
    // smaller when it can and must), out of the way of the other tool
    // windows shown when `voisines` is set.
    void placer(bool voisines = false);
    // The size of the window's controls (a window of fixed size): the
    // window's own, or the scrolled content's once the window scrolls. A
    // shown window that no longer fits is placed again.
    void fixerTaille(const QSize &taille);
    // The area that scrolls the controls of a window larger than its
    // screen, null while it fits.
    QScrollArea *defilement() const { return m_defilement; }

signals:
    // The user closed the window (it is only hidden).
    void ferme();

protected:
    // Takes the main window's state, the window being about to show.
    virtual void preparer(const VuePrincipale &vue);
    // Follows a change of the main window's results while shown.
    virtual void actualiser(const VuePrincipale &vue);

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    // A window that cannot be made smaller than `place` moves its controls
    // into a scroll area and becomes as large as the screen lets it.
    void defiler(const QSize &place);

    QPointer<QWidget> m_principale;
    QScrollArea *m_defilement = nullptr;
    Suivi m_suivi;
};

} // namespace vestrel
