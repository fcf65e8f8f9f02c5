#include "calcul/recherche.h"

#include "tables/catalogue.h"
#include "tables/classe.h"
#include "tables/systeme.h"
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

// Deviations are whole hundredths of a micrometre.
constexpr double Pas = CentiemesParMm;
// The clearances are shown with four decimals: tenths of a micrometre.
constexpr double PasAffiche = 10000; // per mm
constexpr std::int64_t CentiemesParAffiche = 10;

// One offered class of a side at the searched diameter.
struct Offerte {
    double max, min;          // limit sizes as the main window shows them
    std::int32_t kMax, kMin;  // its deviations, hundredths of a micrometre
    std::int16_t index;       // in the catalogue
    std::int8_t grade;
    // The shown sizes are d + kMax and d + kMin steps to within rounding.
    bool surGrille;
    // ... and their texts are exactly those decimals, d being on the grid:
    // the differences of two such texts are exact, ties included.
    bool exacte;
    bool aRecommande;         // a bore of some recommended fit
    std::int16_t indexDefaut; // in the default catalogue, -1 for none
};
constexpr std::size_t NbClassesMax = 1024;
using Offertes = std::array<Offerte, NbClassesMax>;

// The window computes the clearances from the sizes D + deviation as shown.
double tailleAffichee(double d, std::int32_t k) { return arrondi15(d + k / Pas); }

bool pres(double taille, double d, std::int32_t k) { return std::abs((taille - d) * Pas - k) < 1e-3; }

// A diameter that is a whole number of steps, far below the 15 digits of a
// shown size: d + k steps is then written exactly.
bool diametreSurGrille(double d) { return d < 1e5 && std::abs(d * Pas - std::round(d * Pas)) < 1e-6; }

// The letter and grade of every class of a catalogue side.
const std::vector<ClasseDecomposee> &decomposees(Cote cote, Systeme systeme)
{
    auto construire = [](Cote c, Systeme s) {
        std::vector<ClasseDecomposee> v;
        for (std::string_view t : catalogue(c, s))
            v.push_back(decomposerClasse(c, t, s).value_or(ClasseDecomposee{}));
        return v;
    };
    static const std::array<std::vector<ClasseDecomposee>, 4> toutes{
        construire(Cote::Alesage, Systeme::Defaut), construire(Cote::Arbre, Systeme::Defaut),
        construire(Cote::Alesage, Systeme::Complet), construire(Cote::Arbre, Systeme::Complet)};
    return toutes[(systeme == Systeme::Complet ? 2 : 0) + (cote == Cote::Arbre ? 1 : 0)];
}

// The side's classes offered at d (sub-step s) within the basis, in
// catalogue order; returns how many.
int remplir(Cote cote, double d, int s, const DemandeRecherche &demande, Offertes &sortie)
{
    const bool alesage = cote == Cote::Alesage;
    const Base seule = alesage ? Base::Alesage : Base::Arbre;
    const auto &classes = decomposees(cote, demande.systeme);
    const auto lettresCote = lettres(cote, demande.systeme);
    int n = 0;
    for (int i = 0; i < int(classes.size()) && n < int(NbClassesMax); ++i) {
        const ClasseDecomposee &c = classes[i];
        if (demande.base == seule && (c.lettre < 0 || lettresCote[c.lettre] != (alesage ? "H" : "h")))
            continue;
        const auto e = ecartsOfferts(cote, i, s, demande.systeme);
        if (!e)
            continue;
        Offerte &o = sortie[n++];
        o.max = tailleAffichee(d, e->sup);
        o.min = tailleAffichee(d, e->inf);
        o.kMax = e->sup;
        o.kMin = e->inf;
        o.index = static_cast<std::int16_t>(i);
        o.grade = static_cast<std::int8_t>(c.grade);
        o.surGrille = pres(o.max, d, o.kMax) && pres(o.min, d, o.kMin);
        o.exacte = o.surGrille && diametreSurGrille(d);
        o.indexDefaut = static_cast<std::int16_t>(
            demande.systeme == Systeme::Complet ? defautDeComplet(cote, i) : i);
        o.aRecommande = alesage && alesageRecommande(o.indexDefaut);
    }
    return n;
}

