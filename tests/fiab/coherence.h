#pragma once

#include "app/principale.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <array>
#include <optional>

namespace fiab {

// Where the results of Frame2 for one side were last written from: the
// tables (list, toolbar, switch to "Popup") or the free calculator ("Calculer",
// switch to "Libre"). The tests know it from the actions they ran.
enum class Origine { Tables, Libre };

// What the tests remember between two checks.
struct Suivi {
    std::array<Origine, 2> origine{Origine::Tables, Origine::Tables};
    // The free values at the last "Calculer" or switch to "Libre".
    std::optional<vestrel::ValeursLibres> libres;
    // Whether every free box held a number then; if not, no free result
    // may show.
    bool libresSaisis = true;

    // A "Calculer" press or a switch to "Libre" happened.
    void calculLibre(const vestrel::Principale &f);
    // A switch to "Popup" or "Barre outil", a choice in a list, a toolbar
    // press or a change of diameter in "Popup": both sides show the tables.
    void tables() { origine = {Origine::Tables, Origine::Tables}; }
};

// Every inconsistency between what the window shows and what the fit state,
// the tables and the free values say; empty when the display is consistent.
QStringList incoherences(const vestrel::Principale &f, const Suivi &suivi);

// Whether the diagram window, when open, draws what the main window shows:
// the same fit, and in its text the classes shown and both clearance labels
// in µm. Empty when it does, or when it is not open.
QString incoherenceSchema(const vestrel::Principale &f);

// Reads a number text shown by the window, whole and strictly (locale
// separator, no exponent); nothing when it is not such a text.
std::optional<double> lireAffiche(const QString &texte);

// Closes every modal box titled "Vestrel" and the about box as soon as it
// shows, and counts them, so that no modal loop can block a test.
class Fermeur : public QObject
{
public:
    Fermeur();
    ~Fermeur() override;
    int avertissements = 0;
    int aPropos = 0;

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    void fermer(QWidget *w);
    QTimer m_minuterie;
};

} // namespace fiab
