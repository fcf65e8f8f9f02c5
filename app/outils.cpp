#include "app/outils.h"

#include "app/principale.h"
#include "ui/export.h"
#include "ui/fenetre_outil.h"
#include "ui/frettage.h"
#include "ui/generales.h"
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

#include <vector>

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

// A tool window of the main window, built on its first opening.
template <class F>
FenetreOutil *fenetreDe(Principale &f)
{
    return new F(&f);
}

// The finder applies its chosen fit to the main window.
template <>
FenetreOutil *fenetreDe<Recherche>(Principale &f)
{
    auto *r = new Recherche(&f, f.texteDiametre());
    QObject::connect(r, &Recherche::appliquer, &f, &Principale::appliquerAjustement);
    return r;
}

// The press fit hands the finder the clearances of the fits that hold its
// load.
template <>
FenetreOutil *fenetreDe<Frettage>(Principale &f)
{
    auto *w = new Frettage(&f);
    QObject::connect(w, &Frettage::chercher, &f, [&f](const QString &diametre, double jeuMini_mm, double jeuMaxi_mm) {
        f.outils()->ouvrirRecherche();
        if (Recherche *r = f.outils()->recherche())
            r->setDemande(diametre, jeuMini_mm, jeuMaxi_mm);
    });
    return w;
}

// The fit in service tells the diagram and the finder when it changes,
// opens or closes.
template <>
FenetreOutil *fenetreDe<Service>(Principale &f)
{
    auto *s = new Service(&f);
    QObject::connect(s, &Service::change, f.outils(), [&f] { f.outils()->serviceChange(); });
    return s;
}

// One item of the Outils menu: how the menu shows it, then what it opens
// (a tool window made on first opening) or does, and whether it needs a fit
// with numbers on at least one side.
struct Outil {
    ItemOutil item;
    FenetreOutil *(*creer)(Principale &); // null for an item that opens no window
    void (OutilsPrincipale::*agir)();     // null for an item that opens a window
    bool besoinDeNombres;
};

// The items in menu order. A new tool window is one row here and one class
// deriving from FenetreOutil.
const Outil Outils[] = {
    {{"Schéma des tolérances", "", true}, &fenetreDe<Schema>, nullptr, false},
    {{"Rechercher un ajustement", "Ctrl+F", false}, &fenetreDe<Recherche>, nullptr, false},
    {{"Copier l'ajustement", "Ctrl+C", false}, nullptr, &OutilsPrincipale::copier, true},
    {{"Exporter…", "Ctrl+E", false}, nullptr, &OutilsPrincipale::exporter, true},
    {{"Système ISO 286 complet", "", true}, nullptr, &OutilsPrincipale::basculerSysteme, false},
    {{"Assemblage serré", "", false}, &fenetreDe<Frettage>, nullptr, false},
    {{"Jeu en service", "", true}, &fenetreDe<Service>, nullptr, false},
    {{"Tolérances générales", "", false}, &fenetreDe<Generales>, nullptr, false},
};
constexpr int NombreOutils = int(std::size(Outils));

// The row that opens this window, or does this.
int itemDe(FenetreOutil *(*creer)(Principale &))
{
    for (int k = 0; k < NombreOutils; ++k) {
        if (Outils[k].creer == creer)
            return k;
    }
    return -1;
}

int itemDe(void (OutilsPrincipale::*agir)())
{
    for (int k = 0; k < NombreOutils; ++k) {
        if (Outils[k].agir == agir)
            return k;
    }
    return -1;
}

bool aDesNombres(const ResultatAjustement &r)
{
    return r.tailles(Cote::Alesage).has_value() || r.tailles(Cote::Arbre).has_value();
}

} // namespace

std::span<const ItemOutil> OutilsPrincipale::items()
{
    static const std::vector<ItemOutil> liste = [] {
        std::vector<ItemOutil> l;
        for (const Outil &o : Outils)
            l.push_back(o.item);
        return l;
    }();
    return liste;
}

OutilsPrincipale::OutilsPrincipale(Principale &fenetre, BarreMenus &menus)
    : QObject(&fenetre), m_fenetre(fenetre), m_menus(menus), m_fenetres(NombreOutils)
{
    connect(&menus, &BarreMenus::outilChoisi, this, &OutilsPrincipale::choisir);
    connect(&fenetre, &Principale::resultatsChanges, this, &OutilsPrincipale::resultatsChanges);

    if (auto *resultats = fenetre.findChild<QGroupBox *>(QStringLiteral("Frame2"))) {
        resultats->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(resultats, &QWidget::customContextMenuRequested, this, &OutilsPrincipale::menuResultats);
    }
    qApp->installEventFilter(this);
    resultatsChanges();
}

OutilsPrincipale::~OutilsPrincipale()
{
    qApp->removeEventFilter(this);
}

FenetreOutil *OutilsPrincipale::fenetre(int k) const { return m_fenetres.value(k); }

Schema *OutilsPrincipale::schema() const { return static_cast<Schema *>(fenetre(itemDe(&fenetreDe<Schema>))); }

Recherche *OutilsPrincipale::recherche() const
{
    return static_cast<Recherche *>(fenetre(itemDe(&fenetreDe<Recherche>)));
}

Service *OutilsPrincipale::service() const { return static_cast<Service *>(fenetre(itemDe(&fenetreDe<Service>))); }

const EtatService *OutilsPrincipale::etatService() const
{
    const Service *s = service();
    if (!s || !s->isVisible() || !s->etat())
        return nullptr;
    return &*s->etat();
}

