#include "calcul/frettage.h"

#include "calcul/thermique.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vestrel {

namespace {

constexpr double Racine3 = std::numbers::sqrt3;
constexpr double Pi = std::numbers::pi;
constexpr double ZeroAbsolu_C = -273.15;

// Joining clearance S_ü = 0.001 · D_F, so that the parts slide together
// (press-fit.md §5).
constexpr double JeuMontageRelatif = 0.001;

double carre(double x) { return x * x; }

// (1 + Q²)/(1 − Q²), the hoop stress factor of a thick cylinder at its bore.
double facteurParoi(double Q) { return (1 + carre(Q)) / (1 - carre(Q)); }

bool fini(double x) { return std::isfinite(x); }
bool positif(double x) { return x > 0 && fini(x); }

// The checks of a material, written once for both parts: the errors of the
// hub and of the shaft follow each other in the same order.
std::optional<ErreurFrettage> verifierMateriau(const ValeursMateriau &m, ErreurFrettage module, int decalage)
{
    auto erreur = [&](int rang) { return static_cast<ErreurFrettage>(static_cast<int>(module) + 2 * rang + decalage); };
    if (!positif(m.E_MPa))
        return erreur(0);
    if (!(m.nu > 0 && m.nu < 0.5))
        return erreur(1);
    if (!positif(m.Re_MPa))
        return erreur(2);
    if (!positif(m.alpha_chauffe_par_K) || !positif(m.alpha_refroidi_par_K))
        return erreur(3);
    if (!(m.rho_kg_m3 >= 0) || !fini(m.rho_kg_m3))
        return erreur(4);
    return std::nullopt;
}

std::optional<ErreurFrettage> verifier(double D_F_mm, ParLimite U_um, const ParametresFrettage &p)
{
    using E = ErreurFrettage;
    if (!positif(D_F_mm))
        return E::DiametreAssemblage;
    if (!fini(U_um.min) || !fini(U_um.max))
        return E::LimitesAjustement;
    if (U_um.max <= 0)
        return E::PasSerre;
    if (U_um.min > U_um.max)
        return E::LimitesInversees;
    if (!(p.D_aA_mm > D_F_mm) || !fini(p.D_aA_mm))
        return E::DiametreMoyeu;
    if (!(p.D_iI_mm >= 0 && p.D_iI_mm < D_F_mm))
        return E::AlesageArbre;
    if (!positif(p.l_F_mm))
        return E::Longueur;
    if (auto e = verifierMateriau(p.moyeu, E::ModuleMoyeu, 0))
        return e;
    if (auto e = verifierMateriau(p.arbre, E::ModuleMoyeu, 1))
        return e;
    if (!(p.Rz_moyeu_um >= 0 && p.Rz_arbre_um >= 0) || !fini(p.Rz_moyeu_um) || !fini(p.Rz_arbre_um))
        return E::Rugosite;
    if (!positif(p.frottementGlissement))
        return E::FrottementGlissement;
    if (!positif(p.frottementEmmanchement))
        return E::FrottementEmmanchement;
    if (p.charge) {
        const Charge &c = *p.charge;
        if (!(c.couple_Nm >= 0 && c.effortAxial_N >= 0) || !fini(c.couple_Nm) || !fini(c.effortAxial_N))
            return E::Charge;
        if (!positif(c.K_A))
            return E::FacteurApplication;
        if (!positif(c.securiteGlissement) || !positif(c.securitePlastification))
            return E::Securites;
    }
    if (!(p.tempServiceMoyeu_C >= ZeroAbsolu_C && p.tempServiceArbre_C >= ZeroAbsolu_C) ||
        !fini(p.tempServiceMoyeu_C) || !fini(p.tempServiceArbre_C))
        return E::TemperatureService;
    if (!(p.vitesse_tr_min >= 0) || !fini(p.vitesse_tr_min))
        return E::Vitesse;
    if (p.tempArbreRefroidi_C &&
        !(*p.tempArbreRefroidi_C > ZeroAbsolu_C && *p.tempArbreRefroidi_C < TemperatureReference_C))
        return E::ArbreRefroidi;
    return std::nullopt;
}

// Every number of the results is finite: inputs far outside any real part
// (a modulus of 1e300) could otherwise give infinities.
bool resultatFini(const ResultatFrettage &r)
{
    const auto o = [](std::optional<double> v) { return v.value_or(0); };
    const ResultatMoyeu &m = r.moyeu;
    const ResultatArbre &a = r.arbre;
    const ResultatService &s = r.service;
    const double valeurs[] = {r.Q_A, r.Q_I, r.K, r.lissage_um, r.Z_um.min, r.Z_um.max, r.p_MPa.min, r.p_MPa.max,
                              r.couple_Nm.min, r.couple_Nm.max, r.effortAxial_N.min, r.effortAxial_N.max, m.sigmaT_alesage_MPa, m.sigmaT_exterieur_MPa, m.sigmaV_MPa,
                              m.pPlastification_MPa, m.pPlastiqueTotal_MPa, o(m.securite), a.sigmaT_surface_MPa,
                              o(a.sigmaT_alesage_MPa), a.sigmaV_MPa, a.pPlastification_MPa, o(a.securite),
                              r.effortEmmanchement_N, r.montage.moyeu_C, o(r.montage.arbre_C),
                              o(r.montage.moyeuArbreRefroidi_C), s.perteThermique_um, s.perteCentrifuge_um,
                              s.Z_um.min, s.Z_um.max, s.p_MPa.min, s.p_MPa.max, s.couple_Nm.min, s.couple_Nm.max,
                              o(s.vitesseDecollement_tr_min), r.charge ? r.charge->U_requis_um : 0,
                              r.charge ? r.charge->U_admissible_um : 0, r.charge ? r.charge->pRequise_MPa : 0};
    return std::all_of(std::begin(valeurs), std::end(valeurs), fini);
}

// DIN 7190-1, yielding starts at the hub bore: p_PA = (1 − Q_A²) Re_A / √3
// (press-fit.md §3).
double pressionPlastificationMoyeu_MPa(double Q_A, double Re_MPa) { return (1 - carre(Q_A)) * Re_MPa / Racine3; }

// DIN 7190-1, yielding starts at the shaft: hollow (1 − Q_I²) Re_I / √3, at
// its bore; solid 2 Re_I / √3 (press-fit.md §3).
double pressionPlastificationArbre_MPa(double Q_I, double Re_MPa)
{
    return Q_I > 0 ? (1 - carre(Q_I)) * Re_MPa / Racine3 : 2 * Re_MPa / Racine3;
}

// The whole hub is plastic at (2/√3) Re_A (−ln Q_A) for Q_A ≥ 1/e, at
// (2/√3) Re_A for thicker hubs (press-fit.md §3).
double pressionPlastiqueTotale_MPa(double Q_A, double Re_MPa)
{
    return 2 / Racine3 * Re_MPa * (Q_A >= 1 / std::numbers::e ? -std::log(Q_A) : 1.0);
}

// Hub stresses at p: σ_t bore = p (1 + Q_A²)/(1 − Q_A²), σ_r bore = −p,
// σ_t outside = 2 p Q_A²/(1 − Q_A²), σ_v = √3 p / (1 − Q_A²) (press-fit.md §3).
ResultatMoyeu contraintesMoyeu(double p_MPa, double Q_A, double Re_MPa)
{
    ResultatMoyeu m;
    m.sigmaT_alesage_MPa = p_MPa * facteurParoi(Q_A);
    m.sigmaR_alesage_MPa = -p_MPa;
    m.sigmaT_exterieur_MPa = 2 * p_MPa * carre(Q_A) / (1 - carre(Q_A));
    m.sigmaV_MPa = Racine3 * p_MPa / (1 - carre(Q_A));
    m.pPlastification_MPa = pressionPlastificationMoyeu_MPa(Q_A, Re_MPa);
    m.pPlastiqueTotal_MPa = pressionPlastiqueTotale_MPa(Q_A, Re_MPa);
    if (p_MPa > 0)
        m.securite = m.pPlastification_MPa / p_MPa;
    return m;
}

// Shaft stresses at p: solid σ_t = σ_r = −p, σ_v = (√3/2) p; hollow, at the
// joint σ_t = −p (1 + Q_I²)/(1 − Q_I²), at the bore σ_t = −2p/(1 − Q_I²),
// σ_v = √3 p / (1 − Q_I²) (press-fit.md §3).
ResultatArbre contraintesArbre(double p_MPa, double Q_I, double Re_MPa)
{
    ResultatArbre a;
    a.sigmaR_surface_MPa = -p_MPa;
    if (Q_I > 0) {
        a.sigmaT_surface_MPa = -p_MPa * facteurParoi(Q_I);
        a.sigmaT_alesage_MPa = -2 * p_MPa / (1 - carre(Q_I));
        a.sigmaV_MPa = Racine3 * p_MPa / (1 - carre(Q_I));
    } else {
        a.sigmaT_surface_MPa = -p_MPa;
        a.sigmaV_MPa = Racine3 / 2 * p_MPa;
    }
    a.pPlastification_MPa = pressionPlastificationArbre_MPa(Q_I, Re_MPa);
    if (p_MPa > 0)
        a.securite = a.pPlastification_MPa / p_MPa;
    return a;
}

// Joining temperatures: the unsmoothed U_max plus S_ü must open up, as the
// relative expansion e = (U_max + S_ü) / D_F; hub heated ϑ_A = ϑ_R + e / α_A,
// shaft cooled ϑ_I = ϑ_R − e / α_I,cool, both α_A (ϑ_A − ϑ_R) + α_I,cool
// (ϑ_R − ϑ_I) = e (press-fit.md §5). A pre-cooled shaft that opens enough
// alone leaves the hub at room temperature; a shaft temperature below
// absolute zero is no answer.
TemperaturesMontage temperaturesMontage(double U_max_um, double D_F_mm, const ValeursMateriau &moyeu,
                                        const ValeursMateriau &arbre, std::optional<double> arbreRefroidi_C)
{
    const double e = (U_max_um / 1000 + JeuMontageRelatif * D_F_mm) / D_F_mm;
    TemperaturesMontage t;
    t.moyeu_C = TemperatureReference_C + e / moyeu.alpha_chauffe_par_K;
    if (const double arbre_C = TemperatureReference_C - e / arbre.alpha_refroidi_par_K; arbre_C > ZeroAbsolu_C)
        t.arbre_C = arbre_C;
    if (arbreRefroidi_C) {
        const double reste = e - arbre.alpha_refroidi_par_K * (TemperatureReference_C - *arbreRefroidi_C);
        t.moyeuArbreRefroidi_C = TemperatureReference_C + std::max(0.0, reste) / moyeu.alpha_chauffe_par_K;
    }
    return t;
}

} // namespace

