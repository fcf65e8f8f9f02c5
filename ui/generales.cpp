#include "ui/generales.h"

#include "calcul/generales.h"
#include "ui/cellule.h"
#include "ui/controles.h"
#include "ui/couleurs.h"
#include "ui/filtre_touches.h"
#include "ui/polices.h"
#include "ui/textes.h"
#include "ui/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTableWidget>

namespace vestrel {

namespace {

constexpr Controle Controles[] = {
    {"Tg_Lbl_Dimension", Genre::Etiquette, nullptr, 120, 165, 1000, 255, "Dimension", Police::Comic},
    {"Tg_Dimension", Genre::Saisie, nullptr, 1120, 120, 1200, 315, "", Police::Sans},
    {"Tg_Lbl_mm", Genre::Etiquette, nullptr, 2400, 165, 450, 255, "mm", Police::Comic},
    {"Tg_Lbl_Classe", Genre::Etiquette, nullptr, 5700, 165, 800, 255, "Classe", Police::Comic},
    {"Tg_Message", Genre::Etiquette, nullptr, 120, 2640, 6600, 480, "", Police::Comic},
    {"Tg_Copier", Genre::Bouton, nullptr, 6900, 2640, 1500, 405, "Copier", Police::Aucune},
    {"Tg_Iso2768_2", Genre::Etiquette, nullptr, 120, 3240, 8280, 255,
     "ISO 2768-2 (tolérances géométriques H, K, L) est annulée depuis 2021 : voir ISO 22081.", Police::Sans},
};
struct Place {
    int gauche, haut, largeur, hauteur; // twips
};
constexpr Place PlaceGenre{3000, 120, 2550, 330};
constexpr Place PlaceClasse{6550, 120, 1850, 330};
constexpr Place PlaceTable{120, 600, 8280, 1710};
constexpr int LargeurFenetre = 8520;
constexpr int HauteurFenetre = 3630;

// The items of Tg_Genre, in list order.
struct ChoixGenre {
    const char *texte;
    GenreGeneral genre;
};
constexpr ChoixGenre Genres[] = {
    {"Dimension linéaire", GenreGeneral::Lineaire},
    {"Arrondi ou chanfrein", GenreGeneral::Arete},
    {"Angle (plus petit côté)", GenreGeneral::Angle},
};

// The names of the classes, in the order of ClassesGenerales.
constexpr const char *NomsClasses[] = {"f — fin", "m — moyen", "c — grossier", "v — très grossier"};
constexpr int ClasseParDefaut = 1; // m, the class of most drawings

constexpr const char *Entetes[] = {"Classe", "Écart", "Mini", "Maxi", "Note de dessin"};
enum Colonne { ColClasse, ColEcart, ColMini, ColMaxi, ColNote };
constexpr int LargeursColonnes[] = {1800, 1300, 1450, 1450}; // twips; the note takes the rest

const QString Tiret = QStringLiteral("—");

// An angle's deviation, "±0°30'", in the digits of the user's locale.
QString texteAngle(const ToleranceGenerale &t)
{
    const QLocale l;
    QString minutes = l.toString(t.minutes);
    if (t.minutes < 10)
        minutes.prepend(l.zeroDigit());
    return QStringLiteral("±") + l.toString(t.degres) + QStringLiteral("°") + minutes + QStringLiteral("'");
}

} // namespace

Generales::Generales(QWidget *fenetre, const QString &dimensionTexte)
    : FenetreOutil(fenetre, QStringLiteral("Generales"), QStringLiteral("Tolérances générales (ISO 2768-1)"),
                   Suivi::Ouverture, Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setAutoFillBackground(true);
    setFixedSize(tailleTwips(LargeurFenetre, HauteurFenetre));

    creerControles();
    setDimensionTexte(dimensionTexte);
}

Generales::~Generales() = default;

void Generales::preparer(const VuePrincipale &vue)
{
    setDimensionTexte(vue.diametreTexte);
}

void Generales::creerControles()
{
    const auto controles = vestrel::creerControles(Controles, this);
    m_dimension = controleDe<QLineEdit>(controles, "Tg_Dimension");
    m_message = controleDe<QLabel>(controles, "Tg_Message");
    m_message->setWordWrap(true);
    m_copier = controleDe<Cellule>(controles, "Tg_Copier");
    m_copier->setBorderStyle(1);
    polices::donner(m_copier, polices::comic(10, false));

    preparerSaisie(m_dimension);
    FiltreTouches::installer(m_dimension, Filtre::Diametre);
    connect(m_dimension, &QLineEdit::textChanged, this, &Generales::calculer);
    m_dimension->installEventFilter(this);

    m_genre = new QComboBox(this);
    m_genre->setObjectName(QStringLiteral("Tg_Genre"));
    m_genre->setGeometry(rectTwips(PlaceGenre.gauche, PlaceGenre.haut, PlaceGenre.largeur, PlaceGenre.hauteur));
    m_genre->setFont(polices::sans());
    for (const ChoixGenre &g : Genres)
        m_genre->addItem(QString::fromUtf8(g.texte));
    connect(m_genre, &QComboBox::currentIndexChanged, this, &Generales::calculer);

    m_classe = new QComboBox(this);
    m_classe->setObjectName(QStringLiteral("Tg_Classe"));
    m_classe->setGeometry(rectTwips(PlaceClasse.gauche, PlaceClasse.haut, PlaceClasse.largeur, PlaceClasse.hauteur));
    m_classe->setFont(polices::sans());
    for (const char *nom : NomsClasses)
        m_classe->addItem(QString::fromUtf8(nom));
    m_classe->setCurrentIndex(ClasseParDefaut);
    connect(m_classe, &QComboBox::currentIndexChanged, this, &Generales::surligner);

    m_table = new QTableWidget(int(std::size(NomsClasses)), int(std::size(Entetes)), this);
    m_table->setObjectName(QStringLiteral("Tg_Table"));
    m_table->setGeometry(rectTwips(PlaceTable.gauche, PlaceTable.haut, PlaceTable.largeur, PlaceTable.hauteur));
    m_table->setFont(polices::sans());
    for (int c = 0; c < int(std::size(Entetes)); ++c)
        m_table->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromUtf8(Entetes[c])));
    for (int r = 0; r < m_table->rowCount(); ++r)
        for (int c = 0; c < m_table->columnCount(); ++c) {
            auto *item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(c == ColClasse ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            if (c == ColClasse)
                item->setText(QString::fromUtf8(NomsClasses[r]));
            if (c == ColNote)
                item->setText(texte(designationGenerale(ClassesGenerales[std::size_t(r)])));
            m_table->setItem(r, c, item);
        }
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(twips(330));
    QHeaderView *entete = m_table->horizontalHeader();
    for (int c = 0; c < int(std::size(LargeursColonnes)); ++c)
        entete->resizeSection(c, twips(LargeursColonnes[c]));
    entete->setStretchLastSection(true);
    entete->setSectionsClickable(false);
    // A click on a row chooses that class.
    connect(m_table, &QTableWidget::cellPressed, this, [this](int ligne, int) { m_classe->setCurrentIndex(ligne); });

    m_copier->installEventFilter(this);
    connect(m_copier, &Cellule::presse, this, &Generales::copier);
    surligner();
}

