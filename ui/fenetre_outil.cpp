#include "ui/fenetre_outil.h"

#include "ui/palette.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace vestrel {

namespace {

qint64 aire(const QRect &a, const QRect &b)
{
    const QRect c = a.intersected(b);
    return c.isEmpty() ? 0 : qint64(c.width()) * c.height();
}

// The margins a frame adds around a window's client area.
QMargins marges(const QWidget &w)
{
    const QRect c = w.frameGeometry();
    const QRect g = w.geometry();
    return {g.left() - c.left(), g.top() - c.top(), c.right() - g.right(), c.bottom() - g.bottom()};
}

} // namespace

QPoint placerOutil(const QRect &principale, const QSize &taille, const QRect &ecran, const QList<QRect> &voisines)
{
    // Every place is pulled inside the screen; a window larger than the
    // screen keeps its top left corner on it.
    const auto dansEcran = [&](int x, int y) {
        return QPoint(std::clamp(x, ecran.left(), std::max(ecran.left(), ecran.right() + 1 - taille.width())),
                      std::clamp(y, ecran.top(), std::max(ecran.top(), ecran.bottom() + 1 - taille.height())));
    };
    // In order of preference: against the main window's right edge, then
    // the right edges of the tool windows shown, then the left edges, then
    // the main window's left, the screen's edges. The tops likewise, below
    // and above the main window after the tops of the windows. Whatever the
    // rectangles, the covered area is least at one of these edges.
    QList<int> xs{principale.right() + 1};
    for (const QRect &v : voisines)
        xs << v.right() + 1;
    xs << principale.left() - taille.width();
    for (const QRect &v : voisines)
        xs << v.left() - taille.width();
    xs << principale.left() << ecran.left() << ecran.right() + 1 - taille.width();
    QList<int> ys{principale.top()};
    for (const QRect &v : voisines)
        ys << v.top();
    ys << principale.bottom() + 1 << principale.top() - taille.height() << ecran.top()
       << ecran.bottom() + 1 - taille.height();

    // A place that leaves the main window free comes first, the one that
    // covers least of the other windows; else the one that covers least of
    // all the windows; then the order of preference.
    QPoint meilleur = dansEcran(xs.front(), ys.front());
    std::tuple<bool, qint64, int> cout{true, -1, 0};
    int rang = 0;
    for (int y : ys) {
        for (int x : xs) {
            const QPoint p = dansEcran(x, y);
            const QRect r(p, taille);
            const qint64 surPrincipale = aire(r, principale);
            qint64 couvert = surPrincipale;
            for (const QRect &v : voisines)
                couvert += aire(r, v);
            const std::tuple<bool, qint64, int> c{surPrincipale > 0, couvert, rang++};
            if (std::get<1>(cout) < 0 || c < cout) {
                cout = c;
                meilleur = p;
            }
        }
    }
    return meilleur;
}

FenetreOutil::FenetreOutil(QWidget *principale, const QString &nom, const QString &titre, Suivi suivi,
                           Qt::WindowFlags drapeaux)
    : QWidget(principale, Qt::Tool | drapeaux), m_suivi(suivi)
{
    setObjectName(nom);
    setWindowTitle(titre);
    setAccessibleName(titre);
    setWindowModality(Qt::NonModal);
    appliquerPalette(this);

    // Escape closes the window whichever of its controls has the focus.
    auto *echap = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    echap->setContext(Qt::WindowShortcut);
    connect(echap, &QShortcut::activated, this, &QWidget::close);

    m_principale = principale;
    if (principale && suivi == Suivi::Toujours)
        principale->installEventFilter(this);
}

FenetreOutil::~FenetreOutil()
{
    if (m_principale)
        m_principale->removeEventFilter(this);
}

void FenetreOutil::suivre(QWidget *fenetre)
{
    if (m_principale)
        m_principale->removeEventFilter(this);
    m_principale = fenetre;
    m_suivi = Suivi::Toujours;
    if (fenetre)
        fenetre->installEventFilter(this);
    placer();
}

void FenetreOutil::ouvrir(const VuePrincipale &vue)
{
    if (!isVisible()) {
        preparer(vue);
        placer(true);
    }
    show();
    raise();
    // A window that only shows something leaves the keyboard to the main
    // window (Qt::WA_ShowWithoutActivating); one that takes input takes it.
    if (!testAttribute(Qt::WA_ShowWithoutActivating))
        activateWindow();
}

void FenetreOutil::resultatsChanges(const VuePrincipale &vue)
{
    if (isVisible())
        actualiser(vue);
}

void FenetreOutil::preparer(const VuePrincipale &) {}

void FenetreOutil::actualiser(const VuePrincipale &) {}

