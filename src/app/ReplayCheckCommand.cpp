#include "app/ReplayCheckCommand.h"

#include <unistd.h>

#include <cstdio>
#include <limits>

#include "app/CommandLine.h"
#include "app/WorldModelsLoader.h"
#include "base/Console.h"
#include "records/RecordsTable.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"

namespace dusk {

namespace {

std::string hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::string outcomeLine(const ReplayCheck& check, const Replay& replay) {
    std::string line = std::string("Played again: ") + replayOutcomeName(check.outcome);
    if (check.outcome == ReplayOutcome::Won) {
        line += " in " + formatRoundTime(check.seconds);
    }
    return line + ", " + std::to_string(check.kidsFrightened) +
           " kids frightened (recorded: " + replayOutcomeName(replay.outcome) + ")";
}

}  // namespace

int runReplayCheck(const StartOptions& options) {
    if (options.dataDir && chdir(options.dataDir->c_str()) != 0) {
        printLine("ERROR: Could not enter the data directory " + options.dataDir->string());
        return 2;
    }
    const ReplayReading reading = ReplayFile(*options.checkReplayFile).read();
    if (!reading.replay) {
        printLine(reading.fault);
        return 2;
    }
    const Replay& replay = *reading.replay;
    const scene::WorldModels models = loadWorldModels(std::numeric_limits<int>::max());
    printLine("Replay \"" + options.checkReplayFile->string() + "\": forest " +
              std::to_string(replay.seed) + ", " + replay.difficulty + ", " +
              std::to_string(replay.frames.size()) + " updates");
    const ReplayCheck check = checkReplay(replay, models);
    printLine(outcomeLine(check, replay));
    printLine(check.finalHash == replay.finalHash
                  ? "Final state: as recorded (" + hex(check.finalHash) + ")"
                  : "Final state: differs (" + hex(check.finalHash) + ", recorded " +
                        hex(replay.finalHash) + ")");
    return check.matches ? 0 : 1;
}

}  // namespace dusk