void Generales::setDimensionTexte(const QString &texte)
{
    if (m_dimension->text() == texte)
        calculer();
    else
        m_dimension->setText(texte);
}

// Reads the size and the kind, looks up the four classes, shows them.
void Generales::calculer()
{
    const double taille = lireSaisie(m_dimension->text());
    const GenreGeneral genre = Genres[std::max(0, m_genre->currentIndex())].genre;
    const bool valide = taille > 0;
    const auto tolerances = tolerancesGenerales(genre, taille);
    bool indefinie = false;
    for (int r = 0; r < int(tolerances.size()); ++r) {
        const ToleranceGenerale &t = tolerances[std::size_t(r)];
        QString ecart, mini, maxi;
        if (!valide) {
            // Nothing to say of no size.
        } else if (!t.definie()) {
            indefinie = true;
            ecart = QStringLiteral("non définie");
            mini = maxi = Tiret;
        } else if (genre == GenreGeneral::Angle) {
            ecart = texteAngle(t);
            mini = maxi = Tiret;
        } else {
            ecart = QStringLiteral("±") + texteNombreLocal(t.ecart_mm);
            mini = texteNombreLocal(t.mini_mm);
            maxi = texteNombreLocal(t.maxi_mm);
        }
        m_table->item(r, ColEcart)->setText(ecart);
        m_table->item(r, ColMini)->setText(mini);
        m_table->item(r, ColMaxi)->setText(maxi);
    }

    QString message;
    if (!valide)
        message = QStringLiteral("Entrer une dimension supérieure à 0 mm");
    else if (indefinie && genre != GenreGeneral::Angle && taille < bandesGenerales(genre).front().de_mm)
        message = QStringLiteral("En dessous de %1 mm, pas de tolérance générale : l'indiquer sur la cote")
                      .arg(texteNombreLocal(bandesGenerales(genre).front().de_mm));
    else if (indefinie)
        message = QStringLiteral("« non définie » : la norme ne donne pas de tolérance générale pour cette classe "
                                 "à cette dimension ; l'indiquer sur la cote");
    m_message->setText(message);
    m_copier->setEnabled(valide);
}

// The row of the class in use stands out, selected and bold, in every state
// of the window.
void Generales::surligner()
{
    const int courante = m_classe->currentIndex();
    for (int r = 0; r < m_table->rowCount(); ++r)
        for (int c = 0; c < m_table->columnCount(); ++c) {
            QTableWidgetItem *item = m_table->item(r, c);
            QFont f = item->font();
            f.setBold(r == courante);
            item->setFont(f);
        }
    m_table->selectRow(courante);
}

QString Generales::ligneCourante() const
{
    QStringList cellules;
    const int r = m_classe->currentIndex();
    for (int c = 0; c < m_table->columnCount(); ++c)
        cellules << m_table->item(r, c)->text();
    return cellules.join(QLatin1Char('\t'));
}

void Generales::copier()
{
    if (m_copier->isEnabled())
        QApplication::clipboard()->setText(ligneCourante());
}

// Ctrl+C copies the row, unless the size box has selected text, which it
// then copies as usual.
bool Generales::eventFilter(QObject *objet, QEvent *event)
{
    if (objet == m_dimension && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy) && !m_dimension->hasSelectedText()) {
        if (event->type() == QEvent::KeyPress)
            copier();
        event->accept();
        return true;
    }
    if (objet == m_copier && m_copier->isEnabled()) {
        if (event->type() == QEvent::Enter)
            m_copier->setBackColor(couleurs::Survol);
        else if (event->type() == QEvent::Leave)
            m_copier->setBackColor(couleurs::Blanc);
    }
    return FenetreOutil::eventFilter(objet, event);
}

void Generales::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy))
        copier();
    else
        FenetreOutil::keyPressEvent(event);
}

} // namespace vestrel
