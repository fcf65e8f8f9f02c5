#pragma once

#include <QList>
#include <QObject>

class QWidget;

namespace vestrel {

class BarreMenus;
class BarreOutils;
class PanneauLibre;

// The hover looks of the main window and when they go: moving over a
// background surface, the pointer leaving the window, the window activated
// (which also closes an open drop-down).
class SurvolFenetre : public QObject
{
    Q_OBJECT

public:
    SurvolFenetre(QWidget *fenetre, BarreOutils *barre, BarreMenus *menus, PanneauLibre *libre);

    // The surfaces whose background clears the toolbar's and menus' hover
    // looks; those in `blanchissent` also clear the look of "Calculer".
    void surveiller(const QList<QWidget *> &effacent, const QList<QWidget *> &blanchissent);

    // Removes the hover looks of the toolbar and the menu titles.
    void effacer();

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    void activation();

    QWidget *m_fenetre;
    BarreOutils *m_barre;
    BarreMenus *m_menus;
    PanneauLibre *m_libre;
    QList<QWidget *> m_effacent;
    QList<QWidget *> m_blanchissent;
};

} // namespace vestrel
