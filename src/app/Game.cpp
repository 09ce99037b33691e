#include "app/Game.h"

#include <btBulletDynamicsCommon.h>

#include "app/GameSound.h"
#include "app/Rules.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "app/WindowInput.h"
#include "assets/StaticModel.h"
#include "audio/GameAudio.h"
#include "base/Console.h"
#include "render/LanternReach.h"
#include "render/RenderTarget.h"
#include "render/ScreenOverlay.h"
#include "render/ShaderProgram.h"
#include "render/ShadowMap.h"
#include "render/Uniforms.h"
#include "render/ViewFrustum.h"
#include "scene/AnimatedObject.h"
#include "scene/Camera.h"
#include "scene/DirectionalLight.h"
#include "scene/Physics.h"
#include "scene/PointLight.h"
#include "scene/SkyBox.h"
#include "scene/Tree.h"
#include "settings/SettingsStore.h"

namespace dusk {

namespace {

const char* const shaderDir = "Duskhollow/Shader/";
const int kidCount = 10;
const int firstTreeCount = 40;
const int secondTreeCount = 30;

ShaderProgram* makeProgram(std::vector<ShaderProgram*>& programs, const char* vertex,
                           const char* fragment) {
    auto* program =
        new ShaderProgram(std::string(shaderDir) + vertex, std::string(shaderDir) + fragment);
    programs.push_back(program);
    return program;
}

}  // namespace

Game::Game(GLFWwindow* window) : window(window), width(windowWidth), height(windowHeight) {
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    createPrograms();
    createWorld();
    createShadowFramebuffer();
    sound = new audio::GameAudio();
}

void Game::createPrograms() {
    basicProgram = makeProgram(programs, "basic.vert", "basic.frag");
    makeProgram(programs, "skinning.vert", "basic.frag");
    makeProgram(programs, "basic.vert", "sky.frag");
    depthProgram = makeProgram(programs, "DepthRTT.vertexshader", "DepthRTT.fragmentshader");
    frustum = new ViewFrustum();
    sceneTarget = new RenderTarget(windowWidth, windowHeight);
    lensFlareProgram = makeProgram(programs, "lensFlare.vert", "lensFlare.frag");
    overlay =
        new ScreenOverlay(lensFlareProgram, sceneTarget->colorTexture, sceneTarget->depthTexture);
    overlay->takeFullHealthProgram(new ShaderProgram(std::string(shaderDir) + "lensFlare.vert",
                                                     std::string(shaderDir) + "lensFlare.frag",
                                                     "#define FULL_HEALTH_ONE_TO_ONE\n"));
    // Not one of the game's programs: it takes what they are sent from the
    // basic program at each frame that draws with it.
    lanternFreeProgram =
        new ShaderProgram(std::string(shaderDir) + "basic.vert",
                          std::string(shaderDir) + "basic.frag", "#define NO_LANTERNS\n");
    glGenBuffers(1, &groundElements);
    // basic.frag serves the skinning program too: its shadow sampler must not
    // share unit 0 with the kid's colour texture (two sampler types on one unit
    // make every draw an invalid operation), so it points at the shadow unit.
    glUseProgram(programs[1]->program);
    setUniform(programs[1]->program, "shadowMap", 1);
}

void Game::createWorld() {
    ShaderProgram* skinningProgram = programs[1];
    ShaderProgram* skyProgram = programs[2];
    magic = startMagic;
    health = 2.0f;
    maxHealth = 2.0f;
    scene::createPhysicsWorld();
    camera = new scene::Camera(mat4(1.0f), window);
    ground = new scene::SkyBox("Model/Object/ground20.obj", mat4(1.0f), basicProgram,
                               "Model/Image/ground19.jpg");
    skyBox = new scene::SkyBox("Model/Object/skybox.obj", mat4(1.0f), skyProgram,
                               "Model/Image/skybox2.jpg");
    directionalLight = new scene::DirectionalLight(translate(mat4(1.0f), vec3(100.0f)), programs,
                                                   vec3(1.0f, 1.0f, 1.0f));
    directionalLight->draw();
    createKids(skinningProgram);
    createTrees();
}

void Game::createKids(ShaderProgram* skinningProgram) {
    // The prototype only loads the model; it is in no list and owns no body.
    auto* prototype =
        new scene::AnimatedObject("Model/Object/animTest2.dae", mat4(1.0f), skinningProgram,
                                  "Model/Object/boy_smooth.png", camera);
    for (int i = 0; i < kidCount; ++i) {
        kids.push_back(new scene::AnimatedObject(*prototype));
        pointLights.push_back(new scene::PointLight(mat4(1.0f), i, basicProgram));
    }
}

void Game::createTrees() {
    const struct {
        const char* message;
        const char* model;
        int count;
    } kinds[] = {{"Loading Model: Tree 1", "Model/Object/tree1.obj", firstTreeCount},
                 {"Loading Model: Tree 3", "Model/Object/tree3.obj", secondTreeCount}};
    for (const auto& kind : kinds) {
        printLine(kind.message);
        auto* prototype =
            new scene::Tree(kind.model, mat4(1.0f), basicProgram, "Model/Image/tree1.png");
        for (int i = 0; i < kind.count; ++i) {
            trees.push_back(new scene::Tree(*prototype));
        }
    }
}

void Game::createShadowFramebuffer() {
    glGenFramebuffers(1, &shadowFramebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, shadowFramebuffer);
    glGenTextures(1, &shadowDepthTexture);
    glBindTexture(GL_TEXTURE_2D, shadowDepthTexture);
    shadowMapSide = PassScheduler::shadowMapSize(settings::current().graphicsQuality);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT16, shadowMapSide, shadowMapSide, 0,
                 GL_DEPTH_COMPONENT, GL_FLOAT, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC, GL_LEQUAL);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_REF_TO_TEXTURE);
    glFramebufferTexture(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, shadowDepthTexture, 0);
    glDrawBuffer(GL_NONE);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        printLine("error: Frame Buffer not completed");
    }
}