ValeursMateriau valeursMateriau(const Materiau &m)
{
    return {m.E_MPa, m.nu, m.Re_MPa, m.alpha_chauffe_par_K, m.alpha_refroidi_par_K, m.rho_kg_m3};
}

// Smoothing factor k: DIN 7190-1:2017 0.4, earlier editions 0.8 (press-fit.md §2).
double facteurLissage(Lissage l) { return l == Lissage::Din2017 ? 0.4 : 0.8; }

std::string_view messageFrettage(ErreurFrettage e)
{
    using E = ErreurFrettage;
    switch (e) {
    case E::PasDAjustement: return "Pas d'ajustement : il faut les écarts de l'alésage et de l'arbre.";
    case E::DiametreAssemblage: return "Le diamètre de l'assemblage doit être positif.";
    case E::LimitesAjustement: return "Les limites de l'ajustement ne sont pas des nombres.";
    case E::PasSerre: return "Aucun serrage à ses limites : ce n'est pas un ajustement serré.";
    case E::LimitesInversees:
        return "Les limites de l'ajustement sont inversées : le jeu maxi est plus petit que le jeu mini.";
    case E::DiametreMoyeu:
        return "Le diamètre extérieur du moyeu doit être plus grand que le diamètre de l'assemblage.";
    case E::AlesageArbre:
        return "L'alésage de l'arbre doit être nul (arbre plein) ou plus petit que le diamètre de l'assemblage.";
    case E::Longueur: return "La longueur de l'assemblage doit être positive.";
    case E::ModuleMoyeu: return "Le module d'élasticité du moyeu doit être positif.";
    case E::ModuleArbre: return "Le module d'élasticité de l'arbre doit être positif.";
    case E::PoissonMoyeu: return "Le coefficient de Poisson du moyeu doit être positif et inférieur à un demi.";
    case E::PoissonArbre: return "Le coefficient de Poisson de l'arbre doit être positif et inférieur à un demi.";
    case E::LimiteMoyeu: return "La limite d'élasticité du moyeu doit être positive.";
    case E::LimiteArbre: return "La limite d'élasticité de l'arbre doit être positive.";
    case E::DilatationMoyeu: return "Les coefficients de dilatation du moyeu doivent être positifs.";
    case E::DilatationArbre: return "Les coefficients de dilatation de l'arbre doivent être positifs.";
    case E::MasseVolumiqueMoyeu: return "La masse volumique du moyeu ne peut pas être négative.";
    case E::MasseVolumiqueArbre: return "La masse volumique de l'arbre ne peut pas être négative.";
    case E::Rugosite: return "Les rugosités Rz ne peuvent pas être négatives.";
    case E::FrottementGlissement: return "Le coefficient de frottement au glissement doit être positif.";
    case E::FrottementEmmanchement: return "Le coefficient de frottement à l'emmanchement doit être positif.";
    case E::Charge: return "Le couple et l'effort axial ne peuvent pas être négatifs.";
    case E::FacteurApplication: return "Le facteur d'application K_A doit être positif.";
    case E::Securites: return "Les sécurités voulues doivent être positives.";
    case E::TemperatureService: return "Une température de service est sous le zéro absolu.";
    case E::Vitesse: return "La vitesse de rotation ne peut pas être négative.";
    case E::ArbreRefroidi:
        return "La température de l'arbre refroidi doit être sous la température ambiante et au-dessus du zéro "
               "absolu.";
    case E::HorsDomaine: return "Ces valeurs sortent du domaine de calcul : un résultat serait infini.";
    }
    return {};
}

