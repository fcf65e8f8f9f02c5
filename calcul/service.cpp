#include "calcul/service.h"

#include "calcul/resultat.h"

#include "calcul/nombres.h"
#include "tables/materiaux.h"

#include <charconv>
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

// Differences of sizes up to 500 mm carry binary rounding errors of about
// 1e-13 mm (50.025 − 50.002 is 0.022999999999996): they are taken to the
// nanometre, far below any tolerance and far above those errors.
double auNanometre(double mm) { return std::round(mm * 1e9) / 1e9; }

// The clearances and tolerance widths of the fit at 20 °C, to the
// nanometre rather than to the four decimals shown, so that what is
// computed from them is rounded once.
struct Mesures {
    double jeuMax, jeuMin, toleranceAlesage, toleranceArbre;
};
std::optional<Mesures> mesures(const AjustementAffiche &a)
{
    const ResultatAjustement r(a);
    const auto &al = r.tailles(Cote::Alesage);
    const auto &ar = r.tailles(Cote::Arbre);
    if (!al || !ar)
        return std::nullopt;
    return Mesures{auNanometre(al->max - ar->min), auNanometre(al->min - ar->max), auNanometre(al->max - al->min),
                   auNanometre(ar->max - ar->min)};
}

} // namespace

Jeux jeuxDecales(double jeuMax_mm, double jeuMin_mm, double deltaS_mm)
{
    const double max = jeuEnService_mm(jeuMax_mm, deltaS_mm), min = jeuEnService_mm(jeuMin_mm, deltaS_mm);
    Jeux j;
    j.max = jeuAffiche(max);
    j.min = jeuAffiche(min);
    j.moyen = jeuAffiche((max + min) / 2);
    j.nature = natureAjustement(j.max.valeur, j.min.valeur);
    return j;
}

std::optional<JeuxService> jeuxEnService(const AjustementAffiche &a, const ConditionsService &c)
{
    const auto m = mesures(a);
    if (!m || verifierConditions(c).refus != RefusService::Aucun)
        return std::nullopt;
    JeuxService s;
    s.deltaS_mm = variationJeu_mm(a.diametre, c);
    s.jeux = jeuxDecales(m->jeuMax, m->jeuMin, s.deltaS_mm);
    return s;
}

PlageJeu plageAVingtDegres(PlageJeu enService, double deltaS_mm)
{
    // S + ΔS in [mini, maxi] exactly when S in [mini − ΔS, maxi − ΔS].
    return {enService.mini_mm - deltaS_mm, enService.maxi_mm - deltaS_mm};
}

DemandeRecherche demandeEnService(DemandeRecherche demande, double deltaS_mm)
{
    const PlageJeu p = plageAVingtDegres({demande.jeuMini, demande.jeuMaxi}, deltaS_mm);
    demande.jeuMini = p.mini_mm;
    demande.jeuMaxi = p.maxi_mm;
    return demande;
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
    const auto m = mesures(a);
    if (!m || !facteurSigmaValide(k) || !std::isfinite(deltaS_mm))
        return std::nullopt;
    // press-fit.md §8: μ = (ES + EI)/2 − (es + ei)/2, which is the middle of
    // the two clearances; from the limit sizes it also holds for the free
    // calculator's two sizes.
    const double moyen = (m->jeuMax + m->jeuMin) / 2;
    const double sigma = sigmaJeu_mm(sigmaCote_mm(m->toleranceAlesage), sigmaCote_mm(m->toleranceArbre));
    return repartitionJeu(jeuEnService_mm(moyen, deltaS_mm), sigma, k);
}

std::optional<EtatService> etatService(const AjustementAffiche &a, const ConditionsService &c, double k)
{
    const auto s = jeuxEnService(a, c);
    if (!s)
        return std::nullopt;
    const auto p = jeuProbable(a, k, s->deltaS_mm);
    if (!p)
        return std::nullopt;
    return EtatService{*s, *p, k};
}

std::string textePart(double part)
{
    char tampon[32];
    const double pourcent = std::round(part * 1000) / 10;
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, pourcent == 0 ? 0.0 : pourcent,
                                 std::chars_format::fixed, 1);
    return std::string(tampon, r.ptr);
}

} // namespace vestrel
