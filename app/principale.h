#pragma once

#include "app/panneau_libre.h"
#include "calcul/ajustement_affiche.h"
#include "calcul/resultat.h"
#include "tables/cote.h"
#include "calcul/etat.h"

#include <QString>
#include <QRect>
#include <QWidget>

#include <array>
#include <string>

class QLineEdit;
class QMouseEvent;

namespace vestrel {

class BarreMenus;
class BarreOutils;
class OutilsPrincipale;
class SurvolFenetre;
class PanneauLibre;
class PanneauMethodes;
class PanneauPopup;
class PanneauResultats;

// The program's main window: the fit state, the switch between the three
// selection methods, the menus, and the wiring between its panels (the
// diameter and class lists, the free calculator, the toolbar, the results).
class Principale : public QWidget
{
    Q_OBJECT

public:
    explicit Principale(QWidget *parent = nullptr);
    ~Principale() override;

    const EtatAjustement &etat() const { return m_etat; }
    const ValeursLibres &valeursLibres() const;
    // The prefix typed so far into a class list (Saisie_Alesage, Saisie_Arbre).
    const QString &saisie(Cote cote) const;
    // The fit the results show now, in whichever method, and its result
    // (sizes, clearances, kind of fit) that the results frame prints;
    // resultatsChanges tells when they changed.
    const AjustementAffiche &affichage() const { return m_affichage; }
    const ResultatAjustement &resultat() const { return m_resultat; }

    // Computes the result of the fit shown and prints it in "Frame2": the
    // limit sizes, the clearances coloured by the kind of fit. Every action
    // that changes the fit shown ends with it.
    void Calcul_Jeu();
    // The text of the diameter box, as typed.
    QString texteDiametre() const;
    // A fit chosen elsewhere (the finder), applied as the user would: the
    // "Popup" method, the diameter typed, then both classes chosen in their
    // lists. One action: resultatsChanges follows once.
    void appliquerAjustement(const QString &diametre, const QString &alesage, const QString &arbre);
    // The Outils menu's windows and commands.
    OutilsPrincipale *outils() const { return m_outils; }

    // The catalogue of the lists, the toolbar, the lookups and the
    // diameter's range: the default one, or the whole ISO 286 system. One
    // action: resultatsChanges follows once when the fit shown changed.
    void setSysteme(Systeme systeme);
    Systeme systeme() const { return m_etat.systeme; }

    // Removes every hover effect of the window.
    void Effacer_Survol();

    // Switches to a selection method.
    void Changer_Methode(Methode k);
    // Limits and clearances of the sizes and deviations typed in the free
    // calculator.
    void Calcul_Libre();

    // A side's deviations, and its part of the fit shown: numbers only for
    // deviations found for its class at the current diameter.
    void Affiche(Cote cote);
    void Affiche_Alesage() { Affiche(Cote::Alesage); }
    void Affiche_Arbre() { Affiche(Cote::Arbre); }

    // Stores the class chosen for a side (list or toolbar), looks it up at
    // Dia_Nominal and shows it.
    void Choisir_Classe(Cote cote, const QString &classe);
    // Whether the side's deviations belong to its current class at the
    // current diameter: only then are they shown.
    bool ecartsAJour(Cote cote) const;

signals:
    // What affichage() returns changed: a class chosen (list, type-ahead,
    // toolbar), a new diameter, a method switch, "Calculer", the default
    // fit restored. Emitted once per action, after it.
    void resultatsChanges();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    class Operation;

    void creerPanneaux();
    void demarrer();
    void connecter();

    void fixerDiametre(double d);
    void diametreChange();
    // Answers a diameter outside the catalogue's range with the warning and the
    // default fit (2 mm, H7/f7); true when it had to.
    bool Controle_Diametre();
    void Message_Diametre();
    void classeChoisie(Cote cote, const QString &classe);
    void classeInconnue(Cote cote);
    // Looks up the side's class at Dia_Nominal and remembers whether, for
    // which class and at which diameter, deviations were found.
    bool chercher(Cote cote);
    void viderResultats();
    // The toolbar's "T" and "t" cells are usable only where T and t classes
    // can exist.
    void activerCellulesT();
    bool horsCatalogue() const;

    void presseCalcul();
    void rafraichirPopup(Methode precedente);
    void rafraichirBarre();
    void classeBarre(Cote cote, const QString &classe);
    void prendreFocus();

    EtatAjustement m_etat;
    SuiviEcarts m_suivi;
    // The diameter the class lists were last built for.
    double m_diametreListes = 0;
    AjustementAffiche m_affichage;
    ResultatAjustement m_resultat;
    // Nesting of the operations under way, and what was shown before the
    // outermost one.
    int m_operations = 0;
    AjustementAffiche m_avant;

    PanneauMethodes *m_methodes = nullptr;
    PanneauPopup *m_popup = nullptr;
    PanneauLibre *m_libre = nullptr;
    PanneauResultats *m_resultats = nullptr;
    QLineEdit *m_recupCurseur = nullptr;
    BarreOutils *m_barre = nullptr;
    BarreMenus *m_menus = nullptr;
    OutilsPrincipale *m_outils = nullptr;
    SurvolFenetre *m_survol = nullptr;
};

} // namespace vestrel