// The four-decimal value of a clearance of k units (Par units to the shown
// tenth of a micrometre), rounded to the nearest.
// - Exact: a tie is rounded away from zero, as the window rounds the digits
//   of an exact difference.
// - Otherwise the difference may be off by a rounding error, so a tie gives
//   nothing: the window's text decides.
// Par is a constant, so that the divisions are products.
template <std::int64_t Par>
constexpr std::int64_t auDixiemeExact(std::int64_t k)
{
    return (k + (k < 0 ? -Par / 2 : Par / 2)) / Par;
}
template <std::int64_t Par>
std::optional<std::int64_t> auDixieme(std::int64_t k)
{
    if (2 * std::abs(k % Par) == Par)
        return std::nullopt;
    return auDixiemeExact<Par>(k);
}
static_assert(auDixiemeExact<10>(15) == 2 && auDixiemeExact<10>(-15) == -2 && auDixiemeExact<10>(14) == 1
              && auDixiemeExact<10>(-16) == -2 && auDixiemeExact<20>(30) == 2 && auDixiemeExact<20>(-29) == -1);

// The clearances of two classes as the main window shows them. The texts of
// calculerJeux are the exact differences of the shown sizes with four
// decimals. Sizes on the hundredth-of-a-micrometre grid differ by a whole
// number k of hundredths to within rounding errors far below one, so away
// from a tie the text is k rounded to tenths of a micrometre and reads back
// as the double nearest it; on a tie, when both texts are exact decimals, it
// is k rounded away from zero. The mean is the middle of the two exact
// clearances: kMax + kMin half-hundredths. Other ties and other sizes take
// the values of calculerJeux itself.
ValeursJeux valeurs(const Offerte &al, const Offerte &ar)
{
    const std::int64_t kMax = std::int64_t(al.kMax) - ar.kMin, kMin = std::int64_t(al.kMin) - ar.kMax;
    if (al.exacte && ar.exacte)
        return {double(auDixiemeExact<CentiemesParAffiche>(kMax)) / PasAffiche,
                double(auDixiemeExact<CentiemesParAffiche>(kMin)) / PasAffiche,
                double(auDixiemeExact<2 * CentiemesParAffiche>(kMax + kMin)) / PasAffiche};
    if (al.surGrille && ar.surGrille) {
        const auto qMax = auDixieme<CentiemesParAffiche>(kMax), qMin = auDixieme<CentiemesParAffiche>(kMin);
        const auto qMoyen = auDixieme<2 * CentiemesParAffiche>(kMax + kMin);
        if (qMax && qMin && qMoyen)
            return {double(*qMax) / PasAffiche, double(*qMin) / PasAffiche, double(*qMoyen) / PasAffiche};
    }
    return valeursJeux(al.max, al.min, ar.max, ar.min);
}

// The wanted limits in shown steps: a clearance q / 10000.0 is >= mini
// exactly when q >= premierAuDessus(mini), and <= maxi exactly when
// q <= dernierEnDessous(maxi). Clearances stay far below a metre.
constexpr std::int64_t HorsDePortee = std::int64_t(1) << 40;
std::int64_t premierAuDessus(double x)
{
    if (!(std::abs(x) < 1e6))
        return x > 0 ? HorsDePortee : -HorsDePortee;
    auto k = static_cast<std::int64_t>(std::ceil(x * PasAffiche));
    while (double(k - 1) / PasAffiche >= x)
        --k;
    while (double(k) / PasAffiche < x)
        ++k;
    return k;
}
std::int64_t dernierEnDessous(double x) { return -premierAuDessus(-x); }

// Distances (mm) are compared on a picometre grid, so that two equal
// decimal distances compare equal whatever the binary rounding of each.
double picometres(double e) { return e < 1e6 ? std::round(e * 1e9) / 1e9 : e; }

