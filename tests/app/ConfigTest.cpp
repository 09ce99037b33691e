// The window size comes from two lines of "Release/config.txt", each read the
// way atoi reads a number, except that a value beyond the int range is clamped
// (atoi's behaviour there is undefined).
#include <gtest/gtest.h>
#include <stdlib.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/Config.h"

namespace dusk {
namespace {

struct LineCase {
    std::string line;
    int expected;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class ParseConfigLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(ParseConfigLine, ReadsLikeAtoi) {
    EXPECT_EQ(parseConfigLine(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(PlainNumbers, ParseConfigLine,
                         ::testing::Values(LineCase{"1280", 1280}, LineCase{"720", 720},
                                           LineCase{"0", 0}, LineCase{"-0", 0},
                                           LineCase{"000000000000000000000800", 800}));

INSTANTIATE_TEST_SUITE_P(LeadingBlanksAndSigns, ParseConfigLine,
                         ::testing::Values(LineCase{" 1024", 1024}, LineCase{"\t \v\f1024", 1024},
                                           LineCase{"\r600", 600}, LineCase{"+768", 768},
                                           LineCase{"-5", -5}, LineCase{"+", 0}, LineCase{"-", 0},
                                           LineCase{"--5", 0}, LineCase{"+-5", 0},
                                           LineCase{"- 5", 0}));

INSTANTIATE_TEST_SUITE_P(TrailingText, ParseConfigLine,
                         ::testing::Values(LineCase{"800abc", 800}, LineCase{"600\r", 600},
                                           LineCase{"4 2", 4}, LineCase{"1e3", 1},
                                           LineCase{"0x10", 0}, LineCase{"12.9", 12},
                                           LineCase{std::string("64\0"
                                                                "99",
                                                                5),
                                                    64}));

INSTANTIATE_TEST_SUITE_P(NoDigits, ParseConfigLine,
                         ::testing::Values(LineCase{"", 0}, LineCase{"abc", 0}, LineCase{"   ", 0},
                                           LineCase{"width=800", 0}));

// atoi is undefined here; we clamp to the int range instead.
INSTANTIATE_TEST_SUITE_P(
    BeyondTheIntRange, ParseConfigLine,
    ::testing::Values(LineCase{"2147483647", INT_MAX}, LineCase{"-2147483648", INT_MIN},
                      LineCase{"2147483648", INT_MAX}, LineCase{"-2147483649", INT_MIN},
                      LineCase{"99999999999", INT_MAX}, LineCase{"-99999999999", INT_MIN},
                      LineCase{"99999999999999999999999999999999", INT_MAX},
                      LineCase{std::string(100000, '9') + "x", INT_MAX},
                      LineCase{"-" + std::string(100000, '7'), INT_MIN}));

class ReadWindowConfig : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "duskhollow-config-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        path = (dir / "config.txt").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    WindowConfig readFile(const std::string& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return readWindowConfig(path);
    }

    std::filesystem::path dir;
    std::string path;
};

TEST_F(ReadWindowConfig, FirstLineIsWidthSecondIsHeight) {
    const struct {
        std::string bytes;
        int width, height;
    } cases[] = {
        {"1280\n720\n", 1280, 720},
        {"1280\n720", 1280, 720},       // no line end after the height
        {"800abc\n600\r\n", 800, 600},  // trailing text, Windows line end
        {"800\r\n600\r\n", 800, 600},
        {" 1024\n+768\n", 1024, 768},
        {"640\n480\n1920\n1080\n", 640, 480},  // lines 3 and later change nothing
        {"640\n480\nnot a number\n", 640, 480},
        {"\n600\n", 0, 600},  // an empty first line
        {"800\n", 800, 0},    // only one line
        {"800", 800, 0},
        {"", 0, 0},
        {"-5\n600\n", -5, 600},
    };
    for (const auto& c : cases) {
        const WindowConfig config = readFile(c.bytes);
        EXPECT_EQ(config.width, c.width) << "file: \"" << c.bytes << '"';
        EXPECT_EQ(config.height, c.height) << "file: \"" << c.bytes << '"';
    }
}

TEST_F(ReadWindowConfig, AnUnreadableFileGivesZeroByZero) {
    const WindowConfig missing = readWindowConfig(path);
    EXPECT_EQ(missing.width, 0);
    EXPECT_EQ(missing.height, 0);

    // A directory where the file should be: opens on Linux, yields no lines.
    std::filesystem::create_directories(path);
    const WindowConfig directory = readWindowConfig(path);
    EXPECT_EQ(directory.width, 0);
    EXPECT_EQ(directory.height, 0);
}

TEST(WindowSize, OnlySizesGlfwAndXCanTakeAreAskedFor) {
    EXPECT_TRUE(windowSizeAcceptable({1280, 720}));
    EXPECT_TRUE(windowSizeAcceptable({1, 1}));
    EXPECT_TRUE(windowSizeAcceptable({32767, 32767}));
    EXPECT_FALSE(windowSizeAcceptable({0, 720}));
    EXPECT_FALSE(windowSizeAcceptable({1280, -5}));
    EXPECT_FALSE(windowSizeAcceptable({32768, 720}));
    EXPECT_FALSE(windowSizeAcceptable({1280, 2147483647}));
}

}  // namespace
}  // namespace dusk
