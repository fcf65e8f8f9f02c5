// The class texts and the tables behind them, with any text and any diameter:
// lookups never read outside the tables, and what the lists offer and what
// the toolbar composes can always be looked up.
#include "fuzz/verifier.h"
#include "tables/catalogue.h"
#include "tables/ecarts.h"
#include "tables/offerts.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <string>

using vestrel::Cote;
using vestrel::fuzz::verifier;

namespace {

double diametre(FuzzedDataProvider &fdp)
{
    switch (fdp.ConsumeIntegralInRange(0, 2)) {
    case 0: return fdp.ConsumeFloatingPoint<double>(); // anything, inf and nan included
    case 1: return fdp.ConsumeFloatingPointInRange(-1.0, 510.0);
    default: return fdp.ConsumeIntegralInRange(0, 501) + fdp.ConsumeIntegralInRange(-1, 1) * 1e-9;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider fdp(data, size);
    const Cote cote = fdp.ConsumeBool() ? Cote::Alesage : Cote::Arbre;
    const double d = diametre(fdp);
    const bool dedans = d > 1 && d <= 500;
    const auto catalogue = vestrel::catalogue(cote);

    const std::string texte = fdp.ConsumeRandomLengthString(64);
    const auto index = vestrel::indexClasse(cote, texte);
    if (index)
        verifier(*index >= 0 && *index < static_cast<int>(catalogue.size()) && catalogue[*index] == texte,
                 "indexClasse finds the text itself", texte);
    if (const auto ecarts = vestrel::chercherEcarts(cote, texte, d)) {
        verifier(index.has_value() && dedans, "deviations only for a class inside 1 < D <= 500", texte);
        verifier(std::isfinite(ecarts->sup) && std::isfinite(ecarts->inf) && ecarts->sup > ecarts->inf
                     && std::fabs(ecarts->sup) < 10 && std::fabs(ecarts->inf) < 10,
                 "deviations are an ordered pair of a few mm at most", texte);
    }

    // Every class a list offers at d has deviations at d; outside the tables
    // the list offers the whole catalogue.
    const auto offertes = vestrel::classesOffertes(cote, d);
    if (!dedans)
        verifier(offertes.size() == catalogue.size(), "whole catalogue outside 1 < D <= 500");
    int precedent = -1;
    for (const auto classe : offertes) {
        const auto i = vestrel::indexClasse(cote, classe);
        verifier(i && *i > precedent, "offered classes in catalogue order", classe);
        precedent = *i;
        if (dedans)
            verifier(vestrel::chercherEcarts(cote, classe, d).has_value(), "an offered class has deviations",
                     classe);
    }

    // Every grade the toolbar enables for a letter composes a class that
    // has deviations at d.
    const int lettre = fdp.ConsumeIntegralInRange(0, vestrel::NbLettres - 1);
    const int premier = vestrel::premierGrade(cote);
    const int grade = fdp.ConsumeIntegralInRange(premier, premier + vestrel::nbGrades(cote) - 1);
    const std::string compose = vestrel::composerClasse(cote, lettre, grade);
    verifier(compose.starts_with(vestrel::lettres(cote)[lettre]), "composed class starts with its letter", compose);
    const auto masque = vestrel::gradesActifs(cote, lettre, d);
    verifier(masque.has_value() == dedans, "toolbar grades exist exactly inside 1 < D <= 500");
    if (masque && (*masque >> grade & 1u)) {
        verifier(vestrel::indexClasse(cote, compose).has_value(), "an enabled grade composes a class", compose);
        verifier(vestrel::chercherEcarts(cote, compose, d).has_value(), "an enabled grade has deviations",
                 compose);
    }

    // Any letter index and grade at all: a text, never a read outside the
    // letter table, and no class or grades for a letter that does not exist.
    const int l = fdp.ConsumeIntegral<int>(), g = fdp.ConsumeIntegral<int>();
    const std::string libre = vestrel::composerClasse(cote, l, g);
    const bool lettreValide = l >= 0 && l < vestrel::NbLettres;
    if (vestrel::indexClasse(cote, libre))
        verifier(lettreValide, "only an existing letter composes a class", libre);
    if (!lettreValide)
        verifier(!vestrel::gradesActifs(cote, l, d), "no grades for a letter that does not exist");
    return 0;
}
