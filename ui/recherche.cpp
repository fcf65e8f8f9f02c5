#include "ui/recherche.h"

#include "calcul/ajustement.h"
#include "tables/catalogue.h"
#include "calcul/recherche.h"
#include "ui/cellule.h"
#include "ui/controles.h"
#include "ui/couleurs.h"
#include "ui/palette.h"
#include "ui/polices.h"
#include "ui/resultats_recherche.h"
#include "ui/filtre_touches.h"
#include "ui/textes.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>

#include <algorithm>

namespace vestrel {

namespace {

// The results' width without the service columns; they widen it.
constexpr int LargeurTable = 8760;

constexpr Controle Controles[] = {
    {"Rech_Lbl_Diametre", Genre::Texte, nullptr, 120, 165, 960, 255, "Diamètre", Police::Comic},
    {"Rech_Signe", Genre::Signe, nullptr, 1080, 150, 255, 255, "", Police::Symbole},
    {"Rech_Diametre", Genre::Saisie, nullptr, 1335, 120, 1200, 315, "", Police::Sans},
    {"Rech_Lbl_Jeu_Mini", Genre::Texte, nullptr, 2800, 165, 1100, 255, "Jeu mini", Police::Comic},
    {"Rech_Jeu_Mini", Genre::Saisie, nullptr, 3900, 120, 1200, 315, "0.01", Police::Sans},
    {"Rech_Lbl_Jeu_Maxi", Genre::Texte, nullptr, 5350, 165, 1100, 255, "Jeu maxi", Police::Comic},
    {"Rech_Jeu_Maxi", Genre::Saisie, nullptr, 6450, 120, 1200, 315, "0.04", Police::Sans},
    {"Rech_Lbl_mm", Genre::Texte, nullptr, 7750, 165, 500, 255, "mm", Police::Comic},
    {"Rech_Base", Genre::Choix, nullptr, 120, 600, 2900, 330, "", Police::Sans},
    {"Rech_Preferes", Genre::Case, nullptr, 3300, 630, 3900, 285, "Ajustements recommandés seulement", Police::Comic},
    {"Rech_En_Service", Genre::Case, nullptr, 7350, 630, 1530, 285, "En service", Police::Comic},
    {"Rech_Resultats", Genre::Table, nullptr, 120, 1080, LargeurTable, 4140, "", Police::Sans},
    {"Rech_Message", Genre::Texte, nullptr, 120, 5385, 6900, 255, "", Police::Comic},
    {"Rech_Appliquer", Genre::Bouton, nullptr, 7200, 5310, 1680, 405, "Appliquer", Police::PetitBouton},
};
constexpr int LargeurFenetre = 9000;
constexpr int HauteurFenetre = 5850;

// The items of Rech_Base, in list order.
struct ChoixBase {
    const char *texte;
    Base base;
};
constexpr ChoixBase Bases[] = {
    {"Alésage normal (H)", Base::Alesage},
    {"Arbre normal (h)", Base::Arbre},
    {"Toutes les classes", Base::Toutes},
};

// Column widths of the results, in twips; the last one takes the rest.
constexpr int LargeursColonnes[] = {1150, 1050, 1050, 1050, 1100, 900, 1500, 1300, 1300};

// Why nothing is found, in the message line.
const QColor Alerte{176, 0, 0};


bool estEntree(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int touche = static_cast<const QKeyEvent *>(event)->key();
    return touche == Qt::Key_Return || touche == Qt::Key_Enter;
}

// A selected row keeps the colours of its clearances.
class DelegueCouleurs : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QVariant couleur = index.data(Qt::ForegroundRole);
        if (couleur.canConvert<QColor>())
            option->palette.setColor(QPalette::HighlightedText, couleur.value<QColor>());
    }
};

QString texteClasse(Cote cote, int index, Systeme systeme)
{
    const std::string_view t = catalogue(cote, systeme)[static_cast<std::size_t>(index)];
    return QString::fromLatin1(t.data(), static_cast<qsizetype>(t.size()));
}

} // namespace

Recherche::Recherche(QWidget *fenetre, const QString &diametreTexte)
    : FenetreOutil(fenetre, QStringLiteral("Recherche"), QStringLiteral("Rechercher un ajustement"), Suivi::Ouverture,
                   Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setAutoFillBackground(true);
    setFixedSize(tailleTwips(LargeurFenetre, HauteurFenetre));

    creerControles();
    setDiametreTexte(diametreTexte);
    placer();
}

Recherche::~Recherche() = default;

void Recherche::preparer(const VuePrincipale &vue)
{
    m_systeme = vue.systeme;
    setDiametreTexte(vue.diametreTexte);
}

