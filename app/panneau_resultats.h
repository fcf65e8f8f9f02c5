#pragma once

#include "calcul/ajustement.h"
#include "tables/cote.h"

#include <QGroupBox>

#include <array>

class QLabel;

namespace vestrel {

// The frame "Frame2" of the main window: the four limit sizes and the two
// clearances of the fit, coloured by its kind.
class PanneauResultats : public QGroupBox
{
    Q_OBJECT

public:
    explicit PanneauResultats(QWidget *parent = nullptr);

    // A side's maximum and minimum size, as general number texts.
    void afficherTailles(Cote cote, double max, double min);
    void viderTailles(Cote cote);

    // The clearances from the four limit sizes as shown: the labels are read
    // back, so that the clearances are those of the sizes the user reads.
    // Returns what it shows.
    Jeux Calcul_Jeu();
    // Shows two clearances with four decimals, coloured by the kind of fit.
    void afficherJeux(const Jeux &jeux);
    void viderJeux();
    // The four sizes and the clearances computed from them in double
    // precision (the free calculator: nothing is read back). Returns the
    // clearances shown.
    Jeux afficherCalcul(double alesageMax, double alesageMin, double arbreMax, double arbreMin);

    // Every label of the frame emptied, sizes first.
    void vider();

private:
    struct Tailles {
        QLabel *max = nullptr;
        QLabel *min = nullptr;
    };
    std::array<Tailles, 2> m_tailles;
    QLabel *m_jMax = nullptr;
    QLabel *m_jMin = nullptr;
};

} // namespace vestrel
