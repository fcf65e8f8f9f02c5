#include "ui/schema.h"

#include <QCloseEvent>
#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QSvgRenderer>

namespace vestrel {

std::string separateurLocal() { return QLocale().decimalPoint().toStdString(); }

namespace {

// The drawing is black on white: the window keeps light colours of its own
// whatever the desktop's theme, so that a dark theme cannot turn its frame
// dark around a white drawing.
QPalette paletteClaire()
{
    const QColor encre(32, 32, 32), blanc(255, 255, 255), gris(224, 224, 224);
    QPalette p(encre, gris, blanc, QColor(160, 160, 160), QColor(192, 192, 192), encre, blanc, blanc, blanc);
    p.setColor(QPalette::Highlight, QColor(181, 190, 214));
    p.setColor(QPalette::HighlightedText, encre);
    p.setColor(QPalette::ToolTipBase, blanc);
    p.setColor(QPalette::ToolTipText, encre);
    p.setColor(QPalette::PlaceholderText, QColor(96, 96, 96));
    return p;
}

} // namespace

Schema::Schema(QWidget *parent) : QWidget(parent, Qt::Tool), m_rendu(new QSvgRenderer(this))
{
    setObjectName(QStringLiteral("Schema"));
    setWindowTitle(QStringLiteral("Schéma des tolérances"));
    setAccessibleName(windowTitle());
    setPalette(paletteClaire());
    setAutoFillBackground(true);
    setMinimumSize(320, 240);
    resize(static_cast<int>(LargeurSchema), static_cast<int>(HauteurSchema));
    m_rendu->setAspectRatioMode(Qt::KeepAspectRatio);
    montrer(m_ajustement);
}

Schema::~Schema()
{
    if (m_fenetre)
        m_fenetre->removeEventFilter(this);
}

void Schema::montrer(const AjustementAffiche &ajustement)
{
    m_ajustement = ajustement;
    m_modele = construireSchema(ajustement, separateurLocal());
    setAccessibleDescription(QString::fromStdString(m_modele.description));
    redessiner();
}

void Schema::redessiner()
{
    const std::string svg = svgSchema(m_modele, width(), height());
    m_svg = QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
    m_rendu->load(m_svg);
    update();
}

void Schema::suivre(QWidget *fenetre)
{
    if (m_fenetre)
        m_fenetre->removeEventFilter(this);
    m_fenetre = fenetre;
    if (fenetre)
        fenetre->installEventFilter(this);
    placer();
}

void Schema::placer()
{
    if (!m_fenetre)
        return;
    const QRect cadre = m_fenetre->frameGeometry();
    move(cadre.right() + 1, cadre.top());
}

void Schema::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    m_rendu->render(&p, QRectF(rect()));
}

void Schema::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    redessiner();
}

void Schema::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit ferme();
}

bool Schema::eventFilter(QObject *objet, QEvent *event)
{
    if (objet == m_fenetre && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        placer();
    return QWidget::eventFilter(objet, event);
}

} // namespace vestrel
