// VESK: the SOLUNE 300 configuration program.

#include "config/app/CVESKApp.h"

int main(int argc, char** argv) {
    return solune::CVESKApp::Run(argc, argv);
}
