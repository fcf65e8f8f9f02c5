#include "app/principale.h"

#include "app/liste_classes.h"
#include "ui/barre_outils.h"
#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/images.h"
#include "ui/menus.h"
#include "ui/palette.h"
#include "ui/polices.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>

using vestrel::Cote;
namespace couleurs = vestrel::couleurs;
namespace polices = vestrel::polices;

namespace {

enum class Genre { Cadre, Etiquette, Signe, Saisie, Liste, Option, Bouton };
enum class Police { Aucune, Comic, Sans, Symbole, Bouton };

struct Controle {
    const char *nom;
    Genre genre;
    const char *conteneur; // nullptr: the window itself
    int gauche, haut, largeur, hauteur; // twips, inside the container
    const char *texte;
    Police police;
};

// The window's controls in creation order; a frame comes before its content
// and a later control lies on top of an earlier one (the class lists cover
// Aj_Ale and Aj_Arb).
constexpr Controle Controles[] = {
    {"Frame3", Genre::Cadre, nullptr, 60, 450, 5350, 735, "Méthode de sélection", Police::Comic},
    {"Ch_opt(0)", Genre::Option, "Frame3", 360, 315, 1995, 300, "Popup", Police::Comic},
    {"Ch_opt(1)", Genre::Option, "Frame3", 1800, 360, 1995, 195, "Barre outil", Police::Comic},
    {"Ch_opt(2)", Genre::Option, "Frame3", 3400, 360, 1500, 195, "Libre", Police::Comic},

    {"Popup", Genre::Cadre, nullptr, 60, 1170, 5350, 1875, "Choix de l'ajustement", Police::Comic},
    {"Label5", Genre::Signe, "Popup", 420, 930, 255, 255, "", Police::Symbole},
    {"Diametre", Genre::Saisie, "Popup", 645, 885, 1500, 315, "", Police::Sans},
    {"Aj_Ale", Genre::Etiquette, "Popup", 2500, 620, 495, 540, "", Police::Comic},
    {"Aj_Arb", Genre::Etiquette, "Popup", 2500, 1160, 500, 540, "", Police::Comic},
    {"Aj_Alesage", Genre::Liste, "Popup", 2385, 525, 900, 315, "", Police::Sans},
    {"Aj_Arbre", Genre::Liste, "Popup", 2385, 1065, 900, 315, "", Police::Sans},
    {"Af_Ec_Sup_Al", Genre::Etiquette, "Popup", 3465, 300, 900, 195, "", Police::Sans},
    {"Af_Ec_Inf_Al", Genre::Etiquette, "Popup", 3465, 645, 900, 195, "", Police::Sans},
    {"Af_Ec_Sup_Ar", Genre::Etiquette, "Popup", 3465, 1185, 900, 195, "", Police::Sans},
    {"Af_Ec_Inf_Ar", Genre::Etiquette, "Popup", 3465, 1530, 900, 195, "", Police::Sans},

    {"Quelconque", Genre::Cadre, nullptr, 60, 1170, 5350, 1875, "Quelconque", Police::Comic},
    {"Label14", Genre::Etiquette, "Quelconque", 210, 315, 1065, 330, "Alesage", Police::Comic},
    {"Label15", Genre::Etiquette, "Quelconque", 2835, 315, 960, 225, "Arbre", Police::Comic},
    {"Label12", Genre::Signe, "Quelconque", 105, 780, 255, 255, "", Police::Symbole},
    {"Dia1", Genre::Saisie, "Quelconque", 330, 735, 1000, 315, "12.3", Police::Comic},
    {"Ec_Sup_Dia1", Genre::Saisie, "Quelconque", 1470, 420, 900, 405, "0.03", Police::Comic},
    {"Ec_Inf_Dia1", Genre::Saisie, "Quelconque", 1470, 945, 900, 405, "0.02", Police::Comic},
    {"Label13", Genre::Signe, "Quelconque", 2730, 780, 255, 255, "", Police::Symbole},
    {"Dia2", Genre::Saisie, "Quelconque", 2955, 735, 1000, 315, "12.2", Police::Comic},
    {"Ec_Sup_Dia2", Genre::Saisie, "Quelconque", 4095, 315, 900, 405, "0.03", Police::Comic},
    {"Ec_Inf_Dia2", Genre::Saisie, "Quelconque", 4095, 945, 900, 405, "0.02", Police::Comic},
    {"Calcul", Genre::Bouton, "Quelconque", 2520, 1320, 1455, 465, "Calculer\n", Police::Bouton},

    {"Frame2", Genre::Cadre, nullptr, 60, 3100, 5350, 2055, "Calcul des jeux", Police::Comic},
    {"Label7", Genre::Etiquette, "Frame2", 180, 315, 1515, 195, "Alésage maxi :", Police::Sans},
    {"Label3", Genre::Signe, "Frame2", 1455, 300, 255, 255, "", Police::Symbole},
    {"Res_Al_Max", Genre::Etiquette, "Frame2", 1710, 315, 900, 195, "", Police::Sans},
    {"Label8", Genre::Etiquette, "Frame2", 180, 720, 1575, 195, "Alésage mini :", Police::Sans},
    {"Label4", Genre::Signe, "Frame2", 1455, 705, 255, 255, "", Police::Symbole},
    {"Res_Al_Min", Genre::Etiquette, "Frame2", 1710, 720, 900, 195, "", Police::Sans},
    {"Label9", Genre::Etiquette, "Frame2", 3000, 315, 1035, 195, "Arbre maxi :", Police::Sans},
    {"Label6", Genre::Signe, "Frame2", 4050, 300, 255, 255, "", Police::Symbole},
    {"Res_Ar_Max", Genre::Etiquette, "Frame2", 4305, 315, 900, 195, "", Police::Sans},
    {"Label10", Genre::Etiquette, "Frame2", 3000, 720, 1035, 195, "Arbre mini :", Police::Sans},
    {"Label11", Genre::Signe, "Frame2", 4050, 705, 255, 255, "", Police::Symbole},
    {"Res_Ar_Min", Genre::Etiquette, "Frame2", 4305, 720, 900, 195, "", Police::Sans},
    {"Label1", Genre::Etiquette, "Frame2", 1560, 1320, 915, 195, "Jeu maxi :", Police::Sans},
    {"J_Max", Genre::Etiquette, "Frame2", 2580, 1320, 1995, 195, "", Police::Sans},
    {"Label2", Genre::Etiquette, "Frame2", 1560, 1725, 855, 195, "Jeu mini :", Police::Sans},
    {"J_Min", Genre::Etiquette, "Frame2", 2580, 1725, 1995, 195, "", Police::Sans},

    // Takes the focus from pressed cells so that no caret shows in them; it
    // lies below the visible part of the window.
    {"recup_curseur", Genre::Saisie, nullptr, 3990, 6000, 1170, 330, "", Police::Aucune},
};

constexpr int LargeurFenetre = 5550;
constexpr int HauteurFenetre = 5650;

const QString InfobulleListes =
    QStringLiteral("Les valeurs suivies d'une étoile ne sont pas comprises dans la norme DIN");

QFont policeDe(Police p, const QFont &parDefaut)
{
    switch (p) {
    case Police::Comic: return polices::comic();
    case Police::Sans: return polices::sans();
    case Police::Symbole: return polices::symbole();
    case Police::Bouton: return polices::comic(12, false);
    case Police::Aucune: break;
    }
    return parDefaut;
}

QWidget *creer(const Controle &c, QWidget *parent)
{
    const QString texte = QString::fromUtf8(c.texte);
    switch (c.genre) {
    case Genre::Cadre: return new QGroupBox(texte, parent);
    case Genre::Etiquette: {
        // Captions sit at the top of their label: the class lists cover the
        // top of Aj_Ale and Aj_Arb and, with it, their text.
        auto *etiquette = new QLabel(texte, parent);
        etiquette->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return etiquette;
    }
    case Genre::Signe: return new QLabel(polices::SigneDiametre, parent);
    case Genre::Saisie: return new QLineEdit(texte, parent);
    case Genre::Liste: return new vestrel::ListeClasses(parent);
    case Genre::Option: return new QRadioButton(texte, parent);
    case Genre::Bouton: {
        auto *cellule = new vestrel::Cellule(texte, parent);
        cellule->setAlignment(Qt::AlignCenter);
        cellule->setBackColor(couleurs::Blanc);
        return cellule;
    }
    }
    return nullptr;
}

} // namespace

