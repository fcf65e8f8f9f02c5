#pragma once

#include <QGroupBox>

#include <array>

class QLabel;
class QLineEdit;

namespace vestrel {

class Cellule;

// Sizes and deviations typed in the free calculator (mm).
struct ValeursLibres {
    double Val_Dia1 = 0;
    double Val_Ec_Sup_Dia1 = 0;
    double Val_Ec_Inf_Dia1 = 0;
    double Val_Dia2 = 0;
    double Val_Ec_Sup_Dia2 = 0;
    double Val_Ec_Inf_Dia2 = 0;
};

// The frame "Quelconque" of the main window: a bore size and a shaft size
// with their deviations, typed by hand, and the button "Calculer".
class PanneauLibre : public QGroupBox
{
    Q_OBJECT

public:
    explicit PanneauLibre(QWidget *parent = nullptr);

    // The numbers read from the six boxes at each change of their text.
    const ValeursLibres &valeurs() const { return m_valeurs; }

    // Whether every box holds a number (an empty box or a lone "-" reads as
    // no value, not as 0); otherwise the frame says which box to fill.
    bool verifier();

    // "Calculer" back to its white background (the window's activation, the
    // pointer over a background surface).
    void blanchirCalcul();

signals:
    // "Calculer" was pressed; it has taken its pressed look.
    void calculPresse();

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    void presseCalcul();

    ValeursLibres m_valeurs{12.3, 0.03, 0.02, 12.2, 0.03, 0.02};
    std::array<QLineEdit *, 6> m_boites{};
    Cellule *m_calcul = nullptr;
    QLabel *m_message = nullptr;
};

} // namespace vestrel
