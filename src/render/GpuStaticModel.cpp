#include "render/GpuStaticModel.h"

#include "assets/StaticModel.h"
#include "render/VertexUpload.h"

namespace dusk {

GpuStaticModel::GpuStaticModel(const StaticModel& model)
    : vertexArray(GlVertexArray::generate()), subMeshes(model.subMeshes) {
    glBindVertexArray(vertexArray.get());
    for (GlBuffer& buffer : buffers) {
        buffer = GlBuffer::generate();
    }
    if (model.image) {
        texture = std::make_unique<GpuTexture>(*model.image);
    }
    uploadFloatAttribute(buffers[1].get(), 0, model.arrays.positions, 3);
    uploadFloatAttribute(buffers[3].get(), 2, model.arrays.uvs, 2);
    uploadFloatAttribute(buffers[2].get(), 1, model.arrays.normals, 3);
    uploadIndices(buffers[0].get(), model.arrays.indices);
    glBindVertexArray(0);
}

void GpuStaticModel::draw() const {
    glBindVertexArray(vertexArray.get());
    for (const SubMesh& sub : subMeshes) {
        bindTextureOf(sub, texture.get());
        glDrawElementsInstancedBaseVertex(
            GL_TRIANGLES, GLsizei(sub.indexCount), GL_UNSIGNED_INT,
            reinterpret_cast<const void*>(uintptr_t(sub.baseIndex) * sizeof(uint32_t)), 1,
            GLint(sub.baseVertex));
    }
    glBindVertexArray(0);
}

void GpuStaticModel::drawTriangles(GLuint elementBuffer, size_t first, size_t count) const {
    glBindVertexArray(vertexArray.get());
    if (!subMeshes.empty()) {
        bindTextureOf(subMeshes[0], texture.get());
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, elementBuffer);
    glDrawElements(GL_TRIANGLES, GLsizei(count), GL_UNSIGNED_INT,
                   reinterpret_cast<const void*>(first * sizeof(uint32_t)));
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffers[0].get());
    glBindVertexArray(0);
}

}  // namespace dusk
