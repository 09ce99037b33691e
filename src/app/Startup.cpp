#include "app/Startup.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <unistd.h>

#include "app/CommandLine.h"
#include "app/Config.h"
#include "app/MainLoop.h"
#include "app/Session.h"
#include "base/Console.h"
#include "records/RecordsTable.h"
#include "render/SoftwareRasterizer.h"
#include "replay/ReplayFile.h"

namespace dusk {

namespace {

GLFWwindow* openWindow(const WindowConfig& size) {
    if (!glfwInit()) {
        failAndExit("ERROR: Could not init glfw.", true);
    }
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    // A size GLFW or X cannot take is refused here: GLFW would assert on a
    // negative one and crash inside Xlib on a huge one instead of failing.
    GLFWwindow* window =
        windowSizeAcceptable(size)
            ? glfwCreateWindow(size.width, size.height, "Duskhollow", nullptr, nullptr)
            : nullptr;
    if (window == nullptr) {
        glfwTerminate();
        failAndExit("ERROR: Could not open window.", true);
    }
    glfwMakeContextCurrent(window);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        glfwTerminate();
        failAndExit("ERROR: Could not init glew.", true);
    }
    // GLEW's core-profile start-up leaves GL_INVALID_ENUM behind; it is not
    // the game's error and would otherwise be reported after the first frame.
    while (glGetError() != GL_NO_ERROR) {
    }
    return window;
}

// The options that come before anything is read: the data directory, the
// settings (the command line's over the file's); then the records.
PlayerFiles readPlayerFiles(const StartOptions& options) {
    if (options.dataDir && chdir(options.dataDir->c_str()) != 0) {
        failAndExit("ERROR: Could not enter the data directory " + options.dataDir->string(),
                    false);
    }
    PlayerFiles files;
    files.settings->load(options.settingsFile.value_or(SettingsFile::defaultPath()));
    files.settings->force({options.fullscreen, options.vsync, options.difficulty});
    files.records->load(RecordsFile::defaultPath());
    files.replays = ReplayShelf(ReplayShelf::defaultFolder());
    return files;
}

// Where OpenGL is drawn by the processor, a run whose player chose no
// quality plays Fast: the same picture as Exact for far less work.
bool takeSoftwareRasterizerQuality(SettingsStore& settings) {
    return namesSoftwareRasterizer(currentRendererName()) &&
           settings.takeMachineQuality(GraphicsQuality::Fast);
}

}  // namespace

int printRecords() {
    const RecordsReading reading =
        RecordsFile(RecordsFile::defaultPath()).read(RecordsFile::Purpose::List);
    for (const std::string& line : {reading.fault, reading.unknown}) {
        if (!line.empty()) {
            printLine(line);
        }
    }
    for (const std::string& line : recordsTable(reading.records)) {
        printLine(line);
    }
    return 0;
}

void setUpWindow(GLFWwindow* window) {
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
}

int runApplication(const StartOptions& options) {
    PlayerFiles files = readPlayerFiles(options);
    std::optional<Replay> replay;
    if (options.replayFile) {
        ReplayReading reading = ReplayFile(*options.replayFile).read();
        if (!reading.replay) {
            printLine(reading.fault);
            return 2;
        }
        replay = std::move(reading.replay);
    }
    const UserSettings& chosen = files.settings->current();
    SessionOptions session;
    session.windowSize =
        chooseWindowSize(readWindowConfig("Release/config.txt"), chosen.width, chosen.height);

    GLFWwindow* window = openWindow(session.windowSize);
    setUpWindow(window);
    {
        session.seed = options.seed.value_or(1);
        session.daily = options.daily;
        session.readConsole = !options.windowOnly;
        session.machineQuality = takeSoftwareRasterizerQuality(*files.settings);
        session.replay = std::move(replay);
        Session game(window, session, std::move(files));
        runMainLoop(game);
    }
    glfwTerminate();
    return 0;
}

}  // namespace dusk
