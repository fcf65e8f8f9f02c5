#pragma once

#include "tables/classe.h"
#include "tables/cote.h"
#include "ui/survol.h"

#include <QGroupBox>
#include <QString>

#include <array>
#include <string_view>

namespace vestrel {

class Forme;

// The frame "Toolbars" of the main window: a class is composed from a letter
// code and a grade, on one row pair for the bore and one for the shaft. Only
// the grades that exist for the letter at the diameter are enabled.
class BarreOutils : public QGroupBox
{
    Q_OBJECT

public:
    // The two rows of a side: its letter codes and its grades.
    enum class Rang { Lettre, Grade };

    explicit BarreOutils(QWidget *parent = nullptr);

    // The catalogue whose letters and grades the toolbar offers, laid out
    // for it (the whole system's needs a taller frame). The classes
    // composed so far stay selected where the new catalogue has them, else
    // the default fit's class is.
    void setSysteme(Systeme systeme);
    Systeme systeme() const { return m_systeme; }
    // How much taller than the default catalogue's the frame is, in twips.
    int hausseTwips() const;

    // The nominal diameter whose grades the picker offers (0 until set).
    // The grades of the letters picked follow it: where the grade picked
    // has no class, its side composes none (classeComposee is empty) and no
    // grade cell is lit, until the diameter has it again or a cell is
    // pressed.
    void setDiametre(double d);
    double diametre() const { return m_diametre; }

    // Start state: H7 / f7 selected, their grade cells enabled at the start
    // diameter.
    void initialiser();

    // Selects the cells of a class text of the side's catalogue (stars
    // allowed: "E11*"), with the grades of its letter enabled at the
    // diameter, as if it had been composed here; nothing is reported. A
    // text the toolbar cannot compose changes nothing and gives false.
    bool montrerClasse(Cote cote, std::string_view classe);
    // The side without a class: no letter or grade cell selected, every
    // grade disabled until a letter is pressed.
    void effacerClasse(Cote cote);

    // Letter code and grade picked, and the class text they compose at the
    // diameter; empty while the side has none.
    QString lettre(Cote cote) const;
    QString grade(Cote cote) const;
    QString classeComposee(Cote cote) const;

    // The cells of one row, and its selected and last hovered index.
    const Rangee &rangee(Cote cote, Rang rang) const;
    int indiceChoisi(Cote cote, Rang rang) const;
    int indiceSurvole(Cote cote, Rang rang) const;
    Forme *cadreSel() const { return m_cadreSel; }

    // Removes every hover effect of the four rows and hides the hover frame.
    void retirerSurvol();
    // Enables or disables the "T" and "t" cells.
    void activerT(bool actif);


signals:
    // A press composed `classe` on side `cote`; the main window stores it,
    // looks it up and shows it.
    void classeChoisie(vestrel::Cote cote, const QString &classe);
    // The pointer moved over the frame outside the cells.
    void survolFond();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    struct Ligne {
        Rangee cellules;
        int sel = 0;
        int survol = 0;
    };
    // No grade picked (0 is IT0 in the whole system).
    static constexpr int SansGrade = -100;
    struct Choix {
        int lettre = -1;         // index of the letter code picked, -1 none
        int grade = SansGrade;   // grade picked, as a number (Grade01 for IT01)
    };

    Ligne &ligne(Cote cote, Rang rang);
    const Ligne &ligne(Cote cote, Rang rang) const;

    void presseLettre(Cote cote, int indice);
    void presseGrade(Cote cote, int indice);
    void survole(Cote cote, Rang rang, int indice, const QPoint &globalPos);
    void construire();
    void activerGrades(Cote cote);
    // The grades the side's letter may compose at the diameter.
    unsigned masqueGrades(Cote cote) const;
    void etatGrades(Cote cote, unsigned masque);
    void composer(Cote cote);

    Systeme m_systeme = Systeme::Defaut;
    double m_diametre = 0;
    std::array<Ligne, 4> m_lignes;
    QList<Forme *> m_contours;
    std::array<Choix, 2> m_choix;
    Forme *m_cadreSel = nullptr;
};

} // namespace vestrel
