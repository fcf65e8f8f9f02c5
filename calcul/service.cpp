#include "calcul/service.h"

#include "calcul/nombres.h"
#include "tables/materiaux.h"

#include <cmath>

namespace vestrel {

ConditionsService::ConditionsService()
{
    // The expansion near room temperature: the table's heating coefficient.
    // Its cooling one is the mean down to liquid nitrogen, for shrinking.
    const double alpha = acierParDefaut().alpha_chauffe_par_K;
    pieces = {PieceService{alpha, TemperatureReference_C}, PieceService{alpha, TemperatureReference_C}};
}

VerificationService verifierConditions(const ConditionsService &c)
{
    for (Cote cote : {Cote::Alesage, Cote::Arbre}) {
        const PieceService &p = c.piece(cote);
        if (!(p.temperature_C >= ZeroAbsolu_C))
            return {RefusService::TemperatureBasse, cote};
        if (!(p.temperature_C <= TemperatureMax_C))
            return {RefusService::TemperatureHaute, cote};
        if (!(std::abs(p.alpha_par_K) <= DilatationMax_par_K))
            return {RefusService::Dilatation, cote};
    }
    return {};
}

double variationJeu_mm(double D_mm, const ConditionsService &c)
{
    const PieceService &al = c.piece(Cote::Alesage), &ar = c.piece(Cote::Arbre);
    return variationJeuThermique_mm(D_mm, al.alpha_par_K, al.temperature_C, ar.alpha_par_K, ar.temperature_C);
}

// press-fit.md §6: S_max + ΔS, S_min + ΔS.
double jeuEnService_mm(double jeu_mm, double deltaS_mm) { return jeu_mm + deltaS_mm; }

namespace {

// A clearance as the window shows it: 15 significant digits, then the four
// decimals; the kind of fit is judged on those, as at 20 °C.
Jeu jeuAffiche(double v)
{
    Jeu j;
    j.texte = texteJeu(lireTexteNombre(texteNombre(v)));
    j.valeur = lireTexteNombre(j.texte);
    return j;
}

} // namespace

std::optional<JeuxService> jeuxEnService(const AjustementAffiche &a, const ConditionsService &c)
{
    const auto al = tailles(a, Cote::Alesage);
    const auto ar = tailles(a, Cote::Arbre);
    if (!al || !ar || verifierConditions(c).refus != RefusService::Aucun)
        return std::nullopt;
    JeuxService s;
    s.deltaS_mm = variationJeu_mm(a.diametre, c);
    // The 20 °C clearances with their 15 digits, not their four decimals,
    // so that the service value is rounded once.
    const double max20 = lireTexteNombre(texteNombre(al->max - ar->min));
    const double min20 = lireTexteNombre(texteNombre(al->min - ar->max));
    const double max = jeuEnService_mm(max20, s.deltaS_mm), min = jeuEnService_mm(min20, s.deltaS_mm);
    s.jeux.max = jeuAffiche(max);
    s.jeux.min = jeuAffiche(min);
    s.jeux.moyen = jeuAffiche((max + min) / 2);
    s.jeux.nature = natureAjustement(s.jeux.max.valeur, s.jeux.min.valeur);
    return s;
}

PlageJeu plageAVingtDegres(PlageJeu enService, double deltaS_mm)
{
    // S + ΔS in [mini, maxi] exactly when S in [mini − ΔS, maxi − ΔS].
    return {enService.mini_mm - deltaS_mm, enService.maxi_mm - deltaS_mm};
}

// press-fit.md §8: tolerance = 6σ.
double sigmaCote_mm(double tolerance_mm) { return std::abs(tolerance_mm) / 6; }

// press-fit.md §8: σ = √(σ_bore² + σ_shaft²), the sizes independent.
double sigmaJeu_mm(double sigmaAlesage_mm, double sigmaArbre_mm) { return std::hypot(sigmaAlesage_mm, sigmaArbre_mm); }

JeuProbable repartitionJeu(double moyen_mm, double sigma_mm, double k)
{
    JeuProbable p;
    p.moyen_mm = moyen_mm;
    p.sigma_mm = sigma_mm;
    // press-fit.md §8: the probable range μ ± kσ (k = 3: 99.73 % of pairs).
    p.min_mm = moyen_mm - k * sigma_mm;
    p.max_mm = moyen_mm + k * sigma_mm;
    if (sigma_mm > 0) {
        // press-fit.md §8: P(interference) = Φ(−μ/σ), Φ(x) = erfc(−x/√2)/2;
        // each share from its own tail, so a small one keeps its digits.
        const double z = moyen_mm / (sigma_mm * std::sqrt(2.0));
        p.partSerrage = std::erfc(z) / 2;
        p.partJeu = std::erfc(-z) / 2;
    } else {
        p.partSerrage = moyen_mm < 0 ? 1 : 0;
        p.partJeu = moyen_mm > 0 ? 1 : 0;
    }
    return p;
}

std::optional<JeuProbable> jeuProbable(const AjustementAffiche &a, double k, double deltaS_mm)
{
    const auto al = tailles(a, Cote::Alesage);
    const auto ar = tailles(a, Cote::Arbre);
    if (!al || !ar || !facteurSigmaValide(k) || !std::isfinite(deltaS_mm))
        return std::nullopt;
    // press-fit.md §8: μ = (ES + EI)/2 − (es + ei)/2, here from the limit
    // sizes, which also holds for the free calculator's two sizes.
    const double moyen = (al->max + al->min) / 2 - (ar->max + ar->min) / 2;
    const double sigma = sigmaJeu_mm(sigmaCote_mm(al->max - al->min), sigmaCote_mm(ar->max - ar->min));
    return repartitionJeu(jeuEnService_mm(moyen, deltaS_mm), sigma, k);
}

} // namespace vestrel
