#include "ui/menus.h"

#include "ui/apropos.h"
#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/images.h"
#include "ui/menu_deroulant.h"
#include "ui/polices.h"
#include "ui/twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace vestrel {

namespace {

// The titles of the menu bar, in twips, all on one line.
constexpr int HautTitres = 60;
constexpr int HauteurTitres = 280;
struct Titre {
    const char *texte;
    int gauche, largeur;
};
constexpr Titre Titres[] = {
    {"Fichier", 120, 680},
    {"Selection", 860, 850},
    {"?", 2480, 100},
    {"Outils", 1780, 640},
};

// Place of the title rectangle before the pointer first reaches a title.
constexpr RectTwips SelectionDepart{3480, 0, 1485, 435};

// A drop-down opens this far below the top of the main window.
constexpr int DecalageDeroulant = 700;

constexpr ItemDeroulant ItemsFichier[] = {
    {"Quitter", {630, 105, 750, 240}, {105, 105, 350, 350}, {10, 10, 1450, 540}, 70, 70},
};
constexpr ItemDeroulant ItemsMethodes[] = {
    {" Popup", {540, 150, 900, 330}, {105, 105, 350, 360}, {10, 10, 1725, 500}, 80, 80},
    {" Barre outil", {525, 550, 1110, 225}, {105, 520, 350, 360}, {10, 500, 1725, 500}, 80, 500},
    {" Libre", {525, 980, 900, 225}, {105, 930, 350, 360}, {10, 980, 1725, 400}, 80, 900},
};
constexpr ItemDeroulant ItemsAide[] = {
    {"A Propos", {630, 130, 960, 260}, {105, 105, 350, 350}, {10, 10, 1670, 540}, 70, 70},
};

// The Outils drop-down: item k lies PasOutils twips below item k - 1, its
// caption at the left, its key at the right of the caption.
constexpr int PasOutils = 450;
constexpr int LargeurOutils = 4500;
constexpr RectTwips TexteOutil{630, 105, 2450, 260};
constexpr RectTwips ToucheOutil{3100, 105, 1300, 260};
constexpr RectTwips IconeOutil{105, 55, 350, 350};
constexpr RectTwips ZoneOutil{10, 10, LargeurOutils - 20, PasOutils};
constexpr int SelectionOutilGauche = 70, SelectionOutilHaut = 30;

constexpr RectTwips descendu(RectTwips r, int k)
{
    r.haut += k * PasOutils;
    return r;
}

ItemDeroulant itemOutil(const ItemOutil &outil, int k)
{
    return {outil.texte, descendu(TexteOutil, k), descendu(IconeOutil, k), descendu(ZoneOutil, k),
            SelectionOutilGauche, SelectionOutilHaut + k * PasOutils};
}

// In the order of the titles that open them; the Outils drop-down, whose
// items are given, is described by descriptionOutils.
const DescriptionDeroulant Deroulants[] = {
    {"Mnu_File", "Mnu_File_1", 1485, 570, 1350, 405, ItemsFichier},
    {"Mnu_Select", "Mnu_Select_1", 1750, 1400, 1635, 420, ItemsMethodes},
    {"Mnu_Apropos", "Mnu_apropos_1", 1700, 570, 1545, 405, ItemsAide},
};

DescriptionDeroulant descriptionOutils(std::span<const ItemDeroulant> items)
{
    const int n = int(items.size());
    return {"Mnu_Outils", "Mnu_Outils_1", LargeurOutils, n * PasOutils + 30, LargeurOutils - 130, 410, items};
}

// The check-mark holder sits past the right edge of the Selection menu.
constexpr RectTwips PlacePic{1800, 105, 480, 480};

} // namespace

void terminerProgramme()
{
    // Leaving through _Exit rather than the event loop: a loop asked to stop
    // still delivers the events already queued, and exit() would run the
    // library's global destructors while the application object is alive.
    // The program keeps nothing to save.
    std::fflush(nullptr);
    std::_Exit(0);
}