// Sorts keys by their bits from Premier up, in digits of 11 bits, least
// significant first (a digit all keys share is skipped). Each pass is
// stable, so keys equal in those bits keep the order they came in, and the
// bits below Premier ride along unsorted. Thousands of keys sort several
// times faster than by comparison, and each pass's counts stay in the first
// cache.
template <int Premier>
void trierCles(std::vector<std::uint64_t> &cles)
{
    constexpr int Bits = 11, Passes = (64 - Premier + Bits - 1) / Bits;
    constexpr std::uint64_t Masque = (std::uint64_t(1) << Bits) - 1;
    const std::size_t n = cles.size();
    if (n < 512) {
        std::stable_sort(cles.begin(), cles.end(),
                         [](std::uint64_t a, std::uint64_t b) { return (a >> Premier) < (b >> Premier); });
        return;
    }
    auto chiffre = [](std::uint64_t k, int b) { return (k >> (Premier + Bits * b)) & Masque; };
    std::vector<std::array<std::uint32_t, std::size_t(1) << Bits>> comptes(Passes);
    for (const std::uint64_t k : cles)
        for (int b = 0; b < Passes; ++b)
            ++comptes[b][chiffre(k, b)];
    std::vector<std::uint64_t> tampon(n);
    for (int b = 0; b < Passes; ++b) {
        auto &c = comptes[b];
        if (c[chiffre(cles[0], b)] == n)
            continue;
        std::uint32_t debut = 0;
        for (std::uint32_t &x : c)
            debut += std::exchange(x, debut);
        for (const std::uint64_t k : cles)
            tampon[c[chiffre(k, b)]++] = k;
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

// The order of avant() packed into one integer per fit, so that hundreds of
// thousands of fits sort by their bits: recommended first, larger sum of
// grades, distance of the mean in picometres. The positions of bore and
// shaft among the offered classes fill the low bits: the fits come in the
// order of the catalogue indexes and the sort keeps it among equals, so
// they need no sorting. The fits themselves are built once, in order, from
// the positions.
class ClesTri
{
public:
    static constexpr int BitsIndex = 10;
    static_assert(NbClassesMax <= (std::size_t(1) << BitsIndex));
    // A distance beyond 2^37 pm (13 cm) does not fit the key; such wanted
    // ranges take the comparison of avant().
    static constexpr double DistanceMax = double(std::uint64_t(1) << 37);

    ClesTri(double milieu, std::size_t n) : milieu_(milieu), milieuPm_(milieu * 1e9) { cles_.reserve(n); }

    // The distance of a mean clearance to the middle of the wanted range,
    // in picometres: from its value in mm, or exactly from its whole number
    // of tenths of a micrometre, so that two means equally far on either
    // side have one distance.
    double distance(double moyen_mm) const { return std::round(std::abs(moyen_mm - milieu_) * 1e9); }
    double distance(std::int64_t moyenDixiemes) const
    {
        return std::round(std::abs(double(moyenDixiemes) * 1e5 - milieuPm_));
    }

    void ajouter(int i, int j, int recommande, int qualites, double pm)
    {
        if (!(pm < DistanceMax)) {
            horsCle_ = true;
            return cles_.push_back(std::uint64_t(i) << BitsIndex | std::uint64_t(j));
        }
        // Sums of grades run from -2 (IT01 with IT01) to 36.
        cles_.push_back(std::uint64_t(recommande < 0) << 63 | std::uint64_t(40 - qualites) << 57
                        | static_cast<std::uint64_t>(pm) << (2 * BitsIndex) | std::uint64_t(i) << BitsIndex
                        | std::uint64_t(j));
    }

    // The fits in order; f(i, j) builds the fit of those positions.
    template <typename F>
    void construire(std::vector<AjustementTrouve> &sortie, F &&f)
    {
        if (!horsCle_)
            trierCles<2 * BitsIndex>(cles_);
        sortie.reserve(cles_.size());
        constexpr std::uint64_t Masque = (std::uint64_t(1) << BitsIndex) - 1;
        for (const std::uint64_t k : cles_)
            sortie.push_back(f(int((k >> BitsIndex) & Masque), int(k & Masque)));
        if (horsCle_)
            std::sort(sortie.begin(), sortie.end(), [m = milieu_](const AjustementTrouve &a, const AjustementTrouve &b) {
                return avant(a, b, m);
            });
    }

    bool vide() const { return cles_.empty(); }

private:
    double milieu_, milieuPm_;
    std::vector<std::uint64_t> cles_;
    bool horsCle_ = false;
};

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
            const int recommande = al.aRecommande ? indexRecommande(al.indexDefaut, ar.indexDefaut) : -1;
            if (recommandesSeulement && recommande < 0)
                continue;
            f(al, ar, recommande);
        }
    }
}

} // namespace

