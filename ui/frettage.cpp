#include "ui/frettage.h"

#include "calcul/nombres.h"
#include "tables/materiaux.h"
#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/filtre_touches.h"
#include "ui/polices.h"
#include "ui/textes.h"
#include "ui/twips.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTableWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace vestrel {

namespace {

enum class Genre { Cadre, Etiquette, Saisie, SaisieSignee, Liste, Table, Message, Bouton };

struct Controle {
    const char *nom;
    Genre genre;
    const char *conteneur; // nullptr: the window
    int gauche, haut, largeur, hauteur; // twips
    const char *texte;
};

// Rows of the input frames: a caption on the left, its control on the right.
constexpr int HautLigne(int i) { return 300 + 360 * i; }

constexpr Controle Controles[] = {
    {"Fr_Cadre_Assemblage", Genre::Cadre, nullptr, 120, 60, 6200, 1460, "Assemblage"},
    {"Fr_Lbl_Dia_Ext", Genre::Etiquette, "Fr_Cadre_Assemblage", 150, HautLigne(0) + 45, 4000, 255,
     "Diamètre extérieur du moyeu (mm)"},
    {"Fr_Dia_Ext", Genre::Saisie, "Fr_Cadre_Assemblage", 4450, HautLigne(0), 1600, 315, ""},
    {"Fr_Lbl_Dia_Int", Genre::Etiquette, "Fr_Cadre_Assemblage", 150, HautLigne(1) + 45, 4300, 255,
     "Alésage de l'arbre (mm, 0 = plein)"},
    {"Fr_Dia_Int", Genre::Saisie, "Fr_Cadre_Assemblage", 4450, HautLigne(1), 1600, 315, "0"},
    {"Fr_Lbl_Longueur", Genre::Etiquette, "Fr_Cadre_Assemblage", 150, HautLigne(2) + 45, 4000, 255,
     "Longueur de l'assemblage (mm)"},
    {"Fr_Longueur", Genre::Saisie, "Fr_Cadre_Assemblage", 4450, HautLigne(2), 1600, 315, ""},

    {"Fr_Cadre_Materiaux", Genre::Cadre, nullptr, 120, 1580, 6200, 3980, "Matériaux et surfaces"},
    {"Fr_Lbl_Moyeu", Genre::Etiquette, "Fr_Cadre_Materiaux", 2650, 250, 1700, 255, "Moyeu"},
    {"Fr_Lbl_Arbre", Genre::Etiquette, "Fr_Cadre_Materiaux", 4400, 250, 1700, 255, "Arbre"},

    {"Fr_Cadre_Charge", Genre::Cadre, nullptr, 120, 5620, 6200, 3980, "Montage, charge et service"},
    {"Fr_Lbl_Lissage", Genre::Etiquette, "Fr_Cadre_Charge", 150, HautLigne(0) + 45, 2400, 255, "Lissage"},
    {"Fr_Lissage", Genre::Liste, "Fr_Cadre_Charge", 2650, HautLigne(0), 3400, 315, ""},
    {"Fr_Lbl_Frottement", Genre::Etiquette, "Fr_Cadre_Charge", 150, HautLigne(1) + 45, 4200, 255,
     "Frottement au glissement ν"},
    {"Fr_Frottement", Genre::Saisie, "Fr_Cadre_Charge", 4450, HautLigne(1), 1600, 315, "0.12"},
    {"Fr_Lbl_Frottement_Emm", Genre::Etiquette, "Fr_Cadre_Charge", 150, HautLigne(2) + 45, 4200, 255,
     "Frottement à l'emmanchement ν_e"},
    {"Fr_Frottement_Emm", Genre::Saisie, "Fr_Cadre_Charge", 4450, HautLigne(2), 1600, 315, "0.08"},
    {"Fr_Lbl_Couple", Genre::Etiquette, "Fr_Cadre_Charge", 150, HautLigne(3) + 45, 4200, 255,
     "Couple à transmettre (N·m)"},
    {"Fr_Couple", Genre::Saisie, "Fr_Cadre_Charge", 4450, HautLigne(3), 1600, 315, "0"},
    {"Fr_Lbl_Effort_Axial", Genre::Etiquette, "Fr_Cadre_Charge", 150, HautLigne(4) + 45, 4200, 255,
     "Effort axial à transmettre (N)"},
    {"Fr_Effort_Axial", Genre::Saisie, "Fr_Cadre_Charge", 4450, HautLigne(4), 1600, 315, "0"},
    {"Fr_Lbl_KA", Genre::Etiquette, "Fr_Cadre_Charge", 150, HautLigne(5) + 45, 4200, 255,
     "Facteur d'application K_A"},
    {"Fr_KA", Genre::Saisie, "Fr_Cadre_Charge", 4450, HautLigne(5), 1600, 315, "1"},
    {"Fr_Lbl_Sec_Glissement", Genre::Etiquette, "Fr_Cadre_Charge", 150, HautLigne(6) + 45, 4200, 255,
     "Sécurité voulue au glissement"},
    {"Fr_Sec_Glissement", Genre::Saisie, "Fr_Cadre_Charge", 4450, HautLigne(6), 1600, 315, "1"},
    {"Fr_Lbl_Sec_Plastification", Genre::Etiquette, "Fr_Cadre_Charge", 150, HautLigne(7) + 45, 4200, 255,
     "Sécurité voulue à la plastification"},
    {"Fr_Sec_Plastification", Genre::Saisie, "Fr_Cadre_Charge", 4450, HautLigne(7), 1600, 315, "1"},
    {"Fr_Lbl_Vitesse", Genre::Etiquette, "Fr_Cadre_Charge", 150, HautLigne(8) + 45, 4200, 255,
     "Vitesse de rotation (min⁻¹)"},
    {"Fr_Vitesse", Genre::Saisie, "Fr_Cadre_Charge", 4450, HautLigne(8), 1600, 315, "0"},
    {"Fr_Lbl_Temp_Refroidi", Genre::Etiquette, "Fr_Cadre_Charge", 150, HautLigne(9) + 45, 4250, 255,
     "Arbre refroidi au montage à (°C)"},
    {"Fr_Temp_Refroidi", Genre::SaisieSignee, "Fr_Cadre_Charge", 4450, HautLigne(9), 1600, 315, ""},

    {"Fr_Resultats", Genre::Table, nullptr, 6480, 120, 7300, 7600, ""},
    {"Fr_Regle_Lissage", Genre::Message, nullptr, 6480, 7800, 7300, 255, ""},
    {"Fr_Verdicts", Genre::Message, nullptr, 6480, 8100, 7300, 330, ""},
    {"Fr_Message", Genre::Message, nullptr, 6480, 8450, 7300, 600, ""},
    {"Fr_Chercher", Genre::Bouton, nullptr, 6480, 9100, 4500, 405, "Chercher les ajustements qui tiennent"},
};
constexpr int LargeurFenetre = 13900;
constexpr int HauteurFenetre = 9720;

// The material rows, written once for the hub and the shaft: caption, the
// name part of both boxes, the field, and the factor of the shown unit.
struct ChampMateriau {
    const char *libelle;
    const char *nom;
    double ValeursMateriau::*valeur;
    double echelle;
    const char *manque; // named in "Saisissez … du moyeu"
};
constexpr ChampMateriau ChampsMateriau[] = {
    {"E (MPa)", "E", &ValeursMateriau::E_MPa, 1, "le module E"},
    {"ν", "Nu", &ValeursMateriau::nu, 1, "le coefficient de Poisson ν"},
    {"Re (MPa)", "Re", &ValeursMateriau::Re_MPa, 1, "la limite élastique Re"},
    {"α chauffe (10⁻⁶/K)", "Alpha", &ValeursMateriau::alpha_chauffe_par_K, 1e6, "α chauffe"},
    {"α refroidi (10⁻⁶/K)", "Alpha_Froid", &ValeursMateriau::alpha_refroidi_par_K, 1e6, "α refroidi"},
    {"ρ (kg/m³)", "Rho", &ValeursMateriau::rho_kg_m3, 1, "la masse volumique ρ"},
};
constexpr const char *NomsPieces[] = {"Moyeu", "Arbre"};
constexpr const char *DesPieces[] = {"du moyeu", "de l'arbre"};
constexpr int GauchePiece[] = {2650, 4400};

// The smoothing choices, in list order.
constexpr struct {
    double facteur;
    const char *source;
    Lissage lissage;
} Lissages[] = {{0.4, "DIN 7190-1:2017", Lissage::Din2017}, {0.8, "éditions antérieures", Lissage::Anterieur}};

const QColor Mauvais{176, 0, 0};
const QColor Bon{0, 118, 0};

// Numbers of the results: fixed decimals in the locale, no group separator,
// never "-0".
QString nombre(double v, int decimales)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const double echelle = std::pow(10.0, decimales);
    const double arrondi = std::round(v * echelle) / echelle;
    return locale.toString(arrondi == 0 ? 0.0 : arrondi, 'f', decimales);
}

