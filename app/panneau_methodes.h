#pragma once

#include <QGroupBox>

#include <array>

class QRadioButton;

namespace vestrel {

// The frame "Frame3" of the main window: one option button per selection
// method, 0 "Popup" (checked at start), 1 "Barre outil", 2 "Libre".
class PanneauMethodes : public QGroupBox
{
    Q_OBJECT

public:
    explicit PanneauMethodes(QWidget *parent = nullptr);

    // Checks method k's button, as a click on it would (the Selection menu
    // does); methodeChoisie follows before this returns.
    void cocher(int methode);

signals:
    // Method k's button became checked, by the user or by code.
    void methodeChoisie(int methode);

private:
    std::array<QRadioButton *, 3> m_options{};
};

} // namespace vestrel
