// QuenDiff: difference data and run-length containers on the command line.
#include <iostream>
#include <string>
#include <vector>

#include "maker/CompCommandLine.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return quen::RunQuenDiff(args, std::cout, std::cerr);
}
