#pragma once

#include "tables/cote.h"
#include "tables/etat.h"

#include <QString>
#include <QWidget>

#include <array>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QRadioButton;

namespace vestrel {
struct Jeux;
class BarreMenus;
class BarreOutils;
class Cellule;
class ListeClasses;
} // namespace vestrel

// Sizes and deviations typed in the free calculator (mm).
struct ValeursLibres {
    double Val_Dia1 = 0;
    double Val_Ec_Sup_Dia1 = 0;
    double Val_Ec_Inf_Dia1 = 0;
    double Val_Dia2 = 0;
    double Val_Ec_Sup_Dia2 = 0;
    double Val_Ec_Inf_Dia2 = 0;
};

// The program's main window: the diameter, the two class lists, the limits
// and clearances of the fit, and the frames of the other selection methods.
class Principale : public QWidget
{
    Q_OBJECT

public:
    explicit Principale(QWidget *parent = nullptr);
    ~Principale() override;

    const vestrel::EtatAjustement &etat() const { return m_etat; }
    const ValeursLibres &valeursLibres() const { return m_libres; }
    // The prefix typed so far into a class list (Saisie_Alesage, Saisie_Arbre).
    const QString &saisie(vestrel::Cote cote) const { return volet(cote).saisie; }

    // Maximum and minimum clearance from the four limit sizes on screen,
    // coloured by the kind of fit.
    void Calcul_Jeu();
    // Removes every hover effect of the window.
    void Effacer_Survol();

    // Switches to selection method k: 0 "Popup", 1 "Barre outil", 2 "Libre".
    void Changer_Methode(int k);
    // Limits and clearances of the sizes and deviations typed in the free
    // calculator.
    void Calcul_Libre();

    // A side's deviations and limit sizes; then the clearances once both
    // sides hold deviations found for their class at the current diameter.
    void Affiche(vestrel::Cote cote);
    void Affiche_Alesage() { Affiche(vestrel::Cote::Alesage); }
    void Affiche_Arbre() { Affiche(vestrel::Cote::Arbre); }

    // Answers a diameter outside 1 < D <= 500 with the warning and the
    // default fit (2 mm, H7/f7).
    void Controle_Diametre() { diametreRetabli(); }
    void Message_Diametre();

    // Appends the whole catalogue of a side to its list.
    void Remplir(vestrel::Cote cote);
    void Remplir_Alesage() { Remplir(vestrel::Cote::Alesage); }
    void Remplir_Arbre() { Remplir(vestrel::Cote::Arbre); }
    // Refills a side's list with the classes offered at Dia_Nominal; nothing
    // is selected afterwards.
    void Filtrer(vestrel::Cote cote);
    void Filtrer_Alesage() { Filtrer(vestrel::Cote::Alesage); }
    void Filtrer_Arbre() { Filtrer(vestrel::Cote::Arbre); }

    // Stores the class chosen for a side (list or toolbar), looks it up at
    // Dia_Nominal and shows it.
    void Choisir_Classe(vestrel::Cote cote, const QString &classe);
    // Looks up the side's class at Dia_Nominal and remembers whether, for
    // which class and at which diameter, deviations were found.
    bool Ecarts(vestrel::Cote cote);
    // Whether the side's deviations belong to its current class at the
    // current diameter: only then are they shown.
    bool ecartsAJour(vestrel::Cote cote) const;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *objet, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    // The controls of one side: its list, its label for the toolbar method,
    // its four result labels, the typed prefix, and where its deviations
    // were last found.
    struct Volet {
        vestrel::ListeClasses *liste = nullptr;
        QLabel *classeBarre = nullptr;
        QLabel *ecartSup = nullptr;
        QLabel *ecartInf = nullptr;
        QLabel *tailleMax = nullptr;
        QLabel *tailleMin = nullptr;
        QString saisie;
        bool trouve = false;
        std::string classeTrouvee;
        double diametreTrouve = 0;
    };
    Volet &volet(vestrel::Cote cote) { return m_volets[static_cast<int>(cote)]; }
    const Volet &volet(vestrel::Cote cote) const { return m_volets[static_cast<int>(cote)]; }

    vestrel::EtatAjustement m_etat;
    ValeursLibres m_libres;
    std::array<Volet, 2> m_volets;

    QGroupBox *m_popup = nullptr;
    QGroupBox *m_quelconque = nullptr;
    QGroupBox *m_frame2 = nullptr;
    QGroupBox *m_frame3 = nullptr;
    std::array<QRadioButton *, 3> m_chOpt{};
    QLineEdit *m_diametre = nullptr;
    QLabel *m_jMax = nullptr;
    QLabel *m_jMin = nullptr;
    vestrel::Cellule *m_calcul = nullptr;
    QLineEdit *m_recupCurseur = nullptr;
    vestrel::BarreOutils *m_barre = nullptr;
    vestrel::BarreMenus *m_menus = nullptr;
    std::array<QLineEdit *, 6> m_boitesLibres{};
    // The diameter the class lists were last built for.
    double m_diametreListes = 0;

private:
    void creerControles();
    void demarrer();
    void activation();

    void diametreChange();
    // Controle_Diametre; true when the default fit had to be restored.
    bool diametreRetabli();
    void retablirDefaut();
    // Selects H7 and f7 in the lists (positions 36 and 29 at 2 mm).
    void retablirClasses();
    void classeChoisie(vestrel::Cote cote, int position);
    void completerSaisie(vestrel::Cote cote, int touche);
    void viderResultats();
    // The toolbar's "T" and "t" cells are usable only where T and t classes
    // can exist.
    void activerCellulesT();
    // Shows the two clearances with four decimals, coloured by the kind of
    // fit.
    void afficherJeux(const vestrel::Jeux &jeux);

    void connecterLibre();
    bool filtreLibre(QObject *objet, QEvent *event);
    void presseCalcul();

    void connecterMethodes();
    bool filtreSurface(QObject *objet, QEvent *event);
    void rafraichirPopup(int precedente);
    void rafraichirBarre();
    void classeBarre(vestrel::Cote cote, const QString &classe);

    // Code that refills a list sets its position; those changes are no
    // user's choice.
    int m_remplissage = 0;
};