// The fit in service changed, or its window opened or closed: the diagram
// and the finder follow.
void OutilsPrincipale::serviceChange()
{
    // A hidden diagram forgets the fit in service too, or it would draw a
    // closed window's service again when it reopens.
    if (Schema *s = schema())
        s->montrer(m_fenetre.resultat(), etatService());
    if (Recherche *r = recherche()) {
        const Service *s = service();
        r->setService(s && s->isVisible() ? s->conditionsSaisies() : std::nullopt);
    }
}

bool OutilsPrincipale::actif(int k) const
{
    return !Outils[k].besoinDeNombres || aDesNombres(m_fenetre.resultat());
}

void OutilsPrincipale::choisir(int k)
{
    if (k < 0 || k >= NombreOutils || !actif(k))
        return;
    const Outil &o = Outils[k];
    if (!o.creer) {
        (this->*o.agir)();
        return;
    }
    FenetreOutil *f = m_fenetres[k];
    if (o.item.coche && f && f->isVisible()) {
        f->hide();
        m_menus.cocherOutil(k, false);
        return;
    }
    ouvrir(k);
}

void OutilsPrincipale::ouvrir(int k)
{
    if (!m_fenetres[k]) {
        FenetreOutil *f = Outils[k].creer(m_fenetre);
        connect(f, &FenetreOutil::ferme, this, [this, k] { m_menus.cocherOutil(k, false); });
        m_fenetres[k] = f;
    }
    m_fenetres[k]->ouvrir({m_fenetre.resultat(), m_fenetre.texteDiametre(), m_fenetre.systeme()});
    m_menus.cocherOutil(k, true);
    serviceChange();
}

void OutilsPrincipale::basculerSchema() { choisir(itemDe(&fenetreDe<Schema>)); }

void OutilsPrincipale::ouvrirRecherche() { choisir(itemDe(&fenetreDe<Recherche>)); }

void OutilsPrincipale::ouvrirFrettage() { choisir(itemDe(&fenetreDe<Frettage>)); }

Frettage *OutilsPrincipale::frettage() const
{
    return static_cast<Frettage *>(fenetre(itemDe(&fenetreDe<Frettage>)));
}

// The check mark shows while the whole system is the catalogue; the tool
// windows hear of the change even when the fit shown stays the same.
void OutilsPrincipale::basculerSysteme()
{
    const bool complet = m_fenetre.systeme() == Systeme::Defaut;
    m_fenetre.setSysteme(complet ? Systeme::Complet : Systeme::Defaut);
    m_menus.cocherOutil(itemDe(&OutilsPrincipale::basculerSysteme), complet);
    resultatsChanges();
}

bool OutilsPrincipale::systemeComplet() const
{
    return m_fenetre.systeme() == Systeme::Complet;
}

void OutilsPrincipale::copier()
{
    if (aDesNombres(m_fenetre.resultat()))
        copierAjustement(m_fenetre.resultat(), etatService());
}

void OutilsPrincipale::exporter()
{
    if (!aDesNombres(m_fenetre.resultat()))
        return;
    // The press fit's page when its window is open.
    QList<PageTexte> pages;
    if (const Frettage *f = frettage(); f && f->isVisible())
        pages.append(f->pageExport());
    exporterAvecDialogue(&m_fenetre, m_fenetre.resultat(), etatService(), pages);
}

// A shown window follows the fit; a hidden one takes it when it opens. The
// items that need numbers follow whether the fit has any.
void OutilsPrincipale::resultatsChanges()
{
    const VuePrincipale vue{m_fenetre.resultat(), m_fenetre.texteDiametre(), m_fenetre.systeme()};
    for (int k = 0; k < NombreOutils; ++k) {
        if (m_fenetres[k])
            m_fenetres[k]->resultatsChanges(vue);
        m_menus.activerOutil(k, actif(k));
    }
}

void OutilsPrincipale::menuResultats(const QPoint &position)
{
    auto *resultats = qobject_cast<QWidget *>(sender());
    QMenu menu(resultats);
    appliquerPalette(&menu);
    const int copie = itemDe(&OutilsPrincipale::copier);
    QAction *action = menu.addAction(QString::fromUtf8(Outils[copie].item.texte), this, &OutilsPrincipale::copier);
    action->setEnabled(actif(copie));
    menu.exec(resultats->mapToGlobal(position));
}

// The item whose key this is; Ctrl+C belongs to a control with selected
// text, which copies it as usual.
int OutilsPrincipale::itemDeTouche(const QObject *cible, const QKeyEvent &touche)
{
    if (touche.matches(QKeySequence::Copy) && texteSelectionne(cible))
        return -1;
    const QKeySequence lue(touche.keyCombination());
    for (int k = 0; k < NombreOutils; ++k) {
        const QKeySequence cle(QString::fromLatin1(Outils[k].item.raccourci), QKeySequence::PortableText);
        if (!cle.isEmpty() && (cle == lue || (cle == QKeySequence(QKeySequence::Copy) && touche.matches(QKeySequence::Copy))))
            return k;
    }
    return -1;
}

// The keys are read before the focused control sees them: a text box would
// take Ctrl+C, Ctrl+E or Ctrl+F for itself.
bool OutilsPrincipale::eventFilter(QObject *objet, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !objet->isWidgetType()
        || static_cast<QWidget *>(objet)->window() != &m_fenetre)
        return QObject::eventFilter(objet, event);

    const int k = itemDeTouche(objet, *static_cast<QKeyEvent *>(event));
    if (k < 0)
        return QObject::eventFilter(objet, event);
    // Taken over, the key comes back as a key press, handled once. A
    // disabled item takes its key and does nothing with it.
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    choisir(k);
    return true;
}

} // namespace vestrel
