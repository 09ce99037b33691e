#pragma once
#include <GL/glew.h>

#include <string>
#include <vector>

#include "assets/SubMesh.h"

namespace dusk {

class Texture;

// All meshes of one model file in one set of shared buffers, with the one
// texture the caller names. Attribute locations: 0 position, 1 normal, 2 uv.
class StaticModel {
public:
    StaticModel() = default;
    ~StaticModel();
    StaticModel(const StaticModel&) = delete;
    StaticModel& operator=(const StaticModel&) = delete;

    // True when the import succeeded and GL reported no error after upload.
    bool load(const std::string& modelPath, const std::string& texturePath);
    void draw() const;
    void clear();

    GLuint vertexArray = 0;
    GLuint buffers[6] = {0, 0, 0, 0, 0, 0};  // 0 index, 1 position, 2 normal, 3 uv
    std::vector<SubMesh> subMeshes;
    std::vector<Texture*> textures;  // exactly one slot after a load
};

}  // namespace dusk
