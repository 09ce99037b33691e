#include "base/Console.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace dusk {

void printLine(const std::string& text) { std::cout << text << std::endl; }

void consolePause() {
    std::cout.flush();
    int c;
    do {
        c = std::getchar();
    } while (c != '\n' && c != EOF);
}

void waitForEnter() {
    std::cout.flush();
    std::getchar();
}

ConsoleInput pollConsoleInput() {
    std::cout.flush();
    pollfd input{STDIN_FILENO, POLLIN, 0};
    const int ready = poll(&input, 1, 0);
    if (ready == 0 || (ready < 0 && errno == EINTR)) {
        return ConsoleInput::Nothing;
    }
    if ((input.revents & (POLLIN | POLLHUP)) == 0) {
        return ConsoleInput::Ended;  // closed or in error: nothing will come
    }
    char c = 0;
    return read(STDIN_FILENO, &c, 1) == 1 ? ConsoleInput::Character : ConsoleInput::Ended;
}

void failAndExit(const std::string& message, bool pause) {
    printLine(message);
    if (pause) {
        consolePause();
    }
    std::exit(1);
}

}  // namespace dusk
