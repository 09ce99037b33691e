// The texture loader on any bytes, written as a .png and as a .jpg file. A
// load that succeeds must have uploaded exactly the decoded image's size. The
// harness deletes each GL texture object again (the game never does), or they
// would pile up over millions of runs.
#include <cstdlib>

#include "FuzzSupport.h"
#include "assets/Texture.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // One decoding thread: the fuzzers share the machine with builds.
    setenv("MAGICK_THREAD_LIMIT", "1", 1);
    setenv("OMP_NUM_THREADS", "1", 1);
    dusk::fuzz::makeGlContextOnce();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const char* name : {"image.png", "image.jpg"}) {
        dusk::Texture texture(dusk::fuzz::writeScratchFile(name, data, size));
        if (texture.textureObject == 0) {
            continue;
        }
        GLint width = 0;
        GLint height = 0;
        glBindTexture(GL_TEXTURE_2D, texture.textureObject);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        const bool uploaded = dusk::fuzz::drainGlErrors() == 0;
        dusk::fuzz::require(!uploaded || (size_t(width) == texture.image.columns() &&
                                          size_t(height) == texture.image.rows()),
                            "uploaded size differs from the decoded image");
        glDeleteTextures(1, &texture.textureObject);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    return 0;
}
