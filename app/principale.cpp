#include "app/principale.h"

#include "ui/controles.h"
#include "app/disposition.h"
#include "app/panneau_libre.h"
#include "app/panneau_methodes.h"
#include "app/panneau_popup.h"
#include "app/panneau_resultats.h"
#include "app/outils.h"
#include "app/survol_fenetre.h"
#include "ui/barre_outils.h"
#include "ui/couleurs.h"
#include "ui/images.h"
#include "ui/cellule.h"
#include "ui/menus.h"
#include "ui/palette.h"
#include "ui/polices.h"
#include "ui/textes.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

namespace vestrel {

namespace {

// Takes the focus from pressed cells so that no caret shows in them; it lies
// below the visible part of the window.
constexpr Controle RecupCurseur[] = {
    {"recup_curseur", Genre::Saisie, nullptr, 3990, 6000, 1170, 330, "", Police::Aucune},
};

// Diameters from 1 to 24 mm have no T or t class.
constexpr double DiametreSansT = 24;

constexpr Cote Cotes[] = {Cote::Alesage, Cote::Arbre};

Cote autreCote(Cote cote)
{
    return cote == Cote::Alesage ? Cote::Arbre : Cote::Alesage;
}

} // namespace

// One action of the window, however deep it nests: when the outermost ends
// and the results show something else, resultatsChanges is emitted once.
class Principale::Operation
{
public:
    explicit Operation(Principale &f) : m_f(f)
    {
        if (m_f.m_operations++ == 0)
            m_f.m_avant = m_f.m_affichage;
    }
    ~Operation()
    {
        if (--m_f.m_operations == 0 && !(m_f.m_avant == m_f.m_affichage))
            emit m_f.resultatsChanges();
    }
    Operation(const Operation &) = delete;
    Operation &operator=(const Operation &) = delete;

private:
    Principale &m_f;
};

Principale::Principale(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("Vestrel"));
    setWindowIcon(iconeProgramme());
    appliquerPalette(this);
    setAutoFillBackground(true);

    creerPanneaux();
    demarrer();
    connecter();

    if (const QScreen *ecran = screen()) {
        QRect r(QPoint(), size());
        r.moveCenter(ecran->availableGeometry().center());
        move(r.topLeft());
    }
    // The first keys typed go to the diameter.
    if (auto *diametre = findChild<QLineEdit *>(QStringLiteral("Diametre"))) {
        diametre->setFocus(Qt::OtherFocusReason);
        diametre->selectAll();
    }
}

Principale::~Principale() = default;

const ValeursLibres &Principale::valeursLibres() const { return m_libre->valeurs(); }

const QString &Principale::saisie(Cote cote) const { return m_popup->saisie(cote); }

QString Principale::texteDiametre() const { return m_popup->diametre(); }

void Principale::appliquerAjustement(const QString &diametre, const QString &alesage, const QString &arbre)
{
    const Operation operation(*this);
    m_methodes->cocher(0);
    m_popup->setDiametre(diametre);
    m_popup->choisir(Cote::Alesage, alesage);
    m_popup->choisir(Cote::Arbre, arbre);
}

void Principale::creerPanneaux()
{
    m_methodes = new PanneauMethodes(this);
    m_popup = new PanneauPopup(this);
    m_libre = new PanneauLibre(this);
    m_resultats = new PanneauResultats(this);
    m_recupCurseur = controleDe<QLineEdit>(creerControles(RecupCurseur, this), "recup_curseur");
    // It takes the focus from code only, never by Tab or click.
    m_recupCurseur->setFocusPolicy(Qt::NoFocus);

    m_barre = new BarreOutils(this);
    m_barre->move(twips(60), HautBarre);
    m_barre->hide();

    m_menus = new BarreMenus(this, OutilsPrincipale::items());
    // The Selection menu sets the option button, whose handling switches
    // the method as a click on it would.
    connect(m_menus, &BarreMenus::methodeChoisie, m_methodes, &PanneauMethodes::cocher);
    m_libre->hide();

    connect(m_popup, &PanneauPopup::diametreModifie, this, &Principale::diametreChange);
    connect(m_popup, &PanneauPopup::classeChoisie, this, &Principale::classeChoisie);
    connect(m_popup, &PanneauPopup::classeInconnue, this, &Principale::classeInconnue);
}

