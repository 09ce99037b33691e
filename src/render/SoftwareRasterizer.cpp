#include "render/SoftwareRasterizer.h"

#include <GL/glew.h>

#include <algorithm>
#include <cctype>

namespace dusk {

bool namesSoftwareRasterizer(const std::string& glRenderer) {
    std::string name = glRenderer;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char* software : {"llvmpipe", "softpipe", "swrast", "software rasterizer"}) {
        if (name.find(software) != std::string::npos) {
            return true;
        }
    }
    return false;
}

std::string currentRendererName() {
    const GLubyte* name = glGetString(GL_RENDERER);
    return name != nullptr ? reinterpret_cast<const char*>(name) : "";
}

}  // namespace dusk
