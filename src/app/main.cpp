#include "app/commandlinetool.h"
#include "app/startupsequence.h"

int main(int argc, char* argv[])
{
    // Decided before any application object: the command-line modes need no
    // display and no single-instance lock.
    if (CommandLineTool::isRequested(argc, argv))
        return CommandLineTool::main(argc, argv);
    return runApplication(argc, argv);
}
