// The pupils' program started by the same function as its main() starts it,
// until its menu is first painted. Linked as telkompas is, so it loads the
// same libraries (compare_startup.sh checks that).
#include "app/programstart.h"
#include "shown_probe.h"

int main(int argc, char** argv)
{
    return runPupilsProgram(argc, argv, [](QWidget* menu) { new ShownProbe(menu); });
}
