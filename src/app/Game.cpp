#include "app/Game.h"

#include "app/Startup.h"

namespace dusk {

Game::Game(GLFWwindow* window) : window(window), width(windowWidth), height(windowHeight) {}

void Game::update(GLFWwindow*, float) {}

void Game::handleKeys() {
    if (glfwGetKey(window, GLFW_KEY_ESCAPE) == GLFW_PRESS) {
        glfwSetWindowShouldClose(window, GLFW_TRUE);
    }
}

void Game::render() {}

void Game::releaseWorld() { programs.clear(); }

}  // namespace dusk
