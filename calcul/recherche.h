#pragma once

#include "calcul/ajustement.h"

#include <vector>

namespace vestrel {

// The classes a search walks: the hole basis (bore classes H only), the
// shaft basis (shaft classes h only) or every class.
enum class Base { Alesage, Arbre, Toutes };

// A wanted clearance range at a diameter: a fit matches when its whole
// range lies inside, jeu mini >= jeuMini and jeu maxi <= jeuMaxi (mm,
// negative for interference).
struct DemandeRecherche {
    double diametre = 0;
    double jeuMini = 0;
    double jeuMaxi = 0;
    Base base = Base::Toutes;
    bool recommandesSeulement = false;
    Systeme systeme = Systeme::Defaut; // the catalogue searched
};

// Why a request is not searched.
enum class RefusRecherche {
    Aucun,
    Diametre,     // outside the catalogue's range (1 < D <= 500 by default)
    JeuxInverses, // jeuMini > jeuMaxi (or not numbers)
};
RefusRecherche verifierDemande(const DemandeRecherche &demande);

// A fit found: its two classes, its clearances as the main window shows them
// (the values of its four-decimal texts) and what the order is made of.
struct AjustementTrouve {
    int alesage = 0;    // index in catalogue(Cote::Alesage, systeme)
    int arbre = 0;      // index in catalogue(Cote::Arbre, systeme)
    int recommande = -1; // index in ajustementsRecommandes(), -1 for none
    int qualites = 0;   // sum of the two tolerance grades (IT01 counts -1)
    double jeuMax = 0;
    double jeuMin = 0;
    double jeuMoyen = 0;
    Nature nature = Nature::Incertain;
    // 0 for a fit that matches; otherwise how much the wanted range would
    // have to widen to hold the fit (mm).
    double ecart = 0;
};

inline constexpr int NbProches = 10;

struct ResultatRecherche {
    RefusRecherche refus = RefusRecherche::Aucun;
    Systeme systeme = Systeme::Defaut; // the catalogue of the class indexes
    // Nothing matches: `ajustements` holds the NbProches nearest fits.
    bool proches = false;
    // Matching fits: recommended ones first, then the coarsest (larger sum
    // of grades, cheaper to make), then the mean clearance nearest the
    // middle of the wanted range, then catalogue order. The nearest fits
    // are ordered by `ecart`, then the same way.
    std::vector<AjustementTrouve> ajustements;
};

// Searches every pair of classes offered at the diameter (the lists'
// classes, starred ones included) within the basis.
ResultatRecherche rechercherAjustements(const DemandeRecherche &demande);

} // namespace vestrel
