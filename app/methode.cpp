// The three ways of working and the switch between them, the toolbar's
// class choice, and the surfaces whose pointer movement clears hover looks.
#include "app/principale.h"

#include "app/liste_classes.h"
#include "ui/barre_outils.h"
#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/menus.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>

using vestrel::Cote;

namespace {

// The window and the results frame for each way of working (twips).
struct Disposition {
    int hauteurFenetre;
    int hautFrame2;
};
constexpr int LargeurFenetre = 5550;
constexpr Disposition Dispositions[] = {
    {5650, 3100}, // "Popup"
    {8950, 6400}, // "Barre outil": the toolbar stands between Popup and Frame2
    {5650, 3100}, // "Libre"
};
constexpr int HautToolbars = 3100;

Cote autreCote(Cote cote)
{
    return cote == Cote::Alesage ? Cote::Arbre : Cote::Alesage;
}

} // namespace

void Principale::connecterMethodes()
{
    for (int k = 0; k < int(m_chOpt.size()); ++k) {
        // Checking a button from code (the Selection menu does) switches too;
        // the button being unchecked does nothing.
        connect(m_chOpt[k], &QRadioButton::toggled, this, [this, k](bool coche) {
            if (coche)
                Changer_Methode(k);
        });
    }

    connect(m_barre, &vestrel::BarreOutils::classeChoisie, this, &Principale::classeBarre);
    connect(m_barre, &vestrel::BarreOutils::survolFond, this, &Principale::Effacer_Survol);

    // The background surfaces: moving over them removes every hover look.
    setMouseTracking(true);
    for (QWidget *surface : {static_cast<QWidget *>(m_popup), static_cast<QWidget *>(m_frame2),
                             static_cast<QWidget *>(m_frame3), static_cast<QWidget *>(m_quelconque)}) {
        surface->setMouseTracking(true);
        surface->installEventFilter(this);
    }
    m_diametreListes = m_etat.Dia_Nominal;
}

bool Principale::filtreSurface(QObject *objet, QEvent *event)
{
    if (event->type() != QEvent::MouseMove)
        return false;
    if (objet == m_popup) {
        Effacer_Survol();
    } else if (objet == m_frame2 || objet == m_frame3) {
        Effacer_Survol();
        m_calcul->setBackColor(vestrel::couleurs::Blanc);
    } else if (objet == m_quelconque) {
        m_calcul->setBackColor(vestrel::couleurs::Blanc);
    }
    return false;
}

void Principale::mouseMoveEvent(QMouseEvent *event)
{
    Effacer_Survol();
    QWidget::mouseMoveEvent(event);
}

void Principale::Changer_Methode(int k)
{
    const int precedente = m_etat.Methode_Selection;
    if (precedente == 0)
        m_diametreListes = m_etat.Dia_Nominal;
    m_etat.Methode_Selection = std::int16_t(k);

    const Disposition &d = Dispositions[k];
    setFixedSize(vestrel::tailleTwips(LargeurFenetre, d.hauteurFenetre));
    m_frame2->move(m_frame2->x(), vestrel::twips(d.hautFrame2));

    m_barre->setVisible(k == 1);
    m_quelconque->setVisible(k == 2);
    m_popup->setVisible(k != 2);
    if (k != 2) {
        for (const Cote cote : {Cote::Alesage, Cote::Arbre}) {
            volet(cote).liste->setVisible(k == 0);
            volet(cote).classeBarre->setVisible(k == 1);
        }
    }
    if (k == 1)
        m_barre->move(m_barre->x(), vestrel::twips(HautToolbars));
    m_menus->cocher(k);

    switch (k) {
    case 0: rafraichirPopup(precedente); break;
    case 1: rafraichirBarre(); break;
    case 2: Calcul_Libre(); break;
    default: break;
    }

    activerCellulesT();
}

// Back to the lists. Lists built for another diameter are rebuilt as a change
// of diameter does; otherwise each side is looked up again at the diameter
// and its list shows the class whose numbers are displayed.
void Principale::rafraichirPopup(int precedente)
{
    if (precedente == 0)
        return;
    if (m_etat.Dia_Nominal != m_diametreListes) {
        diametreChange();
        m_diametreListes = m_etat.Dia_Nominal;
        return;
    }
    for (const Cote cote : {Cote::Alesage, Cote::Arbre}) {
        Volet &v = volet(cote);
        const QString classe = QString::fromStdString(cote == Cote::Alesage ? m_etat.Cl_Alesage
                                                                            : m_etat.Cl_Arbre);
        const bool trouve = !classe.isEmpty() && Ecarts(cote);
        const int position = trouve ? v.liste->findText(classe, Qt::MatchExactly | Qt::MatchCaseSensitive)
                                    : -1;
        // Selecting from code here must not run the choice a second time.
        ++m_remplissage;
        v.liste->setCurrentIndex(position);
        if (position < 0)
            v.liste->setEditText(trouve ? classe : QString());
        --m_remplissage;
    }
    Affiche_Alesage();
    Affiche_Arbre();
}

// The class labels of the toolbar name the classes whose numbers are shown:
// those of the fit, whichever way they were chosen.
void Principale::rafraichirBarre()
{
    volet(Cote::Alesage).classeBarre->setText(QString::fromStdString(m_etat.Cl_Alesage));
    volet(Cote::Arbre).classeBarre->setText(QString::fromStdString(m_etat.Cl_Arbre));
    Affiche_Alesage();
    Affiche_Arbre();
}

// A class composed on the toolbar. The pressed side is looked up and shown,
// then the other side again at the same diameter, so that the clearances
// never mix two diameters.
void Principale::classeBarre(Cote cote, const QString &classe)
{
    m_recupCurseur->setFocus(Qt::OtherFocusReason);
    m_recupCurseur->setCursorPosition(0);
    volet(cote).classeBarre->setText(classe);
    Choisir_Classe(cote, classe);
    Ecarts(autreCote(cote));
    Affiche(autreCote(cote));
}
