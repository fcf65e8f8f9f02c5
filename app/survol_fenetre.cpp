#include "app/survol_fenetre.h"

#include "app/panneau_libre.h"
#include "ui/barre_outils.h"
#include "ui/cellule.h"
#include "ui/menus.h"

#include <QEvent>
#include <QWidget>

namespace vestrel {

SurvolFenetre::SurvolFenetre(QWidget *fenetre, BarreOutils *barre, BarreMenus *menus, PanneauLibre *libre)
    : QObject(fenetre), m_fenetre(fenetre), m_barre(barre), m_menus(menus), m_libre(libre)
{
    fenetre->setMouseTracking(true);
    fenetre->installEventFilter(this);
}

void SurvolFenetre::surveiller(const QList<QWidget *> &effacent, const QList<QWidget *> &blanchissent)
{
    m_effacent = effacent;
    m_blanchissent = blanchissent;
    for (const QList<QWidget *> &liste : {effacent, blanchissent}) {
        for (QWidget *surface : liste) {
            surface->setMouseTracking(true);
            surface->installEventFilter(this);
        }
    }
}

void SurvolFenetre::effacer()
{
    m_barre->retirerSurvol();
    m_menus->retirerSurvol();
}

// A click anywhere on the window closes an open drop-down menu.
void SurvolFenetre::activation()
{
    m_menus->masquerMenus();
    if (auto *selection = m_fenetre->findChild<Forme *>(QStringLiteral("Selection"), Qt::FindDirectChildrenOnly))
        selection->hide();
    m_libre->blanchirCalcul();
}

bool SurvolFenetre::eventFilter(QObject *objet, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (objet == m_fenetre) {
        if (type == QEvent::WindowActivate)
            activation();
        // A pointer that leaves fast, straight past the border, crosses no
        // background surface: the hover effects are cleared here.
        if (type == QEvent::Leave) {
            effacer();
            m_libre->blanchirCalcul();
        }
        if (type == QEvent::MouseMove)
            effacer();
    } else if (type == QEvent::MouseMove) {
        if (m_effacent.contains(objet))
            effacer();
        if (m_blanchissent.contains(objet))
            m_libre->blanchirCalcul();
    }
    return QObject::eventFilter(objet, event);
}

} // namespace vestrel