void Game::resizeShadowMap(int side) {
    // On unit 1, where the main pass keeps the map anyway.
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, shadowDepthTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT16, side, side, 0, GL_DEPTH_COMPONENT,
                 GL_FLOAT, nullptr);
    glActiveTexture(GL_TEXTURE0);
    shadowMapSide = side;
    passes.forgetShadowMap();
}

// ---------------------------------------------------------------- update --

void Game::update(GLFWwindow* window, float dt) {
    health = regenerateHealth(health, maxHealth, dt);
    magic = static_cast<float>(magic + dt * 0.05);
    camera->update(dt);
    if (keyPressed(window, input, GLFW_KEY_SPACE) && magic >= dt) {
        camera->body->applyImpulse(btVector3(0.0f, 15.0f, 0.0f), btVector3(0.3f, 0.1f, 0.3f));
        magic -= dt;
    }
    ground->update(dt);
    uploadViewProjection();
    for (auto* kid : kids) {
        kid->update(dt);
    }
    for (auto* tree : trees) {
        tree->update(dt);
    }
    uploadPointLights();
    // Read once a frame: a tap shorter than a frame reads as pressed once,
    // and every kid (and the sound) must hear that one scream.
    const bool screaming = keyPressed(window, input, GLFW_KEY_LEFT_CONTROL);
    sound->update(soundFrameOf(*this, dt, screaming));
    judgeKids(dt, screaming);
    scene::stepPhysics(dt);
}

void Game::judgeKids(float dt, bool screaming) {
    for (auto* kid : kids) {
        // Once the game has ended in this frame the remaining kids are not
        // judged: a loss must not print its message and wait twice.
        if (judgeKid(kid, dt, screaming)) {
            return;
        }
    }
}