Principale::Principale(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("Vestrel"));
    setWindowIcon(vestrel::iconeProgramme());
    vestrel::appliquerPalette(this);
    setAutoFillBackground(true);

    creerControles();
    demarrer();
    connecterLibre();
    connecterMethodes();

    if (const QScreen *ecran = screen()) {
        QRect r(QPoint(), size());
        r.moveCenter(ecran->availableGeometry().center());
        move(r.topLeft());
    }
}

Principale::~Principale() = default;

void Principale::creerControles()
{
    QHash<QString, QWidget *> parNom;
    for (const Controle &c : Controles) {
        QWidget *conteneur = c.conteneur ? parNom.value(QString::fromLatin1(c.conteneur)) : this;
        QWidget *w = creer(c, conteneur);
        w->setObjectName(QString::fromLatin1(c.nom));
        w->setGeometry(vestrel::rectTwips(c.gauche, c.haut, c.largeur, c.hauteur));
        w->setFont(policeDe(c.police, w->font()));
        parNom.insert(w->objectName(), w);
    }
    auto controle = [&parNom](const char *nom) { return parNom.value(QString::fromLatin1(nom)); };

    m_frame3 = static_cast<QGroupBox *>(controle("Frame3"));
    m_popup = static_cast<QGroupBox *>(controle("Popup"));
    m_quelconque = static_cast<QGroupBox *>(controle("Quelconque"));
    m_frame2 = static_cast<QGroupBox *>(controle("Frame2"));
    for (int k = 0; k < 3; ++k)
        m_chOpt[k] = static_cast<QRadioButton *>(parNom.value(QStringLiteral("Ch_opt(%1)").arg(k)));
    m_diametre = static_cast<QLineEdit *>(controle("Diametre"));
    m_jMax = static_cast<QLabel *>(controle("J_Max"));
    m_jMin = static_cast<QLabel *>(controle("J_Min"));
    m_calcul = static_cast<vestrel::Cellule *>(controle("Calcul"));
    m_recupCurseur = static_cast<QLineEdit *>(controle("recup_curseur"));

    struct NomsVolet {
        const char *liste, *classeBarre, *ecartSup, *ecartInf, *tailleMax, *tailleMin;
    };
    constexpr NomsVolet Noms[] = {
        {"Aj_Alesage", "Aj_Ale", "Af_Ec_Sup_Al", "Af_Ec_Inf_Al", "Res_Al_Max", "Res_Al_Min"},
        {"Aj_Arbre", "Aj_Arb", "Af_Ec_Sup_Ar", "Af_Ec_Inf_Ar", "Res_Ar_Max", "Res_Ar_Min"},
    };
    for (const Cote cote : {Cote::Alesage, Cote::Arbre}) {
        const NomsVolet &n = Noms[static_cast<int>(cote)];
        Volet &v = volet(cote);
        v.liste = static_cast<vestrel::ListeClasses *>(controle(n.liste));
        v.classeBarre = static_cast<QLabel *>(controle(n.classeBarre));
        v.ecartSup = static_cast<QLabel *>(controle(n.ecartSup));
        v.ecartInf = static_cast<QLabel *>(controle(n.ecartInf));
        v.tailleMax = static_cast<QLabel *>(controle(n.tailleMax));
        v.tailleMin = static_cast<QLabel *>(controle(n.tailleMin));

        v.liste->setToolTip(InfobulleListes);
        v.liste->setFond(palette().color(QPalette::Base));
        connect(v.liste, &QComboBox::currentIndexChanged, this,
                [this, cote](int position) { classeChoisie(cote, position); });
        connect(v.liste, &vestrel::ListeClasses::toucheRelachee, this,
                [this, cote](int touche) { completerSaisie(cote, touche); });
    }
    volet(Cote::Alesage).liste->setFond(couleurs::Blanc);

    // Pasted text is not filtered by the keys; a bounded length keeps any
    // paste to a short text that reads as one finite number.
    m_diametre->setMaxLength(24);
    // Composed characters would bypass the key filter.
    m_diametre->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_diametre->installEventFilter(this);
    connect(m_diametre, &QLineEdit::textChanged, this, [this] { diametreChange(); });

    m_barre = new vestrel::BarreOutils(m_etat, this);
    m_barre->move(vestrel::pointTwips(60, 3100));
    m_barre->hide();

    m_menus = new vestrel::BarreMenus(this);
    // The Selection menu sets the option button, whose handling switches
    // the method as a click on it would.
    connect(m_menus, &vestrel::BarreMenus::methodeChoisie, this,
            [this](int methode) { m_chOpt[methode]->setChecked(true); });

    m_quelconque->hide();
    m_chOpt[0]->setChecked(true);
}

