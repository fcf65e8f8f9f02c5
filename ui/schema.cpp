#include "ui/schema.h"

#include "ui/dessin_schema.h"
#include "ui/palette.h"

#include <QCloseEvent>
#include <QLocale>
#include <QPainter>

namespace vestrel {

std::string separateurLocal() { return QLocale().decimalPoint().toStdString(); }

Schema::Schema(QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("Schema"));
    setWindowTitle(QStringLiteral("Schéma des tolérances"));
    setAccessibleName(windowTitle());
    // The drawing is dark on white: the window keeps the program's light
    // colours whatever the desktop's theme, and paints every pixel itself.
    appliquerPalette(this);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 240);
    resize(static_cast<int>(LargeurSchema), static_cast<int>(HauteurSchema));
    montrer(m_ajustement);
}

Schema::~Schema()
{
    if (m_fenetre)
        m_fenetre->removeEventFilter(this);
}

void Schema::montrer(const AjustementAffiche &ajustement, const EtatService *service)
{
    m_ajustement = ajustement;
    m_service = service ? std::optional<EtatService>(*service) : std::nullopt;
    m_modele = construireSchema(ajustement, separateurLocal(), service);
    setAccessibleDescription(QString::fromStdString(m_modele.description));
    m_plan.reset();
    update();
}

const PlanSchema &Schema::plan() const
{
    if (!planAJour())
        m_plan = planSchema(m_modele, width(), height());
    return *m_plan;
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
    peindreSchema(p, plan());
}

void Schema::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_plan.reset();
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
