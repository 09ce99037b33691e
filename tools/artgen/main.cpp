// artgen: writes every model and image of Duskhollow into the directory named
// on its command line (the game's run directory); `artgen --icon FILE` writes
// the 256 x 256 application icon instead. The output depends on nothing but
// this program, so two runs give the same files.
#include <Magick++.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "Collada.h"
#include "Kid.h"
#include "Pieces.h"

namespace fs = std::filesystem;

namespace {

void generate(const fs::path& root) {
    fs::create_directories(root / "Model/Object");
    fs::create_directories(root / "Model/Image");
    fs::create_directories(root / "Textures");
    auto out = [&root](const char* relative) { return (root / relative).string(); };

    artgen::writeObj(out("Model/Object/ground20.obj"), artgen::buildGround(), "ground");
    artgen::paintGround(512).write(out("Model/Image/ground19.jpg"), 92);

    artgen::writeObj(out("Model/Object/skybox.obj"), artgen::buildSky(400.0f), "sky");
    artgen::paintSky(2048, 1024).write(out("Model/Image/skybox2.jpg"), 93);

    artgen::writeObj(out("Model/Object/tree1.obj"), artgen::buildConifer(), "conifer");
    artgen::writeObj(out("Model/Object/tree3.obj"), artgen::buildBroadleaf(), "broadleaf");
    artgen::paintTreeAtlas(512).write("PNG32:" + out("Model/Image/tree1.png"));

    artgen::writeCollada(out("Model/Object/animTest2.dae"), artgen::buildKid(), "animTest.png");
    artgen::paintKidAtlas().write("PNG32:" + out("Model/Object/animTest.png"));

    artgen::paintGameOver().write("PNG32:" + out("Textures/gameOverScreen.png"));
}

}  // namespace

int main(int argc, char** argv) {
    const bool icon = argc == 3 && std::string(argv[1]) == "--icon";
    if (argc != 2 && !icon) {
        std::printf("usage: artgen OUTPUT_DIRECTORY\n       artgen --icon FILE.png\n");
        return 2;
    }
    Magick::InitializeMagick(argv[0]);
    try {
        if (icon) {
            artgen::paintIcon(256).write("PNG32:" + std::string(argv[2]));
            return 0;
        }
        generate(argv[1]);
    } catch (const std::exception& e) {
        std::printf("artgen: %s\n", e.what());
        return 1;
    }
    std::printf("artgen: wrote the models and images into %s\n", argv[1]);
    return 0;
}
