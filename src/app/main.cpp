#include "app/reportcommand.h"
#include "app/startupsequence.h"

int main(int argc, char* argv[])
{
    if (ReportCommand::isRequested(argc, argv))
        return ReportCommand::run(argc, argv);
    return runApplication(argc, argv);
}
