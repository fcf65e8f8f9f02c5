#pragma once

#include "calcul/ajustement.h"
#include "calcul/ajustement_affiche.h"
#include "calcul/recherche.h"
#include "calcul/thermique.h"
#include "tables/cote.h"

#include <array>
#include <optional>
#include <string>

namespace vestrel {

// The fit in service: each part at its own temperature, and the clearance a
// pair picked at random will have.

// What a service temperature may be: not below absolute zero, and not where
// no metal of the table is solid any more.
inline constexpr double ZeroAbsolu_C = -273.15;
inline constexpr double TemperatureMax_C = 3000;
// Linear expansion coefficients of solids stay far below this (1/K).
inline constexpr double DilatationMax_par_K = 1e-3;

// One part in service: its mean expansion coefficient near room
// temperature and its temperature.
struct PieceService {
    double alpha_par_K = 0;
    double temperature_C = TemperatureReference_C;

    friend bool operator==(const PieceService &, const PieceService &) = default;
};

// The bore part and the shaft, by Cote. The default is steel at 20 °C on
// both sides: no change from the drawing.
struct ConditionsService {
    std::array<PieceService, 2> pieces;

    ConditionsService();
    const PieceService &piece(Cote c) const { return pieces[static_cast<int>(c)]; }
    PieceService &piece(Cote c) { return pieces[static_cast<int>(c)]; }

    friend bool operator==(const ConditionsService &, const ConditionsService &) = default;
};

// Why conditions are not computed, and which side is at fault.
enum class RefusService { Aucun, TemperatureBasse, TemperatureHaute, Dilatation };
struct VerificationService {
    RefusService refus = RefusService::Aucun;
    Cote cote = Cote::Alesage;
};
VerificationService verifierConditions(const ConditionsService &c);

// ΔS (mm) at the diameter D (in "Libre" the bore size) for these parts.
double variationJeu_mm(double D_mm, const ConditionsService &c);

// press-fit.md §6: a clearance in service is the clearance at 20 °C plus ΔS.
double jeuEnService_mm(double jeu_mm, double deltaS_mm);

// Both clearances at 20 °C (mm) moved by ΔS, as the main window shows
// clearances (four decimals), and the kind of fit judged on them.
Jeux jeuxDecales(double jeuMax_mm, double jeuMin_mm, double deltaS_mm);

// The fit in service: ΔS, both clearances moved by it (four decimals, as the
// main window shows clearances) and the kind of fit judged again on them.
struct JeuxService {
    double deltaS_mm = 0;
    Jeux jeux;
};
// None when a side has no numbers, or the conditions are refused.
std::optional<JeuxService> jeuxEnService(const AjustementAffiche &a, const ConditionsService &c);

// The wanted range of the finder: at one diameter ΔS is a constant, so a
// range in service is the range at 20 °C moved by −ΔS.
struct PlageJeu {
    double mini_mm = 0;
    double maxi_mm = 0;
};
PlageJeu plageAVingtDegres(PlageJeu enService, double deltaS_mm);
// The finder's request for a wanted range in service.
DemandeRecherche demandeEnService(DemandeRecherche demande, double deltaS_mm);

// The probable clearance: each part's size normally distributed, centred
// in its zone, its tolerance six standard deviations wide.
inline constexpr double FacteurSigmaDefaut = 3;
// Beyond 10 σ both tails are below the smallest share a double can hold.
inline constexpr double FacteurSigmaMax = 10;
constexpr bool facteurSigmaValide(double k) { return k > 0 && k <= FacteurSigmaMax; }

// σ of one side from its tolerance width (mm).
double sigmaCote_mm(double tolerance_mm);
// σ of the clearance from the σ of both sides.
double sigmaJeu_mm(double sigmaAlesage_mm, double sigmaArbre_mm);

struct JeuProbable {
    double moyen_mm = 0;
    double sigma_mm = 0;
    double min_mm = 0;        // moyen − k σ
    double max_mm = 0;        // moyen + k σ
    double partSerrage = 0;   // share of pairs with interference, 0 … 1
    double partJeu = 0;       // share of pairs with clearance, 0 … 1
};
// The distribution N(moyen, σ) read with the factor k. With σ = 0 every
// pair has the mean clearance.
JeuProbable repartitionJeu(double moyen_mm, double sigma_mm, double k);

// The probable clearance of the fit shown, moved by deltaS_mm in service.
// None when a side has no numbers or k is refused.
std::optional<JeuProbable> jeuProbable(const AjustementAffiche &a, double k, double deltaS_mm = 0);

// Everything the program shows of the fit in service: the clearances in
// service and the probable clearance there, with the factor k it was read
// with.
struct EtatService {
    JeuxService service;
    JeuProbable probable;
    double k = FacteurSigmaDefaut;
};
// None when a side has no numbers, or the conditions or k are refused.
std::optional<EtatService> etatService(const AjustementAffiche &a, const ConditionsService &c, double k);

// A share of pairs as a percentage with one decimal, "." as separator:
// 0.0724 is "7.2".
std::string textePart(double part);

} // namespace vestrel
