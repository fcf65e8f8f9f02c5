// The free calculator: sizes and deviations typed by hand, limits and
// clearances computed without the tolerance tables.
#include "app/panneau_libre.h"

#include "ui/controles.h"
#include "calcul/nombres.h"
#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/filtre_touches.h"
#include "ui/survol.h"
#include "ui/textes.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <iterator>

namespace vestrel {

namespace {

constexpr Controle Controles[] = {
    {"Label14", Genre::Etiquette, nullptr, 210, 315, 1065, 330, "Alesage", Police::Comic},
    {"Label15", Genre::Etiquette, nullptr, 2835, 315, 960, 225, "Arbre", Police::Comic},
    {"Label12", Genre::Signe, nullptr, 105, 780, 255, 255, "", Police::Symbole},
    {"Dia1", Genre::Saisie, nullptr, 330, 735, 1000, 315, "12.3", Police::Comic},
    {"Ec_Sup_Dia1", Genre::Saisie, nullptr, 1470, 420, 900, 405, "0.03", Police::Comic},
    {"Ec_Inf_Dia1", Genre::Saisie, nullptr, 1470, 945, 900, 405, "0.02", Police::Comic},
    {"Label13", Genre::Signe, nullptr, 2730, 780, 255, 255, "", Police::Symbole},
    {"Dia2", Genre::Saisie, nullptr, 2955, 735, 1000, 315, "12.2", Police::Comic},
    {"Ec_Sup_Dia2", Genre::Saisie, nullptr, 4095, 315, 900, 405, "0.03", Police::Comic},
    {"Ec_Inf_Dia2", Genre::Saisie, nullptr, 4095, 945, 900, 405, "0.02", Police::Comic},
    {"Calcul", Genre::Bouton, nullptr, 2520, 1320, 1455, 465, "Calculer", Police::Bouton},
    {"Msg_Libre", Genre::Etiquette, nullptr, 120, 1380, 2340, 420, "", Police::Sans},
};

// What "Calculer" says of a box without a number.
const QColor Alerte{176, 0, 0};

// The six boxes in the order Enter walks through them, each with the value
// it sets and the keys it takes: sizes are never negative, deviations are.
struct BoiteLibre {
    const char *nom;
    double ValeursLibres::*valeur;
    Filtre filtre;
    const char *manque; // UTF-8
};
constexpr BoiteLibre BoitesLibres[] = {
    {"Dia1", &ValeursLibres::Val_Dia1, Filtre::Taille, "Saisissez la cote de l'alésage"},
    {"Ec_Sup_Dia1", &ValeursLibres::Val_Ec_Sup_Dia1, Filtre::Ecart, "Saisissez l'écart supérieur de l'alésage"},
    {"Ec_Inf_Dia1", &ValeursLibres::Val_Ec_Inf_Dia1, Filtre::Ecart, "Saisissez l'écart inférieur de l'alésage"},
    {"Dia2", &ValeursLibres::Val_Dia2, Filtre::Taille, "Saisissez la cote de l'arbre"},
    {"Ec_Sup_Dia2", &ValeursLibres::Val_Ec_Sup_Dia2, Filtre::Ecart, "Saisissez l'écart supérieur de l'arbre"},
    {"Ec_Inf_Dia2", &ValeursLibres::Val_Ec_Inf_Dia2, Filtre::Ecart, "Saisissez l'écart inférieur de l'arbre"},
};
constexpr int NbBoites = int(std::size(BoitesLibres));

} // namespace

PanneauLibre::PanneauLibre(QWidget *parent)
    : QGroupBox(parent)
{
    placerCadre(this, "Quelconque", "Quelconque", 60, 1170, 5350, 1875);
    const auto c = creerControles(Controles, this);
    m_calcul = controleDe<Cellule>(c, "Calcul");
    m_message = controleDe<QLabel>(c, "Msg_Libre");
    m_message->setWordWrap(true);
    QPalette rouge = m_message->palette();
    rouge.setColor(QPalette::WindowText, Alerte);
    m_message->setPalette(rouge);

    // The initial texts are the start values; only later changes are read.
    for (int i = 0; i < NbBoites; ++i) {
        const BoiteLibre &b = BoitesLibres[i];
        QLineEdit *boite = controleDe<QLineEdit>(c, b.nom);
        m_boites[i] = boite;
        // Every character shown is read: the reader stops after this many.
        boite->setMaxLength(LongueurNombreMax);
        FiltreTouches::installer(boite, b.filtre);
        // Installed last, so it sees Enter before the key filter.
        boite->installEventFilter(this);
        connect(boite, &QLineEdit::textChanged, this, [this, i](const QString &texte) {
            m_valeurs.*(BoitesLibres[i].valeur) = lireSaisie(texte);
        });
    }
    connect(m_calcul, &Cellule::presse, this, &PanneauLibre::presseCalcul);
    m_calcul->setToolTip(QStringLiteral("Calculer (Ctrl+Entrée dans une case)"));
    connect(m_calcul, &Cellule::survole, this, [this](const QPoint &pos) {
        if (Souris_Sur(m_calcul, pos))
            m_calcul->setBackColor(couleurs::Survol);
    });
}

// Enter goes on to the next box of the cycle.
bool PanneauLibre::eventFilter(QObject *objet, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *cle = static_cast<const QKeyEvent *>(event);
        const int touche = cle->key();
        const auto it = std::find(m_boites.begin(), m_boites.end(), objet);
        // Ctrl+Enter presses "Calculer" as a click does, and leaves the
        // focus in the box being typed.
        if (it != m_boites.end() && (touche == Qt::Key_Return || touche == Qt::Key_Enter)
            && (cle->modifiers() & Qt::ControlModifier)) {
            presseCalcul();
            (*it)->setFocus(Qt::OtherFocusReason);
            return true;
        }
        if (it != m_boites.end() && (touche == Qt::Key_Return || touche == Qt::Key_Enter)) {
            m_boites[(int(it - m_boites.begin()) + 1) % NbBoites]->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QGroupBox::eventFilter(objet, event);
}

void PanneauLibre::presseCalcul()
{
    // The press shows in the colour only: a sunken border would stay after
    // it, as if the button were held down.
    m_calcul->setBackColor(couleurs::Selection);
    emit calculPresse();
}

bool PanneauLibre::verifier()
{
    for (int i = 0; i < NbBoites; ++i) {
        if (!nombreSaisi(m_boites[i]->text().toStdString())) {
            m_message->setText(QString::fromUtf8(BoitesLibres[i].manque));
            return false;
        }
    }
    m_message->clear();
    return true;
}

void PanneauLibre::blanchirCalcul()
{
    m_calcul->setBackColor(couleurs::Blanc);
}

} // namespace vestrel
