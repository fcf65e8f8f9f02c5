// Cost of redrawing the tolerance-zone diagram after a class choice, beside
// the class choice itself in the main window. Both are measured with their
// painting done at once (repaint), since the diagram's cost is mostly paint:
// the window Schema builds the diagram from the tables when the fit changes,
// lays it out at its size when it paints, and paints the plan with QPainter.
// The figures without painting, and the parts of the redraw, are printed
// beside them.

#include "bench/fenetres.h"

#include "rendu/schema.h"
#include "ui/dessin_schema.h"
#include "ui/schema.h"

#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

using namespace vestrel;

using bench::Classes;

void choixClasse(benchmark::State &state, bool peindre)
{
    Principale fenetre;
    fenetre.show();
    QCoreApplication::processEvents();
    const std::size_t n = bench::choisirAlesages(state, fenetre, [&] {
        if (peindre)
            fenetre.repaint();
    });
    if (n > 0 && fenetre.etat().Cl_Alesage != Classes[(n - 1) % 2])
        state.SkipWithError("the class choice did not reach the fit state");
}
void BM_Principale_choixClasse(benchmark::State &state) { choixClasse(state, false); }
void BM_Principale_choixClasseEtPeinture(benchmark::State &state) { choixClasse(state, true); }
BENCHMARK(BM_Principale_choixClasse);
BENCHMARK(BM_Principale_choixClasseEtPeinture);

// The window Schema given the new fit and painted at its default size.
void BM_Schema_montrer(benchmark::State &state)
{
    Schema schema;
    schema.show();
    QCoreApplication::processEvents();
    std::size_t n = 0;
    for (auto _ : state) {
        schema.montrer(ajustementClasses(2, Classes[n++ % 2], "f7"));
        schema.repaint();
        bench::livrerEvenements(state, n);
    }
    if (schema.modele().zone(Cote::Alesage)->titre != Classes[(n - 1) % 2])
        state.SkipWithError("the diagram does not show the last fit");
}
BENCHMARK(BM_Schema_montrer);

// The same into an image of the window's size, as grab() would: the fit
// shown, then the window laid out and painted.
void BM_Schema_montrerDansUneImage(benchmark::State &state)
{
    Schema schema;
    QImage image(schema.size(), QImage::Format_ARGB32_Premultiplied);
    std::size_t n = 0;
    for (auto _ : state) {
        schema.montrer(ajustementClasses(2, Classes[n++ % 2], "f7"));
        schema.render(&image);
    }
    if (!schema.planAJour() || schema.modele().zone(Cote::Alesage)->titre != Classes[(n - 1) % 2])
        state.SkipWithError("the diagram was not laid out for the last fit");
}
BENCHMARK(BM_Schema_montrerDansUneImage);

// The parts of the redraw: the model and its plan (no Qt), then painting a
// plan already made.
void BM_Schema_modeleEtPlan(benchmark::State &state)
{
    std::size_t n = 0;
    for (auto _ : state) {
        const ModeleSchema m = construireSchema(ajustementClasses(2, Classes[n++ % 2], "f7"), ".");
        benchmark::DoNotOptimize(planSchema(m, LargeurSchema, HauteurSchema));
    }
}
BENCHMARK(BM_Schema_modeleEtPlan);

void BM_Schema_peindrePlan(benchmark::State &state)
{
    const PlanSchema plan = planSchema(construireSchema(ajustementClasses(2, "H7", "f7"), "."), LargeurSchema, HauteurSchema);
    QImage image(static_cast<int>(LargeurSchema), static_cast<int>(HauteurSchema), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&image);
        peindreSchema(p, plan);
    }
}
BENCHMARK(BM_Schema_peindrePlan);

} // namespace

int main(int argc, char **argv)
{
    return vestrel::bench::executer(argc, argv, [](const vestrel::bench::Rapport &rapport) {
        const double choix = rapport.ns("BM_Principale_choixClasse");
        const double choixPeint = rapport.ns("BM_Principale_choixClasseEtPeinture");
        const double fenetre = rapport.ns("BM_Schema_montrer");
        const double image = rapport.ns("BM_Schema_montrerDansUneImage");
        const double plan = rapport.ns("BM_Schema_modeleEtPlan");
        const double peinture = rapport.ns("BM_Schema_peindrePlan");
        std::printf("\n(e) schéma redessiné après un choix de classe (temps CPU)\n");
        std::printf("    choix de classe, Principale repeinte : %.1f us (sans peinture : %.1f us)\n", choixPeint / 1e3,
                    choix / 1e3);
        std::printf("    Schema montré et repeint : %.1f us ; montré et peint dans une image 560 x 400 : %.1f us\n",
                    fenetre / 1e3, image / 1e3);
        std::printf("    dont modèle + plan : %.1f us ; peinture d'un plan fait : %.1f us\n", plan / 1e3, peinture / 1e3);
        vestrel::bench::cible("(e) Schema repeint / choix de classe repeint",
                              choixPeint > 0 && fenetre > 0 ? fenetre / choixPeint : -1, "x", 0.5);
        vestrel::bench::cible("(e) Schema peint dans une image / choix de classe repeint",
                              choixPeint > 0 && image > 0 ? image / choixPeint : -1, "x", 0.5);
    });
}
