#pragma once

#include <QHash>
#include <QString>

#include <span>

class QGroupBox;
class QWidget;

namespace vestrel {

// One line of a frame's control table: what the control is, where it lies
// in its container (twips), its initial text and its font.
// Etiquette: a label with its text at the top; Texte: a label with its text
// centred vertically (a caption beside a box, a message line); Liste: a
// class list with type-ahead; Choix: a plain drop-down list; Case: a check
// box; Table: a table view; Bouton: a white cell that acts as a button.
enum class Genre { Cadre, Etiquette, Texte, Signe, Saisie, Liste, Choix, Option, Case, Table, Bouton };
// Bouton: the large button text of "Calculer"; PetitBouton: the button
// text of the tool windows.
enum class Police { Aucune, Comic, Sans, Symbole, Bouton, PetitBouton };

struct Controle {
    const char *nom;
    Genre genre;
    const char *conteneur; // nullptr: the root given to creerControles
    int gauche, haut, largeur, hauteur;
    const char *texte; // UTF-8
    Police police;
};

// Creates the controls of a table in its order (a frame before its content;
// a later control lies on top of an earlier one), named, placed and with
// their fonts. Returns them by object name.
QHash<QString, QWidget *> creerControles(std::span<const Controle> table, QWidget *racine);

// The control of that name, cast to its class.
template <class T>
T *controleDe(const QHash<QString, QWidget *> &controles, const char *nom)
{
    return static_cast<T *>(controles.value(QString::fromLatin1(nom)));
}

// Gives a frame of the window its name, place (twips), font and title (UTF-8),
// the font first: the title is measured in the frame's font when set.
void placerCadre(QGroupBox *cadre, const char *nom, const char *titre, int gauche, int haut, int largeur,
                 int hauteur);

} // namespace vestrel
