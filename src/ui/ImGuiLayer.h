#pragma once

struct GLFWwindow;
struct ImFont;

namespace dusk::ui {

// Dear ImGui on one window: its GLFW and OpenGL 3 back ends, the fonts, and
// one frame at a time. Installs ImGui's input callbacks after any the game
// set, which ImGui then chains to. Writes no imgui.ini and leaves the cursor
// alone (the game hides and shows it itself).
class ImGuiLayer {
public:
    explicit ImGuiLayer(GLFWwindow* window);
    ~ImGuiLayer();
    ImGuiLayer(const ImGuiLayer&) = delete;
    ImGuiLayer& operator=(const ImGuiLayer&) = delete;

    // Between these two, ImGui calls build the frame's windows.
    void beginFrame();
    // Draws into the bound framebuffer; GL state is as it was before.
    void endFrame();

    ImFont* textFont = nullptr;   // body text
    ImFont* titleFont = nullptr;  // end screens and the pause banner

private:
    void loadFonts();
};

// DejaVu Sans when fonts-dejavu-core is installed, else empty (ImGui's own
// font is used then).
const char* dejaVuSansPath();

}  // namespace dusk::ui
