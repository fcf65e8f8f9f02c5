// Lookup speed of the deviation tables: every (class, sub-step) cell of both
// sides is looked up once per iteration, at the middle of its sub-step, the
// way a class choice in the window does it.

#include "bench/rapport.h"

#include "tables/catalogue.h"
#include "tables/ecarts.h"
#include "tables/etapes.h"
#include "tables/systeme.h"
#include "calcul/etat.h"

#include <string_view>
#include <vector>

namespace {

using namespace vestrel;

struct Requete {
    Cote cote;
    std::string_view classe;
    double d;
};

std::vector<Requete> toutesLesCellules()
{
    std::vector<Requete> requetes;
    for (Cote cote : {Cote::Alesage, Cote::Arbre}) {
        const auto classes = catalogue(cote);
        for (const CelluleEcart &c : cellules(cote)) {
            const double lo = BornesSousEtapes[c.sousEtape];
            const double hi = BornesSousEtapes[c.sousEtape + 1];
            requetes.push_back({cote, classes[c.classe], (lo + hi) / 2});
        }
    }
    return requetes;
}

const std::vector<Requete> &requetes()
{
    static const std::vector<Requete> r = toutesLesCellules();
    return r;
}

// Every cell of the whole system, at the middle of its sub-step.
const std::vector<Requete> &requetesCompletes()
{
    static const std::vector<Requete> r = [] {
        std::vector<Requete> v;
        for (Cote cote : {Cote::Alesage, Cote::Arbre}) {
            const auto classes = catalogue(cote, Systeme::Complet);
            for (int i = 0; i < int(classes.size()); ++i)
                for (int s = 0; s < NbSousEtapesCompletes; ++s)
                    if (ecartsComplets(cote, i, s))
                        v.push_back({cote, classes[i],
                                     (BornesSousEtapesCompletes[s] + BornesSousEtapesCompletes[s + 1]) / 2.0});
        }
        return v;
    }();
    return r;
}

// The same lookup in the whole system: a larger hash and a table of 42
// sub-steps by class.
void BM_chercherEcarts_complet(benchmark::State &state)
{
    const auto &r = requetesCompletes();
    std::size_t trouvees = 0;
    for (auto _ : state) {
        trouvees = 0;
        for (const Requete &q : r) {
            auto e = chercherEcarts(q.cote, q.classe, q.d, Systeme::Complet);
            benchmark::DoNotOptimize(e);
            trouvees += e.has_value();
        }
    }
    if (trouvees != r.size())
        state.SkipWithError("a cell of the whole system was not found by its own lookup");
    state.counters["cellules"] = double(r.size());
}
BENCHMARK(BM_chercherEcarts_complet);

void BM_chercherEcarts(benchmark::State &state)
{
    const auto &r = requetes();
    std::size_t trouvees = 0;
    for (auto _ : state) {
        trouvees = 0;
        for (const Requete &q : r) {
            auto e = chercherEcarts(q.cote, q.classe, q.d);
            benchmark::DoNotOptimize(e);
            trouvees += e.has_value();
        }
    }
    if (trouvees != r.size())
        state.SkipWithError("a cell of the table was not found by its own lookup");
    state.counters["cellules"] = double(r.size());
    state.counters["par_recherche"] = benchmark::Counter(
        double(state.iterations()) * double(r.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_chercherEcarts);

// The parts of a lookup called on their own through the public interface, to
// tell where the time goes when the target is missed: finding the class from
// its text, finding the sub-step from the diameter, and the loop itself.
void BM_partie_indexClasse(benchmark::State &state)
{
    const auto &r = requetes();
    for (auto _ : state)
        for (const Requete &q : r)
            benchmark::DoNotOptimize(indexClasse(q.cote, q.classe));
    state.counters["par_recherche"] = benchmark::Counter(
        double(state.iterations()) * double(r.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_partie_indexClasse);

void BM_partie_sousEtape(benchmark::State &state)
{
    const auto &r = requetes();
    for (auto _ : state)
        for (const Requete &q : r)
            benchmark::DoNotOptimize(sousEtape(q.d));
    state.counters["par_recherche"] = benchmark::Counter(
        double(state.iterations()) * double(r.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_partie_sousEtape);

void BM_partie_boucleSeule(benchmark::State &state)
{
    const auto &r = requetes();
    for (auto _ : state)
        for (const Requete &q : r) {
            benchmark::DoNotOptimize(q.classe);
            benchmark::DoNotOptimize(q.d);
        }
    state.counters["par_recherche"] = benchmark::Counter(
        double(state.iterations()) * double(r.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_partie_boucleSeule);

// The entry point of the window: the class text sits in the fit state as a
// std::string and the deviations are written back into it.
void BM_ecrireEcarts(benchmark::State &state)
{
    const auto &r = requetes();
    std::vector<EtatAjustement> etats(r.size());
    for (std::size_t i = 0; i < r.size(); ++i) {
        etats[i].Dia_Nominal = r[i].d;
        (r[i].cote == Cote::Alesage ? etats[i].Cl_Alesage : etats[i].Cl_Arbre) = r[i].classe;
    }
    std::size_t trouvees = 0;
    for (auto _ : state) {
        trouvees = 0;
        for (std::size_t i = 0; i < r.size(); ++i)
            trouvees += ecrireEcarts(r[i].cote, etats[i]);
        benchmark::ClobberMemory();
    }
    if (trouvees != r.size())
        state.SkipWithError("a cell of the table was not found by its own lookup");
    state.counters["par_recherche"] = benchmark::Counter(
        double(state.iterations()) * double(r.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ecrireEcarts);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    vestrel::bench::Rapport rapport;
    benchmark::RunSpecifiedBenchmarks(&rapport);
    std::printf("\n");
    const double n = double(requetes().size());
    std::printf("%zu cellules (alésage + arbre)\n", requetes().size());
    vestrel::bench::cible("(a) chercherEcarts, par recherche", rapport.ns("BM_chercherEcarts") / n,
                          "ns", 20);
    std::printf("%zu cellules du système ISO 286 complet\n", requetesCompletes().size());
    vestrel::bench::cible("(a) chercherEcarts, système complet, par recherche",
                          rapport.ns("BM_chercherEcarts_complet") / double(requetesCompletes().size()), "ns", 20);
    vestrel::bench::cible("(a) ecrireEcarts(Cote, EtatAjustement&), par recherche",
                          rapport.ns("BM_ecrireEcarts") / n, "ns", 20);
    std::printf("    appels isolés : indexClasse %.1f ns, sousEtape %.1f ns, boucle du banc %.1f ns\n",
                rapport.ns("BM_partie_indexClasse") / n, rapport.ns("BM_partie_sousEtape") / n,
                rapport.ns("BM_partie_boucleSeule") / n);
    benchmark::Shutdown();
    return 0;
}
