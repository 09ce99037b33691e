#include "app/CommandLine.h"

#include <CLI/CLI.hpp>
#include <limits>
#include <sstream>

#include "records/DailySeed.h"

namespace dusk {

namespace {

// Decimal digits only (CLI11 would also take hex and octal) within 32 bits.
std::string seedProblem(const std::string& text) {
    const bool digits = !text.empty() && text.size() <= 10 &&
                        text.find_first_not_of("0123456789") == std::string::npos;
    if (!digits || std::stoull(text) > std::numeric_limits<std::uint32_t>::max()) {
        return "N must be a whole number from 0 to 4294967295, not " + text;
    }
    return "";
}

// FILE as given, made absolute from the directory the game was started in.
std::filesystem::path fromStartDirectory(const std::string& file) {
    std::error_code noCurrentDirectory;
    const std::filesystem::path absolute = std::filesystem::absolute(file, noCurrentDirectory);
    return noCurrentDirectory ? std::filesystem::path(file) : absolute;
}

CLI::Validator notEmpty() {
    return CLI::Validator(
        [](const std::string& text) { return text.empty() ? "FILE must not be empty" : ""; }, "");
}

std::string difficultyProblem(const std::string& text) {
    return difficultyLevelNamed(text) ? "" : "NAME must be Relaxed, Standard or Hard, not " + text;
}

}  // namespace

CommandLine::CommandLine(int argc, const char* const argv[]) {
    CLI::App app("Duskhollow: frighten the ten kids of the clearing without being seen.",
                 "duskhollow");
    app.set_version_flag("--version", std::string("Duskhollow ") + DUSK_VERSION);
    app.add_flag("--fullscreen", options_.fullscreen, "Play fullscreen on the primary monitor");
    app.add_flag("--vsync", options_.vsync, "Wait for the display's refresh between frames");
    app.add_flag("--no-console", options_.windowOnly,
                 "Do not read standard input: the end of a round waits for the window");
    std::string settingsFile;
    app.add_option("--settings", settingsFile,
                   "Read and write the settings in FILE instead of "
                   "$XDG_CONFIG_HOME/duskhollow/settings.toml")
        ->type_name("FILE")
        ->check(notEmpty());
    std::string seed;
    app.add_option("--seed", seed, "Place trees and kids from the random sequence N")
        ->type_name("N")
        ->check(CLI::Validator(seedProblem, ""));
    app.add_flag("--daily", options_.daily,
                 "Play today's forest, the same for every player on this UTC day");
    std::string difficulty;
    app.add_option("--difficulty", difficulty,
                   "Play by the rules of NAME: Relaxed, Standard (the default) or Hard")
        ->type_name("NAME")
        ->check(CLI::Validator(difficultyProblem, ""));
    std::string dataDir;
    app.add_option("--data-dir", dataDir,
                   "Run in DIR, the folder that holds Release/config.txt, the shaders and art")
        ->type_name("DIR")
        ->check(CLI::Validator(CLI::ExistingDirectory).description(""));
    app.add_flag("--records", options_.listRecords,
                 "Print your best times and results per forest, and end");
    std::string replayFile;
    app.add_option("--replay", replayFile,
                   "Watch the replay in FILE: Space pauses, Left/Right change the speed, R "
                   "restarts, Esc leaves")
        ->type_name("FILE")
        ->check(notEmpty());
    std::string checkReplayFile;
    app.add_option("--check-replay", checkReplayFile,
                   "Play the replay in FILE again without a window and say whether it ends as "
                   "recorded (status 0 when it does, 1 when not, 2 for a file that cannot be read)")
        ->type_name("FILE")
        ->check(notEmpty());
    app.failure_message(CLI::FailureMessage::help);

    try {
        app.parse(argc, argv);
        // Checked here: CLI11's own "excludes" would change the help's lines.
        if (options_.daily && !seed.empty()) {
            throw CLI::ValidationError("--daily",
                                       "today's forest has its own seed; give --seed "
                                       "or --daily, not both");
        }
        if (!replayFile.empty() && !checkReplayFile.empty()) {
            throw CLI::ValidationError("--replay", "give --replay or --check-replay, not both");
        }
    } catch (const CLI::ParseError& error) {
        std::ostringstream out;
        std::ostringstream err;
        const int status = app.exit(error, out, err);
        output_ = out.str();
        errors_ = err.str();
        run_ = false;
        status_ = status == 0 ? 0 : 2;
        return;
    }
    if (!settingsFile.empty()) {
        options_.settingsFile = fromStartDirectory(settingsFile);
    }
    if (!replayFile.empty()) {
        options_.replayFile = fromStartDirectory(replayFile);
    }
    if (!checkReplayFile.empty()) {
        options_.checkReplayFile = fromStartDirectory(checkReplayFile);
    }
    if (!seed.empty()) {
        options_.seed = static_cast<std::uint32_t>(std::stoull(seed));
    }
    if (options_.daily) {
        options_.seed = dailySeed(CalendarDate::todayUtc());
    }
    if (!difficulty.empty()) {
        options_.difficulty = difficultyLevelNamed(difficulty);
    }
    if (!dataDir.empty()) {
        options_.dataDir = dataDir;
    }
}

}  // namespace dusk