// The catalogue of the main window is the one searched.
void Recherche::actualiser(const VuePrincipale &vue)
{
    if (vue.systeme == m_systeme)
        return;
    m_systeme = vue.systeme;
    rechercher();
}

void Recherche::creerControles()
{
    const QHash<QString, QWidget *> parNom = vestrel::creerControles(Controles, this);
    m_diametre = controleDe<QLineEdit>(parNom, "Rech_Diametre");
    m_jeuMini = controleDe<QLineEdit>(parNom, "Rech_Jeu_Mini");
    m_jeuMaxi = controleDe<QLineEdit>(parNom, "Rech_Jeu_Maxi");
    m_base = controleDe<QComboBox>(parNom, "Rech_Base");
    m_preferes = controleDe<QCheckBox>(parNom, "Rech_Preferes");
    m_enService = controleDe<QCheckBox>(parNom, "Rech_En_Service");
    m_table = controleDe<QTableView>(parNom, "Rech_Resultats");
    m_message = controleDe<QLabel>(parNom, "Rech_Message");
    m_appliquer = controleDe<Cellule>(parNom, "Rech_Appliquer");
    m_appliquer->setBorderStyle(1);
    // The starting range in the user's locale ("0,01" in French).
    for (QLineEdit *boite : {m_jeuMini, m_jeuMaxi})
        boite->setText(texteNombreLocal(lireSaisie(boite->text())));

    for (QLineEdit *boite : {m_diametre, m_jeuMini, m_jeuMaxi}) {
        preparerSaisie(boite);
        FiltreTouches::installer(boite, boite == m_diametre ? Filtre::Diametre : Filtre::Ecart);
        boite->installEventFilter(this);
        connect(boite, &QLineEdit::textChanged, this, &Recherche::rechercher);
    }
    for (const ChoixBase &b : Bases)
        m_base->addItem(QString::fromUtf8(b.texte));
    m_base->installEventFilter(this);
    connect(m_base, &QComboBox::currentIndexChanged, this, &Recherche::rechercher);
    for (QCheckBox *c : {m_preferes, m_enService}) {
        c->installEventFilter(this);
        connect(c, &QCheckBox::toggled, this, &Recherche::rechercher);
    }
    m_enService->setEnabled(false);
    m_enService->setToolTip(QStringLiteral("Jeu mini et maxi voulus en service (fenêtre « Jeu en service »)"));

    m_resultats = new ResultatsRecherche(this);
    m_table->setModel(m_resultats);
    m_table->setItemDelegate(new DelegueCouleurs(m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(twips(270));
    QHeaderView *entete = m_table->horizontalHeader();
    entete->setStretchLastSection(true);
    // Widths are set again when the service columns come and go, each at
    // least its header's; the table, and the window with it, widen to show
    // them all without a scroll bar.
    connect(m_resultats, &QAbstractItemModel::modelReset, this, [this] {
        QHeaderView *h = m_table->horizontalHeader();
        int colonnes = 0;
        for (int c = 0; c < std::min(int(std::size(LargeursColonnes)), m_resultats->columnCount()); ++c) {
            const int l = std::max(twips(LargeursColonnes[c]), h->sectionSizeHint(c));
            h->resizeSection(c, l);
            colonnes += l;
        }
        const int barre = m_table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_table);
        const int largeur = std::max(twips(LargeurTable), colonnes + 2 * m_table->frameWidth() + barre);
        const int plus = largeur - m_table->width();
        if (plus == 0)
            return;
        m_table->resize(largeur, m_table->height());
        m_appliquer->move(m_appliquer->x() + plus, m_appliquer->y());
        fixerTaille(tailleTwips(LargeurFenetre, HauteurFenetre) + QSize(largeur - twips(LargeurTable), 0));
    });
    entete->setSectionsMovable(false);
    // No column sorted at first: the search's own order.
    entete->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    m_table->installEventFilter(this);
    connect(m_table, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { appliquerLigne(index.row()); });

    m_appliquer->installEventFilter(this);
    connect(m_appliquer, &Cellule::presse, this, &Recherche::appliquerCourante);
}

void Recherche::setDiametreTexte(const QString &texte)
{
    if (m_diametre->text() == texte)
        rechercher();
    else
        m_diametre->setText(texte);
}

void Recherche::setDemande(const QString &diametreTexte, double jeuMini_mm, double jeuMaxi_mm)
{
    // The clearances as the results show them: four decimals, in the
    // user's locale.
    m_jeuMini->setText(texteJeuLocal(jeuMini_mm));
    m_jeuMaxi->setText(texteJeuLocal(jeuMaxi_mm));
    setDiametreTexte(diametreTexte);
}

void Recherche::setService(const std::optional<ConditionsService> &conditions)
{
    if (conditions == m_service)
        return;
    m_service = conditions;
    const bool coche = m_enService->isChecked();
    m_enService->setEnabled(conditions.has_value());
    if (!conditions && coche)
        m_enService->setChecked(false); // searches again
    else if (coche)
        rechercher();
}

// Reads the inputs as typed, searches, shows.
void Recherche::rechercher()
{
    // An empty clearance box (or a lone "-") is no 0: the search waits for it.
    for (const auto &[boite, manque] : {std::pair{m_jeuMini, "Saisissez le jeu mini"},
                                        std::pair{m_jeuMaxi, "Saisissez le jeu maxi"}}) {
        if (!nombreSaisi(boite->text().toStdString())) {
            m_resultats->afficher({});
            afficherMessage(QString::fromUtf8(manque), true);
            m_appliquer->setEnabled(false);
            return;
        }
    }
    DemandeRecherche demande;
    demande.diametre = lireSaisie(m_diametre->text());
    demande.jeuMini = lireSaisie(m_jeuMini->text());
    demande.jeuMaxi = lireSaisie(m_jeuMaxi->text());
    demande.base = Bases[std::max(0, m_base->currentIndex())].base;
    demande.recommandesSeulement = m_preferes->isChecked();
    demande.systeme = m_systeme;
    std::optional<double> deltaS;
    const bool enService = m_service && m_enService->isChecked();
    const bool serviceRefuse = enService && verifierConditions(*m_service).refus != RefusService::Aucun;
    if (enService && !serviceRefuse) {
        deltaS = variationJeu_mm(demande.diametre, *m_service);
        demande = demandeEnService(demande, *deltaS);
    }
    const ResultatRecherche resultat = rechercherAjustements(demande);
    m_resultats->afficher(resultat, deltaS);

    QString message;
    bool alerte = true;
    switch (resultat.refus) {
    case RefusRecherche::Diametre:
        message = texteDiametreHorsPlage(m_systeme, QStringLiteral(" "));
        break;
    case RefusRecherche::JeuxInverses: message = QStringLiteral("Le jeu mini dépasse le jeu maxi"); break;
    case RefusRecherche::Aucun: {
        const auto n = static_cast<int>(resultat.ajustements.size());
        if (resultat.proches || n == 0) {
            message = QStringLiteral("Aucun ajustement ne tient dans ces limites : les plus proches");
        } else {
            alerte = false;
            message = n == 1 ? QStringLiteral("1 ajustement convient")
                             : QStringLiteral("%1 ajustements conviennent").arg(QLocale().toString(n));
        }
        break;
    }
    }
    if (serviceRefuse) {
        message = QStringLiteral("Températures ou dilatations à corriger dans « Jeu en service »");
        alerte = true;
    }
    afficherMessage(message, alerte);

    const bool lignes = m_resultats->rowCount() > 0;
    if (lignes)
        m_table->setCurrentIndex(m_resultats->index(0, 0));
    m_appliquer->setEnabled(lignes);
}

void Recherche::afficherMessage(const QString &message, bool alerte)
{
    m_message->setText(message);
    QPalette p = m_message->palette();
    p.setColor(QPalette::WindowText, alerte ? Alerte : QColor(Qt::black));
    m_message->setPalette(p);
}

void Recherche::appliquerLigne(int ligne)
{
    if (ligne < 0 || ligne >= m_resultats->rowCount())
        return;
    const AjustementTrouve &t = m_resultats->ajustement(ligne);
    emit appliquer(m_diametre->text(), texteClasse(Cote::Alesage, t.alesage, m_resultats->systeme()),
                    texteClasse(Cote::Arbre, t.arbre, m_resultats->systeme()));
}

void Recherche::appliquerCourante()
{
    if (m_appliquer->isEnabled())
        appliquerLigne(m_table->currentIndex().row());
}

bool Recherche::eventFilter(QObject *objet, QEvent *event)
{
    if (estEntree(event)) {
        appliquerCourante();
        return true;
    }
    if (objet == m_appliquer && m_appliquer->isEnabled()) {
        if (event->type() == QEvent::Enter)
            m_appliquer->setBackColor(couleurs::Survol);
        else if (event->type() == QEvent::Leave)
            m_appliquer->setBackColor(couleurs::Blanc);
    }
    return QWidget::eventFilter(objet, event);
}

} // namespace vestrel
