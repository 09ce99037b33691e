// The image loader on any bytes, written as a .png and as a .jpg file, and
// the upload of what it decoded: the texture must have exactly the decoded
// image's size.
#include <cstdlib>

#include "FuzzSupport.h"
#include "assets/Image.h"
#include "render/GpuTexture.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // One decoding thread: the fuzzers share the machine with builds.
    setenv("MAGICK_THREAD_LIMIT", "1", 1);
    setenv("OMP_NUM_THREADS", "1", 1);
    dusk::fuzz::makeGlContextOnce();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const char* name : {"image.png", "image.jpg"}) {
        const dusk::Image image(dusk::fuzz::writeScratchFile(name, data, size));
        if (!image.loaded()) {
            continue;
        }
        const dusk::GpuTexture texture(image);
        GLint width = 0;
        GLint height = 0;
        glBindTexture(GL_TEXTURE_2D, texture.name());
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        const bool uploaded = dusk::fuzz::drainGlErrors() == 0;
        dusk::fuzz::require(!uploaded || (size_t(width) == image.image.columns() &&
                                          size_t(height) == image.image.rows()),
                            "uploaded size differs from the decoded image");
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    return 0;
}
