#pragma once

#include "tables/cote.h"
#include "tables/ecarts.h"

#include <array>
#include <cstdint>
#include <string>

namespace vestrel {

// The three ways of choosing the fit: the class lists ("Popup"), the
// toolbar ("Barre outil"), the free calculator ("Libre").
enum class Methode : std::int16_t { Popup = 0, BarreOutil = 1, Libre = 2 };
inline constexpr int NbMethodes = 3;
// Method k of the option buttons and of the Selection menu, counted from 0.
constexpr int indexMethode(Methode m) { return static_cast<int>(m); }
constexpr Methode methodeIndex(int k) { return static_cast<Methode>(k); }

// The fit state: the nominal diameter, the two chosen classes and their
// deviations (mm). The deviations are not cleared when a class is cleared.
struct EtatAjustement {
    double Dia_Nominal = 0;
    std::string Cl_Alesage;
    double Ec_Sup_Al = 0;
    double Ec_Inf_Al = 0;
    std::string Cl_Arbre;
    double Ec_Sup_Ar = 0;
    double Ec_Inf_Ar = 0;
    // The method as a 16-bit field, 0 to 2: read and written through
    // methodeDe and changerMethode only.
    std::int16_t Methode_Selection = 0;
    // The catalogue the classes and the diameter belong to.
    Systeme systeme = Systeme::Defaut;
};

inline Methode methodeDe(const EtatAjustement &etat) { return static_cast<Methode>(etat.Methode_Selection); }
inline void changerMethode(EtatAjustement &etat, Methode m) { etat.Methode_Selection = static_cast<std::int16_t>(m); }

// A side's class and deviations in the state.
inline std::string &classeDe(EtatAjustement &etat, Cote cote)
{
    return cote == Cote::Alesage ? etat.Cl_Alesage : etat.Cl_Arbre;
}
inline const std::string &classeDe(const EtatAjustement &etat, Cote cote)
{
    return cote == Cote::Alesage ? etat.Cl_Alesage : etat.Cl_Arbre;
}
inline PaireEcarts ecartsDe(const EtatAjustement &etat, Cote cote)
{
    return cote == Cote::Alesage ? PaireEcarts{etat.Ec_Sup_Al, etat.Ec_Inf_Al}
                                 : PaireEcarts{etat.Ec_Sup_Ar, etat.Ec_Inf_Ar};
}

// Looks up the side's class at Dia_Nominal in the state's catalogue and writes its two deviations into
// the state. Returns whether an entry was found; when none is, nothing is
// written and the previous deviations stay.
bool ecrireEcarts(Cote cote, EtatAjustement &etat);

// Where each side's deviations were last looked up, so that they are shown
// only while they belong to the side's current class at the current
// diameter (the state keeps the deviations of a class cleared since).
class SuiviEcarts
{
public:
    // ecrireEcarts, remembering for which class and diameter it found them.
    bool chercher(Cote cote, EtatAjustement &etat);
    // Whether the side's deviations in the state are those of its class at
    // Dia_Nominal in the state's catalogue.
    bool aJour(Cote cote, const EtatAjustement &etat) const;

private:
    struct Recherche {
        bool trouve = false;
        std::string classe;
        double diametre = 0;
        Systeme systeme = Systeme::Defaut;
    };
    std::array<Recherche, 2> m_recherches;
};

} // namespace vestrel
