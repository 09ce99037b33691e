#include "render/VertexUpload.h"

#include "render/GpuTexture.h"

namespace dusk {

void uploadFloatAttribute(GLuint buffer, GLuint location, const std::vector<float>& data,
                          GLint components) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(data.size() * sizeof(float)), data.data(),
                 GL_STATIC_DRAW);
    glEnableVertexAttribArray(location);
    glVertexAttribPointer(location, components, GL_FLOAT, GL_FALSE, 0, nullptr);
}

void uploadIndices(GLuint buffer, const std::vector<uint32_t>& indices) {
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffer);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(indices.size() * sizeof(uint32_t)),
                 indices.data(), GL_STATIC_DRAW);
}

void bindTextureOf(const SubMesh& sub, const GpuTexture* texture) {
    if (sub.materialIndex == 0 && texture != nullptr) {
        texture->bind();
    }
}

}  // namespace dusk