QString avecUnite(const QString &n, const char *unite)
{
    return *unite ? n + QChar(0x00A0) + QString::fromUtf8(unite) : n;
}

// A value of a box: its leading number, "." or "," as separator.
double lire(const QLineEdit *boite) { return lireSaisie(boite->text()); }

bool mauvais(const std::string &verdict)
{
    return verdict == "glisse" || verdict.starts_with("plastification") || verdict == "se desserre en service";
}

} // namespace

Frettage::Frettage(QWidget *fenetre)
    : FenetreOutil(fenetre, QStringLiteral("Frettage"), QStringLiteral("Assemblage serré"), Suivi::Ouverture,
                   Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setAutoFillBackground(true);
    setFixedSize(tailleTwips(LargeurFenetre, HauteurFenetre));
    creerControles();
    placer();
}

void Frettage::preparer(const VuePrincipale &vue) { montrer(vue.resultat); }

void Frettage::actualiser(const VuePrincipale &vue) { montrer(vue.resultat); }

Frettage::~Frettage() = default;

void Frettage::creerControles()
{
    // Nothing is computed before every control exists.
    m_remplissage = true;
    QHash<QString, QWidget *> parNom;
    auto placer = [&](QWidget *w, const char *nom, int gauche, int haut, int largeur, int hauteur) {
        w->setObjectName(QString::fromLatin1(nom));
        w->setGeometry(rectTwips(gauche, haut, largeur, hauteur));
        parNom.insert(w->objectName(), w);
    };
    auto saisie = [&](QLineEdit *boite, Filtre filtre) {
        boite->setFont(polices::sans());
        preparerSaisie(boite);
        FiltreTouches::installer(boite, filtre);
        connect(boite, &QLineEdit::textChanged, this, &Frettage::calculer);
    };
    // Any change the window does not make itself is the user's: typed,
    // pasted (blanks around it removed or not) or cut.
    auto suivreSaisie = [this](QLineEdit *boite, bool &saisi) {
        connect(boite, &QLineEdit::textChanged, this, [this, &saisi] {
            if (!m_remplissage)
                saisi = true;
        });
    };
    for (const Controle &c : Controles) {
        QWidget *parent = c.conteneur ? parNom.value(QString::fromLatin1(c.conteneur)) : this;
        const QString texte = QString::fromUtf8(c.texte);
        QWidget *w = nullptr;
        switch (c.genre) {
        case Genre::Cadre: w = new QGroupBox(texte, parent); w->setFont(polices::comic()); break;
        case Genre::Etiquette: w = new QLabel(texte, parent); w->setFont(polices::comic()); break;
        case Genre::Saisie:
        case Genre::SaisieSignee: {
            auto *boite = new QLineEdit(texte, parent);
            saisie(boite, c.genre == Genre::Saisie ? Filtre::Diametre : Filtre::Ecart);
            w = boite;
            break;
        }
        case Genre::Liste: w = new QComboBox(parent); w->setFont(polices::sans()); break;
        case Genre::Table: w = m_resultats = new QTableWidget(parent); w->setFont(polices::sans()); break;
        case Genre::Message: {
            auto *etiquette = new QLabel(parent);
            etiquette->setFont(polices::comic());
            etiquette->setWordWrap(true);
            etiquette->setTextInteractionFlags(Qt::TextSelectableByMouse);
            w = etiquette;
            break;
        }
        case Genre::Bouton: {
            auto *bouton = new Cellule(texte, parent);
            bouton->setAlignment(Qt::AlignCenter);
            bouton->setFont(polices::comic(10, false));
            bouton->setBorderStyle(1);
            bouton->setBackColor(couleurs::Blanc);
            w = m_chercher = bouton;
            break;
        }
        }
        placer(w, c.nom, c.gauche, c.haut, c.largeur, c.hauteur);
    }

    // The material rows: both parts, one loop.
    auto *cadre = static_cast<QWidget *>(parNom.value(QStringLiteral("Fr_Cadre_Materiaux")));
    auto ligne = [&](int i, const char *libelle, const QString &nom) {
        auto *l = new QLabel(QString::fromUtf8(libelle), cadre);
        l->setFont(polices::comic());
        placer(l, nom.toLatin1().constData(), 150, HautLigne(i + 1) + 45, 2450, 255);
    };
    const int n = static_cast<int>(std::size(ChampsMateriau));
    ligne(0, "Matériau", QStringLiteral("Fr_Lbl_Materiau"));
    for (int i = 0; i < n; ++i)
        ligne(i + 1, ChampsMateriau[i].libelle, QStringLiteral("Fr_Lbl_") + QLatin1String(ChampsMateriau[i].nom));
    ligne(n + 1, "Rugosité Rz (µm)", QStringLiteral("Fr_Lbl_Rz"));
    ligne(n + 2, "Température de service (°C)", QStringLiteral("Fr_Lbl_Temp"));
    for (int piece = 0; piece < 2; ++piece) {
        CotePiece &c = m_pieces[static_cast<std::size_t>(piece)];
        const QString suffixe = QLatin1Char('_') + QLatin1String(NomsPieces[piece]);
        auto boite = [&](const QString &nom, int rang, Filtre filtre) {
            auto *b = new QLineEdit(cadre);
            saisie(b, filtre);
            placer(b, (QStringLiteral("Fr_") + nom + suffixe).toLatin1().constData(), GauchePiece[piece],
                   HautLigne(rang + 1), 1650, 315);
            return b;
        };
        c.materiau = new QComboBox(cadre);
        c.materiau->setFont(polices::sans());
        placer(c.materiau, (QStringLiteral("Fr_Mat") + suffixe).toLatin1().constData(), GauchePiece[piece],
               HautLigne(1), 1650, 315);
        for (const Materiau &m : materiaux()) {
            c.materiau->addItem(texte(m.nom), texte(m.cle));
            // Where the values come from, beside the name.
            c.materiau->setItemData(c.materiau->count() - 1, texte(m.source), Qt::ToolTipRole);
        }
        // The list shows every name whole; the box, too narrow for the
        // longer ones, holds the chosen name whole in its tooltip.
        int plusLong = 0;
        for (int i = 0; i < c.materiau->count(); ++i)
            plusLong = std::max(plusLong, c.materiau->fontMetrics().horizontalAdvance(c.materiau->itemText(i)));
        c.materiau->view()->setMinimumWidth(std::max(twips(5200), plusLong + twips(600)));
        c.materiau->setToolTip(c.materiau->currentText());
        for (int i = 0; i < n; ++i)
            c.valeurs[static_cast<std::size_t>(i)] = boite(QLatin1String(ChampsMateriau[i].nom), i + 1, Filtre::Diametre);
        c.rz = boite(QStringLiteral("Rz"), n + 1, Filtre::Diametre);
        c.temperature = boite(QStringLiteral("Temp"), n + 2, Filtre::Ecart);
        c.rz->setText(texteNombreLocal(4));
        c.temperature->setText(texteNombreLocal(20));
        remplirMateriau(piece, 0);
        connect(c.materiau, &QComboBox::currentIndexChanged, this, [this, piece](int index) {
            QComboBox *liste = m_pieces[static_cast<std::size_t>(piece)].materiau;
            liste->setToolTip(liste->currentText());
            remplirMateriau(piece, index);
            calculer();
        });
    }

    auto boite = [&](const char *nom) { return static_cast<QLineEdit *>(parNom.value(QString::fromLatin1(nom))); };
    m_diaExt = boite("Fr_Dia_Ext");
    m_diaInt = boite("Fr_Dia_Int");
    m_longueur = boite("Fr_Longueur");
    m_frottement = boite("Fr_Frottement");
    m_frottementEmmanchement = boite("Fr_Frottement_Emm");
    m_couple = boite("Fr_Couple");
    m_effort = boite("Fr_Effort_Axial");
    m_KA = boite("Fr_KA");
    m_securiteGlissement = boite("Fr_Sec_Glissement");
    m_securitePlastification = boite("Fr_Sec_Plastification");
    m_vitesse = boite("Fr_Vitesse");
    m_refroidi = boite("Fr_Temp_Refroidi");
    suivreSaisie(m_diaExt, m_diaExtSaisi);
    suivreSaisie(m_longueur, m_longueurSaisi);
    // The defaults in the user's locale ("0,12" in French).
    for (QLineEdit *b : {m_frottement, m_frottementEmmanchement})
        b->setText(texteNombreLocal(lireSaisie(b->text())));
    m_refroidi->setPlaceholderText(QStringLiteral("non"));

    m_lissage = static_cast<QComboBox *>(parNom.value(QStringLiteral("Fr_Lissage")));
    for (const auto &l : Lissages)
        m_lissage->addItem(QStringLiteral("%1 (%2)").arg(texteNombreLocal(l.facteur), QString::fromUtf8(l.source)));
    connect(m_lissage, &QComboBox::currentIndexChanged, this, &Frettage::calculer);

    m_regle = static_cast<QLabel *>(parNom.value(QStringLiteral("Fr_Regle_Lissage")));
    m_verdicts = static_cast<QLabel *>(parNom.value(QStringLiteral("Fr_Verdicts")));
    m_verdicts->setFont(polices::comic(10, true));
    m_message = static_cast<QLabel *>(parNom.value(QStringLiteral("Fr_Message")));
    QPalette p = m_message->palette();
    p.setColor(QPalette::WindowText, Mauvais);
    m_message->setPalette(p);

    m_resultats->setColumnCount(3);
    m_resultats->setHorizontalHeaderLabels(
        {QStringLiteral("Résultat"), QStringLiteral("Serrage mini"), QStringLiteral("Serrage maxi")});
    m_resultats->verticalHeader()->hide();
    m_resultats->verticalHeader()->setDefaultSectionSize(twips(255));
    m_resultats->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_resultats->setSelectionMode(QAbstractItemView::NoSelection);
    m_resultats->setFocusPolicy(Qt::NoFocus);
    m_resultats->setWordWrap(false);
    QHeaderView *entete = m_resultats->horizontalHeader();
    entete->resizeSection(0, twips(4000));
    entete->resizeSection(1, twips(1500));
    entete->setStretchLastSection(true);

    m_chercher->installEventFilter(this);
    connect(m_chercher, &Cellule::presse, this, &Frettage::chercherAjustements);
    m_remplissage = false;
}

