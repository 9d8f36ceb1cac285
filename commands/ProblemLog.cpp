#include "ProblemLog.h"

#include "Log.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace drev;

namespace {

const char* const WARNING_PREFIX = "Warning:";

// Filled by the log's listener for the life of the process, as the log itself lives.
std::vector<std::string> problems;

bool IsProblem(int type, const char* message) {
    return type == LOG_TYPE_ERROR || type == LOG_TYPE_CRITICAL ||
           (type == LOG_TYPE_RECORD &&
            std::strncmp(message, WARNING_PREFIX, std::strlen(WARNING_PREFIX)) == 0);
}

void Catch(int type, const char* message) {
    if (!IsProblem(type, message)) {
        return;
    }
    std::string text = message;
    text.erase(text.find_last_not_of(" \t\r\n") + 1);
    problems.push_back(text);
}

} // namespace

bool StartProblemLog(const std::string& logFile) {
    if (!InitLogWithListener(logFile.empty() ? nullptr : logFile.c_str(), Catch)) {
        std::fprintf(stderr, "drev: cannot write the log file %s: %s\n", logFile.c_str(),
                     std::strerror(errno));
        return false;
    }
    SetLogMode(LOG_MODE_DETAILED);
    SetLogThreshold(LOG_TYPE_DEBUG);
    return true;
}

std::vector<std::string> TakeProblems() {
    std::vector<std::string> taken;
    taken.swap(problems);
    return taken;
}

std::string ErrorLine(const std::string& file, int line, const std::string& message) {
    const std::string place = line > 0 ? file + ":" + std::to_string(line) : file;
    return place + ": error: " + message;
}

std::string WarningLine(const std::string& file, const std::string& message) {
    return file + ": warning: " + message;
}

void PrintError(const std::string& file, int line, const std::string& message) {
    std::fprintf(stderr, "%s\n", ErrorLine(file, line, message).c_str());
}

void PrintWarning(const std::string& file, const std::string& message) {
    std::fprintf(stderr, "%s\n", WarningLine(file, message).c_str());
}
