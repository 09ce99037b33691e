#include "render/SightAreas.h"

#include <algorithm>

#include "render/ShaderProgram.h"
#include "render/Uniforms.h"

namespace dusk {

namespace {

// The rectangle as two triangles, corners 0..1.
const float corners[] = {0.0f, 0.0f, 1.0f, 0.0f, 1.0f, 1.0f, 0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0f};

// 0.5 is no change (the blend doubles): a faint warm lift, and red.
const vec3 watchingTint(0.62f, 0.60f, 0.50f);
const vec3 seeingTint(0.72f, 0.36f, 0.32f);

// The shader's room for areas ("areas[10]").
constexpr std::size_t kMaxAreas = 10;

}  // namespace

SightAreas::SightAreas(const std::string& shaderDir)
    : program(std::make_unique<ShaderProgram>(shaderDir + "sightArea.vert",
                                              shaderDir + "sightArea.frag")) {
    vertexArray = GlVertexArray::generate();
    glBindVertexArray(vertexArray.get());
    buffer = GlBuffer::generate();
    glBindBuffer(GL_ARRAY_BUFFER, buffer.get());
    glBufferData(GL_ARRAY_BUFFER, sizeof corners, corners, GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
    glBindVertexArray(0);
}

SightAreas::~SightAreas() = default;

void SightAreas::draw(const std::vector<SightArea>& areas, const mat4& viewProjection,
                      float groundHeight) const {
    const std::size_t count = std::min(areas.size(), kMaxAreas);
    if (count == 0) {
        return;
    }
    float packed[kMaxAreas * 4] = {};
    int seeing = 0;
    float reach = 0.0f;
    vec2 low(1e30f);
    vec2 high(-1e30f);
    for (std::size_t i = 0; i < count; ++i) {
        const mat4& m = areas[i].kidMatrix;
        const float at[] = {m[3][0], m[3][2], m[0][0], m[0][2]};
        std::copy(at, at + 4, packed + 4 * i);
        seeing |= areas[i].seeing ? 1 << i : 0;
        reach = std::max(reach, areas[i].reach);
        low = glm::min(low, vec2(m[3][0], m[3][2]));
        high = glm::max(high, vec2(m[3][0], m[3][2]));
    }
    // Every kid's reach around it, a little more so the rims lie inside.
    const vec2 margin(reach * 1.01f + 0.01f);
    const GLuint id = program->id();
    glUseProgram(id);
    setUniform(id, "view_proj", viewProjection);
    glUniform4f(glGetUniformLocation(id, "bounds"), low.x - margin.x, low.y - margin.y,
                high.x + margin.x, high.y + margin.y);
    setUniform(id, "groundHeight", groundHeight);
    glUniform4fv(glGetUniformLocation(id, "areas"), static_cast<GLsizei>(count), packed);
    setUniform(id, "areaCount", static_cast<int>(count));
    setUniform(id, "seeingMask", seeing);
    setUniform(id, "sightReach", reach);
    setUniform(id, "watchingTint", watchingTint);
    setUniform(id, "seeingTint", seeingTint);
    glEnable(GL_BLEND);
    glBlendFunc(GL_DST_COLOR, GL_SRC_COLOR);
    glDepthMask(GL_FALSE);
    glDepthFunc(GL_LEQUAL);
    // The ground's own offset pulled two steps nearer: the areas win the
    // depth test on the ground and lose it to whatever stands there.
    glPolygonOffset(4.0f, -2.0f);
    glDisable(GL_CULL_FACE);
    glBindVertexArray(vertexArray.get());
    glDrawArrays(GL_TRIANGLES, 0, 6);
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
