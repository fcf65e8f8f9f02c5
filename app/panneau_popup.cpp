#include "app/panneau_popup.h"

#include "ui/controles.h"
#include "ui/liste_classes.h"
#include "calcul/ajustement.h"
#include "tables/offerts.h"
#include "ui/couleurs.h"
#include "ui/etiquette_nombre.h"
#include "ui/filtre_touches.h"
#include "ui/textes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace vestrel {

namespace {

constexpr Controle Controles[] = {
    {"Label5", Genre::Signe, nullptr, 420, 930, 255, 255, "", Police::Symbole},
    {"Diametre", Genre::Saisie, nullptr, 645, 885, 1500, 315, "", Police::Sans},
    // The class lists come after Aj_Ale and Aj_Arb and cover them.
    {"Aj_Ale", Genre::Etiquette, nullptr, 2500, 620, 495, 540, "", Police::Comic},
    {"Aj_Arb", Genre::Etiquette, nullptr, 2500, 1160, 500, 540, "", Police::Comic},
    {"Aj_Alesage", Genre::Liste, nullptr, 2385, 525, 900, 315, "", Police::Sans},
    {"Aj_Arbre", Genre::Liste, nullptr, 2385, 1065, 900, 315, "", Police::Sans},
    {"Af_Ec_Sup_Al", Genre::Etiquette, nullptr, 3465, 300, 900, 195, "", Police::Sans},
    {"Af_Ec_Inf_Al", Genre::Etiquette, nullptr, 3465, 645, 900, 195, "", Police::Sans},
    {"Af_Ec_Sup_Ar", Genre::Etiquette, nullptr, 3465, 1185, 900, 195, "", Police::Sans},
    {"Af_Ec_Inf_Ar", Genre::Etiquette, nullptr, 3465, 1530, 900, 195, "", Police::Sans},
};

struct NomsVolet {
    const char *liste, *classeBarre, *ecartSup, *ecartInf;
};
constexpr NomsVolet Noms[] = {
    {"Aj_Alesage", "Aj_Ale", "Af_Ec_Sup_Al", "Af_Ec_Inf_Al"},
    {"Aj_Arbre", "Aj_Arb", "Af_Ec_Sup_Ar", "Af_Ec_Inf_Ar"},
};

const QString InfobulleListes =
    QStringLiteral("Les valeurs suivies d'une étoile ne sont pas comprises dans la norme DIN");

// Counts the list changes made by code while it lives.
class Remplissage
{
public:
    explicit Remplissage(int &compteur) : m_compteur(compteur) { ++m_compteur; }
    ~Remplissage() { --m_compteur; }
    Remplissage(const Remplissage &) = delete;
    Remplissage &operator=(const Remplissage &) = delete;

private:
    int &m_compteur;
};

} // namespace

PanneauPopup::PanneauPopup(QWidget *parent)
    : QGroupBox(parent)
{
    placerCadre(this, "Popup", "Choix de l'ajustement", 60, 1170, 5350, 1875);
    const auto c = creerControles(Controles, this);

    for (const Cote cote : {Cote::Alesage, Cote::Arbre}) {
        const NomsVolet &n = Noms[static_cast<int>(cote)];
        Volet &v = volet(cote);
        v.liste = controleDe<ListeClasses>(c, n.liste);
        v.classeBarre = controleDe<QLabel>(c, n.classeBarre);
        v.ecartSup = controleDe<QLabel>(c, n.ecartSup);
        v.ecartInf = controleDe<QLabel>(c, n.ecartInf);

        // The deviations can be selected and copied, as the results can.
        for (QLabel *ecart : {v.ecartSup, v.ecartInf}) {
            ecart->setTextInteractionFlags(Qt::TextSelectableByMouse);
            ecart->setContextMenuPolicy(Qt::NoContextMenu);
        }
        v.liste->setToolTip(InfobulleListes);
        v.liste->setFond(palette().color(QPalette::Base));
        connect(v.liste, &QComboBox::currentIndexChanged, this,
                [this, cote](int position) { positionChoisie(cote, position); });
        connect(v.liste, &ListeClasses::toucheRelachee, this,
                [this, cote](int touche) { completerSaisie(cote, touche); });
    }
    volet(Cote::Alesage).liste->setFond(couleurs::Blanc);

    m_diametre = controleDe<QLineEdit>(c, "Diametre");
    preparerSaisie(m_diametre);
    FiltreTouches::installer(m_diametre, Filtre::Diametre);
    m_diametre->installEventFilter(this);
    connect(m_diametre, &QLineEdit::textChanged, this, &PanneauPopup::diametreModifie);
}

// Enter does nothing in the diameter box.
bool PanneauPopup::eventFilter(QObject *objet, QEvent *event)
{
    if (objet == m_diametre && event->type() == QEvent::KeyPress) {
        const int touche = static_cast<const QKeyEvent *>(event)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter)
            return true;
    }
    return QGroupBox::eventFilter(objet, event);
}

QString PanneauPopup::diametre() const
{
    return m_diametre->text();
}

void PanneauPopup::setDiametre(const QString &texte)
{
    m_diametre->setText(texte);
}

