// QuenMake: makes a stand-alone patch script or a patch executable from a project file, on the console.
#include <iostream>
#include <string>
#include <vector>

#include "MakeCommand.h"
#include "ProgramPath.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    quen::MakeCommandEnv env;
    env.programFolder = quen::ProgramFolder();
    env.absolutePath = quen::AbsolutePath;
    env.out = &std::cout;
    env.err = &std::cerr;
    return quen::RunMakeCommand(args, env);
}
