#pragma once
// Small helpers shared by the asset tests.
#include <Magick++.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "assets/Image.h"

namespace dusk::test {

// Runs f with standard output captured and returns the printed lines.
template <typename F>
std::vector<std::string> printedLines(F f) {
    testing::internal::CaptureStdout();
    f();
    std::istringstream in(testing::internal::GetCapturedStdout());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A w x h image, its upper h/2 rows in the top colour and the rest in the
// bottom one, written to file (the format from the name or a "PNG48:"-style
// prefix), folders included.
inline void writeTwoToneImage(const std::string& file, int w, int h, const std::string& top,
                              const std::string& bottom, bool grey = false) {
    initImageLibrary();
    const auto folder = std::filesystem::path(file.substr(file.find(':') + 1)).parent_path();
    if (!folder.empty()) {
        std::filesystem::create_directories(folder);
    }
    Magick::Image image(Magick::Geometry(w, h), Magick::Color(bottom));
    for (int y = 0; y < h / 2; ++y) {
        for (int x = 0; x < w; ++x) {
            image.pixelColor(x, y, Magick::Color(top));
        }
    }
    if (grey) {
        image.type(Magick::GrayscaleType);
    }
    image.write(file);
}

}  // namespace dusk::test
