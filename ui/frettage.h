#pragma once

#include "calcul/ajustement_affiche.h"
#include "calcul/frettage.h"
#include "ui/export.h"
#include "ui/fenetre_outil.h"

#include <QList>
#include <QStringList>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace vestrel {

class Cellule;

// One line of the results: its caption with the unit, the value at the
// smallest and at the largest interference; a value that does not depend on
// the limit fills both columns (unique).
struct LigneFrettage {
    QString libelle;
    QString mini;
    QString maxi;
    bool unique = false;
};

// The window "Assemblage serré": will the fit the main window shows hold as
// a press or shrink fit? The parts, their materials and surfaces, friction,
// an optional load and the service conditions in; for both limits of the
// fit the pressure, what the joint transmits, the stresses, the press-in
// force, the joining temperatures and the joint in service out, with the
// verdicts in words and colour. A tool window of the main window that
// follows its fit while shown.
class Frettage : public FenetreOutil
{
    Q_OBJECT

public:
    explicit Frettage(QWidget *fenetre = nullptr);
    ~Frettage() override;

    // Computes the press fit of this fit (the main window's, as shown). The
    // hub outer diameter and the joint length follow its diameter (2·D and
    // D) until the user types them.
    void montrer(const ResultatAjustement &ajustement);
    const ResultatAjustement &ajustement() const { return m_ajustement; }

    // The inputs as read from the controls, and the last evaluation.
    ParametresFrettage parametres() const;
    const EvaluationFrettage &evaluation() const { return m_evaluation; }
    // The results as shown, line by line.
    QList<LigneFrettage> lignes() const;
    // The inputs and results as text lines, for the PDF fit sheet.
    QStringList texteEntrees() const;
    QStringList texteResultats() const;
    // The PDF fit sheet's page of the press fit.
    PageTexte pageExport() const;

signals:
    // "Chercher les ajustements qui tiennent": the finder at this diameter
    // (as text) on the clearance range [mini, maxi] in mm.
    void chercher(const QString &diametreTexte, double jeuMini_mm, double jeuMaxi_mm);

protected:
    void preparer(const VuePrincipale &vue) override;
    void actualiser(const VuePrincipale &vue) override;
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    // The value boxes of one part's material, in the order of the table's
    // fields.
    struct CotePiece {
        QComboBox *materiau = nullptr;
        std::array<QLineEdit *, 6> valeurs{};
        QLineEdit *rz = nullptr;
        QLineEdit *temperature = nullptr;
    };

    void creerControles();
    void remplirMateriau(int piece, int index);
    void calculer();
    void afficher();
    void chercherAjustements();
    QStringList texteResultats(const QList<LigneFrettage> &lignes) const;
    // The box that holds no number yet (empty, or a lone "-"), as the
    // message names it; empty when every needed box gives one.
    QString manque() const;
    // Why there are no results.
    QString raison() const;

    ResultatAjustement m_ajustement;
    EvaluationFrettage m_evaluation;
    ParametresFrettage m_parametres;
    std::array<CotePiece, 2> m_pieces; // hub, shaft
    QLineEdit *m_diaExt = nullptr;
    QLineEdit *m_diaInt = nullptr;
    QLineEdit *m_longueur = nullptr;
    QComboBox *m_lissage = nullptr;
    QLineEdit *m_frottement = nullptr;
    QLineEdit *m_frottementEmmanchement = nullptr;
    QLineEdit *m_couple = nullptr;
    QLineEdit *m_effort = nullptr;
    QLineEdit *m_KA = nullptr;
    QLineEdit *m_securiteGlissement = nullptr;
    QLineEdit *m_securitePlastification = nullptr;
    QLineEdit *m_vitesse = nullptr;
    QLineEdit *m_refroidi = nullptr;
    QTableWidget *m_resultats = nullptr;
    QLabel *m_regle = nullptr;
    QLabel *m_verdicts = nullptr;
    QLabel *m_message = nullptr;
    Cellule *m_chercher = nullptr;
    bool m_remplissage = false;
    // The hub outer diameter and the joint length, once edited by the user,
    // no longer follow the diameter.
    bool m_diaExtSaisi = false;
    bool m_longueurSaisi = false;
    QString m_manque;
    QStringList m_libelles; // the captions of the table's lines
};

} // namespace vestrel
