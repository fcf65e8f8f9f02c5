#pragma once

#include "calcul/resultat.h"
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

    // Prints a result: each side's limit sizes as general number texts, the
    // clearances with four decimals coloured by the kind of fit, and, when a
    // side's deviations are reversed, the line that says so. What the
    // result leaves out shows empty.
    void afficher(const ResultatAjustement &resultat);

private:
    struct EtiquettesTailles {
        QLabel *max = nullptr;
        QLabel *min = nullptr;
    };
    std::array<EtiquettesTailles, 2> m_tailles;
    QLabel *m_jMax = nullptr;
    QLabel *m_jMin = nullptr;
    QLabel *m_message = nullptr;
};

} // namespace vestrel
