// soundgen: writes every sound of Duskhollow into DIRECTORY/Sound/ as 16-bit
// WAV files (through libsndfile). Each sound is synthesised from nothing by
// the recipes in this folder; the output depends on nothing but this program,
// so two runs give the same files.
#include <sndfile.h>

#include <cstdio>
#include <filesystem>

#include "Sounds.h"

namespace fs = std::filesystem;

namespace {

bool write(const fs::path& path, const soundgen::Sound& sound) {
    SF_INFO info{};
    info.samplerate = soundgen::kRate;
    info.channels = sound.channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.string().c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        std::printf("soundgen: cannot write %s: %s\n", path.string().c_str(), sf_strerror(nullptr));
        return false;
    }
    const auto frames = static_cast<sf_count_t>(sound.samples.size()) / sound.channels;
    const bool complete = sf_writef_float(file, sound.samples.data(), frames) == frames;
    sf_close(file);
    return complete;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: soundgen OUTPUT_DIRECTORY\n");
        return 2;
    }
    const fs::path dir = fs::path(argv[1]) / "Sound";
    std::error_code error;
    fs::create_directories(dir, error);
    using Maker = soundgen::Sound (*)();
    const Maker makers[] = {soundgen::footstep,   soundgen::heartbeat, soundgen::scream,
                            soundgen::shriek,     soundgen::ambience,  soundgen::winStinger,
                            soundgen::lossStinger};
    for (Maker make : makers) {
        const soundgen::Sound sound = make();
        if (!write(dir / sound.fileName, sound)) {
            return 1;
        }
    }
    std::printf("soundgen: wrote the sounds into %s\n", dir.string().c_str());
    return 0;
}
