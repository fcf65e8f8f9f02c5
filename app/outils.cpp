#include "app/outils.h"

#include "app/principale.h"
#include "ui/export.h"
#include "ui/frettage.h"
#include "ui/menus.h"
#include "ui/palette.h"
#include "ui/recherche.h"
#include "ui/schema.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace vestrel {

namespace {

// Whether the widget holds selected text, which Ctrl+C then copies as usual.
bool texteSelectionne(const QObject *cible)
{
    if (const auto *saisie = qobject_cast<const QLineEdit *>(cible))
        return saisie->hasSelectedText();
    if (const auto *etiquette = qobject_cast<const QLabel *>(cible))
        return etiquette->hasSelectedText();
    if (const auto *liste = qobject_cast<const QComboBox *>(cible))
        return liste->lineEdit() && liste->lineEdit()->hasSelectedText();
    return false;
}

} // namespace

OutilsPrincipale::OutilsPrincipale(Principale &fenetre, BarreMenus &menus)
    : QObject(&fenetre), m_fenetre(fenetre), m_menus(menus)
{
    connect(&menus, &BarreMenus::outilChoisi, this, &OutilsPrincipale::choisir);
    connect(&fenetre, &Principale::resultatsChanges, this, &OutilsPrincipale::resultatsChanges);

    if (auto *resultats = fenetre.findChild<QGroupBox *>(QStringLiteral("Frame2"))) {
        resultats->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(resultats, &QWidget::customContextMenuRequested, this, &OutilsPrincipale::menuResultats);
    }
    qApp->installEventFilter(this);
}

OutilsPrincipale::~OutilsPrincipale()
{
    qApp->removeEventFilter(this);
}

Schema *OutilsPrincipale::schema() const { return m_schema; }

Recherche *OutilsPrincipale::recherche() const { return m_recherche; }

Frettage *OutilsPrincipale::frettage() const { return m_frettage; }

void OutilsPrincipale::choisir(int outil)
{
    switch (outil) {
    case BarreMenus::OutilSchema: basculerSchema(); break;
    case BarreMenus::OutilRecherche: ouvrirRecherche(); break;
    case BarreMenus::OutilCopie: copier(); break;
    case BarreMenus::OutilExport: exporter(); break;
    case BarreMenus::OutilFrettage: ouvrirFrettage(); break;
    default: break;
    }
}

void OutilsPrincipale::basculerSchema()
{
    if (m_schema && m_schema->isVisible()) {
        m_schema->hide();
        m_menus.cocherSchema(false);
        return;
    }
    if (!m_schema) {
        m_schema = new Schema(&m_fenetre);
        connect(m_schema, &Schema::ferme, this, [this] { m_menus.cocherSchema(false); });
    }
    m_schema->montrer(m_fenetre.affichage());
    m_schema->suivre(&m_fenetre);
    m_schema->show();
    m_menus.cocherSchema(true);
}

void OutilsPrincipale::ouvrirRecherche()
{
    const QString diametre = m_fenetre.texteDiametre();
    if (!m_recherche) {
        m_recherche = new Recherche(&m_fenetre, diametre);
        connect(m_recherche, &Recherche::appliquer, &m_fenetre, &Principale::appliquerAjustement);
    } else if (!m_recherche->isVisible()) {
        m_recherche->setDiametreTexte(diametre);
    }
    // Beside the main window, and beside the diagram too when it shows.
    if (!m_recherche->isVisible()) {
        QRect cadre = m_fenetre.frameGeometry();
        if (m_schema && m_schema->isVisible())
            cadre |= m_schema->frameGeometry();
        m_recherche->placerACote(&m_fenetre, cadre);
    }
    m_recherche->show();
    m_recherche->raise();
    m_recherche->activateWindow();
}

void OutilsPrincipale::ouvrirFrettage()
{
    if (!m_frettage) {
        m_frettage = new Frettage(&m_fenetre);
        // The fits that hold the load: the finder on their clearance range.
        connect(m_frettage, &Frettage::chercher, this,
                [this](const QString &diametre, double jeuMini_mm, double jeuMaxi_mm) {
                    ouvrirRecherche();
                    m_recherche->setDemande(diametre, jeuMini_mm, jeuMaxi_mm);
                });
    }
    m_frettage->montrer(m_fenetre.affichage());
    if (!m_frettage->isVisible()) {
        QRect cadre = m_fenetre.frameGeometry();
        if (m_schema && m_schema->isVisible())
            cadre |= m_schema->frameGeometry();
        m_frettage->placerACote(&m_fenetre, cadre);
    }
    m_frettage->show();
    m_frettage->raise();
    m_frettage->activateWindow();
}

void OutilsPrincipale::copier()
{
    copierAjustement(m_fenetre.affichage());
}

void OutilsPrincipale::exporter()
{
    // The press fit's page when its window is open.
    QList<PageTexte> pages;
    if (m_frettage && m_frettage->isVisible())
        pages.append(m_frettage->pageExport());
    exporterAvecDialogue(&m_fenetre, m_fenetre.affichage(), pages);
}

// The diagram is drawn only while it shows; opening it draws the fit of
// that moment.
void OutilsPrincipale::resultatsChanges()
{
    if (m_schema && m_schema->isVisible())
        m_schema->montrer(m_fenetre.affichage());
    if (m_frettage && m_frettage->isVisible())
        m_frettage->montrer(m_fenetre.affichage());
}

void OutilsPrincipale::menuResultats(const QPoint &position)
{
    auto *resultats = qobject_cast<QWidget *>(sender());
    QMenu menu(resultats);
    appliquerPalette(&menu);
    menu.addAction(QStringLiteral("Copier l'ajustement"), this, &OutilsPrincipale::copier);
    menu.exec(resultats->mapToGlobal(position));
}

// What a key of the main window asks of the tools, if anything.
OutilsPrincipale::Touche OutilsPrincipale::toucheDe(const QObject *cible, const QKeyEvent &touche)
{
    if (touche.matches(QKeySequence::Copy))
        return texteSelectionne(cible) ? Touche::Aucune : Touche::Copie;
    if (touche.modifiers() != Qt::ControlModifier)
        return Touche::Aucune;
    switch (touche.key()) {
    case Qt::Key_E: return Touche::Export;
    case Qt::Key_F: return Touche::Recherche;
    default: return Touche::Aucune;
    }
}

// The keys are read before the focused control sees them: a text box would
// take Ctrl+C, Ctrl+E or Ctrl+F for itself.
bool OutilsPrincipale::eventFilter(QObject *objet, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !objet->isWidgetType()
        || static_cast<QWidget *>(objet)->window() != &m_fenetre)
        return QObject::eventFilter(objet, event);

    const Touche t = toucheDe(objet, *static_cast<QKeyEvent *>(event));
    if (t == Touche::Aucune)
        return QObject::eventFilter(objet, event);
    // Taken over, the key comes back as a key press, handled once.
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    switch (t) {
    case Touche::Copie: copier(); break;
    case Touche::Export: exporter(); break;
    case Touche::Recherche: ouvrirRecherche(); break;
    case Touche::Aucune: break;
    }
    return true;
}

} // namespace vestrel
