#include "ModelChecks.h"

#include "FuzzSupport.h"

namespace dusk::fuzz {

namespace {

GLint bufferBytes(GLenum target, GLuint buffer) {
    glBindBuffer(target, buffer);
    GLint bytes = 0;
    glGetBufferParameteriv(target, GL_BUFFER_SIZE, &bytes);
    return bytes;
}

}  // namespace

void checkModelBuffers(const std::vector<SubMesh>& subMeshes, const std::vector<GLuint>& buffers,
                       const std::vector<int>& floatsPerVertex) {
    size_t indexTotal = 0;
    for (const SubMesh& sub : subMeshes) {
        require(sub.baseIndex == indexTotal, "sub-mesh base index");
        indexTotal += sub.indexCount;
    }
    const GLint indexBytes = bufferBytes(GL_ELEMENT_ARRAY_BUFFER, buffers[0]);
    require(size_t(indexBytes) == indexTotal * sizeof(uint32_t), "index buffer size");
    std::vector<uint32_t> indices(indexTotal);
    glGetBufferSubData(GL_ELEMENT_ARRAY_BUFFER, 0, indexBytes, indices.data());

    const GLint positionBytes = bufferBytes(GL_ARRAY_BUFFER, buffers[1]);
    const size_t vertexTotal = size_t(positionBytes) / (3 * sizeof(float));
    for (size_t slot = 0; slot < floatsPerVertex.size(); ++slot) {
        require(size_t(bufferBytes(GL_ARRAY_BUFFER, buffers[slot + 1])) ==
                    vertexTotal * floatsPerVertex[slot] * sizeof(float),
                "attribute buffer " + std::to_string(slot + 1) + " size");
    }
    for (size_t i = 0; i < subMeshes.size(); ++i) {
        const size_t end = i + 1 < subMeshes.size() ? subMeshes[i + 1].baseVertex : vertexTotal;
        require(subMeshes[i].baseVertex <= end, "sub-mesh vertex range");
        const size_t vertices = end - subMeshes[i].baseVertex;
        for (uint32_t k = 0; k < subMeshes[i].indexCount; ++k) {
            const uint32_t index = indices[subMeshes[i].baseIndex + k];
            require(index < vertices, "index " + std::to_string(index) + " of sub-mesh " +
                                          std::to_string(i) + " with " + std::to_string(vertices) +
                                          " vertices");
        }
    }
}

}  // namespace dusk::fuzz
