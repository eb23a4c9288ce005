#include "app/programstart.h"

int main(int argc, char** argv)
{
    return runPupilsProgram(argc, argv);
}
