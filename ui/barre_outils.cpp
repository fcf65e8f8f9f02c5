#include "ui/barre_outils.h"

#include "tables/etat.h"
#include "ui/polices.h"
#include "ui/twips.h"

namespace vestrel {

// The frame only; its cells and their handling come with the toolbar picker.
BarreOutils::BarreOutils(const EtatAjustement &, QWidget *parent)
    : QGroupBox(QStringLiteral("Choix de l'ajustement"), parent)
{
    setObjectName(QStringLiteral("Toolbars"));
    setFont(polices::comic());
    resize(tailleTwips(5350, 3255));
}

void BarreOutils::initialiser() {}

QString BarreOutils::lettre(Cote) const { return {}; }
QString BarreOutils::grade(Cote) const { return {}; }
QString BarreOutils::classeComposee(Cote) const { return {}; }

void BarreOutils::effacerSurvol() {}
void BarreOutils::activerT(bool) {}

void BarreOutils::Activer_Ql_Al() {}
void BarreOutils::Activer_Ql_Ar() {}
void BarreOutils::Etat_Ql_Al(unsigned) {}
void BarreOutils::Etat_Ql_Ar(unsigned) {}

} // namespace vestrel
