#pragma once

// vestrel-fit run in-process, as the command line runs it: its exit code and
// everything it wrote to each stream.

#include "cli/fit.h"

#include <sstream>
#include <string>
#include <vector>

struct Sortie {
    int code;
    std::string out;
    std::string err;
};

inline Sortie lancer(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int code = vestrel::executerFit(args, out, err);
    return {code, out.str(), err.str()};
}