void PanneauPopup::Filtrer(Cote cote, double d, Systeme systeme)
{
    ListeClasses *liste = volet(cote).liste;
    const Remplissage remplissage(m_remplissage);
    ++m_remplissages;
    liste->clear();
    QStringList textes;
    for (const std::string_view classe : classesOffertes(cote, d, systeme))
        textes.append(texte(classe));
    liste->addItems(textes);
    // Qt selects the first item of a list filled from empty; the user chooses.
    liste->setCurrentIndex(-1);
    liste->clearEditText();
}

void PanneauPopup::changerCatalogue(double d, Systeme systeme)
{
    for (const Cote cote : {Cote::Alesage, Cote::Arbre}) {
        const QString montre = volet(cote).liste->currentText();
        Filtrer(cote, d, systeme);
        montrerClasse(cote, montre);
    }
}

QString PanneauPopup::classeMontree(Cote cote) const { return volet(cote).liste->currentText(); }

void PanneauPopup::choisir(Cote cote, const QString &classe)
{
    ListeClasses *liste = volet(cote).liste;
    liste->setCurrentIndex(liste->findText(classe, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void PanneauPopup::retablirDefaut()
{
    const QString defaut = texte(TexteDiametreDefaut);
    // The same text changes nothing in the box, but the lists are rebuilt
    // and the results emptied all the same.
    if (m_diametre->text() == defaut)
        emit diametreModifie();
    else
        m_diametre->setText(defaut);
    choisir(Cote::Alesage, texte(ClasseDefautAlesage));
    choisir(Cote::Arbre, texte(ClasseDefautArbre));
}

void PanneauPopup::montrerClasse(Cote cote, const QString &classe)
{
    ListeClasses *liste = volet(cote).liste;
    const int position = classe.isEmpty()
                             ? -1
                             : liste->findText(classe, Qt::MatchExactly | Qt::MatchCaseSensitive);
    const Remplissage remplissage(m_remplissage);
    liste->setCurrentIndex(position);
    if (position < 0)
        liste->setEditText(classe);
}

void PanneauPopup::afficherEcarts(Cote cote, const PaireEcarts &ecarts)
{
    const Volet &v = volet(cote);
    montrerNombre(v.ecartSup, texteNombreLocal(ecarts.sup));
    montrerNombre(v.ecartInf, texteNombreLocal(ecarts.inf));
}

void PanneauPopup::viderEcarts(Cote cote)
{
    const Volet &v = volet(cote);
    montrerNombre(v.ecartSup, {});
    montrerNombre(v.ecartInf, {});
}

void PanneauPopup::setClasseBarre(Cote cote, const QString &classe)
{
    volet(cote).classeBarre->setText(classe);
}

void PanneauPopup::montrerListes(bool listes)
{
    for (const Volet &v : m_volets) {
        v.liste->setVisible(listes);
        v.classeBarre->setVisible(!listes);
    }
}

void PanneauPopup::positionChoisie(Cote cote, int position)
{
    if (position < 0 || m_remplissage > 0)
        return;
    emit classeChoisie(cote, volet(cote).liste->itemText(position));
}

void PanneauPopup::completerSaisie(Cote cote, int touche)
{
    switch (touche) {
    // The arrows belong to the list's own navigation.
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
    // Keys that neither type nor delete: a Tab that brings the focus here
    // (its text all selected) would otherwise complete an empty prefix and
    // choose the first class of the list behind the user's back.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    // Validation keys neither type nor choose.
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return;
    default:
        break;
    }
    Volet &v = volet(cote);
    ListeClasses *liste = v.liste;
    QLineEdit *champ = liste->lineEdit();

    if (touche == Qt::Key_Backspace) {
        v.saisie.chop(1);
    } else {
        const QString texte = champ->text();
        v.saisie = texte.left(texte.size() - champ->selectedText().size());
    }

    const QString prefixe = v.saisie.toUpper();
    int trouvee = -1;
    for (int i = 0; i < liste->count(); ++i) {
        if (liste->itemText(i).left(prefixe.size()).toUpper() == prefixe) {
            trouvee = i;
            break;
        }
    }
    if (trouvee >= 0) {
        const int remplissages = m_remplissages;
        liste->setCurrentIndex(trouvee);
        // The choice was refused and the default fit restored: the lists
        // were rebuilt under the typed prefix, which no longer applies.
        if (m_remplissages != remplissages) {
            v.saisie.clear();
            liste->setFond(palette().color(QPalette::Base));
            return;
        }
    } else {
        // Nothing begins with the typed text: no item stays selected, the
        // user keeps what they typed, and the side shows no class's numbers.
        if (liste->currentIndex() != -1) {
            const QString texte = champ->text();
            {
                const Remplissage remplissage(m_remplissage);
                liste->setCurrentIndex(-1);
            }
            champ->setText(texte);
        }
        emit classeInconnue(cote);
    }

    const qsizetype debut = std::min(v.saisie.size(), champ->text().size());
    champ->setSelection(int(debut), int(champ->text().size() - debut));

    liste->setFond(liste->currentIndex() < 0 ? couleurs::SaisieInconnue
                                             : palette().color(QPalette::Base));
}

} // namespace vestrel
