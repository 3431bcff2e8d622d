#include "ui/window/startup.h"

int main(int argc, char* argv[]) {
    return dutyloop::RunApplication(argc, argv);
}
