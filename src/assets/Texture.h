#pragma once
#include <GL/glew.h>
#include <Magick++.h>

#include <string>

namespace dusk {

// Initialises Magick++ once for the process; safe to call repeatedly.
void initImageLibrary();

// Reads fileName into image and converts it into 8-bit "RGBA" bytes in
// pixels, whatever the file's own depth or colour type. False with the image
// library's text in error when that fails. A warning that still leaves a
// decoded image (a truncated JPEG is filled up with grey) counts as success;
// one that leaves no pixels, or bytes too few for width x height texels,
// counts as failure. A folder fails with the library's text for a missing
// file.
bool decodeRgba(const std::string& fileName, Magick::Image& image, Magick::Blob& pixels,
                std::string& error);

// One image file decoded by Magick++ into 8-bit RGBA and uploaded as a 2-D
// texture. The decoded image and its RGBA bytes stay with the record. The record
// owns its GL texture.
class Texture {
public:
    explicit Texture(const std::string& fileName);
    // Frees the GL texture (the GL context must still be current).
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    // Reads, converts and uploads the file; a new GL name on every success.
    // False (after one message line) when the image library reports an error.
    bool load();
    // Makes unit 0 active and binds textureObject.
    void bind() const;

    std::string fileName;
    GLenum target = GL_TEXTURE_2D;
    GLuint textureObject = 0;
    Magick::Image image;
    Magick::Blob pixels;
};

}  // namespace dusk
