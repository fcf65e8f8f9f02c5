#pragma once

#include "calcul/ajustement_affiche.h"
#include "calcul/resultat.h"
#include "rendu/schema.h"
#include "ui/fenetre_outil.h"

#include <optional>

namespace vestrel {

// The window "Schéma des tolérances": the tolerance zones of the fit the
// main window shows, laid out at the window's size and painted. The layout
// is made when the window paints, once per fit and size: a hidden window
// keeps only the fit and its accessible text. A tool window that stays
// beside the main window and follows it; opened, it draws the main window's
// fit and every change of it.
class Schema : public FenetreOutil
{
    Q_OBJECT

public:
    explicit Schema(QWidget *parent = nullptr);
    ~Schema() override;

    // Draws this fit's result, numbers with the separator of QLocale(); with
    // `service`, the fit in service over it.
    void montrer(const ResultatAjustement &resultat, const EtatService *service = nullptr);
    const AjustementAffiche &ajustement() const { return m_resultat.ajustement; }
    const std::optional<EtatService> &service() const { return m_service; }
    const ModeleSchema &modele() const { return m_modele; }
    // The drawing laid out at the window's current size, made now if the
    // fit or the size changed since it was last made.
    const PlanSchema &plan() const;
    bool planAJour() const { return m_plan && m_plan->largeur == width() && m_plan->hauteur == height(); }

protected:
    void preparer(const VuePrincipale &vue) override;
    void actualiser(const VuePrincipale &vue) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    ResultatAjustement m_resultat;
    std::optional<EtatService> m_service;
    ModeleSchema m_modele;
    mutable std::optional<PlanSchema> m_plan;
};

// The decimal separator of QLocale(), for the texts of the tables.
std::string separateurLocal();

} // namespace vestrel
