#include "ui/recherche.h"

#include "calcul/ajustement.h"
#include "tables/catalogue.h"
#include "calcul/recherche.h"
#include "ui/cellule.h"
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
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableView>

#include <algorithm>

namespace vestrel {

namespace {

enum class Genre { Etiquette, Signe, Saisie, Liste, Case, Table, Message, Bouton };

struct Controle {
    const char *nom;
    Genre genre;
    int gauche, haut, largeur, hauteur; // twips
    const char *texte;
};

constexpr Controle Controles[] = {
    {"Rech_Lbl_Diametre", Genre::Etiquette, 120, 165, 960, 255, "Diamètre"},
    {"Rech_Signe", Genre::Signe, 1080, 150, 255, 255, ""},
    {"Rech_Diametre", Genre::Saisie, 1335, 120, 1200, 315, ""},
    {"Rech_Lbl_Jeu_Mini", Genre::Etiquette, 2800, 165, 1100, 255, "Jeu mini"},
    {"Rech_Jeu_Mini", Genre::Saisie, 3900, 120, 1200, 315, "0.01"},
    {"Rech_Lbl_Jeu_Maxi", Genre::Etiquette, 5350, 165, 1100, 255, "Jeu maxi"},
    {"Rech_Jeu_Maxi", Genre::Saisie, 6450, 120, 1200, 315, "0.04"},
    {"Rech_Lbl_mm", Genre::Etiquette, 7750, 165, 500, 255, "mm"},
    {"Rech_Base", Genre::Liste, 120, 600, 2900, 330, ""},
    {"Rech_Preferes", Genre::Case, 3300, 630, 5400, 285, "Ajustements recommandés seulement"},
    {"Rech_Resultats", Genre::Table, 120, 1080, 8760, 4140, ""},
    {"Rech_Message", Genre::Message, 120, 5385, 6900, 255, ""},
    {"Rech_Appliquer", Genre::Bouton, 7200, 5310, 1680, 405, "Appliquer"},
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
constexpr int LargeursColonnes[] = {1150, 1050, 1050, 1050, 1100, 900};

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

QString texteClasse(Cote cote, int index)
{
    const std::string_view t = catalogue(cote)[static_cast<std::size_t>(index)];
    return QString::fromLatin1(t.data(), static_cast<qsizetype>(t.size()));
}

} // namespace

Recherche::Recherche(QWidget *fenetre, const QString &diametreTexte)
    : QWidget(fenetre, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Recherche"));
    setWindowTitle(QStringLiteral("Rechercher un ajustement"));
    setWindowModality(Qt::NonModal);
    appliquerPalette(this);
    setAutoFillBackground(true);
    setFixedSize(tailleTwips(LargeurFenetre, HauteurFenetre));

    creerControles();
    setDiametreTexte(diametreTexte);
    if (fenetre)
        placerACote(fenetre);
}

Recherche::~Recherche() = default;

void Recherche::creerControles()
{
    for (const Controle &c : Controles) {
        const QString texte = QString::fromUtf8(c.texte);
        QWidget *w = nullptr;
        switch (c.genre) {
        case Genre::Etiquette: w = new QLabel(texte, this); w->setFont(polices::comic()); break;
        case Genre::Signe: w = new QLabel(polices::SigneDiametre, this); w->setFont(polices::symbole()); break;
        case Genre::Saisie: w = new QLineEdit(texte, this); w->setFont(polices::sans()); break;
        case Genre::Liste: w = m_base = new QComboBox(this); w->setFont(polices::sans()); break;
        case Genre::Case: w = m_preferes = new QCheckBox(texte, this); w->setFont(polices::comic()); break;
        case Genre::Table: w = m_table = new QTableView(this); w->setFont(polices::sans()); break;
        case Genre::Message: w = m_message = new QLabel(this); w->setFont(polices::comic()); break;
        case Genre::Bouton: {
            auto *bouton = new Cellule(texte, this);
            bouton->setAlignment(Qt::AlignCenter);
            bouton->setFont(polices::comic(10, false));
            bouton->setBorderStyle(1);
            bouton->setBackColor(couleurs::Blanc);
            w = m_appliquer = bouton;
            break;
        }
        }
        w->setObjectName(QString::fromLatin1(c.nom));
        w->setGeometry(rectTwips(c.gauche, c.haut, c.largeur, c.hauteur));
    }
    m_diametre = findChild<QLineEdit *>(QStringLiteral("Rech_Diametre"));
    m_jeuMini = findChild<QLineEdit *>(QStringLiteral("Rech_Jeu_Mini"));
    m_jeuMaxi = findChild<QLineEdit *>(QStringLiteral("Rech_Jeu_Maxi"));

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
    m_preferes->installEventFilter(this);
    connect(m_preferes, &QCheckBox::toggled, this, &Recherche::rechercher);

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
    for (int c = 0; c < int(std::size(LargeursColonnes)); ++c)
        entete->resizeSection(c, twips(LargeursColonnes[c]));
    entete->setStretchLastSection(true);
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
    // Typed text, as the boxes show it: four decimals with ".".
    m_jeuMini->setText(QString::number(jeuMini_mm, 'f', 4));
    m_jeuMaxi->setText(QString::number(jeuMaxi_mm, 'f', 4));
    setDiametreTexte(diametreTexte);
}

void Recherche::placerACote(const QWidget *fenetre)
{
    placerACote(fenetre, fenetre->frameGeometry());
}

void Recherche::placerACote(const QWidget *fenetre, const QRect &cadre)
{
    const QScreen *ecran = fenetre->screen();
    const QRect zone = ecran ? ecran->availableGeometry() : cadre;
    // The frame this window will have, as far as it is known yet.
    const QSize taille = isVisible() ? frameGeometry().size() : size();
    QPoint p(cadre.right() + 1, cadre.top());
    if (p.x() + taille.width() > zone.right() + 1)
        p.setX(cadre.left() - taille.width());
    p.setX(std::clamp(p.x(), zone.left(), std::max(zone.left(), zone.right() + 1 - taille.width())));
    p.setY(std::clamp(p.y(), zone.top(), std::max(zone.top(), zone.bottom() + 1 - taille.height())));
    move(p);
}

// Reads the inputs as typed, searches, shows.
void Recherche::rechercher()
{
    DemandeRecherche demande;
    demande.diametre = lireSaisie(m_diametre->text());
    demande.jeuMini = lireSaisie(m_jeuMini->text());
    demande.jeuMaxi = lireSaisie(m_jeuMaxi->text());
    demande.base = Bases[std::max(0, m_base->currentIndex())].base;
    demande.recommandesSeulement = m_preferes->isChecked();
    const ResultatRecherche resultat = rechercherAjustements(demande);
    m_resultats->afficher(resultat);

    QString message;
    bool alerte = true;
    switch (resultat.refus) {
    case RefusRecherche::Diametre:
        message = QStringLiteral("Le diamètre doit être supérieur à 1 et inférieur ou égal à 500");
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
    m_message->setText(message);
    QPalette p = m_message->palette();
    p.setColor(QPalette::WindowText, alerte ? Alerte : QColor(Qt::black));
    m_message->setPalette(p);

    const bool lignes = m_resultats->rowCount() > 0;
    if (lignes)
        m_table->setCurrentIndex(m_resultats->index(0, 0));
    m_appliquer->setEnabled(lignes);
}

void Recherche::appliquerLigne(int ligne)
{
    if (ligne < 0 || ligne >= m_resultats->rowCount())
        return;
    const AjustementTrouve &t = m_resultats->ajustement(ligne);
    emit appliquer(m_diametre->text(), texteClasse(Cote::Alesage, t.alesage), texteClasse(Cote::Arbre, t.arbre));
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