RefusRecherche verifierDemande(const DemandeRecherche &demande)
{
    if (!diametreValide(demande.diametre, demande.systeme))
        return RefusRecherche::Diametre;
    if (!std::isfinite(demande.jeuMini) || !std::isfinite(demande.jeuMaxi) || demande.jeuMini > demande.jeuMaxi)
        return RefusRecherche::JeuxInverses;
    return RefusRecherche::Aucun;
}

ResultatRecherche rechercherAjustements(const DemandeRecherche &demande)
{
    ResultatRecherche resultat;
    resultat.systeme = demande.systeme;
    resultat.refus = verifierDemande(demande);
    if (resultat.refus != RefusRecherche::Aucun)
        return resultat;

    const double d = demande.diametre;
    const double mini = demande.jeuMini, maxi = demande.jeuMaxi;
    const double milieu = mini / 2 + maxi / 2;
    const int s = sousEtapeDe(d, demande.systeme);
    static thread_local Offertes alesages, arbres;
    const int nAl = remplir(Cote::Alesage, d, s, demande, alesages);
    const int nAr = remplir(Cote::Arbre, d, s, demande, arbres);
    // A clearance of k hundredths shows q = k / 10 rounded: it can show
    // qMini or more only when k >= 10 qMini - 5, qMaxi or less only when
    // k <= 10 qMaxi + 5.
    const std::int64_t kMini = CentiemesParAffiche * premierAuDessus(mini) - CentiemesParAffiche / 2;
    const std::int64_t kMaxi = CentiemesParAffiche * dernierEnDessous(maxi) + CentiemesParAffiche / 2;
    const std::int64_t qMini = premierAuDessus(mini), qMaxi = dernierEnDessous(maxi);

    const bool seuls = demande.recommandesSeulement;
    ClesTri cles(milieu, static_cast<std::size_t>(nAl) * static_cast<std::size_t>(nAr));
    auto recommandeDe = [](const Offerte &al, const Offerte &ar) {
        return al.aRecommande ? indexRecommande(al.indexDefaut, ar.indexDefaut) : -1;
    };
    for (int i = 0; i < nAl; ++i) {
        const Offerte &al = alesages[i];
        if (seuls && !al.aRecommande)
            continue;
        // On the grid, a pair can match only when kMin = al.kMin - ar.kMax
        // >= kMini and kMax = al.kMax - ar.kMin <= kMaxi.
        const std::int64_t arMaxHaut = al.kMin - kMini, arMinBas = al.kMax - kMaxi;
        for (int j = 0; j < nAr; ++j) {
            const Offerte &ar = arbres[j];
            if (al.surGrille && ar.surGrille && (ar.kMax > arMaxHaut || ar.kMin < arMinBas))
                continue;
            // Exact sizes: the shown clearances in whole tenths of a
            // micrometre, compared and measured without a division.
            double pm = 0;
            if (al.exacte && ar.exacte) {
                const std::int64_t kMax = std::int64_t(al.kMax) - ar.kMin, kMin = std::int64_t(al.kMin) - ar.kMax;
                if (auDixiemeExact<CentiemesParAffiche>(kMin) < qMini
                    || auDixiemeExact<CentiemesParAffiche>(kMax) > qMaxi)
                    continue;
                pm = cles.distance(auDixiemeExact<2 * CentiemesParAffiche>(kMax + kMin));
            } else {
                const ValeursJeux v = valeurs(al, ar);
                if (!(v.min >= mini && v.max <= maxi))
                    continue;
                pm = cles.distance(v.moyen);
            }
            const int recommande = recommandeDe(al, ar);
            if (seuls && recommande < 0)
                continue;
            cles.ajouter(i, j, recommande, al.grade + ar.grade, pm);
        }
    }
    std::vector<AjustementTrouve> &trouves = resultat.ajustements;
    if (!cles.vide()) {
        cles.construire(trouves, [&](int i, int j) {
            const Offerte &al = alesages[i], &ar = arbres[j];
            return trouve(al, ar, recommandeDe(al, ar), valeurs(al, ar));
        });
        return resultat;
    }

    // Nothing matches: the nearest fits, kept in their order as they come.
    std::array<AjustementTrouve, NbProches> proches;
    int n = 0;
    pourChaquePaire(alesages, nAl, arbres, nAr, seuls, [&](const Offerte &al, const Offerte &ar, int recommande) {
                        const ValeursJeux v = valeurs(al, ar);
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
