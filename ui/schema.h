#pragma once

#include "calcul/ajustement_affiche.h"
#include "rendu/schema.h"

#include <QPointer>
#include <QWidget>

#include <optional>

namespace vestrel {

// The window "Schéma des tolérances": the tolerance zones of the fit the
// main window shows, laid out at the window's size and painted. The layout
// is made when the window paints, once per fit and size: a hidden window
// keeps only the fit and its accessible text. A tool window (no taskbar
// entry, never modal) that closing only hides; it can stay against the
// right edge of the main window and follow it.
class Schema : public QWidget
{
    Q_OBJECT

public:
    explicit Schema(QWidget *parent = nullptr);
    ~Schema() override;

    // Draws this fit, numbers with the separator of QLocale(); with
    // `service`, the fit in service over it.
    void montrer(const AjustementAffiche &ajustement, const EtatService *service = nullptr);
    const AjustementAffiche &ajustement() const { return m_ajustement; }
    const std::optional<EtatService> &service() const { return m_service; }
    const ModeleSchema &modele() const { return m_modele; }
    // The drawing laid out at the window's current size, made now if the
    // fit or the size changed since it was last made.
    const PlanSchema &plan() const;
    bool planAJour() const { return m_plan && m_plan->largeur == width() && m_plan->hauteur == height(); }

    // Places the window against the right edge of `fenetre`, at its top,
    // and keeps it there while `fenetre` moves or is resized.
    void suivre(QWidget *fenetre);
    void placer();

signals:
    // The user closed the window (it is only hidden).
    void ferme();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    AjustementAffiche m_ajustement;
    std::optional<EtatService> m_service;
    ModeleSchema m_modele;
    mutable std::optional<PlanSchema> m_plan;
    QPointer<QWidget> m_fenetre;
};

// The decimal separator of QLocale(), for the texts of the tables.
std::string separateurLocal();

} // namespace vestrel
