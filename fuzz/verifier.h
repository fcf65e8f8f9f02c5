#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace vestrel::fuzz {

// A broken property aborts, which libFuzzer reports as a crash and keeps the
// input that caused it.
inline void verifier(bool condition, const char *propriete, std::string_view entree = {})
{
    if (condition)
        return;
    std::fprintf(stderr, "property broken: %s\n  on: \"%.*s\"\n", propriete,
                 static_cast<int>(entree.size() > 200 ? 200 : entree.size()), entree.data());
    std::abort();
}

} // namespace vestrel::fuzz