bool Game::judgeKid(scene::AnimatedObject* kid, float dt, bool screaming) {
    const vec3 player(camera->modelMatrix[3]);
    if (kidSeesPlayer(player, kid->modelMatrix)) {
        if (!kid->isActive()) {
            return false;
        }
        health -= dt;
        if (health <= 0.0f) {
            loseGame();
            return true;
        }
        return false;
    }
    if (!screaming || !kid->isActive() || !screamReaches(player, kid->modelMatrix)) {
        return false;
    }
    kid->setActive(false);
    sound->kidTerrified(vec3(kid->modelMatrix[3]));
    const int left = activeKidCount();
    if (left == 0) {
        winGame();
        return true;
    }
    announce("Terrified kid! Kids left: " + std::to_string(left) + " of " +
             std::to_string(kids.size()));
    return false;
}

int Game::activeKidCount() const {
    int count = static_cast<int>(kids.size());
    for (const auto* kid : kids) {
        if (!kid->isActive()) {
            --count;
        }
    }
    return count;
}

ui::HudState Game::hudState(bool paused) const {
    ui::HudState state;
    state.kidsLeft = activeKidCount();
    state.kidsTotal = static_cast<int>(kids.size());
    state.health = maxHealth > 0.0f ? health / maxHealth : 0.0f;
    state.magic = magic / startMagic;
    state.paused = paused;
    return state;
}

void Game::announce(const std::string& line) {
    printLine(line);
    if (hud != nullptr) {
        hud->toast(line, glfwGetTime());
    }
}

void Game::loseGame() {
    announce("GAME OVER! The kid has seen you. (Press enter to close)");
    sound->lost();
    showEndScreen(ui::EndScreen::Lost);
    glfwSetWindowShouldClose(window, GLFW_TRUE);
}

void Game::winGame() {
    announce("All kids are terrified! You won! (Press enter to close)");
    sound->won();
    showEndScreen(ui::EndScreen::Won);
    glfwSetWindowShouldClose(window, GLFW_TRUE);
}

namespace {

// Enter, Esc or a click in the window, or its close.
bool windowAnswered(GLFWwindow* window, WindowInput* input) {
    bool answered = glfwWindowShouldClose(window) == GLFW_TRUE;
    for (const int key : {GLFW_KEY_ENTER, GLFW_KEY_KP_ENTER, GLFW_KEY_ESCAPE}) {
        answered = keyPressed(window, input, key) || answered;
    }
    if (input != nullptr) {
        answered = input->take().clicks > 0 || answered;
    }
    return answered;
}

}  // namespace

void Game::showEndScreen(ui::EndScreen screen) {
    // The window keeps answering while the console waits: it is redrawn and
    // its events handled about 30 times a second.
    glfwPollEvents();
    if (input != nullptr) {
        input->forget();  // presses from before the end do not answer it
    }
    while (true) {
        drawEndScreen(screen);
        glfwSwapBuffers(window);
        if (pollConsoleInput() != ConsoleInput::Nothing) {
            return;
        }
        glfwWaitEventsTimeout(1.0 / 30.0);
        if (windowAnswered(window, input)) {
            return;
        }
    }
}

void Game::drawEndScreen(ui::EndScreen screen) {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, width, height);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // The last frame of play stays behind the words; on a loss the
    // game-over picture covers it when there is one.
    const bool picture = screen == ui::EndScreen::Lost && overlay->drawGameOver();
    if (!picture) {
        overlay->draw(health / maxHealth);
    }
    if (hud != nullptr) {
        hud->drawEndScreen(screen, !picture);
    }
}

// ------------------------------------------------------------------ keys --

