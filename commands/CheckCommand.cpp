#include "CheckCommand.h"

#include "AnimationSchedule.h"
#include "FileChecks.h"
#include "InputFiles.h"
#include "ProblemLog.h"
#include "UiTestFile.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

enum CheckStatus { CHECK_CLEAN = 0, CHECK_ERRORS = 1, CHECK_IO_ERROR = 2 };

// Frames at the moments that bring out what the runtime corrects: the first frame (placements
// pulled back), a moment in the running phase of every animation (a wrong Type is reset only
// while its animation runs; a frame straight at the end would skip it), and the settled moment.
void RunFrames(UiTestFile& file) {
    std::vector<double> moments{0.0};
    const std::vector<double> running = RunningTimes(file.Context());
    moments.insert(moments.end(), running.begin(), running.end());
    moments.push_back(SettledTime(file.Context()));
    uiDrawList list;
    for (const double moment : moments) {
        file.SetClock(moment);
        list.Clear();
        file.Context().Tick(list);
    }
}

int CheckFile(const std::string& fileName, bool quiet) {
    std::string reason;
    if (!CanReadFile(fileName, reason)) {
        PrintError(fileName, 0, "cannot read the file: " + reason);
        return CHECK_IO_ERROR;
    }
    UiTestFile file(fileName);
    RunFrames(file);
    return file.PrintDiagnostics(quiet) ? CHECK_ERRORS : CHECK_CLEAN;
}

} // namespace

int RunCheckCommand(const CheckOptions& options) {
    if (!options.logFile.empty()) {
        std::vector<NamedFile> inputs;
        for (const std::string& fileName : options.files) {
            const std::vector<NamedFile> read = InputFiles(fileName, InputKind::Ui);
            inputs.insert(inputs.end(), read.begin(), read.end());
        }
        const std::string collision = FindCollision(inputs, {{"--log", options.logFile}});
        if (!collision.empty()) {
            std::fprintf(stderr, "drev: %s\n", collision.c_str());
            return CHECK_IO_ERROR;
        }
    }
    if (!StartProblemLog(options.logFile)) {
        return CHECK_IO_ERROR;
    }
    int status = CHECK_CLEAN;
    for (const std::string& fileName : options.files) {
        status = std::max(status, CheckFile(fileName, options.quiet));
    }
    return status;
}