void Frettage::remplirMateriau(int piece, int index)
{
    const auto liste = materiaux();
    if (index < 0 || index >= static_cast<int>(liste.size()))
        return;
    const ValeursMateriau v = valeursMateriau(liste[static_cast<std::size_t>(index)]);
    // One evaluation after the whole material, not one per box.
    const bool avant = std::exchange(m_remplissage, true);
    const CotePiece &c = m_pieces[static_cast<std::size_t>(piece)];
    for (std::size_t i = 0; i < std::size(ChampsMateriau); ++i)
        c.valeurs[i]->setText(texteNombreLocal(v.*(ChampsMateriau[i].valeur) * ChampsMateriau[i].echelle));
    m_remplissage = avant;
}

void Frettage::montrer(const ResultatAjustement &ajustement)
{
    m_ajustement = ajustement;
    // Until typed, a designer's first guess: a hub twice the diameter, a
    // joint as long as the diameter. An incomplete free entry has no
    // diameter: the last ones stay.
    const double d = ajustement.ajustement.diametre;
    const bool avant = std::exchange(m_remplissage, true);
    if (!libreIncomplet(ajustement.ajustement) && d > 0) {
        if (!m_diaExtSaisi)
            m_diaExt->setText(texteNombreLocal(2 * d));
        if (!m_longueurSaisi)
            m_longueur->setText(texteNombreLocal(d));
    }
    m_remplissage = avant;
    calculer();
}

