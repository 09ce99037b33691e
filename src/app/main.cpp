#include <iostream>

#include "app/CommandLine.h"
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
    return dusk::runApplication(commandLine.options());
}
