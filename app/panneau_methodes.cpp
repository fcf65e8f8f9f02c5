#include "app/panneau_methodes.h"

#include "ui/controles.h"

#include <QRadioButton>

namespace vestrel {

namespace {

constexpr Controle Controles[] = {
    {"Ch_opt(0)", Genre::Option, nullptr, 360, 315, 1995, 300, "Popup", Police::Comic},
    {"Ch_opt(1)", Genre::Option, nullptr, 1800, 360, 1995, 195, "Barre outil", Police::Comic},
    {"Ch_opt(2)", Genre::Option, nullptr, 3400, 360, 1500, 195, "Libre", Police::Comic},
};

} // namespace

PanneauMethodes::PanneauMethodes(QWidget *parent)
    : QGroupBox(parent)
{
    placerCadre(this, "Frame3", "Méthode de sélection", 60, 450, 5350, 735);
    const auto c = creerControles(Controles, this);
    for (int k = 0; k < int(m_options.size()); ++k) {
        m_options[k] = static_cast<QRadioButton *>(c.value(QStringLiteral("Ch_opt(%1)").arg(k)));
        // The button being unchecked does nothing.
        connect(m_options[k], &QRadioButton::toggled, this, [this, k](bool coche) {
            if (coche)
                emit methodeChoisie(methodeIndex(k));
        });
    }
    m_options[indexMethode(Methode::Popup)]->setChecked(true);
}

void PanneauMethodes::cocher(Methode methode)
{
    m_options[indexMethode(methode)]->setChecked(true);
}

} // namespace vestrel
