#pragma once

#include "calcul/ajustement_affiche.h"
#include "calcul/resultat.h"
#include "tables/materiaux.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vestrel {

// Interference (press and shrink) fits after DIN 7190-1: the elastic
// thick-walled cylinder (Lamé) in plane stress. Lengths in mm, interferences
// and roughness in µm, moduli, pressures and stresses in MPa, forces in N,
// torques in N·m, temperatures in °C, speeds in min⁻¹. Interferences are
// diametral throughout.

// The values of one part's material as the calculation uses them: those of
// the table, or the user's own.
struct ValeursMateriau {
    double E_MPa = 0;
    double nu = 0;
    double Re_MPa = 0;
    double alpha_chauffe_par_K = 0;
    double alpha_refroidi_par_K = 0;
    double rho_kg_m3 = 0;

    friend bool operator==(const ValeursMateriau &, const ValeursMateriau &) = default;
};
ValeursMateriau valeursMateriau(const Materiau &m);

// Smoothing of the surface peaks when pressed: k = 0.4 since DIN 7190-1:2017,
// 0.8 in the earlier editions.
enum class Lissage { Din2017, Anterieur };
double facteurLissage(Lissage l);
// The rule the factor comes from: "DIN 7190-1:2017", "éditions antérieures".
std::string_view regleLissage(Lissage l);

// A load to transmit, with the wanted safeties.
struct Charge {
    double couple_Nm = 0;
    double effortAxial_N = 0;
    double K_A = 1;                    // application factor
    double securiteGlissement = 1;     // wanted safety against slipping S_r
    double securitePlastification = 1; // wanted safety against yielding S_F
};

// Everything but the fit: the parts, their surfaces, friction, load and
// service conditions. The defaults are those a designer starts from (a solid
// steel shaft in a steel hub, 20 °C, no load, no speed); the hub outer
// diameter and the joint length have none.
struct ParametresFrettage {
    double D_aA_mm = 0;      // hub outer diameter
    double D_iI_mm = 0;      // shaft bore, 0 for a solid shaft
    double l_F_mm = 0;       // joint length
    ValeursMateriau moyeu = valeursMateriau(acierParDefaut());
    ValeursMateriau arbre = valeursMateriau(acierParDefaut());
    double Rz_moyeu_um = 4;
    double Rz_arbre_um = 4;
    Lissage lissage = Lissage::Din2017;
    double frottementGlissement = 0.12;   // ν, slipping
    double frottementEmmanchement = 0.08; // ν_e, pressing in
    std::optional<Charge> charge;
    double tempServiceMoyeu_C = 20;
    double tempServiceArbre_C = 20;
    double vitesse_tr_min = 0;
    std::optional<double> tempArbreRefroidi_C; // shaft pre-cooled to this before joining
};

// A value at each limit of the fit: at the smallest and at the largest
// interference.
struct ParLimite {
    double min = 0;
    double max = 0;
};

// Stresses at p max (compressive negative) and the hub's yield limits.
struct ResultatMoyeu {
    double sigmaT_alesage_MPa = 0;
    double sigmaR_alesage_MPa = 0;
    double sigmaT_exterieur_MPa = 0;
    double sigmaV_MPa = 0;
    double pPlastification_MPa = 0; // yielding starts at the bore
    double pPlastiqueTotal_MPa = 0; // the whole hub is plastic
    std::optional<double> securite; // p_PA / p_max; none when p_max is 0
};

struct ResultatArbre {
    double sigmaT_surface_MPa = 0;
    double sigmaR_surface_MPa = 0;
    std::optional<double> sigmaT_alesage_MPa; // hollow shaft only (it governs)
    double sigmaV_MPa = 0;
    double pPlastification_MPa = 0;
    std::optional<double> securite;
};

struct TemperaturesMontage {
    double moyeu_C = 0;                            // hub heated, shaft at room temperature
    // Shaft cooled, hub at room temperature; none when that would be below
    // absolute zero (cooling alone cannot join the parts).
    std::optional<double> arbre_C;
    std::optional<double> moyeuArbreRefroidi_C;    // hub, with the shaft pre-cooled
};

// The joint in service: at the parts' temperatures and the speed.
struct ResultatService {
    double perteThermique_um = 0;   // interference lost to temperature (negative: gained)
    double perteCentrifuge_um = 0;  // interference lost to speed
    ParLimite Z_um;
    ParLimite p_MPa;
    ParLimite couple_Nm;
    bool desserre = false; // no pressure left at the smallest interference
    std::optional<double> vitesseDecollement_tr_min; // with a speed only
};