std::string_view regleLissage(Lissage l) { return l == Lissage::Din2017 ? "DIN 7190-1:2017" : "éditions antérieures"; }

std::vector<std::string> verdictsFrettage(const ResultatFrettage &r)
{
    std::vector<std::string> v;
    if (r.charge)
        v.emplace_back(r.charge->tient ? "tient" : "glisse");
    if (r.plastificationMoyeu)
        v.emplace_back("plastification du moyeu");
    if (r.plastificationArbre)
        v.emplace_back("plastification de l'arbre");
    if (!r.plastificationMoyeu && !r.plastificationArbre)
        v.emplace_back("élastique");
    if (r.service.desserre)
        v.emplace_back("se desserre en service");
    return v;
}

// DIN 7190-1, K = (1 + Q_A²)/(1 − Q_A²) + ν_A + (E_A/E_I) [(1 + Q_I²)/(1 − Q_I²) − ν_I]
// (press-fit.md §2).
double facteurK(double Q_A, double Q_I, const ValeursMateriau &moyeu, const ValeursMateriau &arbre)
{
    return facteurParoi(Q_A) + moyeu.nu + moyeu.E_MPa / arbre.E_MPa * (facteurParoi(Q_I) - arbre.nu);
}

// DIN 7190-1, p = (Z / D_F) E_A / K with Z in mm; no pressure without
// effective interference (press-fit.md §2).
double pressionContact_MPa(double Z_um, double D_F_mm, double E_moyeu_MPa, double K)
{
    return Z_um > 0 ? Z_um / 1000 / D_F_mm * E_moyeu_MPa / K : 0;
}