void Principale::demarrer()
{
    m_menus->cocher(0);
    for (Volet &v : m_volets)
        v.classeBarre->clear();
    setFixedSize(vestrel::tailleTwips(LargeurFenetre, HauteurFenetre));

    // Builds both lists for 2 mm and empties the results.
    m_diametre->setText(QStringLiteral("2"));
    m_etat.Dia_Nominal = 2;
    retablirClasses();

    m_libres = {12.3, 0.03, 0.02, 12.2, 0.03, 0.02};

    m_barre->initialiser();
    volet(Cote::Alesage).classeBarre->setText(QStringLiteral("H7"));
    volet(Cote::Arbre).classeBarre->setText(QStringLiteral("f7"));
}

bool Principale::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        activation();
    return QWidget::event(event);
}

// A click anywhere on the window closes an open drop-down menu.
void Principale::activation()
{
    m_menus->masquerMenus();
    if (auto *selection = findChild<vestrel::Forme *>(QStringLiteral("Selection"),
                                                      Qt::FindDirectChildrenOnly))
        selection->hide();
    m_calcul->setBackColor(couleurs::Blanc);
}

// Closing the main window ends the program at once; nothing is asked.
void Principale::closeEvent(QCloseEvent *)
{
    vestrel::terminerProgramme();
}

void Principale::Effacer_Survol()
{
    m_barre->effacerSurvol();
    m_menus->effacerSurvol();
}
