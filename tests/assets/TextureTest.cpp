// Image files decode into 8-bit RGBA whatever the file holds and upload as
// such, and bad files fail with one message instead of taking the game down.
#include <gmock/gmock.h>

#include <fstream>

#include "AssetTestSupport.h"
#include "render/GpuTexture.h"
#include "support/GlTest.h"
#include "support/RunDir.h"

namespace dusk::test {
namespace {

class TextureTest : public GlTest {
protected:
    // The RGBA8 texel at (x, y) of a texture, row 0 first, and its size.
    std::array<int, 4> texel(GLuint texture, int x, int y, int* w = nullptr, int* h = nullptr) {
        GLint width = 0, height = 0;
        glBindTexture(GL_TEXTURE_2D, texture);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        std::vector<unsigned char> data(size_t(width) * height * 4);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, data.data());
        if (w != nullptr) *w = width;
        if (h != nullptr) *h = height;
        const unsigned char* p = &data.at(4 * (size_t(y) * width + x));
        return {p[0], p[1], p[2], p[3]};
    }
    RunDir run;
    ScopedCwd cwd{run.path()};
};

MATCHER_P2(TexelNear, expected, tolerance, "") {
    for (int c = 0; c < 4; ++c) {
        if (std::abs(arg[c] - expected[c]) > tolerance) return false;
    }
    return true;
}

TEST_F(TextureTest, DeepGreyAndPaletteFilesArriveAsEightBitRgbaTopRowFirst) {
    struct Case {
        const char *write, *read;
        size_t depth;
        bool grey;
    };
    for (const Case& c :
         {Case{"PNG48:deep.png", "deep.png", 16, false}, Case{"grey.jpg", "grey.jpg", 8, true},
          Case{"PNG8:palette.png", "palette.png", 8, false}}) {
        SCOPED_TRACE(c.read);
        writeTwoToneImage(c.write, 16, 16, c.grey ? "gray80" : "#ff8000",
                          c.grey ? "gray20" : "#0040ff", c.grey);
        Magick::Image file;
        file.ping(c.read);
        ASSERT_EQ(file.depth(), c.depth) << "the test file is not what it claims to be";

        const Image image(c.read);
        ASSERT_TRUE(image.loaded());
        EXPECT_EQ(image.pixels.length(), 16u * 16 * 4);
        const GpuTexture texture(image);
        int w = 0, h = 0;
        const std::array<int, 4> top =
            c.grey ? std::array{204, 204, 204, 255} : std::array{255, 128, 0, 255};
        const std::array<int, 4> bottom =
            c.grey ? std::array{51, 51, 51, 255} : std::array{0, 64, 255, 255};
        const int tolerance = c.grey ? 6 : 0;  // JPEG is lossy
        EXPECT_THAT(texel(texture.name(), 0, 0, &w, &h), TexelNear(top, tolerance));
        EXPECT_EQ(w, 16);
        EXPECT_EQ(h, 16);
        EXPECT_THAT(texel(texture.name(), 15, 7), TexelNear(top, tolerance));
        EXPECT_THAT(texel(texture.name(), 0, 8), TexelNear(bottom, tolerance));
    }
    EXPECT_EQ(drainGlErrors(), 0);
}

TEST_F(TextureTest, TheTextureIsLinearBindUsesUnitZeroAndAFailedReloadKeepsThePixels) {
    writeTwoToneImage("a.png", 2, 2, "red", "blue");
    Image image("a.png");
    // Made while another unit is active with a texture of its own (a pass's
    // shadow map): that binding stays.
    const GpuTexture other(image);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, other.name());
    const GpuTexture texture(image);
    GLint kept = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &kept);
    EXPECT_EQ(GLuint(kept), other.name());

    glActiveTexture(GL_TEXTURE3);
    texture.bind();
    GLint active = 0, bound = 0, minFilter = 0, magFilter = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    EXPECT_EQ(active, GL_TEXTURE0);
    EXPECT_EQ(GLuint(bound), texture.name());
    EXPECT_EQ(minFilter, GL_LINEAR);
    EXPECT_EQ(magFilter, GL_LINEAR);

    run.remove("a.png");
    printedLines([&] { EXPECT_FALSE(image.load()); });
    EXPECT_TRUE(image.loaded()) << "a failed load keeps the image it had";
    EXPECT_EQ(image.pixels.length(), 2u * 2 * 4);
    EXPECT_EQ(image.width(), 2);
}

// ImageMagick only warns ("No image was loaded") about a PNG cut in half:
// with no pixels that is a failure. A JPEG cut in half decodes with its
// missing rows filled in: a usable image of the full size.
TEST_F(TextureTest, MissingEmptyGarbageAndTruncatedFilesFailCleanly) {
    Magick::Image noisy(Magick::Geometry(64, 64), Magick::Color("green"));
    noisy.addNoise(Magick::GaussianNoise);
    for (const std::string kind : {"png", "jpg"}) {
        noisy.write("whole." + kind);
        std::ifstream in(run.file("whole." + kind), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        run.write("half." + kind, bytes.substr(0, bytes.size() / 2));
        run.write("empty." + kind, "");
    }
    run.write("garbage.png", "no picture here, only words");
    run.write("garbage.jpg", std::string("\xff\xd8\xff\xe0", 4) + "not really a jpeg");

    for (const std::string bad :
         {"none.png", "empty.png", "empty.jpg", "garbage.png", "garbage.jpg", "half.png"}) {
        SCOPED_TRACE(bad);
        std::unique_ptr<Image> image;
        const auto lines = printedLines([&] { image = std::make_unique<Image>(bad); });
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].rfind("Error loading texture '" + bad + "': ", 0), 0u) << lines[0];
        EXPECT_GT(lines[0].size(), bad.size() + 27) << "the library's own text follows";
        EXPECT_FALSE(image->loaded());
    }
    std::unique_ptr<Image> half;
    EXPECT_TRUE(printedLines([&] { half = std::make_unique<Image>("half.jpg"); }).empty());
    EXPECT_TRUE(half->loaded());
    EXPECT_EQ(half->width(), 64);
    EXPECT_EQ(half->height(), 64);
}

}  // namespace
}  // namespace dusk::test
