#include "framework/AfxWinMain.h"
#include "res/ProgramResources.h"

int main(int argc, char** argv) {
    return AfxWinMain(argc, argv, ProgramResources());
}