void Game::handleKeys() {
    auto pressed = [this](int key) { return keyPressed(window, input, key); };
    if (pressed(GLFW_KEY_ESCAPE)) {
        glfwSetWindowShouldClose(window, GLFW_TRUE);
    }
    if (pressed(GLFW_KEY_F2)) {
        for (const char* line : helpLines()) {
            printLine(line);
        }
        if (hud != nullptr) {
            hud->showHelp(glfwGetTime());
        }
        showFrameTime = !showFrameTime;
    }
    if (pressed(GLFW_KEY_F3)) {
        wireframeMode = !wireframeMode;
        announce(wireframeMode ? "enable wireframe mode" : "disable wireframe mode");
    }
    if (pressed(GLFW_KEY_F4)) {
        bilinearSampling = !bilinearSampling;
        announce(bilinearSampling ? "texture sampling bilinear"
                                  : "texture sampling nearest neighbour");
    }
    if (pressed(GLFW_KEY_F5)) {
        mipmapMode = nextMipmapMode(mipmapMode);
        announce(mipmapMessage(mipmapMode));
    }
    if (pressed(GLFW_KEY_F8)) {
        frustumCulling = !frustumCulling;
        announce(frustumCulling ? "enable View Frustum Culling" : "disable View Frustum Culling");
    }
    if (pressed(GLFW_KEY_F9)) {
        transparencyEnabled = !transparencyEnabled;
        announce(transparencyEnabled ? "enable transparency" : "disable transparency");
        glUseProgram(overlay->program->program);
        setUniform(overlay->program->program, "transparencyFlag", transparencyEnabled ? 1 : 0);
    }
}

// ---------------------------------------------------------------- render --

mat4 Game::viewProjection() const {
    const float aspect = static_cast<float>(width) / static_cast<float>(height);
    const float fieldOfView = settings::current().fieldOfViewRadians();
    // 60 degrees keeps the constant: the compiler folds its tangent, which
    // can differ from the run-time one in the last bit.
    const mat4 projection = fieldOfView == 1.0471975803375244f
                                ? perspective(1.0471975803375244f, aspect, 0.1f, 1000.0f)
                                : perspective(fieldOfView, aspect, 0.1f, 1000.0f);
    return projection * camera->getViewMatrix();
}

void Game::uploadViewProjection() {
    const mat4 viewProj = viewProjection();
    for (auto* program : programs) {
        glUseProgram(program->program);
        setUniform(program->program, "view_proj", viewProj);
    }
}

void Game::uploadPointLights() {
    std::vector<scene::LanternCarrier> carriers;
    carriers.reserve(kids.size());
    for (const auto* kid : kids) {
        carriers.push_back({vec3(kid->modelMatrix[3]), kid->isActive()});
    }
    lanterns = scene::lanternPositions(carriers, pointLights.size());
    scene::uploadLanterns(programs, lanterns);
}

void Game::render() {
    const GraphicsQuality quality = settings::current().graphicsQuality;
    if (PassScheduler::windowClearedFirst(quality)) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    if (passes.mipmapsNeeded(quality)) {
        glGenerateMipmap(GL_TEXTURE_2D);
    }
    const mat4 depthVP = depthViewProjection(directionalLight->direction);
    renderShadowPass(depthVP, quality);
    renderMainPass(depthVP, quality);

    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    overlay->draw(health / maxHealth, PassScheduler::screenPassShortcut(quality));
    applyTextureSettings();
    passes.sceneFilterApplied(minificationFilter(mipmapMode, bilinearSampling));
    if (wireframeMode) {
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    }
}

// Everything the map shows follows from what shadowMapOutdated compares, so
// a map drawn from the same inputs is the same map. The state this pass
// leaves behind (culling, polygon offset) stays set from the first pass on.
void Game::renderShadowPass(const mat4& depthVP, GraphicsQuality quality) {
    const int side = PassScheduler::shadowMapSize(quality);
    if (side != shadowMapSide) {
        resizeShadowMap(side);
    }
    if (!shadowMapOutdated(depthVP, quality)) {
        return;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, shadowFramebuffer);
    glViewport(0, 0, shadowMapSide, shadowMapSide);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glUseProgram(depthProgram->program);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(4.0f, 2.0f);
    setUniform(depthProgram->program, "depth_view_proj", depthVP);
    ground->setProgram(depthProgram);
    ground->draw();
    for (auto* tree : trees) {
        tree->setProgram(depthProgram);
        tree->draw();
    }
    passes.shadowMapDrawn(shadowInputs);
}

