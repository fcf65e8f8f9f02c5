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
#include "tables/catalogue.h"

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

// One action of the window, however deep it nests: when the outermost ends,
// the results frame prints the result of the fit shown, and when that fit
// changed, resultatsChanges is emitted once.
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
        if (--m_f.m_operations != 0)
            return;
        m_f.Calcul_Jeu();
        if (!(m_f.m_avant == m_f.m_affichage))
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
    m_methodes->cocher(Methode::Popup);
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
    m_menus->cocher(Methode::Popup);
    for (const Cote cote : Cotes)
        m_popup->setClasseBarre(cote, QString());
    dimensionner(this, Methode::Popup);

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
    if (methodeDe(m_etat) != Methode::Popup) {
        activerCellulesT();
        // The limits on screen follow the diameter typed. On the toolbar each
        // side keeps its class where it still exists and has none otherwise
        // (the toolbar dropped its grade); each is looked up again, so that
        // no number of the previous diameter stays.
        if (methodeDe(m_etat) == Methode::BarreOutil) {
            for (const Cote cote : Cotes) {
                const QString classe = m_barre->classeComposee(cote);
                m_popup->setClasseBarre(cote, classe);
                classeDe(m_etat, cote) = classe.toStdString();
                chercher(cote);
                Affiche(cote);
            }
        }
        return;
    }
    m_etat.Cl_Alesage.clear();
    m_etat.Cl_Arbre.clear();
    m_popup->Filtrer_Alesage(m_etat.Dia_Nominal, m_etat.systeme);
    m_popup->Filtrer_Arbre(m_etat.Dia_Nominal, m_etat.systeme);
    viderResultats();
}

// Up to 24 mm no T or t class exists; outside the catalogue's range the
// cells stay usable and the lookup finds nothing.
void Principale::activerCellulesT()
{
    const double d = m_etat.Dia_Nominal;
    m_barre->activerT(!diametreValide(d, m_etat.systeme) || d > DiametreSansT);
}

// Whether the diameter or a class of the fit lies outside the catalogue.
bool Principale::horsCatalogue() const
{
    if (!diametreValide(m_etat.Dia_Nominal, m_etat.systeme))
        return true;
    for (const Cote cote : Cotes) {
        const std::string &classe = classeDe(m_etat, cote);
        if (!classe.empty() && !indexClasse(cote, classe, m_etat.systeme))
            return true;
    }
    return false;
}

// The lists and the toolbar take the catalogue's classes and keep those
// shown. Back to the default catalogue, a fit it cannot show gives way to
// the default fit, as after a diameter warning, without the warning.
void Principale::setSysteme(Systeme systeme)
{
    if (systeme == m_etat.systeme)
        return;
    const Operation operation(*this);
    const std::array<bool, 2> montres{ecartsAJour(Cote::Alesage), ecartsAJour(Cote::Arbre)};
    m_etat.systeme = systeme;
    m_barre->setSysteme(systeme);
    const Methode k = methodeDe(m_etat);
    dimensionner(this, k, m_barre->hausseTwips());
    m_resultats->move(m_resultats->x(), hautResultats(k, m_barre->hausseTwips()));
    m_popup->changerCatalogue(k == Methode::Popup ? m_etat.Dia_Nominal : m_diametreListes, systeme);

    // Each side is looked up in the new catalogue; one whose numbers are
    // not there (zc10 at 450 mm) is lost to it.
    // A side without a class whose list shows a text the new catalogue names
    // (e2 typed, then the whole system) takes that class, as the list shows it.
    bool perdu = false;
    for (const Cote cote : Cotes) {
        std::string &classe = classeDe(m_etat, cote);
        if (classe.empty()) {
            const std::string montree = m_popup->classeMontree(cote).toStdString();
            if (!montree.empty() && indexClasse(cote, montree, systeme)) {
                classe = montree;
                chercher(cote);
            }
        } else {
            perdu = (!chercher(cote) && montres[static_cast<int>(cote)]) || perdu;
        }
    }
    if (systeme == Systeme::Defaut && (perdu || horsCatalogue())) {
        // Emptied first, the lists report the default classes as chosen
        // whatever they showed.
        m_popup->Filtrer_Alesage(DiametreDefaut, systeme);
        m_popup->Filtrer_Arbre(DiametreDefaut, systeme);
        m_diametreListes = DiametreDefaut;
        if (k == Methode::Libre) {
            // The free results stay on screen: the default fit waits in the
            // hidden lists for the return to the tables.
            m_popup->setDiametre(texte(TexteDiametreDefaut));
            for (const Cote cote : Cotes) {
                const std::string_view classe = cote == Cote::Alesage ? ClasseDefautAlesage : ClasseDefautArbre;
                classeDe(m_etat, cote) = std::string(classe);
                chercher(cote);
                m_popup->montrerClasse(cote, texte(classe));
            }
        } else {
            m_popup->retablirDefaut();
        }
    }
    if (k == Methode::BarreOutil) {
        rafraichirBarre();
    } else if (k == Methode::Popup) {
        Affiche_Alesage();
        Affiche_Arbre();
    }
    activerCellulesT();
}

