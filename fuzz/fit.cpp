// vestrel-fit's argument handling with any arguments: it answers either with
// results (status 0, nothing on stderr) or with status 2 and exactly one
// clean line on stderr and nothing on stdout; it never throws or crashes.
#include "cli/fit.h"
#include "fuzz/verifier.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

using vestrel::fuzz::verifier;

namespace {

// Pieces of well-formed command lines, by position, so that the fuzzer also
// explores the paths behind a valid diameter and valid classes.
constexpr std::array Diametres{"25", "2", "1", "500", "500.5", "110", "20", "12.5", "-0", "0", "", "--offered"};
constexpr std::array Alesages{"H7", "h7", "E11", "E11*", "P9", "ZC11", "T7", "JS9", "", "--json", "--table"};
constexpr std::array Arbres{"g6", "G6", "e10*", "e10", "h6", "t6", "js17", "zc11", "", "--help", "--version"};
constexpr std::array Formes{"--json", "--drawing", "--svg"};

std::string jeton(FuzzedDataProvider &fdp, int position)
{
    if (fdp.ConsumeIntegralInRange(0, 3) == 0)
        return fdp.ConsumeRandomLengthString(80);
    switch (position % 3) {
    case 0: return fdp.PickValueInArray(Diametres);
    case 1: return fdp.PickValueInArray(Alesages);
    default: return fdp.PickValueInArray(Arbres);
    }
}

bool ligneUnique(const std::string &t)
{
    return !t.empty() && t.back() == '\n' && std::count(t.begin(), t.end(), '\n') == 1
        && std::all_of(t.begin(), t.end() - 1, [](char c) { return c >= 0x20 && c < 0x7F; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider fdp(data, size);
    std::vector<std::string> args;
    const int n = fdp.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < n; ++i)
        args.push_back(jeton(fdp, i));
    for (int i = fdp.ConsumeIntegralInRange(0, 2); i > 0; --i)
        args.insert(args.begin() + fdp.ConsumeIntegralInRange<std::ptrdiff_t>(0, std::ssize(args)),
                    fdp.PickValueInArray(Formes));

    std::ostringstream out, err;
    const int code = vestrel::executerFit(args, out, err);
    std::string entree;
    for (const auto &a : args)
        entree += a + ' ';
    verifier(code == vestrel::SortieOk || code == vestrel::SortieMauvaiseEntree, "status is 0 or 2", entree);
    if (code == vestrel::SortieMauvaiseEntree) {
        verifier(out.str().empty(), "nothing on stdout after bad input", entree);
        verifier(ligneUnique(err.str()), "one printable line on stderr", err.str());
        return 0;
    }
    verifier(err.str().empty() && !out.str().empty(), "results on stdout only", entree);
    const std::string r = out.str();
    if (r.starts_with("<?xml"))
        verifier(r.ends_with("</svg>\n") && r.find("nan") == std::string::npos && r.find("inf\"") == std::string::npos,
                 "the diagram is one whole SVG document of plain numbers", r);
    if (r.starts_with("Ajustement") || r.starts_with("alesage") || r.starts_with("{")) {
        static const std::regex exposant("[0-9][eE][-+0-9]");
        verifier(r.find("inf") == std::string::npos && r.find("nan") == std::string::npos
                     && !std::regex_search(r, exposant),
                 "results are plain numbers", r);
    }
    return 0;
}