ParametresFrettage Frettage::parametres() const
{
    ParametresFrettage p;
    p.D_aA_mm = lire(m_diaExt);
    p.D_iI_mm = lire(m_diaInt);
    p.l_F_mm = lire(m_longueur);
    for (int piece = 0; piece < 2; ++piece) {
        const CotePiece &c = m_pieces[static_cast<std::size_t>(piece)];
        ValeursMateriau &v = piece == 0 ? p.moyeu : p.arbre;
        for (std::size_t i = 0; i < std::size(ChampsMateriau); ++i)
            v.*(ChampsMateriau[i].valeur) = lire(c.valeurs[i]) / ChampsMateriau[i].echelle;
        (piece == 0 ? p.Rz_moyeu_um : p.Rz_arbre_um) = lire(c.rz);
        (piece == 0 ? p.tempServiceMoyeu_C : p.tempServiceArbre_C) = lire(c.temperature);
    }
    p.lissage = Lissages[std::max(0, m_lissage->currentIndex())].lissage;
    p.frottementGlissement = lire(m_frottement);
    p.frottementEmmanchement = lire(m_frottementEmmanchement);
    const double couple = lire(m_couple), effort = lire(m_effort);
    if (couple != 0 || effort != 0)
        p.charge = Charge{couple, effort, lire(m_KA), lire(m_securiteGlissement), lire(m_securitePlastification)};
    p.vitesse_tr_min = lire(m_vitesse);
    if (!m_refroidi->text().trimmed().isEmpty())
        p.tempArbreRefroidi_C = lire(m_refroidi);
    return p;
}

