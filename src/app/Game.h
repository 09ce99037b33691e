#pragma once
#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <vector>

#include "math/Math.h"
#include "render/PassScheduler.h"
#include "settings/UserSettings.h"

namespace dusk {

class ShaderProgram;
class RenderTarget;
class ScreenOverlay;
class ViewFrustum;

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
    // End of the main loop: frees the lights, sky and ground, empties the lists.
    void releaseWorld();

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

private:
    void createPrograms();
    void createWorld();
    void createKids(ShaderProgram* skinningProgram);
    void createTrees();
    void createShadowFramebuffer();
    void resizeShadowMap(int side);

    void judgeKids(float dt);
    bool judgeKid(scene::AnimatedObject* kid, float dt);
    void loseGame();
    void winGame();
    int activeKidCount() const;

    void renderShadowPass(const mat4& depthViewProjection, GraphicsQuality quality);
    bool shadowMapOutdated(const mat4& depthViewProjection, GraphicsQuality quality);
    void renderMainPass(const mat4& depthViewProjection, GraphicsQuality quality);
    void drawGroundBeforeSky(const mat4& biasViewProjection);
    void countTreesInView();
    void applyTextureSettings();

    ShadowMapInputs shadowInputs;  // rebuilt every frame, kept to spare allocations
};

}  // namespace dusk
