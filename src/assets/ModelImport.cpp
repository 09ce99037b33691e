#include "assets/ModelImport.h"

#include <assimp/DefaultIOSystem.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

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

bool isColladaDocument(const std::string& bytes) {
    std::string lower(bytes);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return lower.find("<collada") != std::string::npos;
}

// Where the text of the <p> element whose tag starts at `at` begins, or npos
// when the tag there is another element or an empty <p/>.
size_t indexListStart(const std::string& document, size_t at) {
    const size_t afterName = at + 2;
    if (afterName >= document.size()) {
        return std::string::npos;
    }
    const char next = document[afterName];
    if (next != '>' && next != '/' && !std::isspace(static_cast<unsigned char>(next))) {
        return std::string::npos;
    }
    const size_t close = document.find('>', afterName);
    if (close == std::string::npos || document[close - 1] == '/') {
        return std::string::npos;
    }
    return close + 1;
}

bool isIndexCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == ' ' || c == '\t' || c == '\r' ||
           c == '\n';
}

}  // namespace

bool runawayIndexList(const std::string& document) {
    if (!isColladaDocument(document)) {
        return false;
    }
    for (size_t at = document.find("<p"); at != std::string::npos;
         at = document.find("<p", at + 2)) {
        const size_t start = indexListStart(document, at);
        if (start == std::string::npos) {
            continue;
        }
        size_t end = start;
        while (end < document.size() && isIndexCharacter(document[end])) {
            ++end;
        }
        if (end < document.size() && document.compare(end, 4, "</p>") != 0) {
            return true;
        }
    }
    return false;
}

const aiScene* importModel(Assimp::Importer& importer, const std::string& path, unsigned int flags,
                           std::string& error) {
    importer.SetIOHandler(new FilesOnlyIOSystem);
    if (!isDirectory(path.c_str())) {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        if (runawayIndexList(bytes.str())) {
            importer.FreeScene();
            error = "a COLLADA index list (<p>) holds a character that is not part of a number";
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
