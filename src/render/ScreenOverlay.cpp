#include "render/ScreenOverlay.h"

#include "assets/Image.h"
#include "render/ShaderProgram.h"
#include "render/Uniforms.h"

namespace dusk {

const float overlayQuadPositions[18] = {
    -1.0f, -1.0f, 0.0f, 1.0f, -1.0f, 0.0f, -1.0f, 1.0f, 0.0f,
    -1.0f, 1.0f,  0.0f, 1.0f, -1.0f, 0.0f, 1.0f,  1.0f, 0.0f,
};
const float overlayQuadUvs[12] = {
    0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0f, 1.0f,
};

namespace {

const char* const gameOverFile = "Textures/gameOverScreen.png";

GlBuffer makeBuffer(const float* data, GLsizeiptr bytes) {
    GlBuffer buffer = GlBuffer::generate();
    glBindBuffer(GL_ARRAY_BUFFER, buffer.get());
    glBufferData(GL_ARRAY_BUFFER, bytes, data, GL_STATIC_DRAW);
    return buffer;
}

// Points the named input at the bound array buffer, if the program has it.
void attach(GLuint program, const char* name, GLint components) {
    const GLint location = glGetAttribLocation(program, name);
    if (location != -1) {
        glEnableVertexAttribArray(static_cast<GLuint>(location));
        glVertexAttribPointer(static_cast<GLuint>(location), components, GL_FLOAT, GL_FALSE, 0,
                              nullptr);
    }
}

GlVertexArray makeQuadArray(GLuint program, const GlBuffer& positions, const GlBuffer& uvs) {
    GlVertexArray array = GlVertexArray::generate();
    glBindVertexArray(array.get());
    glBindBuffer(GL_ARRAY_BUFFER, positions.get());
    attach(program, "position", 3);
    glBindBuffer(GL_ARRAY_BUFFER, uvs.get());
    attach(program, "uv", 2);
    return array;
}

// The picture, read as there have always been two records of it: a file that
// fails is read again, so its message comes twice.
std::unique_ptr<GpuTexture> loadGameOverPicture() {
    const Image picture(gameOverFile);
    if (!picture.loaded()) {
        const Image again(gameOverFile);
        return nullptr;
    }
    return std::make_unique<GpuTexture>(picture);
}

}  // namespace

ScreenOverlay::ScreenOverlay(const ShaderProgram* program, GLuint colorTexture, GLuint depthTexture)
    : program(program), colorTexture(colorTexture), depthTexture(depthTexture) {
    glUseProgram(program->id());
    setUniform(program->uniforms().transparencyFlag, 1);

    positionBuffer = makeBuffer(overlayQuadPositions, sizeof(overlayQuadPositions));
    uvBuffer = makeBuffer(overlayQuadUvs, sizeof(overlayQuadUvs));

    vertexArray = makeQuadArray(program->id(), positionBuffer, uvBuffer);

    gameOverPicture = loadGameOverPicture();

    float flipped[12];
    for (int i = 0; i < 12; i += 2) {
        flipped[i] = overlayQuadUvs[i];
        flipped[i + 1] = 1.0f - overlayQuadUvs[i + 1];
    }
    flippedUvBuffer = makeBuffer(flipped, sizeof(flipped));
    flippedVertexArray = makeQuadArray(program->id(), positionBuffer, flippedUvBuffer);
    // The scene quad's array is the one left bound.
    glBindVertexArray(vertexArray.get());
}

void ScreenOverlay::draw(float healthFraction, bool shortcut) {
    const bool fullHealthShortcut = shortcut && fullHealthProgram && healthFraction >= 1.0f;
    const ShaderProgram& shader = fullHealthShortcut ? *fullHealthProgram : *program;
    glUseProgram(shader.id());
    setUniform(shader.uniforms().transparencyFlag, transparency);
    if (!fullHealthShortcut) {
        setUniform(shader.uniforms().healthPercentage, healthFraction);
    }
    setUniform(shader.uniforms().sceneTexture, 0);
    drawQuad(vertexArray.get(), colorTexture);
}

void ScreenOverlay::takeFullHealthProgram(std::unique_ptr<ShaderProgram> shortcutProgram) {
    for (const char* input : {"position", "uv"}) {
        if (glGetAttribLocation(shortcutProgram->id(), input) !=
            glGetAttribLocation(program->id(), input)) {
            return;  // the quad's array would feed it wrongly
        }
    }
    fullHealthProgram = std::move(shortcutProgram);
}

bool ScreenOverlay::drawGameOver() {
    if (!gameOverPicture) {
        return false;
    }
    glUseProgram(program->id());
    setUniform(program->uniforms().healthPercentage, 1.0f);
    setUniform(program->uniforms().transparencyFlag, 0);
    setUniform(program->uniforms().sceneTexture, 0);
    drawQuad(flippedVertexArray.get(), gameOverPicture->name());
    glBindTexture(GL_TEXTURE_2D, colorTexture);
    return true;
}

void ScreenOverlay::drawTexture(const ShaderProgram& textureProgram, GLuint texture) {
    glUseProgram(textureProgram.id());
    setUniform(textureProgram.uniforms().sceneTexture, 0);
    drawQuad(vertexArray.get(), texture);
}

void ScreenOverlay::drawQuad(GLuint quadArray, GLuint texture) {
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBindVertexArray(quadArray);
    glDrawArrays(GL_TRIANGLES, 0, 6);
    glBindVertexArray(0);
}

}  // namespace dusk