QString Frettage::manque() const
{
    if (libreIncomplet(m_ajustement.ajustement))
        return texte(MessageLibreIncomplet);
    auto vide = [](const QLineEdit *b) { return !nombreSaisi(b->text().toStdString()); };
    const std::pair<const QLineEdit *, const char *> boites[] = {
        {m_diaExt, "le diamètre extérieur du moyeu"}, {m_diaInt, "l'alésage de l'arbre (0 = plein)"},
        {m_longueur, "la longueur de l'assemblage"}};
    for (const auto &[b, nom] : boites)
        if (vide(b))
            return QStringLiteral("Saisissez ") + QString::fromUtf8(nom);
    for (std::size_t piece = 0; piece < 2; ++piece) {
        const CotePiece &c = m_pieces[piece];
        const QString de = QLatin1Char(' ') + QString::fromUtf8(DesPieces[piece]);
        for (std::size_t i = 0; i < std::size(ChampsMateriau); ++i)
            if (vide(c.valeurs[i]))
                return QStringLiteral("Saisissez ") + QString::fromUtf8(ChampsMateriau[i].manque) + de;
        if (vide(c.rz))
            return QStringLiteral("Saisissez la rugosité Rz") + de;
        if (vide(c.temperature))
            return QStringLiteral("Saisissez la température de service") + de;
    }
    const std::pair<const QLineEdit *, const char *> charge[] = {
        {m_frottement, "le frottement au glissement ν"},
        {m_frottementEmmanchement, "le frottement à l'emmanchement ν_e"},
        {m_couple, "le couple à transmettre (0 = aucun)"},
        {m_effort, "l'effort axial à transmettre (0 = aucun)"},
        {m_KA, "le facteur d'application K_A"},
        {m_securiteGlissement, "la sécurité voulue au glissement"},
        {m_securitePlastification, "la sécurité voulue à la plastification"},
        {m_vitesse, "la vitesse de rotation (0 = arrêt)"}};
    for (const auto &[b, nom] : charge)
        if (vide(b))
            return QStringLiteral("Saisissez ") + QString::fromUtf8(nom);
    // Left empty, the shaft is not cooled ("non"); a lone "-" is a
    // temperature being typed.
    if (!m_refroidi->text().trimmed().isEmpty() && vide(m_refroidi))
        return QStringLiteral("Saisissez la température de l'arbre refroidi, ou videz la case");
    return {};
}

