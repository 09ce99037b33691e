#pragma once
#include <GL/glew.h>

#include <memory>

#include "render/GlHandle.h"
#include "render/GpuTexture.h"

namespace dusk {

class ShaderProgram;

// The screen pass: one quad over the whole window, drawn with the lens-flare
// program, which shows the scene target's colour texture and dims it with
// the player's health. Also holds the game-over picture.
class ScreenOverlay {
public:
    // Sets "transparencyFlag" to 1, builds the quad and loads
    // "Textures/gameOverScreen.png" (a file that fails is read once more, as
    // there have always been two records of it, and both say so; nothing else
    // changes). program must outlive the overlay.
    ScreenOverlay(const ShaderProgram* program, GLuint colorTexture, GLuint depthTexture);

    // Draws into the bound framebuffer. healthFraction: 1 full health, 0 none.
    // Leaves unit 0 active with colorTexture bound. With shortcut, a full
    // health picture is drawn with fullHealthProgram when there is one: the
    // same pixels for less work while the viewport is the target's size.
    void draw(float healthFraction, bool shortcut = false);
    // Takes lensFlare.frag built with FULL_HEALTH_ONE_TO_ONE (owned from now
    // on); refused (deleted) unless it reads the quad as the program does.
    void takeFullHealthProgram(std::unique_ptr<ShaderProgram> shortcutProgram);
    // The dusk grade of the next draws (F9): 1 on, 0 off; 1 to begin with.
    void setTransparencyFlag(int flag) { transparency = flag; }
    int transparencyFlag() const { return transparency; }
    // Shows the first game-over picture over the whole bound framebuffer,
    // untouched by health or transparency. Draws nothing and returns false when the picture failed
    // to load. Leaves unit 0 active with colorTexture bound, as draw does.
    bool drawGameOver();
    // Shows texture over the whole bound framebuffer with program (which
    // reads it as "sceneTexture" at the quad's "uv"), nothing else set.
    void drawTexture(const ShaderProgram& program, GLuint texture);

    const ShaderProgram* program;  // not owned
    std::unique_ptr<ShaderProgram> fullHealthProgram;
    GLuint colorTexture;                          // the scene target's, not owned
    GLuint depthTexture;                          // held, not read by the draw
    std::unique_ptr<GpuTexture> gameOverPicture;  // null when it failed to load
    GlBuffer positionBuffer;
    GlBuffer uvBuffer;
    GlVertexArray vertexArray;

private:
    void drawQuad(GLuint quadArray, GLuint texture);

    // Images come with their top row at t = 0, the scene target with its
    // bottom row there: the picture gets a quad with the v axis turned over.
    GlBuffer flippedUvBuffer;
    GlVertexArray flippedVertexArray;
    int transparency = 1;
};

// The quad: two counter-clockwise triangles over clip space at depth 0.
extern const float overlayQuadPositions[18];
extern const float overlayQuadUvs[12];

}  // namespace dusk
