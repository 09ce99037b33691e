#pragma once
#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <string>
#include <vector>

#include "math/Math.h"
#include "render/PassScheduler.h"
#include "settings/UserSettings.h"
#include "ui/Hud.h"

namespace dusk {

class LanternReach;
class ShaderProgram;
class WindowInput;
class RenderTarget;
class ScreenOverlay;
class ViewFrustum;

namespace audio {
class GameAudio;
}  // namespace audio

namespace scene {
class Camera;
class DirectionalLight;
class SkyBox;
class Tree;
class PointLight;
class AnimatedObject;
}  // namespace scene

// The one record of a run: the window, the shader programs, the world, and
// the player's magic and health. Construction assembles the whole world.
class Game {
public:
    explicit Game(GLFWwindow* window);

    void update(GLFWwindow* window, float dt);
    void handleKeys();
    void render();
    void uploadViewProjection();
    void uploadPointLights();
    // A new framebuffer size (fullscreen, a window manager's resize): the
    // scene target follows it. Sizes of 0 (a minimised window) are ignored.
    void resize(int newWidth, int newHeight);
    // End of the main loop: frees the lights, sky and ground, empties the lists.
    void releaseWorld();

    // Prints a game message and shows it as a toast on the HUD.
    void announce(const std::string& line);
    // The kids not yet terrified.
    int activeKidCount() const;
    ui::HudState hudState(bool paused) const;

    // The camera's projection (the field of view of the settings, 60 degrees
    // by default; window aspect; 0.1..1000) times its view.
    mat4 viewProjection() const;

    GLFWwindow* window;
    RenderTarget* sceneTarget = nullptr;
    scene::Camera* camera = nullptr;
    scene::DirectionalLight* directionalLight = nullptr;
    ShaderProgram* depthProgram = nullptr;
    ShaderProgram* basicProgram = nullptr;
    ShaderProgram* lensFlareProgram = nullptr;
    // basic.frag built without the lantern loop: where no lantern reaches,
    // Fast and Low draw the same picture with it for much less work.
    ShaderProgram* lanternFreeProgram = nullptr;
    // The lanterns as last sent to the programs, in their order.
    std::vector<vec3> lanterns;
    // Fast and Low: the ground's triangles of the frame, those a lantern
    // reaches first.
    GLuint groundElements = 0;
    // The last Fast or Low frame's lit draws of trees and ground parts, with
    // the lantern loop and without it.
    int lanternLitDraws = 0;
    int lanternFreeDraws = 0;
    GLuint shadowFramebuffer = 0;
    GLuint shadowDepthTexture = 0;
    int shadowMapSide = 0;  // texels; the graphics quality decides
    // Decides which costly steps of a frame the graphics quality needs.
    PassScheduler passes;
    ViewFrustum* frustum = nullptr;
    int objectsDrawn = 0;
    scene::SkyBox* skyBox = nullptr;
    scene::SkyBox* ground = nullptr;
    ScreenOverlay* overlay = nullptr;
    std::vector<scene::Tree*> trees;
    std::vector<scene::PointLight*> pointLights;
    std::vector<scene::AnimatedObject*> kids;
    std::vector<ShaderProgram*> programs;
    int width;
    int height;
    float magic = 0.0f;
    float health = 0.0f;
    float maxHealth = 0.0f;
    static constexpr float startMagic = 20000.0f;
    // The window-side talk (HUD, help panel, end screens); not owned, absent
    // when no frame loop runs.
    ui::Hud* hud = nullptr;
    // Latched key presses of the running frame loop; absent without one
    // (keys are then read as they are at the moment).
    WindowInput* input = nullptr;
    audio::GameAudio* sound = nullptr;  // silent without an audio device

private:
    void createPrograms();
    void createWorld();
    void createKids(ShaderProgram* skinningProgram);
    void createTrees();
    void createShadowFramebuffer();
    void resizeShadowMap(int side);

    void judgeKids(float dt, bool screaming);
    bool judgeKid(scene::AnimatedObject* kid, float dt, bool screaming);
    void loseGame();
    void winGame();
    // Shows the end screen until Enter on the console or in the window, Esc,
    // a click, the end of standard input or the window's close.
    void showEndScreen(ui::EndScreen screen);
    void drawEndScreen(ui::EndScreen screen);

    void renderShadowPass(const mat4& depthViewProjection, GraphicsQuality quality);
    bool shadowMapOutdated(const mat4& depthViewProjection, GraphicsQuality quality);
    void renderMainPass(const mat4& depthViewProjection, GraphicsQuality quality);
    void drawGroundBeforeSky(const mat4& biasViewProjection);
    void shareLitUniforms(const mat4& biasViewProjection);
    void drawTreeLit(scene::Tree* tree, const LanternReach& reach);
    void drawGroundLit(const LanternReach& reach);
    void drawGroundPart(ShaderProgram* program, size_t first, size_t count);
    void countTreesInView();
    void applyTextureSettings();

    ShadowMapInputs shadowInputs;  // rebuilt every frame, kept to spare allocations
};

}  // namespace dusk
