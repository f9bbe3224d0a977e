// vornreg: reads and changes the settings file from the command line.

#include "tools/RegTool.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RegTool(std::cout, std::cerr, std::cin).run(args);
}