void Principale::viderResultats()
{
    m_popup->viderEcarts(Cote::Alesage);
    m_popup->viderEcarts(Cote::Arbre);
    m_popup->setClasseBarre(Cote::Alesage, QString());
    m_popup->setClasseBarre(Cote::Arbre, QString());
    m_affichage.cotes = {};
}

// The reset leaves 2 mm, so a diameter never gets two warnings.
bool Principale::Controle_Diametre()
{
    if (diametreValide(m_etat.Dia_Nominal, m_etat.systeme))
        return false;
    Message_Diametre();
    m_popup->retablirDefaut();
    return true;
}

void Principale::Message_Diametre()
{
    QMessageBox boite(QMessageBox::Warning, QStringLiteral("Vestrel"),
                      texteDiametreHorsPlage(m_etat.systeme, QStringLiteral("\n")),
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
    // A side from the tables ends the free calculator's fit: the other side
    // shows again once it is displayed.
    if (m_affichage.libre) {
        m_affichage = {};
        m_affichage.diametre = m_affichage.diametreArbre = m_etat.Dia_Nominal;
    }
    CoteAffichee &a = m_affichage.cotes[static_cast<int>(cote)];
    a = {classeDe(m_etat, cote), std::nullopt};
    if (ecartsAJour(cote)) {
        const PaireEcarts e = ecartsDe(m_etat, cote);
        m_popup->afficherEcarts(cote, e);
        a.ecarts = e;
    } else {
        m_popup->viderEcarts(cote);
    }
}

// The clearances come from the sizes as shown, in the one result that every
// output prints; no label is read back.
void Principale::Calcul_Jeu()
{
    m_resultat = ResultatAjustement(m_affichage);
    m_resultats->afficher(m_resultat);
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

// The free results are computed from the typed values in double precision.
void Principale::Calcul_Libre()
{
    const Operation operation(*this);
    // A box without a number gives no result: an empty box is no 0.
    if (!m_libre->verifier()) {
        m_affichage = {};
        m_affichage.libre = true;
        return;
    }
    const ValeursLibres &v = m_libre->valeurs();
    m_affichage = ajustementLibre(v.Val_Dia1, v.Val_Ec_Sup_Dia1, v.Val_Ec_Inf_Dia1, v.Val_Dia2, v.Val_Ec_Sup_Dia2,
                                  v.Val_Ec_Inf_Dia2);
}

void Principale::Changer_Methode(Methode k)
{
    const Operation operation(*this);
    const Methode precedente = methodeDe(m_etat);
    if (precedente == Methode::Popup)
        m_diametreListes = m_etat.Dia_Nominal;
    changerMethode(m_etat, k);
    if (k != Methode::Libre && m_affichage.libre) {
        // Back to the tables: the sides are shown again below.
        m_affichage = {};
        fixerDiametre(m_etat.Dia_Nominal);
    }

    dimensionner(this, k, m_barre->hausseTwips());
    m_resultats->move(m_resultats->x(), hautResultats(k, m_barre->hausseTwips()));

    m_barre->setVisible(k == Methode::BarreOutil);
    m_libre->setVisible(k == Methode::Libre);
    m_popup->setVisible(k != Methode::Libre);
    if (k != Methode::Libre)
        m_popup->montrerListes(k == Methode::Popup);
    if (k == Methode::BarreOutil)
        m_barre->move(m_barre->x(), HautBarre);
    m_menus->cocher(k);

    switch (k) {
    case Methode::Popup: rafraichirPopup(precedente); break;
    case Methode::BarreOutil: rafraichirBarre(); break;
    case Methode::Libre: Calcul_Libre(); break;
    }

    activerCellulesT();
}

// Back to the lists. Lists built for another diameter are rebuilt as a change
// of diameter does; otherwise each side is looked up again at the diameter
// and its list shows the class whose numbers are displayed.
void Principale::rafraichirPopup(Methode precedente)
{
    if (precedente == Methode::Popup)
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
// without a class has no cell selected, and its grades wait for a letter.
void Principale::rafraichirBarre()
{
    for (const Cote cote : Cotes) {
        const std::string &classe = classeDe(m_etat, cote);
        m_popup->setClasseBarre(cote, QString::fromStdString(classe));
        if (classe.empty() || !m_barre->montrerClasse(cote, classe))
            m_barre->effacerClasse(cote);
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
