// W38Updater: the SOLUNE 300 firmware updater.

#include "updater/app/CW38UpdaterApp.h"

int main(int argc, char** argv) {
    return solune::CW38UpdaterApp::Run(argc, argv);
}
