#include "render/SightAreas.h"

#include "render/ShaderProgram.h"
#include "render/Uniforms.h"

namespace dusk {

namespace {

// The rectangle around the half-disc, a hundredth of the reach beyond it on
// every side, as two triangles (x ahead, y to the side).
const float corners[] = {-0.01f, -1.01f, 1.01f, -1.01f, 1.01f,  1.01f,
                         -0.01f, -1.01f, 1.01f, 1.01f,  -0.01f, 1.01f};

// 0.5 is no change (the blend doubles): a faint warm lift, and red.
const vec3 watchingTint(0.56f, 0.55f, 0.50f);
const vec3 seeingTint(0.80f, 0.30f, 0.28f);

}  // namespace

SightAreas::SightAreas(const std::string& shaderDir)
    : program(std::make_unique<ShaderProgram>(shaderDir + "sightArea.vert",
                                              shaderDir + "sightArea.frag")) {
    glGenVertexArrays(1, &vertexArray);
    glBindVertexArray(vertexArray);
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, sizeof corners, corners, GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
    glBindVertexArray(0);
}

SightAreas::~SightAreas() {
    glDeleteBuffers(1, &buffer);
    glDeleteVertexArrays(1, &vertexArray);
}

void SightAreas::draw(const std::vector<SightArea>& areas, const mat4& viewProjection,
                      float groundHeight) const {
    if (areas.empty()) {
        return;
    }
    const GLuint id = program->program;
    glUseProgram(id);
    setUniform(id, "view_proj", viewProjection);
    glEnable(GL_BLEND);
    glBlendFunc(GL_DST_COLOR, GL_SRC_COLOR);
    glDepthMask(GL_FALSE);
    glDepthFunc(GL_LEQUAL);
    // The ground's own offset pulled two steps nearer: the area wins the
    // depth test on the ground and loses it to whatever stands there.
    glPolygonOffset(4.0f, -2.0f);
    glDisable(GL_CULL_FACE);
    glBindVertexArray(vertexArray);
    for (const SightArea& area : areas) {
        setUniform(id, "kidPos", vec3(area.kidMatrix[3][0], groundHeight, area.kidMatrix[3][2]));
        setUniform(id, "kidAxis", vec3(area.kidMatrix[0]));
        setUniform(id, "sightReach", area.reach);
        setUniform(id, "tint", area.seeing ? seeingTint : watchingTint);
        glDrawArrays(GL_TRIANGLES, 0, 6);
    }
    glBindVertexArray(0);
    glEnable(GL_CULL_FACE);
    glPolygonOffset(4.0f, 2.0f);
    glDepthFunc(GL_LESS);
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
}

bool levelGroundHeight(const std::vector<vec3>& positions, bool level, const mat4& modelMatrix,
                       float& height) {
    if (!level || positions.empty()) {
        return false;
    }
    height = (modelMatrix * vec4(positions[0], 1.0f)).y;
    return true;
}

}  // namespace dusk
