#pragma once

#include "calcul/ajustement.h"
#include "cli/fit.h"
#include "tables/classe.h"
#include "tables/cote.h"
#include "tables/ecarts.h"

#include <string>
#include <string_view>

// What every form of vestrel-fit reads its arguments with.
namespace vestrel {

// Bad input: the one line vestrel-fit prints on stderr.
struct MauvaiseEntree {
    std::string message;
};

// What a form prints on stdout, and the exit status.
struct Sortie {
    std::string texte;
    int code = SortieOk;
};

// An argument quoted back for a diagnostic: at most 40 bytes, every byte that
// is not printable ASCII escaped, so the diagnostic stays one clean line.
std::string cite(std::string_view texte);

enum class Lecture { Nombre, Malforme, HorsLimites };

// A whole plain decimal number: an optional "-", digits with at most one
// "." or "," as separator ("12,5" is 12.5, as in the window).
Lecture lireDecimal(std::string_view texte, double &v);

// A nominal diameter of the system's range (1 < D <= 500 mm by default),
// written as a plain decimal number.
double lireDiametre(std::string_view texte, Systeme systeme = Systeme::Defaut);

// The deviations of a class at D (the diameter as written in texteD), or
// bad input saying what is wrong with the class.
PaireEcarts ecartsClasse(Cote cote, std::string_view classe, double d, std::string_view texteD,
                         Systeme systeme = Systeme::Defaut);

// Whether an argument is an option: "-5" and "-.5" are (bad) numbers, not
// options.
bool estOption(std::string_view a);

// Marks an option that may be given once as seen; bad input the second time.
void uneFois(bool &vue, std::string_view option);

// The kind of fit as the command writes it: "jeu", "incertain", "serrage".
std::string_view motNature(Nature n);

} // namespace vestrel
