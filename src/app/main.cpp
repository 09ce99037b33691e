#include "app/Startup.h"

int main() { return dusk::runApplication(); }
