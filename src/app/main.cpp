#include "app/program_run.h"

int main(int argc, char** argv)
{
    return runPlaceValueProgram(argc, argv);
}