bool Game::shadowMapOutdated(const mat4& depthVP, GraphicsQuality quality) {
    GLint polygonModes[2] = {GL_FILL, GL_FILL};
    glGetIntegerv(GL_POLYGON_MODE, polygonModes);
    shadowInputs.size = shadowMapSide;
    shadowInputs.polygonMode = polygonModes[0];
    shadowInputs.lightViewProjection = depthVP;
    shadowInputs.casters.clear();
    shadowInputs.casters.push_back(ground->modelMatrix);
    for (const auto* tree : trees) {
        shadowInputs.casters.push_back(tree->modelMatrix);
    }
    return passes.shadowMapNeedsDrawing(quality, shadowInputs);
}

void Game::renderMainPass(const mat4& depthVP, GraphicsQuality quality) {
    const GLuint basic = basicProgram->program;
    glUseProgram(basic);
    const mat4 biasVP = biasViewProjection(depthVP);
    setUniform(basic, "myTextureSampler", 0);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, shadowDepthTexture);
    setUniform(basic, "shadowMap", 1);
    glBindFramebuffer(GL_FRAMEBUFFER, sceneTarget->framebuffer);
    glViewport(0, 0, width, height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    setUniform(basic, "biasVP", biasVP);

    for (auto* kid : kids) {
        kid->draw();
    }
    directionalLight->draw();
    countTreesInView();
    if (quality != GraphicsQuality::Exact) {
        drawGroundBeforeSky(biasVP);
        return;
    }
    for (auto* tree : trees) {
        tree->setProgram(basicProgram);
        tree->draw();
    }
    skyBox->draw();
    ground->setProgram(basicProgram);
    glUseProgram(basic);
    setUniform(basic, "biasVP", biasVP);
    ground->draw();
}

// The picture of the draws above for less work: what a fragment shows is
// decided by the depth test, so the ground may come before the sky, whose
// fragments under it then fail the test before they are shaded; and a tree
// whose bounding sphere is outside the view gives no fragment at all. (Trees
// nearest first would spare more, but where two trees cross, a few pixels
// of equal depth would change.)
void Game::drawGroundBeforeSky(const mat4& biasVP) {
    shareLitUniforms(biasVP);
    lanternLitDraws = 0;
    lanternFreeDraws = 0;
    const LanternReach reach(lanterns);
    for (auto* tree : trees) {
        tree->setProgram(basicProgram);
        if (frustum->sphereInFrustum(tree->boundingCenter, tree->boundingRadius) != 0) {
            drawTreeLit(tree, reach);
        }
    }
    ground->setProgram(basicProgram);
    drawGroundLit(reach);
    skyBox->draw();
}

// The lantern-free program gets what the basic program was sent, value for
// value, so both light a surface alike.
void Game::shareLitUniforms(const mat4& biasVP) {
    const GLuint basic = basicProgram->program;
    const GLuint free = lanternFreeProgram->program;
    mat4 viewProj(1.0f);
    vec3 light(0.0f);
    const auto read = [basic](const char* name, float* into) {
        const GLint location = glGetUniformLocation(basic, name);
        if (location != -1) {
            glGetUniformfv(basic, location, into);
        }
    };
    read("view_proj", &viewProj[0][0]);
    read("lightDir", &light[0]);
    glUseProgram(free);
    setUniform(free, "view_proj", viewProj);
    setUniform(free, "lightDir", light);
    for (GLuint lit : {basic, free}) {
        glUseProgram(lit);
        setUniform(lit, "myTextureSampler", 0);
        setUniform(lit, "shadowMap", 1);
        setUniform(lit, "biasVP", biasVP);
    }
}

