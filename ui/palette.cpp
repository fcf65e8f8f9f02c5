#include "ui/palette.h"

#include "ui/couleurs.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vestrel {

namespace {

// Texts of disabled controls: greyed, yet still readable on white and grey.
const QColor TexteInactif{112, 112, 112};
// The shades of the 3D borders, from the lit edge to the shadow.
const QColor Clair{255, 255, 255};
const QColor MiClair{240, 240, 240};
const QColor Moyen{160, 160, 160};
const QColor Sombre{128, 128, 128};
const QColor Ombre{64, 64, 64};
// Tool tips: black on pale yellow.
const QColor FondInfobulle{255, 255, 225};
const QColor Lien{0, 0, 238};
const QColor LienVisite{85, 26, 139};

double luminance(const QColor &c)
{
    const auto canal = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
}

} // namespace

QPalette paletteProgramme()
{
    QPalette p;
    for (const QPalette::ColorGroup groupe :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool inactif = groupe == QPalette::Disabled;
        const QColor texte = inactif ? TexteInactif : QColor(Qt::black);
        p.setColor(groupe, QPalette::Window, couleurs::Gris);
        p.setColor(groupe, QPalette::WindowText, texte);
        p.setColor(groupe, QPalette::Base, inactif ? couleurs::Gris : couleurs::Blanc);
        p.setColor(groupe, QPalette::AlternateBase, MiClair);
        p.setColor(groupe, QPalette::Text, texte);
        p.setColor(groupe, QPalette::PlaceholderText, TexteInactif);
        p.setColor(groupe, QPalette::Button, couleurs::Gris);
        p.setColor(groupe, QPalette::ButtonText, texte);
        p.setColor(groupe, QPalette::BrightText, Qt::white);
        p.setColor(groupe, QPalette::Highlight, couleurs::Selection);
        p.setColor(groupe, QPalette::HighlightedText, Qt::black);
        p.setColor(groupe, QPalette::ToolTipBase, FondInfobulle);
        p.setColor(groupe, QPalette::ToolTipText, Qt::black);
        p.setColor(groupe, QPalette::Light, Clair);
        p.setColor(groupe, QPalette::Midlight, MiClair);
        p.setColor(groupe, QPalette::Mid, Moyen);
        p.setColor(groupe, QPalette::Dark, Sombre);
        p.setColor(groupe, QPalette::Shadow, Ombre);
        p.setColor(groupe, QPalette::Link, Lien);
        p.setColor(groupe, QPalette::LinkVisited, LienVisite);
    }
    return p;
}

void appliquerPalette(QWidget *fenetre)
{
    fenetre->setPalette(paletteProgramme());
}

void appliquerPaletteListes(QWidget *fenetre)
{
    const QPalette p = paletteProgramme();
    for (QComboBox *liste : fenetre->findChildren<QComboBox *>()) {
        QAbstractItemView *vue = liste->view();
        vue->setPalette(p);
        if (QWidget *cadre = vue->parentWidget())
            cadre->setPalette(p);
    }
}

double contraste(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace vestrel