void Principale::demarrer()
{
    m_menus->cocher(0);
    for (const Cote cote : Cotes)
        m_popup->setClasseBarre(cote, QString());
    dimensionner(this, 0);

    // Builds both lists for 2 mm, empties the results, then shows H7/f7.
    m_popup->setDiametre(texte(TexteDiametreDefaut));
    fixerDiametre(DiametreDefaut);
    m_popup->choisir(Cote::Alesage, texte(ClasseDefautAlesage));
    m_popup->choisir(Cote::Arbre, texte(ClasseDefautArbre));

    m_barre->initialiser();
    m_popup->setClasseBarre(Cote::Alesage, texte(ClasseDefautAlesage));
    m_popup->setClasseBarre(Cote::Arbre, texte(ClasseDefautArbre));
}

// Connected once the window shows its start fit: the start-up is no user's
// action.
void Principale::connecter()
{
    connect(m_libre, &PanneauLibre::calculPresse, this, &Principale::presseCalcul);
    connect(m_methodes, &PanneauMethodes::methodeChoisie, this, &Principale::Changer_Methode);
    connect(m_barre, &BarreOutils::classeChoisie, this, &Principale::classeBarre);
    connect(m_barre, &BarreOutils::survolFond, this, &Principale::Effacer_Survol);
    m_outils = new OutilsPrincipale(*this, *m_menus);

    // The background surfaces: moving over them removes the hover looks.
    m_survol = new SurvolFenetre(this, m_barre, m_menus, m_libre);
    m_survol->surveiller({m_popup, m_resultats, m_methodes}, {m_resultats, m_methodes, m_libre});
    m_diametreListes = m_etat.Dia_Nominal;
}

// Closing the main window ends the program at once; nothing is asked.
void Principale::closeEvent(QCloseEvent *)
{
    terminerProgramme();
}

void Principale::Effacer_Survol()
{
    m_survol->effacer();
}

// The toolbar follows the diameter: its grades are those that exist there.
void Principale::fixerDiametre(double d)
{
    m_etat.Dia_Nominal = d;
    if (!m_affichage.libre)
        m_affichage.diametre = m_affichage.diametreArbre = d;
    m_barre->setDiametre(d);
}

void Principale::diametreChange()
{
    const Operation operation(*this);
    fixerDiametre(lireSaisie(m_popup->diametre()));
    if (m_etat.Methode_Selection != 0) {
        activerCellulesT();
        // The limits on screen follow the diameter typed: each side's class
        // is looked up again, and shows empty where it has no deviations,
        // rather than the numbers of the previous diameter.
        if (m_etat.Methode_Selection == 1) {
            for (const Cote cote : Cotes) {
                chercher(cote);
                Affiche(cote);
            }
        }
        return;
    }
    m_etat.Cl_Alesage.clear();
    m_etat.Cl_Arbre.clear();
    m_popup->Filtrer_Alesage(m_etat.Dia_Nominal);
    m_popup->Filtrer_Arbre(m_etat.Dia_Nominal);
    viderResultats();
}

// Up to 24 mm no T or t class exists; outside the tables the cells stay
// usable and the lookup finds nothing.
void Principale::activerCellulesT()
{
    const double d = m_etat.Dia_Nominal;
    m_barre->activerT(d <= DiametreMin || d > DiametreSansT);
}

void Principale::viderResultats()
{
    m_popup->viderEcarts(Cote::Alesage);
    m_popup->viderEcarts(Cote::Arbre);
    m_resultats->vider();
    m_popup->setClasseBarre(Cote::Alesage, QString());
    m_popup->setClasseBarre(Cote::Arbre, QString());
    m_affichage.cotes = {};
}

// The reset leaves 2 mm, so a diameter never gets two warnings.
bool Principale::Controle_Diametre()
{
    if (diametreValide(m_etat.Dia_Nominal))
        return false;
    Message_Diametre();
    m_popup->retablirDefaut();
    return true;
}

void Principale::Message_Diametre()
{
    QMessageBox boite(QMessageBox::Warning, QStringLiteral("Vestrel"),
                      QStringLiteral("Le diamètre doit être supérieur\nà 1 et inférieur ou égal à 500"),
                      QMessageBox::Ok, this);
    boite.exec();
}

void Principale::classeChoisie(Cote cote, const QString &classe)
{
    const Operation operation(*this);
    // After a reset the default fit is on screen; the class just chosen for
    // the rejected diameter is not applied.
    if (Controle_Diametre())
        return;
    Choisir_Classe(cote, classe);
}

// A list's typed text names no class: the side shows no numbers rather
// than those of the class picked while the text was being typed.
void Principale::classeInconnue(Cote cote)
{
    const Operation operation(*this);
    classeDe(m_etat, cote).clear();
    Affiche(cote);
}

void Principale::Choisir_Classe(Cote cote, const QString &classe)
{
    const Operation operation(*this);
    classeDe(m_etat, cote) = classe.toStdString();
    chercher(cote);
    Affiche(cote);
}

