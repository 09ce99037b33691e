#pragma once

struct GLFWwindow;

namespace dusk {

class Game;
struct StartOptions;

extern int windowWidth;
extern int windowHeight;
extern Game* game;

// Changes into the data directory if one is given, reads the settings and
// "Release/config.txt", opens the window, builds the Game, runs the main loop
// and shuts GLFW down. Returns 0 after a normal end; a start-up failure
// prints its message, pauses and exits the process with status 1.
int runApplication(const StartOptions& options);

// Hides the cursor, enables depth test and face culling, builds the Game.
void setUpWindow(GLFWwindow* window);

}  // namespace dusk
