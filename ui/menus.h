#pragma once

#include <QList>
#include <QObject>

class QWidget;

namespace vestrel {

class Cellule;
class Forme;
class MenuDeroulant;

// The main window's own menu bar: the three titles "Fichier", "Selection" and
// "?", the highlight rectangle around the hovered title, and the three
// drop-down windows Mnu_File, Mnu_Select and Mnu_Apropos.
class BarreMenus : public QObject
{
    Q_OBJECT

public:
    // Creates the titles MNU(0..2) and the rectangle "Selection" on the main
    // window, and the three drop-downs, hidden.
    explicit BarreMenus(QWidget *fenetre);
    ~BarreMenus() override;

    // Title backgrounds back to grey, title rectangle hidden.
    void effacerSurvol();
    // Activation of the main window: hides every visible drop-down and the
    // title rectangle.
    void masquerMenus();
    // Moves the check mark of the Selection menu to method k.
    void cocher(int methode);

signals:
    // An item of the Selection menu was chosen.
    void methodeChoisie(int methode);
};

} // namespace vestrel