void Game::drawTreeLit(scene::Tree* tree, const LanternReach& reach) {
    if (reach.reaches(tree->model->bounds.placedBy(tree->modelMatrix))) {
        ++lanternLitDraws;
        tree->draw();
        return;
    }
    ++lanternFreeDraws;
    tree->setProgram(lanternFreeProgram);
    tree->draw();
    tree->setProgram(basicProgram);
}

// The ground's triangles in two draws: those a lantern reaches, then the
// rest. No two triangles of a flat ground cover one pixel, so their order
// does not show. Any other ground, and one of several meshes, is drawn
// whole, as Exact does.
void Game::drawGroundLit(const LanternReach& reach) {
    const StaticModel& model = *ground->model;
    if (model.subMeshes.size() != 1 || !model.level) {
        ++lanternLitDraws;
        ground->draw();
        return;
    }
    LanternReach::Groups groups =
        reach.splitTriangles(model.positions, model.triangles, ground->modelMatrix);
    const size_t reached = groups.reached.size();
    groups.reached.insert(groups.reached.end(), groups.unreached.begin(), groups.unreached.end());
    glBindBuffer(GL_COPY_WRITE_BUFFER, groundElements);
    glBufferData(GL_COPY_WRITE_BUFFER, GLsizeiptr(groups.reached.size() * sizeof(uint32_t)),
                 groups.reached.data(), GL_STREAM_DRAW);
    glBindBuffer(GL_COPY_WRITE_BUFFER, 0);
    if (reached > 0) {
        ++lanternLitDraws;
        drawGroundPart(basicProgram, 0, reached);
    }
    if (groups.reached.size() > reached) {
        ++lanternFreeDraws;
        drawGroundPart(lanternFreeProgram, reached, groups.reached.size() - reached);
    }
}

// What Object::draw does for the ground, with the given program and count
// indices of groundElements from first.
void Game::drawGroundPart(ShaderProgram* program, size_t first, size_t count) {
    glUseProgram(program->program);
    setUniform(program->program, "model", ground->modelMatrix);
    setUniform(program->program, "color_texture", 0);
    ground->model->drawTriangles(groundElements, first, count);
}

void Game::countTreesInView() {
    // The planes follow the camera, so the figure tells how many trees are
    // really in view; every tree is drawn whatever the test says.
    frustum->setFromMatrix(viewProjection());
    objectsDrawn = static_cast<int>(trees.size());
    for (const auto* tree : trees) {
        if (frustum->sphereInFrustum(tree->boundingCenter, tree->boundingRadius) == 0) {
            --objectsDrawn;
        }
    }
}

void Game::applyTextureSettings() {
    const int filter = minificationFilter(mipmapMode, bilinearSampling);
    if (filter != 0) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

void Game::resize(int newWidth, int newHeight) {
    if (newWidth <= 0 || newHeight <= 0 || (newWidth == width && newHeight == height)) {
        return;
    }
    width = newWidth;
    height = newHeight;
    delete sceneTarget;
    sceneTarget = new RenderTarget(width, height);
    overlay->colorTexture = sceneTarget->colorTexture;
    overlay->depthTexture = sceneTarget->depthTexture;
    // The next frame's mipmap step works on whatever unit 0 holds.
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, sceneTarget->colorTexture);
    applyTextureSettings();
    glViewport(0, 0, width, height);
}

void Game::releaseWorld() {
    delete sound;
    sound = nullptr;
    delete directionalLight;
    delete skyBox;
    delete ground;
    directionalLight = nullptr;
    skyBox = nullptr;
    ground = nullptr;
    trees.clear();
    pointLights.clear();
    kids.clear();
    programs.clear();
}

}  // namespace dusk
