// The key filters of the text boxes: only Backspace, "." or ",", and the digits pass
// (and "-" in the deviation boxes), whatever character arrives, and no run of
// accepted keys can make a diameter or a size negative.
#include "fuzz/verifier.h"
#include "calcul/nombres.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <string>

using vestrel::Filtre;
using vestrel::fuzz::verifier;

namespace {

bool attendu(Filtre filtre, char32_t c)
{
    return c == 8 || c == U'.' || c == U',' || (c >= U'0' && c <= U'9') || (filtre == Filtre::Ecart && c == U'-');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider fdp(data, size);
    std::string saisies[3];
    while (fdp.remaining_bytes() > 0) {
        // Mostly ASCII and Latin-1 keys, sometimes any code point at all.
        const char32_t c = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange<char32_t>(0, 0xFF)
                                             : fdp.ConsumeIntegral<char32_t>();
        for (int f = 0; f < 3; ++f) {
            const auto filtre = static_cast<Filtre>(f);
            const bool accepte = vestrel::caractereAccepte(filtre, c);
            verifier(accepte == attendu(filtre, c), "filter accepts exactly its keys");
            if (!accepte)
                continue;
            if (c == 8) {
                if (!saisies[f].empty())
                    saisies[f].pop_back();
            } else {
                saisies[f] += static_cast<char>(c);
            }
        }
    }
    for (int f = 0; f < 3; ++f) {
        const double v = vestrel::lireNombre(saisies[f]);
        verifier(std::isfinite(v), "typed text reads finite", saisies[f]);
        if (static_cast<Filtre>(f) != Filtre::Ecart)
            verifier(v >= 0, "typed diameter or size is never negative", saisies[f]);
    }
    return 0;
}
