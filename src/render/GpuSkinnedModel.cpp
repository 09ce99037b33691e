#include "render/GpuSkinnedModel.h"

#include <cstddef>

#include "assets/SkinnedModel.h"
#include "render/VertexUpload.h"

namespace dusk {

namespace {

void uploadWeights(GLuint buffer, const std::vector<VertexWeights>& weights) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(weights.size() * sizeof(VertexWeights)),
                 weights.data(), GL_STATIC_DRAW);
    const GLsizei stride = sizeof(VertexWeights);
    glEnableVertexAttribArray(3);
    glVertexAttribIPointer(3, 4, GL_INT, stride, nullptr);
    glEnableVertexAttribArray(4);
    glVertexAttribPointer(4, 4, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(VertexWeights, weights)));
}

}  // namespace

GpuSkinnedModel::GpuSkinnedModel(const SkinnedModel& model)
    : vertexArray(GlVertexArray::generate()), subMeshes(model.subMeshes) {
    glBindVertexArray(vertexArray.get());
    for (GlBuffer& buffer : buffers) {
        buffer = GlBuffer::generate();
    }
    if (model.image) {
        texture = std::make_unique<GpuTexture>(*model.image);
    }
    uploadFloatAttribute(buffers[1].get(), 0, model.arrays.positions, 3);
    uploadFloatAttribute(buffers[3].get(), 1, model.arrays.uvs, 2);
    uploadFloatAttribute(buffers[2].get(), 2, model.arrays.normals, 3);
    uploadWeights(buffers[4].get(), model.vertexWeights);
    uploadIndices(buffers[0].get(), model.arrays.indices);
    glBindVertexArray(0);
}

void GpuSkinnedModel::draw() const {
    glBindVertexArray(vertexArray.get());
    for (const SubMesh& sub : subMeshes) {
        bindTextureOf(sub, texture.get());
        glDrawElementsBaseVertex(
            GL_TRIANGLES, GLsizei(sub.indexCount), GL_UNSIGNED_INT,
            reinterpret_cast<const void*>(uintptr_t(sub.baseIndex) * sizeof(uint32_t)),
            GLint(sub.baseVertex));
    }
    glBindVertexArray(0);
}

}  // namespace dusk