QString Frettage::raison() const
{
    if (!m_manque.isEmpty())
        return m_manque;
    return m_evaluation.erreur ? texte(messageFrettage(*m_evaluation.erreur)) : QString();
}

void Frettage::calculer()
{
    if (m_remplissage)
        return;
    m_parametres = parametres();
    // An empty box is no 0: nothing is computed from it.
    m_manque = manque();
    m_evaluation = m_manque.isEmpty() ? evaluerFrettage(m_ajustement, m_parametres) : EvaluationFrettage{};
    afficher();
}

QList<LigneFrettage> Frettage::lignes() const
{
    QList<LigneFrettage> l;
    if (!m_evaluation.resultat)
        return l;
    const ResultatFrettage &r = *m_evaluation.resultat;
    auto deux = [&](const char *libelle, const ParLimite &v, int d, const char *unite) {
        l.append({QString::fromUtf8(libelle), avecUnite(nombre(v.min, d), unite), avecUnite(nombre(v.max, d), unite)});
    };
    // Stresses and safeties are those at the largest pressure.
    auto maxi = [&](const char *libelle, std::optional<double> v, int d, const char *unite) {
        if (v)
            l.append({QString::fromUtf8(libelle), QString(), avecUnite(nombre(*v, d), unite)});
    };
    auto une = [&](const char *libelle, std::optional<double> v, int d, const char *unite) {
        if (v)
            l.append({QString::fromUtf8(libelle), QString(), avecUnite(nombre(*v, d), unite), true});
    };
    const ResultatService &s = r.service;
    deux("Serrage avant montage U", r.U_um, 1, "µm");
    deux("Serrage effectif Z", r.Z_um, 1, "µm");
    deux("Pression de contact", r.p_MPa, 1, "MPa");
    deux("Couple transmissible", r.couple_Nm, 1, "N·m");
    deux("Effort axial transmissible", r.effortAxial_N, 0, "N");
    maxi("Effort d'emmanchement", r.effortEmmanchement_N, 0, "N");
    maxi("Contrainte tangentielle, alésage du moyeu", r.moyeu.sigmaT_alesage_MPa, 1, "MPa");
    maxi("Contrainte tangentielle, extérieur du moyeu", r.moyeu.sigmaT_exterieur_MPa, 1, "MPa");
    maxi("Contrainte équivalente du moyeu", r.moyeu.sigmaV_MPa, 1, "MPa");
    une("Pression de début de plastification du moyeu", r.moyeu.pPlastification_MPa, 1, "MPa");
    une("Pression de plastification totale du moyeu", r.moyeu.pPlastiqueTotal_MPa, 1, "MPa");
    maxi("Sécurité à la plastification du moyeu", r.moyeu.securite, 2, "");
    maxi("Contrainte tangentielle, surface de l'arbre", r.arbre.sigmaT_surface_MPa, 1, "MPa");
    maxi("Contrainte tangentielle, alésage de l'arbre", r.arbre.sigmaT_alesage_MPa, 1, "MPa");
    maxi("Contrainte équivalente de l'arbre", r.arbre.sigmaV_MPa, 1, "MPa");
    une("Pression de début de plastification de l'arbre", r.arbre.pPlastification_MPa, 1, "MPa");
    maxi("Sécurité à la plastification de l'arbre", r.arbre.securite, 2, "");
    une("Température de montage du moyeu", r.montage.moyeu_C, 0, "°C");
    if (r.montage.arbre_C)
        une("Température de montage de l'arbre", r.montage.arbre_C, 0, "°C");
    else
        l.append({QStringLiteral("Température de montage de l'arbre"), QString(),
                  QStringLiteral("sous le zéro absolu : impossible"), true});
    une("Moyeu, avec l'arbre refroidi", r.montage.moyeuArbreRefroidi_C, 0, "°C");
    une("Perte de serrage en service (température)", s.perteThermique_um, 1, "µm");
    une("Perte de serrage en service (vitesse)", s.perteCentrifuge_um, 2, "µm");
    deux("Serrage effectif en service", s.Z_um, 1, "µm");
    deux("Pression de contact en service", s.p_MPa, 1, "MPa");
    deux("Couple transmissible en service", s.couple_Nm, 1, "N·m");
    une("Vitesse de décollement", s.vitesseDecollement_tr_min, 0, "min⁻¹");
    if (r.charge) {
        une("Serrage requis par la charge U_req", r.charge->U_requis_um, 1, "µm");
        une("Serrage admissible élastique U_perm", r.charge->U_admissible_um, 1, "µm");
    }
    return l;
}