void FenetreOutil::placer(bool voisines)
{
    if (!m_principale)
        return;
    const QRect cadre = m_principale->frameGeometry();
    const QScreen *ecran = QGuiApplication::screenAt(cadre.center());
    if (!ecran)
        ecran = m_principale->screen();
    if (!ecran)
        return;
    const QRect zone = ecran->availableGeometry();

    // The frame this window has, or will have: before it first shows, its
    // frame is taken to be as wide as the main window's.
    // On a scaled screen the frame's sides, rounded to whole pixels each,
    // and the window's place may lose up to two pixels: they are counted in.
    const int arrondi = ecran->devicePixelRatio() > 1 ? 2 : 0;
    const QMargins m = (isVisible() && frameGeometry() != geometry() ? marges(*this) : marges(*m_principale))
                       + QMargins(0, 0, arrondi, arrondi);
    // Smaller when it is larger than the screen: resized when it may be,
    // its controls scrolled when it may not.
    const QSize place = zone.size().shrunkBy(m);
    if (m_defilement || (!layout() && (minimumWidth() > place.width() || minimumHeight() > place.height())))
        defiler(place);
    else if (width() > place.width() || height() > place.height())
        resize(size().boundedTo(place).expandedTo(minimumSize()).boundedTo(maximumSize()));

    QList<QRect> autres;
    if (voisines) {
        for (const FenetreOutil *f : m_principale->findChildren<FenetreOutil *>(Qt::FindDirectChildrenOnly)) {
            if (f != this && f->isVisible())
                autres << f->frameGeometry();
        }
    }
    move(placerOutil(cadre, size().grownBy(m), zone, autres));
}

void FenetreOutil::fixerTaille(const QSize &taille)
{
    if (m_defilement)
        m_defilement->widget()->setFixedSize(taille);
    else
        setFixedSize(taille);
    if (!isVisible() || !m_principale)
        return;
    const QScreen *ecran = QGuiApplication::screenAt(m_principale->frameGeometry().center());
    if (!ecran)
        ecran = m_principale->screen();
    if (m_defilement || (ecran && !ecran->availableGeometry().contains(frameGeometry())))
        placer(true);
}

void FenetreOutil::defiler(const QSize &place)
{
    if (!m_defilement) {
        // The controls keep their places, now in the scrolled content.
        auto *contenu = new QWidget;
        contenu->setObjectName(objectName() + QStringLiteral("_Contenu"));
        contenu->setFixedSize(minimumSize());
        for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!w->isWindow())
                w->setParent(contenu);
        }
        // The wheel scrolls the window: a list it passes over keeps its
        // choice unless it has the focus.
        for (QComboBox *liste : contenu->findChildren<QComboBox *>()) {
            liste->setFocusPolicy(Qt::StrongFocus);
            liste->installEventFilter(this);
        }
        m_defilement = new QScrollArea(this);
        m_defilement->setObjectName(QStringLiteral("Defilement"));
        m_defilement->setFrameShape(QFrame::NoFrame);
        m_defilement->setWidget(contenu);
        auto *disposition = new QVBoxLayout(this);
        disposition->setContentsMargins(0, 0, 0, 0);
        disposition->addWidget(m_defilement);
        if (isVisible())
            m_defilement->show();
    }
    // As large as the content and the scroll bars it needs, within `place`.
    const QSize contenu = m_defilement->widget()->size();
    const int barre = m_defilement->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_defilement);
    QSize taille = contenu;
    bool horizontale = false, verticale = false;
    for (int passe = 0; passe < 2; ++passe) {
        verticale = verticale || taille.height() > place.height();
        horizontale = horizontale || taille.width() > place.width();
        taille = contenu + QSize(verticale ? barre : 0, horizontale ? barre : 0);
    }
    const QSize maxi = contenu + QSize(barre, barre);
    setMinimumSize(QSize(4 * barre, 4 * barre).boundedTo(place));
    setMaximumSize(maxi);
    resize(taille.boundedTo(place));
}

// Escape that no control took, when the shortcut did not see it (the
// window not yet the focus window).
void FenetreOutil::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FenetreOutil::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit ferme();
}

// The drop-down lists in the program's palette too, whatever the desktop's
// menus look like.
void FenetreOutil::showEvent(QShowEvent *event)
{
    appliquerPaletteListes(this);
    QWidget::showEvent(event);
}

bool FenetreOutil::eventFilter(QObject *objet, QEvent *event)
{
    if (m_defilement && event->type() == QEvent::Wheel && qobject_cast<QComboBox *>(objet)
        && !static_cast<QWidget *>(objet)->hasFocus()) {
        QCoreApplication::sendEvent(m_defilement->verticalScrollBar(), event);
        return true;
    }
    if (objet == m_principale && m_suivi == Suivi::Toujours && isVisible()
        && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        placer();
    return QWidget::eventFilter(objet, event);
}

} // namespace vestrel
