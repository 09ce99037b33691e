#include "base/Console.h"

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

void failAndExit(const std::string& message, bool pause) {
    printLine(message);
    if (pause) {
        consolePause();
    }
    std::exit(1);
}

}  // namespace dusk
