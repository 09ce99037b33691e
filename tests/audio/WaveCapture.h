#pragma once
// OpenAL Soft's wave driver as a microphone: a config naming the driver and
// an output file, pointed at by ALSOFT_CONF, makes every device this process
// opens write its real mix there (stereo, 32-bit float, WAVE_FORMAT_
// EXTENSIBLE). The file is read while the device still writes it: the sizes in
// its header are only filled in at the close, so the data chunk is taken to
// run to the end of the file.
#include <filesystem>
#include <string>
#include <vector>

namespace dusk::test {

struct StereoLevels {
    double left = 0.0;   // RMS
    double right = 0.0;  // RMS
    double both() const { return (left + right) / 2.0; }
};

class WaveCapture {
public:
    // Writes the config (drivers=wave, file=<dir>/mix.wav) into dir.
    explicit WaveCapture(const std::filesystem::path& dir);

    const std::filesystem::path& config() const { return configFile; }
    const std::filesystem::path& output() const { return outputFile; }

    // The samples written so far (interleaved left, right).
    std::vector<float> samples() const;
    // Frames written so far: a mark on the output's timeline.
    size_t frames() const { return samples().size() / 2; }
    // The levels of the frames from `from` to `to` (to 0: the end).
    StereoLevels levels(size_t from, size_t to = 0) const;

private:
    std::filesystem::path configFile;
    std::filesystem::path outputFile;
};

}  // namespace dusk::test
