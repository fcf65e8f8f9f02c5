#include "cli/fit.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int code = vestrel::executerFit(args, std::cout, std::cerr);
    if (!std::cout.flush()) {
        std::cerr << "vestrel-fit: cannot write the output\n";
        return vestrel::SortieEcriture;
    }
    return code;
}