// The same relation read backwards: Z = p K D_F / E_A, in µm (press-fit.md §4).
double serragePourPression_um(double p_MPa, double D_F_mm, double E_moyeu_MPa, double K)
{
    return p_MPa * K * D_F_mm / E_moyeu_MPa * 1000;
}

// Friction force of the joint: F = ν p π D_F l_F; the transmissible axial
// force with ν, the press-in force with ν_e (press-fit.md §4).
double effortTransmissible_N(double frottement, double p_MPa, double D_F_mm, double l_F_mm)
{
    return frottement * p_MPa * Pi * D_F_mm * l_F_mm;
}

// Rotating discs in plane stress: u_A = ρ_A ω² r_F/(4E_A) [(3 + ν_A) r_aA² +
// (1 − ν_A) r_F²], u_I = ρ_I ω² r_F/(4E_I) [(3 + ν_I) r_iI² + (1 − ν_I) r_F²],
// ΔU_ω = 2 (u_A − u_I); ρ in t/mm³ (press-fit.md §7).
double pertesCentrifuge_um(double vitesse_tr_min, double D_F_mm, double D_aA_mm, double D_iI_mm,
                           const ValeursMateriau &moyeu, const ValeursMateriau &arbre)
{
    const double omega = 2 * Pi * vitesse_tr_min / 60;
    const double r_F = D_F_mm / 2;
    auto deplacement = [&](const ValeursMateriau &m, double r_autre) {
        const double rho = m.rho_kg_m3 * 1e-12;
        return rho * carre(omega) * r_F / (4 * m.E_MPa) * ((3 + m.nu) * carre(r_autre) + (1 - m.nu) * carre(r_F));
    };
    return 2 * (deplacement(moyeu, D_aA_mm / 2) - deplacement(arbre, D_iI_mm / 2)) * 1000;
}

