#include "UiFileCheck.h"

#include "AnimationSchedule.h"
#include "FileChecks.h"
#include "InputFiles.h"
#include "ProblemLog.h"
#include "UiTestFile.h"

#include <algorithm>
#include <cstdio>

namespace {

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

} // namespace

const UiDiagnostic* UiFileReport::FirstError() const {
    const auto error =
        std::find_if(diagnostics.begin(), diagnostics.end(), [](const UiDiagnostic& diagnostic) {
            return diagnostic.severity == UiDiagnostic::Severity::Error;
        });
    return error == diagnostics.end() ? nullptr : &*error;
}

bool UiFileChecker::Start(const std::string& logFile, const std::vector<std::string>& inputs) {
    if (!logFile.empty()) {
        std::vector<NamedFile> read;
        for (const std::string& fileName : inputs) {
            const std::vector<NamedFile> files = InputFiles(fileName, InputKind::Ui);
            read.insert(read.end(), files.begin(), files.end());
        }
        const std::string collision = FindCollision(read, {{"--log", logFile}});
        if (!collision.empty()) {
            std::fprintf(stderr, "drev: %s\n", collision.c_str());
            return false;
        }
    }
    return StartProblemLog(logFile);
}

UiFileReport UiFileChecker::Check(const std::string& fileName, const std::string* text, bool errorsOnly) {
    UiFileReport report;
    std::string reason;
    if (text == nullptr && !CanReadFile(fileName, reason)) {
        const std::string message = "cannot read the file: " + reason;
        report.readable = false;
        report.diagnostics.push_back(
            UiDiagnostic{UiDiagnostic::Severity::Error, 0, message, ErrorLine(fileName, 0, message)});
        return report;
    }
    UiTestFile file(fileName, nullptr, text);
    RunFrames(file);
    report.diagnostics = file.TakeDiagnostics(errorsOnly);
    return report;
}
