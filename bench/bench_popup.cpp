// Cost of a change of diameter in the "Popup" method: the text of Diametre is
// set, which rebuilds both class lists and empties the result labels. The
// reference is the least that any program showing the same lists must do: a
// pair of editable combo boxes emptied and refilled with the same texts.

#include "bench/fenetres.h"

#include "tables/cote.h"
#include "tables/etapes.h"
#include "tables/offerts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdio>
#include <memory>

namespace {

using namespace vestrel;

// One diameter inside every sub-step, visited in turn: each change really
// changes the offered classes, as when a user goes from 2 to 250 mm.
struct Diametre {
    QString texte;
    double d;
    QStringList alesages;
    QStringList arbres;
};

QStringList offertes(Cote cote, double d)
{
    QStringList l;
    for (std::string_view c : classesOffertes(cote, d))
        l.append(QString::fromUtf8(c.data(), qsizetype(c.size())));
    return l;
}

const std::vector<Diametre> &diametres()
{
    static const std::vector<Diametre> v = [] {
        std::vector<Diametre> r;
        for (int s = 0; s < NbSousEtapes; ++s) {
            const double d = (BornesSousEtapes[s] + BornesSousEtapes[s + 1]) / 2.0;
            r.push_back({QString::number(d), d, offertes(Cote::Alesage, d), offertes(Cote::Arbre, d)});
        }
        return r;
    }();
    return v;
}

// Two editable lists set up as the window's class lists are, shown.
std::array<QComboBox *, 2> paireNue(QWidget &fenetre)
{
    std::array<QComboBox *, 2> listes{new QComboBox(&fenetre), new QComboBox(&fenetre)};
    for (QComboBox *l : listes) {
        l->setEditable(true);
        l->setInsertPolicy(QComboBox::NoInsert);
        l->setCompleter(nullptr);
    }
    listes[1]->move(0, 40);
    fenetre.show();
    QCoreApplication::processEvents();
    return listes;
}

void BM_Principale_changerDiametre(benchmark::State &state)
{
    vestrel::Principale fenetre;
    fenetre.show();
    QCoreApplication::processEvents();
    auto *diametre = fenetre.findChild<QLineEdit *>(QStringLiteral("Diametre"));
    auto *alesage = fenetre.findChild<QComboBox *>(QStringLiteral("Aj_Alesage"));
    auto *arbre = fenetre.findChild<QComboBox *>(QStringLiteral("Aj_Arbre"));
    if (!diametre || !alesage || !arbre) {
        state.SkipWithError("Diametre, Aj_Alesage or Aj_Arbre not found");
        return;
    }
    const auto &v = diametres();
    std::size_t n = 0;
    for (auto _ : state) {
        diametre->setText(v[n % v.size()].texte);
        bench::livrerEvenements(state, ++n);
    }
    // The program must have done the work being timed.
    const Diametre &dernier = v[(n - 1) % v.size()];
    if (alesage->count() != dernier.alesages.size() || arbre->count() != dernier.arbres.size())
        state.SkipWithError("the class lists do not hold the offered classes");
}
BENCHMARK(BM_Principale_changerDiametre);

void BM_PaireNue_remplir(benchmark::State &state)
{
    QWidget fenetre;
    const std::array<QComboBox *, 2> listes = paireNue(fenetre);
    const auto &v = diametres();
    std::size_t n = 0;
    for (auto _ : state) {
        const Diametre &x = v[n % v.size()];
        listes[0]->clear();
        listes[0]->addItems(x.alesages);
        listes[1]->clear();
        listes[1]->addItems(x.arbres);
        bench::livrerEvenements(state, ++n);
    }
}
BENCHMARK(BM_PaireNue_remplir);

// The same refill one item at a time with the texts converted on the way,
// which is how a list is usually filled from the tables: shows how much of
// the gap is the filling style rather than the window.
void BM_PaireNue_remplirParElement(benchmark::State &state)
{
    QWidget fenetre;
    const std::array<QComboBox *, 2> listes = paireNue(fenetre);
    const auto &v = diametres();
    std::size_t n = 0;
    for (auto _ : state) {
        const double d = v[n % v.size()].d;
        for (Cote cote : {Cote::Alesage, Cote::Arbre}) {
            QComboBox *l = listes[cote == Cote::Alesage ? 0 : 1];
            l->clear();
            for (std::string_view c : classesOffertes(cote, d))
                l->addItem(QString::fromUtf8(c.data(), qsizetype(c.size())));
        }
        bench::livrerEvenements(state, ++n);
    }
}
BENCHMARK(BM_PaireNue_remplirParElement);

} // namespace

int main(int argc, char **argv)
{
    return vestrel::bench::executer(argc, argv, [](const vestrel::bench::Rapport &rapport) {
        const double principale = rapport.ns("BM_Principale_changerDiametre");
        const double nue = rapport.ns("BM_PaireNue_remplir");
        const double parElement = rapport.ns("BM_PaireNue_remplirParElement");
        std::printf("\n(b) changement de diamètre, méthode Popup (temps CPU par changement)\n");
        std::printf("    Principale : %.1f us ; paire nue : %.1f us ; paire nue élément par élément : %.1f us\n",
                    principale / 1e3, nue / 1e3, parElement / 1e3);
        vestrel::bench::cible("(b) Principale / paire de listes nue",
                              principale > 0 && nue > 0 ? principale / nue : -1, "x", 2);
        vestrel::bench::cible("(b) Principale, par changement", principale / 1e6, "ms", 1);
    });
}
