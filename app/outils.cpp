#include "app/outils.h"

#include "app/principale.h"
#include "ui/export.h"
#include "ui/menus.h"
#include "ui/palette.h"
#include "ui/recherche.h"
#include "ui/schema.h"
#include "ui/service.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>

#include <algorithm>

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

Service *OutilsPrincipale::service() const { return m_service; }

const EtatService *OutilsPrincipale::etatService() const
{
    if (!m_service || !m_service->isVisible() || !m_service->etat())
        return nullptr;
    return &*m_service->etat();
}

void OutilsPrincipale::choisir(int outil)
{
    switch (outil) {
    case BarreMenus::OutilSchema: basculerSchema(); break;
    case BarreMenus::OutilRecherche: ouvrirRecherche(); break;
    case BarreMenus::OutilCopie: copier(); break;
    case BarreMenus::OutilExport: exporter(); break;
    case BarreMenus::OutilService: basculerService(); break;
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
    m_schema->montrer(m_fenetre.affichage(), etatService());
    m_schema->suivre(&m_fenetre);
    m_schema->show();
    m_menus.cocherSchema(true);
}

void OutilsPrincipale::basculerService()
{
    if (m_service && m_service->isVisible()) {
        m_service->hide(); // which tells the diagram and the finder
        return;
    }
    if (!m_service) {
        m_service = new Service(&m_fenetre);
        connect(m_service, &Service::change, this, &OutilsPrincipale::serviceChange);
    }
    // Under the main window, wholly on its screen.
    const QRect cadre = m_fenetre.frameGeometry();
    const QScreen *ecran = m_fenetre.screen();
    const QRect zone = ecran ? ecran->availableGeometry() : cadre;
    const QSize taille = m_service->size();
    QPoint p(cadre.left(), cadre.bottom() + 1);
    if (p.y() + taille.height() > zone.bottom() + 1)
        p.setY(cadre.top() - taille.height());
    p.setX(std::clamp(p.x(), zone.left(), std::max(zone.left(), zone.right() + 1 - taille.width())));
    p.setY(std::clamp(p.y(), zone.top(), std::max(zone.top(), zone.bottom() + 1 - taille.height())));
    m_service->move(p);
    m_service->show();
    m_service->montrer(m_fenetre.affichage());
}

// The fit in service changed, or its window opened or closed: the diagram
// and the finder follow.
void OutilsPrincipale::serviceChange()
{
    if (m_schema && m_schema->isVisible())
        m_schema->montrer(m_fenetre.affichage(), etatService());
    if (m_recherche) {
        const bool ouvert = m_service && m_service->isVisible();
        m_recherche->setService(ouvert ? std::optional(m_service->conditions()) : std::nullopt);
    }
}

void OutilsPrincipale::ouvrirRecherche()
{
    const QString diametre = m_fenetre.texteDiametre();
    if (!m_recherche) {
        m_recherche = new Recherche(&m_fenetre, diametre);
        connect(m_recherche, &Recherche::appliquer, &m_fenetre, &Principale::appliquerAjustement);
        if (m_service && m_service->isVisible())
            m_recherche->setService(m_service->conditions());
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

void OutilsPrincipale::copier()
{
    copierAjustement(m_fenetre.affichage(), etatService());
}

void OutilsPrincipale::exporter()
{
    exporterAvecDialogue(&m_fenetre, m_fenetre.affichage(), etatService());
}

// The diagram is drawn only while it shows; opening it draws the fit of
// that moment. The same for the fit in service.
void OutilsPrincipale::resultatsChanges()
{
    // The service window, when it shows, redraws the diagram once it has
    // its new results.
    if (m_service && m_service->isVisible())
        m_service->montrer(m_fenetre.affichage());
    else if (m_schema && m_schema->isVisible())
        m_schema->montrer(m_fenetre.affichage());
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
