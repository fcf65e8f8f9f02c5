// Cost of "Jeu en service" following a class choice: the choice in the main
// window with the service window open (its results, accessible text and
// painting), beside the same choice with it closed. Both repaint what shows.

#include "bench/fenetres.h"

#include "app/outils.h"
#include "ui/service.h"

#include <QLabel>

#include <cstdio>

namespace {

using namespace vestrel;

int itemService()
{
    const auto items = OutilsPrincipale::items();
    for (int k = 0; k < int(items.size()); ++k)
        if (QString::fromUtf8(items[std::size_t(k)].texte) == QStringLiteral("Jeu en service"))
            return k;
    return -1;
}

void choixClasse(benchmark::State &state, bool service)
{
    Principale fenetre;
    fenetre.show();
    if (service)
        fenetre.outils()->choisir(itemService());
    QCoreApplication::processEvents();
    Service *s = fenetre.outils()->service();
    if (service && (!s || !s->isVisible())) {
        state.SkipWithError("the service window not found");
        return;
    }
    const std::size_t n = bench::choisirAlesages(state, fenetre, [&] {
        fenetre.repaint();
        if (service)
            s->repaint();
    });
    // H7/f7 and G7/f7 at 2 mm: 0.026 and 0.028 of maximum clearance.
    if (service && n > 0 && s->findChild<QLabel *>(QStringLiteral("Sv_Jeu_Max"))->text().isEmpty())
        state.SkipWithError("the service window shows no result");
}
void BM_ChoixClasse(benchmark::State &state) { choixClasse(state, false); }
void BM_ChoixClasseAvecService(benchmark::State &state) { choixClasse(state, true); }
BENCHMARK(BM_ChoixClasse);
BENCHMARK(BM_ChoixClasseAvecService);

} // namespace

int main(int argc, char **argv)
{
    return vestrel::bench::executer(argc, argv, [](const vestrel::bench::Rapport &rapport) {
        const double seul = rapport.ns("BM_ChoixClasse");
        const double avec = rapport.ns("BM_ChoixClasseAvecService");
        std::printf("\n(f) « Jeu en service » après un choix de classe (temps CPU)\n");
        std::printf("    choix de classe repeint : %.1f us ; avec « Jeu en service » ouverte et repeinte : %.1f us\n",
                    seul / 1e3, avec / 1e3);
        vestrel::bench::cible("(f) surcoût de « Jeu en service » / choix de classe",
                              seul > 0 && avec > 0 ? (avec - seul) / seul : -1, "x", 0.5);
    });
}
