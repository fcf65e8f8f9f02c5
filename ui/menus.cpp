#include "ui/menus.h"

#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/polices.h"
#include "ui/twips.h"

#include <QWidget>

namespace vestrel {

namespace {

struct Titre {
    const char *texte;
    int gauche, largeur; // twips
};
constexpr Titre Titres[] = {{"Fichier", 120, 680}, {"Selection", 860, 850}, {"?", 1780, 100}};
constexpr int HautTitres = 60;
constexpr int HauteurTitres = 280;

} // namespace

// The titles and the title rectangle only; the drop-down windows and the
// pointer handling come with the menus.
BarreMenus::BarreMenus(QWidget *fenetre)
    : QObject(fenetre)
{
    for (int i = 0; i < 3; ++i) {
        const Titre &t = Titres[i];
        auto *titre = new Cellule(QString::fromLatin1(t.texte), fenetre);
        titre->setObjectName(QStringLiteral("MNU(%1)").arg(i));
        titre->setGeometry(rectTwips(t.gauche, HautTitres, t.largeur, HauteurTitres));
        titre->setFont(polices::comic());
        titre->setBackColor(couleurs::Gris);
    }
    auto *selection = new Forme(couleurs::Contour, couleurs::Survol, fenetre);
    selection->setObjectName(QStringLiteral("Selection"));
    selection->setGeometry(rectTwips(3480, 0, 1485, 435));
    selection->hide();
    selection->lower();
}

BarreMenus::~BarreMenus() = default;

void BarreMenus::effacerSurvol() {}
void BarreMenus::masquerMenus() {}
void BarreMenus::cocher(int) {}

} // namespace vestrel
