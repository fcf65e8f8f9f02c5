#pragma once

#include "tables/classe.h"
#include "tables/cote.h"
#include "tables/ecarts.h"

#include <QGroupBox>
#include <QString>

#include <array>

class QLabel;
class QLineEdit;

namespace vestrel {

class ListeClasses;

// The frame "Popup" of the main window: the diameter box, the two class
// lists with their type-ahead, the class labels of the toolbar method and the
// four deviation labels. It keeps no fit: it reports what the user types and
// chooses, and shows what it is given.
class PanneauPopup : public QGroupBox
{
    Q_OBJECT

public:
    explicit PanneauPopup(QWidget *parent = nullptr);

    QString diametre() const;
    // Sets the text of the diameter box; a new text is reported by
    // diametreModifie before this returns.
    void setDiametre(const QString &texte);

    // Refills a side's list with the classes of a catalogue offered at d
    // (the whole catalogue outside every sub-step); nothing is selected
    // afterwards.
    void Filtrer(Cote cote, double d, Systeme systeme);
    void Filtrer_Alesage(double d, Systeme systeme) { Filtrer(Cote::Alesage, d, systeme); }
    void Filtrer_Arbre(double d, Systeme systeme) { Filtrer(Cote::Arbre, d, systeme); }
    // Refills both lists with another catalogue's classes offered at d,
    // each still showing what it showed (a class, or the text typed), and
    // reports no choice.
    void changerCatalogue(double d, Systeme systeme);

    // Selects the class in the side's list as the user would: the choice is
    // reported by classeChoisie before this returns.
    void choisir(Cote cote, const QString &classe);
    // The default fit: the diameter text "2", then H7 and f7 chosen, each
    // reported as the user's change would be.
    void retablirDefaut();
    // Shows the class in the side's list without reporting a choice; an
    // empty text leaves the list without selection and empty.
    void montrerClasse(Cote cote, const QString &classe);

    void afficherEcarts(Cote cote, const PaireEcarts &ecarts);
    void viderEcarts(Cote cote);
    // The class labels shown instead of the lists in the toolbar method.
    void setClasseBarre(Cote cote, const QString &classe);
    // The lists (true) or the class labels (false).
    void montrerListes(bool listes);

    // The text a side's list shows: a class, or the text typed into it.
    QString classeMontree(Cote cote) const;

    // The prefix typed so far into a class list (Saisie_Alesage, Saisie_Arbre).
    const QString &saisie(Cote cote) const { return volet(cote).saisie; }

signals:
    // The text of the diameter box changed (typed, pasted or set by code).
    void diametreModifie();
    // The user chose a class in a list (mouse, arrows, type-ahead, or choisir).
    void classeChoisie(vestrel::Cote cote, const QString &classe);
    // The text typed into a side's list names no class: that side has none.
    void classeInconnue(vestrel::Cote cote);

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    struct Volet {
        ListeClasses *liste = nullptr;
        QLabel *classeBarre = nullptr;
        QLabel *ecartSup = nullptr;
        QLabel *ecartInf = nullptr;
        QString saisie;
    };
    Volet &volet(Cote cote) { return m_volets[static_cast<int>(cote)]; }
    const Volet &volet(Cote cote) const { return m_volets[static_cast<int>(cote)]; }

    void positionChoisie(Cote cote, int position);
    void completerSaisie(Cote cote, int touche);

    std::array<Volet, 2> m_volets;
    QLineEdit *m_diametre = nullptr;
    // Above zero while code changes a list: those changes are no choice.
    int m_remplissage = 0;
    // Counts the refills of the lists (a reset during a choice refills them).
    int m_remplissages = 0;
};

} // namespace vestrel