EvaluationFrettage evaluerFrettage(double D_F_mm, ParLimite U_um, const ParametresFrettage &p)
{
    if (const auto e = verifier(D_F_mm, U_um, p))
        return {std::nullopt, e};

    ResultatFrettage r;
    r.D_F_mm = D_F_mm;
    r.Q_A = D_F_mm / p.D_aA_mm;
    r.Q_I = p.D_iI_mm / D_F_mm;
    r.K = facteurK(r.Q_A, r.Q_I, p.moyeu, p.arbre);
    r.facteurLissage = facteurLissage(p.lissage);
    // ΔU = k (Rz_A + Rz_I) (press-fit.md §2).
    r.lissage_um = r.facteurLissage * (p.Rz_moyeu_um + p.Rz_arbre_um);
    r.U_um = U_um;
    r.Z_um = {U_um.min - r.lissage_um, U_um.max - r.lissage_um};
    auto pression = [&](double Z_um) { return pressionContact_MPa(Z_um, D_F_mm, p.moyeu.E_MPa, r.K); };
    r.p_MPa = {pression(r.Z_um.min), pression(r.Z_um.max)};

    // M_t = F_ax · D_F / 2 (press-fit.md §4), in N·m.
    auto couple = [&](double p_MPa) {
        return effortTransmissible_N(p.frottementGlissement, p_MPa, D_F_mm, p.l_F_mm) * D_F_mm / 2 / 1000;
    };
    auto effortAxial = [&](double p_MPa) {
        return effortTransmissible_N(p.frottementGlissement, p_MPa, D_F_mm, p.l_F_mm);
    };
    r.effortAxial_N = {effortAxial(r.p_MPa.min), effortAxial(r.p_MPa.max)};
    r.couple_Nm = {couple(r.p_MPa.min), couple(r.p_MPa.max)};

    r.moyeu = contraintesMoyeu(r.p_MPa.max, r.Q_A, p.moyeu.Re_MPa);
    r.arbre = contraintesArbre(r.p_MPa.max, r.Q_I, p.arbre.Re_MPa);
    r.plastificationMoyeu = r.p_MPa.max > r.moyeu.pPlastification_MPa;
    r.moyeuEntierementPlastique = r.p_MPa.max > r.moyeu.pPlastiqueTotal_MPa;
    r.plastificationArbre = r.p_MPa.max > r.arbre.pPlastification_MPa;

    r.effortEmmanchement_N = effortTransmissible_N(p.frottementEmmanchement, r.p_MPa.max, D_F_mm, p.l_F_mm);
    r.montage = temperaturesMontage(U_um.max, D_F_mm, p.moyeu, p.arbre, p.tempArbreRefroidi_C);

    // In service the hub is the bore part (press-fit.md §6 and §7).
    ResultatService &s = r.service;
    s.perteThermique_um = 1000 * variationJeuThermique_mm(D_F_mm, p.moyeu.alpha_chauffe_par_K, p.tempServiceMoyeu_C,
                                                          p.arbre.alpha_chauffe_par_K, p.tempServiceArbre_C);
    s.perteCentrifuge_um = pertesCentrifuge_um(p.vitesse_tr_min, D_F_mm, p.D_aA_mm, p.D_iI_mm, p.moyeu, p.arbre);
    const double perteService_um = s.perteThermique_um + s.perteCentrifuge_um;
    s.Z_um = {r.Z_um.min - perteService_um, r.Z_um.max - perteService_um};
    s.p_MPa = {pression(s.Z_um.min), pression(s.Z_um.max)};
    s.couple_Nm = {couple(s.p_MPa.min), couple(s.p_MPa.max)};
    s.desserre = s.Z_um.min <= 0;
    if (p.vitesse_tr_min > 0) {
        // The loss grows with n²: n_ab = n √(Z_min / ΔU_ω(n)), Z_min after
        // the temperature (press-fit.md §7).
        const double Z_chaud_um = r.Z_um.min - s.perteThermique_um;
        // A shaft that grows more than its hub never comes loose by speed.
        if (Z_chaud_um <= 0)
            s.vitesseDecollement_tr_min = 0.0;
        else if (s.perteCentrifuge_um > 0)
            s.vitesseDecollement_tr_min = p.vitesse_tr_min * std::sqrt(Z_chaud_um / s.perteCentrifuge_um);
    }

    if (p.charge) {
        const Charge &c = *p.charge;
        ResultatCharge ch;
        // F_res = √(F² + (2M/D_F)²), p_req = S_r K_A F_res / (ν π D_F l_F)
        // (press-fit.md §4).
        const double F_res_N = std::hypot(c.effortAxial_N, 2 * c.couple_Nm * 1000 / D_F_mm);
        ch.pRequise_MPa =
            c.securiteGlissement * c.K_A * F_res_N / effortTransmissible_N(p.frottementGlissement, 1, D_F_mm, p.l_F_mm);
        // The load must hold at rest and in service: the losses in service
        // add to U_req when they lose interference. An interference gained
        // in service raises the pressure, so it lowers what stays elastic.
        ch.U_requis_um = serragePourPression_um(ch.pRequise_MPa, D_F_mm, p.moyeu.E_MPa, r.K) + r.lissage_um +
                         std::max(0.0, perteService_um);
        const double pAdmissible_MPa =
            std::min(r.moyeu.pPlastification_MPa, r.arbre.pPlastification_MPa) / c.securitePlastification;
        ch.U_admissible_um = serragePourPression_um(pAdmissible_MPa, D_F_mm, p.moyeu.E_MPa, r.K) + r.lissage_um +
                             std::min(0.0, s.perteThermique_um);
        ch.tient = U_um.min >= ch.U_requis_um;
        ch.elastique = U_um.max <= ch.U_admissible_um;
        r.charge = ch;
    }
    if (!resultatFini(r))
        return {std::nullopt, ErreurFrettage::HorsDomaine};
    return {r, std::nullopt};
}

std::optional<PlageJeux> jeuxQuiTiennent(const ResultatCharge &c)
{
    // −U in µm is the clearance in 0.1 µm steps times 10.
    const PlageJeux plage{std::ceil(-c.U_admissible_um * 10) / 10000, std::floor(-c.U_requis_um * 10) / 10000};
    if (plage.mini_mm > plage.maxi_mm)
        return std::nullopt;
    return plage;
}

EvaluationFrettage evaluerFrettage(const ResultatAjustement &r, const ParametresFrettage &p)
{
    const std::optional<Jeux> &j = r.jeux;
    if (!j)
        return {std::nullopt, ErreurFrettage::PasDAjustement};
    // U_max = −(jeu mini), U_min = −(jeu maxi) (press-fit.md §1).
    return evaluerFrettage(r.ajustement.diametre, {-j->max.valeur * 1000, -j->min.valeur * 1000}, p);
}

} // namespace vestrel
