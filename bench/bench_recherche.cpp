// Speed of the fit search: every pair of classes offered at 25 mm (about
// 12 000) walked once per search, beside one deviation lookup of the kind a
// class choice makes.

#include "bench/rapport.h"

#include "tables/ecarts.h"
#include "tables/offerts.h"
#include "calcul/recherche.h"

namespace {

using namespace vestrel;

constexpr double Diametre = 25;

void chercher(benchmark::State &state, double mini, double maxi)
{
    const DemandeRecherche demande{Diametre, mini, maxi, Base::Toutes, false};
    std::size_t n = 0;
    for (auto _ : state) {
        const ResultatRecherche r = rechercherAjustements(demande);
        n = r.ajustements.size();
        benchmark::DoNotOptimize(r.ajustements.data());
    }
    state.counters["ajustements"] = double(n);
}

// A few fits match: the usual question.
void BM_recherche_quelques(benchmark::State &state) { chercher(state, 0.01, 0.04); }
BENCHMARK(BM_recherche_quelques);

// None matches: the second walk that keeps the ten nearest.
void BM_recherche_proches(benchmark::State &state) { chercher(state, 5, 6); }
BENCHMARK(BM_recherche_proches);

// Every pair matches and is sorted.
void BM_recherche_toutes(benchmark::State &state) { chercher(state, -100, 100); }
BENCHMARK(BM_recherche_toutes);

// Every pair of the whole system matches and is sorted, at 25 and 600 mm,
// beside the default catalogue's at 25 mm above.
void toutesCompletes(benchmark::State &state, double d)
{
    const DemandeRecherche demande{d, -100, 100, Base::Toutes, false, Systeme::Complet};
    std::size_t n = 0;
    for (auto _ : state) {
        const ResultatRecherche r = rechercherAjustements(demande);
        n = r.ajustements.size();
        benchmark::DoNotOptimize(r.ajustements.data());
    }
    state.counters["ajustements"] = double(n);
}
void BM_complet_toutes_25(benchmark::State &state) { toutesCompletes(state, 25); }
BENCHMARK(BM_complet_toutes_25);
void BM_complet_toutes_600(benchmark::State &state) { toutesCompletes(state, 600); }
BENCHMARK(BM_complet_toutes_600);
void BM_complet_quelques_600(benchmark::State &state)
{
    const DemandeRecherche demande{600, 0.05, 0.15, Base::Toutes, false, Systeme::Complet};
    for (auto _ : state) {
        const ResultatRecherche r = rechercherAjustements(demande);
        benchmark::DoNotOptimize(r.ajustements.data());
    }
}
BENCHMARK(BM_complet_quelques_600);

void BM_une_recherche_d_ecarts(benchmark::State &state)
{
    for (auto _ : state) {
        auto e = chercherEcarts(Cote::Alesage, "H7", Diametre);
        benchmark::DoNotOptimize(e);
    }
}
BENCHMARK(BM_une_recherche_d_ecarts);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    vestrel::bench::Rapport rapport;
    benchmark::RunSpecifiedBenchmarks(&rapport);
    const double paires = double(classesOffertes(Cote::Alesage, Diametre).size())
                          * double(classesOffertes(Cote::Arbre, Diametre).size());
    std::printf("\n%.0f paires offertes à %g mm ; une recherche d'écarts : %.1f ns\n", paires, Diametre,
                rapport.ns("BM_une_recherche_d_ecarts"));
    const struct {
        const char *libelle, *nom;
    } cas[] = {
        {"(e) recherche, quelques ajustements (0.01:0.04)", "BM_recherche_quelques"},
        {"(e) recherche, aucun : les 10 plus proches (5:6)", "BM_recherche_proches"},
        {"(e) recherche, toutes les paires triées (-100:100)", "BM_recherche_toutes"},
    };
    for (const auto &c : cas) {
        const double ns = rapport.ns(c.nom);
        vestrel::bench::cible(c.libelle, ns / 1000, "µs", 1000);
        std::printf("    soit %.2f ns par paire, %.0f recherches d'écarts\n", ns / paires,
                    ns / rapport.ns("BM_une_recherche_d_ecarts"));
    }
    std::printf("\nSystème ISO 286 complet (cible < 5 ms, comme la référence ci-dessus) :\n");
    for (double d : {25.0, 600.0})
        std::printf("    %g mm : %.0f paires offertes\n", d,
                    double(classesOffertes(Cote::Alesage, d, Systeme::Complet).size())
                        * double(classesOffertes(Cote::Arbre, d, Systeme::Complet).size()));
    vestrel::bench::cible("(e) défaut, toutes les paires triées à 25 mm", rapport.ns("BM_recherche_toutes") / 1e6, "ms", 5);
    vestrel::bench::cible("(e) complet, toutes les paires triées à 25 mm", rapport.ns("BM_complet_toutes_25") / 1e6,
                          "ms", 5);
    vestrel::bench::cible("(e) complet, toutes les paires triées à 600 mm", rapport.ns("BM_complet_toutes_600") / 1e6,
                          "ms", 5);
    vestrel::bench::cible("(e) complet, quelques ajustements à 600 mm", rapport.ns("BM_complet_quelques_600") / 1e6,
                          "ms", 5);
    benchmark::Shutdown();
    return 0;
}
