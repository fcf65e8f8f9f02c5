// The press fit: one full evaluation of the model (every result, with a
// load, service conditions and a pre-cooled shaft), and the window
// "Assemblage serré" brought up to date after a class choice, beside the
// class choice itself in the main window, both painted at once.

#include "bench/fenetres.h"

#include "calcul/frettage.h"
#include "ui/frettage.h"

#include <cstdio>

namespace {

using namespace vestrel;

ParametresFrettage parametres()
{
    ParametresFrettage p;
    p.D_aA_mm = 100;
    p.D_iI_mm = 25;
    p.l_F_mm = 40;
    p.moyeu = valeursMateriau(*materiau("alu-6082"));
    p.charge = Charge{300, 2000, 1.25, 1.5, 1.2};
    p.tempServiceMoyeu_C = 60;
    p.tempServiceArbre_C = 50;
    p.vitesse_tr_min = 6000;
    p.tempArbreRefroidi_C = -80;
    return p;
}

void BM_Frettage_evaluation(benchmark::State &state)
{
    const AjustementAffiche a = ajustementClasses(50, "H7", "u6");
    const ParametresFrettage p = parametres();
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluerFrettage(a, p));
}
BENCHMARK(BM_Frettage_evaluation);

// The reference: a bore class chosen in the main window, repainted.
void BM_Principale_choixClasseEtPeinture(benchmark::State &state)
{
    Principale fenetre;
    fenetre.show();
    QCoreApplication::processEvents();
    bench::choisirAlesages(state, fenetre, [&] { fenetre.repaint(); });
}
BENCHMARK(BM_Principale_choixClasseEtPeinture);

// The window given the new fit (two interference fits in turn), computed,
// its table's texts changed and painted: in full (repaint, as the
// reference), or as the window is brought up to date on screen, only what
// changed (the posted update delivered).
void montrer(benchmark::State &state, bool peindre)
{
    Frettage fenetre;
    fenetre.show();
    QCoreApplication::processEvents();
    constexpr const char *Arbres[] = {"s6", "u6"};
    std::size_t n = 0;
    for (auto _ : state) {
        fenetre.montrer(ajustementClasses(25, "H7", Arbres[n++ % 2]));
        if (peindre)
            fenetre.repaint();
        else
            QCoreApplication::sendPostedEvents();
        bench::livrerEvenements(state, n);
    }
    if (!fenetre.evaluation().resultat || fenetre.ajustement().ajustement.cotes[1].classe != Arbres[(n - 1) % 2])
        state.SkipWithError("the window does not show the last fit");
}
void BM_Frettage_montrer(benchmark::State &state) { montrer(state, true); }
void BM_Frettage_montrerMiseAJour(benchmark::State &state) { montrer(state, false); }
BENCHMARK(BM_Frettage_montrer);
BENCHMARK(BM_Frettage_montrerMiseAJour);

} // namespace

int main(int argc, char **argv)
{
    return vestrel::bench::executer(argc, argv, [](const vestrel::bench::Rapport &rapport) {
        const double evaluation = rapport.ns("BM_Frettage_evaluation");
        const double choix = rapport.ns("BM_Principale_choixClasseEtPeinture");
        const double fenetre = rapport.ns("BM_Frettage_montrer");
        const double sansPeinture = rapport.ns("BM_Frettage_montrerMiseAJour");
        std::printf("\n(f) assemblage serré (temps CPU)\n");
        std::printf("    une évaluation complète : %.2f us\n", evaluation / 1e3);
        std::printf("    choix de classe, Principale repeinte : %.1f us ; Frettage montré et repeint : %.1f us\n",
                    choix / 1e3, fenetre / 1e3);
        std::printf("    Frettage montré, seul ce qui change repeint : %.1f us\n", sansPeinture / 1e3);
        vestrel::bench::cible("(f) une évaluation d'assemblage serré", evaluation > 0 ? evaluation / 1e3 : -1, "us", 10);
        vestrel::bench::cible("(f) Frettage repeint en entier / choix de classe repeint",
                              choix > 0 && fenetre > 0 ? fenetre / choix : -1, "x", 0.5);
        vestrel::bench::cible("(f) Frettage mis à jour / choix de classe repeint",
                              choix > 0 && sansPeinture > 0 ? sansPeinture / choix : -1, "x", 0.5);
    });
}
