#include "calcul/recherche.h"

#include "tables/classes.h"
#include "tables/ecarts.h"
#include "tables/etapes.h"
#include "calcul/nombres.h"
#include "tables/offerts.h"
#include "tables/recommandes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

namespace vestrel {

namespace {

// Grade and letter of every catalogue class, for the order and the basis.
template <std::size_t N>
constexpr std::array<detail::Decomposee, N> decomposees(Cote cote)
{
    std::array<detail::Decomposee, N> r{};
    for (std::size_t i = 0; i < N; ++i)
        r[i] = detail::decomposer(cote, detail::textes(cote)[i]);
    return r;
}
constexpr auto ClassesAlesage = decomposees<detail::TextesAlesage.size()>(Cote::Alesage);
constexpr auto ClassesArbre = decomposees<detail::TextesArbre.size()>(Cote::Arbre);

// Deviations are whole half micrometres.
constexpr double Pas = 2000; // per mm

// One offered class of a side at the searched diameter.
struct Offerte {
    double max, min;          // limit sizes as the main window shows them
    std::int32_t kMax, kMin;  // its deviations, half micrometres
    std::int16_t index;       // in the catalogue
    std::int8_t grade;
    // The shown sizes are d + kMax and d + kMin steps to within rounding,
    // and the tolerance is a whole number of micrometres.
    bool surGrille;
    bool aRecommande;         // a bore of some recommended fit
};
using Offertes = std::array<Offerte, 128>;
static_assert(detail::TextesAlesage.size() <= 128 && detail::TextesArbre.size() <= 128);

// The window computes the clearances from the sizes D + deviation as shown.
double tailleAffichee(double d, std::int32_t k) { return valeurAffichee(d + enMillimetres(k)); }

bool pres(double taille, double d, std::int32_t k) { return std::abs((taille - d) * Pas - k) < 1e-3; }

// The side's classes offered at d (sub-step s) within the basis, in
// catalogue order; returns how many.
int remplir(Cote cote, double d, int s, Base base, Offertes &sortie)
{
    const bool alesage = cote == Cote::Alesage;
    const Base seule = alesage ? Base::Alesage : Base::Arbre;
    int n = 0;
    for (int i = 0; i < detail::nbClasses(cote); ++i) {
        const detail::Decomposee &c = alesage ? ClassesAlesage[i] : ClassesArbre[i];
        if ((base == seule && c.lettre != detail::H) || !estOfferte(cote, i, s))
            continue;
        const CelluleEcart *e = celluleEcart(cote, i, s);
        Offerte &o = sortie[n++];
        o.max = tailleAffichee(d, e->sup2);
        o.min = tailleAffichee(d, e->inf2);
        o.kMax = e->sup2;
        o.kMin = e->inf2;
        o.index = static_cast<std::int16_t>(i);
        o.grade = static_cast<std::int8_t>(c.grade);
        o.surGrille = pres(o.max, d, o.kMax) && pres(o.min, d, o.kMin) && (o.kMax + o.kMin) % 2 == 0;
        o.aRecommande = alesage && alesageRecommande(i);
    }
    return n;
}

// The clearances of two classes as the main window shows them. The texts of
// calculerJeux are the differences of the shown sizes with four decimals. Sizes on the half-micrometre grid differ by a whole number k of
// steps to within rounding errors far below a step, so the text shows k/2000
// exactly (0.0005 mm per step) and reads back as the double nearest it,
// k / 2000.0. The mean is on the grid too, since the two clearances differ
// by the two tolerances, whole micrometres. Other sizes go through
// calculerJeux itself.
struct ValeursJeux {
    double max, min, moyen;
};
ValeursJeux valeursJeux(const Offerte &al, const Offerte &ar)
{
    if (al.surGrille && ar.surGrille) {
        const std::int32_t kMax = al.kMax - ar.kMin, kMin = al.kMin - ar.kMax;
        return {kMax / Pas, kMin / Pas, (kMax + kMin) / 2 / Pas};
    }
    const Jeux j = calculerJeux(al.max, al.min, ar.max, ar.min);
    return {j.max.valeur, j.min.valeur, j.moyen.valeur};
}

// The wanted limits in steps: a clearance k / 2000.0 is >= mini exactly when
// k >= premierAuDessus(mini), and <= maxi exactly when k <= dernierEnDessous(maxi).
// Clearances stay far below a metre.
constexpr std::int64_t HorsDePortee = std::int64_t(1) << 40;
std::int64_t premierAuDessus(double x)
{
    if (!(std::abs(x) < 1e6))
        return x > 0 ? HorsDePortee : -HorsDePortee;
    auto k = static_cast<std::int64_t>(std::ceil(x * Pas));
    while ((k - 1) / Pas >= x)
        --k;
    while (k / Pas < x)
        ++k;
    return k;
}
std::int64_t dernierEnDessous(double x) { return -premierAuDessus(-x); }

// Distances (mm) are compared on a picometre grid, so that two equal
// decimal distances compare equal whatever the binary rounding of each.
double picometres(double e) { return e < 1e6 ? std::round(e * 1e9) / 1e9 : e; }

// Sorts keys by bytes, least significant first (a byte all keys share is
// skipped): thousands of keys sort several times faster than by comparison.
void trierCles(std::vector<std::uint64_t> &cles)
{
    const std::size_t n = cles.size();
    if (n < 512) {
        std::sort(cles.begin(), cles.end());
        return;
    }
    std::array<std::array<std::uint32_t, 256>, 8> comptes{};
    for (const std::uint64_t k : cles)
        for (int b = 0; b < 8; ++b)
            ++comptes[b][(k >> (8 * b)) & 0xFF];
    std::vector<std::uint64_t> tampon(n);
    for (int b = 0; b < 8; ++b) {
        std::array<std::uint32_t, 256> &c = comptes[b];
        if (c[(cles[0] >> (8 * b)) & 0xFF] == n)
            continue;
        std::uint32_t debut = 0;
        for (std::uint32_t &x : c)
            debut += std::exchange(x, debut);
        for (const std::uint64_t k : cles)
            tampon[c[(k >> (8 * b)) & 0xFF]++] = k;
        cles.swap(tampon);
    }
}

bool avant(const AjustementTrouve &a, const AjustementTrouve &b, double milieu)
{
    const bool ra = a.recommande >= 0, rb = b.recommande >= 0;
    if (ra != rb)
        return ra;
    if (a.qualites != b.qualites)
        return a.qualites > b.qualites;
    const double da = picometres(std::abs(a.jeuMoyen - milieu)), db = picometres(std::abs(b.jeuMoyen - milieu));
    if (da != db)
        return da < db;
    if (a.alesage != b.alesage)
        return a.alesage < b.alesage;
    return a.arbre < b.arbre;
}

bool plusProche(const AjustementTrouve &a, const AjustementTrouve &b, double milieu)
{
    if (a.ecart != b.ecart)
        return a.ecart < b.ecart;
    return avant(a, b, milieu);
}

// Sorts in the order of avant(), each key computed once and packed into one
// integer, since thousands of fits may match a wide range: recommended
// first, larger sum of grades, distance of the mean in picometres, then the
// two catalogue indexes. A distance beyond 2^43 pm (8.7 m) does not fit the
// key; such wanted ranges take the comparison of avant().
void trier(std::vector<AjustementTrouve> &trouves, double milieu)
{
    constexpr double DistanceMax = double(std::uint64_t(1) << 43);
    std::vector<std::uint64_t> cles(trouves.size());
    for (std::size_t i = 0; i < trouves.size(); ++i) {
        const AjustementTrouve &t = trouves[i];
        const double pm = std::round(std::abs(t.jeuMoyen - milieu) * 1e9);
        if (!(pm < DistanceMax)) {
            std::sort(trouves.begin(), trouves.end(),
                      [milieu](const AjustementTrouve &a, const AjustementTrouve &b) { return avant(a, b, milieu); });
            return;
        }
        cles[i] = std::uint64_t(t.recommande < 0) << 63 | std::uint64_t(63 - t.qualites) << 57
                  | static_cast<std::uint64_t>(pm) << 14 | std::uint64_t(t.alesage) << 7 | std::uint64_t(t.arbre);
    }
    trierCles(cles);
    // Each pair is found once: its two indexes lead back to it.
    std::vector<std::uint16_t> position(128 * 128);
    for (std::size_t i = 0; i < trouves.size(); ++i)
        position[static_cast<std::size_t>(trouves[i].alesage * 128 + trouves[i].arbre)] = static_cast<std::uint16_t>(i);
    // Fit i of the order is source[i]: the permutation is applied in place,
    // cycle by cycle, without a second copy of thousands of fits.
    std::vector<std::uint16_t> source(trouves.size());
    for (std::size_t i = 0; i < cles.size(); ++i)
        source[i] = position[cles[i] & 0x3FFF];
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (source[i] == i)
            continue;
        const AjustementTrouve premier = trouves[i];
        std::size_t j = i;
        for (;;) {
            const std::size_t k = source[j];
            source[j] = static_cast<std::uint16_t>(j);
            if (k == i) {
                trouves[j] = premier;
                break;
            }
            trouves[j] = trouves[k];
            j = k;
        }
    }
}

AjustementTrouve trouve(const Offerte &al, const Offerte &ar, int recommande, const ValeursJeux &v)
{
    AjustementTrouve t;
    t.alesage = al.index;
    t.arbre = ar.index;
    t.recommande = recommande;
    t.qualites = al.grade + ar.grade;
    t.jeuMax = v.max;
    t.jeuMin = v.min;
    t.jeuMoyen = v.moyen;
    t.nature = natureAjustement(v.max, v.min);
    return t;
}

// Calls f(bore, shaft, recommended index) for every pair the request walks.
template <typename F>
void pourChaquePaire(const Offertes &alesages, int nAl, const Offertes &arbres, int nAr, bool recommandesSeulement,
                     F &&f)
{
    for (int i = 0; i < nAl; ++i) {
        const Offerte &al = alesages[i];
        if (recommandesSeulement && !al.aRecommande)
            continue;
        for (int j = 0; j < nAr; ++j) {
            const Offerte &ar = arbres[j];
            const int recommande = al.aRecommande ? indexRecommande(al.index, ar.index) : -1;
            if (recommandesSeulement && recommande < 0)
                continue;
            f(al, ar, recommande);
        }
    }
}

} // namespace