struct ResultatCharge {
    double pRequise_MPa = 0;
    double U_requis_um = 0;      // smallest interference that holds the load
    double U_admissible_um = 0;  // largest interference that stays elastic with S_F
    bool tient = false;          // U_min >= U_requis
    bool elastique = false;      // U_max <= U_admissible
};

struct ResultatFrettage {
    double D_F_mm = 0;
    double Q_A = 0;
    double Q_I = 0;
    double K = 0;
    double facteurLissage = 0;
    double lissage_um = 0; // ΔU
    ParLimite U_um;        // before joining
    ParLimite Z_um;        // effective
    ParLimite p_MPa;
    ParLimite couple_Nm;     // transmissible
    ParLimite effortAxial_N; // transmissible
    ResultatMoyeu moyeu;
    ResultatArbre arbre;
    bool plastificationMoyeu = false;       // p max above p_PA: partly plastic, not computed here
    bool moyeuEntierementPlastique = false; // p max above the fully plastic pressure
    bool plastificationArbre = false;
    double effortEmmanchement_N = 0; // at p max
    TemperaturesMontage montage;
    ResultatService service;
    std::optional<ResultatCharge> charge;
};

// Why a press fit cannot be computed: each bad input has its own reason.
enum class ErreurFrettage {
    PasDAjustement,       // a side of the fit has no numbers
    DiametreAssemblage,   // D_F not positive
    LimitesAjustement,    // an interference that is not a number
    PasSerre,             // no interference at either limit
    LimitesInversees,     // U_min above U_max
    DiametreMoyeu,        // Q_A outside (0, 1)
    AlesageArbre,         // Q_I outside [0, 1)
    Longueur,             // l_F not positive
    ModuleMoyeu, ModuleArbre,
    PoissonMoyeu, PoissonArbre,
    LimiteMoyeu, LimiteArbre,
    DilatationMoyeu, DilatationArbre,
    MasseVolumiqueMoyeu, MasseVolumiqueArbre,
    Rugosite,
    FrottementGlissement,
    FrottementEmmanchement,
    Charge,               // a negative torque or force
    FacteurApplication,   // K_A not positive
    Securites,            // a wanted safety not positive
    TemperatureService,   // below absolute zero
    Vitesse,              // negative
    ArbreRefroidi,        // not between absolute zero and room temperature
    HorsDomaine,          // values so extreme that a result is not a finite number
};
// The reason in French, one sentence, as the window shows it.
std::string_view messageFrettage(ErreurFrettage e);

// The results, or the reason why there are none.
struct EvaluationFrettage {
    std::optional<ResultatFrettage> resultat;
    std::optional<ErreurFrettage> erreur;
};

// The press fit of a fit given by its joint diameter and its interferences
// before joining (µm, U = −clearance).
EvaluationFrettage evaluerFrettage(double D_F_mm, ParLimite U_um, const ParametresFrettage &p);
// The same for the fit the main window shows: its nominal diameter (in
// "Libre", the bore size) and its clearances as shown.
EvaluationFrettage evaluerFrettage(const ResultatAjustement &r, const ParametresFrettage &p);

// The verdicts in words, in the order shown: with a load "tient" or
// "glisse" (at the smallest interference); "élastique", or "plastification du
// moyeu" and/or "plastification de l'arbre" (at the largest); "se desserre
// en service" when no pressure is left at the smallest interference.
std::vector<std::string> verdictsFrettage(const ResultatFrettage &r);

// The clearances (mm) of the fits that hold the load and stay elastic:
// [−U_perm, −U_req], rounded inwards to 0.1 µm (four decimals) so that every
// fit the finder lists within them also meets both. None when U_req exceeds
// U_perm: no fit can do both.
struct PlageJeux {
    double mini_mm = 0;
    double maxi_mm = 0;
};
std::optional<PlageJeux> jeuxQuiTiennent(const ResultatCharge &c);

// The formulas, one each (press-fit.md sections named at their definition).
double facteurK(double Q_A, double Q_I, const ValeursMateriau &moyeu, const ValeursMateriau &arbre);
double pressionContact_MPa(double Z_um, double D_F_mm, double E_moyeu_MPa, double K);
double serragePourPression_um(double p_MPa, double D_F_mm, double E_moyeu_MPa, double K);
double effortTransmissible_N(double frottement, double p_MPa, double D_F_mm, double l_F_mm);
double pertesCentrifuge_um(double vitesse_tr_min, double D_F_mm, double D_aA_mm, double D_iI_mm,
                           const ValeursMateriau &moyeu, const ValeursMateriau &arbre);

} // namespace vestrel
