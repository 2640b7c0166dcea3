#include <iostream>

#include "simulator/tool/SimApp.h"

int main(int argc, char** argv) {
    return solune::simulator::RunSim(argc, argv, std::cout, std::cerr);
}
