#include "ui/ImGuiLayer.h"

#include <GLFW/glfw3.h>
#include <backends/imgui_impl_glfw.h>
#include <backends/imgui_impl_opengl3.h>
#include <imgui.h>
#include <unistd.h>

namespace dusk::ui {

namespace {

constexpr float kTextSize = 20.0f;
constexpr float kTitleSize = 46.0f;

}  // namespace

const char* dejaVuSansPath() {
    static const char* const path = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    return access(path, R_OK) == 0 ? path : "";
}

ImGuiLayer::ImGuiLayer(GLFWwindow* window) {
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    io.ConfigFlags |= ImGuiConfigFlags_NoMouseCursorChange;
    // The settings menu and the pause screen answer a gamepad alone.
    io.ConfigFlags |= ImGuiConfigFlags_NavEnableGamepad;
    ImGui::StyleColorsDark();
    loadFonts();
    ImGui_ImplGlfw_InitForOpenGL(window, true);
    ImGui_ImplOpenGL3_Init("#version 330 core");
}

ImGuiLayer::~ImGuiLayer() {
    ImGui_ImplOpenGL3_Shutdown();
    ImGui_ImplGlfw_Shutdown();
    ImGui::DestroyContext();
}

void ImGuiLayer::loadFonts() {
    ImGuiIO& io = ImGui::GetIO();
    const char* path = dejaVuSansPath();
    if (*path != '\0') {
        // The default ranges are Latin-1; the em dash of the pause banner is
        // outside them.
        static const ImWchar ranges[] = {0x0020, 0x00FF, 0x2010, 0x2027, 0};
        textFont = io.Fonts->AddFontFromFileTTF(path, kTextSize, nullptr, ranges);
        titleFont = io.Fonts->AddFontFromFileTTF(path, kTitleSize, nullptr, ranges);
    }
    if (textFont == nullptr || titleFont == nullptr) {
        io.Fonts->Clear();
        ImFontConfig config;
        config.SizePixels = 13.0f;
        textFont = io.Fonts->AddFontDefault(&config);
        config.SizePixels = 26.0f;
        titleFont = io.Fonts->AddFontDefault(&config);
    }
}

void ImGuiLayer::beginFrame() {
    ImGui_ImplOpenGL3_NewFrame();
    ImGui_ImplGlfw_NewFrame();
    ImGui::NewFrame();
}

void ImGuiLayer::endFrame() {
    ImGui::Render();
    ImGui_ImplOpenGL3_RenderDrawData(ImGui::GetDrawData());
}

}  // namespace dusk::ui
