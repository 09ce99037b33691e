#include "assets/ModelImport.h"

#include <assimp/DefaultIOSystem.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "assets/ColladaCheck.h"

namespace dusk {

namespace {

bool isDirectory(const char* path) {
    std::error_code ignored;
    return std::filesystem::is_directory(path, ignored);
}

// The C library opens a directory for reading as if it were an empty file;
// here it does not exist.
class FilesOnlyIOSystem : public Assimp::DefaultIOSystem {
public:
    bool Exists(const char* path) const override {
        return !isDirectory(path) && DefaultIOSystem::Exists(path);
    }
    Assimp::IOStream* Open(const char* path, const char* mode) override {
        return isDirectory(path) ? nullptr : DefaultIOSystem::Open(path, mode);
    }
};

}  // namespace

const aiScene* importModel(Assimp::Importer& importer, const std::string& path, unsigned int flags,
                           std::string& error) {
    importer.SetIOHandler(new FilesOnlyIOSystem);
    if (!isDirectory(path.c_str())) {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        error = colladaProblem(bytes.str());
        if (!error.empty()) {
            importer.FreeScene();
            return nullptr;
        }
    }
    const aiScene* scene = importer.ReadFile(path, flags);
    if (scene == nullptr) {
        error = importer.GetErrorString();
    }
    return scene;
}

}  // namespace dusk