void Frettage::afficher()
{
    const QList<LigneFrettage> l = lignes();
    // The table is rebuilt only when its lines change (another kind of
    // result); a new fit of the same kind only changes texts.
    QList<QString> libelles;
    for (const LigneFrettage &ligne : l)
        libelles.append(ligne.libelle);
    if (libelles != m_libelles) {
        m_libelles = libelles;
        m_resultats->clearSpans();
        m_resultats->setRowCount(static_cast<int>(l.size()));
        for (int i = 0; i < l.size(); ++i) {
            m_resultats->setItem(i, 0, new QTableWidgetItem(l[i].libelle));
            auto *mini = new QTableWidgetItem;
            mini->setTextAlignment((l[i].unique ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter);
            m_resultats->setItem(i, 1, mini);
            if (l[i].unique) {
                m_resultats->setSpan(i, 1, 1, 2);
            } else {
                auto *maxi = new QTableWidgetItem;
                maxi->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                m_resultats->setItem(i, 2, maxi);
            }
        }
    }
    for (int i = 0; i < l.size(); ++i) {
        const LigneFrettage &ligne = l[i];
        m_resultats->item(i, 1)->setText(ligne.unique ? ligne.maxi : ligne.mini);
        if (!ligne.unique)
            m_resultats->item(i, 2)->setText(ligne.maxi);
    }

    QString verdicts, regle;
    if (m_evaluation.resultat) {
        const ResultatFrettage &r = *m_evaluation.resultat;
        QStringList mots;
        for (const std::string &v : verdictsFrettage(r)) {
            const QColor c = mauvais(v) ? Mauvais : Bon;
            mots << QStringLiteral("<span style=\"color:%1\">%2</span>").arg(c.name(), texte(v).toHtmlEscaped());
        }
        verdicts = mots.join(QStringLiteral(" ; "));
        regle = QStringLiteral("Lissage des rugosités : k = %1 (%2)")
                    .arg(nombre(r.facteurLissage, 1), texte(regleLissage(m_parametres.lissage)));
        m_message->clear();
    } else {
        m_message->setText(raison());
    }
    m_verdicts->setText(verdicts);
    m_regle->setText(regle);
    const bool charge = m_evaluation.resultat && m_evaluation.resultat->charge &&
                        jeuxQuiTiennent(*m_evaluation.resultat->charge);
    m_chercher->setEnabled(charge);
    setAccessibleDescription(texteResultats(l).join(QLatin1Char('\n')));
}

QStringList Frettage::texteResultats() const { return texteResultats(lignes()); }

QStringList Frettage::texteResultats(const QList<LigneFrettage> &lignes) const
{
    QStringList t;
    if (!m_evaluation.resultat) {
        t << raison();
        return t;
    }
    for (const LigneFrettage &l : lignes) {
        if (l.unique)
            t << QStringLiteral("%1 : %2").arg(l.libelle, l.maxi);
        else if (l.mini.isEmpty())
            t << QStringLiteral("%1 : %2 (serrage maxi)").arg(l.libelle, l.maxi);
        else
            t << QStringLiteral("%1 : %2 (serrage mini) ; %3 (serrage maxi)").arg(l.libelle, l.mini, l.maxi);
    }
    QStringList mots;
    for (const std::string &v : verdictsFrettage(*m_evaluation.resultat))
        mots << texte(v);
    t << QStringLiteral("Verdict : ") + mots.join(QStringLiteral(" ; ")) << m_regle->text();
    return t;
}

QStringList Frettage::texteEntrees() const
{
    QStringList t;
    auto champ = [&](const QString &libelle, const QLineEdit *b) { t << libelle + QStringLiteral(" : ") + b->text(); };
    const QString ajuste = m_ajustement.ajustement.libre
                               ? QStringLiteral("Ajustement libre, diamètre %1 mm").arg(texteNombreLocal(m_ajustement.ajustement.diametre))
                               : QStringLiteral("Ajustement ∅%1 %2/%3")
                                     .arg(texteNombreLocal(m_ajustement.ajustement.diametre),
                                          texte(m_ajustement.ajustement.cotes[0].classe), texte(m_ajustement.ajustement.cotes[1].classe));
    t << ajuste;
    for (const Controle &c : Controles)
        if (c.genre == Genre::Saisie || c.genre == Genre::SaisieSignee) {
            const auto *b = findChild<QLineEdit *>(QString::fromLatin1(c.nom));
            const auto *l = findChild<QLabel *>(QString::fromLatin1(c.nom).replace(QStringLiteral("Fr_"), QStringLiteral("Fr_Lbl_")));
            if (b && l && !b->text().isEmpty())
                champ(l->text(), b);
        }
    for (int piece = 0; piece < 2; ++piece) {
        const CotePiece &c = m_pieces[static_cast<std::size_t>(piece)];
        QStringList valeurs;
        for (std::size_t i = 0; i < std::size(ChampsMateriau); ++i)
            valeurs << QString::fromUtf8(ChampsMateriau[i].libelle) + QStringLiteral(" ") + c.valeurs[i]->text();
        t << QStringLiteral("%1 : %2 ; %3 ; Rz %4 µm ; %5 °C en service")
                 .arg(QLatin1String(NomsPieces[piece]), c.materiau->currentText(), valeurs.join(QStringLiteral(", ")),
                      c.rz->text(), c.temperature->text());
    }
    t << QStringLiteral("Lissage : ") + m_lissage->currentText();
    return t;
}

PageTexte Frettage::pageExport() const
{
    return {windowTitle(), {{QStringLiteral("Données"), texteEntrees()}, {QStringLiteral("Résultats"), texteResultats()}}};
}

void Frettage::chercherAjustements()
{
    if (!m_chercher->isEnabled() || !m_evaluation.resultat || !m_evaluation.resultat->charge)
        return;
    const auto plage = jeuxQuiTiennent(*m_evaluation.resultat->charge);
    if (plage)
        emit chercher(texteNombreLocal(m_ajustement.ajustement.diametre), plage->mini_mm, plage->maxi_mm);
}

bool Frettage::eventFilter(QObject *objet, QEvent *event)
{
    if (objet == m_chercher && m_chercher->isEnabled()) {
        if (event->type() == QEvent::Enter)
            m_chercher->setBackColor(couleurs::Survol);
        else if (event->type() == QEvent::Leave)
            m_chercher->setBackColor(couleurs::Blanc);
    }
    return FenetreOutil::eventFilter(objet, event);
}

} // namespace vestrel
