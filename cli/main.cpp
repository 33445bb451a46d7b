#include <iostream>
#include <string>
#include <vector>

#include "designer.h"

int main(int argc, char** argv) {
    // argc may be 0 when a program is started without even its own name.
    char** first = argc > 0 ? argv + 1 : argv;
    const std::vector<std::string> args(first, argv + argc);
    return resonara::RunDesigner(args, std::cout, std::cerr);
}