BarreMenus::BarreMenus(QWidget *fenetre, std::span<const ItemOutil> outils)
    : QObject(fenetre), m_fenetre(fenetre), m_outils(outils.begin(), outils.end())
{
    m_selection = new Forme(couleurs::Contour, couleurs::Survol, fenetre);
    m_selection->setObjectName(QStringLiteral("Selection"));
    m_selection->setGeometry(rectTwips(SelectionDepart.gauche, SelectionDepart.haut,
                                       SelectionDepart.largeur, SelectionDepart.hauteur));
    m_selection->hide();
    m_selection->lower();

    for (int i = 0; i < int(std::size(Titres)); ++i) {
        auto *titre = new Cellule(QString::fromUtf8(Titres[i].texte), fenetre);
        titre->setObjectName(QStringLiteral("MNU(%1)").arg(i));
        titre->setGeometry(rectTwips(Titres[i].gauche, HautTitres, Titres[i].largeur, HauteurTitres));
        titre->setBackColor(couleurs::Gris);
        polices::donner(titre, polices::comic());
        titre->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        connect(titre, &Cellule::survole, this, [this, i] { survolerTitre(i); });
        connect(titre, &Cellule::presse, this, [this, i] { presserTitre(i); });
        m_titres.append(titre);
        m_ordre.append(i);
    }
    std::sort(m_ordre.begin(), m_ordre.end(),
              [](int a, int b) { return Titres[a].gauche < Titres[b].gauche; });

    std::vector<ItemDeroulant> items;
    for (int k = 0; k < int(m_outils.size()); ++k)
        items.push_back(itemOutil(m_outils[k], k));
    for (int i = 0; i <= int(std::size(Deroulants)); ++i) {
        auto *menu = new MenuDeroulant(i == Outils ? descriptionOutils(items) : Deroulants[i], fenetre);
        connect(menu, &MenuDeroulant::itemChoisi, this, [this, i](int k) { choisir(i, k); });
        m_deroulants.append(menu);
    }
    MenuDeroulant *menuOutils = m_deroulants.at(Outils);
    for (int k = 0; k < int(m_outils.size()); ++k) {
        const QKeySequence touche(QString::fromLatin1(m_outils[k].raccourci), QKeySequence::PortableText);
        if (!touche.isEmpty())
            menuOutils->ajouterRaccourci(k, touche.toString(QKeySequence::NativeText),
                                         descendu(ToucheOutil, k));
    }

    MenuDeroulant *methodes = m_deroulants.at(Methodes);
    m_pic = new QLabel(methodes);
    m_pic->setObjectName(QStringLiteral("PIC"));
    m_pic->setGeometry(rectTwips(PlacePic.gauche, PlacePic.haut, PlacePic.largeur, PlacePic.hauteur));
    m_pic->setPixmap(imageCoche(m_pic->devicePixelRatioF()));
    m_pic->hide();
    // The program always starts in the "Popup" method.
    cocher(Methode::Popup);

    // Showing a drop-down leaves the main window active, so a click on the
    // main window would not activate it again: the press itself closes an
    // open menu, as a new activation would.
    qApp->installEventFilter(this);
}

BarreMenus::~BarreMenus()
{
    qApp->removeEventFilter(this);
}

void BarreMenus::retirerSurvol()
{
    for (Cellule *titre : std::as_const(m_titres))
        titre->setBackColor(couleurs::Gris);
    m_selection->hide();
}

void BarreMenus::masquerMenus()
{
    for (MenuDeroulant *menu : std::as_const(m_deroulants)) {
        if (menu->isVisible())
            menu->hide();
    }
    m_selection->hide();
}

void BarreMenus::cocher(Methode methode)
{
    MenuDeroulant *methodes = m_deroulants.at(Methodes);
    for (int k = 0; k < methodes->nombreItems(); ++k)
        methodes->icone(k)->setPixmap(k == indexMethode(methode) ? m_pic->pixmap() : QPixmap());
}

void BarreMenus::cocherOutil(int k, bool coche)
{
    m_deroulants.at(Outils)->icone(k)->setPixmap(coche && m_outils.at(k).coche ? m_pic->pixmap() : QPixmap());
}

void BarreMenus::activerOutil(int k, bool actif)
{
    m_deroulants.at(Outils)->activerItem(k, actif);
}

void BarreMenus::survolerTitre(int i)
{
    for (MenuDeroulant *menu : std::as_const(m_deroulants))
        menu->retirerSurvol();

    // The other titles keep their colour until the pointer crosses the
    // window background.
    const Titre &t = Titres[i];
    m_selection->setGeometry(rectTwips(t.gauche - 50, HautTitres - 50, t.largeur + 100,
                                       HauteurTitres + 100));
    m_selection->show();
    m_titres[i]->setBackColor(couleurs::Survol);

    if (m_menuOuvert == 1)
        ouvrir(i);
}

void BarreMenus::presserTitre(int i)
{
    m_menuOuvert = 1;
    ouvrir(i);
}

void BarreMenus::ouvrir(int i)
{
    for (int j = 0; j < m_deroulants.size(); ++j) {
        if (j != i && m_deroulants[j]->isVisible())
            m_deroulants[j]->hide();
    }
    // Measured from the outer corner of the main window, border included.
    MenuDeroulant *menu = m_deroulants[i];
    menu->move(m_fenetre->pos() + pointTwips(Titres[i].gauche, DecalageDeroulant));
    menu->show();
}

