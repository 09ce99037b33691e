#pragma once
#include <Magick++.h>

#include <memory>
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

// One image file decoded by Magick++ into 8-bit RGBA, kept on the CPU (the
// renderer uploads it). The decoded image and its RGBA bytes stay with the
// record.
class Image {
public:
    // Reads the file at once (see load).
    explicit Image(const std::string& fileName);

    // Reads and converts the file. False (after one message line, "Error
    // loading texture '<file>': <library's text>") when the image library
    // reports an error; the pixels of a former load stay then.
    bool load();
    // Whether some load succeeded.
    bool loaded() const { return loaded_; }
    int width() const { return int(image.columns()); }
    int height() const { return int(image.rows()); }
    // width x height texels of four bytes, the image's top row first.
    const void* rgba() const { return pixels.data(); }

    std::string fileName;
    Magick::Image image;
    Magick::Blob pixels;

private:
    bool loaded_ = false;
};

// An image the way the model loaders have always read theirs: a file that
// fails is read once more, so its message comes twice. Then one line more:
// "Loaded Texture: <file>", or "Error loading texture '<file>'" and null.
std::unique_ptr<Image> loadModelImage(const std::string& fileName);

}  // namespace dusk
