#include <iostream>

#include "platform/Clock.h"
#include "tools/ctl/CtlApp.h"

int main(int argc, char** argv) {
    return solune::ctl::RunCtl(argc, argv, std::cin, std::cout, std::cerr,
                               solune::RealClock::Instance());
}
