// Vantrope: colour grading for video clips and 3D LUTs.
#include "app/Startup.h"

int main(int argc, char** argv)
{
    return Startup::Run(argc, argv);
}
