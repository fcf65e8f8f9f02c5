#include "ui/menu_deroulant.h"

#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/palette.h"
#include "ui/polices.h"
#include "ui/twips.h"

#include <QMouseEvent>

namespace vestrel {

namespace {

// The thin frame that sets the white menu off the desktop behind it.
const QColor BordMenu{128, 128, 128};

// The grey strip on the left that carries the icon cells.
constexpr int GaucheBande = 10;
constexpr int LargeurBande = 510;

QRect enPixels(const RectTwips &r)
{
    return rectTwips(r.gauche, r.haut, r.largeur, r.hauteur);
}

QString nomIndexe(const char *nom, int k)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(nom)).arg(k);
}

} // namespace

MenuDeroulant::MenuDeroulant(const DescriptionDeroulant &description, QWidget *fenetre)
    : QWidget(fenetre, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QLatin1String(description.nom));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    appliquerPalette(this);
    setFixedSize(tailleTwips(description.largeur, description.hauteur));
    setMouseTracking(true);

    // Painted from the back to the front: the white page, the grey strip,
    // the highlight, then the items above it.
    auto *page = new Forme(BordMenu, couleurs::Blanc, this);
    page->setGeometry(rect());
    auto *bande = new Forme(couleurs::Gris, couleurs::Gris, this);
    bande->setGeometry(rectTwips(GaucheBande, GaucheBande, LargeurBande,
                                 description.hauteur - 2 * GaucheBande));

    m_selection = new Forme(couleurs::Contour, couleurs::Survol, this);
    m_selection->setObjectName(QStringLiteral("Selection"));
    m_selection->resize(tailleTwips(description.largeurSelection, description.hauteurSelection));
    m_selection->hide();

    const auto creerPartie = [this](const QString &nom, const RectTwips &place,
                                    const QColor &couleur) {
        auto *partie = new Cellule(QString(), this);
        partie->setObjectName(nom);
        partie->setGeometry(enPixels(place));
        partie->setBackColor(couleur);
        partie->installEventFilter(this);
        return partie;
    };

    const auto &items = description.items;
    // The hit areas lie under the icons and texts, which react the same way.
    for (int k = 0; k < int(items.size()); ++k)
        m_zones.append(creerPartie(nomIndexe("Image1", k), items[k].zone, Qt::transparent));
    for (int k = 0; k < int(items.size()); ++k) {
        Cellule *icone = creerPartie(nomIndexe("Pict", k), items[k].icone, couleurs::Gris);
        icone->setAlignment(Qt::AlignCenter);
        m_icones.append(icone);

        Cellule *texte = creerPartie(nomIndexe(description.nomTextes, k), items[k].zoneTexte,
                                     couleurs::Blanc);
        texte->setText(QString::fromUtf8(items[k].texte));
        polices::donner(texte, polices::comic());
        texte->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_textes.append(texte);

        m_positionsSelection.append(pointTwips(items[k].selectionGauche, items[k].selectionHaut));
        m_raccourcis.append(nullptr);
        m_actifs.append(true);
    }
}

void MenuDeroulant::ajouterRaccourci(int k, const QString &texte, const RectTwips &place)
{
    auto *touche = new Cellule(texte, this);
    touche->setObjectName(m_textes.at(k)->objectName().section(u'(', 0, 0) + QStringLiteral("_Touche(%1)").arg(k));
    touche->setGeometry(enPixels(place));
    touche->setBackColor(m_textes.at(k)->backColor());
    polices::donner(touche, m_textes.at(k)->font());
    touche->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    touche->setPalette(m_textes.at(k)->palette());
    touche->installEventFilter(this);
    delete m_raccourcis.at(k);
    m_raccourcis[k] = touche;
}

void MenuDeroulant::activerItem(int k, bool actif)
{
    m_actifs[k] = actif;
    const QPalette::ColorGroup groupe = actif ? QPalette::Active : QPalette::Disabled;
    for (Cellule *c : {m_textes.at(k), m_raccourcis.at(k)}) {
        if (!c)
            continue;
        QPalette p = c->palette();
        const QColor couleur = palette().color(groupe, QPalette::WindowText);
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
            p.setColor(g, QPalette::WindowText, couleur);
        c->setPalette(p);
    }
}

int MenuDeroulant::itemDe(const QObject *objet) const
{
    for (int i = 0; i < nombreItems(); ++i) {
        if (objet == m_textes[i] || objet == m_icones[i] || objet == m_zones[i]
            || (m_raccourcis[i] && objet == m_raccourcis[i]))
            return i;
    }
    return -1;
}

void MenuDeroulant::choisirItem(int k)
{
    if (m_actifs.at(k))
        emit itemChoisi(k);
}

void MenuDeroulant::retirerSurvol()
{
    m_survole = -1;
    m_selection->hide();
    for (Cellule *t : std::as_const(m_textes))
        t->setBackColor(couleurs::Blanc);
    for (Cellule *t : std::as_const(m_raccourcis)) {
        if (t)
            t->setBackColor(couleurs::Blanc);
    }
    for (Cellule *i : std::as_const(m_icones))
        i->setBackColor(couleurs::Gris);
}

void MenuDeroulant::survolerItem(int k)
{
    for (int i = 0; i < nombreItems(); ++i) {
        m_textes[i]->setBackColor(i == k ? couleurs::Survol : couleurs::Blanc);
        m_icones[i]->setBackColor(i == k ? couleurs::Survol : couleurs::Gris);
        if (m_raccourcis[i])
            m_raccourcis[i]->setBackColor(i == k ? couleurs::Survol : couleurs::Blanc);
    }
    m_selection->move(m_positionsSelection.at(k));
    m_selection->show();
    m_survole = k;
}

void MenuDeroulant::choisirSurvole()
{
    if (m_survole >= 0)
        choisirItem(m_survole);
}

bool MenuDeroulant::eventFilter(QObject *objet, QEvent *event)
{
    const int k = itemDe(objet);
    if (k < 0)
        return QWidget::eventFilter(objet, event);

    switch (event->type()) {
    case QEvent::MouseMove:
        survolerItem(k);
        break;
    case QEvent::MouseButtonRelease: {
        // A click: released over the part that took the press.
        const auto *souris = static_cast<QMouseEvent *>(event);
        if (static_cast<QWidget *>(objet)->rect().contains(souris->position().toPoint())) {
            choisirItem(k);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(objet, event);
}

} // namespace vestrel
