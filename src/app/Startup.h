#pragma once

struct GLFWwindow;

namespace dusk {

struct StartOptions;

extern int windowWidth;
extern int windowHeight;

// Changes into the data directory if one is given, reads the settings and
// "Release/config.txt", opens the window, builds the session, runs the main
// loop, frees the session and shuts GLFW down. Returns 0 after a normal end; a start-up failure
// prints its message, pauses and exits the process with status 1.
int runApplication(const StartOptions& options);

// Hides the cursor, enables depth test and face culling.
void setUpWindow(GLFWwindow* window);

}  // namespace dusk
