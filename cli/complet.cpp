#include "cli/complet.h"

#include "tables/catalogue.h"
#include "tables/etapes.h"
#include "tables/systeme.h"

#include <cstdlib>
#include <optional>
#include <sstream>

namespace vestrel {

namespace {

// Hundredths of a micrometre as a plain decimal number of micrometres:
// 2700 -> 27, 15 -> 0.15, -5250 -> -52.5.
std::string micronsCentiemes(std::int32_t c)
{
    const std::int64_t a = std::abs(std::int64_t(c));
    std::string t = c < 0 ? "-" : "";
    t += std::to_string(a / 100);
    const std::int64_t reste = a % 100;
    if (reste != 0) {
        t += '.';
        t += char('0' + reste / 10);
        if (reste % 10 != 0)
            t += char('0' + reste % 10);
    }
    return t;
}

void ligne(std::ostringstream &o, Cote cote, std::string_view classe, int lo, int hi, const EcartsCentiemes &e)
{
    o << (cote == Cote::Alesage ? "bore" : "shaft") << ',' << classe << ',' << lo << ',' << hi << ','
      << micronsCentiemes(e.sup) << ',' << micronsCentiemes(e.inf) << '\n';
}

// The first sub-step above 500 mm; above it each main step holds two.
constexpr int Premiere500 = 26;
static_assert(BornesSousEtapesCompletes[Premiere500] == 500);

} // namespace

std::string_view texteDomaine(Systeme systeme)
{
    return systeme == Systeme::Complet ? "0 < D <= 3150" : "1 < D <= 500";
}

std::string indiceComplet(Cote cote, std::string_view classe)
{
    if (!indexClasse(cote, classe, Systeme::Complet))
        return {};
    return " of the default catalogue (--complete offers it)";
}

std::string tableComplete()
{
    std::ostringstream o;
    o << "kind,class,lo,hi,upper_um,lower_um\n";
    const auto &b = BornesSousEtapesCompletes;
    for (Cote cote : {Cote::Alesage, Cote::Arbre}) {
        const auto classes = catalogue(cote, Systeme::Complet);
        for (int i = 0; i < int(classes.size()); ++i) {
            auto cellule = [&](int s) { return ecartsComplets(cote, i, s); };
            // 0 < D <= 1 has the values of 1 to 3 wherever the class exists.
            const auto premier = cellule(0), second = cellule(1);
            if (premier && second)
                ligne(o, cote, classes[i], 0, b[2], *second);
            else if (second)
                ligne(o, cote, classes[i], b[1], b[2], *second);
            else if (premier)
                ligne(o, cote, classes[i], 0, b[1], *premier);
            for (int s = 2; s < Premiere500; ++s)
                if (const auto e = cellule(s))
                    ligne(o, cote, classes[i], b[s], b[s + 1], *e);
            bool parSousEtape = false;
            for (int s = Premiere500; s < NbSousEtapesCompletes; s += 2)
                parSousEtape = parSousEtape || cellule(s) != cellule(s + 1);
            for (int s = Premiere500; s < NbSousEtapesCompletes; s += parSousEtape ? 1 : 2) {
                const auto e = cellule(s);
                if (e)
                    ligne(o, cote, classes[i], b[s], b[s + (parSousEtape ? 1 : 2)], *e);
            }
        }
    }
    return o.str();
}

} // namespace vestrel
