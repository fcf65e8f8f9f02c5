// vestrel-fit's argument handling with any arguments: it answers either with
// results (status 0, nothing on stderr), with the nearest fits of --find
// (status 1, every line marked "proche"), or with status 2 and exactly one
// clean line on stderr and nothing on stdout; it never throws or crashes.
// The fit in service and the probable clearance print plain numbers too.
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
constexpr std::array Diametres{"25",  "2", "1",  "500", "500.5",     "110",         "20",
                               "12.5", "-0", "0", "",   "--offered", "--preferred", "12,5",
                               "600", "3150", "0.5", "--general", "--kind", "angle"};
constexpr std::array Alesages{"H7", "h7", "E11", "E11*", "P9", "ZC11", "T7", "JS9", "", "--json", "--table",
                              "0.01:0.04", "-0.05:-0.02", "0.04:0.01", "5:6", "0:0", ":", "--find",
                              "H01", "CD7", "K9", "JS01", "3", "m", "4000.001"};
constexpr std::array Arbres{"g6", "G6", "e10*", "e10", "h6", "t6", "js17", "zc11", "", "--help", "--version",
                            "--basis", "hole", "shaft", "any", "--preferred", "h0", "js1", "k18", "h01",
                            "--class", "--kind", "edge", "angle", "v"};
// The forms, and the whole system's option, anywhere among the arguments.
constexpr std::array Formes{"--json", "--drawing", "--svg", "--complete"};
// Pieces of press fit, free fit and materials command lines; a piece with
// spaces gives several arguments.
constexpr std::array Frettage{"50", "H7", "u6", "--press --hub-od 100 --length 40", "--press --hub-od 50 --length 20",
                              "--free 40 0 -0.01 40.03 0.006 0", "--free 25 0.021 0 25 0.048 0.035", "--materials",
                              "--hub alu-6082", "--shaft E=105000,nu=0.3,Re=300", "--shaft-bore 25", "--rz 4,6.3",
                              "--smoothing 0.8", "--friction 0.1", "--friction-press 0.07", "--torque 300",
                              "--axial 2000", "--ka 1.5", "--slip-safety 2", "--yield-safety 1.2", "--temp-hub 80",
                              "--temp-shaft -40", "--speed 6000", "--cool-shaft -196",
                              "--hub E=1e300,nu=0.3,Re=1", "--shaft E=1e-300,nu=0.3,Re=1,rho=1e300", "--hub-od",
                              "--length 0", "--free"};
// The options of the fit in service, each with its value.
struct OptionService {
    const char *option;
    const char *valeur; // nullptr: none
};
constexpr std::array Services{
    OptionService{"--service", nullptr},          OptionService{"--probable", nullptr},
    OptionService{"--probable", "2"},             OptionService{"--probable", "0"},
    OptionService{"--bore-material", "alu-6082"}, OptionService{"--shaft-material", "inox"},
    OptionService{"--bore-temp", "-40"},          OptionService{"--shaft-temp", "120"},
    OptionService{"--bore-temp", "-273.16"},      OptionService{"--shaft-material", "E=1,alpha=23e-6"},
    OptionService{"--bore-material", "alpha=1"},  OptionService{"--shaft-temp", "-273.15"},
    OptionService{"--find", nullptr},                OptionService{"--bore-temp", nullptr}};

void jeton(FuzzedDataProvider &fdp, int position, std::vector<std::string> &args)
{
    switch (fdp.ConsumeIntegralInRange(0, 4)) {
    case 0: args.push_back(fdp.ConsumeRandomLengthString(80)); return;
    case 4: {
        std::istringstream morceaux(fdp.PickValueInArray(Frettage));
        for (std::string a; morceaux >> a;)
            args.push_back(a);
        return;
    }
    default: break;
    }
    switch (position % 3) {
    case 0: args.push_back(fdp.PickValueInArray(Diametres)); return;
    case 1: args.push_back(fdp.PickValueInArray(Alesages)); return;
    default: args.push_back(fdp.PickValueInArray(Arbres)); return;
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
        jeton(fdp, i, args);
    for (int i = fdp.ConsumeIntegralInRange(0, 2); i > 0; --i)
        args.insert(args.begin() + fdp.ConsumeIntegralInRange<std::ptrdiff_t>(0, std::ssize(args)),
                    fdp.PickValueInArray(Formes));
    for (int i = fdp.ConsumeIntegralInRange(0, 4); i > 0; --i) {
        const auto pos = fdp.ConsumeIntegralInRange<std::ptrdiff_t>(0, std::ssize(args));
        const OptionService o = fdp.PickValueInArray(Services);
        if (o.valeur)
            args.insert(args.begin() + pos, o.valeur);
        args.insert(args.begin() + pos, o.option);
    }

    std::ostringstream out, err;
    const int code = vestrel::executerFit(args, out, err);
    std::string entree;
    for (const auto &a : args)
        entree += a + ' ';
    const bool recherche = std::find(args.begin(), args.end(), "--find") != args.end();
    verifier(code == vestrel::SortieOk || code == vestrel::SortieMauvaiseEntree
                 || (recherche && code == vestrel::SortieAucunAjustement),
             "status is 0, 2, or 1 after --find", entree);
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
    if (code == vestrel::SortieAucunAjustement && !r.starts_with("{")) {
        std::istringstream lignes(r);
        int proches = 0;
        for (std::string l; std::getline(lignes, l); ++proches)
            verifier(l.ends_with(" proche"), "every nearest fit is marked", l);
        verifier(proches > 0 && proches <= 10, "at most ten nearest fits", r);
    }
    const bool preferes = std::find(args.begin(), args.end(), "--preferred") != args.end();
    if (r.starts_with("genre ")) {
        // The general tolerances: a header, then one line a class, a number
        // or "non defini".
        static const std::regex ligne("[fmcv] (non defini|ecart=[0-9.]+ min=[0-9.]+ max=[0-9.]+|ecart=[0-9]+°[0-9]{2}' deg=[0-9.]+)");
        std::istringstream lignes(r);
        std::string l;
        std::getline(lignes, l);
        int classes = 0;
        for (; std::getline(lignes, l); ++classes)
            verifier(std::regex_match(l, ligne), "each class line is a deviation or says it is not defined", l);
        verifier(classes >= 1 && classes <= 4, "one to four classes", r);
    }
    if (r.starts_with("Ajustement") || r.starts_with("alesage") || r.starts_with("assemblage") ||
        r.starts_with("{") || recherche || preferes
        || r.starts_with("genre ")) {
        // Values follow "=" or ":"; words such as "tournant" may hold "nan".
        static const std::regex exposant("[0-9][eE][-+0-9]");
        static const std::regex infini("[=:]-?(inf|nan)");
        verifier(!std::regex_search(r, infini) && !std::regex_search(r, exposant),
                 "results are plain numbers", r);
    }
    return 0;
}
