#pragma once

#include "calcul/etat.h"

#include <QGroupBox>

#include <array>

class QRadioButton;

namespace vestrel {

// The frame "Frame3" of the main window: one option button per selection
// method, Ch_opt(k) for the method of index k ("Popup", checked at start,
// "Barre outil", "Libre").
class PanneauMethodes : public QGroupBox
{
    Q_OBJECT

public:
    explicit PanneauMethodes(QWidget *parent = nullptr);

    // Checks the method's button, as a click on it would (the Selection
    // menu does); methodeChoisie follows before this returns.
    void cocher(Methode methode);

signals:
    // The method's button became checked, by the user or by code.
    void methodeChoisie(Methode methode);

private:
    std::array<QRadioButton *, NbMethodes> m_options{};
};

} // namespace vestrel
