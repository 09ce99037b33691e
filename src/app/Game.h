#pragma once
#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <vector>

namespace dusk {

class ShaderProgram;

// The one record of a run: window, programs, world, and the player's state.
class Game {
public:
    explicit Game(GLFWwindow* window);

    void update(GLFWwindow* window, float dt);
    void handleKeys();
    void render();
    // End of the main loop: frees the lights, sky and ground, empties the lists.
    void releaseWorld();

    GLFWwindow* window;
    int objectsDrawn = 0;
    std::vector<ShaderProgram*> programs;
    int width;
    int height;
};

}  // namespace dusk
