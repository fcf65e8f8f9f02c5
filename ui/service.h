#pragma once

#include "calcul/ajustement_affiche.h"
#include "calcul/service.h"
#include "ui/fenetre_outil.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace vestrel {

// The window "Jeu en service": each part's material (its expansion shown
// and editable) and temperature, and the factor k of the probable range;
// the clearances of the fit shown in service, the kind of fit there, and
// the probable clearance. A tool window of the main window, placed beside it
// when it opens, following its fit while shown.
class Service : public FenetreOutil
{
    Q_OBJECT

public:
    explicit Service(QWidget *parent = nullptr);
    ~Service() override;

    // The fit the main window shows: the results follow.
    void montrer(const AjustementAffiche &ajustement);

    // The inputs as read, and what they give for the fit shown (none when
    // a side has no numbers or an input is refused).
    ConditionsService conditions() const;
    double facteur() const;
    // The box that holds no number yet (empty, or a lone "-"), named in the
    // message line; empty when every box gives one.
    QString manque() const;
    // The conditions when every box holds a number and they are accepted.
    std::optional<ConditionsService> conditionsSaisies() const;
    const std::optional<EtatService> &etat() const { return m_etat; }

signals:
    // The results changed (an input, or the fit shown), or the window was
    // shown or hidden.
    void change();

protected:
    void preparer(const VuePrincipale &vue) override;
    void actualiser(const VuePrincipale &vue) override;
    void hideEvent(QHideEvent *event) override;

private:
    void creerControles();
    void materiauChoisi(Cote cote);
    void calculer();
    void afficher();

    struct Piece {
        QComboBox *materiau = nullptr;
        QLineEdit *alpha = nullptr;
        QLineEdit *temperature = nullptr;
    };
    Piece &piece(Cote c) { return m_pieces[static_cast<int>(c)]; }
    const Piece &piece(Cote c) const { return m_pieces[static_cast<int>(c)]; }

    AjustementAffiche m_ajustement;
    std::optional<EtatService> m_etat;
    Piece m_pieces[2];
    QLineEdit *m_k = nullptr;
    QLabel *m_delta = nullptr;
    QLabel *m_jeuMax = nullptr;
    QLabel *m_jeuMin = nullptr;
    QLabel *m_nature = nullptr;
    QLabel *m_probable = nullptr;
    QLabel *m_moyen = nullptr;
    QLabel *m_partSerrage = nullptr;
    QLabel *m_partJeu = nullptr;
    QLabel *m_message = nullptr;
};

} // namespace vestrel
