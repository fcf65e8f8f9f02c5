#include "ui/service.h"

#include "rendu/couleur.h"

#include "calcul/nombres.h"
#include "rendu/schema.h"
#include "tables/materiaux.h"
#include "ui/couleurs.h"
#include "ui/filtre_touches.h"
#include "ui/polices.h"
#include "ui/textes.h"
#include "ui/twips.h"

#include <QHideEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <cmath>

namespace vestrel {

namespace {

enum class Genre { Titre, Etiquette, Liste, Saisie, Resultat, Message };

struct Controle {
    const char *nom;
    Genre genre;
    int gauche, haut, largeur, hauteur; // twips
    const char *texte;
};

constexpr Controle Controles[] = {
    {"Sv_Lbl_Alesage", Genre::Titre, 120, 120, 2000, 255, "Alésage"},
    {"Sv_Mat_Alesage", Genre::Liste, 120, 420, 3900, 330, ""},
    {"Sv_Lbl_Alpha_Alesage", Genre::Etiquette, 120, 870, 1300, 255, "α (10⁻⁶/K)"},
    {"Sv_Alpha_Alesage", Genre::Saisie, 1420, 840, 900, 315, ""},
    {"Sv_Lbl_Temp_Alesage", Genre::Etiquette, 2520, 870, 900, 255, "Temp. (°C)"},
    {"Sv_Temp_Alesage", Genre::Saisie, 3420, 840, 600, 315, "20"},
    {"Sv_Lbl_Arbre", Genre::Titre, 4260, 120, 2000, 255, "Arbre"},
    {"Sv_Mat_Arbre", Genre::Liste, 4260, 420, 3900, 330, ""},
    {"Sv_Lbl_Alpha_Arbre", Genre::Etiquette, 4260, 870, 1300, 255, "α (10⁻⁶/K)"},
    {"Sv_Alpha_Arbre", Genre::Saisie, 5560, 840, 900, 315, ""},
    {"Sv_Lbl_Temp_Arbre", Genre::Etiquette, 6660, 870, 900, 255, "Temp. (°C)"},
    {"Sv_Temp_Arbre", Genre::Saisie, 7560, 840, 600, 315, "20"},
    {"Sv_Lbl_K", Genre::Etiquette, 120, 1380, 3300, 255, "Jeu probable : moyen ± k σ, k ="},
    {"Sv_K", Genre::Saisie, 3420, 1350, 600, 315, "3"},
    {"Sv_Lbl_Delta", Genre::Etiquette, 120, 1920, 3300, 255, "Variation du jeu ΔS (mm)"},
    {"Sv_Delta", Genre::Resultat, 3420, 1920, 1500, 255, ""},
    {"Sv_Lbl_Jeu_Max", Genre::Etiquette, 120, 2280, 3300, 255, "Jeu maxi en service (mm)"},
    {"Sv_Jeu_Max", Genre::Resultat, 3420, 2280, 1500, 255, ""},
    {"Sv_Lbl_Jeu_Min", Genre::Etiquette, 120, 2640, 3300, 255, "Jeu mini en service (mm)"},
    {"Sv_Jeu_Min", Genre::Resultat, 3420, 2640, 1500, 255, ""},
    {"Sv_Nature", Genre::Resultat, 5100, 2460, 3060, 255, ""},
    {"Sv_Lbl_Probable", Genre::Etiquette, 120, 3120, 3300, 255, "Jeu probable (mm)"},
    {"Sv_Probable", Genre::Resultat, 3420, 3120, 4740, 255, ""},
    {"Sv_Lbl_Jeu_Moyen", Genre::Etiquette, 120, 3480, 3300, 255, "Jeu moyen (mm)"},
    {"Sv_Jeu_Moyen", Genre::Resultat, 3420, 3480, 1500, 255, ""},
    {"Sv_Lbl_Part_Serrage", Genre::Etiquette, 120, 3840, 3300, 255, "Part des paires avec serrage"},
    {"Sv_Part_Serrage", Genre::Resultat, 3420, 3840, 1500, 255, ""},
    {"Sv_Lbl_Part_Jeu", Genre::Etiquette, 120, 4200, 3300, 255, "avec jeu"},
    {"Sv_Part_Jeu", Genre::Resultat, 3420, 4200, 1500, 255, ""},
    {"Sv_Message", Genre::Message, 120, 4620, 8040, 255, ""},
};
constexpr int LargeurFenetre = 8280;
constexpr int HauteurFenetre = 5040;

// Why nothing is computed, in the message line.
const QColor Alerte{176, 0, 0};

// α is typed in 10⁻⁶/K, as the handbooks give it.
constexpr double MicroParK = 1e-6;

QString texteCote(Cote c) { return c == Cote::Alesage ? QStringLiteral("l'alésage") : QStringLiteral("l'arbre"); }

void colorer(QLabel *etiquette, const QColor &couleur)
{
    QPalette p = etiquette->palette();
    p.setColor(QPalette::WindowText, couleur);
    etiquette->setPalette(p);
}

QString pourcent(double part)
{
    return QLocale().toString(std::round(part * 1000) / 10, 'f', 1) + QStringLiteral(" %");
}

} // namespace

Service::Service(QWidget *parent)
    : FenetreOutil(parent, QStringLiteral("Service"), QStringLiteral("Jeu en service"), Suivi::Ouverture)
{
    setAccessibleName(windowTitle());
    setFixedSize(tailleTwips(LargeurFenetre, HauteurFenetre));
    creerControles();
    calculer();
}

Service::~Service() = default;

void Service::creerControles()
{
    for (const Controle &c : Controles) {
        const QString texte = QString::fromUtf8(c.texte);
        QWidget *w = nullptr;
        switch (c.genre) {
        case Genre::Titre: w = new QLabel(texte, this); w->setFont(polices::comic()); break;
        case Genre::Etiquette: w = new QLabel(texte, this); w->setFont(polices::comic(9.6, false)); break;
        case Genre::Liste: w = new QComboBox(this); w->setFont(polices::sans()); break;
        case Genre::Saisie: w = new QLineEdit(texte, this); w->setFont(polices::sans()); break;
        case Genre::Resultat: {
            auto *l = new QLabel(this);
            l->setFont(polices::sans());
            l->setTextInteractionFlags(Qt::TextSelectableByMouse);
            w = l;
            break;
        }
        case Genre::Message: w = new QLabel(this); w->setFont(polices::comic(9.6, false)); break;
        }
        w->setObjectName(QString::fromLatin1(c.nom));
        w->setGeometry(rectTwips(c.gauche, c.haut, c.largeur, c.hauteur));
    }
    auto enfant = [this](auto *&membre, const char *nom) {
        membre = findChild<std::remove_reference_t<decltype(*membre)> *>(QString::fromLatin1(nom));
    };
    enfant(piece(Cote::Alesage).materiau, "Sv_Mat_Alesage");
    enfant(piece(Cote::Alesage).alpha, "Sv_Alpha_Alesage");
    enfant(piece(Cote::Alesage).temperature, "Sv_Temp_Alesage");
    enfant(piece(Cote::Arbre).materiau, "Sv_Mat_Arbre");
    enfant(piece(Cote::Arbre).alpha, "Sv_Alpha_Arbre");
    enfant(piece(Cote::Arbre).temperature, "Sv_Temp_Arbre");
    enfant(m_k, "Sv_K");
    enfant(m_delta, "Sv_Delta");
    enfant(m_jeuMax, "Sv_Jeu_Max");
    enfant(m_jeuMin, "Sv_Jeu_Min");
    enfant(m_nature, "Sv_Nature");
    enfant(m_probable, "Sv_Probable");
    enfant(m_moyen, "Sv_Jeu_Moyen");
    enfant(m_partSerrage, "Sv_Part_Serrage");
    enfant(m_partJeu, "Sv_Part_Jeu");
    enfant(m_message, "Sv_Message");
    m_nature->setFont(polices::comic());

    for (Cote c : {Cote::Alesage, Cote::Arbre}) {
        Piece &p = piece(c);
        for (const Materiau &m : materiaux())
            p.materiau->addItem(texte(m.nom), texte(m.cle));
        p.materiau->setToolTip(QStringLiteral("Valeurs typiques ; α modifiable"));
        connect(p.materiau, &QComboBox::currentIndexChanged, this, [this, c] { materiauChoisi(c); });
        FiltreTouches::installer(p.alpha, Filtre::Taille);
        FiltreTouches::installer(p.temperature, Filtre::Ecart);
        for (QLineEdit *boite : {p.alpha, p.temperature})
            connect(boite, &QLineEdit::textChanged, this, &Service::calculer);
        // A narrow box shows the start of its number once left: its sign.
        for (QLineEdit *boite : {p.alpha, p.temperature})
            connect(boite, &QLineEdit::editingFinished, boite, [boite] { boite->setCursorPosition(0); });
        materiauChoisi(c);
    }
    FiltreTouches::installer(m_k, Filtre::Taille);
    connect(m_k, &QLineEdit::textChanged, this, &Service::calculer);
}

// A material fills in its expansion, which the user may then change.
void Service::materiauChoisi(Cote cote)
{
    Piece &p = piece(cote);
    const int i = std::max(0, p.materiau->currentIndex());
    const Materiau &m = materiaux()[static_cast<std::size_t>(i)];
    p.alpha->setText(QLocale().toString(m.alpha_chauffe_par_K / MicroParK, 'g', 6));
}

ConditionsService Service::conditions() const
{
    ConditionsService c;
    for (Cote cote : {Cote::Alesage, Cote::Arbre}) {
        const Piece &p = piece(cote);
        c.piece(cote) = {lireSaisie(p.alpha->text()) * MicroParK, lireSaisie(p.temperature->text())};
    }
    return c;
}

double Service::facteur() const { return lireSaisie(m_k->text()); }

QString Service::manque() const
{
    for (Cote cote : {Cote::Alesage, Cote::Arbre}) {
        const Piece &p = piece(cote);
        if (!nombreSaisi(p.alpha->text().toStdString()))
            return QStringLiteral("Saisissez le coefficient de dilatation de %1").arg(texteCote(cote));
        if (!nombreSaisi(p.temperature->text().toStdString()))
            return QStringLiteral("Saisissez la température de %1").arg(texteCote(cote));
    }
    if (!nombreSaisi(m_k->text().toStdString()))
        return QStringLiteral("Saisissez k");
    return {};
}

std::optional<ConditionsService> Service::conditionsSaisies() const
{
    if (!manque().isEmpty())
        return std::nullopt;
    return conditions();
}

void Service::preparer(const VuePrincipale &vue) { montrer(vue.resultat.ajustement); }

void Service::actualiser(const VuePrincipale &vue) { montrer(vue.resultat.ajustement); }

void Service::montrer(const AjustementAffiche &ajustement)
{
    m_ajustement = ajustement;
    calculer();
}

void Service::calculer()
{
    // An empty box is no 0: nothing is computed from it.
    m_etat = manque().isEmpty() ? etatService(m_ajustement, conditions(), facteur()) : std::nullopt;
    afficher();
    emit change();
}

// Writes the results, or why there are none; the accessible description
// holds them as one text.
void Service::afficher()
{
    QString message = manque();
    const VerificationService v = message.isEmpty() ? verifierConditions(conditions()) : VerificationService{};
    switch (message.isEmpty() ? v.refus : RefusService::Aucun) {
    case RefusService::TemperatureBasse:
        message = QStringLiteral("La température de %1 est sous le zéro absolu (%2 °C)")
                      .arg(texteCote(v.cote), QLocale().toString(ZeroAbsolu_C));
        break;
    case RefusService::TemperatureHaute:
        message = QStringLiteral("La température de %1 dépasse %2 °C")
                      .arg(texteCote(v.cote), QLocale().toString(TemperatureMax_C));
        break;
    case RefusService::Dilatation:
        message = QStringLiteral("Le coefficient de dilatation de %1 n'est pas plausible").arg(texteCote(v.cote));
        break;
    case RefusService::Aucun:
        if (!message.isEmpty())
            break;
        if (!facteurSigmaValide(facteur()))
            message = QStringLiteral("k doit être supérieur à 0 et au plus %1").arg(QLocale().toString(FacteurSigmaMax));
        else if (!m_etat && libreIncomplet(m_ajustement))
            message = texte(MessageLibreIncomplet);
        else if (!m_etat)
            message = QStringLiteral("Choisissez une classe d'alésage et une classe d'arbre");
        break;
    }
    m_message->setText(message);
    colorer(m_message, Alerte);

    QStringList description;
    if (!m_etat) {
        for (QLabel *l : {m_delta, m_jeuMax, m_jeuMin, m_nature, m_probable, m_moyen, m_partSerrage, m_partJeu})
            l->clear();
        description << message;
    } else {
        const JeuxService &s = m_etat->service;
        const JeuProbable &p = m_etat->probable;
        const QColor couleur = couleurs::deNature(s.jeux.nature);
        m_delta->setText(texteJeuLocal(s.deltaS_mm));
        m_jeuMax->setText(texteJeuLocal(s.jeux.max.valeur));
        m_jeuMin->setText(texteJeuLocal(s.jeux.min.valeur));
        for (QLabel *l : {m_jeuMax, m_jeuMin, m_nature})
            colorer(l, couleur);
        m_nature->setText(texte(vestrel::description(s.jeux.nature).titre));
        m_probable->setText(QStringLiteral("de %1 à %2").arg(texteJeuLocal(p.min_mm), texteJeuLocal(p.max_mm)));
        m_moyen->setText(texteJeuLocal(p.moyen_mm));
        m_partSerrage->setText(pourcent(p.partSerrage));
        m_partJeu->setText(pourcent(p.partJeu));
        description << QStringLiteral("Variation du jeu ΔS %1 mm").arg(m_delta->text())
                    << QStringLiteral("Jeu maxi en service %1 mm").arg(m_jeuMax->text())
                    << QStringLiteral("Jeu mini en service %1 mm").arg(m_jeuMin->text()) << m_nature->text()
                    << QStringLiteral("Jeu probable %1 mm").arg(m_probable->text())
                    << QStringLiteral("Jeu moyen %1 mm").arg(m_moyen->text())
                    << QStringLiteral("Part des paires avec serrage %1").arg(m_partSerrage->text())
                    << QStringLiteral("avec jeu %1").arg(m_partJeu->text());
    }
    setAccessibleDescription(description.join(QStringLiteral(" ; ")));
}

void Service::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        emit change();
}

} // namespace vestrel