bool Principale::chercher(Cote cote) { return m_suivi.chercher(cote, m_etat); }

bool Principale::ecartsAJour(Cote cote) const { return m_suivi.aJour(cote, m_etat); }

// Numbers are shown only for deviations found for the side's class at the
// current diameter: a side without a class, or a class without deviations
// there, shows empty labels rather than numbers of another class or size.
void Principale::Affiche(Cote cote)
{
    const Operation operation(*this);
    CoteAffichee &a = m_affichage.cotes[static_cast<int>(cote)];
    a = {classeDe(m_etat, cote), std::nullopt};
    if (ecartsAJour(cote)) {
        const PaireEcarts e = ecartsDe(m_etat, cote);
        const double d = m_etat.Dia_Nominal;
        m_popup->afficherEcarts(cote, e);
        m_resultats->afficherTailles(cote, d + e.sup, d + e.inf);
        a.ecarts = e;
    } else {
        m_popup->viderEcarts(cote);
        m_resultats->viderTailles(cote);
    }
    if (ecartsAJour(Cote::Alesage) && ecartsAJour(Cote::Arbre))
        Calcul_Jeu();
    else
        m_resultats->viderJeux();
}

void Principale::Calcul_Jeu()
{
    m_resultats->Calcul_Jeu();
}

void Principale::presseCalcul()
{
    prendreFocus();
    Calcul_Libre();
}

// No caret may show in a pressed cell or button.
void Principale::prendreFocus()
{
    m_recupCurseur->setFocus(Qt::OtherFocusReason);
    m_recupCurseur->setCursorPosition(0);
}

// The free results are computed from the typed values in double precision,
// never read back from the size labels.
void Principale::Calcul_Libre()
{
    const Operation operation(*this);
    const ValeursLibres &v = m_libre->valeurs();
    m_affichage = ajustementLibre(v.Val_Dia1, v.Val_Ec_Sup_Dia1, v.Val_Ec_Inf_Dia1, v.Val_Dia2, v.Val_Ec_Sup_Dia2,
                                  v.Val_Ec_Inf_Dia2);
    const Tailles al = *tailles(m_affichage, Cote::Alesage);
    const Tailles ar = *tailles(m_affichage, Cote::Arbre);
    m_resultats->afficherCalcul(al.max, al.min, ar.max, ar.min);
}

void Principale::Changer_Methode(int k)
{
    const Operation operation(*this);
    const int precedente = m_etat.Methode_Selection;
    if (precedente == 0)
        m_diametreListes = m_etat.Dia_Nominal;
    m_etat.Methode_Selection = std::int16_t(k);
    if (k != 2 && m_affichage.libre) {
        // Back to the tables: the sides are shown again below.
        m_affichage = {};
        fixerDiametre(m_etat.Dia_Nominal);
    }

    dimensionner(this, k);
    m_resultats->move(m_resultats->x(), hautResultats(k));

    m_barre->setVisible(k == 1);
    m_libre->setVisible(k == 2);
    m_popup->setVisible(k != 2);
    if (k != 2)
        m_popup->montrerListes(k == 0);
    if (k == 1)
        m_barre->move(m_barre->x(), HautBarre);
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
    for (const Cote cote : Cotes) {
        const QString classe = QString::fromStdString(classeDe(m_etat, cote));
        const bool trouve = !classe.isEmpty() && chercher(cote);
        m_popup->montrerClasse(cote, trouve ? classe : QString());
    }
    Affiche_Alesage();
    Affiche_Arbre();
}

// The class labels of the toolbar name the classes whose numbers are shown:
// those of the fit, whichever way they were chosen. The toolbar selects
// their cells, so that the next press composes from the class shown; a side
// without a class keeps the toolbar's last one.
void Principale::rafraichirBarre()
{
    for (const Cote cote : Cotes) {
        const std::string &classe = classeDe(m_etat, cote);
        m_popup->setClasseBarre(cote, QString::fromStdString(classe));
        if (!classe.empty())
            m_barre->montrerClasse(cote, classe);
    }
    Affiche_Alesage();
    Affiche_Arbre();
}

// A class composed on the toolbar. The pressed side is looked up and shown,
// then the other side again at the same diameter, so that the clearances
// never mix two diameters.
void Principale::classeBarre(Cote cote, const QString &classe)
{
    const Operation operation(*this);
    prendreFocus();
    m_popup->setClasseBarre(cote, classe);
    Choisir_Classe(cote, classe);
    chercher(autreCote(cote));
    Affiche(autreCote(cote));
}

} // namespace vestrel
