#include "ui/schema.h"

#include "ui/dessin_schema.h"

#include <QLocale>
#include <QPainter>

namespace vestrel {

std::string separateurLocal() { return QLocale().decimalPoint().toStdString(); }

Schema::Schema(QWidget *parent)
    : FenetreOutil(parent, QStringLiteral("Schema"), QStringLiteral("Schéma des tolérances"), Suivi::Toujours)
{
    // The drawing is dark on white: the window keeps the program's light
    // colours whatever the desktop's theme (the base gives its palette),
    // and paints every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Opened, it leaves the keyboard to the main window, where the fit is
    // typed; a click gives it the keyboard (and Escape closes it).
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMinimumSize(320, 240);
    resize(static_cast<int>(LargeurSchema), static_cast<int>(HauteurSchema));
    montrer(m_resultat);
}

Schema::~Schema() = default;

// The fit in service, when drawn, stays until its window says otherwise.
void Schema::preparer(const VuePrincipale &vue) { montrer(vue.resultat, m_service ? &*m_service : nullptr); }

void Schema::actualiser(const VuePrincipale &vue) { montrer(vue.resultat, m_service ? &*m_service : nullptr); }

void Schema::montrer(const ResultatAjustement &resultat, const EtatService *service)
{
    m_resultat = resultat;
    m_service = service ? std::optional<EtatService>(*service) : std::nullopt;
    m_modele = construireSchema(resultat, separateurLocal(), service);
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

} // namespace vestrel
