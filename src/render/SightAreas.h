#pragma once
// Where each kid looks, drawn on the ground of the lit pass: the half-disc of
// its sight in front of it, faint, and red while it sees the player.
#include <GL/glew.h>

#include <memory>
#include <string>
#include <vector>

#include "math/Math.h"
#include "render/GlHandle.h"

namespace dusk {

class ShaderProgram;

// One kid's area: the kid's matrix (its place and facing, as the rules read
// them), how far it sees (the same for every kid of a round), and whether it
// sees the player now.
struct SightArea {
    mat4 kidMatrix{1.0f};
    float reach = 15.0f;
    bool seeing = false;
};

class SightAreas {
public:
    // Builds the program from "sightArea.vert" and "sightArea.frag" in
    // shaderDir (a broken one ends the process with its message) and the
    // rectangle the areas are cut from.
    explicit SightAreas(const std::string& shaderDir);
    ~SightAreas();
    SightAreas(const SightAreas&) = delete;
    SightAreas& operator=(const SightAreas&) = delete;

    // Tints the ground of the bound target, at height groundHeight, inside
    // the areas (the first ten), in one draw that touches each pixel once:
    // blended over what is drawn, depth tested and not written, so what
    // stands on the ground stays untouched; where areas overlap the pixel is
    // tinted once, red when any of them sees the player. Leaves blending
    // off and depth writes on, as the lit pass has them.
    void draw(const std::vector<SightArea>& areas, const mat4& viewProjection,
              float groundHeight) const;

private:
    std::unique_ptr<ShaderProgram> program;
    GlVertexArray vertexArray;
    GlBuffer buffer;
};

// The height of a level ground (every position at one height) as its matrix
// places it; nothing to draw on for any other ground.
bool levelGroundHeight(const std::vector<vec3>& positions, bool level, const mat4& modelMatrix,
                       float& height);

}  // namespace dusk
