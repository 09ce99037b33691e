#include <iostream>

#include "app/CommandLine.h"
#include "app/ReplayCheckCommand.h"
#include "app/Startup.h"

int main(int argc, char** argv) {
    const dusk::CommandLine commandLine(argc, argv);
    if (!commandLine.shouldRun()) {
        std::cout << commandLine.output() << std::flush;
        std::cerr << commandLine.errors() << std::flush;
        return commandLine.exitStatus();
    }
    if (commandLine.options().listRecords) {
        return dusk::printRecords();
    }
    if (commandLine.options().checkReplayFile) {
        return dusk::runReplayCheck(commandLine.options());
    }
    return dusk::runApplication(commandLine.options());
}