RefusRecherche verifierDemande(const DemandeRecherche &demande)
{
    if (!diametreValide(demande.diametre))
        return RefusRecherche::Diametre;
    if (!std::isfinite(demande.jeuMini) || !std::isfinite(demande.jeuMaxi) || demande.jeuMini > demande.jeuMaxi)
        return RefusRecherche::JeuxInverses;
    return RefusRecherche::Aucun;
}

ResultatRecherche rechercherAjustements(const DemandeRecherche &demande)
{
    ResultatRecherche resultat;
    resultat.refus = verifierDemande(demande);
    if (resultat.refus != RefusRecherche::Aucun)
        return resultat;

    const double d = demande.diametre;
    const double mini = demande.jeuMini, maxi = demande.jeuMaxi;
    const double milieu = mini / 2 + maxi / 2;
    const int s = sousEtape(d);
    Offertes alesages, arbres;
    const int nAl = remplir(Cote::Alesage, d, s, demande.base, alesages);
    const int nAr = remplir(Cote::Arbre, d, s, demande.base, arbres);
    const std::int64_t kMini = premierAuDessus(mini), kMaxi = dernierEnDessous(maxi);

    std::vector<AjustementTrouve> &trouves = resultat.ajustements;
    trouves.reserve(static_cast<std::size_t>(nAl) * static_cast<std::size_t>(nAr));
    const bool seuls = demande.recommandesSeulement;
    for (int i = 0; i < nAl; ++i) {
        const Offerte &al = alesages[i];
        if (seuls && !al.aRecommande)
            continue;
        // On the grid, a pair matches when kMin = al.kMin - ar.kMax >= kMini
        // and kMax = al.kMax - ar.kMin <= kMaxi.
        const std::int64_t arMaxHaut = al.kMin - kMini, arMinBas = al.kMax - kMaxi;
        for (int j = 0; j < nAr; ++j) {
            const Offerte &ar = arbres[j];
            if (al.surGrille && ar.surGrille) {
                if (ar.kMax > arMaxHaut || ar.kMin < arMinBas)
                    continue;
            } else {
                const ValeursJeux v = valeursJeux(al, ar);
                if (!(v.min >= mini && v.max <= maxi))
                    continue;
            }
            const int recommande = al.aRecommande ? indexRecommande(al.index, ar.index) : -1;
            if (seuls && recommande < 0)
                continue;
            trouves.push_back(trouve(al, ar, recommande, valeursJeux(al, ar)));
        }
    }
    if (!trouves.empty()) {
        trier(trouves, milieu);
        return resultat;
    }

    // Nothing matches: the nearest fits, kept in their order as they come.
    std::array<AjustementTrouve, NbProches> proches;
    int n = 0;
    pourChaquePaire(alesages, nAl, arbres, nAr, seuls, [&](const Offerte &al, const Offerte &ar, int recommande) {
                        const ValeursJeux v = valeursJeux(al, ar);
                        const double e = std::max(0.0, mini - v.min) + std::max(0.0, v.max - maxi);
                        if (n == NbProches && e > proches[NbProches - 1].ecart + 1e-6)
                            return;
                        AjustementTrouve t = trouve(al, ar, recommande, v);
                        t.ecart = picometres(e);
                        if (n == NbProches && !plusProche(t, proches[NbProches - 1], milieu))
                            return;
                        int k = n < NbProches ? n++ : NbProches - 1;
                        for (; k > 0 && plusProche(t, proches[k - 1], milieu); --k)
                            proches[k] = proches[k - 1];
                        proches[k] = t;
                    });
    resultat.proches = n > 0;
    trouves.assign(proches.begin(), proches.begin() + n);
    return resultat;
}

} // namespace vestrel
