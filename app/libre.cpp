// The free calculator: sizes and deviations typed by hand, limits and
// clearances computed without the tolerance tables.
#include "app/principale.h"

#include "tables/ajustement.h"
#include "tables/nombres.h"
#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/survol.h"
#include "ui/textes.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <iterator>

namespace couleurs = vestrel::couleurs;

namespace {

// The six boxes in the order Enter walks through them, each with the value
// it sets and the keys it takes: sizes are never negative, deviations are.
struct BoiteLibre {
    const char *nom;
    double ValeursLibres::*valeur;
    vestrel::Filtre filtre;
};
constexpr BoiteLibre BoitesLibres[] = {
    {"Dia1", &ValeursLibres::Val_Dia1, vestrel::Filtre::Taille},
    {"Ec_Sup_Dia1", &ValeursLibres::Val_Ec_Sup_Dia1, vestrel::Filtre::Ecart},
    {"Ec_Inf_Dia1", &ValeursLibres::Val_Ec_Inf_Dia1, vestrel::Filtre::Ecart},
    {"Dia2", &ValeursLibres::Val_Dia2, vestrel::Filtre::Taille},
    {"Ec_Sup_Dia2", &ValeursLibres::Val_Ec_Sup_Dia2, vestrel::Filtre::Ecart},
    {"Ec_Inf_Dia2", &ValeursLibres::Val_Ec_Inf_Dia2, vestrel::Filtre::Ecart},
};
constexpr int NbBoites = int(std::size(BoitesLibres));

} // namespace

void Principale::connecterLibre()
{
    for (int i = 0; i < NbBoites; ++i) {
        const BoiteLibre &b = BoitesLibres[i];
        auto *boite = findChild<QLineEdit *>(QString::fromLatin1(b.nom));
        m_boitesLibres[i] = boite;
        boite->installEventFilter(this);
        connect(boite, &QLineEdit::textChanged, this, [this, i](const QString &texte) {
            m_libres.*(BoitesLibres[i].valeur) = vestrel::lireSaisie(texte);
        });
    }
    connect(m_calcul, &vestrel::Cellule::presse, this, &Principale::presseCalcul);
    connect(m_calcul, &vestrel::Cellule::survole, this, [this](const QPoint &pos) {
        if (vestrel::Souris_Sur(m_calcul, pos))
            m_calcul->setBackColor(couleurs::Survol);
    });
}

// Keys of the six boxes: Enter goes on to the next box, characters that
// cannot form the box's number are dropped; editing keys pass.
bool Principale::filtreLibre(QObject *objet, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto it = std::find(m_boitesLibres.begin(), m_boitesLibres.end(), objet);
    if (it == m_boitesLibres.end())
        return false;
    const int i = int(it - m_boitesLibres.begin());
    const auto *touche = static_cast<const QKeyEvent *>(event);
    if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) {
        m_boitesLibres[(i + 1) % NbBoites]->setFocus(Qt::TabFocusReason);
        return true;
    }
    // Shortcuts such as Ctrl+V or Ctrl+A type nothing themselves, whatever
    // letter the platform attaches to them: pasting must work here as in the
    // diameter box.
    const Qt::KeyboardModifiers mod = touche->modifiers();
    if ((mod & Qt::ControlModifier) && !(mod & Qt::AltModifier))
        return false;
    // Control characters are no text the box would take; every other one,
    // invisible ones included (a soft hyphen would split "53" into a 5 that
    // reads as 5), must be a character of a number.
    for (const char32_t c : touche->text().toUcs4()) {
        if (QChar::category(c) != QChar::Other_Control && !vestrel::caractereAccepte(BoitesLibres[i].filtre, c))
            return true;
    }
    return false;
}

void Principale::presseCalcul()
{
    m_calcul->setBackColor(couleurs::Selection);
    m_calcul->setBorderStyle(1);
    m_calcul->setAppearance(1);
    // No caret may show in the button.
    m_recupCurseur->setFocus(Qt::OtherFocusReason);
    m_recupCurseur->setCursorPosition(0);
    Calcul_Libre();
}

// The free results are computed from the typed values in double precision,
// never read back from the size labels.
void Principale::Calcul_Libre()
{
    const ValeursLibres &v = m_libres;
    const double alMax = v.Val_Dia1 + v.Val_Ec_Sup_Dia1;
    const double alMin = v.Val_Ec_Inf_Dia1 + v.Val_Dia1;
    const double arMax = v.Val_Dia2 + v.Val_Ec_Sup_Dia2;
    const double arMin = v.Val_Dia2 + v.Val_Ec_Inf_Dia2;
    const Volet &al = volet(vestrel::Cote::Alesage);
    const Volet &ar = volet(vestrel::Cote::Arbre);
    al.tailleMax->setText(vestrel::texteNombreLocal(alMax));
    al.tailleMin->setText(vestrel::texteNombreLocal(alMin));
    ar.tailleMax->setText(vestrel::texteNombreLocal(arMax));
    ar.tailleMin->setText(vestrel::texteNombreLocal(arMin));
    afficherJeux(vestrel::calculerJeux(alMax, alMin, arMax, arMin));
}
