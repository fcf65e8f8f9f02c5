#include "ui/cellule.h"

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
            if (m_appearance == 1) {
                // Sunken 3D border, as a selected cell shows it.
                p.setPen(palette().color(QPalette::Dark));
                p.drawLine(r.topLeft(), r.topRight());
                p.drawLine(r.topLeft(), r.bottomLeft());
                p.setPen(palette().color(QPalette::Light));
                p.drawLine(r.bottomLeft(), r.bottomRight());
                p.drawLine(r.topRight(), r.bottomRight());
                p.setPen(palette().color(QPalette::Shadow));
                p.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
                p.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
            } else {
                p.setPen(Qt::black);
                p.drawRect(r.adjusted(0, 0, -1, -1));
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
    p.setPen(m_contour);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace vestrel
