#include "assets/Image.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>

#include "base/Console.h"

namespace dusk {

void initImageLibrary() {
    static std::once_flag once;
    std::call_once(once, [] { Magick::InitializeMagick(nullptr); });
}

namespace {

bool hasPixels(const Magick::Image& image) { return image.columns() > 0 && image.rows() > 0; }

bool isDirectory(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_directory(path, ignored);
}

// ImageMagick opens a folder as an empty file and then blames the image
// header. A folder where an image should be fails like a missing file, in the
// library's own words: its text for a path inside that folder that is not
// there, with the folder's name put back.
std::string missingFileText(const std::string& fileName) {
    const std::string absent =
        fileName + "/absent" + std::filesystem::path(fileName).extension().string();
    try {
        Magick::Image probe;
        probe.read(absent);
    } catch (const Magick::Exception& e) {
        std::string text = e.what();
        for (size_t at = text.find(absent); at != std::string::npos;
             at = text.find(absent, at + fileName.size())) {
            text.replace(at, absent.size(), fileName);
        }
        return text;
    }
    return "unable to open image `" + fileName + "': " + std::strerror(EISDIR);
}

// Runs one image library step; a warning is remembered, not thrown on, because
// the library raises warnings for files it could still decode.
template <typename Step>
void tolerateWarning(Step step, std::string& warning) {
    try {
        step();
    } catch (const Magick::Warning& w) {
        warning = w.what();
    }
}

}  // namespace

bool decodeRgba(const std::string& fileName, Magick::Image& image, Magick::Blob& pixels,
                std::string& error) {
    initImageLibrary();
    if (isDirectory(fileName)) {
        error = missingFileText(fileName);
        return false;
    }
    std::string warning;
    try {
        tolerateWarning([&] { image.read(fileName); }, warning);
        if (!hasPixels(image)) {
            error = warning.empty() ? "the file holds no image" : warning;
            return false;
        }
        pixels = Magick::Blob();
        tolerateWarning([&] { image.write(&pixels, "RGBA", 8); }, warning);
    } catch (const Magick::Error& e) {
        error = e.what();
        return false;
    }
    const size_t needed = size_t(image.columns()) * image.rows() * 4;
    if (pixels.length() < needed) {
        error = warning.empty() ? "the RGBA conversion holds fewer bytes than the image's texels"
                                : warning;
        return false;
    }
    return true;
}

// fileName is declared before image, so the library is up before the image
// member is constructed.
Image::Image(const std::string& path) : fileName((initImageLibrary(), path)) { load(); }

bool Image::load() {
    Magick::Image decoded;
    Magick::Blob bytes;
    std::string error;
    if (!decodeRgba(fileName, decoded, bytes, error)) {
        printLine("Error loading texture '" + fileName + "': " + error);
        return false;
    }
    image = decoded;
    pixels = bytes;
    loaded_ = true;
    return true;
}

std::unique_ptr<Image> loadModelImage(const std::string& fileName) {
    auto image = std::make_unique<Image>(fileName);
    if (!image->loaded() && !image->load()) {
        printLine("Error loading texture '" + fileName + "'");
        return nullptr;
    }
    printLine("Loaded Texture: " + fileName);
    return image;
}

}  // namespace dusk
