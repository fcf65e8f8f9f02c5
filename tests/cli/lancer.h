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

// The arguments `base` followed by `plus`.
inline std::vector<std::string> avec(std::vector<std::string> base, const std::vector<std::string> &plus)
{
    base.insert(base.end(), plus.begin(), plus.end());
    return base;
}
