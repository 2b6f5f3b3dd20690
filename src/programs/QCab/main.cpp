// QCab: the cabinet tool the make step runs (QCab /F directives.ddf).
#include <iostream>
#include <string>
#include <vector>

#include "maker/cab/CabTool.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return quen::cab::RunQCab(args, std::cout, std::cerr);
}
