#include "ui/cellule.h"

#include "ui/pixels.h"

#include <QMouseEvent>
#include <QPainter>

namespace vestrel {

Cellule::Cellule(const QString &texte, QWidget *parent)
    : QLabel(texte, parent)
{
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
    setAutoFillBackground(false);
}

void Cellule::setBorderStyle(int style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    update();
}

void Cellule::setAppearance(int appearance)
{
    if (appearance == m_appearance)
        return;
    m_appearance = appearance;
    update();
}

void Cellule::setBackColor(const QColor &couleur)
{
    if (couleur == m_backColor)
        return;
    m_backColor = couleur;
    update();
}

void Cellule::paintEvent(QPaintEvent *event)
{
    {
        QPainter p(this);
        const QRect r = rect();
        p.fillRect(r, m_backColor);
        if (m_borderStyle == 1) {
            using Bord = BordsPixels::Bord;
            BordsPixels bords(p, r);
            if (m_appearance == 1) {
                // Sunken 3D border, as a selected cell shows it.
                bords.ligne(Bord::Haut, 0, palette().color(QPalette::Dark));
                bords.ligne(Bord::Gauche, 0, palette().color(QPalette::Dark));
                bords.ligne(Bord::Bas, 0, palette().color(QPalette::Light));
                bords.ligne(Bord::Droite, 0, palette().color(QPalette::Light));
                bords.ligne(Bord::Haut, 1, palette().color(QPalette::Shadow));
                bords.ligne(Bord::Gauche, 1, palette().color(QPalette::Shadow));
            } else {
                bords.cadre(Qt::black);
            }
        }
    }
    QLabel::paintEvent(event);
}

void Cellule::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit presse();
}

void Cellule::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit survole(event->globalPosition().toPoint());
}

Forme::Forme(const QColor &contour, const QColor &remplissage, QWidget *parent)
    : QWidget(parent), m_contour(contour), m_remplissage(remplissage)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

Forme::Forme(const QColor &contour, QWidget *parent)
    : Forme(contour, QColor(), parent)
{
}

void Forme::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_remplissage.isValid())
        p.fillRect(rect(), m_remplissage);
    BordsPixels(p, rect()).cadre(m_contour);
}

} // namespace vestrel
