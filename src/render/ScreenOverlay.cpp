#include "render/ScreenOverlay.h"

#include "assets/Texture.h"
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

GLuint makeBuffer(const float* data, GLsizeiptr bytes) {
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
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

GLuint makeQuadArray(GLuint program, GLuint positions, GLuint uvs) {
    GLuint array = 0;
    glGenVertexArrays(1, &array);
    glBindVertexArray(array);
    glBindBuffer(GL_ARRAY_BUFFER, positions);
    attach(program, "position", 3);
    glBindBuffer(GL_ARRAY_BUFFER, uvs);
    attach(program, "uv", 2);
    return array;
}

}  // namespace

ScreenOverlay::ScreenOverlay(ShaderProgram* program, GLuint colorTexture, GLuint depthTexture)
    : program(program), colorTexture(colorTexture), depthTexture(depthTexture) {
    glUseProgram(program->program);
    setUniform(program->program, "transparencyFlag", 1);

    positionBuffer = makeBuffer(overlayQuadPositions, sizeof(overlayQuadPositions));
    uvBuffer = makeBuffer(overlayQuadUvs, sizeof(overlayQuadUvs));

    vertexArray = makeQuadArray(program->program, positionBuffer, uvBuffer);

    gameOverImage[0] = std::make_unique<Texture>(gameOverFile);
    gameOverImage[1] = std::make_unique<Texture>(gameOverFile);

    float flipped[12];
    for (int i = 0; i < 12; i += 2) {
        flipped[i] = overlayQuadUvs[i];
        flipped[i + 1] = 1.0f - overlayQuadUvs[i + 1];
    }
    flippedUvBuffer = makeBuffer(flipped, sizeof(flipped));
    flippedVertexArray = makeQuadArray(program->program, positionBuffer, flippedUvBuffer);
    // The scene quad's array is the one left bound.
    glBindVertexArray(vertexArray);
}

ScreenOverlay::~ScreenOverlay() {
    const GLuint arrays[2] = {vertexArray, flippedVertexArray};
    glDeleteVertexArrays(2, arrays);
    const GLuint buffers[3] = {positionBuffer, uvBuffer, flippedUvBuffer};
    glDeleteBuffers(3, buffers);
}

void ScreenOverlay::draw(float healthFraction, bool shortcut) {
    const bool fullHealthShortcut = shortcut && fullHealthProgram && healthFraction >= 1.0f;
    const GLuint shader = fullHealthShortcut ? fullHealthProgram->program : program->program;
    glUseProgram(shader);
    setUniform(shader, "transparencyFlag", transparency);
    if (!fullHealthShortcut) {
        setUniform(shader, "healthPercentage", healthFraction);
    }
    setUniform(shader, "sceneTexture", 0);
    drawQuad(vertexArray, colorTexture);
}

void ScreenOverlay::takeFullHealthProgram(ShaderProgram* shortcutProgram) {
    std::unique_ptr<ShaderProgram> taken(shortcutProgram);
    for (const char* input : {"position", "uv"}) {
        if (glGetAttribLocation(taken->program, input) !=
            glGetAttribLocation(program->program, input)) {
            return;  // the quad's array would feed it wrongly
        }
    }
    fullHealthProgram = std::move(taken);
}

bool ScreenOverlay::drawGameOver() {
    const GLuint picture = gameOverImage[0] ? gameOverImage[0]->textureObject : 0;
    if (picture == 0) {
        return false;
    }
    const GLuint shader = program->program;
    glUseProgram(shader);
    setUniform(shader, "healthPercentage", 1.0f);
    setUniform(shader, "transparencyFlag", 0);
    setUniform(shader, "sceneTexture", 0);
    drawQuad(flippedVertexArray, picture);
    glBindTexture(GL_TEXTURE_2D, colorTexture);
    return true;
}

void ScreenOverlay::drawTexture(const ShaderProgram& textureProgram, GLuint texture) {
    glUseProgram(textureProgram.program);
    setUniform(textureProgram.program, "sceneTexture", 0);
    drawQuad(vertexArray, texture);
}

void ScreenOverlay::drawQuad(GLuint quadArray, GLuint texture) {
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBindVertexArray(quadArray);
    glDrawArrays(GL_TRIANGLES, 0, 6);
    glBindVertexArray(0);
}

}  // namespace dusk