void BarreMenus::choisir(int menu, int item)
{
    switch (menu) {
    case Fichier:
        terminerProgramme();
    case Methodes:
        // Item k of the Selection menu is the method of index k.
        cocher(methodeIndex(item));
        emit methodeChoisie(methodeIndex(item));
        m_deroulants[Methodes]->hide();
        break;
    case Aide:
        m_deroulants[Aide]->hide();
        BoiteApropos::ouvrir(m_fenetre);
        break;
    case Outils:
        m_deroulants[Outils]->hide();
        emit outilChoisi(item);
        break;
    }
}

int BarreMenus::menuVisible() const
{
    for (int i = 0; i < m_deroulants.size(); ++i) {
        if (m_deroulants[i]->isVisible())
            return i;
    }
    return -1;
}

int BarreMenus::titreDeLettre(int touche) const
{
    for (int i : m_ordre) {
        const QString texte = m_titres[i]->text();
        if (!texte.isEmpty() && texte.front().isLetter() && texte.front().toUpper().unicode() == touche)
            return i;
    }
    return -1;
}

void BarreMenus::ouvrirAuClavier(int i)
{
    // Only the title of the open menu stays lit; survolerTitre clears the
    // items of every drop-down and, the mode being on, opens menu i.
    retirerSurvol();
    m_menuOuvert = 1;
    survolerTitre(i);
}

void BarreMenus::fermerAuClavier()
{
    masquerMenus();
    retirerSurvol();
}

bool BarreMenus::traiterTouche(const QKeyEvent &cle, bool agir)
{
    const Qt::KeyboardModifiers modifs = cle.modifiers() & ~Qt::KeypadModifier;
    const int ouvert = menuVisible();

    if (modifs == Qt::AltModifier) {
        const int i = titreDeLettre(cle.key());
        if (i >= 0 && agir)
            ouvrirAuClavier(i);
        return i >= 0;
    }
    if (modifs != Qt::NoModifier)
        return false;
    if (cle.key() == Qt::Key_F10) {
        if (agir && ouvert < 0)
            ouvrirAuClavier(Fichier);
        else if (agir)
            fermerAuClavier();
        return true;
    }
    if (ouvert < 0)
        return false;

    MenuDeroulant *menu = m_deroulants[ouvert];
    switch (cle.key()) {
    case Qt::Key_Down:
    case Qt::Key_Up: {
        if (!agir)
            return true;
        const int n = menu->nombreItems();
        if (n == 0)
            return true;
        const int k = menu->itemSurvole();
        const int pas = cle.key() == Qt::Key_Down ? 1 : n - 1;
        if (k < 0)
            menu->survolerItem(cle.key() == Qt::Key_Down ? 0 : n - 1);
        else
            menu->survolerItem((k + pas) % n);
        return true;
    }
    case Qt::Key_Left:
    case Qt::Key_Right: {
        if (!agir)
            return true;
        const int n = int(m_ordre.size());
        const int pas = cle.key() == Qt::Key_Right ? 1 : n - 1;
        ouvrirAuClavier(m_ordre[(m_ordre.indexOf(ouvert) + pas) % n]);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // With no item lit the key does nothing, and goes nowhere else.
        if (agir) {
            menu->choisirSurvole();
            if (menuVisible() < 0)
                retirerSurvol();
        }
        return true;
    case Qt::Key_Escape:
        if (agir)
            fermerAuClavier();
        return true;
    default:
        return false;
    }
}

bool BarreMenus::eventFilter(QObject *objet, QEvent *event)
{
    // The drop-downs never take the activation, so the keys meant for them
    // reach the focused control of the main window. A shortcut override is
    // accepted so that no shortcut takes a key the menus use.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)
        && objet->isWidgetType()) {
        QWidget *fenetre = static_cast<QWidget *>(objet)->window();
        if (fenetre == m_fenetre || m_deroulants.contains(qobject_cast<MenuDeroulant *>(fenetre))) {
            const bool presse = event->type() == QEvent::KeyPress;
            if (traiterTouche(*static_cast<QKeyEvent *>(event), presse)) {
                event->accept();
                return true;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonPress && objet->isWidgetType()) {
        auto *cible = static_cast<QWidget *>(objet);
        if (cible->window() == m_fenetre && !m_titres.contains(qobject_cast<Cellule *>(cible))) {
            for (MenuDeroulant *menu : std::as_const(m_deroulants)) {
                if (menu->isVisible()) {
                    masquerMenus();
                    break;
                }
            }
        }
    }
    return QObject::eventFilter(objet, event);
}

} // namespace vestrel
