#pragma once

#include "tables/cote.h"
#include "ui/survol.h"

#include <QGroupBox>
#include <QString>

namespace vestrel {

struct EtatAjustement;
class Forme;

// The frame "Toolbars" of the main window: a class is composed from a letter
// code and a grade, on one row pair for the bore and one for the shaft. Only
// the grades that exist for the letter at the diameter are enabled.
class BarreOutils : public QGroupBox
{
    Q_OBJECT

public:
    // `etat` is the main window's fit state; the picker reads Dia_Nominal.
    BarreOutils(const EtatAjustement &etat, QWidget *parent = nullptr);

    // Start state: H7 / f7 selected, their grade cells enabled at the start
    // diameter.
    void initialiser();

    // Letter code and grade last picked, and the class text they compose.
    QString lettre(Cote cote) const;
    QString grade(Cote cote) const;
    QString classeComposee(Cote cote) const;

    // Removes every hover effect of the four rows and hides the hover frame.
    void effacerSurvol();
    // Enables or disables the "T" and "t" cells.
    void activerT(bool actif);

    void Activer_Ql_Al();
    void Activer_Ql_Ar();
    void Etat_Ql_Al(unsigned masque);
    void Etat_Ql_Ar(unsigned masque);

signals:
    // A press composed `classe` on side `cote`; the main window stores it,
    // looks it up and shows it.
    void classeChoisie(vestrel::Cote cote, const QString &classe);
    // The pointer moved over the frame outside the cells.
    void survolFond();
};

} // namespace vestrel
