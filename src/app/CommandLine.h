#pragma once
// The game's command line:
//   duskhollow [--help] [--version] [--fullscreen] [--vsync] [--no-console]
//              [--settings FILE] [--seed N | --daily] [--difficulty NAME] [--data-dir DIR]
//              [--records] [--replay FILE | --check-replay FILE]
// No arguments start the game as always. Parsing prints nothing itself: the
// texts for standard output and standard error wait in the result.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "settings/UserSettings.h"

namespace dusk {

struct StartOptions {
    bool fullscreen = false;
    bool vsync = false;
    // Standard input is not read: the end screen waits for the window (the
    // menu entry starts the game so, as its standard input is /dev/null).
    bool windowOnly = false;
    // Absolute: a relative FILE is taken from the directory the game was
    // started in, whatever --data-dir says.
    std::optional<std::filesystem::path> settingsFile;
    // --seed N, or today's forest with --daily.
    std::optional<std::uint32_t> seed;
    bool daily = false;
    // --records: print the records and end, without a window.
    bool listRecords = false;
    // The rounds of this run play by it, whatever the settings say.
    std::optional<DifficultyLevel> difficulty;
    // The game changes into it before it reads anything.
    std::optional<std::filesystem::path> dataDir;
    // --replay FILE: watch the replay in the window instead of playing;
    // --check-replay FILE: play it again without a window and say whether it
    // ends as recorded. Absolute, as the settings file.
    std::optional<std::filesystem::path> replayFile;
    std::optional<std::filesystem::path> checkReplayFile;
};

class CommandLine {
public:
    CommandLine(int argc, const char* const argv[]);

    // False after --help, --version or a fault: then print the texts and end
    // with exitStatus() (0, or 2 for an unknown option or a bad value).
    bool shouldRun() const { return run_; }
    int exitStatus() const { return status_; }
    const std::string& output() const { return output_; }
    const std::string& errors() const { return errors_; }
    const StartOptions& options() const { return options_; }

private:
    StartOptions options_;
    bool run_ = true;
    int status_ = 0;
    std::string output_;
    std::string errors_;
};

}  // namespace dusk
