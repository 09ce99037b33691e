#pragma once

struct GLFWwindow;

namespace dusk {

struct StartOptions;

// Changes into the data directory if one is given, reads the settings and
// "Release/config.txt", opens the window, builds the session, runs the main
// loop, frees the session and shuts GLFW down. Returns 0 after a normal end; a start-up failure
// prints its message, pauses and exits the process with status 1. With --replay the
// replay is read first: a file that cannot be read prints its one line and returns 2
// before any window opens.
int runApplication(const StartOptions& options);

// --records: prints the records of the records file (its fault line instead
// when it has one) and returns the exit status 0. Opens no window and needs
// no display.
int printRecords();

// Hides the cursor, enables depth test and face culling.
void setUpWindow(GLFWwindow* window);

}  // namespace dusk
