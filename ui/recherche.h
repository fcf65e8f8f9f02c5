#pragma once

#include "tables/classe.h"
#include "calcul/service.h"
#include "ui/fenetre_outil.h"

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace vestrel {

class Cellule;
class ResultatsRecherche;

// The window "Rechercher un ajustement": a diameter and a wanted clearance
// range in, the fits whose whole clearance range lies inside out, found in
// the tables at every change of an input. "Appliquer", Enter or a double
// click on a row hands the chosen fit to whoever listens to appliquer(). A
// tool window of the main window, placed beside it when it opens; opened
// again after a close, it starts from the main window's diameter.
class Recherche : public FenetreOutil
{
    Q_OBJECT

public:
    // Opens on the diameter text `diametreTexte` (as the main window's box
    // holds it), beside `fenetre` when one is given; `fenetre` is also the
    // parent, so that the tool window stays over it.
    explicit Recherche(QWidget *fenetre = nullptr, const QString &diametreTexte = QStringLiteral("2"));
    ~Recherche() override;

    // Sets the diameter text as if typed; the results follow.
    void setDiametreTexte(const QString &texte);
    // Sets the diameter text and the wanted clearance range (mm) as if typed.
    void setDemande(const QString &diametreTexte, double jeuMini_mm, double jeuMaxi_mm);

    // The parts in service while "Jeu en service" is open, else none: the
    // box "En service" can be checked only while there are some; checked,
    // the wanted range is one in service, searched as the range at 20 °C
    // moved by −ΔS at the diameter typed here.
    void setService(const std::optional<ConditionsService> &conditions);

signals:
    // The fit chosen: the diameter as typed, the bore and shaft class texts.
    void appliquer(const QString &diametreTexte, const QString &alesage, const QString &arbre);

protected:
    void preparer(const VuePrincipale &vue) override;
    void actualiser(const VuePrincipale &vue) override;
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    void creerControles();
    void rechercher();
    // The message line, red when it says why nothing is listed.
    void afficherMessage(const QString &message, bool alerte);
    void appliquerLigne(int ligne);
    void appliquerCourante();

    QLineEdit *m_diametre = nullptr;
    QLineEdit *m_jeuMini = nullptr;
    QLineEdit *m_jeuMaxi = nullptr;
    QComboBox *m_base = nullptr;
    QCheckBox *m_preferes = nullptr;
    QCheckBox *m_enService = nullptr;
    std::optional<ConditionsService> m_service;
    QTableView *m_table = nullptr;
    QLabel *m_message = nullptr;
    Cellule *m_appliquer = nullptr;
    ResultatsRecherche *m_resultats = nullptr;
    Systeme m_systeme = Systeme::Defaut;
};

} // namespace vestrel
